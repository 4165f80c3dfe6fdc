// StrToAmount against the slow conversion written from its grammar: value or 0, always equal.
#include "SlowStrToAmount.h"
#include "analysis/StrToAmount.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char separator : {'.', ','}) {
        const std::int64_t fast = vinta::StrToAmount(text, separator).TenThousandths();
        const std::int64_t slow = vinta::reference::SlowStrToAmount(text, separator);
        if (fast != slow) {
            std::fprintf(stderr, "StrToAmount('%.*s', '%c') = %" PRId64 ", slow reference %" PRId64 "\n",
                         static_cast<int>(size), text.data(), separator, fast, slow);
            std::abort();
        }
    }
    return 0;
}

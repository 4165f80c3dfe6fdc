// vinta-sample: writes deterministic sample electronic-copy archives (and
// large file trees) for tests and benchmarks of VINTA.

#include "ArchiveGenerator.h"
#include "Options.h"
#include "TreeGenerator.h"
#include "UsageError.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

// Runs one generator and prints the one-line summary.
template <typename Generator>
void generate(const Options &options, const std::string &dir)
{
    Generator generator(options);
    generator.run();
    std::fprintf(stderr, "vinta-sample: %llu files, %llu bytes in %s\n",
                 static_cast<unsigned long long>(generator.files()),
                 static_cast<unsigned long long>(generator.bytes()), dir.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    try {
        options = Options::parse(argc, argv);
    } catch (const UsageError &e) {
        std::fprintf(stderr, "vinta-sample: %s\n%s", e.what(), Options::usage());
        return 2;
    }
    if (options.mode == Options::Mode::Help) {
        std::fputs(Options::usage(), stdout);
        return 0;
    }

    try {
        if (options.mode == Options::Mode::Archive)
            generate<ArchiveGenerator>(options, options.outDir);
        else
            generate<TreeGenerator>(options, options.treeDir);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "vinta-sample: %s\n", e.what());
        return 1;
    }
    return 0;
}

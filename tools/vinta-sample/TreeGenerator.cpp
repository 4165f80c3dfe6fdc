#include "TreeGenerator.h"

#include "CivilDate.h"
#include "Cp1250.h"
#include "FileSink.h"
#include "Rng.h"
#include "TextBuffer.h"

#include <cstdio>
#include <string>

namespace {

const char *const kTxt[] = {".txt", ".txt", ".txt", ".txt", ".txt", ".txt", ".TXT", ".Txt"};
const char *const kOther[] = {".log", ".dat", ".txt.bak", ".txt2", ""};
const char *const kPrefixes[] = {"kopia", "EJ", "raport", "zrzut", "dane", "log"};
const char *const kTop[] = {"archiwum", "kopie", "eksport", "backup"};

constexpr long kFanOut = 16;  // sub-folders per folder
constexpr long kMinLeaf = 60; // files per leaf folder
constexpr long kMaxLeaf = 240;

} // namespace

void TreeGenerator::run()
{
    Rng rng = Rng::derive(options_.seed, 0x7EE, 0);
    FileSink sink(options_.treeDir);
    TextBuffer buffer;
    const std::string line1 = Cp1250::fromUtf8("Zdarzenie: zapis kopii, stan pamięci OK");
    const std::string line2 = Cp1250::fromUtf8("Sklep \"Pod Lipą\" - dane pomocnicze, nie raport");

    // Write times are uniform over 2023-2024 in local time, on even seconds.
    const std::time_t begin = CivilDate(2023, 1, 1).localTime(0, 0, 0);
    const std::time_t end = CivilDate(2025, 1, 1).localTime(0, 0, 0);
    const auto halfSpan = static_cast<std::uint64_t>((end - begin) / 2);

    const long every = options_.txtEvery;
    long txtSlot = static_cast<long>(rng.below(static_cast<std::uint64_t>(every)));
    long leaf = 0;
    long leftInLeaf = 0;
    std::string dir;

    for (long i = 0; i < options_.files; ++i) {
        if (leftInLeaf == 0) {
            // Leaves sit three levels below the root (top/branch/leaf);
            // now and then a batch of loose files lands in a branch or top
            // folder instead, as copy programs leave them.
            const long top = leaf / (kFanOut * kFanOut);
            char buf[96];
            int used = std::snprintf(buf, sizeof buf, "%s_%02ld", kTop[top % 4], top);
            const auto where = rng.below(100);
            if (where < 4) {
                leftInLeaf = rng.range(5, 20);
            } else if (where < 20) {
                leftInLeaf = rng.range(10, 40);
                std::snprintf(buf + used, sizeof buf - static_cast<std::size_t>(used),
                              "/oddzial_%02ld", leaf / kFanOut % kFanOut);
            } else {
                leftInLeaf = rng.range(kMinLeaf, kMaxLeaf);
                std::snprintf(buf + used, sizeof buf - static_cast<std::size_t>(used),
                              "/oddzial_%02ld/kasa_%02ld", leaf / kFanOut % kFanOut,
                              leaf % kFanOut);
                ++leaf;
            }
            dir = buf;
        }
        --leftInLeaf;

        // Exactly one .txt file in each block of `every` files.
        const long inBlock = i % every;
        if (inBlock == 0 && i > 0)
            txtSlot = static_cast<long>(rng.below(static_cast<std::uint64_t>(every)));
        const bool txt = inBlock == txtSlot;
        const char *ext = txt ? kTxt[rng.below(8)] : kOther[rng.below(5)];

        const std::time_t mtime = begin + 2 * static_cast<std::time_t>(rng.below(halfSpan));
        char name[64];
        std::snprintf(name, sizeof name, "%s_%07ld%s", kPrefixes[rng.below(6)], i, ext);

        buffer.clear();
        const int lines = static_cast<int>(rng.range(3, 9));
        for (int l = 0; l < lines; ++l) {
            char head[64];
            std::snprintf(head, sizeof head, "%07ld.%02d %016llx ", i, l,
                          static_cast<unsigned long long>(rng.next()));
            buffer.append(head);
            buffer.line(l % 2 ? line1 : line2);
        }
        sink.write(dir, name, buffer.data(), mtime);
    }
    sink.finish();
    files_ = sink.files();
    bytes_ = sink.bytes();
}

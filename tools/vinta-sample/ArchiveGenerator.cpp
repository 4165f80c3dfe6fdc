#include "ArchiveGenerator.h"

#include "DayComposer.h"
#include "DepartmentCatalog.h"
#include "DeviceProfile.h"
#include "FileSink.h"
#include "Manifest.h"
#include "ProductCatalog.h"
#include "Rng.h"
#include "TextBuffer.h"

#include <cstdio>

void ArchiveGenerator::run()
{
    const DepartmentCatalog departments(options_.departments, options_.seed);
    const ProductCatalog products;
    Manifest manifest(!options_.manifestPath.empty());
    DayComposer composer(departments, products, options_.dateSeparator, manifest);
    // Create the manifest up front so a bad path fails before the long run.
    if (manifest.enabled())
        manifest.save(options_.manifestPath);
    FileSink sink(options_.outDir);
    TextBuffer buffer;
    buffer.reserve(1 << 20);

    for (int d = 1; d <= options_.devices; ++d) {
        DeviceProfile device(d, options_.seed);
        for (CivilDate date = options_.from; date.serial() <= options_.to.serial();
             date = date.next()) {
            // Each file draws from its own stream; the running counters on
            // the device are the only link between days.
            Rng rng = Rng::derive(options_.seed, static_cast<std::uint64_t>(d),
                                  static_cast<std::uint64_t>(date.serial()));
            buffer.clear();
            const std::time_t mtime = composer.compose(device, date, options_.receipts, rng, buffer);

            // Registers and copy programs disagree on the extension's case.
            const auto ext = rng.below(100);
            const char *suffix = ext < 90 ? ".txt" : ext < 95 ? ".TXT" : ".Txt";
            char dir[64];
            std::snprintf(dir, sizeof dir, "/%04d/%02d", date.year(), date.month());
            sink.write(device.folder() + dir, date.compact() + suffix, buffer.data(), mtime);
        }
    }
    sink.finish();
    if (manifest.enabled())
        manifest.save(options_.manifestPath);
    files_ = sink.files();
    bytes_ = sink.bytes();
}

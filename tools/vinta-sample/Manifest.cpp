#include "Manifest.h"

#include "FileSink.h"
#include "Money.h"

void Manifest::add(const CivilDate &date, std::string_view canonicalName, std::int64_t cents)
{
    if (!enabled_)
        return;
    text_ += date.iso();
    text_ += '\t';
    text_ += canonicalName;
    text_ += '\t';
    text_ += Money::exact4(cents);
    text_ += '\n';
    ++lines_;
}

void Manifest::save(const std::string &path) const
{
    FileSink::writeFile(path, text_);
}

#include "Options.h"

#include "UsageError.h"

#include <charconv>
#include <set>
#include <string_view>

namespace {

std::string nonEmpty(std::string_view name, std::string_view value, const char *what)
{
    if (value.empty())
        throw UsageError(std::string(name) + ": empty " + what);
    return std::string(value);
}

std::uint64_t parseNumber(std::string_view name, std::string_view text, std::uint64_t lo,
                          std::uint64_t hi)
{
    std::uint64_t value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || text[0] == '+' || text[0] == '-' || ec != std::errc() || ptr != end)
        throw UsageError(std::string(name) + ": not a number: '" + std::string(text) + "'");
    if (value < lo || value > hi)
        throw UsageError(std::string(name) + ": must be between " + std::to_string(lo)
                         + " and " + std::to_string(hi));
    return value;
}

CivilDate parseDate(std::string_view name, std::string_view text)
{
    const auto date = CivilDate::parseIso(text);
    if (!date)
        throw UsageError(std::string(name) + ": expected a date YYYY-MM-DD, got '"
                         + std::string(text) + "'");
    // Folder names use four-digit years and the times go through mktime.
    if (date->year() < 1980 || date->year() > 2099)
        throw UsageError(std::string(name) + ": year must be between 1980 and 2099");
    return *date;
}

} // namespace

const char *Options::usage()
{
    return "usage:\n"
           "  vinta-sample --out DIR [--seed N] [--devices N] [--from YYYY-MM-DD]\n"
           "               [--to YYYY-MM-DD] [--departments N] [--receipts N]\n"
           "               [--date-separator C] [--manifest FILE]\n"
           "  vinta-sample --tree DIR [--seed N] [--files N] [--txt-every K]\n";
}

Options Options::parse(int argc, char **argv)
{
    static const std::set<std::string_view> archiveOnly = {
        "--out", "--devices", "--from", "--to", "--departments",
        "--receipts", "--date-separator", "--manifest"};
    static const std::set<std::string_view> treeOnly = {"--tree", "--files", "--txt-every"};

    Options o;
    std::set<std::string_view> seen;
    bool anyArchive = false;
    bool anyTree = false;

    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.mode = Mode::Help;
            return o;
        }
        std::string_view name = arg;
        std::string_view value;
        bool inlineValue = false;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            inlineValue = true;
        }
        const bool known = name == "--seed" || archiveOnly.count(name) || treeOnly.count(name);
        if (!known)
            throw UsageError("unknown option '" + std::string(arg) + "'");
        if (!seen.insert(name).second)
            throw UsageError(std::string(name) + " given more than once");
        if (!inlineValue) {
            if (i + 1 >= argc)
                throw UsageError(std::string(name) + " needs a value");
            value = argv[++i];
        }
        anyArchive = anyArchive || archiveOnly.count(name);
        anyTree = anyTree || treeOnly.count(name);

        if (name == "--seed") {
            o.seed = parseNumber(name, value, 0, UINT64_MAX);
        } else if (name == "--out") {
            o.outDir = nonEmpty(name, value, "directory name");
        } else if (name == "--devices") {
            o.devices = static_cast<int>(parseNumber(name, value, 1, 999));
        } else if (name == "--from") {
            o.from = parseDate(name, value);
        } else if (name == "--to") {
            o.to = parseDate(name, value);
        } else if (name == "--departments") {
            o.departments = static_cast<int>(parseNumber(name, value, 1, 99999));
        } else if (name == "--receipts") {
            o.receipts = static_cast<int>(parseNumber(name, value, 0, 100000));
        } else if (name == "--date-separator") {
            // The date must still read as day, month, year, so the separator
            // cannot be a digit, a blank or an unprintable byte.
            if (value.size() != 1 || value[0] < 0x21 || value[0] > 0x7E
                || (value[0] >= '0' && value[0] <= '9'))
                throw UsageError("--date-separator: expected one printable ASCII character "
                                 "that is not a digit, got '" + std::string(value) + "'");
            o.dateSeparator = value[0];
        } else if (name == "--manifest") {
            o.manifestPath = nonEmpty(name, value, "file name");
        } else if (name == "--tree") {
            o.treeDir = nonEmpty(name, value, "directory name");
        } else if (name == "--files") {
            o.files = static_cast<long>(parseNumber(name, value, 1, 10000000));
        } else if (name == "--txt-every") {
            o.txtEvery = static_cast<long>(parseNumber(name, value, 1, 1000000000));
        }
    }

    if (anyArchive && anyTree)
        throw UsageError("archive options (--out ...) and tree options (--tree ...) "
                         "cannot be mixed");
    if (anyTree) {
        if (o.treeDir.empty())
            throw UsageError("--tree DIR is required with --files / --txt-every");
        o.mode = Mode::Tree;
        return o;
    }
    if (o.outDir.empty())
        throw UsageError("either --out DIR or --tree DIR is required");
    if (o.to.serial() < o.from.serial())
        throw UsageError("--to " + o.to.iso() + " is before --from " + o.from.iso());
    o.mode = Mode::Archive;
    return o;
}

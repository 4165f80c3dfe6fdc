#include "ReportCommand.h"

#include "analysis/DateWindow.h"
#include "analysis/Failure.h"
#include "analysis/FileSearch.h"
#include "analysis/ReportAnalyzer.h"
#include "analysis/Text1250.h"
#include "analysis/Utf8.h"
#include "export/AlignedText.h"
#include "tables/DepartmentTotals.h"
#include "tables/FileList.h"

#include <optional>

namespace vinta {
namespace {

enum class TOutput { Table, Tsv, List };

struct TOptions {
    std::optional<TCivilDateTime> from;
    std::optional<TCivilDateTime> to;
    TOutput output = TOutput::Table;
    std::string folder;
};

// YYYY-MM-DD, a date that exists.
std::optional<TCivilDateTime> ParseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (std::size_t i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            parts[p] = parts[p] * 10 + (text[i] - '0');
        }
    }
    if (!IsValidDate(parts[0], parts[1], parts[2]))
        return std::nullopt;
    return TCivilDateTime{parts[0], parts[1], parts[2], 0, 0, 0, 0};
}

// The usage error's text, or nullopt where the arguments are good.
std::optional<std::string> ParseArguments(const std::vector<std::string>& args, TOptions& options)
{
    bool haveFolder = false;
    bool onlyFolder = false; // after "--" every argument is the folder
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!onlyFolder && (arg == "--from" || arg == "--to")) {
            if (i + 1 == args.size())
                return arg + " needs a date";
            const auto date = ParseIsoDate(args[++i]);
            if (!date)
                return "not a date YYYY-MM-DD: " + args[i];
            (arg == "--from" ? options.from : options.to) = date;
        } else if (!onlyFolder && (arg == "--list" || arg == "--tsv")) {
            if (options.output != TOutput::Table)
                return "--list and --tsv go alone";
            options.output = arg == "--list" ? TOutput::List : TOutput::Tsv;
        } else if (!onlyFolder && arg == "--") {
            onlyFolder = true;
        } else if (!onlyFolder && arg.size() > 1 && arg[0] == '-') {
            return "unknown option " + arg;
        } else if (haveFolder) {
            return "one FOLDER only";
        } else {
            options.folder = arg;
            haveFolder = true;
        }
    }
    if (!haveFolder)
        return "FOLDER is missing";
    return std::nullopt;
}

} // namespace

std::string EscapeField(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\\': out += "\\\\"; break;
        default: out += c; break;
        }
    }
    return out;
}

TReportCommand::TReportCommand(TRegionalSettings settings, const TClock& clock)
    : settings_(std::move(settings)), clock_(clock)
{
}

const char* TReportCommand::Usage()
{
    return "usage: vinta-report [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--list | --tsv] FOLDER\n"
           "  Adds up the department turnover of the zeroing reports in the .txt files of\n"
           "  FOLDER and below, written and dated from --from 00:00 to the end of --to\n"
           "  (default: the whole previous month).\n"
           "  --tsv   one line per department: name, TAB, amount with four decimals\n"
           "  --list  the files found: name, TAB, write time, TAB, full path; no analysis\n";
}

int TReportCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TOptions options;
    if (const auto problem = ParseArguments(args, options)) {
        err << "vinta-report: " << *problem << "\n" << Usage();
        return 2;
    }
    TDateWindow window = TDateWindow::PreviousMonth(clock_.Now());
    if (options.from)
        window.begin = EncodeDateTime(*options.from);
    if (options.to) {
        TCivilDateTime end = *options.to;
        end.hour = 23, end.minute = 59, end.second = 59, end.millisecond = 999;
        window.end = EncodeDateTime(end);
    }

    TFileList files;
    TDepartmentTotals totals;
    int status = 0;
    try {
        TFileSearch search(settings_);
        search.SetRootFolder(root_);
        search.SearchFiles(options.folder, files, totals, window);
        if (options.output != TOutput::List) {
            TReportAnalyzer analyzer(settings_.DateSeparator1250(), clock_.Now().year);
            analyzer.AnalyzeFiles(files, totals, window);
        }
    } catch (const EFailure& failure) {
        // The totals added before the failure are still printed, as the window keeps them.
        err << ErrorReportText(failure.what()) << "\n";
        status = 1;
    }

    switch (options.output) {
    case TOutput::List:
        for (int r = 0; r < files.CountRecords(); ++r)
            out << EscapeField(DecodeFileName(files.ReadText(r, TFileList::kFileName))) << '\t'
                << DecodeFileName(files.ReadText(r, TFileList::kWriteTime)) << '\t'
                << EscapeField(DecodeFileName(files.ReadText(r, TFileList::kFullPath))) << '\n';
        break;
    case TOutput::Tsv:
        for (int r = 0; r < totals.CountRecords(); ++r)
            out << EscapeField(DecodeWin1250(totals.ReadText(r, TDepartmentTotals::kName))) << '\t'
                << totals.ReadAmount(r, TDepartmentTotals::kTurnover).ToExactText() << '\n';
        break;
    case TOutput::Table:
        out << FormatAlignedText(DepartmentTotalsRows(totals, settings_), "\n");
        break;
    }
    out.flush();
    if (!out && status == 0) {
        err << "vinta-report: cannot write the output\n";
        status = 1;
    }
    return status;
}

} // namespace vinta

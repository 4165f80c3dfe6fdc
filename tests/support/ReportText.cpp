#include "ReportText.h"

namespace vinta::test {

std::string HeaderText()
{
    return ".O B R O T \xD3 W   D Z I A \xA3 \xD3 W   Z E R U J \xA5 C Y";
}

std::string AmountLine(const std::string& amount)
{
    std::string label = "  Sprzeda\xBF brutto";
    label.resize(37, ' ');
    return label + amount;
}

std::string Tildes(std::size_t count)
{
    return std::string(count, '~');
}

std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineBreak)
{
    std::string text;
    for (const auto& line : lines)
        text += line + lineBreak;
    return text;
}

std::string Report(const std::string& dateLine, const std::vector<std::pair<std::string, std::string>>& departments)
{
    std::vector<std::string> lines = {dateLine, "NIP 123-456-78-90", "#0042", "----------------",
                                      "     " + HeaderText(), "----------------", "Dzia\xB3     Obr\xF3t"};
    for (const auto& [name, amount] : departments) {
        lines.push_back(name);
        lines.push_back(AmountLine(amount));
    }
    lines.push_back(Tildes());
    return JoinLines(lines);
}

} // namespace vinta::test

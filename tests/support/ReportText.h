#pragma once
// Small builders for electronic-copy text in tests.
#include <string>
#include <utility>
#include <vector>

namespace vinta::test {

// The header text, Windows-1250.
std::string HeaderText();
// An amount line: 37 characters of label, then the amount text.
std::string AmountLine(const std::string& amount);
std::string Tildes(std::size_t count = 48);

// A whole zeroing report, its date line first, lines joined by CR LF and ended by one:
// date line, three lines, header, two lines, name and amount lines, closing line.
std::string Report(const std::string& dateLine, const std::vector<std::pair<std::string, std::string>>& departments);

// Lines joined by the given break, with one after the last.
std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineBreak = "\r\n");

} // namespace vinta::test

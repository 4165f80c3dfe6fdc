#pragma once
// Text of the electronic copy: Windows-1250 bytes. Comparisons work on the bytes; the text
// becomes Unicode (UTF-8) only where it is shown.
#include <optional>
#include <string>
#include <string_view>

namespace vinta {

// Every byte of value 0x20 or less counts as blank at either end.
std::string_view Trim(std::string_view text);

// Upper-casing by the code page's rules: every Polish small letter maps to its capital.
char UpperChar1250(char c);
std::string UpperCase1250(std::string_view text);
// Whether the two texts are equal once both are upper-cased.
bool EqualIgnoringCase1250(std::string_view a, std::string_view b);
// Writes the upper-cased text into out, reusing its storage (no allocation once it is large enough).
void UpperCase1250Into(std::string_view text, std::string& out);

// The Unicode code point of a byte; the five unassigned bytes map to U+0081 ... U+0098.
char32_t Win1250ToUnicode(unsigned char byte);
// The byte of a code point, if the code page has one.
std::optional<char> UnicodeToWin1250(char32_t codePoint);

std::string DecodeWin1250(std::string_view text1250);
// UTF-8 text to Windows-1250; a character the code page lacks becomes "?".
std::string EncodeWin1250(std::string_view utf8);

void AppendUtf8(std::string& out, char32_t codePoint);

} // namespace vinta

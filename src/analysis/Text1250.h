#pragma once
// Text of the electronic copy: Windows-1250 bytes. Comparisons work on the bytes; the text
// becomes Unicode (UTF-8) only where it is shown.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vinta {

namespace detail {

constexpr std::array<unsigned char, 256> MakeUpperTable1250()
{
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c)
        table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 0x20);
    // š ś ť ž ź, then ł ą ş ľ ż: small and capital stand at unrelated places in the code page.
    constexpr std::array<std::array<unsigned char, 2>, 10> pairs = {{
        {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F},
        {0xB3, 0xA3}, {0xB9, 0xA5}, {0xBA, 0xAA}, {0xBE, 0xBC}, {0xBF, 0xAF},
    }};
    for (const auto& p : pairs)
        table[p[0]] = p[1];
    // ŕ á â ... ţ sit 0x20 above their capitals; ÷ has no capital.
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 0x20);
    return table;
}

inline constexpr std::array<unsigned char, 256> kUpper1250 = MakeUpperTable1250();

} // namespace detail

// Every byte of value 0x20 or less counts as blank at either end. Inline: the analysis trims
// two texts per department line.
inline std::string_view Trim(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20)
        --end;
    return text.substr(begin, end - begin);
}

// Upper-casing by the code page's rules: every Polish small letter maps to its capital.
inline char UpperChar1250(char c)
{
    return static_cast<char>(detail::kUpper1250[static_cast<unsigned char>(c)]);
}
std::string UpperCase1250(std::string_view text);
// Whether the two texts are equal once both are upper-cased.
inline bool EqualIgnoringCase1250(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && UpperChar1250(a[i]) != UpperChar1250(b[i]))
            return false;
    return true;
}
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

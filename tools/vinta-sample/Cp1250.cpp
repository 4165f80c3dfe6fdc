#include "Cp1250.h"

#include <stdexcept>

namespace {

// Code points of bytes 0x80..0xFF; 0 marks the five unassigned bytes.
constexpr char32_t kHigh[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Polish letter pairs (upper, lower) in CP1250.
constexpr unsigned char kPolish[][2] = {
    {0xA5, 0xB9}, {0xC6, 0xE6}, {0xCA, 0xEA}, {0xA3, 0xB3}, {0xD1, 0xF1},
    {0xD3, 0xF3}, {0x8C, 0x9C}, {0x8F, 0x9F}, {0xAF, 0xBF},
};

char encode(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<char>(cp);
    for (int i = 0; i < 128; ++i)
        if (kHigh[i] == cp)
            return static_cast<char>(0x80 + i);
    throw std::invalid_argument("character not representable in Windows-1250");
}

} // namespace

std::string Cp1250::fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        std::size_t len = 0;
        if (b < 0x80) {
            cp = b;
            len = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            len = 3;
        } else {
            throw std::invalid_argument("unsupported UTF-8 sequence");
        }
        if (i + len > utf8.size())
            throw std::invalid_argument("truncated UTF-8 sequence");
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80)
                throw std::invalid_argument("malformed UTF-8 sequence");
            cp = (cp << 6) | (c & 0x3F);
        }
        out.push_back(encode(cp));
        i += len;
    }
    return out;
}

char Cp1250::upper(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z')
        return static_cast<char>(b - 32);
    for (const auto &pair : kPolish)
        if (pair[1] == b)
            return static_cast<char>(pair[0]);
    return c;
}

char Cp1250::lower(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z')
        return static_cast<char>(b + 32);
    for (const auto &pair : kPolish)
        if (pair[0] == b)
            return static_cast<char>(pair[1]);
    return c;
}

std::string Cp1250::toUpper(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = upper(c);
    return out;
}

std::string Cp1250::toLower(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = lower(c);
    return out;
}

std::string Cp1250::toTitle(std::string_view text)
{
    std::string out(text);
    bool wordStart = true;
    for (char &c : out) {
        if (c == ' ' || c == '\t') {
            wordStart = true;
            continue;
        }
        c = wordStart ? upper(c) : lower(c);
        wordStart = false;
    }
    return out;
}

#include "Utf8.h"

#include "Text1250.h"

namespace vinta {

std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07u, minimum = 0x10000;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (pos + length > text.size()) {
        ++pos;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0u) != 0x80u) {
            ++pos;
            return std::nullopt;
        }
        cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return std::nullopt;
    }
    pos += length;
    return cp;
}

std::string DecodeFileName(std::string_view name)
{
    std::string out;
    out.reserve(name.size());
    for (std::size_t pos = 0; pos < name.size();)
        AppendUtf8(out, NextCodePoint(name, pos).value_or(U'\uFFFD'));
    return out;
}

std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count)
        NextCodePoint(utf8, pos);
    return count;
}

} // namespace vinta

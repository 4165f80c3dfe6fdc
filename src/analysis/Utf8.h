#pragma once
// UTF-8, the text of the terminal and of file names on this system.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vinta {

// The code point that starts at pos, moving pos past it; an invalid or cut-off sequence
// gives nullopt and moves pos by one byte.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos);

// A file name's bytes as the system decodes them: UTF-8, a byte that is not part of a valid
// sequence shown as U+FFFD.
std::string DecodeFileName(std::string_view name);

// The number of characters a display shows for the text (an invalid byte counts as one).
std::size_t CharacterCount(std::string_view utf8);

} // namespace vinta

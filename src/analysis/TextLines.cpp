#include "TextLines.h"

#include <cstring>

namespace vinta {

TTextLines::TTextLines(std::string_view bytes) : text_(bytes)
{
    if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size()))
        text_ = bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()));
}

std::size_t TTextLines::LineEnd(std::size_t lineStart) const
{
    const char* begin = text_.data() + lineStart;
    std::size_t length = text_.size() - lineStart;
    // Look for the LF first and for a CR only before it, so that a text with one kind of break
    // is never scanned to its end for the other.
    if (const void* lf = std::memchr(begin, '\n', length))
        length = static_cast<std::size_t>(static_cast<const char*>(lf) - begin);
    if (const void* cr = std::memchr(begin, '\r', length))
        length = static_cast<std::size_t>(static_cast<const char*>(cr) - begin);
    return lineStart + length;
}

std::string_view TTextLines::Line(std::size_t lineStart) const
{
    return text_.substr(lineStart, LineEnd(lineStart) - lineStart);
}

std::size_t TTextLines::NextLine(std::size_t lineStart) const
{
    std::size_t pos = LineEnd(lineStart);
    if (pos < text_.size() && text_[pos] == '\r')
        ++pos;
    if (pos < text_.size() && text_[pos] == '\n')
        ++pos;
    return pos;
}

std::size_t TTextLines::LineStartOf(std::size_t offset, std::size_t lineFloor) const
{
    for (std::size_t pos = offset; pos > lineFloor; --pos)
        if (text_[pos - 1] == '\r' || text_[pos - 1] == '\n')
            return pos;
    return lineFloor;
}

std::size_t TTextLines::PreviousLine(std::size_t lineStart) const
{
    // A CR LF before the line is one break; any other CR or LF is a break of its own.
    std::size_t end = lineStart - 1;
    if (text_[end] == '\n' && end > 0 && text_[end - 1] == '\r')
        --end;
    return LineStartOf(end, 0);
}

std::size_t TTextLines::LineNumber(std::size_t lineStart) const
{
    std::size_t number = 0;
    for (std::size_t pos = 0; pos < lineStart; pos = NextLine(pos))
        ++number;
    return number;
}

} // namespace vinta

#include "TextLines.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vinta {

TTextLines::TTextLines(std::string_view bytes) : text_(bytes)
{
    if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size()))
        text_ = bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()));
}

std::size_t TTextLines::LineEnd(std::size_t lineStart) const
{
    // Most lines are short: look at them sixteen bytes at a time first, and hand a long line to
    // memchr, the LF first and a CR only before it, so that a text with one kind of break is
    // never scanned to its end for the other.
    const char* const begin = text_.data() + lineStart;
    const std::size_t length = text_.size() - lineStart;
    const std::size_t shortScan = length < 256 ? length : 256;
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; i + 16 <= shortScan; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + i));
        const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, lf), _mm_cmpeq_epi8(chunk, cr)));
        if (mask != 0)
            return lineStart + i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    for (; i < shortScan; ++i)
        if (begin[i] == '\n' || begin[i] == '\r')
            return lineStart + i;
    if (shortScan == length)
        return text_.size();
    std::size_t end = length;
    if (const void* found = std::memchr(begin + shortScan, '\n', length - shortScan))
        end = static_cast<std::size_t>(static_cast<const char*>(found) - begin);
    if (const void* found = std::memchr(begin + shortScan, '\r', end - shortScan))
        end = static_cast<std::size_t>(static_cast<const char*>(found) - begin);
    return lineStart + end;
}

std::string_view TTextLines::Line(std::size_t lineStart) const
{
    return text_.substr(lineStart, LineEnd(lineStart) - lineStart);
}

std::size_t TTextLines::NextLine(std::size_t lineStart) const
{
    return AfterBreak(LineEnd(lineStart));
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

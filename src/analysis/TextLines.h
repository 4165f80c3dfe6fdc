#pragma once
// A text seen as lines without cutting it up. A line ends at a CR, an LF or a CR LF pair:
// after a line one CR and then one LF are passed over, so LF CR ends a line and then an empty
// one. The first NUL ends the text; text after the last break is a last line, and a final
// break adds no empty line. Lines are named by the offset where they start.
#include <cstddef>
#include <string_view>

namespace vinta {

class TTextLines {
public:
    explicit TTextLines(std::string_view bytes);

    std::string_view Text() const { return text_; }
    // A line starts at every offset below the size that follows a break, and at 0.
    bool Exists(std::size_t lineStart) const { return lineStart < text_.size(); }

    // Where the line ends: its first CR or LF, or the end of the text.
    std::size_t LineEnd(std::size_t lineStart) const;
    // After the break that ends at lineEnd: the start of the next line, or the size.
    std::size_t AfterBreak(std::size_t lineEnd) const
    {
        if (lineEnd < text_.size() && text_[lineEnd] == '\r')
            ++lineEnd;
        if (lineEnd < text_.size() && text_[lineEnd] == '\n')
            ++lineEnd;
        return lineEnd;
    }
    std::string_view Line(std::size_t lineStart) const;
    // The start of the next line; the size where there is none.
    std::size_t NextLine(std::size_t lineStart) const;
    // The start of the line that holds the offset; lineFloor is a line start at or before it.
    std::size_t LineStartOf(std::size_t offset, std::size_t lineFloor) const;
    // The start of the line before a line that does not start at 0.
    std::size_t PreviousLine(std::size_t lineStart) const;
    // The 0-based number of the line that starts at lineStart; counts from the beginning.
    std::size_t LineNumber(std::size_t lineStart) const;

private:
    std::string_view text_;
};

} // namespace vinta

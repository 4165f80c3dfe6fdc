#include "TextBuffer.h"

void TextBuffer::line(std::string_view text)
{
    data_.append(text);
    endLine();
}

void TextBuffer::rule(char c, std::size_t count)
{
    data_.append(count, c);
    endLine();
}

void TextBuffer::centered(std::string_view text, int width)
{
    const int pad = (width - static_cast<int>(text.size())) / 2;
    if (pad > 0)
        spaces(static_cast<std::size_t>(pad));
    line(text);
}

void TextBuffer::leftRight(std::string_view left, std::string_view right, int width)
{
    data_.append(left);
    const int gap = width - static_cast<int>(left.size() + right.size());
    spaces(static_cast<std::size_t>(gap > 0 ? gap : 1));
    data_.append(right);
    endLine();
}

void TextBuffer::fixed(std::string_view text, std::size_t bytes)
{
    if (text.size() >= bytes) {
        data_.append(text.substr(0, bytes));
    } else {
        data_.append(text);
        spaces(bytes - text.size());
    }
}

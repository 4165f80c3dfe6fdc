#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One file's content, built in memory and written with a single call.
// All text handed in is already CP1250; lines end with CR LF as on the
// register's electronic copy.
class TextBuffer {
public:
    static constexpr int kWidth = 40; // printer columns

    void reserve(std::size_t bytes) { data_.reserve(bytes); }
    void clear() { data_.clear(); }
    const std::string &data() const { return data_; }
    std::size_t size() const { return data_.size(); }

    void append(std::string_view text) { data_.append(text); }
    void append(char c) { data_.push_back(c); }
    void spaces(std::size_t count) { data_.append(count, ' '); }
    void endLine() { data_.append("\r\n", 2); }

    void line(std::string_view text);
    void blank() { endLine(); }
    void rule(char c, std::size_t count = kWidth);
    void centered(std::string_view text, int width = kWidth);
    // Left text and right text on one line, right text ending at column width.
    void leftRight(std::string_view left, std::string_view right, int width = kWidth);
    // Text padded with spaces (or cut) to exactly `bytes` bytes.
    void fixed(std::string_view text, std::size_t bytes);

private:
    std::string data_;
};

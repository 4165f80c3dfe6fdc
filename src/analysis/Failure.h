#pragma once
// The failures that end a search or an analysis. Each carries the exact English message that
// the error report shows; what() is that message as UTF-8 display text.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vinta {

// Base of every failure the core raises, so that a command can catch exactly these.
class EFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Cannot open file %s": a listed file that cannot be read. Path() keeps the file name bytes.
class EInOutError : public EFailure {
public:
    explicit EInOutError(std::string path);
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// "'%s' is not a valid date", %s the Windows-1250 text that did not convert.
class EConvertError : public EFailure {
public:
    using EFailure::EFailure;
    static EConvertError InvalidDate(std::string_view text1250);
    static EConvertError InvalidDateEncode();
};

// "List index out of bounds (%d)": a line position outside the line list.
class EListError : public EFailure {
public:
    explicit EListError(std::int64_t index);
    std::int64_t Index() const { return index_; }

private:
    std::int64_t index_;
};

// "Arithmetic overflow": a sum of amounts beyond the 64-bit range.
class EOverflow : public EFailure {
public:
    EOverflow();
};

} // namespace vinta

namespace vinta {

// A failure's message as the application's error report shows it: a "." is appended where the
// last character sorts after ".", so a message ending in ")" or "." gets none.
std::string ErrorReportText(std::string_view message);

} // namespace vinta

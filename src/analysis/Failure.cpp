#include "Failure.h"

#include "Utf8.h"
#include "Text1250.h"

namespace vinta {

EInOutError::EInOutError(std::string path)
    : EFailure("Cannot open file " + DecodeFileName(path)), path_(std::move(path))
{
}

EConvertError EConvertError::InvalidDate(std::string_view text1250)
{
    return EConvertError("'" + DecodeWin1250(text1250) + "' is not a valid date");
}

EConvertError EConvertError::InvalidDateEncode()
{
    return EConvertError("Invalid argument to date encode");
}

EListError::EListError(std::int64_t index)
    : EFailure("List index out of bounds (" + std::to_string(index) + ")"), index_(index)
{
}

EOverflow::EOverflow() : EFailure("Arithmetic overflow") {}

} // namespace vinta

namespace vinta {

std::string ErrorReportText(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

} // namespace vinta

#pragma once

#include <string>
#include <string_view>

// Windows-1250 helpers. The printouts are composed in CP1250 bytes directly;
// the texts live in the sources as UTF-8 and are converted once at start-up.
class Cp1250 {
public:
    // Throws std::invalid_argument on malformed UTF-8 or a character CP1250 lacks.
    static std::string fromUtf8(std::string_view utf8);

    // Case mapping for ASCII and the Polish letters, byte for byte.
    static std::string toUpper(std::string_view text);
    static std::string toLower(std::string_view text);
    // First letter of each word upper, the rest lower ("Mięso I Wędliny").
    static std::string toTitle(std::string_view text);

    static char upper(char c);
    static char lower(char c);
};

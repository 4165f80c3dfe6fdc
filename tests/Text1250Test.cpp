// The Windows-1250 tables against independent converters: glibc's iconv and Qt's (ICU).
#include "analysis/Text1250.h"
#include "analysis/Utf8.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <iconv.h>

#include <array>

using namespace vinta;

namespace {

constexpr std::array<unsigned char, 5> kUnassigned = {0x81, 0x83, 0x88, 0x90, 0x98};

bool IsUnassigned(int byte)
{
    for (unsigned char u : kUnassigned)
        if (u == byte)
            return true;
    return false;
}

std::string IconvToUtf8(unsigned char byte, bool& ok)
{
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inp = in;
    char* outp = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    ok = iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    return std::string(out, sizeof out - outLeft);
}

} // namespace

TEST(Text1250, DecodingMatchesIconvAndQt)
{
    QStringDecoder qtDecoder("windows-1250");
    ASSERT_TRUE(qtDecoder.isValid());
    for (int b = 0; b < 256; ++b) {
        const std::string ours = DecodeWin1250(std::string(1, static_cast<char>(b)));
        const QString qt = qtDecoder(QByteArray(1, static_cast<char>(b)));
        EXPECT_EQ(ours, qt.toStdString()) << "byte " << b;
        bool ok = false;
        const std::string iconvText = IconvToUtf8(static_cast<unsigned char>(b), ok);
        if (IsUnassigned(b)) {
            EXPECT_FALSE(ok) << "iconv maps unassigned byte " << b;
            EXPECT_EQ(Win1250ToUnicode(static_cast<unsigned char>(b)), static_cast<char32_t>(b));
        } else {
            ASSERT_TRUE(ok) << b;
            EXPECT_EQ(ours, iconvText) << "byte " << b;
        }
        EXPECT_EQ(UnicodeToWin1250(Win1250ToUnicode(static_cast<unsigned char>(b))), static_cast<char>(b));
    }
}

TEST(Text1250, UpperCaseMatchesUnicodeCaseMapping)
{
    QStringDecoder decoder("windows-1250");
    QStringEncoder encoder("windows-1250");
    for (int b = 0; b < 256; ++b) {
        const QString small = decoder(QByteArray(1, static_cast<char>(b)));
        const QString capital = small.toUpper();
        // A capital outside the code page, or one of two letters (ß), leaves the byte as it is.
        char expected = static_cast<char>(b);
        if (capital.size() == 1) {
            const auto cp = UnicodeToWin1250(capital[0].unicode());
            if (cp)
                expected = *cp;
        }
        EXPECT_EQ(static_cast<unsigned char>(UpperChar1250(static_cast<char>(b))),
                  static_cast<unsigned char>(expected))
            << "byte " << b;
    }
    // The Polish letters by name.
    EXPECT_EQ(UpperCase1250(EncodeWin1250("ąćęłńóśźż")), EncodeWin1250("ĄĆĘŁŃÓŚŹŻ"));
    EXPECT_EQ(UpperCase1250(EncodeWin1250("Mięso i wędliny")), EncodeWin1250("MIĘSO I WĘDLINY"));
}

TEST(Text1250, TrimRemovesEveryControlByteAndBlankAtBothEnds)
{
    const struct {
        std::string in, out;
    } cases[] = {
        {"", ""},
        {" \t\r\n\x01\x1f ", ""},
        {"  a b  ", "a b"},
        {"\x20\x7f\x20", "\x7f"},          // DEL is above 0x20 and stays
        {"\xA0x\xA0", "\xA0x\xA0"},        // the code page's no-break space stays too
        {"\tPieczywo\t ", "Pieczywo"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Trim(c.in), c.out) << '"' << c.in << '"';
}

TEST(Text1250, EncodeReplacesCharactersOutsideTheCodePage)
{
    EXPECT_EQ(EncodeWin1250("zł €"), "z\xB3 \x80");
    EXPECT_EQ(EncodeWin1250("日本"), "??");
    EXPECT_EQ(EncodeWin1250("a\xFF" "b"), "a?b");
}

TEST(Utf8, FileNamesDecodeWithReplacementForInvalidBytes)
{
    const struct {
        std::string in, out;
        std::size_t characters;
    } cases[] = {
        {"plik.txt", "plik.txt", 8},
        {"zażółć.txt", "zażółć.txt", 10},
        {"a\xFF.txt", "a\xEF\xBF\xBD.txt", 6},
        {"\xC3", "\xEF\xBF\xBD", 1},                       // cut-off sequence
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", 2},        // overlong
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", 3}, // surrogate
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeFileName(c.in), c.out);
        EXPECT_EQ(CharacterCount(DecodeFileName(c.in)), c.characters);
    }
}

TEST(Text1250, EqualIgnoringCase)
{
    EXPECT_TRUE(EqualIgnoringCase1250(EncodeWin1250("Mięso"), EncodeWin1250("MIĘSO")));
    EXPECT_TRUE(EqualIgnoringCase1250("", ""));
    EXPECT_FALSE(EqualIgnoringCase1250("abc", "abd"));
    EXPECT_FALSE(EqualIgnoringCase1250("abc", "ab"));
    EXPECT_FALSE(EqualIgnoringCase1250(EncodeWin1250("łódź"), EncodeWin1250("LODZ")));
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b)
            ASSERT_EQ(EqualIgnoringCase1250(std::string(1, char(a)), std::string(1, char(b))),
                      UpperChar1250(char(a)) == UpperChar1250(char(b)));
}

#include <gtest/gtest.h>

#include "xml/Utf8.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

struct Utf8Case {
    std::u16string text;
    std::string bytes;
};

const Utf8Case kCases[] = {
    {u"", ""},
    {u"abc", "abc"},
    {u"Mój_zestaw_", "M\xC3\xB3j_zestaw_"},
    {u"\u007F\u0080\u07FF\u0800\uFFFD\uFFFF",
     "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD\xEF\xBF\xBF"},
    {u"\U0001F3B5", "\xF0\x9F\x8E\xB5"},
    {u"\U00010000\U0010FFFF", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
    {std::u16string(u"ab\0cd", 5), "ab"},
    // Unpaired surrogates become U+FFFD.
    {std::u16string{0xD800}, "\xEF\xBF\xBD"},
    {std::u16string{u'a', 0xDC00, u'b'},
     "a\xEF\xBF\xBD"
     "b"},
    {std::u16string{0xDC00, 0xD800}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
    {std::u16string{0xD800, 0xD800, 0xDC00}, "\xEF\xBF\xBD\xF0\x90\x80\x80"},
};

TEST(ToUtf8, ConvertsTheTable) {
    for (const Utf8Case& c : kCases) {
        EXPECT_EQ(ToUtf8(c.text), c.bytes) << testing::PrintToString(c.text);
    }
}

#ifdef _WIN32
// The platform's own converter gives the same bytes.
TEST(ToUtf8, MatchesWideCharToMultiByte) {
    for (const Utf8Case& c : kCases) {
        const std::u16string text(c.text.c_str());
        if (text.empty()) {
            continue;
        }
        const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
        const int length = static_cast<int>(text.size());
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
        std::string expected(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide, length, expected.data(), size, nullptr, nullptr);
        EXPECT_EQ(ToUtf8(text), expected) << testing::PrintToString(text);
    }
}
#endif

}  // namespace

#include <gtest/gtest.h>

#include "generate/SanitizeSetName.h"
#include "tests/support/TestSystem.h"

namespace {

// Natively the character classes above U+00FF come from a stand-in; under
// Wine from GetStringTypeW itself. The table holds for both.
struct SanitizeCase {
    std::u16string name;
    std::u16string sanitized;
};

TEST(SanitizeSetName, ReplacesEverythingButLettersAndDigits) {
    const SanitizeCase cases[] = {
        {u"", u""},
        {u"Zestaw09", u"Zestaw09"},
        {u"Mój zestaw!", u"Mój_zestaw_"},
        {u"ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ", u"ąćęłńóśźż_ĄĆĘŁŃÓŚŹŻ"},
        {u"   ", u"___"},
        {u"!!!", u"___"},
        {u"a.b-c_d/e\\f:g*h?i\"j<k>l|m", u"a_b_c_d_e_f_g_h_i_j_k_l_m"},
        // Latin-1 decided by a fixed table: ª µ º go, ² ³ ¹ stay, × ÷ go.
        {u"\u00AA\u00B5\u00BA\u00B2\u00B3\u00B9\u00D7\u00F7\u00C0\u00FF", u"___²³¹__Àÿ"},
        {u"\u4E2D\u6587", u"\u4E2D\u6587"},
        {u"\u0660\u2160", u"\u0660\u2160"},
        {u"\U0001F3B5x", u"__x"},
        {u"\uFFFF\uFFFE", u"__"},
        {u"\t\n\u00A0\u3000", u"____"},
    };
    TestSystem system(u"");
    for (const SanitizeCase& c : cases) {
        EXPECT_EQ(SanitizeSetName(c.name, system), c.sanitized) << testing::PrintToString(c.name);
    }
}

TEST(IsReservedDeviceName, KnowsTheDevicesInAnyCase) {
    for (const char16_t* name : {u"CON", u"con", u"Prn", u"aux", u"NUL", u"COM1", u"com9", u"LPT1",
                                 u"lpt9", u"COM\u00B9", u"LPT\u00B2", u"com\u00B3"}) {
        EXPECT_TRUE(IsReservedDeviceName(name)) << testing::PrintToString(std::u16string(name));
    }
    for (const char16_t* name : {u"", u"CO", u"CONN", u"COM0", u"COM10", u"LPT", u"NUL_", u"_CON",
                                 u"COM_1", u"AUX1", u"\u0421ON"}) {
        EXPECT_FALSE(IsReservedDeviceName(name)) << testing::PrintToString(std::u16string(name));
    }
}

}  // namespace

#pragma once

// A small stand-in for the system's character classes above U+00FF: the
// Polish letters, CJK ideographs, Arabic-Indic digits and Roman numerals
// (which Windows counts as alphabetic). Surrogates and everything else are
// none of them, as on Windows.
inline bool FakeIsLetterOrDigit(char16_t unit) {
    constexpr char16_t polish[] = {0x0104, 0x0105, 0x0106, 0x0107, 0x0118, 0x0119, 0x0141, 0x0142,
                                   0x0143, 0x0144, 0x015A, 0x015B, 0x0179, 0x017A, 0x017B, 0x017C};
    for (char16_t letter : polish) {
        if (unit == letter) {
            return true;
        }
    }
    return (unit >= 0x4E00 && unit <= 0x9FFF) || (unit >= 0x0660 && unit <= 0x0669) ||
           (unit >= 0x2160 && unit <= 0x2188);
}

// Upper case for ASCII, Latin-1 and Latin Extended-A, enough for the names
// the tests use.
inline char16_t FakeUpper(char16_t unit) {
    if (unit >= u'a' && unit <= u'z') {
        return unit - 32;
    }
    if (unit >= 0xE0 && unit <= 0xFE && unit != 0xF7) {
        return unit - 32;
    }
    const bool pairedEvenOdd = (unit >= 0x0100 && unit <= 0x012F) ||
                               (unit >= 0x0132 && unit <= 0x0137) ||
                               (unit >= 0x014A && unit <= 0x0177);
    if (pairedEvenOdd && unit % 2 == 1) {
        return unit - 1;
    }
    const bool pairedOddEven =
        (unit >= 0x0139 && unit <= 0x0148) || (unit >= 0x0179 && unit <= 0x017E);
    if (pairedOddEven && unit % 2 == 0) {
        return unit - 1;
    }
    return unit;
}

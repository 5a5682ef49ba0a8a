#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "tests/support/XmlReader.h"
#include "xml/Utf8.h"
#include "xml/XmlElement.h"

namespace {

// What a conforming reader must give back for a UTF-16 value, worked out by
// code point: the text ends at its first zero, an unpaired surrogate reads as
// U+FFFD, and the characters XML 1.0 cannot carry (C0 controls other than
// TAB, LF and CR; U+FFFE; U+FFFF) are gone.
std::string ExpectedReadBack(const std::u16string& value) {
    std::string out;
    auto append = [&out](char32_t point) {
        if (point < 0x80) {
            out += static_cast<char>(point);
        } else if (point < 0x800) {
            out += static_cast<char>(0xC0 | (point >> 6));
            out += static_cast<char>(0x80 | (point & 0x3F));
        } else if (point < 0x10000) {
            out += static_cast<char>(0xE0 | (point >> 12));
            out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (point & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (point >> 18));
            out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (point & 0x3F));
        }
    };
    for (size_t i = 0; i < value.size() && value[i] != 0; ++i) {
        char32_t point = value[i];
        const bool high = point >= 0xD800 && point <= 0xDBFF;
        const bool low = point >= 0xDC00 && point <= 0xDFFF;
        if (high && i + 1 < value.size() && value[i + 1] >= 0xDC00 && value[i + 1] <= 0xDFFF) {
            point = 0x10000 + ((point - 0xD800) << 10) + (value[++i] - 0xDC00);
        } else if (high || low) {
            point = 0xFFFD;
        }
        const bool carried = point >= 0x20 ? point != 0xFFFE && point != 0xFFFF
                                           : point == 0x09 || point == 0x0A || point == 0x0D;
        if (carried) {
            append(point);
        }
    }
    return out;
}

// Random UTF-16 text: any code unit, with surrogates, controls and the
// markup characters over-represented.
std::u16string RandomValue(std::mt19937& random) {
    static const char16_t interesting[] = {u'<', u'>', u'&', u'"',   u'\'',  0x09,   0x0A, 0x0D,
                                           0x01, 0x1F, 0x7F, 0xFFFE, 0xFFFF, 0xFFFD, 0x00};
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> unit(0, 0xFFFF);
    std::uniform_int_distribution<int> surrogate(0xD800, 0xDFFF);
    std::uniform_int_distribution<size_t> pick(0, std::size(interesting) - 1);
    std::u16string value;
    for (int n = length(random); n > 0; --n) {
        switch (kind(random)) {
            case 0:
            case 1:
                value += static_cast<char16_t>(surrogate(random));
                break;
            case 2:
            case 3:
                value += interesting[pick(random)];
                break;
            case 4:
                value += static_cast<char16_t>(0xD800 + unit(random) % 0x400);
                value += static_cast<char16_t>(0xDC00 + unit(random) % 0x400);
                break;
            default:
                value += static_cast<char16_t>(unit(random));
                break;
        }
    }
    return value;
}

int CaseCount() {
    const char* count = std::getenv("TONVARO_PROPERTY_CASES");
    return count != nullptr ? std::atoi(count) : 100000;
}

TEST(AttributeProperty, EveryValueReadsBackAsWritten) {
    std::mt19937 random(20261211);
    const int cases = CaseCount();
    int failures = 0;
    for (int n = 0; n < cases && failures < 5; ++n) {
        const std::u16string value = RandomValue(random);
        XmlElement root("r");
        root.AddChild("item").SetAttribute("v", ToUtf8(value));
        std::string document = XmlPrologue();
        root.Write(document);
        const ReadResult read = ReadXml(document);
        const bool ok = read.wellFormed && read.root.children.size() == 1 &&
                        read.root.children[0].attributes.size() == 1 &&
                        read.root.children[0].attributes[0].second == ExpectedReadBack(value);
        if (!ok) {
            ++failures;
            ADD_FAILURE() << "case " << n << ": " << testing::PrintToString(value) << "\n"
                          << read.error << "\n"
                          << document;
        }
    }
}

}  // namespace

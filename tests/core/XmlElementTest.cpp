#include <gtest/gtest.h>

#include "tests/support/XmlReader.h"
#include "xml/XmlElement.h"

namespace {

std::string Written(const XmlElement& element) {
    std::string out;
    element.Write(out);
    return out;
}

struct EscapeCase {
    const char* what;
    std::string value;
    std::string stored;
    std::string readBack;  // what a conforming reader gives back
};

void PrintTo(const EscapeCase& c, std::ostream* os) {
    *os << c.what;
}

class AttributeEscaping : public testing::TestWithParam<EscapeCase> {};

TEST_P(AttributeEscaping, StoresEscapedAndReadsBack) {
    const EscapeCase& c = GetParam();
    XmlElement element("r");
    element.SetAttribute("a", c.value);
    ASSERT_EQ(element.Attributes().size(), 1u);
    EXPECT_EQ(element.Attributes()[0].second, c.stored);
    EXPECT_EQ(Written(element), "<r a=\"" + c.stored + "\"/>\n");

    if (HaveXmlReader()) {
        const ReadResult read = ReadXml(XmlPrologue() + Written(element));
        ASSERT_TRUE(read.wellFormed) << read.error;
        ASSERT_EQ(read.root.attributes.size(), 1u);
        EXPECT_EQ(read.root.attributes[0].second, c.readBack);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, AttributeEscaping,
    testing::Values(
        EscapeCase{"markup", "a<b & \"c\"", "a&lt;b &amp; &quot;c&quot;", "a<b & \"c\""},
        EscapeCase{"greater", "x>y", "x&gt;y", "x>y"},
        EscapeCase{"entity escaped again", "&amp;", "&amp;amp;", "&amp;"},
        EscapeCase{"apostrophe passes", "it's", "it's", "it's"}, EscapeCase{"empty", "", "", ""},
        EscapeCase{"tab and line breaks as references", "a\tb\nc\rd\r\n",
                   "a&#9;b&#10;c&#13;d&#13;&#10;", "a\tb\nc\rd\r\n"},
        EscapeCase{"other controls left out", "\x01x\x08y\x0B\x0C\x1Fz\x7F", "xyz\x7F", "xyz\x7F"},
        EscapeCase{"noncharacters left out",
                   "a\xEF\xBF\xBE"
                   "b\xEF\xBF\xBF"
                   "c",
                   "abc", "abc"},
        EscapeCase{"replacement character kept", "\xEF\xBF\xBD", "\xEF\xBF\xBD", "\xEF\xBF\xBD"},
        EscapeCase{"non-ASCII passes", "Mój \xF0\x9F\x8E\xB5", "Mój \xF0\x9F\x8E\xB5",
                   "Mój \xF0\x9F\x8E\xB5"},
        EscapeCase{"cut at the first zero byte", std::string("ab\0<cd", 6), "ab", "ab"}),
    [](const testing::TestParamInfo<EscapeCase>& info) {
        std::string name;
        for (const char c : std::string(info.param.what)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(XmlElement, WritesNestedElementsWithTabsAndTrailingIndentation) {
    XmlElement root("R");
    root.AddChild("A").SetAttribute("x", "1").SetAttribute("y", "2");
    root.AddChild("B");
    EXPECT_EQ(Written(root), "<R>\n\t<A x=\"1\" y=\"2\"/>\t\n\t<B/>\t\n</R>\n");
}

TEST(XmlElement, ChildlessRootEndsWithBareLineFeed) {
    EXPECT_EQ(Written(XmlElement("root")), "<root/>\n");
    XmlElement withAttributes("z");
    withAttributes.SetAttribute("author", "").SetAttribute("description", "d");
    EXPECT_EQ(Written(withAttributes), "<z author=\"\" description=\"d\"/>\n");
}

TEST(XmlElement, DeeperLevelsIndentByDepth) {
    XmlElement root("a");
    XmlElement& b = root.AddChild("b");
    XmlElement& c = b.AddChild("c");
    c.AddChild("d");
    EXPECT_EQ(c.Depth(), 2);
    EXPECT_EQ(Written(root), "<a>\n\t<b>\n\t\t<c>\n\t\t\t<d/>\t\t\t\n\t\t</c>\n\t</b>\n</a>\n");
    // A subtree keeps the depths it was made with.
    EXPECT_EQ(Written(b), "\t<b>\n\t\t<c>\n\t\t\t<d/>\t\t\t\n\t\t</c>\n\t</b>\n");
}

TEST(XmlElement, ChildrenKeepTheirAddressWhileMoreAreAdded) {
    XmlElement root("root");
    XmlElement& first = root.AddChild("first");
    for (int i = 0; i < 100; ++i) {
        root.AddChild("more");
    }
    first.SetAttribute("still", "here");
    EXPECT_EQ(root.Children().front().Attributes().size(), 1u);
}

TEST(XmlElement, SettingAnExistingAttributeReplacesItInPlace) {
    XmlElement element("e");
    element.SetAttribute("a", "1").SetAttribute("b", "2").SetAttribute("a", "<3");
    ASSERT_EQ(element.Attributes().size(), 2u);
    EXPECT_EQ(element.Attributes()[0].first, "a");
    EXPECT_EQ(element.Attributes()[0].second, "&lt;3");
    EXPECT_EQ(element.Attributes()[1].first, "b");
}

TEST(XmlElement, CopyTakesTheWholeSubtree) {
    XmlElement root("root");
    root.AddChild("child").SetAttribute("k", "v");
    const XmlElement copy = root;
    root.AddChild("later");
    EXPECT_EQ(Written(copy), "<root>\n\t<child k=\"v\"/>\t\n</root>\n");
}

TEST(XmlElement, WriteAppendsWithoutClearing) {
    std::string out = "before";
    XmlElement("e").Write(out);
    EXPECT_EQ(out, "before<e/>\n");
}

TEST(XmlElement, Prologue) {
    EXPECT_EQ(XmlPrologue(), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    EXPECT_EQ(XmlPrologue().size(), 39u);
}

}  // namespace

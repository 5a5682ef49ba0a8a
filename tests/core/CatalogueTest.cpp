#include <gtest/gtest.h>

#include "catalogue/Catalogue.h"

namespace {

struct EventCase {
    unsigned index;
    std::u16string label;
    std::u16string id;
    int group;
};

void PrintTo(const EventCase& c, std::ostream* os) {
    *os << "index " << c.index;
}

class CatalogueLookup : public testing::TestWithParam<EventCase> {};

TEST_P(CatalogueLookup, GivesLabelIdAndGroup) {
    const EventCase& c = GetParam();
    EXPECT_EQ(EventLabel(c.index), c.label);
    EXPECT_EQ(EventId(c.index), c.id);
    EXPECT_EQ(EventGroupOf(c.index), c.group);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, CatalogueLookup,
    testing::Values(EventCase{0, u"Błąd", u"message.error", 0},
                    EventCase{3, u"Rozmowa (rozpoczęcie)", u"message.chat.new", 0},
                    EventCase{4, u"Rozmowa (okno aktywne)", u"message.chat", 0},
                    EventCase{6, u"Konferencja (rozpoczęcie)", u"message.conference.new", 0},
                    EventCase{7, u"Konferencja (okno aktywne)", u"message.conference", 0},
                    EventCase{8, u"Konferencja (okno nieaktywne)", u"message.conference.inactive",
                              0},
                    EventCase{9, u"Rozmowa głosowa przychodząca", u"av.audio.in", 2},
                    EventCase{16, u"Rozmowa wideo zakończona", u"av.video.end", 2},
                    EventCase{17, u"Dostępny", u"presence.online", 1},
                    EventCase{24, u"Błąd", u"presence.error", 1},
                    EventCase{25, u"Zablokowany", u"presence.blocked", 1},
                    EventCase{26, u"Zalogowany do sieci", u"misc.network.loggedIn", 3},
                    EventCase{31, u"Transfer pliku (przychodzący)", u"misc.fileTransfer.in", 3},
                    EventCase{32, u"", u"", -1}, EventCase{0xFFFFFFFFu, u"", u"", -1}));

TEST(Catalogue, EventIdsAreDistinctAsciiAndGroupsFollowTheRanges) {
    for (unsigned i = 0; i < kEventCount; ++i) {
        const std::u16string id = EventId(i);
        ASSERT_FALSE(id.empty()) << i;
        for (char16_t unit : id) {
            EXPECT_LT(unit, 0x80) << i;
        }
        for (unsigned j = 0; j < i; ++j) {
            EXPECT_NE(EventId(j), id) << i << " and " << j;
        }
        const int expectedGroup = i <= 8 ? 0 : i <= 16 ? 2 : i <= 25 ? 1 : 3;
        EXPECT_EQ(EventGroupOf(i), expectedGroup) << i;
    }
}

TEST(Catalogue, GroupHeaders) {
    EXPECT_EQ(GroupHeader(0), u"Wiadomości");
    EXPECT_EQ(GroupHeader(1), u"Zmiana statusu");
    EXPECT_EQ(GroupHeader(2), u"Rozmowy audio/wideo");
    EXPECT_EQ(GroupHeader(3), u"Różne");
    EXPECT_EQ(GroupHeader(-1), u"");
    EXPECT_EQ(GroupHeader(4), u"");
}

TEST(Catalogue, SourceChoicesAndPlaceholders) {
    const struct {
        int position;
        std::u16string text;
        std::u16string placeholder;
    } cases[] = {
        {-1, u"", u""},
        {0, u"Plik z dźwiękiem", u""},
        {1, u"Dźwięk systemowy: %beep%", u"%beep%"},
        {2, u"Dźwięk systemowy: %warning%", u"%warning%"},
        {3, u"Dźwięk systemowy: %error%", u"%error%"},
        {4, u"Dźwięk systemowy: %info%", u"%info%"},
        {5, u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SourceChoiceText(c.position), c.text) << c.position;
        EXPECT_EQ(PlaceholderOf(c.position), c.placeholder) << c.position;
    }
}

}  // namespace

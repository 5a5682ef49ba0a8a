#include <gtest/gtest.h>

#include "generate/SoundFileNames.h"

namespace {

TEST(NumberedFileName, InsertsTheNumberBeforeTheLastDot) {
    const struct {
        std::u16string name;
        int number;
        std::u16string numbered;
    } cases[] = {
        {u"start.wav", 2, u"start_2.wav"}, {u"a.b.mp3", 3, u"a.b_3.mp3"},
        {u"start", 2, u"start_2"},         {u".wav", 2, u"_2.wav"},
        {u"koniec.", 2, u"koniec_2."},     {u"dźwięk.WAV", 10, u"dźwięk_10.WAV"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberedFileName(c.name, c.number), c.numbered) << testing::PrintToString(c.name);
    }
}

}  // namespace

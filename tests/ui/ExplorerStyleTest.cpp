#include <gtest/gtest.h>

#include <string>

#include "ui/ExplorerStyle.h"

namespace {

// Answers from a table and notes which facts were asked, in order.
class TableFacts : public ThemeFacts {
public:
    explicit TableFacts(std::string answers) : m_answers(std::move(answers)) {}
    std::string asked;

    bool WindowsAbove5() override { return Ask('W', 0); }
    bool CommonControlsAbove5() override { return Ask('C', 1); }
    bool ThemeActive() override { return Ask('T', 2); }
    bool AppThemed() override { return Ask('A', 3); }

private:
    bool Ask(char fact, size_t index) {
        asked += fact;
        return m_answers[index] == '1';
    }
    std::string m_answers;
};

TEST(ExplorerStyle, AllFourFactsInOrderStoppingAtTheFirstFalse) {
    const struct {
        std::string answers;
        bool wanted;
        std::string asked;
    } cases[] = {
        {"1111", true, "WCTA"}, {"0111", false, "W"},    {"1011", false, "WC"},
        {"1101", false, "WCT"}, {"1110", false, "WCTA"}, {"0000", false, "W"},
    };
    for (const auto& c : cases) {
        TableFacts facts(c.answers);
        EXPECT_EQ(WantsExplorerStyle(facts), c.wanted) << c.answers;
        EXPECT_EQ(facts.asked, c.asked) << c.answers;
    }
}

// Wine reports Windows 7 and an active theme, but comctl32 5.81 even with the
// version 6 manifest, so the style is not applied there.
TEST(ExplorerStyle, RealFactsUnderWine) {
    SystemThemeFacts facts;
    EXPECT_TRUE(facts.WindowsAbove5());
    EXPECT_FALSE(facts.CommonControlsAbove5());
    EXPECT_TRUE(facts.ThemeActive());
    EXPECT_TRUE(facts.AppThemed());
    EXPECT_FALSE(WantsExplorerStyle(facts));
}

}  // namespace

#include "tests/ui/MainDialogFixture.h"

#include <map>

namespace {

using Resizing = MainDialogFixture;

struct Change {
    int left, top, right, bottom;
};

TEST_F(Resizing, GrowingMovesAndSizesExactlyTheMappedControls) {
    std::map<HWND, RECT> before;
    for (HWND child = GetWindow(Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        before[child] = ClientRect(child);
    }
    RECT window = {};
    GetWindowRect(Main(), &window);
    SetWindowPos(Main(), nullptr, 0, 0, window.right - window.left + 100,
                 window.bottom - window.top + 100, SWP_NOMOVE | SWP_NOZORDER);

    const std::map<int, Change> expected = {
        {IDC_EVENTS, {0, 0, 100, 100}},      {IDC_DESCRIPTION, {0, 0, 100, 0}},
        {IDC_SETNAME, {0, 0, 100, 0}},       {IDC_SOURCE, {0, 100, 0, 100}},
        {IDC_ASSIGN, {0, 100, 0, 100}},      {IDC_CLEAR, {0, 100, 0, 100}},
        {IDOK, {100, 100, 100, 100}},        {IDC_GENERATE, {100, 0, 100, 0}},
        {kSizeGripId, {100, 100, 100, 100}},
    };
    for (const auto& [child, old] : before) {
        const int id = GetDlgCtrlID(child);
        const auto found = expected.find(id);
        const Change change = found == expected.end() ? Change{0, 0, 0, 0} : found->second;
        const RECT now = ClientRect(child);
        SCOPED_TRACE("control " + std::to_string(id) + " " +
                     testing::PrintToString(WindowText(child)));
        EXPECT_EQ(now.left - old.left, change.left);
        EXPECT_EQ(now.top - old.top, change.top);
        EXPECT_EQ(now.right - old.right, change.right);
        EXPECT_EQ(now.bottom - old.bottom, change.bottom);
    }

    // Back to the start: every control where it began, nothing accumulated.
    SetWindowPos(Main(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    for (const auto& [child, old] : before) {
        const RECT now = ClientRect(child);
        EXPECT_TRUE(EqualRect(&now, &old)) << GetDlgCtrlID(child);
    }
}

TEST_F(Resizing, CannotBecomeSmallerThanAtStart) {
    RECT start = {};
    GetWindowRect(Main(), &start);
    MINMAXINFO info = {};
    SendMessageW(Main(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, start.right - start.left);
    EXPECT_EQ(info.ptMinTrackSize.y, start.bottom - start.top);

    SetWindowPos(Main(), nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    RECT now = {};
    GetWindowRect(Main(), &now);
    EXPECT_EQ(now.right - now.left, start.right - start.left);
    EXPECT_EQ(now.bottom - now.top, start.bottom - start.top);
}

TEST_F(Resizing, GripHidesWhileMaximized) {
    const HWND grip = Item(kSizeGripId);
    ASSERT_NE(grip, nullptr);
    EXPECT_TRUE(IsWindowVisible(grip));
    ShowWindow(Main(), SW_MAXIMIZE);
    EXPECT_FALSE(IsWindowVisible(grip));
    ShowWindow(Main(), SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(grip));
}

}  // namespace

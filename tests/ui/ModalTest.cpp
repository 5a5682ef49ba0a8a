#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "tests/support/TempFolder.h"
#include "tests/support/TestSystem.h"
#include "tests/ui/ListRecorder.h"
#include "tests/ui/ModalRun.h"
#include "tests/ui/PopupResponder.h"
#include "ui/ExplorerStyle.h"

namespace {

WindowsVersion Windows7() {
    return {true, 6, 1};
}

class Modal : public testing::Test {
protected:
    TestSystem m_system{u"C:\\Tonvaro.exe"};
    SystemThemeFacts m_facts;
    MainDialog m_dialog{m_system, Windows7, m_facts};
    ModalRun m_run;
};

void PressKeyIn(HWND main, int control, UINT key) {
    const HWND field = GetDlgItem(main, control);
    SetFocus(field);
    PostMessageW(field, WM_KEYDOWN, key, 0);
    PostMessageW(field, WM_KEYUP, key, 0);
}

TEST_F(Modal, EnterInTheNameFieldClosesTheWindow) {
    m_run.steps = {[](HWND main) { PressKeyIn(main, IDC_SETNAME, VK_RETURN); }};
    EXPECT_EQ(m_run.Run(m_dialog), 1);
    EXPECT_FALSE(m_run.closedByTest);
}

TEST_F(Modal, EscapeLeavesTheWindowOpen) {
    bool openAfterEscape = false;
    m_run.steps = {[](HWND main) { PressKeyIn(main, IDC_SETNAME, VK_ESCAPE); },
                   [&](HWND main) { openAfterEscape = IsWindowVisible(main) != FALSE; }};
    EXPECT_EQ(m_run.Run(m_dialog), 0);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(m_run.closedByTest);
}

TEST_F(Modal, CloseBoxEndsWithZero) {
    m_run.steps = {[](HWND main) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }};
    EXPECT_EQ(m_run.Run(m_dialog), 0);
    EXPECT_FALSE(m_run.closedByTest);
    EXPECT_EQ(m_dialog.Font(), nullptr);  // deleted with the window
}

TEST_F(Modal, FilePickedAfterTheWindowClosedIsDropped) {
    TempFolder temp;
    const std::u16string sound = temp.Path() + u"\\late.wav";
    WriteBytesTo(sound, "late");
    ListRecorder recorder;
    PopupResponder responder;
    m_run.steps = {[&](HWND main) {
        responder.Ignore(main);
        LVITEMW state = {};
        state.stateMask = state.state = LVIS_SELECTED;
        SendMessageW(GetDlgItem(main, IDC_EVENTS), LVM_SETITEMSTATE, 3,
                     reinterpret_cast<LPARAM>(&state));
        responder.PlanFileAnswer({sound, [main] { SendMessageW(main, WM_COMMAND, IDOK, 0); }});
        SendMessageW(main, WM_COMMAND, IDC_ASSIGN, 0);
    }};
    EXPECT_EQ(m_run.Run(m_dialog), 1);
    EXPECT_FALSE(m_run.closedByTest);
    EXPECT_EQ(responder.fileDialogs.size(), 1u);
    EXPECT_TRUE(recorder.Of(LVM_SETITEMTEXTW).empty());
}

}  // namespace

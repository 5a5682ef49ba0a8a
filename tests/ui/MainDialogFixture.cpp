#include "tests/ui/MainDialogFixture.h"

WindowsVersion MainDialogFixture::s_version;

MainDialogFixture::MainDialogFixture()
    : m_apps(m_temp.Path() + u"\\Apps\\"),
      m_system(m_apps + u"Tonvaro.exe"),
      m_dialog(m_system, Version, m_themeFacts) {
    s_version = {true, 6, 1};
    std::filesystem::create_directories(NativePath(m_apps));
    m_dialog.Create(nullptr);
    ShowWindow(Main(), SW_SHOW);
    m_responder.Ignore(Main());
}

MainDialogFixture::~MainDialogFixture() {
    if (IsWindow(Main())) {
        DestroyWindow(Main());
    }
}

void MainDialogFixture::SelectRow(int row) {
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(List(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

std::u16string MainDialogFixture::Cell(int row, int column) const {
    wchar_t buffer[4096] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 4096;
    SendMessageW(List(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

void MainDialogFixture::SetCell(int row, const std::u16string& text) {
    std::u16string copy = text;
    LVITEMW item = {};
    item.iSubItem = 1;
    item.pszText = reinterpret_cast<wchar_t*>(copy.data());
    SendMessageW(List(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

RECT MainDialogFixture::ClientRect(HWND control) const {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void MainDialogFixture::ExpectOneMessageBox(const std::u16string& text,
                                            const std::u16string& caption, bool error) {
    ASSERT_EQ(m_responder.messageBoxes.size(), 1u);
    const auto& seen = m_responder.messageBoxes[0];
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.caption, caption);
    EXPECT_EQ(seen.errorIcon, error);
    EXPECT_EQ(seen.informationIcon, !error);
    EXPECT_EQ(seen.owner, Main());
}

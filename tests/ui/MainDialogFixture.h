#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/support/TempFolder.h"
#include "tests/support/TestSystem.h"
#include "tests/ui/PopupResponder.h"
#include "ui/ExplorerStyle.h"
#include "ui/MainDialog.h"

// The real main dialog from the real resources, shown modeless, with the
// program placed in a temporary folder and the Windows version under the
// test's control.
class MainDialogFixture : public testing::Test {
protected:
    MainDialogFixture();
    ~MainDialogFixture() override;

    static WindowsVersion Version() { return s_version; }

    HWND Main() const { return m_dialog.m_hWnd; }
    HWND Item(int id) const { return GetDlgItem(Main(), id); }
    HWND List() const { return Item(IDC_EVENTS); }

    void Command(int id) {
        SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(id)));
    }
    void SelectRow(int row);
    void SetSource(int position) { SendMessageW(Item(IDC_SOURCE), CB_SETCURSEL, position, 0); }
    std::u16string Cell(int row, int column) const;
    void SetCell(int row, const std::u16string& text);
    // A control's rectangle in the dialog's client coordinates.
    RECT ClientRect(HWND control) const;

    void ExpectOneMessageBox(const std::u16string& text, const std::u16string& caption, bool error);

    static WindowsVersion s_version;

    TempFolder m_temp;
    std::u16string m_apps;
    TestSystem m_system;
    SystemThemeFacts m_themeFacts;
    MainDialog m_dialog;
    PopupResponder m_responder;
};

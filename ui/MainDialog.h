#pragma once

#include <windows.h>

#include "generate/Operations.h"
#include "ui/WindowsVersion.h"
#include "ui/resource.h"
#include "win/DialogImpl.h"
#include "win/DialogResizer.h"

class ThemeFacts;

// The program's one window: the three fields, the event list with its source
// box and commands, "Generuj" and "Zamknij".
class MainDialog : public DialogImpl<MainDialog> {
public:
    enum { IDD = IDD_MAIN };

    // The system side of set generation, the source of the Windows version
    // (read anew for every file pick) and the facts behind the list's look.
    MainDialog(SystemOperations& system, ReadWindowsVersionFunction readVersion,
               ThemeFacts& themeFacts);

    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND List() const { return m_list; }
    HFONT Font() const { return m_font; }

private:
    LRESULT OnInitDialog();
    LRESULT OnDestroy();
    LRESULT OnClose(INT_PTR result);
    LRESULT AssignToSelected();
    LRESULT ClearSelected();
    LRESULT GenerateSet();

    void MakeFont();
    void ApplyFont();

    HWND m_list = nullptr;
    HFONT m_font = nullptr;
    DialogResizer m_resizer;
    // Set once the dialog has been told to end; a file picked after that is
    // dropped instead of touching a window that is going away.
    bool m_ending = false;

    SystemOperations& m_system;
    ReadWindowsVersionFunction m_readVersion;
    ThemeFacts& m_themeFacts;
};

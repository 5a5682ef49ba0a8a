#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

// The classic open-file dialog (GetOpenFileNameW) with one filter entry, the
// explorer look and a resizable frame.
struct ClassicFileDialog {
    const wchar_t* filterName = L"";
    const wchar_t* filterPattern = L"";
    DWORD flags = 0;
    // OPENFILENAME_SIZE_VERSION_400W for systems before 4.90, else the full size.
    DWORD structSize = sizeof(OPENFILENAMEW);

    // The chosen path, or empty when the user cancelled or the dialog failed.
    std::u16string Open(HWND owner) const;
};

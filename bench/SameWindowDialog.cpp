// The second reference for start-up measurements: Tonvaro's own dialog
// template, manifest and list contents shown by the plainest code that can
// show them (columns, the 32 labels, the source box), without anything else
// the program does at start: no component library, no font of its own, no
// groups, no resizing, no version or theme questions, no file-dialog imports.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "catalogue/Catalogue.h"
#include "ui/resource.h"

namespace {

void Fill(HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_EVENTS);
    const wchar_t* titles[] = {L"Typ", L"Plik"};
    const int widths[] = {200, 600};
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW entry = {};
        entry.mask = LVCF_TEXT | LVCF_WIDTH;
        entry.cx = widths[column];
        entry.pszText = const_cast<wchar_t*>(titles[column]);
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&entry));
    }
    for (unsigned index = 0; index < kEventCount; ++index) {
        std::u16string label = EventLabel(index);
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(index);
        item.pszText = reinterpret_cast<wchar_t*>(label.data());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    const HWND source = GetDlgItem(dialog, IDC_SOURCE);
    for (int position = 0; position < kSourceChoiceCount; ++position) {
        const std::u16string text = SourceChoiceText(position);
        SendMessageW(source, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(source, CB_SETCURSEL, 0, 0);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        Fill(dialog);
        return FALSE;
    }
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDOK)) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, DialogProc, 0);
    return 0;
}

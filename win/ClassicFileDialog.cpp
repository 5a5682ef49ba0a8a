#include "win/ClassicFileDialog.h"

#include <cwchar>

namespace {

// The explorer-style dialog is resizable only with a hook; this one leaves
// every message to the dialog.
UINT_PTR CALLBACK PassThroughHook(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

}  // namespace

std::u16string ClassicFileDialog::Open(HWND owner) const {
    // "name\0pattern\0\0"
    std::wstring filter = filterName;
    filter += L'\0';
    filter += filterPattern;
    filter += L'\0';

    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = structSize;
    dialog.hwndOwner = owner;
    dialog.hInstance = GetModuleHandleW(nullptr);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 0;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    dialog.lpfnHook = PassThroughHook;
    if (!GetOpenFileNameW(&dialog)) {
        return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(file));
}

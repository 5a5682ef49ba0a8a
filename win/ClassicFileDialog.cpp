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
    // The common-dialog library (and the shell libraries it pulls in) is
    // loaded only when this dialog is needed, and released right after.
    const HMODULE library = LoadLibraryW(L"comdlg32.dll");
    if (library == nullptr) {
        return {};
    }
    using GetOpenFileNameFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
    const auto open = reinterpret_cast<GetOpenFileNameFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "GetOpenFileNameW")));
    const bool picked = open != nullptr && open(&dialog);
    FreeLibrary(library);
    if (!picked) {
        return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(file));
}

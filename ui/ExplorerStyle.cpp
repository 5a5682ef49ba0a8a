#include "ui/ExplorerStyle.h"

#include <shlwapi.h>

#include "ui/WindowsVersion.h"

namespace {

// A library loaded for one question and released when the question is answered.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const wchar_t* name) : m_module(LoadLibraryW(name)) {}
    ~LoadedLibrary() {
        if (m_module != nullptr) {
            FreeLibrary(m_module);
        }
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    template <typename Function>
    Function Find(const char* name) const {
        if (m_module == nullptr) {
            return nullptr;
        }
        // Through void(*)() so that the compiler accepts the function type change.
        return reinterpret_cast<Function>(
            reinterpret_cast<void (*)()>(GetProcAddress(m_module, name)));
    }

private:
    HMODULE m_module;
};

using DllGetVersionFunction = HRESULT(WINAPI*)(DLLVERSIONINFO*);
using ThemeQueryFunction = BOOL(WINAPI*)();
using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);

bool AskTheme(const char* function) {
    const LoadedLibrary theme(L"uxtheme.dll");
    const auto query = theme.Find<ThemeQueryFunction>(function);
    return query != nullptr && query();
}

}  // namespace

bool WantsExplorerStyle(ThemeFacts& facts) {
    return facts.WindowsAbove5() && facts.CommonControlsAbove5() && facts.ThemeActive() &&
           facts.AppThemed();
}

bool SystemThemeFacts::WindowsAbove5() {
    return ReadWindowsVersion().AboveMajor5();
}

bool SystemThemeFacts::CommonControlsAbove5() {
    const LoadedLibrary controls(L"comctl32.dll");
    const auto getVersion = controls.Find<DllGetVersionFunction>("DllGetVersion");
    if (getVersion == nullptr) {
        return false;
    }
    DLLVERSIONINFO version = {};
    version.cbSize = sizeof(version);
    return SUCCEEDED(getVersion(&version)) && version.dwMajorVersion > 5;
}

bool SystemThemeFacts::ThemeActive() {
    return AskTheme("IsThemeActive");
}

bool SystemThemeFacts::AppThemed() {
    return AskTheme("IsAppThemed");
}

void ApplyExplorerStyle(HWND list) {
    const LoadedLibrary theme(L"uxtheme.dll");
    if (const auto setTheme = theme.Find<SetWindowThemeFunction>("SetWindowTheme")) {
        setTheme(list, L"explorer", nullptr);
    }
}

#pragma once

#include <windows.h>

#include <string>

// A path handed over from Linux (by the build, a script or the environment)
// as a path a Windows program under Wine can open: UTF-8 becomes UTF-16,
// slashes become backslashes, and an absolute path lands on drive Z:, where
// Wine shows the Linux root. Other paths are only converted.
inline std::wstring WindowsPathFromLinux(const char* path) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, path, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size > 0 ? size : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path, -1, wide.data(), size);
    wide.resize(wide.size() - 1);
    for (wchar_t& c : wide) {
        c = c == L'/' ? L'\\' : c;
    }
    return wide.starts_with(L"\\") ? L"Z:" + wide : wide;
}

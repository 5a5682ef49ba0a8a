#pragma once

#include <windows.h>

// The Windows version as GetVersionExW reports it; known is false when the
// read failed, which counts as an old system.
struct WindowsVersion {
    bool known = false;
    DWORD major = 0;
    DWORD minor = 0;

    // Vista and later: the modern file dialog and list appearance.
    bool AboveMajor5() const { return known && major > 5; }
};

using ReadWindowsVersionFunction = WindowsVersion (*)();

WindowsVersion ReadWindowsVersion();

#include "ui/WindowsVersion.h"

WindowsVersion ReadWindowsVersion() {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(&info)) {
        return {};
    }
    return {true, info.dwMajorVersion, info.dwMinorVersion};
}

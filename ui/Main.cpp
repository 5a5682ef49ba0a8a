#include <windows.h>
#include <objbase.h>

#include "generate/Win32SystemOperations.h"
#include "ui/ExplorerStyle.h"
#include "ui/MainDialog.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The shell's file dialog is a component object and needs the library on
    // this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        Win32SystemOperations system;
        SystemThemeFacts themeFacts;
        MainDialog dialog(system, ReadWindowsVersion, themeFacts);
        dialog.DoModal(GetActiveWindow());
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return 0;
}

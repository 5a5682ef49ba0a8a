// Drives the shipped Tonvaro.exe from outside, as a user would: starts a copy
// of it in a fresh temporary folder, types the set name and author, assigns a
// placeholder and a picked sound file, presses "Generuj", reads the message,
// closes the window, and compares the set on disk with the expected bytes.
//
//   tonvaro_driver <Tonvaro.exe> <expected descriptor>
//
// Rows are selected with keys sent to the list, so nothing here needs memory
// inside the target: that works for a 32-bit target as well.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/WinePath.h"
#include "ui/resource.h"

namespace {

constexpr DWORD kStartTimeoutMs = 180000;
constexpr DWORD kStepTimeoutMs = 60000;
int g_passes = 0;
int g_failures = 0;

void Check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    ++(ok ? g_passes : g_failures);
}

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

struct Search {
    DWORD process;
    HWND exclude;
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (owner == search->process && window != search->exclude && IsWindowVisible(window) &&
        lstrcmpW(className, L"#32770") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The process's visible dialog window other than exclude, waited for.
HWND WaitForDialog(DWORD process, HWND exclude, DWORD timeout) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeout) {
        Search search{process, exclude};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(100);
    }
    return nullptr;
}

void WaitUntilGone(HWND window) {
    const DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window) && GetTickCount() - start < kStepTimeoutMs) {
        Sleep(100);
    }
}

HWND FindButton(HWND dialog, int id) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (GetDlgCtrlID(child) == id && lstrcmpiW(className, L"Button") == 0) {
            return child;
        }
    }
    return nullptr;
}

void PressOk(HWND dialog) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(FindButton(dialog, IDOK)));
}

void SelectRow(HWND list, int row) {
    SendMessageW(list, WM_KEYDOWN, VK_HOME, 0);
    for (int i = 0; i < row; ++i) {
        SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tonvaro_driver <Tonvaro.exe> <expected descriptor>\n");
        return 2;
    }
    const std::wstring program = WindowsPathFromLinux(argv[1]);
    const std::string expected = ReadAll(WindowsPathFromLinux(argv[2]));

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"tonvaro-blackbox-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(GetTickCount());
    const std::wstring apps = root + L"\\Apps\\";
    const std::wstring sound = root + L"\\Muzyka\\start.wav";
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW(apps.c_str(), nullptr);
    CreateDirectoryW((root + L"\\Muzyka").c_str(), nullptr);
    Check(CopyFileW(program.c_str(), (apps + L"Tonvaro.exe").c_str(), FALSE), "program copied");
    {
        std::ofstream out(sound.c_str(), std::ios::binary);
        out << "RIFF start";
    }

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::wstring command = L"\"" + apps + L"Tonvaro.exe\"";
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, apps.c_str(),
                        &startup, &process)) {
        Check(false, "program started");
        return 1;
    }
    WaitForInputIdle(process.hProcess, kStartTimeoutMs);
    const HWND main = WaitForDialog(process.dwProcessId, nullptr, kStartTimeoutMs);
    Check(main != nullptr, "main window shown");
    if (main == nullptr) {
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    Check(TextOf(main) == L"Tonvaro v0.3", "caption");
    const HWND list = GetDlgItem(main, IDC_EVENTS);
    const HWND source = GetDlgItem(main, IDC_SOURCE);

    SendMessageW(GetDlgItem(main, IDC_SETNAME), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"Mój zestaw!"));
    SendMessageW(GetDlgItem(main, IDC_AUTHOR), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"R&B Studio"));

    // Row 0: the "%error%" placeholder, no dialog.
    SelectRow(list, 0);
    SendMessageW(source, CB_SETCURSEL, 3, 0);
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_ASSIGN, BN_CLICKED), 0);

    // Row 3: a sound file picked in the file dialog.
    SelectRow(list, 3);
    SendMessageW(source, CB_SETCURSEL, 0, 0);
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_ASSIGN, BN_CLICKED), 0);
    const HWND picker = WaitForDialog(process.dwProcessId, main, kStepTimeoutMs);
    Check(picker != nullptr, "file dialog shown");
    if (picker != nullptr) {
        HWND name = GetDlgItem(picker, 0x47C);
        if (name == nullptr) {
            name = GetDlgItem(picker, 0x480);
        }
        Sleep(300);
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(sound.c_str()));
        PressOk(picker);
        WaitUntilGone(picker);
    }

    PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_GENERATE, BN_CLICKED), 0);
    const HWND message = WaitForDialog(process.dwProcessId, main, kStepTimeoutMs);
    Check(message != nullptr, "message shown");
    if (message != nullptr) {
        Sleep(300);
        Check(TextOf(message) == L"Tonvaro", "message caption");
        Check(TextOf(GetDlgItem(message, 0xFFFF)) == L"Poprawnie wygenerowano zestaw!",
              "message text");
        PressOk(message);
        WaitUntilGone(message);
    }
    Check(TextOf(GetDlgItem(main, IDC_SETNAME)) == L"Mój_zestaw_", "sanitized name shown");

    PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    Check(WaitForSingleObject(process.hProcess, kStepTimeoutMs) == WAIT_OBJECT_0, "program ended");
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    Check(exitCode == 0, "exit code 0");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    Check(ReadAll(apps + L"Mój_zestaw_.xml") == expected, "descriptor bytes");
    Check(ReadAll(apps + L"Mój_zestaw_\\start.wav") == "RIFF start", "sound copied");

    std::printf("checks: %d passed, %d failed\n", g_passes, g_failures);
    return g_failures == 0 ? 0 : 1;
}

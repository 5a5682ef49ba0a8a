// Holds files open without sharing, as another program may: opens every path
// given, prints "held" when all are open, and keeps them until its standard
// input closes or 120 seconds pass.
//
//   tonvaro_hold_file <path>...
#include <windows.h>

#include <cstdio>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    std::vector<HANDLE> files;
    for (int i = 1; i < argc; ++i) {
        const HANDLE file = CreateFileW(argv[i], GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            std::printf("failed\n");
            return 1;
        }
        files.push_back(file);
    }
    std::printf("held\n");
    std::fflush(stdout);
    // Returns when the parent closes its end of the pipe, or at the timeout.
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    char byte = 0;
    DWORD read = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 120000 && ReadFile(input, &byte, 1, &read, nullptr) &&
           read > 0) {
    }
    for (const HANDLE file : files) {
        CloseHandle(file);
    }
    return 0;
}

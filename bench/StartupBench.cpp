// Start-up time and memory of dialog programs, taking turns: from process
// start until the main window is visible and the program idle, then the peak
// working set, then the window is closed. Prints medians and ratios.
//
//   tonvaro_startup_bench <rounds> <program> <reference program>...
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Stopwatch.h"
#include "tests/support/WinePath.h"

namespace {

struct Search {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct Sample {
    double seconds = 0;
    double peakWorkingSet = 0;
};

bool StartOnce(const std::wstring& program, Sample& sample) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::wstring command = L"\"" + program + L"\"";
    const double start = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    WaitForInputIdle(process.hProcess, 120000);
    Search search{process.dwProcessId};
    while (search.found == nullptr && Now() - start < 120) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            Sleep(1);
        }
    }
    WaitForInputIdle(process.hProcess, 120000);
    sample.seconds = Now() - start;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory))) {
        sample.peakWorkingSet = static_cast<double>(memory.PeakWorkingSetSize);
    }
    PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return search.found != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: tonvaro_startup_bench <rounds> <program> <reference>...\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<std::wstring> programs;
    for (int i = 2; i < argc; ++i) {
        programs.push_back(WindowsPathFromLinux(argv[i]));
    }
    const size_t count = programs.size();
    std::vector<std::vector<double>> seconds(count);
    std::vector<std::vector<double>> memory(count);
    Sample warmUp;
    for (const std::wstring& program : programs) {
        StartOnce(program, warmUp);
    }
    // Every round starts each program once, in an order that turns round
    // by round, so that no program always follows the same one.
    for (int round = 0; round < rounds; ++round) {
        for (size_t turn = 0; turn < count; ++turn) {
            const size_t which = (static_cast<size_t>(round) + turn) % count;
            Sample sample;
            if (!StartOnce(programs[which], sample)) {
                std::fprintf(stderr, "program %zu did not show its window\n", which);
                return 1;
            }
            seconds[which].push_back(sample.seconds);
            memory[which].push_back(sample.peakWorkingSet);
        }
    }
    std::printf("medians of %d rotating rounds\n", rounds);
    const double time0 = Median(seconds[0]);
    const double peak0 = Median(memory[0]);
    for (size_t i = 0; i < count; ++i) {
        const double time = Median(seconds[i]);
        const double peak = Median(memory[i]);
        std::printf(
            "%-36ls start-up %7.1f ms (Tonvaro / this %.3f)   peak working set %6.2f MB "
            "(Tonvaro - this %+.2f MB)\n",
            programs[i].substr(programs[i].find_last_of(L'\\') + 1).c_str(), time * 1000,
            time0 / time, peak / 1048576, (peak0 - peak) / 1048576);
    }
    return 0;
}

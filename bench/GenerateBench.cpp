// Set generation against the file-copy limit. Side A: GenerateSet with the
// real Win32 side and a window stand-in whose message box only records.
// Side B: a bare CopyFileW loop over the same files to fresh destinations.
// The sides alternate round by round; medians and their ratio are printed.
//
//   tonvaro_generate_bench [rounds [work folder]]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Stopwatch.h"
#include "tests/support/WinePath.h"
#include "generate/GenerateSet.h"
#include "generate/Win32SystemOperations.h"

namespace {

class BenchWindow : public WindowOperations {
public:
    std::vector<std::u16string> rows;
    std::u16string message;

    std::u16string FieldText(int controlId) override {
        return controlId == kSetNameField ? u"zestaw" : u"bench";
    }
    void SetFieldText(int, const std::u16string&) override {}
    int RowCount() override { return static_cast<int>(rows.size()); }
    std::u16string RowFileValue(int row) override { return rows[static_cast<size_t>(row)]; }
    void ShowMessage(const std::u16string& text, const std::u16string&, MessageIcon) override {
        message = text;
    }
};

class PlacedSystem : public Win32SystemOperations {
public:
    std::u16string programPath;
    std::u16string ProgramPath() override { return programPath; }
};

const wchar_t* W(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

std::u16string U(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

void RemoveTree(const std::u16string& folder) {
    WIN32_FIND_DATAW found = {};
    const HANDLE search = FindFirstFileW(W(folder + u"\\*"), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::u16string name = U(found.cFileName);
            if (name == u"." || name == u"..") {
                continue;
            }
            const std::u16string path = folder + u"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileW(W(path));
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(W(folder));
}

// 32 source files of the given size with distinct contents.
std::vector<std::u16string> MakeSources(const std::u16string& folder, size_t size) {
    CreateDirectoryW(W(folder), nullptr);
    std::vector<std::u16string> sources;
    std::string bytes(size, '\0');
    for (int i = 0; i < 32; ++i) {
        for (size_t b = 0; b < size; ++b) {
            bytes[b] = static_cast<char>((b * 31 + static_cast<size_t>(i) * 7) & 0xFF);
        }
        const std::u16string path = folder + u"\\sound" + U(std::to_wstring(i)) + u".wav";
        const HANDLE file = CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(size), &written, nullptr);
        CloseHandle(file);
        sources.push_back(path);
    }
    return sources;
}

struct Result {
    double generate;
    double copy;
};

Result Measure(const std::u16string& root, const std::vector<std::u16string>& sources, int rounds,
               const char* label) {
    std::vector<double> generate;
    std::vector<double> copy;
    // Round -1 warms the caches after the sources were written and is not counted.
    for (int round = -1; round < rounds; ++round) {
        // A and B take turns going first, so neither always meets a warmer cache.
        for (int turn = 0; turn < 2; ++turn) {
            const bool sideA = (round + 2 + turn) % 2 == 0;
            const std::u16string folder = root + (sideA ? u"\\A" : u"\\B");
            CreateDirectoryW(W(folder), nullptr);
            double seconds = 0;
            if (sideA) {
                BenchWindow window;
                window.rows = sources;
                PlacedSystem system;
                system.programPath = folder + u"\\Tonvaro.exe";
                const double start = Now();
                GenerateSet(window, system);
                seconds = Now() - start;
                if (window.message != u"Poprawnie wygenerowano zestaw!") {
                    std::fprintf(stderr, "generation failed\n");
                    std::exit(1);
                }
                if (round >= 0) {
                    generate.push_back(seconds);
                }
            } else {
                const double start = Now();
                CreateDirectoryW(W(folder + u"\\zestaw"), nullptr);
                for (size_t i = 0; i < sources.size(); ++i) {
                    const std::u16string to =
                        folder + u"\\zestaw\\sound" + U(std::to_wstring(i)) + u".wav";
                    if (!CopyFileW(W(sources[i]), W(to), FALSE)) {
                        std::fprintf(stderr, "copy failed\n");
                        std::exit(1);
                    }
                }
                seconds = Now() - start;
                if (round >= 0) {
                    copy.push_back(seconds);
                }
            }
            RemoveTree(folder);
        }
    }
    // The ratio is taken round by round, A against the B run right beside it,
    // so that a slow spell of the machine hits both sides of one ratio.
    std::vector<double> ratios;
    for (size_t i = 0; i < generate.size(); ++i) {
        ratios.push_back(generate[i] / copy[i]);
    }
    const Result result{Median(generate), Median(copy)};
    std::printf("%-22s A GenerateSet %9.2f ms   B CopyFileW loop %9.2f ms   A/B %.3f\n", label,
                result.generate * 1000, result.copy * 1000, Median(ratios));
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 11;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring work = temp;
    if (argc > 2) {
        work = WindowsPathFromLinux(argv[2]) + L"\\";
    }
    const std::u16string root =
        U(work) + u"tonvaro-bench-" + U(std::to_wstring(GetCurrentProcessId()));
    CreateDirectoryW(W(root), nullptr);

    std::printf("medians of %d alternating rounds after one warm-up round\n", rounds);
    Measure(root, MakeSources(root + u"\\large", 16u << 20), rounds, "32 x 16 MB sounds");
    Measure(root, MakeSources(root + u"\\small", 50u << 10), rounds * 3, "32 x 50 KB sounds");
    RemoveTree(root);
    return 0;
}

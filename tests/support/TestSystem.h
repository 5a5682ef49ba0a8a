#pragma once

#include <string>
#include <vector>

#include "generate/Operations.h"

#ifdef _WIN32
#include "generate/Win32SystemOperations.h"
using PlatformSystem = Win32SystemOperations;
#else
#include "tests/support/PosixSystemOperations.h"
using PlatformSystem = PosixSystemOperations;
#endif

// The real operating-system side of this platform, with the program placed
// where the test says. Under Wine this is the Win32 side itself.
class TestSystem : public PlatformSystem {
public:
    explicit TestSystem(std::u16string programPath) : m_programPath(std::move(programPath)) {}
    std::u16string ProgramPath() override { return m_programPath; }
    void SetProgramPath(std::u16string programPath) { m_programPath = std::move(programPath); }

private:
    std::u16string m_programPath;
};

// A decorator that makes chosen operations fail, for failures the real file
// system cannot produce on demand (a copy failing halfway, a full disk).
class FailingSystem : public SystemOperations {
public:
    explicit FailingSystem(SystemOperations& real) : m_real(real) {}

    std::vector<std::u16string> failingCopies;  // sources whose copy fails
    bool failWrites = false;                    // every write stores half its bytes
    bool failClose = false;
    int copies = 0;  // copies attempted

    std::u16string ProgramPath() override { return m_real.ProgramPath(); }
    bool IsLetterOrDigit(char16_t unit) override { return m_real.IsLetterOrDigit(unit); }
    std::u16string UpperCase(const std::u16string& text) override { return m_real.UpperCase(text); }
    bool MakeFolder(const std::u16string& path) override { return m_real.MakeFolder(path); }
    bool CopySoundFile(const std::u16string& from, const std::u16string& to) override {
        ++copies;
        for (const auto& failing : failingCopies) {
            if (failing == from) {
                return false;
            }
        }
        return m_real.CopySoundFile(from, to);
    }
    std::optional<FileHandle> CreateOutputFile(const std::u16string& path) override {
        return m_real.CreateOutputFile(path);
    }
    bool WriteBytes(FileHandle file, std::string_view bytes) override {
        if (failWrites) {
            m_real.WriteBytes(file, bytes.substr(0, bytes.size() / 2));
            return false;
        }
        return m_real.WriteBytes(file, bytes);
    }
    bool CloseOutputFile(FileHandle file) override {
        const bool closed = m_real.CloseOutputFile(file);
        return closed && !failClose;
    }

private:
    SystemOperations& m_real;
};

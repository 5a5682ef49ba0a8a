#pragma once

#include "generate/Operations.h"

// The operating-system side on Linux, for the native test build: the real file
// system (backslashes become slashes), the stand-in character classes.
class PosixSystemOperations : public SystemOperations {
public:
    std::u16string ProgramPath() override { return u""; }
    bool IsLetterOrDigit(char16_t unit) override;
    std::u16string UpperCase(const std::u16string& text) override;
    bool MakeFolder(const std::u16string& path) override;
    bool CopySoundFile(const std::u16string& from, const std::u16string& to) override;
    std::optional<FileHandle> CreateOutputFile(const std::u16string& path) override;
    bool WriteBytes(FileHandle file, std::string_view bytes) override;
    bool CloseOutputFile(FileHandle file) override;
};

#include "tests/support/PosixSystemOperations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/FakeCharacterClass.h"
#include "tests/support/TempFolder.h"

bool PosixSystemOperations::IsLetterOrDigit(char16_t unit) {
    return FakeIsLetterOrDigit(unit);
}

std::u16string PosixSystemOperations::UpperCase(const std::u16string& text) {
    std::u16string upper = text;
    for (char16_t& unit : upper) {
        unit = FakeUpper(unit);
    }
    return upper;
}

bool PosixSystemOperations::MakeFolder(const std::u16string& path) {
    return mkdir(NativePath(path).c_str(), 0777) == 0;
}

bool PosixSystemOperations::CopySoundFile(const std::u16string& from, const std::u16string& to) {
    std::error_code error;
    return std::filesystem::copy_file(NativePath(from), NativePath(to),
                                      std::filesystem::copy_options::overwrite_existing, error);
}

std::optional<SystemOperations::FileHandle> PosixSystemOperations::CreateOutputFile(
    const std::u16string& path) {
    const int file = open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (file < 0) {
        return std::nullopt;
    }
    return file;
}

bool PosixSystemOperations::WriteBytes(FileHandle file, std::string_view bytes) {
    const ssize_t written = write(static_cast<int>(file), bytes.data(), bytes.size());
    return written >= 0 && static_cast<size_t>(written) == bytes.size();
}

bool PosixSystemOperations::CloseOutputFile(FileHandle file) {
    return close(static_cast<int>(file)) == 0;
}

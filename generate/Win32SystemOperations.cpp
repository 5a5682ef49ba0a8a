#include "generate/Win32SystemOperations.h"

#include <windows.h>

#include "generate/ReadGrowing.h"

namespace {

const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

HANDLE AsHandle(SystemOperations::FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

}  // namespace

std::u16string Win32SystemOperations::ProgramPath() {
    return ReadGrowing([](char16_t* buffer, std::uint32_t size) -> std::uint32_t {
        return GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(buffer), size);
    });
}

bool Win32SystemOperations::IsLetterOrDigit(char16_t unit) {
    const wchar_t text[1] = {static_cast<wchar_t>(unit)};
    WORD type = 0;
    if (!GetStringTypeW(CT_CTYPE1, text, 1, &type)) {
        return false;
    }
    return (type & (C1_UPPER | C1_LOWER | C1_ALPHA | C1_DIGIT)) != 0;
}

std::u16string Win32SystemOperations::UpperCase(const std::u16string& text) {
    if (text.empty()) {
        return text;
    }
    std::u16string upper(text.size(), u'\0');
    const int length = static_cast<int>(text.size());
    const int mapped = LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, Wide(text), length,
                                    reinterpret_cast<wchar_t*>(upper.data()), length);
    return mapped == length ? upper : text;
}

bool Win32SystemOperations::MakeFolder(const std::u16string& path) {
    return CreateDirectoryW(Wide(path), nullptr) != FALSE;
}

bool Win32SystemOperations::CopySoundFile(const std::u16string& from, const std::u16string& to) {
    if (CopyFileW(Wide(from), Wide(to), FALSE)) {
        return true;
    }
    // Windows removes a partial copy itself, Wine does not: a copy cut short
    // by a full disk must neither look like a sound nor hold the space the
    // remaining files need. Destinations are always new files in the new set
    // folder, so nothing else is removed.
    DeleteFileW(Wide(to));
    return false;
}

std::optional<SystemOperations::FileHandle> Win32SystemOperations::CreateOutputFile(
    const std::u16string& path) {
    const HANDLE file = CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    return reinterpret_cast<FileHandle>(file);
}

bool Win32SystemOperations::WriteBytes(FileHandle file, std::string_view bytes) {
    DWORD written = 0;
    const BOOL ok = ::WriteFile(AsHandle(file), bytes.data(), static_cast<DWORD>(bytes.size()),
                                &written, nullptr);
    return ok && written == bytes.size();
}

bool Win32SystemOperations::CloseOutputFile(FileHandle file) {
    return CloseHandle(AsHandle(file));
}

#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes. Path() gives it in the backslash form that
// set generation works with.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Native() const { return m_path; }
    std::u16string Path() const;

private:
    std::filesystem::path m_path;
};

// Converts between the backslash form and a path of this platform.
std::filesystem::path NativePath(const std::u16string& path);
std::u16string BackslashPath(const std::filesystem::path& path);

std::string ReadBytes(const std::u16string& path);
void WriteBytesTo(const std::u16string& path, const std::string& bytes);
bool Exists(const std::u16string& path);

// The bytes of a file in tests/data.
std::string TestDataFile(const char* name);

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What set generation needs from the main window. Control ids are those of the
// dialog template.
enum class MessageIcon { Error, Information };

class WindowOperations {
public:
    virtual ~WindowOperations() = default;
    virtual std::u16string FieldText(int controlId) = 0;
    virtual void SetFieldText(int controlId, const std::u16string& text) = 0;
    virtual int RowCount() = 0;
    // The row's second column, at most 4094 code units.
    virtual std::u16string RowFileValue(int row) = 0;
    // Modal, owned by the window; returns when the user presses OK.
    virtual void ShowMessage(const std::u16string& text, const std::u16string& caption,
                             MessageIcon icon) = 0;
};

// What set generation needs from the operating system. Paths use the
// backslash as separator.
class SystemOperations {
public:
    using FileHandle = std::intptr_t;

    virtual ~SystemOperations() = default;
    // Full path of the running executable, however long.
    virtual std::u16string ProgramPath() = 0;
    // Whether the system counts a code unit of U+0100..U+FFFE as an upper-case
    // or lower-case letter, as alphabetic or as a digit.
    virtual bool IsLetterOrDigit(char16_t unit) = 0;
    // The text with every character upper-cased as the file system does when
    // it compares names without regard to case.
    virtual std::u16string UpperCase(const std::u16string& text) = 0;
    // Fails when the folder exists already or cannot be made.
    virtual bool MakeFolder(const std::u16string& path) = 0;
    // Copies, replacing an existing destination; false when it did not happen.
    virtual bool CopySoundFile(const std::u16string& from, const std::u16string& to) = 0;
    // A new, empty file opened for writing without sharing; nullopt on failure.
    virtual std::optional<FileHandle> CreateOutputFile(const std::u16string& path) = 0;
    // True only when every byte was written.
    virtual bool WriteBytes(FileHandle file, std::string_view bytes) = 0;
    virtual bool CloseOutputFile(FileHandle file) = 0;
};

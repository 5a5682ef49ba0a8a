#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

// Answers the dialogs that pop up on this thread while a command runs, from a
// thread timer that fires inside their modal loops: message boxes are read
// and confirmed; file dialogs get the next planned answer.
class PopupResponder {
public:
    struct MessageBoxSeen {
        std::u16string text;
        std::u16string caption;
        bool errorIcon = false;
        bool informationIcon = false;
        HWND owner = nullptr;
    };

    enum class FileDialogKind { Modern, Classic };

    struct FileAnswer {
        std::u16string path;              // typed into the file-name box; empty: cancel
        std::function<void()> whileOpen;  // runs first, with the dialog still open
    };

    PopupResponder();
    ~PopupResponder();
    PopupResponder(const PopupResponder&) = delete;
    PopupResponder& operator=(const PopupResponder&) = delete;

    void PlanFileAnswer(FileAnswer answer) { m_answers.push_back(std::move(answer)); }
    // Windows that are not popups, such as the main dialog.
    void Ignore(HWND window) { m_ignored.insert(window); }

    std::vector<MessageBoxSeen> messageBoxes;
    std::vector<FileDialogKind> fileDialogs;
    size_t PlannedLeft() const { return m_answers.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK Visit(HWND window, LPARAM self);
    void Handle(HWND popup);

    UINT_PTR m_timer = 0;
    std::deque<FileAnswer> m_answers;
    std::set<HWND> m_ignored;
    std::set<HWND> m_handled;
    bool m_busy = false;
};

std::u16string WindowText(HWND window);
void SetText(HWND window, const std::u16string& text);

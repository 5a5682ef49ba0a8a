#include "tests/ui/PopupResponder.h"

namespace {

PopupResponder* g_responder = nullptr;

constexpr int kMessageBoxText = 0xFFFF;
constexpr int kMessageBoxIcon = 0x440;
constexpr int kModernFileName = 0x480;
constexpr int kClassicFileName = 0x47C;

bool HasClass(HWND window, const wchar_t* name) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return lstrcmpiW(className, name) == 0;
}

// The push button with the given id; other children carry id 1 as well.
HWND FindButton(HWND dialog, int id) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id && HasClass(child, L"Button")) {
            return child;
        }
    }
    return nullptr;
}

}  // namespace

std::u16string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

void SetText(HWND window, const std::u16string& text) {
    SetWindowTextW(window, reinterpret_cast<const wchar_t*>(text.c_str()));
}

PopupResponder::PopupResponder() {
    g_responder = this;
    m_timer = SetTimer(nullptr, 0, 30, Tick);
}

PopupResponder::~PopupResponder() {
    KillTimer(nullptr, m_timer);
    g_responder = nullptr;
}

void CALLBACK PopupResponder::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_responder == nullptr || g_responder->m_busy) {
        return;
    }
    g_responder->m_busy = true;
    EnumThreadWindows(GetCurrentThreadId(), Visit, reinterpret_cast<LPARAM>(g_responder));
    g_responder->m_busy = false;
}

BOOL CALLBACK PopupResponder::Visit(HWND window, LPARAM self) {
    auto* responder = reinterpret_cast<PopupResponder*>(self);
    if (IsWindowVisible(window) && HasClass(window, L"#32770") &&
        !responder->m_ignored.count(window) && !responder->m_handled.count(window)) {
        responder->Handle(window);
    }
    return TRUE;
}

void PopupResponder::Handle(HWND popup) {
    const HWND text = GetDlgItem(popup, kMessageBoxText);
    if (text != nullptr) {
        MessageBoxSeen seen;
        seen.text = WindowText(text);
        seen.caption = WindowText(popup);
        const auto icon =
            reinterpret_cast<HICON>(SendDlgItemMessageW(popup, kMessageBoxIcon, STM_GETICON, 0, 0));
        seen.errorIcon = icon != nullptr && icon == LoadIconW(nullptr, IDI_ERROR);
        seen.informationIcon = icon != nullptr && icon == LoadIconW(nullptr, IDI_INFORMATION);
        seen.owner = GetWindow(popup, GW_OWNER);
        messageBoxes.push_back(seen);
        m_handled.insert(popup);
        PostMessageW(popup, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(FindButton(popup, IDOK)));
        return;
    }
    // The shell's dialog has no owner; the classic one is owned by the
    // window that was active. Its file-name box is a combo box, or an edit
    // box when the caller used the older, shorter structure.
    HWND name = GetDlgItem(popup, kClassicFileName);
    if (name == nullptr) {
        name = GetDlgItem(popup, kModernFileName);
    }
    if (name == nullptr) {
        return;  // not ready yet
    }
    const FileDialogKind kind =
        GetWindow(popup, GW_OWNER) == nullptr ? FileDialogKind::Modern : FileDialogKind::Classic;
    m_handled.insert(popup);
    fileDialogs.push_back(kind);
    FileAnswer answer;
    if (!m_answers.empty()) {
        answer = std::move(m_answers.front());
        m_answers.pop_front();
    }
    if (answer.whileOpen) {
        answer.whileOpen();
    }
    if (answer.path.empty()) {
        PostMessageW(popup, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    SetText(name, answer.path);
    PostMessageW(popup, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(FindButton(popup, IDOK)));
}

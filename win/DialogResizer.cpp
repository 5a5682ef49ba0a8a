#include "win/DialogResizer.h"

namespace {

RECT ClientRectOf(HWND control, HWND dialog) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

void DialogResizer::Init(HWND dialog, const ResizeEntry* map, DWORD forceStyle) {
    m_dialog = dialog;
    const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE);
    if ((style & forceStyle) != forceStyle) {
        SetWindowLongPtrW(dialog, GWL_STYLE, style | forceStyle);
    }
    // A sizable dialog would show an empty icon in its caption; the modal
    // frame and an explicit "no small icon" remove it.
    SetWindowLongPtrW(dialog, GWL_EXSTYLE,
                      GetWindowLongPtrW(dialog, GWL_EXSTYLE) | WS_EX_DLGMODALFRAME);
    if (SendMessageW(dialog, WM_GETICON, ICON_SMALL, 0) == 0) {
        SendMessageW(dialog, WM_SETICON, ICON_SMALL, 0);
    }

    RECT client = {};
    GetClientRect(dialog, &client);
    m_initialClient = {client.right, client.bottom};

    m_controls.clear();
    const HWND grip = CreateWindowExW(0, L"SCROLLBAR", nullptr,
                                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBS_SIZEBOX |
                                          SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                                      client.left, client.top, client.right, client.bottom, dialog,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSizeGripId)),
                                      GetModuleHandleW(nullptr), nullptr);
    m_grip = grip != nullptr;
    if (m_grip) {
        m_controls.push_back(
            {kSizeGripId, DLSZ_MOVE_X | DLSZ_MOVE_Y | DLSZ_REPAINT, ClientRectOf(grip, dialog)});
    }

    RECT window = {};
    GetWindowRect(dialog, &window);
    m_minTrackSize = {window.right - window.left, window.bottom - window.top};

    for (const ResizeEntry* entry = map; entry->id != -1; ++entry) {
        const HWND control = GetDlgItem(dialog, entry->id);
        if (control != nullptr) {
            m_controls.push_back({entry->id, entry->flags, ClientRectOf(control, dialog)});
        }
    }
}

void DialogResizer::OnSize(WPARAM type, int clientWidth, int clientHeight) {
    if (m_dialog == nullptr) {
        return;
    }
    if (m_grip) {
        const HWND grip = GetDlgItem(m_dialog, kSizeGripId);
        if (type == SIZE_MAXIMIZED) {
            ShowWindow(grip, SW_HIDE);
        } else if (type == SIZE_RESTORED) {
            ShowWindow(grip, SW_SHOW);
        }
    }
    if (type != SIZE_MINIMIZED) {
        Layout(clientWidth, clientHeight);
    }
}

void DialogResizer::Layout(int clientWidth, int clientHeight) {
    const int dx = clientWidth - m_initialClient.cx;
    const int dy = clientHeight - m_initialClient.cy;
    const bool visible = IsWindowVisible(m_dialog);
    if (visible) {
        SendMessageW(m_dialog, WM_SETREDRAW, FALSE, 0);
    }
    for (const Control& control : m_controls) {
        const HWND window = GetDlgItem(m_dialog, control.id);
        // Directions the flags do not name keep the control's current edges.
        RECT rect = ClientRectOf(window, m_dialog);
        if (control.flags & DLSZ_SIZE_X) {
            rect.left = control.initial.left;
            rect.right = control.initial.right + dx;
        } else if (control.flags & DLSZ_MOVE_X) {
            rect.left = control.initial.left + dx;
            rect.right = control.initial.right + dx;
        }
        if (control.flags & DLSZ_SIZE_Y) {
            rect.top = control.initial.top;
            rect.bottom = control.initial.bottom + dy;
        } else if (control.flags & DLSZ_MOVE_Y) {
            rect.top = control.initial.top + dy;
            rect.bottom = control.initial.bottom + dy;
        }
        SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        if (control.flags & DLSZ_REPAINT) {
            InvalidateRect(window, nullptr, TRUE);
        }
    }
    if (visible) {
        SendMessageW(m_dialog, WM_SETREDRAW, TRUE, 0);
    }
    RedrawWindow(m_dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void DialogResizer::OnGetMinMaxInfo(MINMAXINFO* info) const {
    if (m_dialog != nullptr) {
        info->ptMinTrackSize = m_minTrackSize;
    }
}

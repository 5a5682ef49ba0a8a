#pragma once

#include <windows.h>

// Base of a dialog window class: runs the template T::IDD modally (or
// modeless), stores the object with the window and forwards every message to
// T::ProcessMessage(message, wParam, lParam, result), which answers whether
// it handled the message and puts the message's result into result.
template <typename T>
class DialogImpl {
public:
    HWND m_hWnd = nullptr;

    INT_PTR DoModal(HWND owner) {
        return DialogBoxParamW(Instance(), MAKEINTRESOURCEW(T::IDD), owner, DialogProc,
                               reinterpret_cast<LPARAM>(this));
    }

    // For tests and tools: the same window without the modal loop.
    HWND Create(HWND owner) {
        return CreateDialogParamW(Instance(), MAKEINTRESOURCEW(T::IDD), owner, DialogProc,
                                  reinterpret_cast<LPARAM>(this));
    }

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

protected:
    ~DialogImpl() = default;

private:
    static HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        DialogImpl* self = nullptr;
        if (message == WM_INITDIALOG) {
            self = reinterpret_cast<DialogImpl*>(lParam);
            self->m_hWnd = window;
            SetWindowLongPtrW(window, DWLP_USER, lParam);
        } else {
            self = reinterpret_cast<DialogImpl*>(GetWindowLongPtrW(window, DWLP_USER));
        }
        if (self == nullptr) {
            return FALSE;
        }
        LRESULT result = 0;
        const bool handled = static_cast<T*>(self)->ProcessMessage(message, wParam, lParam, result);
        if (message == WM_NCDESTROY) {
            self->m_hWnd = nullptr;
        }
        if (!handled) {
            return FALSE;
        }
        // WM_INITDIALOG answers directly whether the dialog manager sets the
        // focus; every other handled message reports its result separately.
        if (message == WM_INITDIALOG) {
            return static_cast<INT_PTR>(result);
        }
        SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
        return TRUE;
    }
};

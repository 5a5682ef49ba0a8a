#include "tests/ui/ListRecorder.h"

#include <commctrl.h>

namespace {

ListRecorder* g_recorder = nullptr;
WNDPROC g_listProc = nullptr;

std::u16string Text(const wchar_t* text) {
    return text == nullptr || text == LPSTR_TEXTCALLBACKW
               ? std::u16string()
               : std::u16string(reinterpret_cast<const char16_t*>(text));
}

}  // namespace

ListRecorder::ListRecorder() {
    g_recorder = this;
    m_hook = SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
}

ListRecorder::~ListRecorder() {
    UnhookWindowsHookEx(m_hook);
    g_recorder = nullptr;
}

std::vector<ListRecorder::Sent> ListRecorder::Of(UINT message) const {
    std::vector<Sent> matching;
    for (const Sent& one : sent) {
        if (one.message == message) {
            matching.push_back(one);
        }
    }
    return matching;
}

LRESULT CALLBACK ListRecorder::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto window = reinterpret_cast<HWND>(wParam);
        wchar_t className[32] = {};
        GetClassNameW(window, className, 32);
        if (lstrcmpiW(className, WC_LISTVIEWW) == 0) {
            g_listProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ListRecorder::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_recorder != nullptr) {
        Sent one;
        one.message = message;
        one.wParam = wParam;
        switch (message) {
            case LVM_ENABLEGROUPVIEW:
                g_recorder->sent.push_back(one);
                break;
            case LVM_INSERTGROUP: {
                const auto* group = reinterpret_cast<const LVGROUP*>(lParam);
                one.groupId = group->iGroupId;
                one.mask = group->mask;
                one.text = Text(group->pszHeader);
                g_recorder->sent.push_back(one);
                break;
            }
            case LVM_INSERTITEMW:
            case LVM_SETITEMW:
            case LVM_SETITEMTEXTW: {
                const auto* item = reinterpret_cast<const LVITEMW*>(lParam);
                one.item = message == LVM_SETITEMTEXTW ? static_cast<int>(wParam) : item->iItem;
                one.mask = item->mask;
                one.groupId = item->iGroupId;
                if (message != LVM_SETITEMW || (item->mask & LVIF_TEXT)) {
                    one.text = Text(item->pszText);
                }
                g_recorder->sent.push_back(one);
                break;
            }
            default:
                break;
        }
    }
    return CallWindowProcW(g_listProc, list, message, wParam, lParam);
}

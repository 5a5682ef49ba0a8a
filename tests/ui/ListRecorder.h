#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Records what the program sends to the list views created while it exists:
// it subclasses each "SysListView32" as it is created. Wine's list view does
// not implement groups, so the group messages are checked as sent.
class ListRecorder {
public:
    struct Sent {
        UINT message = 0;
        WPARAM wParam = 0;
        int item = -1;
        int groupId = -1;
        UINT mask = 0;
        std::u16string text;
    };

    ListRecorder();
    ~ListRecorder();
    ListRecorder(const ListRecorder&) = delete;
    ListRecorder& operator=(const ListRecorder&) = delete;

    std::vector<Sent> sent;
    std::vector<Sent> Of(UINT message) const;

private:
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

    HHOOK m_hook = nullptr;
};

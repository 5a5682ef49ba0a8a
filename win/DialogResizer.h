#pragma once

#include <windows.h>

#include <vector>

// Moves and sizes a dialog's controls when the dialog is resized, by a static
// map of control ids and flags ended by an entry with id -1. A control may be
// listed more than once, once per direction. Every layout starts from the
// rectangles recorded at Init plus the change of the client size, so nothing
// accumulates.
enum ResizeFlags : unsigned {
    DLSZ_SIZE_X = 0x1,
    DLSZ_SIZE_Y = 0x2,
    DLSZ_MOVE_X = 0x4,
    DLSZ_MOVE_Y = 0x8,
    DLSZ_REPAINT = 0x10,
};

struct ResizeEntry {
    int id;
    unsigned flags;
};

constexpr int kSizeGripId = 59393;

class DialogResizer {
public:
    // Records the initial client size, the minimum window size and each mapped
    // control's rectangle, forces the given styles, and adds a size grip.
    void Init(HWND dialog, const ResizeEntry* map, DWORD forceStyle);
    // WM_SIZE: hides the grip while maximized, then lays the controls out.
    void OnSize(WPARAM type, int clientWidth, int clientHeight);
    // WM_GETMINMAXINFO: the window cannot become smaller than it started.
    void OnGetMinMaxInfo(MINMAXINFO* info) const;

private:
    struct Control {
        int id;
        unsigned flags;
        RECT initial;
    };

    void Layout(int clientWidth, int clientHeight);

    HWND m_dialog = nullptr;
    SIZE m_initialClient = {};
    POINT m_minTrackSize = {};
    std::vector<Control> m_controls;
    bool m_grip = false;
};

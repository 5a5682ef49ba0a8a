#pragma once

#include <windows.h>

// The four facts that decide whether the event list gets the "explorer"
// appearance, asked in this order.
class ThemeFacts {
public:
    virtual ~ThemeFacts() = default;
    virtual bool WindowsAbove5() = 0;
    virtual bool CommonControlsAbove5() = 0;
    virtual bool ThemeActive() = 0;
    virtual bool AppThemed() = 0;
};

// True when every fact holds; stops asking at the first that does not.
bool WantsExplorerStyle(ThemeFacts& facts);

// The facts as this system tells them. Each library is loaded by name and
// released right after; a missing library or function makes its fact false.
class SystemThemeFacts : public ThemeFacts {
public:
    bool WindowsAbove5() override;
    bool CommonControlsAbove5() override;
    bool ThemeActive() override;
    bool AppThemed() override;
};

// Gives the list the explorer appearance through SetWindowTheme.
void ApplyExplorerStyle(HWND list);

#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "ui/MainDialog.h"

// Runs the dialog modally, as the program does, and plays the steps one per
// timer tick once the window is up. A window still open well after the last
// step is closed by the test (closedByTest) so that nothing hangs.
struct ModalRun {
    std::vector<std::function<void(HWND)>> steps;
    bool closedByTest = false;

    INT_PTR Run(MainDialog& dialog);
};

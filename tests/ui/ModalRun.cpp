#include "tests/ui/ModalRun.h"

namespace {

struct Progress {
    ModalRun* run;
    MainDialog* dialog;
    size_t next = 0;
    int idleTicks = 0;
    bool busy = false;
};

Progress* g_progress = nullptr;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Progress* progress = g_progress;
    const HWND main = progress ? progress->dialog->m_hWnd : nullptr;
    if (progress == nullptr || progress->busy || main == nullptr || !IsWindowVisible(main)) {
        return;
    }
    progress->busy = true;
    if (progress->next < progress->run->steps.size()) {
        progress->run->steps[progress->next++](main);
    } else if (++progress->idleTicks == 20) {
        progress->run->closedByTest = true;
        PostMessageW(main, WM_CLOSE, 0, 0);
    }
    progress->busy = false;
}

}  // namespace

INT_PTR ModalRun::Run(MainDialog& dialog) {
    Progress progress{this, &dialog};
    g_progress = &progress;
    const UINT_PTR timer = SetTimer(nullptr, 0, 40, Tick);
    const INT_PTR result = dialog.DoModal(nullptr);
    KillTimer(nullptr, timer);
    g_progress = nullptr;
    return result;
}

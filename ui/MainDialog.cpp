#include "ui/MainDialog.h"

#include <windowsx.h>

#include <cstddef>

#include "catalogue/Catalogue.h"
#include "generate/GenerateSet.h"
#include "ui/DialogWindowOperations.h"
#include "ui/EventList.h"
#include "ui/SoundFilePicker.h"

namespace {

constexpr char16_t kErrorCaption[] = u"Błąd";
constexpr char16_t kNothingToAssign[] =
    u"Musisz zaznaczyć na liście element do którego chcesz przypisać plik!";
constexpr char16_t kNothingToClear[] =
    u"Musisz zaznaczyć na liście element w którym chcesz usunąć plik!";

constexpr ResizeEntry kResizeMap[] = {
    {IDC_EVENTS, DLSZ_SIZE_X | DLSZ_SIZE_Y},
    {IDC_DESCRIPTION, DLSZ_SIZE_X},
    {IDC_SETNAME, DLSZ_SIZE_X},
    {IDC_SOURCE, DLSZ_MOVE_Y},
    {IDC_ASSIGN, DLSZ_MOVE_Y},
    {IDC_CLEAR, DLSZ_MOVE_Y},
    {IDOK, DLSZ_MOVE_Y},
    {IDC_GENERATE, DLSZ_MOVE_X},
    {IDOK, DLSZ_MOVE_X},
    {-1, 0},
};

}  // namespace

MainDialog::MainDialog(SystemOperations& system, ReadWindowsVersionFunction readVersion,
                       ThemeFacts& themeFacts)
    : m_system(system), m_readVersion(readVersion), m_themeFacts(themeFacts) {}

bool MainDialog::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_INITDIALOG:
            result = OnInitDialog();
            return true;
        case WM_DESTROY:
            result = OnDestroy();
            return true;
        case WM_CLOSE:
            result = OnClose(0);
            return true;
        case WM_COMMAND:
            // Commands are told apart by control id alone.
            switch (LOWORD(wParam)) {
                case IDOK:
                    result = OnClose(1);
                    return true;
                case IDC_ASSIGN:
                    result = AssignToSelected();
                    return true;
                case IDC_GENERATE:
                    result = GenerateSet();
                    return true;
                case IDC_CLEAR:
                    result = ClearSelected();
                    return true;
                default:
                    return false;
            }
        case WM_SIZE:
            m_resizer.OnSize(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            result = 0;
            return true;
        case WM_GETMINMAXINFO:
            m_resizer.OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
            result = 0;
            return true;
        default:
            return false;
    }
}

LRESULT MainDialog::OnInitDialog() {
    MakeFont();
    m_list = InitEventList(m_hWnd, m_themeFacts);
    ApplyFont();
    m_resizer.Init(m_hWnd, kResizeMap, WS_THICKFRAME);
    return 0;  // the program sets no focus of its own
}

LRESULT MainDialog::OnDestroy() {
    m_list = nullptr;
    if (m_font != nullptr) {
        DeleteObject(m_font);
        m_font = nullptr;
    }
    return 0;
}

LRESULT MainDialog::OnClose(INT_PTR result) {
    m_ending = true;
    EndDialog(m_hWnd, result);
    return 0;
}

void MainDialog::MakeFont() {
    // The full structure (504 bytes) first; systems before Vista know it
    // without the last field (500 bytes). Without any metrics, the system's
    // GUI font keeps the window readable.
    NONCLIENTMETRICSW metrics = {};
    LOGFONTW font = {};
    bool read = false;
    for (const UINT size :
         {UINT{sizeof(metrics)}, UINT{offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth)}}) {
        metrics.cbSize = size;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, size, &metrics, 0)) {
            read = true;
            break;
        }
    }
    if (read) {
        font = metrics.lfMessageFont;
    } else {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    }
    m_font = CreateFontIndirectW(&font);
}

void MainDialog::ApplyFont() {
    const WPARAM font = reinterpret_cast<WPARAM>(m_font);
    SendMessageW(m_hWnd, WM_SETFONT, font, FALSE);
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SETFONT, font, FALSE);
    }
}

LRESULT MainDialog::AssignToSelected() {
    const int row = SelectedRow(m_list);
    if (row < 0) {
        ShowMessageBox(m_hWnd, kNothingToAssign, kErrorCaption, MessageIcon::Error);
        return 0;
    }
    const int position = static_cast<int>(SendMessageW(GetDlgItem(IDC_SOURCE), CB_GETCURSEL, 0, 0));
    std::u16string value = PlaceholderOf(position);
    if (value.empty()) {
        // The list is read again after the pick: the modern dialog lets the
        // window go on, even close, while it is open.
        const HWND list = m_list;
        value = PickSoundFile(m_readVersion());
        if (m_ending || m_list != list || !IsWindow(list)) {
            return 0;
        }
    }
    if (!value.empty()) {
        SetRowFileValue(m_list, row, value);
    }
    return 0;
}

LRESULT MainDialog::ClearSelected() {
    const int row = SelectedRow(m_list);
    if (row < 0) {
        ShowMessageBox(m_hWnd, kNothingToClear, kErrorCaption, MessageIcon::Error);
        return 0;
    }
    SetRowFileValue(m_list, row, u"");
    return 0;
}

LRESULT MainDialog::GenerateSet() {
    DialogWindowOperations window(m_hWnd, m_list);
    return ::GenerateSet(window, m_system);
}

#include "ui/DialogWindowOperations.h"

#include "ui/EventList.h"

namespace {

const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

std::u16string DialogWindowOperations::FieldText(int controlId) {
    const HWND field = GetDlgItem(m_dialog, controlId);
    const int length = GetWindowTextLengthW(field);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(field, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void DialogWindowOperations::SetFieldText(int controlId, const std::u16string& text) {
    SetDlgItemTextW(m_dialog, controlId, Wide(text));
}

int DialogWindowOperations::RowCount() {
    return ::RowCount(m_list);
}

std::u16string DialogWindowOperations::RowFileValue(int row) {
    return ::RowFileValue(m_list, row);
}

void DialogWindowOperations::ShowMessage(const std::u16string& text, const std::u16string& caption,
                                         MessageIcon icon) {
    ShowMessageBox(m_dialog, text, caption, icon);
}

void ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption,
                    MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION);
    MessageBoxW(owner, Wide(text), Wide(caption), style);
}

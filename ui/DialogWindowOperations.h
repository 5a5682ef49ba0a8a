#pragma once

#include <windows.h>

#include "generate/Operations.h"

// Set generation's view of the main window: its fields, its list rows and
// message boxes owned by it.
class DialogWindowOperations : public WindowOperations {
public:
    DialogWindowOperations(HWND dialog, HWND list) : m_dialog(dialog), m_list(list) {}

    std::u16string FieldText(int controlId) override;
    void SetFieldText(int controlId, const std::u16string& text) override;
    int RowCount() override;
    std::u16string RowFileValue(int row) override;
    void ShowMessage(const std::u16string& text, const std::u16string& caption,
                     MessageIcon icon) override;

private:
    HWND m_dialog;
    HWND m_list;
};

// A modal message box owned by the window, with an OK button only.
void ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption,
                    MessageIcon icon);

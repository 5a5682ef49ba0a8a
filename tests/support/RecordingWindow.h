#pragma once

#include <map>
#include <string>
#include <vector>

#include "generate/Operations.h"

// A stand-in for the main window: fields and rows set by the test, every
// message box recorded instead of shown.
class RecordingWindow : public WindowOperations {
public:
    struct Message {
        std::u16string text;
        std::u16string caption;
        MessageIcon icon;
    };

    std::map<int, std::u16string> fields;
    std::vector<std::u16string> rows;
    std::vector<Message> messages;
    int setFieldCalls = 0;

    std::u16string FieldText(int controlId) override { return fields[controlId]; }
    void SetFieldText(int controlId, const std::u16string& text) override {
        ++setFieldCalls;
        fields[controlId] = text;
    }
    int RowCount() override { return static_cast<int>(rows.size()); }
    std::u16string RowFileValue(int row) override { return rows.at(static_cast<size_t>(row)); }
    void ShowMessage(const std::u16string& text, const std::u16string& caption,
                     MessageIcon icon) override {
        messages.push_back({text, caption, icon});
    }
};

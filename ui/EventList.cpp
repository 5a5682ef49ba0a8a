#include "ui/EventList.h"

#include <commctrl.h>

#include "catalogue/Catalogue.h"
#include "ui/ExplorerStyle.h"
#include "ui/resource.h"

namespace {

constexpr int kFileColumn = 1;
constexpr int kFileValueBuffer = 4095;

wchar_t* Wide(std::u16string& text) {
    return reinterpret_cast<wchar_t*>(text.data());
}

void InsertColumn(HWND list, int index, const wchar_t* title, int width) {
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title);
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void AppendGroup(HWND list, int group) {
    std::u16string header = GroupHeader(group);
    LVGROUP entry = {};
    // The size every version of the control accepts; later fields stay unused.
    entry.cbSize = LVGROUP_V5_SIZE;
    entry.mask = LVGF_HEADER | LVGF_GROUPID;
    entry.pszHeader = Wide(header);
    entry.iGroupId = group;
    SendMessageW(list, LVM_INSERTGROUP, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&entry));
}

void InsertRow(HWND list, unsigned index) {
    std::u16string label = EventLabel(index);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(index);
    item.pszText = Wide(label);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));

    LVITEMW grouping = {};
    grouping.mask = LVIF_GROUPID;
    grouping.iItem = static_cast<int>(index);
    grouping.iGroupId = EventGroupOf(index);
    SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&grouping));
}

}  // namespace

HWND InitEventList(HWND dialog, ThemeFacts& themeFacts) {
    const HWND list = GetDlgItem(dialog, IDC_EVENTS);
    const LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    if ((style & LVS_SINGLESEL) == 0) {
        SetWindowLongPtrW(list, GWL_STYLE, style | LVS_SINGLESEL);
    }
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    InsertColumn(list, 0, L"Typ", 200);
    InsertColumn(list, 1, L"Plik", 600);
    SendMessageW(list, LVM_ENABLEGROUPVIEW, TRUE, 0);
    if (WantsExplorerStyle(themeFacts)) {
        ApplyExplorerStyle(list);
    }
    for (int group = 0; group < kGroupCount; ++group) {
        AppendGroup(list, group);
    }
    for (unsigned index = 0; index < kEventCount; ++index) {
        InsertRow(list, index);
    }

    const HWND source = GetDlgItem(dialog, IDC_SOURCE);
    for (int position = 0; position < kSourceChoiceCount; ++position) {
        const std::u16string text = SourceChoiceText(position);
        SendMessageW(source, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(source, CB_SETCURSEL, 0, 0);
    return list;
}

int SelectedRow(HWND list) {
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int RowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::u16string RowFileValue(HWND list, int row) {
    std::u16string buffer(kFileValueBuffer, u'\0');
    LVITEMW item = {};
    item.iSubItem = kFileColumn;
    item.pszText = Wide(buffer);
    item.cchTextMax = kFileValueBuffer;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    buffer.resize(std::char_traits<char16_t>::length(buffer.c_str()));
    return buffer;
}

void SetRowFileValue(HWND list, int row, const std::u16string& value) {
    std::u16string text = value;
    LVITEMW item = {};
    item.iSubItem = kFileColumn;
    item.pszText = Wide(text);
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

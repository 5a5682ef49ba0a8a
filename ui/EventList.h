#pragma once

#include <windows.h>

#include <string>

class ThemeFacts;

// Prepares the event list and the source box of the dialog: single
// selection, the two columns, the four groups, one row per catalogue event,
// the five source choices with the first selected. Returns the list.
HWND InitEventList(HWND dialog, ThemeFacts& themeFacts);

// The first selected row, or -1.
int SelectedRow(HWND list);
int RowCount(HWND list);
// The second column of a row, at most 4094 code units.
std::u16string RowFileValue(HWND list, int row);
void SetRowFileValue(HWND list, int row, const std::u16string& value);

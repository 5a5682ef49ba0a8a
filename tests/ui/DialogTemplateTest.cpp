#include "catalogue/Catalogue.h"
#include "tests/ui/ListRecorder.h"
#include "tests/ui/MainDialogFixture.h"

namespace {

using DialogTemplate = MainDialogFixture;

struct ControlCase {
    int id;
    const wchar_t* className;
    std::u16string text;
    RECT units;  // x, y, width, height in dialog units
    LONG style;
};

std::u16string ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    std::u16string text(reinterpret_cast<const char16_t*>(name));
    for (char16_t& unit : text) {
        unit = unit >= u'A' && unit <= u'Z' ? unit + 32 : unit;
    }
    return text;
}

std::u16string Lower(const wchar_t* text) {
    std::u16string lower(reinterpret_cast<const char16_t*>(text));
    for (char16_t& unit : lower) {
        unit = unit >= u'A' && unit <= u'Z' ? unit + 32 : unit;
    }
    return lower;
}

TEST_F(DialogTemplate, ControlsInTabOrderWithTheirIdsTextsPlacesAndStyles) {
    constexpr LONG edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    constexpr LONG label = WS_GROUP | SS_RIGHT | SS_CENTERIMAGE;
    const ControlCase expected[] = {
        {IDC_AUTHOR, L"Edit", u"", {48, 11, 200, 14}, edit},
        {IDC_SETNAME, L"Edit", u"", {294, 11, 200, 14}, edit},
        {IDC_DESCRIPTION, L"Edit", u"", {48, 31, 386, 14}, edit},
        {IDOK, L"Button", u"Zamknij", {444, 346, 50, 12}, WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDC_EVENTS,
         L"SysListView32",
         u"",
         {7, 56, 487, 280},
         WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_ALIGNLEFT},
        {-1, L"Static", u"Opis:", {7, 31, 36, 14}, label},
        {-1, L"Static", u"Autor:", {7, 11, 36, 14}, label},
        {IDC_GENERATE, L"Button", u"Generuj", {444, 31, 50, 14}, WS_TABSTOP | BS_PUSHBUTTON},
        {IDC_ASSIGN, L"Button", u"U&staw...", {7, 346, 100, 12}, WS_TABSTOP | BS_PUSHBUTTON},
        {-1, L"Static", u"Nazwa:", {258, 11, 30, 14}, label},
        {IDC_CLEAR,
         L"Button",
         u"&Usuń zaznaczenie",
         {294, 346, 100, 12},
         WS_TABSTOP | BS_PUSHBUTTON},
        {IDC_SOURCE,
         L"ComboBox",
         u"",
         {113, 345, 175, 30},
         WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST},
    };
    HWND control = GetWindow(Main(), GW_CHILD);
    for (const ControlCase& c : expected) {
        ASSERT_NE(control, nullptr);
        SCOPED_TRACE(testing::PrintToString(c.text) + " id " + std::to_string(c.id));
        EXPECT_EQ(GetDlgCtrlID(control), c.id);
        EXPECT_EQ(ClassOf(control), Lower(c.className));
        if (c.id != IDC_SOURCE && c.id != IDC_EVENTS) {
            EXPECT_EQ(WindowText(control), c.text);
        }
        // The dialog manager draws a border as a sunken client edge, and a
        // combo box hands its scroll bar to its drop-down list.
        LONG style = static_cast<LONG>(GetWindowLongPtrW(control, GWL_STYLE));
        if (GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
            style |= WS_BORDER;
        }
        const LONG wanted = (c.id == IDC_SOURCE ? c.style & ~WS_VSCROLL : c.style);
        EXPECT_EQ(style & (wanted | WS_CHILD | WS_VISIBLE), wanted | WS_CHILD | WS_VISIBLE);
        // Position and size are each converted from dialog units.
        RECT pixels = c.units;
        MapDialogRect(Main(), &pixels);
        const RECT actual = ClientRect(control);
        EXPECT_EQ(actual.left, pixels.left);
        EXPECT_EQ(actual.top, pixels.top);
        EXPECT_EQ(actual.right - actual.left, pixels.right);
        if (c.id != IDC_SOURCE) {  // a combo box is as tall as its edit part
            EXPECT_EQ(actual.bottom - actual.top, pixels.bottom);
        }
        control = GetWindow(control, GW_HWNDNEXT);
    }
    // The only other child is the size grip.
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetDlgCtrlID(control), kSizeGripId);
    EXPECT_EQ(ClassOf(control), u"scrollbar");
    const LONG gripStyle = static_cast<LONG>(GetWindowLongPtrW(control, GWL_STYLE));
    const LONG gripExpected = SBS_SIZEBOX | SBS_SIZEGRIP | WS_CLIPSIBLINGS;
    EXPECT_EQ(gripStyle & gripExpected, gripExpected);
    EXPECT_EQ(GetWindow(control, GW_HWNDNEXT), nullptr);
}

TEST_F(DialogTemplate, FrameCaptionAndStyles) {
    EXPECT_EQ(WindowText(Main()), u"Tonvaro v0.3");
    const LONG style = static_cast<LONG>(GetWindowLongPtrW(Main(), GWL_STYLE));
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & DS_MODALFRAME);
    const LONG extended = static_cast<LONG>(GetWindowLongPtrW(Main(), GWL_EXSTYLE));
    EXPECT_TRUE(extended & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(SendMessageW(Main(), WM_GETICON, ICON_SMALL, 0), 0);
    // 501 x 365 dialog units of client area.
    RECT units = {0, 0, 501, 365};
    MapDialogRect(Main(), &units);
    RECT client = {};
    GetClientRect(Main(), &client);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);
}

TEST_F(DialogTemplate, EventListStartsWithTheCatalogueAndNoSelection) {
    ASSERT_EQ(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 32);
    for (int row = 0; row < 32; ++row) {
        EXPECT_EQ(Cell(row, 0), EventLabel(static_cast<unsigned>(row))) << row;
        EXPECT_EQ(Cell(row, 1), u"") << row;
    }
    EXPECT_EQ(SendMessageW(List(), LVM_GETSELECTEDCOUNT, 0, 0), 0);

    const struct {
        const char16_t* title;
        int width;
    } columns[] = {{u"Typ", 200}, {u"Plik", 600}};
    for (int index = 0; index < 2; ++index) {
        wchar_t title[32] = {};
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = title;
        column.cchTextMax = 32;
        ASSERT_TRUE(SendMessageW(List(), LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&column)));
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(title)), columns[index].title);
        EXPECT_EQ(column.cx, columns[index].width);
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    }
    EXPECT_FALSE(SendMessageW(List(), LVM_GETCOLUMNW, 2, 0));

    EXPECT_EQ(SendMessageW(List(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
              LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    EXPECT_TRUE(GetWindowLongPtrW(List(), GWL_STYLE) & LVS_SINGLESEL);
}

TEST_F(DialogTemplate, OnlyOneRowCanBeSelected) {
    SelectRow(3);
    SelectRow(7);
    EXPECT_EQ(SendMessageW(List(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 7);
}

TEST_F(DialogTemplate, SourceBoxOffersTheFileAndTheFourPlaceholders) {
    const HWND source = Item(IDC_SOURCE);
    ASSERT_EQ(SendMessageW(source, CB_GETCOUNT, 0, 0), 5);
    for (int position = 0; position < 5; ++position) {
        wchar_t text[64] = {};
        SendMessageW(source, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)),
                  SourceChoiceText(position));
    }
    EXPECT_EQ(SendMessageW(source, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(DialogTemplate, EveryControlUsesTheMessageFont) {
    const HFONT font = m_dialog.Font();
    ASSERT_NE(font, nullptr);
    for (HWND child = GetWindow(Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) != kSizeGripId) {
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), font)
                << GetDlgCtrlID(child);
        }
    }
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ASSERT_EQ(sizeof(metrics), 504u);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    LOGFONTW used = {};
    ASSERT_TRUE(GetObjectW(font, sizeof(used), &used));
    EXPECT_EQ(std::wstring(used.lfFaceName), std::wstring(metrics.lfMessageFont.lfFaceName));
    EXPECT_EQ(used.lfHeight, metrics.lfMessageFont.lfHeight);
}

TEST(DialogGroups, TheProgramSendsTheFourGroupsAndEachRowsGroup) {
    ListRecorder recorder;
    TestSystem system(u"C:\\Tonvaro.exe");
    SystemThemeFacts facts;
    MainDialog dialog(system, ReadWindowsVersion, facts);
    ASSERT_NE(dialog.Create(nullptr), nullptr);

    const auto enables = recorder.Of(LVM_ENABLEGROUPVIEW);
    ASSERT_EQ(enables.size(), 1u);
    EXPECT_EQ(enables[0].wParam, WPARAM{TRUE});

    const auto groups = recorder.Of(LVM_INSERTGROUP);
    ASSERT_EQ(groups.size(), 4u);
    for (int group = 0; group < 4; ++group) {
        EXPECT_EQ(groups[group].wParam, static_cast<WPARAM>(-1));  // appended
        EXPECT_EQ(groups[group].groupId, group);
        EXPECT_EQ(groups[group].text, GroupHeader(group));
        EXPECT_EQ(groups[group].mask & (LVGF_HEADER | LVGF_GROUPID),
                  UINT{LVGF_HEADER | LVGF_GROUPID});
    }

    // Each row is inserted with its label, then put into its group.
    std::vector<ListRecorder::Sent> rows;
    for (const auto& one : recorder.sent) {
        if (one.message == LVM_INSERTITEMW ||
            (one.message == LVM_SETITEMW && (one.mask & LVIF_GROUPID))) {
            rows.push_back(one);
        }
    }
    ASSERT_EQ(rows.size(), 64u);
    for (unsigned index = 0; index < 32; ++index) {
        const auto& insert = rows[2 * index];
        const auto& grouping = rows[2 * index + 1];
        EXPECT_EQ(insert.message, UINT{LVM_INSERTITEMW});
        EXPECT_EQ(insert.item, static_cast<int>(index));
        EXPECT_EQ(insert.text, EventLabel(index));
        EXPECT_EQ(grouping.message, UINT{LVM_SETITEMW});
        EXPECT_EQ(grouping.item, static_cast<int>(index));
        EXPECT_EQ(grouping.groupId, EventGroupOf(index));
    }
    DestroyWindow(dialog.m_hWnd);
}

}  // namespace

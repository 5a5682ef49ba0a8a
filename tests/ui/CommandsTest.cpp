#include "catalogue/Catalogue.h"
#include "tests/ui/MainDialogFixture.h"

namespace {

using Commands = MainDialogFixture;
using FileDialogKind = PopupResponder::FileDialogKind;

constexpr char16_t kAssignWithoutRow[] =
    u"Musisz zaznaczyć na liście element do którego chcesz przypisać plik!";
constexpr char16_t kClearWithoutRow[] =
    u"Musisz zaznaczyć na liście element w którym chcesz usunąć plik!";

TEST_F(Commands, WithoutASelectedRowBothCommandsExplainAndChangeNothing) {
    const struct {
        int command;
        const char16_t* message;
    } cases[] = {{IDC_ASSIGN, kAssignWithoutRow}, {IDC_CLEAR, kClearWithoutRow}};
    for (const auto& c : cases) {
        m_responder.messageBoxes.clear();
        Command(c.command);
        ExpectOneMessageBox(c.message, u"Błąd", true);
    }
    EXPECT_TRUE(m_responder.fileDialogs.empty());
    for (int row = 0; row < 32; ++row) {
        EXPECT_EQ(Cell(row, 1), u"");
    }
}

TEST_F(Commands, PlaceholdersAreAssignedWithoutADialog) {
    const std::u16string placeholders[] = {u"%beep%", u"%warning%", u"%error%", u"%info%"};
    for (int position = 1; position <= 4; ++position) {
        SelectRow(position * 5);
        SetSource(position);
        Command(IDC_ASSIGN);
        EXPECT_EQ(Cell(position * 5, 1), placeholders[position - 1]);
    }
    EXPECT_TRUE(m_responder.fileDialogs.empty());
    EXPECT_TRUE(m_responder.messageBoxes.empty());
    EXPECT_EQ(Cell(0, 1), u"");
}

struct PickCase {
    const char* name;
    WindowsVersion version;
    FileDialogKind dialog;
};

class FilePicking : public MainDialogFixture, public testing::WithParamInterface<PickCase> {};

TEST_P(FilePicking, PickedFileReplacesTheOldValueAndCancelKeepsIt) {
    s_version = GetParam().version;
    const std::u16string first = m_temp.Path() + u"\\Muzyka\\dzwięk pierwszy.wav";
    const std::u16string second = m_temp.Path() + u"\\Muzyka\\żółw.mp3";
    WriteBytesTo(first, "1");
    WriteBytesTo(second, "2");
    SelectRow(29);

    m_responder.PlanFileAnswer({first, nullptr});
    Command(IDC_ASSIGN);
    EXPECT_EQ(Cell(29, 1), first);

    m_responder.PlanFileAnswer({second, nullptr});
    Command(IDC_ASSIGN);
    EXPECT_EQ(Cell(29, 1), second);

    m_responder.PlanFileAnswer({u"", nullptr});  // cancel
    Command(IDC_ASSIGN);
    EXPECT_EQ(Cell(29, 1), second);

    EXPECT_EQ(m_responder.fileDialogs, std::vector<FileDialogKind>(3, GetParam().dialog));
    EXPECT_EQ(m_responder.PlannedLeft(), 0u);
    EXPECT_TRUE(m_responder.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Versions, FilePicking,
    testing::Values(PickCase{"Windows7", {true, 6, 1}, FileDialogKind::Modern},
                    PickCase{"WindowsXP", {true, 5, 1}, FileDialogKind::Classic},
                    PickCase{"Windows98", {true, 4, 10}, FileDialogKind::Classic},
                    PickCase{"VersionUnknown", {false, 0, 0}, FileDialogKind::Classic}),
    [](const testing::TestParamInfo<PickCase>& info) { return std::string(info.param.name); });

TEST_F(Commands, FileGoesToTheRowSelectedWhenTheCommandStarted) {
    const std::u16string sound = m_temp.Path() + u"\\a.wav";
    WriteBytesTo(sound, "a");
    SelectRow(2);
    m_responder.PlanFileAnswer({sound, [this] {
                                    // The main window stays usable while the
                                    // modern dialog is open.
                                    EXPECT_TRUE(IsWindowEnabled(Main()));
                                    SelectRow(10);
                                }});
    Command(IDC_ASSIGN);
    EXPECT_EQ(Cell(2, 1), sound);
    EXPECT_EQ(Cell(10, 1), u"");
}

TEST_F(Commands, ClearEmptiesOnlyTheSelectedRowsFile) {
    SetCell(4, u"%beep%");
    SetCell(5, u"C:\\x.wav");
    SelectRow(4);
    Command(IDC_CLEAR);
    EXPECT_EQ(Cell(4, 1), u"");
    EXPECT_EQ(Cell(4, 0), u"Rozmowa (okno aktywne)");
    EXPECT_EQ(Cell(5, 1), u"C:\\x.wav");
    // Clearing an empty row is quiet.
    Command(IDC_CLEAR);
    EXPECT_EQ(Cell(4, 1), u"");
    EXPECT_TRUE(m_responder.messageBoxes.empty());
}

TEST_F(Commands, ListKeysAndClicksNeitherEditNorSort) {
    SetCell(0, u"%info%");
    SelectRow(0);
    SendMessageW(List(), WM_KEYDOWN, VK_DELETE, 0);
    SendMessageW(List(), WM_KEYDOWN, VK_F2, 0);
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = List();
    click.hdr.idFrom = IDC_EVENTS;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iSubItem = 0;
    SendMessageW(Main(), WM_NOTIFY, IDC_EVENTS, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(SendMessageW(List(), LVM_GETEDITCONTROL, 0, 0), 0);
    EXPECT_EQ(Cell(0, 1), u"%info%");
    for (unsigned row = 0; row < 32; ++row) {
        EXPECT_EQ(Cell(static_cast<int>(row), 0), EventLabel(row));
    }
    EXPECT_TRUE(m_responder.messageBoxes.empty());
}

}  // namespace

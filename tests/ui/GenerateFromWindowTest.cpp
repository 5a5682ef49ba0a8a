#include "tests/ui/MainDialogFixture.h"

namespace {

using GenerateFromWindow = MainDialogFixture;

TEST_F(GenerateFromWindow, WorkedExampleWritesTheSetBesideTheProgram) {
    const std::u16string start = m_temp.Path() + u"\\Muzyka\\start.wav";
    WriteBytesTo(start, "RIFF start");
    SetText(Item(IDC_SETNAME), u"Mój zestaw!");
    SetText(Item(IDC_AUTHOR), u"R&B Studio");

    SelectRow(0);
    SetSource(3);
    Command(IDC_ASSIGN);
    SelectRow(3);
    SetSource(0);
    m_responder.PlanFileAnswer({start, nullptr});
    Command(IDC_ASSIGN);
    Command(IDC_GENERATE);

    ExpectOneMessageBox(u"Poprawnie wygenerowano zestaw!", u"Tonvaro", false);
    EXPECT_EQ(WindowText(Item(IDC_SETNAME)), u"Mój_zestaw_");
    EXPECT_EQ(ReadBytes(m_apps + u"Mój_zestaw_.xml"), TestDataFile("worked-example.xml"));
    EXPECT_EQ(ReadBytes(m_apps + u"Mój_zestaw_\\start.wav"), "RIFF start");
    // The rows are left as they were.
    EXPECT_EQ(Cell(3, 1), start);
    EXPECT_EQ(Cell(0, 1), u"%error%");
}

TEST_F(GenerateFromWindow, RefusalsShowTheirMessage) {
    const struct {
        std::u16string name;
        std::u16string shown;
        std::u16string message;
    } cases[] = {
        {u"", u"", u"Musisz podać nazwę folderu docelowego!"},
        {u"con", u"con",
         u"Program nie mógł utworzyć katalogu docelowego (prawopodobnie nie ma uprawnień). "
         u"Spróbuj przenieść aplikację do innego katalogu i uruchom ją ponownie."},
    };
    for (const auto& c : cases) {
        m_responder.messageBoxes.clear();
        SetText(Item(IDC_SETNAME), c.name);
        Command(IDC_GENERATE);
        ExpectOneMessageBox(c.message, u"Błąd", true);
        EXPECT_EQ(WindowText(Item(IDC_SETNAME)), c.shown);
    }
    EXPECT_TRUE(std::filesystem::is_empty(NativePath(m_apps)));
}

TEST_F(GenerateFromWindow, FailuresAreReportedNeverAsSuccess) {
    const std::u16string gone = m_temp.Path() + u"\\gone.wav";
    const std::u16string kept = m_temp.Path() + u"\\kept.wav";
    WriteBytesTo(gone, "gone");
    WriteBytesTo(kept, "kept");
    SelectRow(1);
    m_responder.PlanFileAnswer({gone, nullptr});
    Command(IDC_ASSIGN);
    SelectRow(2);
    m_responder.PlanFileAnswer({kept, nullptr});
    Command(IDC_ASSIGN);
    std::filesystem::remove(NativePath(gone));
    std::filesystem::create_directories(NativePath(m_apps + u"zepsuty.xml"));

    SetText(Item(IDC_SETNAME), u"zepsuty");
    Command(IDC_GENERATE);

    ExpectOneMessageBox(u"Nie udało się skopiować plików:\n" + gone +
                            u"\n\nNie udało się zapisać pliku opisu zestawu:\n" + m_apps +
                            u"zepsuty.xml",
                        u"Błąd", true);
    EXPECT_EQ(ReadBytes(m_apps + u"zepsuty\\kept.wav"), "kept");
}

}  // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "catalogue/Catalogue.h"
#include "generate/GenerateSet.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSystem.h"
#include "tests/support/XmlReader.h"
#include "xml/Utf8.h"

namespace {

constexpr char16_t kFolderMessage[] =
    u"Program nie mógł utworzyć katalogu docelowego (prawopodobnie nie ma uprawnień). "
    u"Spróbuj przenieść aplikację do innego katalogu i uruchom ją ponownie.";

// The descriptor for 32 rows, built here by hand: values already escaped.
std::string ExpectedDescriptor(const std::string& author, const std::string& description,
                               const std::map<unsigned, std::string>& files) {
    std::string document = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    document += "<zykChimes author=\"" + author + "\" description=\"" + description + "\">\n";
    for (unsigned i = 0; i < kEventCount; ++i) {
        const auto file = files.find(i);
        document += "\t<item type=\"" + ToUtf8(EventId(i)) + "\" file=\"" +
                    (file == files.end() ? "" : file->second) + "\"/>\t\n";
    }
    return document + "</zykChimes>\n";
}

// A program folder with the executable "maker.exe", a folder of sounds and a
// window of 32 empty rows.
class GenerateSetTest : public testing::Test {
protected:
    GenerateSetTest()
        : m_apps(m_temp.Path() + u"\\Apps\\"),
          m_sounds(m_temp.Path() + u"\\Muzyka\\"),
          m_system(m_apps + u"maker.exe") {
        std::filesystem::create_directories(NativePath(m_apps));
        m_window.rows.assign(kEventCount, u"");
    }

    std::u16string Sound(const std::u16string& relative, const std::string& bytes) {
        const std::u16string path = m_sounds + relative;
        WriteBytesTo(path, bytes);
        return path;
    }

    void Generate(const std::u16string& name, SystemOperations* system = nullptr) {
        m_window.fields[kSetNameField] = name;
        EXPECT_EQ(GenerateSet(m_window, system ? *system : m_system), 0);
    }

    void ExpectOneMessage(const std::u16string& text, const std::u16string& caption,
                          MessageIcon icon) {
        ASSERT_EQ(m_window.messages.size(), 1u);
        EXPECT_EQ(m_window.messages[0].text, text);
        EXPECT_EQ(m_window.messages[0].caption, caption);
        EXPECT_EQ(m_window.messages[0].icon, icon);
    }

    void ExpectSuccess() {
        ExpectOneMessage(u"Poprawnie wygenerowano zestaw!", u"Tonvaro", MessageIcon::Information);
    }

    // What a conforming reader makes of the descriptor: every value that went in.
    void ExpectReadsBack(const std::string& document, const std::string& author,
                         const std::string& description,
                         const std::map<unsigned, std::string>& files) {
        if (!HaveXmlReader()) {
            return;
        }
        const ReadResult read = ReadXml(document);
        ASSERT_TRUE(read.wellFormed) << read.error;
        EXPECT_EQ(read.root.name, "zykChimes");
        ASSERT_EQ(read.root.attributes.size(), 2u);
        EXPECT_EQ(read.root.attributes[0], std::make_pair(std::string("author"), author));
        EXPECT_EQ(read.root.attributes[1], std::make_pair(std::string("description"), description));
        ASSERT_EQ(read.root.children.size(), m_window.rows.size());
        for (unsigned i = 0; i < read.root.children.size(); ++i) {
            const ReadElement& item = read.root.children[i];
            EXPECT_EQ(item.name, "item");
            ASSERT_EQ(item.attributes.size(), 2u);
            EXPECT_EQ(item.attributes[0].second, ToUtf8(EventId(i)));
            const auto file = files.find(i);
            EXPECT_EQ(item.attributes[1].second, file == files.end() ? "" : file->second) << i;
        }
    }

    std::vector<std::u16string> FolderContents(const std::u16string& folder) {
        std::vector<std::u16string> names;
        for (const auto& entry : std::filesystem::directory_iterator(NativePath(folder))) {
            names.push_back(entry.path().filename().u16string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder m_temp;
    std::u16string m_apps;
    std::u16string m_sounds;
    TestSystem m_system;
    RecordingWindow m_window;
};

TEST_F(GenerateSetTest, WorkedExampleMatchesTheGoldenFile) {
    m_window.fields[kAuthorField] = u"R&B Studio";
    m_window.rows[0] = u"%error%";
    m_window.rows[3] = Sound(u"start.wav", "RIFF-start");

    Generate(u"Mój zestaw!");

    ExpectSuccess();
    EXPECT_EQ(m_window.fields[kSetNameField], u"Mój_zestaw_");
    EXPECT_EQ(ReadBytes(m_apps + u"Mój_zestaw_\\start.wav"), "RIFF-start");
    const std::string descriptor = ReadBytes(m_apps + u"Mój_zestaw_.xml");
    EXPECT_EQ(descriptor, TestDataFile("worked-example.xml"));
    ExpectReadsBack(descriptor, "R&B Studio", "",
                    {{0, "%error%"}, {3, "M\xC3\xB3j_zestaw_\\start.wav"}});
    EXPECT_EQ(FolderContents(m_apps),
              (std::vector<std::u16string>{u"Mój_zestaw_", u"Mój_zestaw_.xml"}));
}

TEST_F(GenerateSetTest, EveryUserTextReadsBackExactly) {
    const std::u16string author = u"A <b> & \"c\" it's\ttab\r\nline &amp;";
    const std::u16string description = u"Zażółć gęślą jaźń \U0001F3B5 中文";
    m_window.fields[kAuthorField] = author;
    m_window.fields[kDescriptionField] = description;
    m_window.rows[5] = u"%beep%";

    Generate(u"set");

    ExpectSuccess();
    const std::string descriptor = ReadBytes(m_apps + u"set.xml");
    EXPECT_EQ(descriptor, ExpectedDescriptor(
                              "A &lt;b&gt; &amp; &quot;c&quot; it's&#9;tab&#13;&#10;line &amp;amp;",
                              ToUtf8(description), {{5, "%beep%"}}));
    ExpectReadsBack(descriptor, ToUtf8(author), ToUtf8(description), {{5, "%beep%"}});
    // Placeholders and empty rows copy nothing.
    EXPECT_TRUE(FolderContents(m_apps + u"set").empty());
}

TEST_F(GenerateSetTest, EmptyNameIsRefusedAndNothingChanges) {
    Generate(u"");
    ExpectOneMessage(u"Musisz podać nazwę folderu docelowego!", u"Błąd", MessageIcon::Error);
    EXPECT_EQ(m_window.setFieldCalls, 0);
    EXPECT_TRUE(FolderContents(m_apps).empty());
}

TEST_F(GenerateSetTest, ExistingFolderIsRefusedAndLeftAlone) {
    WriteBytesTo(m_apps + u"___\\keep.wav", "old");
    m_window.rows[0] = Sound(u"a.wav", "new");

    Generate(u"!!!");

    ExpectOneMessage(kFolderMessage, u"Błąd", MessageIcon::Error);
    EXPECT_EQ(m_window.fields[kSetNameField], u"___");
    EXPECT_EQ(FolderContents(m_apps + u"___"), std::vector<std::u16string>{u"keep.wav"});
    EXPECT_FALSE(Exists(m_apps + u"___.xml"));
}

TEST_F(GenerateSetTest, FolderThatCannotBeMadeIsReported) {
    TestSystem missingProgramFolder(m_temp.Path() + u"\\gone\\maker.exe");
    Generate(u"Mój zestaw", &missingProgramFolder);
    ExpectOneMessage(kFolderMessage, u"Błąd", MessageIcon::Error);
    EXPECT_EQ(m_window.fields[kSetNameField], u"Mój_zestaw");
    EXPECT_FALSE(Exists(m_temp.Path() + u"\\gone"));
}

TEST_F(GenerateSetTest, DeviceNamesAreRefusedBeforeAnythingIsWritten) {
    m_window.rows[0] = Sound(u"a.wav", "a");
    for (const char16_t* name : {u"CON", u"nul", u"Aux", u"prn", u"COM1", u"lpt9", u"COM\u00B9"}) {
        m_window.messages.clear();
        Generate(name);
        ExpectOneMessage(kFolderMessage, u"Błąd", MessageIcon::Error);
        EXPECT_EQ(m_window.fields[kSetNameField], name);
    }
    EXPECT_TRUE(FolderContents(m_apps).empty());
}

TEST_F(GenerateSetTest, NoRowsGiveAOneLineRoot) {
    m_window.rows.clear();
    m_window.fields[kAuthorField] = u"a";
    Generate(u"empty");
    ExpectSuccess();
    EXPECT_EQ(ReadBytes(m_apps + u"empty.xml"),
              "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
              "<zykChimes author=\"a\" description=\"\"/>\n");
}

TEST_F(GenerateSetTest, SameFileNameFromDifferentFoldersKeepsBothSounds) {
    m_window.rows[1] = Sound(u"one\\start.wav", "first");
    m_window.rows[2] = Sound(u"two\\START.WAV", "second");
    m_window.rows[3] = Sound(u"three\\start", "no extension");
    m_window.rows[4] = Sound(u"four\\start_2.wav", "really named start_2");
    m_window.rows[5] = Sound(u"five\\start", "no extension again");
    m_window.rows[6] = Sound(u"six\\a.b.wav", "two dots");
    m_window.rows[7] = Sound(u"seven\\a.b.wav", "two dots again");

    Generate(u"dup");

    ExpectSuccess();
    const std::map<unsigned, std::string> files = {{1, "dup\\start.wav"}, {2, "dup\\START_2.WAV"},
                                                   {3, "dup\\start"},     {4, "dup\\start_2_2.wav"},
                                                   {5, "dup\\start_2"},   {6, "dup\\a.b.wav"},
                                                   {7, "dup\\a.b_2.wav"}};
    const std::string descriptor = ReadBytes(m_apps + u"dup.xml");
    EXPECT_EQ(descriptor, ExpectedDescriptor("", "", files));
    ExpectReadsBack(descriptor, "", "", files);
    const std::u16string set = m_apps + u"dup\\";
    EXPECT_EQ(ReadBytes(set + u"start.wav"), "first");
    EXPECT_EQ(ReadBytes(set + u"START_2.WAV"), "second");
    EXPECT_EQ(ReadBytes(set + u"start"), "no extension");
    EXPECT_EQ(ReadBytes(set + u"start_2_2.wav"), "really named start_2");
    EXPECT_EQ(ReadBytes(set + u"start_2"), "no extension again");
    EXPECT_EQ(ReadBytes(set + u"a.b.wav"), "two dots");
    EXPECT_EQ(ReadBytes(set + u"a.b_2.wav"), "two dots again");
    EXPECT_EQ(FolderContents(set).size(), 7u);
}

TEST_F(GenerateSetTest, SameSourceIsCopiedOnceAndNamedAlike) {
    const std::u16string source = Sound(u"ding.mp3", "ding");
    m_window.rows[0] = source;
    m_window.rows[9] = m_sounds + u"DING.MP3";  // the same file, as Windows compares paths
    m_window.rows[30] = source;
    FailingSystem counting(m_system);

    Generate(u"once", &counting);

    ExpectSuccess();
    EXPECT_EQ(counting.copies, 1);
    const std::map<unsigned, std::string> files = {
        {0, "once\\ding.mp3"}, {9, "once\\ding.mp3"}, {30, "once\\ding.mp3"}};
    EXPECT_EQ(ReadBytes(m_apps + u"once.xml"), ExpectedDescriptor("", "", files));
    EXPECT_EQ(FolderContents(m_apps + u"once"), std::vector<std::u16string>{u"ding.mp3"});
}

TEST_F(GenerateSetTest, FailedCopiesAreReportedAndTheRestIsStillWritten) {
    m_window.rows[0] = m_sounds + u"missing.wav";
    m_window.rows[1] = Sound(u"ok.wav", "ok");
    m_window.rows[2] = m_sounds + u"also missing.mp3";

    Generate(u"partial");

    ExpectOneMessage(u"Nie udało się skopiować plików:\n" + m_sounds + u"missing.wav\n" + m_sounds +
                         u"also missing.mp3",
                     u"Błąd", MessageIcon::Error);
    EXPECT_EQ(ReadBytes(m_apps + u"partial\\ok.wav"), "ok");
    const std::map<unsigned, std::string> files = {
        {0, "partial\\missing.wav"}, {1, "partial\\ok.wav"}, {2, "partial\\also missing.mp3"}};
    EXPECT_EQ(ReadBytes(m_apps + u"partial.xml"), ExpectedDescriptor("", "", files));
}

TEST_F(GenerateSetTest, DescriptorThatCannotBeCreatedIsReportedAfterTheCopies) {
    // A folder standing where the descriptor goes.
    std::filesystem::create_directories(NativePath(m_apps + u"blocked.xml"));
    m_window.rows[0] = m_sounds + u"missing.wav";
    m_window.rows[1] = Sound(u"ok.wav", "ok");

    Generate(u"blocked");

    ExpectOneMessage(u"Nie udało się skopiować plików:\n" + m_sounds +
                         u"missing.wav\n\nNie udało się zapisać pliku opisu zestawu:\n" + m_apps +
                         u"blocked.xml",
                     u"Błąd", MessageIcon::Error);
    EXPECT_EQ(ReadBytes(m_apps + u"blocked\\ok.wav"), "ok");
}

TEST_F(GenerateSetTest, IncompleteDescriptorWritesAreReported) {
    const struct {
        bool failWrites;
        bool failClose;
    } cases[] = {{true, false}, {false, true}};
    int n = 0;
    for (const auto& c : cases) {
        FailingSystem failing(m_system);
        failing.failWrites = c.failWrites;
        failing.failClose = c.failClose;
        m_window.messages.clear();
        const std::u16string name = u"short" + std::u16string(1, static_cast<char16_t>(u'0' + n++));
        Generate(name, &failing);
        ExpectOneMessage(u"Nie udało się zapisać pliku opisu zestawu:\n" + m_apps + name + u".xml",
                         u"Błąd", MessageIcon::Error);
    }
}

TEST_F(GenerateSetTest, CopyFailureTheFileSystemCannotShowIsReported) {
    const std::u16string source = Sound(u"x.wav", "x");
    m_window.rows[0] = source;
    FailingSystem failing(m_system);
    failing.failingCopies.push_back(source);
    Generate(u"copyfail", &failing);
    ExpectOneMessage(u"Nie udało się skopiować plików:\n" + source, u"Błąd", MessageIcon::Error);
    EXPECT_EQ(ReadBytes(m_apps + u"copyfail.xml"),
              ExpectedDescriptor("", "", {{0, "copyfail\\x.wav"}}));
}

TEST_F(GenerateSetTest, DescriptorLeftFromAnEarlierSetIsReplaced) {
    WriteBytesTo(m_apps + u"again.xml", std::string(5000, 'x'));
    Generate(u"again");
    ExpectSuccess();
    EXPECT_EQ(ReadBytes(m_apps + u"again.xml"), ExpectedDescriptor("", "", {}));
}

TEST_F(GenerateSetTest, SecondRunWithTheSameNameFailsAtTheFolder) {
    Generate(u"twice");
    m_window.messages.clear();
    Generate(u"twice");
    ExpectOneMessage(kFolderMessage, u"Błąd", MessageIcon::Error);
}

}  // namespace

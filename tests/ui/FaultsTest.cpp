#include <cstdlib>

#include "tests/support/WinePath.h"
#include "tests/ui/MainDialogFixture.h"

namespace {

constexpr char16_t kEmptyName[] = u"Musisz podać nazwę folderu docelowego!";
constexpr char16_t kNoFolder[] =
    u"Program nie mógł utworzyć katalogu docelowego (prawopodobnie nie ma uprawnień). "
    u"Spróbuj przenieść aplikację do innego katalogu i uruchom ją ponownie.";
constexpr char16_t kGenerated[] = u"Poprawnie wygenerowano zestaw!";
constexpr char16_t kCopyFailed[] = u"Nie udało się skopiować plików:\n";
constexpr char16_t kDescriptorFailed[] = u"Nie udało się zapisać pliku opisu zestawu:\n";

// Every case runs through the real window with the program in a folder of its
// own, and ends in exactly one message.
class Faults : public MainDialogFixture {
protected:
    // Puts the program into folder (made if needed) and returns it with a
    // trailing backslash.
    std::u16string PlaceProgram(const std::u16string& folder) {
        std::filesystem::create_directories(NativePath(folder));
        m_system.SetProgramPath(folder + u"\\Tonvaro.exe");
        return folder + u"\\";
    }

    void Generate(const std::u16string& name) {
        m_responder.messageBoxes.clear();
        SetText(Item(IDC_SETNAME), name);
        Command(IDC_GENERATE);
    }

    std::vector<std::u16string> Contents(const std::u16string& folder) {
        std::vector<std::u16string> names;
        for (const auto& entry : std::filesystem::directory_iterator(NativePath(folder))) {
            names.push_back(entry.path().filename().u16string());
        }
        return names;
    }

    // A folder prepared by the test script as root (a read-only mount, a
    // small file system), as a Windows path; empty when there is none.
    static std::u16string PreparedFolder(const char* variable) {
        const char* path = std::getenv(variable);
        if (path == nullptr || *path == '\0') {
            return {};
        }
        const std::wstring windows = WindowsPathFromLinux(path);
        return std::u16string(windows.begin(), windows.end());
    }
};

struct NameCase {
    std::u16string typed;
    std::u16string used;  // what the name field shows afterwards
    const char16_t* message;
};

std::vector<NameCase> NameCases() {
    std::vector<NameCase> cases = {
        {u"", u"", kEmptyName},
        {u"   ", u"___", kGenerated},
        {u"!!!", u"___", kGenerated},
        {u"Mój zestaw!", u"Mój_zestaw_", kGenerated},
        {u"中文歌曲", u"中文歌曲", kGenerated},
        {u"\U0001F3B5 nuty", u"___nuty", kGenerated},
        // Longer than any single name a file system takes.
        {std::u16string(300, u'a'), std::u16string(300, u'a'), kNoFolder},
    };
    for (const char16_t* device : {u"CON", u"con", u"Prn", u"AUX", u"nUl"}) {
        cases.push_back({device, device, kNoFolder});
    }
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
        cases.push_back(
            {std::u16string(u"COM") + digit, std::u16string(u"COM") + digit, kNoFolder});
        cases.push_back(
            {std::u16string(u"lpt") + digit, std::u16string(u"lpt") + digit, kNoFolder});
    }
    cases.push_back({u"Com\u00B9", u"Com\u00B9", kNoFolder});
    return cases;
}

TEST_F(Faults, SetNames) {
    const std::u16string sound = m_temp.Path() + u"\\dzwiek.wav";
    WriteBytesTo(sound, "RIFF");
    SetCell(2, sound);
    int n = 0;
    for (const NameCase& c : NameCases()) {
        SCOPED_TRACE(testing::PrintToString(c.typed));
        const std::u16string apps =
            PlaceProgram(m_temp.Path() + u"\\names" + u"_" + std::u16string(1, u'a' + n / 26) +
                         std::u16string(1, u'a' + n % 26));
        ++n;
        Generate(c.typed);
        ASSERT_EQ(m_responder.messageBoxes.size(), 1u);
        EXPECT_EQ(m_responder.messageBoxes[0].text, c.message);
        EXPECT_EQ(WindowText(Item(IDC_SETNAME)), c.used);
        if (c.message == kGenerated) {
            EXPECT_EQ(ReadBytes(apps + c.used + u"\\dzwiek.wav"), "RIFF");
            EXPECT_EQ(ReadBytes(apps + c.used + u".xml").substr(0, 3), "\xEF\xBB\xBF");
        } else {
            // Refused before anything was written; no descriptor went to a device.
            EXPECT_TRUE(Contents(apps).empty());
        }
    }
}

TEST_F(Faults, ExistingSetFolderIsLeftAlone) {
    const std::u16string apps = PlaceProgram(m_temp.Path() + u"\\existing");
    WriteBytesTo(apps + u"stary\\plik.wav", "old");
    WriteBytesTo(apps + u"stary.xml", "old descriptor");
    Generate(u"stary");
    ExpectOneMessageBox(kNoFolder, u"Błąd", true);
    EXPECT_EQ(ReadBytes(apps + u"stary\\plik.wav"), "old");
    EXPECT_EQ(ReadBytes(apps + u"stary.xml"), "old descriptor");
}

TEST_F(Faults, ProgramFolderNotWritable) {
    const std::u16string readOnly = PreparedFolder("TONVARO_READONLY_DIR");
    if (readOnly.empty()) {
        GTEST_SKIP() << "no read-only folder: scripts/test.sh makes one with a read-only bind "
                        "mount when it runs as root";
    }
    m_system.SetProgramPath(readOnly + u"\\Tonvaro.exe");
    Generate(u"zestaw");
    ExpectOneMessageBox(kNoFolder, u"Błąd", true);
    EXPECT_TRUE(Contents(readOnly + u"\\").empty());
}

// Another process that holds files open without sharing until it goes.
class HeldByAnotherProcess {
public:
    explicit HeldByAnotherProcess(const std::vector<std::u16string>& paths) {
        SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
        HANDLE childInput = nullptr;
        HANDLE childOutput = nullptr;
        CreatePipe(&childInput, &m_input, &inherit, 0);
        CreatePipe(&m_output, &childOutput, &inherit, 0);
        SetHandleInformation(m_input, HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);

        std::wstring command = L"\"" + ProgramPath() + L"\"";
        for (const std::u16string& path : paths) {
            command += L" \"" + std::wstring(path.begin(), path.end()) + L"\"";
        }
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childInput;
        startup.hStdOutput = childOutput;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                           &startup, &m_process)) {
            char answer[16] = {};
            DWORD read = 0;
            ReadFile(m_output, answer, sizeof(answer) - 1, &read, nullptr);
            m_held = std::string(answer).starts_with("held");
        }
        CloseHandle(childInput);
        CloseHandle(childOutput);
    }
    ~HeldByAnotherProcess() {
        CloseHandle(m_input);  // the helper lets go when its input ends
        if (m_process.hProcess != nullptr) {
            WaitForSingleObject(m_process.hProcess, 30000);
            CloseHandle(m_process.hProcess);
            CloseHandle(m_process.hThread);
        }
        CloseHandle(m_output);
    }
    HeldByAnotherProcess(const HeldByAnotherProcess&) = delete;
    HeldByAnotherProcess& operator=(const HeldByAnotherProcess&) = delete;

    bool Held() const { return m_held; }

private:
    static std::wstring ProgramPath() { return WindowsPathFromLinux(TONVARO_HOLD_FILE_EXE); }

    HANDLE m_input = nullptr;
    HANDLE m_output = nullptr;
    PROCESS_INFORMATION m_process = {};
    bool m_held = false;
};

TEST_F(Faults, FilesThatCannotBeReadOrWritten) {
    const std::u16string good = m_temp.Path() + u"\\dobry.wav";
    const std::u16string locked = m_temp.Path() + u"\\zablokowany.wav";
    const std::u16string missing = m_temp.Path() + u"\\brak.wav";
    WriteBytesTo(good, "good");
    WriteBytesTo(locked, "locked");
    SetCell(0, missing);
    SetCell(1, good);
    SetCell(2, locked);

    const std::u16string apps = PlaceProgram(m_temp.Path() + u"\\locks");
    WriteBytesTo(apps + u"zajety.xml", "held by someone");
    {
        HeldByAnotherProcess held({locked, apps + u"zajety.xml"});
        ASSERT_TRUE(held.Held());

        Generate(u"zajety");

        ExpectOneMessageBox(kCopyFailed + missing + u"\n" + locked + u"\n\n" + kDescriptorFailed +
                                apps + u"zajety.xml",
                            u"Błąd", true);
    }
    // What the other program held is as it was.
    EXPECT_EQ(ReadBytes(apps + u"zajety.xml"), "held by someone");
    EXPECT_EQ(ReadBytes(apps + u"zajety\\dobry.wav"), "good");
    EXPECT_FALSE(Exists(apps + u"zajety\\brak.wav"));
    EXPECT_FALSE(Exists(apps + u"zajety\\zablokowany.wav"));
}

TEST_F(Faults, FullDisk) {
    const std::u16string small = PreparedFolder("TONVARO_SMALL_DIR");
    if (small.empty()) {
        GTEST_SKIP() << "no small file system: scripts/test.sh mounts a 1 MB tmpfs when it runs "
                        "as root";
    }
    const std::u16string big = m_temp.Path() + u"\\duzy.wav";
    const std::u16string tiny = m_temp.Path() + u"\\maly.wav";
    WriteBytesTo(big, std::string(3 * 1024 * 1024, 'x'));
    WriteBytesTo(tiny, "tiny");
    SetCell(0, big);
    SetCell(1, tiny);
    m_system.SetProgramPath(small + u"\\Tonvaro.exe");
    std::filesystem::remove_all(NativePath(small + u"\\pelny"));
    std::filesystem::remove(NativePath(small + u"\\pelny.xml"));

    Generate(u"pelny");

    ASSERT_EQ(m_responder.messageBoxes.size(), 1u);
    const std::u16string& text = m_responder.messageBoxes[0].text;
    EXPECT_EQ(text.rfind(kCopyFailed + big, 0), 0u) << testing::PrintToString(text);
    EXPECT_TRUE(m_responder.messageBoxes[0].errorIcon);
    // The cut-short copy is gone, so the files after it still fit.
    EXPECT_FALSE(Exists(small + u"\\pelny\\duzy.wav"));
    EXPECT_EQ(ReadBytes(small + u"\\pelny\\maly.wav"), "tiny");
    EXPECT_FALSE(ReadBytes(small + u"\\pelny.xml").empty());
    std::filesystem::remove_all(NativePath(small + u"\\pelny"));
    std::filesystem::remove(NativePath(small + u"\\pelny.xml"));
}

}  // namespace

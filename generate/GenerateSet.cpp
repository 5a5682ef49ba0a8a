#include "generate/GenerateSet.h"

#include <vector>

#include "catalogue/Catalogue.h"
#include "generate/SanitizeSetName.h"
#include "generate/SoundFileNames.h"
#include "xml/Utf8.h"
#include "xml/XmlElement.h"

namespace {

constexpr char16_t kErrorCaption[] = u"Błąd";
constexpr char16_t kSuccessCaption[] = u"Tonvaro";
constexpr char16_t kEmptyName[] = u"Musisz podać nazwę folderu docelowego!";
constexpr char16_t kFolderFailed[] =
    u"Program nie mógł utworzyć katalogu docelowego (prawopodobnie nie ma uprawnień). "
    u"Spróbuj przenieść aplikację do innego katalogu i uruchom ją ponownie.";
constexpr char16_t kGenerated[] = u"Poprawnie wygenerowano zestaw!";
constexpr char16_t kCopyFailed[] = u"Nie udało się skopiować plików:";
constexpr char16_t kDescriptorFailed[] = u"Nie udało się zapisać pliku opisu zestawu:";

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The executable's folder with its trailing backslash; empty when the path
// holds no backslash.
std::u16string ProgramDirectory(const std::u16string& programPath) {
    const size_t slash = programPath.rfind(u'\\');
    return slash == std::u16string::npos ? std::u16string() : programPath.substr(0, slash + 1);
}

// Creates the descriptor and writes the byte-order mark and the document.
// False when the file could not be created or not be written completely.
bool WriteDescriptor(SystemOperations& system, const std::u16string& path, const XmlElement& root) {
    const auto file = system.CreateOutputFile(path);
    if (!file) {
        return false;
    }
    std::string document = XmlPrologue();
    root.Write(document);
    const bool markWritten = system.WriteBytes(*file, kByteOrderMark);
    const bool documentWritten = markWritten && system.WriteBytes(*file, document);
    const bool closed = system.CloseOutputFile(*file);
    return documentWritten && closed;
}

std::u16string FailureReport(const std::vector<std::u16string>& failedCopies,
                             const std::u16string& failedDescriptor) {
    std::u16string report;
    if (!failedCopies.empty()) {
        report = kCopyFailed;
        for (const std::u16string& source : failedCopies) {
            report += u'\n';
            report += source;
        }
    }
    if (!failedDescriptor.empty()) {
        if (!report.empty()) {
            report += u"\n\n";
        }
        report += kDescriptorFailed;
        report += u'\n';
        report += failedDescriptor;
    }
    return report;
}

}  // namespace

int GenerateSet(WindowOperations& window, SystemOperations& system) {
    const std::u16string rawName = window.FieldText(kSetNameField);
    const std::u16string author = window.FieldText(kAuthorField);
    const std::u16string description = window.FieldText(kDescriptionField);

    const std::u16string name = SanitizeSetName(rawName, system);
    if (name.empty()) {
        window.ShowMessage(kEmptyName, kErrorCaption, MessageIcon::Error);
        return 0;
    }
    window.SetFieldText(kSetNameField, name);

    const std::u16string directory = ProgramDirectory(system.ProgramPath());
    const std::u16string folder = directory + name;
    // A device name would send the copies and the descriptor to a device.
    if (IsReservedDeviceName(name) || !system.MakeFolder(folder)) {
        window.ShowMessage(kFolderFailed, kErrorCaption, MessageIcon::Error);
        return 0;
    }

    XmlElement root("zykChimes");
    root.SetAttribute("author", ToUtf8(author)).SetAttribute("description", ToUtf8(description));

    SoundFileNames fileNames(system);
    std::vector<std::u16string> failedCopies;
    const int rows = window.RowCount();
    for (int row = 0; row < rows; ++row) {
        XmlElement& item = root.AddChild("item");
        item.SetAttribute("type", ToUtf8(EventId(static_cast<unsigned>(row))));
        const std::u16string value = window.RowFileValue(row);
        if (value.empty() || value[0] == u'%') {
            item.SetAttribute("file", ToUtf8(value));
            continue;
        }
        const size_t slash = value.rfind(u'\\');
        const std::u16string ownName =
            slash == std::u16string::npos ? value : value.substr(slash + 1);
        const SoundFileNames::Placement placement = fileNames.Place(value, ownName);
        const std::u16string relative = u'\\' + placement.fileName;
        item.SetAttribute("file", ToUtf8(name + relative));
        if (placement.needsCopy && !system.CopySoundFile(value, folder + relative)) {
            failedCopies.push_back(value);
        }
    }

    const std::u16string descriptorPath = folder + u".xml";
    const bool descriptorWritten = WriteDescriptor(system, descriptorPath, root);

    if (failedCopies.empty() && descriptorWritten) {
        window.ShowMessage(kGenerated, kSuccessCaption, MessageIcon::Information);
    } else {
        window.ShowMessage(FailureReport(failedCopies, descriptorWritten ? u"" : descriptorPath),
                           kErrorCaption, MessageIcon::Error);
    }
    return 0;
}

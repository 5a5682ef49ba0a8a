#include "ui/SoundFilePicker.h"

#include <shobjidl.h>

#include "win/ClassicFileDialog.h"
#include "win/ComRef.h"

namespace {

constexpr wchar_t kTypeName[] = L"Dźwięki";
constexpr wchar_t kTypePattern[] = L"*.mp3;*.wav";

std::u16string PickWithShellDialog() {
    ComRef<IFileDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IFileDialog, dialog.ReceiveVoid()))) {
        return {};
    }
    FILEOPENDIALOGOPTIONS options = 0;
    if (SUCCEEDED(dialog->GetOptions(&options))) {
        dialog->SetOptions(options | FOS_OVERWRITEPROMPT | FOS_STRICTFILETYPES);
    }
    const COMDLG_FILTERSPEC types[] = {{kTypeName, kTypePattern}};
    dialog->SetFileTypes(1, types);
    if (FAILED(dialog->Show(nullptr))) {
        return {};  // cancelled, or the dialog could not be shown
    }
    ComRef<IShellItem> item;
    if (FAILED(dialog->GetResult(item.Receive()))) {
        return {};
    }
    PWSTR path = nullptr;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        return {};
    }
    std::u16string picked(reinterpret_cast<const char16_t*>(path));
    CoTaskMemFree(path);
    return picked;
}

std::u16string PickWithClassicDialog(const WindowsVersion& version) {
    ClassicFileDialog dialog;
    dialog.filterName = kTypeName;
    dialog.filterPattern = kTypePattern;
    dialog.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    // Systems before 4.90 know only the shorter structure.
    const bool before490 =
        !version.known || version.major < 4 || (version.major == 4 && version.minor < 90);
    dialog.structSize = before490 ? OPENFILENAME_SIZE_VERSION_400W : sizeof(OPENFILENAMEW);
    return dialog.Open(GetActiveWindow());
}

}  // namespace

std::u16string PickSoundFile(const WindowsVersion& version) {
    return version.AboveMajor5() ? PickWithShellDialog() : PickWithClassicDialog(version);
}

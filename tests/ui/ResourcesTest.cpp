#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/resource.h"

namespace {

std::string ResourceBytes(LPCWSTR type, LPCWSTR name, WORD language) {
    const HRSRC found = FindResourceExW(nullptr, type, name, language);
    if (found == nullptr) {
        return {};
    }
    const HGLOBAL loaded = LoadResource(nullptr, found);
    return std::string(static_cast<const char*>(LockResource(loaded)),
                       SizeofResource(nullptr, found));
}

TEST(Resources, DialogIsPolishAndTheManifestAsksForCommonControls6) {
    EXPECT_FALSE(ResourceBytes(RT_DIALOG, MAKEINTRESOURCEW(IDD_MAIN),
                               MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT))
                     .empty());
    const std::string manifest = ResourceBytes(RT_MANIFEST, MAKEINTRESOURCEW(1),
                                               MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_FALSE(manifest.empty());
    for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
                             "publicKeyToken=\"6595b64144ccf1df\"", "language=\"*\"",
                             "level=\"asInvoker\" uiAccess=\"false\"",
#ifdef _WIN64
                             "processorArchitecture=\"amd64\""
#else
                             "processorArchitecture=\"x86\""
#endif
         }) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);
    EXPECT_EQ(manifest.find("supportedOS"), std::string::npos);
}

TEST(Resources, VersionIs0002WithPolishTexts) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0u);
    EXPECT_EQ(fixed->dwFileVersionLS, 2u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0u);
    EXPECT_EQ(fixed->dwProductVersionLS, 2u);

    wchar_t* description = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\041504B0\\FileDescription",
                               reinterpret_cast<void**>(&description), &length));
    EXPECT_EQ(std::wstring(description), L"Tonvaro – kreator zestawów dźwięków");
}

}  // namespace

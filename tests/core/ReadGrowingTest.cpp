#include <gtest/gtest.h>

#include <algorithm>

#include "generate/ReadGrowing.h"

#ifdef _WIN32
#include <windows.h>

#include "generate/Win32SystemOperations.h"
#endif

namespace {

// Behaves like GetModuleFileNameW on a path of the given length: truncates
// to the buffer and answers the buffer size when it does not fit.
auto PathOfLength(size_t length, int* calls) {
    return [length, calls](char16_t* buffer, std::uint32_t size) -> std::uint32_t {
        ++*calls;
        const std::u16string path = u"C:\\" + std::u16string(length - 3, u'd');
        const size_t stored = std::min<size_t>(path.size(), size - 1);
        std::copy_n(path.begin(), stored, buffer);
        buffer[stored] = 0;
        return path.size() < size ? static_cast<std::uint32_t>(path.size()) : size;
    };
}

TEST(ReadGrowing, ReadsPathsOfAnyLength) {
    for (const size_t length :
         {size_t{10}, size_t{259}, size_t{260}, size_t{1000}, size_t{32767}}) {
        int calls = 0;
        const std::u16string path = ReadGrowing(PathOfLength(length, &calls));
        EXPECT_EQ(path.size(), length);
        EXPECT_EQ(path.substr(0, 3), u"C:\\");
        EXPECT_EQ(path.back(), u'd');
        EXPECT_EQ(calls == 1, length < 260) << length;
    }
}

TEST(ReadGrowing, FailureGivesEmptyText) {
    EXPECT_EQ(ReadGrowing([](char16_t*, std::uint32_t) -> std::uint32_t { return 0; }), u"");
}

#ifdef _WIN32
TEST(ReadGrowing, ProgramPathIsTheRunningExecutable) {
    wchar_t expected[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, expected, MAX_PATH), 0u);
    EXPECT_EQ(Win32SystemOperations().ProgramPath(),
              std::u16string(reinterpret_cast<const char16_t*>(expected)));
}
#endif

}  // namespace

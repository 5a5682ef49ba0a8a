#include "tests/support/TempFolder.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const std::string name =
        "tonvaro-test-" + std::to_string(random()) + "-" + std::to_string(counter.fetch_add(1));
    m_path = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::u16string TempFolder::Path() const {
    return BackslashPath(m_path);
}

std::filesystem::path NativePath(const std::u16string& path) {
#ifdef _WIN32
    return std::filesystem::path(path);
#else
    std::u16string slashed = path;
    for (char16_t& unit : slashed) {
        if (unit == u'\\') {
            unit = u'/';
        }
    }
    return std::filesystem::path(slashed);
#endif
}

std::u16string BackslashPath(const std::filesystem::path& path) {
    std::u16string text = path.u16string();
    for (char16_t& unit : text) {
        if (unit == u'/') {
            unit = u'\\';
        }
    }
    return text;
}

std::string ReadBytes(const std::u16string& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytesTo(const std::u16string& path, const std::string& bytes) {
    std::filesystem::create_directories(NativePath(path).parent_path());
    std::ofstream out(NativePath(path), std::ios::binary);
    out << bytes;
}

bool Exists(const std::u16string& path) {
    std::error_code ignored;
    return std::filesystem::exists(NativePath(path), ignored);
}

std::string TestDataFile(const char* name) {
    return ReadBytes(BackslashPath(std::filesystem::path(TONVARO_TEST_DATA) / name));
}

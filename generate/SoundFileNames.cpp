#include "generate/SoundFileNames.h"

#include <algorithm>

SoundFileNames::Placement SoundFileNames::Place(const std::u16string& source,
                                                const std::u16string& fileName) {
    const std::u16string upperSource = m_system.UpperCase(source);
    for (const Placed& placed : m_placed) {
        if (placed.upperSource == upperSource) {
            return {placed.fileName, false};
        }
    }
    std::u16string name = fileName;
    for (int number = 2; IsUsed(name); ++number) {
        name = NumberedFileName(fileName, number);
    }
    m_placed.push_back({upperSource, name});
    return {name, true};
}

bool SoundFileNames::IsUsed(const std::u16string& fileName) {
    const std::u16string upper = m_system.UpperCase(fileName);
    return std::any_of(m_placed.begin(), m_placed.end(), [&](const Placed& placed) {
        return m_system.UpperCase(placed.fileName) == upper;
    });
}

std::u16string NumberedFileName(const std::u16string& fileName, int number) {
    const std::u16string suffix = u"_" + [number] {
        std::u16string digits;
        for (const char c : std::to_string(number)) {
            digits += static_cast<char16_t>(c);
        }
        return digits;
    }();
    const size_t dot = fileName.rfind(u'.');
    if (dot == std::u16string::npos) {
        return fileName + suffix;
    }
    return fileName.substr(0, dot) + suffix + fileName.substr(dot);
}

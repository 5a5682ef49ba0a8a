#pragma once

#include <string>
#include <vector>

#include "generate/Operations.h"

// Decides the name each sound file gets inside the set folder, so that two
// different sources never overwrite each other and the same source is copied
// only once. Names and paths are compared without regard to case.
class SoundFileNames {
public:
    explicit SoundFileNames(SystemOperations& system) : m_system(system) {}

    struct Placement {
        std::u16string fileName;  // the name inside the set folder
        bool needsCopy;           // false when this source was placed before
    };

    // fileName is the source's own name: everything after its last backslash.
    Placement Place(const std::u16string& source, const std::u16string& fileName);

private:
    struct Placed {
        std::u16string upperSource;
        std::u16string fileName;
    };

    bool IsUsed(const std::u16string& fileName);

    SystemOperations& m_system;
    std::vector<Placed> m_placed;
};

// The name with "_n" put before its last dot, or at its end when it has none.
std::u16string NumberedFileName(const std::u16string& fileName, int number);

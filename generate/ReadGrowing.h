#pragma once

#include <cstdint>
#include <string>

// Reads a text of unknown length through a call that, like
// GetModuleFileNameW, fills a buffer of the given size and answers the number
// of code units stored: the buffer size itself when the text did not fit, 0 on
// failure. The buffer grows until the whole text fits.
template <typename Read>
std::u16string ReadGrowing(Read read, std::uint32_t initialSize = 260) {
    std::u16string buffer(initialSize, u'\0');
    for (;;) {
        const std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
        const std::uint32_t stored = read(buffer.data(), size);
        if (stored == 0) {
            return {};
        }
        if (stored < size) {
            buffer.resize(stored);
            return buffer;
        }
        buffer.resize(static_cast<size_t>(size) * 2);
    }
}

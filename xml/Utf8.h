#pragma once

#include <string>

// Converts UTF-16 text, up to its first zero code unit, to UTF-8. Well-formed
// text gives the same bytes as WideCharToMultiByte(CP_UTF8); an unpaired
// surrogate becomes U+FFFD, as there.
std::string ToUtf8(const std::u16string& text);

#pragma once

#include <string>

#include "generate/Operations.h"

// Replaces every code unit that is not a letter or digit by '_'; the length
// stays. Below U+0100 a fixed table decides, above it the system's character
// classes.
std::u16string SanitizeSetName(const std::u16string& name, SystemOperations& system);

// Whether Windows reserves the name for a device (CON, PRN, AUX, NUL, COM1-9,
// LPT1-9, in any case, superscript digits included): such a name cannot be a
// folder or a file.
bool IsReservedDeviceName(const std::u16string& name);

#pragma once

#include "generate/Operations.h"

// Control ids the generation reads and writes.
constexpr int kSetNameField = 1010;
constexpr int kAuthorField = 1002;
constexpr int kDescriptionField = 1003;

// Turns the window's set name, author, description and row file values into a
// set beside the executable: a folder with copies of the sound files and an
// XML descriptor next to it. Reports the outcome in a message box. Returns 0.
int GenerateSet(WindowOperations& window, SystemOperations& system);

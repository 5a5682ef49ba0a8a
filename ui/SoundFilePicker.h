#pragma once

#include <string>

#include "ui/WindowsVersion.h"

// Lets the user pick one sound file ("Dźwięki", *.mp3;*.wav) and returns its
// full path, or empty when cancelled or when no dialog could be shown. From
// Windows Vista on this is the shell's file-open dialog, without an owner, so
// the main window stays usable; before it, the classic dialog owned by the
// active window.
std::u16string PickSoundFile(const WindowsVersion& version);

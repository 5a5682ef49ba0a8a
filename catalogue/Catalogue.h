#pragma once

#include <string>

// The fixed list of messenger events a sound set covers, the groups that sort
// them in the window, and the choices of the source box.

constexpr unsigned kEventCount = 32;
constexpr int kGroupCount = 4;
constexpr int kSourceChoiceCount = 5;

// Polish label shown in the list; empty for an index above 31.
std::u16string EventLabel(unsigned index);
// ASCII identifier written into the descriptor; empty for an index above 31.
std::u16string EventId(unsigned index);
// 0..3, or -1 for an index above 31.
int EventGroupOf(unsigned index);
// Header of group 0..3; empty for any other group.
std::u16string GroupHeader(int group);
// Text of source-box position 0..4; empty for any other position.
std::u16string SourceChoiceText(int position);
// The placeholder stored for source positions 1..4; empty for any other
// position, which means that the user picks a sound file.
std::u16string PlaceholderOf(int position);

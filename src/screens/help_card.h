// The white card the help screens draw under their texts.
#pragma once

constexpr int kHelpCardLeft = 40;
constexpr int kHelpCardRight = 690;

// A card with a gold edge covering left..right x top..bottom of the off-screen surface.
void draw_help_card(int left, int top, int right, int bottom);

// The scenes that close a hand: the exhaustive draw (600), the win shown
// (710) and the hand result with the score changes (700, which only the
// shell's view draws), and what their clicks need to know.
#pragma once

constexpr int kDrawBannerFrames = 80;      // exhaustive draw: the banner on frames 1..80
constexpr int kDrawRevealFrame = 20;       // every hand face up
constexpr int kDrawResultFrame = 120;      // on to the hand result
constexpr int kWinRevealFrame = 10;        // the winner's hand face up
constexpr int kWinPanelFrame = 50;         // the win panel, and clicks taken from here on

// Scene handlers, one frame each; the shell draws their views after them.
void exhaustive_draw_phase();
void win_phase();

// True while the win scene takes its clicks: from frame 50 on. The left
// click then runs record_win_statistics, the right click toggles the panel.
bool win_scene_takes_clicks();

// The right click in the win (from frame 50) or the hand-result scene:
// the panel hides or shows again, so the table can be seen.
void toggle_result_panel();

// The hand in play is the last of its wind round / of the match (wind
// round 3): the dealer after it would be the round's first dealer again.
bool is_last_hand_of_round();
bool is_last_hand_of_match();

// State of the frame loop's own display: the on-table notice and the frame
// rate; what the data files need to know of the run and the match; and the
// shell floor's reset.
#pragma once

#include <cstdint>
#include <optional>

struct ShellState {
  int notice_frames = 0;  // frames left of the on-table notice after a toggle key
  int notice_kind = 0;    // 3 drawn-and-discarded display, 4 knitted-straight support
  int fps = 0;                       // measured frames per second, 0 in the first second
  // Unsigned, so that the counts wrap after 2^32 frames (16 months at
  // 100 a second) and their difference still holds the frames between them.
  std::uint32_t fps_frames = 0;         // frames counted so far
  std::uint32_t fps_sample_frames = 0;  // frame count at the last sample
  std::uint32_t fps_sample_ms = 0;   // clock (ms) at the last sample
  std::optional<std::uint32_t> fixed_seed;  // replaces the time seed at window creation when set
  // Set by app_main: the windowed program decodes every sheet at its start
  // and does not start without the sheets its screens draw from whole or
  // without a Japanese face; the headless driver draws what fails plain.
  bool files_required = false;
  int unreadable_named = 0;  // bit i: kPlayerDataFiles[i] was named as unreadable in this run
  // 1 while the match in play was resumed onto other statistics than it was
  // stored with: its in-match copy leaves out the hands played before the
  // resume. Kept with the match when it is suspended again.
  int hands_left_out = 0;
};
extern ShellState g_shell_state;

inline auto& g_notice_frames = g_shell_state.notice_frames;
inline auto& g_notice_kind = g_shell_state.notice_kind;
inline auto& g_fps = g_shell_state.fps;
inline auto& g_fps_frames = g_shell_state.fps_frames;
inline auto& g_fps_sample_frames = g_shell_state.fps_sample_frames;
inline auto& g_fps_sample_ms = g_shell_state.fps_sample_ms;
inline auto& g_fixed_seed = g_shell_state.fixed_seed;
inline auto& g_files_required = g_shell_state.files_required;
inline auto& g_unreadable_named = g_shell_state.unreadable_named;
inline auto& g_hands_left_out = g_shell_state.hands_left_out;

// The shell floor's reset: every piece of its state back to its fresh value.
void reset_shell_floor();

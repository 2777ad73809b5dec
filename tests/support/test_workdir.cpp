#include "support/test_workdir.h"

#include <cstdint>
#include <fstream>
#include <random>
#include <vector>

#include "base/ai_record.h"
#include "base/options.h"
#include "base/scene_state.h"
#include "base/scorer.h"
#include "base/shanten.h"
#include "base/sound.h"
#include "base/stats.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/waits.h"
#include "base/win_eval.h"
#include "base/yaku_table.h"
#include "com/claim/claim_protocol.h"
#include "com/target/com_target.h"
#include "com/target/target_script.h"
#include "com/turn/com_turn.h"
#include "com/turn/danger_filters.h"
#include "com/turn/planner_decomposition.h"
#include "com/turn/planner_state.h"
#include "com/turn/safety.h"
#include "draw/gdi.h"
#include "platform/headless/headless.h"
#include "screens/screen_state.h"
#include "shell/app.h"
#include "shell/shell_state.h"
#include "shell/table_view.h"
#include "shell/view_inputs.h"

namespace fs = std::filesystem;

namespace {

void put_u32(std::ofstream& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i)));
}
void put_u16(std::ofstream& out, std::uint16_t v) {
  out.put(static_cast<char>(v));
  out.put(static_cast<char>(v >> 8));
}

}  // namespace

void write_test_wave(const fs::path& path) {
  fs::create_directories(path.parent_path());
  constexpr std::uint32_t kRate = 8000;
  constexpr std::uint32_t kSamples = 80;
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  put_u32(out, 36 + 2 * kSamples);
  out.write("WAVEfmt ", 8);
  put_u32(out, 16);
  put_u16(out, 1);
  put_u16(out, 1);
  put_u32(out, kRate);
  put_u32(out, 2 * kRate);
  put_u16(out, 2);
  put_u16(out, 16);
  out.write("data", 4);
  put_u32(out, 2 * kSamples);
  for (std::uint32_t i = 0; i < kSamples; ++i) put_u16(out, static_cast<std::uint16_t>(i % 2 ? 3000 : -3000));
}

TestWorkdir::TestWorkdir(bool with_sounds) : old_(fs::current_path()) {
  std::random_device rd;
  dir_ = fs::temp_directory_path() / ("ruvelka-test-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(dir_);
  fs::current_path(dir_);
  if (!with_sounds) return;
  for (int i = 0; i < kSoundEffects; ++i) write_test_wave(platform::native_path(se_file(i)));
  for (int i = 0; i < kVoices; ++i) write_test_wave(platform::native_path(voice_file(i)));
}

TestWorkdir::~TestWorkdir() {
  std::error_code ec;
  fs::current_path(old_, ec);
  fs::remove_all(dir_, ec);
}

void reset_program_state() {
  headless::reset();
  headless::set_desktop({0, 0, 1920, 1080});
  reset_table_state();
  reset_shell_state();
  reset_scene_state();
  reset_screen_state();
  reset_options();
  reset_sound_state();
  reset_stats_state();
  reset_yaku_switches();
  reset_waits_state();
  reset_visible_state();
  reset_win_eval_state();
  reset_scorer_state();
  reset_ai_record_state();
  reset_planner_state();
  reset_table_view_state();
  reset_gdi_state();
  reset_scorer_state();
  reset_shanten_state();
  reset_decomposition_state();
  reset_com_target_state();
  reset_claim_protocol_state();
  reset_target_script_state();
  reset_com_turn_state();
  reset_safety_state();
  reset_danger_filter_state();
  clear_fixed_seed();
}

void open_headless_program(unsigned seed) {
  reset_program_state();
  set_fixed_seed(seed);
  headless::open(app_window_config());
}

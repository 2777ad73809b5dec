#include "support/test_workdir.h"

#include <cstdint>
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
#include "support/wave_builder.h"

namespace fs = std::filesystem;

void write_test_wave(const fs::path& path) {
  std::vector<std::int16_t> samples(80);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = i % 2 ? 3000 : -3000;
  WaveSpec spec;
  spec.rate = 8000;
  spec.samples = pcm16(samples);
  write_file_bytes(path, wave_bytes(spec));
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
  reset_yaku_table();
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

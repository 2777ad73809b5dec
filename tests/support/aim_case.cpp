#include "support/aim_case.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/yaku_switches.h"
#include "base/yaku_table.h"
#include "com/target/com_target.h"
#include "support/hand_builder.h"
#include "support/test_workdir.h"

namespace {

constexpr int kSeat = 1;
constexpr int kOther = 3;  // whose river shows the visible tiles

// "c123m p5s": a kind letter, then the meld's tile (a chow's lowest first).
void declare_melds(int seat, const std::string& text) {
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    const std::string kinds = "cpkg";
    const auto kind = kinds.find(word[0]);
    if (kind == std::string::npos) throw std::invalid_argument("meld kind in \"" + word + "\"");
    add_meld(seat, kMeldChow + static_cast<int>(kind), parse_tiles(word.substr(1)).at(0));
  }
}

// "33:1 | 27:1 27:2 | near 1" into the seat's record; parts left out stay 0.
void set_record(int seat, const std::string& text) {
  std::istringstream in(text);
  std::string part[3];
  for (std::string& p : part) std::getline(in, p, '|');
  g_ai_target_yaku[seat] = g_ai_target_variant[seat] = g_ai_chow_near_ready[seat] = 0;
  std::sscanf(part[0].c_str(), "%d:%d", &g_ai_target_yaku[seat], &g_ai_target_variant[seat]);
  std::istringstream list(part[1]);
  for (int slot = 0; slot < kChowCandidates; ++slot)
    g_ai_chow_candidates[seat][slot] = g_ai_chow_candidate_variants[seat][slot] = 0;
  int slot = 0;
  for (std::string w; list >> w && slot < kChowCandidates; ++slot)
    std::sscanf(w.c_str(), "%d:%d", &g_ai_chow_candidates[seat][slot], &g_ai_chow_candidate_variants[seat][slot]);
  std::sscanf(part[2].c_str(), " near %d", &g_ai_chow_near_ready[seat]);
}

void add_to_river(int seat, int tile) { g_river[seat][g_river_count[seat]++] = tile; }

// A fresh program, the case's seat and table; the record as the case gives it.
void set_up(const AimCase& c, const char* record) {
  reset_program_state();
  set_hand(kSeat, c.hand);
  declare_melds(kSeat, c.melds);
  SeatState& state = g_seat_state[kSeat];
  for (int code : g_melds[kSeat]) {
    state.naki_count += code != 0;
    state.open_naki_count += is_open_meld(code);
  }
  if (c.calls >= 0) state.naki_count = c.calls;
  if (c.open_calls >= 0) state.open_naki_count = c.open_calls;
  for (int t : parse_tiles(c.visible)) add_to_river(kOther, t);
  g_discarder = c.discarder;
  for (int t : parse_tiles(c.discard)) add_to_river(c.discarder, t);
  count_hand_tiles(kSeat);
  count_visible_tiles(kSeat);
  SeatAiRecord& ai = AI[kSeat];
  ai.min_shanten = c.min_shanten;
  ai.min_shanten_chiitoi = c.min_shanten_chiitoi;
  ai.min_shanten_kokushi = c.min_shanten_kokushi;
  ai.min_shanten_knitted = c.min_shanten_knitted;
  g_rule_yaku[kRuleSevenPairsTileRange] = c.tile_range_switch;
  g_dealer = c.dealer;
  g_round_wind = c.round_wind;
  set_record(kSeat, record);
}

// The record `text` describes, written out as describe_target_record would.
std::string record_text(const char* text) {
  constexpr int kScratchSeat = 3;
  set_record(kScratchSeat, text);
  return describe_target_record(kScratchSeat);
}

// Another pattern worth exactly as many points.
int equal_points_pattern(int yaku) {
  for (int id = 1; id < kYakuFlowers; ++id)
    if (id != yaku && yaku_unit_points(id) == yaku_unit_points(yaku)) return id;
  throw std::logic_error("no pattern of equal points");
}

}  // namespace

void PrintTo(const AimCase& c, std::ostream* os) { *os << c.name; }

std::string aim_case_name(const ::testing::TestParamInfo<AimCase>& info) { return info.param.name; }

std::string describe_target_record(int seat) {
  std::string out = std::to_string(g_ai_target_yaku[seat]) + ":" + std::to_string(g_ai_target_variant[seat]) + " |";
  for (int i = 0; i < kChowCandidates; ++i)
    if (g_ai_chow_candidates[seat][i] != 0)
      out += " " + std::to_string(g_ai_chow_candidates[seat][i]) + ":" +
             std::to_string(g_ai_chow_candidate_variants[seat][i]);
  return out + " | near " + std::to_string(g_ai_chow_near_ready[seat]);
}

void check_aim_case(const AimCase& c) {
  set_up(c, c.record);
  c.call(kSeat);
  const std::string got = describe_target_record(kSeat);
  EXPECT_EQ(got, record_text(c.expect)) << c.name << ": hand " << c.hand;
}

void check_aim_case_keep_test(const AimCase& c) {
  int yaku = 0, variant = 0;
  std::sscanf(c.expect, "%d:%d", &yaku, &variant);
  if (yaku == 0 || *c.record != '\0') return;
  const std::string equal = std::to_string(equal_points_pattern(yaku)) + ":7";
  set_up(c, equal.c_str());
  c.call(kSeat);
  EXPECT_EQ(describe_target_record(kSeat), record_text(equal.c_str())) << c.name << " beside " << equal;
  // The half flush reads the variant beside it: the earlier aim's is left at 0.
  set_up(c, "23:0");
  c.call(kSeat);
  EXPECT_EQ(describe_target_record(kSeat), record_text(c.expect)) << c.name << " beside 23";
}

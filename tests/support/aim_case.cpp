#include "support/aim_case.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "support/hand_builder.h"
#include "base/table_state.h"

namespace {

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

// Own melds show their tiles to everybody except a concealed kong's.
void add_own_melds_to_visible(int seat) {
  for (int code : g_melds[seat]) {
    const int t = meld_tile(code);
    switch (meld_kind(code)) {
      case kMeldChow: ++g_visible_counts[t], ++g_visible_counts[t + 1], ++g_visible_counts[t + 2]; break;
      case kMeldPung: g_visible_counts[t] += 3; break;
      case kMeldMeldedKong: g_visible_counts[t] += 4; break;
      default: break;
    }
  }
}

// "33:1 | 27:1 27:2 | near 1" into the seat's record; parts left out stay 0.
void set_record(int seat, const std::string& text) {
  std::istringstream in(text);
  std::string part[3];
  for (std::string& p : part) std::getline(in, p, '|');
  std::sscanf(part[0].c_str(), "%d:%d", &g_ai_target_yaku[seat], &g_ai_target_variant[seat]);
  std::istringstream list(part[1]);
  int slot = 0;
  for (std::string w; list >> w && slot < kChowCandidates; ++slot)
    std::sscanf(w.c_str(), "%d:%d", &g_ai_chow_candidates[seat][slot], &g_ai_chow_candidate_variants[seat][slot]);
  std::sscanf(part[2].c_str(), " near %d", &g_ai_chow_near_ready[seat]);
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

void AimCaseTest::SetUp() {
  reset_table_state();
  reset_ai_record_state();
  reset_visible_state();
  reset_com_target_state();
}

void AimCaseTest::check(const AimCase& c) {
  set_hand(kSeat, c.hand);
  declare_melds(kSeat, c.melds);
  count_hand_tiles(kSeat);
  for (int code : g_melds[kSeat]) {
    g_seat_state[kSeat].naki_count += code != 0;
    g_seat_state[kSeat].open_naki_count += is_open_meld(code);
  }
  if (c.open_calls >= 0) g_seat_state[kSeat].open_naki_count = c.open_calls;
  g_discarder = c.discarder;
  for (int t : parse_tiles(c.discard)) g_river[c.discarder][g_river_count[c.discarder]++] = t;
  for (int t : parse_tiles(std::string(c.visible) + c.discard)) ++g_visible_counts[t];
  add_own_melds_to_visible(kSeat);
  for (int t = 0; t < kTileCodes; ++t) g_seen_counts[t] = g_visible_counts[t] + g_hand_counts[t];
  for (int code : g_melds[kSeat])
    if (meld_kind(code) == kMeldConcealedKong) g_seen_counts[meld_tile(code)] += 4;
  AI[kSeat].min_shanten = c.min_shanten;
  AI[kSeat].min_shanten_kokushi = c.min_shanten_kokushi;
  AI[kSeat].min_shanten_knitted = c.min_shanten_knitted;
  g_dealer = c.dealer;
  g_round_wind = c.round_wind;
  set_record(kSeat, c.record);
  c.call(kSeat);
  constexpr int kScratchSeat = 3;  // the expected record, written out the same way
  set_record(kScratchSeat, c.expect);
  EXPECT_EQ(describe_target_record(kSeat), describe_target_record(kScratchSeat)) << c.name << ": hand " << c.hand;
}

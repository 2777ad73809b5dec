#include <algorithm>
#include <array>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "base/table_state.h"

// Claims of the pung patterns: a pair of the discard in slots 0-12 is
// called when the tile suits the pattern, and three of the patterns also
// make a melded kong of three copies. The patterns that take any pair leave
// unsuitable tiles to the discard rules, which keep them out of the hand.

namespace {

enum class KongCase { kNone, kAfterACall, kWithAnOpenMeld };

// The three pung tiles of the mixed shifted pungs' row with start 0; the
// variant is row x 10 + start offset.
constexpr int kShiftedPungRows = 6;
constexpr std::array<std::array<int, 3>, kShiftedPungRows> kShiftedPungTable{{
    {1, 12, 23},
    {1, 22, 13},
    {11, 2, 23},
    {11, 22, 3},
    {21, 2, 13},
    {21, 12, 3},
}};

bool any_tile(int /*seat*/, int /*tile*/) { return true; }

bool honour_tile(int /*seat*/, int tile) { return is_honour(tile); }

bool triple_pung_rank(int seat, int tile) { return is_suited(tile) && rank_of(tile) == g_ai_target_variant[seat]; }

bool mixed_shifted_pung_tile(int seat, int tile) {
  const int variant = g_ai_target_variant[seat];
  const int row = variant / 10;
  if (variant < 0 || row >= kShiftedPungRows) return false;
  const auto& pungs = kShiftedPungTable[row];
  return std::find(pungs.begin(), pungs.end(), tile - variant % 10) != pungs.end();
}

// A tile of the variant's suit from the lowest pung tile up `span` ranks.
bool shifted_in_suit(int seat, int tile, int span) {
  const int lowest = g_ai_target_variant[seat];
  return is_suited(tile) && suit_of(tile) == suit_of(lowest) && tile >= lowest && tile < lowest + span;
}
bool pure_shifted_pung_tile(int seat, int tile) { return shifted_in_suit(seat, tile, 3); }
bool four_shifted_pung_tile(int seat, int tile) { return shifted_in_suit(seat, tile, 4); }

bool kong_allowed(int seat, KongCase kong) {
  switch (kong) {
    case KongCase::kAfterACall: return g_seat_state[seat].naki_count != 0;
    case KongCase::kWithAnOpenMeld: return !is_closed_hand(seat);
    case KongCase::kNone: break;
  }
  return false;
}

enum PungReason : int { kReasonPung = 0, kReasonKong = 1 };

// The steps every pung-pattern rule shares; the caller has passed its gate.
void claim_pung_pattern(int seat, int yaku, bool (*fits)(int seat, int tile), KongCase kong) {
  const int tile = take_naki_tile();
  if (!fits(seat, tile)) return;
  // Slot 13 is left out: it holds no tile of the hand while a discard is claimed.
  const int held = static_cast<int>(std::count(g_hand[seat], g_hand[seat] + kDrawSlot, tile));
  if (held == 2) decide_claim(seat, kNakiPung, 0, yaku, kReasonPung);
  if (held == 3 && kong_allowed(seat, kong)) decide_claim(seat, kNakiKong, 0, yaku, kReasonKong);
}

}  // namespace

void naki_all_pungs(int seat) {
  if (!aims_at_any(seat, {28})) return;
  claim_pung_pattern(seat, 28, any_tile, KongCase::kAfterACall);
}

void naki_mixed_shifted_pungs(int seat) {
  if (!aims_at_any(seat, {34})) return;
  claim_pung_pattern(seat, 34, mixed_shifted_pung_tile, KongCase::kNone);
}

void naki_triple_pung(int seat) {
  if (!aims_at_any(seat, {50})) return;
  claim_pung_pattern(seat, 50, triple_pung_rank, KongCase::kNone);
}

void naki_pure_shifted_pungs(int seat) {
  if (!aims_at_any(seat, {54})) return;
  claim_pung_pattern(seat, 54, pure_shifted_pung_tile, KongCase::kNone);
}

void naki_all_even_pungs(int seat) {
  if (!aims_at_any(seat, {58})) return;
  claim_pung_pattern(seat, 58, any_tile, KongCase::kNone);
}

void naki_all_terminals_and_honours(int seat) {
  if (!aims_at_any(seat, {63})) return;
  claim_pung_pattern(seat, 63, any_tile, KongCase::kWithAnOpenMeld);
}

void naki_four_pure_shifted_pungs(int seat) {
  if (!aims_at_any(seat, {66})) return;
  claim_pung_pattern(seat, 66, four_shifted_pung_tile, KongCase::kNone);
}

// Variant 1 is the pairs form, which makes no call.
void naki_all_honours(int seat) {
  if (!aims_at_any(seat, {70}) || g_ai_target_variant[seat] == 1) return;
  claim_pung_pattern(seat, 70, honour_tile, KongCase::kWithAnOpenMeld);
}

void naki_all_terminals(int seat) {
  if (!aims_at_any(seat, {72})) return;
  claim_pung_pattern(seat, 72, any_tile, KongCase::kNone);
}

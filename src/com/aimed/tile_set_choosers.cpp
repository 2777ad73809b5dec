// Choosers of the chicken hand (one of twelve hand templates, the row being
// the target's variant) and of reversible tiles (a fixed tile set).
#include <algorithm>
#include <array>

#include "com/aimed/aimed_rules.h"
#include "com/aimed/chooser_scans.h"
#include "com/hand_terms.h"
#include "com/target/chicken_templates.h"
#include "base/table_state.h"

namespace {

constexpr int kChickenHand = 40;
constexpr int kReversibleTiles = 41;

// A partial a, a+1 with its extension tiles a-1 and a+2 stays in its suit.
static_assert([] {
  for (const auto& row : kChickenTemplates)
    for (int first : row.partials)
      if (rank_of(first) < 2 || rank_of(first) > 7) return false;
  return true;
}());

// The template's two-tile partials are its anchors; its pung candidates are
// the second tile of the third anchor, then the ten listed tiles.
constexpr int kFirstListed = 1;

bool is_listed(const ChickenTemplate& row, int tile) {
  return std::find(row.pungs.begin() + kFirstListed, row.pungs.end(), tile) != row.pungs.end();
}

// The anchor first, first + 1 or one of its two extension tiles.
bool near_anchor(int first, int tile) { return tile >= first - 1 && tile <= first + 2; }

bool is_template_tile(const ChickenTemplate& row, int tile) {
  const auto anchor_or_extension = [tile](int first) { return near_anchor(first, tile); };
  return is_listed(row, tile) || std::any_of(row.partials.begin(), row.partials.end(), anchor_or_extension);
}

// What the seat's declared melds say of the template: a chow over an anchor
// covers it; a pung or kong of a pung candidate is a conflict.
struct ChickenMelds {
  decltype(ChickenTemplate::partials) covered{};  // per anchor, its first tile once a chow covers it; 0 uncovered
  bool conflict = false;
};

ChickenMelds read_chicken_melds(int seat, const ChickenTemplate& row) {
  ChickenMelds out;
  // An empty meld slot (0) names no tile of any template.
  for (int code : g_melds[seat]) {
    const int tile = meld_tile(code);
    if (meld_kind(code) != kMeldChow) {
      out.conflict |= std::find(row.pungs.begin(), row.pungs.end(), tile) != row.pungs.end();
      continue;
    }
    std::transform(row.partials.begin(), row.partials.end(), out.covered.begin(), out.covered.begin(),
                   [tile](int first, int was) { return tile == first - 1 || tile == first ? first : was; });
  }
  return out;
}

bool in_covered_anchor(const ChickenMelds& melds, int tile) {
  return std::any_of(melds.covered.begin(), melds.covered.end(),
                     [tile](int first) { return first != 0 && near_anchor(first, tile); });
}

// Reversible tiles: the shapes of 11 to 16 in which 12 (or 11) is the one
// tile too many, while the other of the two is still live.
struct DotsShape {
  int tile;
  int code;
  std::array<int, 6> held;  // of 11 .. 16
  int live;                 // fewer than 2 of it visible
};
constexpr std::array kSurplusDots{
    DotsShape{12, 41, {2, 1, 0, 1, 1, 0}, 11},
    DotsShape{11, 42, {1, 2, 0, 1, 1, 0}, 12},
};

bool holds_shape(const DotsShape& shape) {
  for (int i = 0; i < 6; ++i)
    if (held(11 + i) != shape.held[i]) return false;
  return seen_by_all(shape.live) < 2;
}

bool is_one_of(int tile, std::initializer_list<int> tiles) {
  return std::find(tiles.begin(), tiles.end(), tile) != tiles.end();
}
bool not_held(int tile) { return held(tile) == 0; }

}  // namespace

// An honour held exactly twice is never chosen: it may be the pair.
void discard_chicken_hand(int seat) {
  if (!aims_at_any(seat, {kChickenHand})) return;
  const int variant = g_ai_target_variant[seat];
  if (variant < 0 || variant >= static_cast<int>(kChickenTemplates.size())) return;
  const ChickenTemplate& row = kChickenTemplates[variant];
  const ChickenMelds melds = read_chicken_melds(seat, row);
  const auto listed = [&](int tile) { return is_suited(tile) && is_listed(row, tile); };
  const auto off_template = [&](int tile) { return is_suited(tile) && !is_template_tile(row, tile); };
  const auto by_covered_anchor = [&](int tile) { return is_suited(tile) && in_covered_anchor(melds, tile); };
  const auto unlisted_pair = [&](int tile) { return is_suited(tile) && !listed(tile) && held(tile) >= 2; };
  const auto honour_set = [](int tile) { return is_honour(tile) && held(tile) >= 3; };
  const auto single_honour = [](int tile) { return is_honour(tile) && held_once(tile); };
  if (pick_first(seat, kChickenHand, 0, held_four_times)) return;
  if (melds.conflict && pick_first(seat, kChickenHand, 1, listed)) return;
  if (pick_first(seat, kChickenHand, 10, off_template)) return;
  if (pick_first(seat, kChickenHand, 20, by_covered_anchor)) return;
  if (pick_first(seat, kChickenHand, 30, unlisted_pair)) return;
  if (pick_first(seat, kChickenHand, 40, honour_set)) return;
  pick_first(seat, kChickenHand, 41, single_honour);
}

void discard_reversible_tiles(int seat) {
  if (!aims_at_any(seat, {kReversibleTiles})) return;
  const auto other_honour = [](int tile) { return is_honour(tile) && tile != kWhite; };
  const auto single_other_honour = [&](int tile) { return other_honour(tile) && held_once(tile); };
  const auto is_character = [](int tile) { return is_suited(tile) && suit_of(tile) == kCharacters; };
  const auto quad = [](int tile) { return held_four_times(tile) && is_one_of(tile, {18, 19, 22, 28, 29, kWhite}); };
  const auto lone_21 = [](int tile) { return tile == 21 && not_held(22); };
  const auto lone_27 = [](int tile) {
    return tile == 27 &&
           ((not_held(25) && not_held(28)) || (not_held(26) && not_held(28)) || (not_held(26) && not_held(29)));
  };
  const auto single_white = [](int tile) { return tile == kWhite && held_once(tile); };
  const auto chow_tile = [](int tile) { return is_one_of(tile, {16, 17, 21, 23, 27}); };
  const auto single_22 = [](int tile) { return tile == 22 && held_once(tile); };
  if (pick_first(seat, kReversibleTiles, 0, quad)) return;
  if (pick_first(seat, kReversibleTiles, 10, single_other_honour)) return;
  if (pick_least_held(seat, kReversibleTiles, 11, is_character)) return;
  if (pick_least_held(seat, kReversibleTiles, 12, other_honour)) return;
  if (pick_first(seat, kReversibleTiles, 20, lone_21)) return;
  if (pick_first(seat, kReversibleTiles, 21, lone_27)) return;
  if (pick_first(seat, kReversibleTiles, 22, single_white)) return;
  if (pick_least_held(seat, kReversibleTiles, 30, chow_tile)) return;
  if (pick_first(seat, kReversibleTiles, 40, single_22)) return;
  for (const DotsShape& shape : kSurplusDots) {
    const auto surplus = [&](int tile) { return tile == shape.tile; };
    if (holds_shape(shape) && pick_first(seat, kReversibleTiles, shape.code, surplus)) return;
  }
}

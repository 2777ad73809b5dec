#include "support/table_invariants.h"

#include <algorithm>
#include <span>
#include <string>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "core/tiles.h"
#include "shell/scene_table.h"
#include "support/hand_builder.h"

namespace {

using Violations = std::vector<std::string>;

std::string seat_text(int seat) { return "seat " + std::to_string(seat) + ": "; }

std::string tile_text(int tile) {
  return is_tile(tile) ? format_tiles(std::vector<int>{tile}) : "code " + std::to_string(tile);
}

// Counts every tile the table holds, the live wall included.
std::array<int, kTileCodes> count_table_tiles(Violations& out) {
  std::array<int, kTileCodes> counts{};
  auto count = [&](const PlacedTile& placed) {
    if (placed.tile > 0 && placed.tile < kTileCodes)
      ++counts[placed.tile];
    else
      out.push_back(placed.where() + " holds " + tile_text(placed.tile));
  };
  for_each_tile_off_the_wall(count);
  for (int i = 0; i < std::clamp(g_wall_count, 0, kWallCapacity); ++i) count({g_wall[i], -1, "wall entry", i});
  return counts;
}

void check_tile_counts(bool flowers_on, Violations& out) {
  const std::array<int, kTileCodes> counts = count_table_tiles(out);
  for (int tile = 1; tile < kTileCodes; ++tile) {
    const int expected = is_playing_tile(tile) ? 4 : is_flower(tile) ? (flowers_on ? 1 : 0) : 0;
    if (counts[tile] != expected)
      out.push_back(tile_text(tile) + " is on the table " + std::to_string(counts[tile]) + " times, expected " +
                    std::to_string(expected));
  }
}

void check_wall_history(const std::array<int, kWallCapacity>& start, int& last_count, Violations& out) {
  if (g_wall_count < 0 || g_wall_count > kWallCapacity) {
    out.push_back("wall count " + std::to_string(g_wall_count) + " out of range");
    return;
  }
  if (g_wall_count > last_count)
    out.push_back("wall grew from " + std::to_string(last_count) + " to " + std::to_string(g_wall_count));
  for (int i = 0; i < std::min(g_wall_count, kWallCapacity); ++i)
    if (g_wall[i] != start[i])
      out.push_back("wall entry " + std::to_string(i) + " changed from " + tile_text(start[i]) + " to " +
                    tile_text(g_wall[i]));
  last_count = std::min(last_count, g_wall_count);
}

// Up to three marked slots a seat's melds stand for, and a hand's marked
// slots, kept in place: the check runs at every frame of a match.
template <std::size_t N>
struct SlotList {
  std::array<int, N> slots{};
  std::size_t size = 0;
  void push(int slot) { slots[size++] = slot; }
  std::span<int> view() { return {slots.data(), size}; }
};
using MeldSlots = SlotList<3>;

// The three marked slots a meld code stands for, or none for a bad code.
MeldSlots meld_slots(int code) {
  const int tile = meld_tile(code);
  const int source = meld_source(code);
  MeldSlots out;
  if (!is_playing_tile(tile)) return out;
  switch (meld_kind(code)) {
    case kMeldChow:
      if (!is_suited(tile) || rank_of(tile) > 7 || source > 2) return out;
      for (int i = 0; i < 3; ++i) out.push(make_slot(tile + i, kChowSlot));
      return out;
    case kMeldPung:
    case kMeldMeldedKong:
      if (source > 2) return out;
      for (int i = 0; i < 3; ++i) out.push(make_slot(tile, meld_kind(code) == kMeldPung ? kPungSlot : kMeldedKongSlot));
      return out;
    case kMeldConcealedKong:
      if (source != 1) return out;
      for (int i = 0; i < 3; ++i) out.push(make_slot(tile, kConcealedKongSlot));
      return out;
    default:
      return out;
  }
}

void check_melds(int seat, Violations& out) {
  SlotList<3 * kMeldSlots> expected;
  bool free_seen = false;
  for (int code : g_melds[seat]) {
    if (code == 0) {
      free_seen = true;
      continue;
    }
    if (free_seen) out.push_back(seat_text(seat) + "meld " + std::to_string(code) + " after a free meld entry");
    MeldSlots slots = meld_slots(code);
    if (slots.size == 0) out.push_back(seat_text(seat) + "bad meld code " + std::to_string(code));
    for (int slot : slots.view()) expected.push(slot);
  }
  SlotList<kHandSlots> marked;
  for (int slot : g_hand[seat])
    if (marker_of(slot) != kFree) marked.push(slot);
  std::ranges::sort(expected.view());
  std::ranges::sort(marked.view());
  if (!std::ranges::equal(marked.view(), expected.view())) {
    std::string text = seat_text(seat) + "marked slots";
    for (int slot : marked.view()) text += " " + std::to_string(slot);
    text += " do not match the melds, which need";
    for (int slot : expected.view()) text += " " + std::to_string(slot);
    out.push_back(text);
  }
}

// The deal, sort and dealt-flower scenes and the play scenes from the
// first draw to the result; the front end leaves the hands as they were.
bool is_table_scene() {
  return (g_scene >= SCENE_DEAL && g_scene <= SCENE_INITIAL_FLOWERS) ||
         (g_scene >= SCENE_SEAT0_DRAW && g_scene < SCENE_HELP_DIFFERENCES);
}

bool hand_is_over() {
  return g_scene == SCENE_EXHAUSTIVE_DRAW || g_scene == SCENE_HAND_RESULT || g_scene == SCENE_WIN;
}

// Tiles in hand plus replacements owed: 13 between turns, 14 for the seat
// to move; during the deal at most 13 and before play exactly 13.
void check_hand_sizes(Violations& out) {
  if (!is_table_scene()) return;
  int seats_at_14 = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    int held = g_hana[seat].pending;
    for (int slot : g_hand[seat]) {
      if (slot == 0) continue;
      ++held;
      if (!is_tile(tile_of(slot)) || marker_of(slot) > kMeldedKongSlot || (is_flower(tile_of(slot)) && marker_of(slot) != kFree))
        out.push_back(seat_text(seat) + "bad hand slot " + std::to_string(slot));
    }
    const bool before_play = g_scene == SCENE_DEAL || g_scene == SCENE_SORT_HANDS || g_scene == SCENE_INITIAL_FLOWERS;
    const auto size = [&] { return std::to_string(held) + " tiles (owed replacements included)"; };
    if (before_play && g_hand[seat][kDrawSlot] != 0) out.push_back(seat_text(seat) + "slot 13 filled before play");
    if (g_scene == SCENE_DEAL) {
      if (held > 13) out.push_back(seat_text(seat) + size() + " during the deal");
    } else if (before_play) {
      if (held != 13) out.push_back(seat_text(seat) + size() + " before play, expected 13");
    } else if (hand_is_over()) {
      if (held > 14) out.push_back(seat_text(seat) + size() + " at the end of the hand");
    } else if (held != 13 && held != 14) {
      out.push_back(seat_text(seat) + size() + " in play, expected 13 or 14");
    }
    if (held == 14) ++seats_at_14;
  }
  if (seats_at_14 > 1 && !hand_is_over()) out.push_back(std::to_string(seats_at_14) + " seats hold 14 tiles");
}

void check_river(int seat, int& offered, Violations& out) {
  const int count = g_river_count[seat];
  if (count < 0 || count > kRiverCapacity || count > g_discard_history_count[seat]) {
    out.push_back(seat_text(seat) + "river count " + std::to_string(count) + " out of range");
    return;
  }
  for (int i = 0; i < kRiverCapacity; ++i) {
    const int entry = g_river[seat][i];
    const auto where = [&] { return seat_text(seat) + "river entry " + std::to_string(i); };
    if (i >= count) {
      if (entry != 0) out.push_back(where() + " beyond the count holds " + std::to_string(entry));
      continue;
    }
    if (entry == 0) {
      if (i != count - 1) out.push_back(where() + " is blank but not the last");
      continue;
    }
    if (entry >= 200) ++offered;
    if (!is_playing_tile(entry % 200)) out.push_back(where() + " holds " + std::to_string(entry));
  }
}

void check_flower_records(int seat, Violations& out) {
  const HanaRecord& hana = g_hana[seat];
  if (hana.count < 0 || hana.count > kMaxFlowers || hana.pending < 0 || hana.pending > kMaxFlowers) {
    out.push_back(seat_text(seat) + "flower count " + std::to_string(hana.count) + " or pending " +
                  std::to_string(hana.pending) + " out of range");
    return;
  }
  for (int i = 0; i < kMaxFlowers; ++i) {
    const int tile = hana.tiles[i];
    if (i < hana.count ? !is_flower(tile) : tile != 0)
      out.push_back(seat_text(seat) + "flower record entry " + std::to_string(i) + " holds " + tile_text(tile));
  }
}

// Between a discard and the next turn nobody holds a fourteenth tile; claim
// flags are 0 or 1; balloons show only during the shout pause, which must
// lead back to a scene that exists.
void check_turn_records(Violations& out) {
  const int seat = g_scene >= SCENE_SEAT0_DRAW && g_scene < seat_draw_scene(kSeats)
                       ? (g_scene - SCENE_SEAT0_DRAW) / kSeatSceneStride
                       : -1;
  const bool after_discard =
      seat >= 0 && g_scene >= seat_discarded_scene(seat) && g_scene <= seat_check_scene(seat, 6);
  for (int s = 0; s < kSeats; ++s) {
    if (after_discard && g_hand[s][kDrawSlot] != 0)
      out.push_back(seat_text(s) + "slot 13 holds " + std::to_string(g_hand[s][kDrawSlot]) + " after a discard");
    for (int flag : g_naki_flags[s])
      if (flag != 0 && flag != 1) out.push_back(seat_text(s) + "claim flag " + std::to_string(flag));
    if (g_balloon[s] != 0 && g_scene != SCENE_SHOUT) out.push_back(seat_text(s) + "balloon shown outside the shout pause");
  }
  if (g_scene == SCENE_SHOUT && !scene_has_handler(g_shout_return_scene))
    out.push_back("the shout pause returns to scene " + std::to_string(g_shout_return_scene) + ", which has no handler");
}

}  // namespace

std::string PlacedTile::where() const {
  const std::string place = index >= 0 ? std::string(what) + " " + std::to_string(index) : std::string(what);
  return seat >= 0 ? seat_text(seat) + place : place;
}

std::vector<PlacedTile> tiles_off_the_wall() {
  std::vector<PlacedTile> tiles;
  tiles.reserve(kWallCapacity);
  for_each_tile_off_the_wall([&](const PlacedTile& placed) { tiles.push_back(placed); });
  return tiles;
}

void TableInvariants::begin_hand() {
  started_ = true;
  flowers_on_ = option(opt_flowers) != 0;
  std::copy(std::begin(g_wall), std::end(g_wall), wall_.begin());
  wall_count_ = g_wall_count;
}

std::vector<std::string> TableInvariants::check() {
  Violations out;
  check_tile_counts(flowers_on_, out);
  if (started_) check_wall_history(wall_, wall_count_, out);
  check_hand_sizes(out);
  int offered = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    check_melds(seat, out);
    check_river(seat, offered, out);
    check_flower_records(seat, out);
  }
  check_turn_records(out);
  if (offered > 1) out.push_back(std::to_string(offered) + " river entries marked as offered");
  return out;
}

std::string join_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

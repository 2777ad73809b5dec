// Tiles, hand slots, declared melds and decomposition blocks as the small
// integers that every part of the game stores. Storage stays int; these
// helpers give the numbers their meaning.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// ------------------------------------------------------------------- tiles
// 0 empty; 1-9 characters, 11-19 dots, 21-29 bamboo; 31-34 winds East,
// South, West, North; 35-37 dragons white, green, red; 41-48 flowers.
constexpr int kNoTile = 0;
constexpr int kEast = 31;
constexpr int kSouth = 32;
constexpr int kWest = 33;
constexpr int kNorth = 34;
constexpr int kWhite = 35;
constexpr int kGreen = 36;
constexpr int kRed = 37;
constexpr int kFirstFlower = 41;
constexpr int kLastFlower = 48;
constexpr int kTileCodes = 50;  // arrays indexed by tile code

enum Suit : int { kCharacters = 0, kDots = 1, kBamboo = 2, kHonours = 3, kFlowers = 4 };

constexpr int suit_of(int tile) { return tile / 10; }
constexpr int rank_of(int tile) { return tile % 10; }
constexpr int make_tile(int suit, int rank) { return 10 * suit + rank; }

// Tile classes as masks of codes 0..63, so that a test is one shift and no
// division: the scorer asks them of every tile of every reading.
namespace tile_classes {
// The codes 0..63 that satisfy pred, bit t for code t.
template <typename Pred>
constexpr std::uint64_t tiles_where(Pred pred) {
  std::uint64_t m = 0;
  for (int t = 0; t < 64; ++t)
    if (pred(t)) m |= std::uint64_t{1} << t;
  return m;
}
constexpr bool in(std::uint64_t mask, int tile) { return tile >= 0 && tile < 64 && (mask >> tile & 1) != 0; }
constexpr std::uint64_t kSuited = tiles_where([](int t) { return t >= 1 && t < 30 && t % 10 != 0; });
constexpr std::uint64_t kTerminal = tiles_where([](int t) { return (kSuited >> t & 1) && (t % 10 == 1 || t % 10 == 9); });
}  // namespace tile_classes

constexpr bool is_suited(int tile) { return tile_classes::in(tile_classes::kSuited, tile); }
constexpr bool is_honour(int tile) { return tile >= kEast && tile <= kRed; }
constexpr bool is_wind(int tile) { return tile >= kEast && tile <= kNorth; }
constexpr bool is_dragon(int tile) { return tile >= kWhite && tile <= kRed; }
constexpr bool is_flower(int tile) { return tile >= kFirstFlower && tile <= kLastFlower; }
constexpr bool is_terminal(int tile) { return tile_classes::in(tile_classes::kTerminal, tile); }
constexpr bool is_terminal_or_honour(int tile) { return is_terminal(tile) || is_honour(tile); }
constexpr bool is_playing_tile(int tile) { return is_suited(tile) || is_honour(tile); }
namespace tile_classes {
constexpr std::uint64_t kHonour = tiles_where(is_honour);
constexpr std::uint64_t kWind = tiles_where(is_wind);
constexpr std::uint64_t kDragon = tiles_where(is_dragon);
constexpr std::uint64_t kPlaying = kSuited | kHonour;
constexpr std::uint64_t kTerminalOrHonour = tiles_where(is_terminal_or_honour);
// The tiles of each suit, by suit (kCharacters, kDots, kBamboo).
constexpr std::array<std::uint64_t, 3> kSuit = {kSuited & 0x3FFULL, kSuited & 0x3FFULL << 10,
                                                     kSuited & 0x3FFULL << 20};
static_assert(kSuit[0] == 0x3FE && (kSuit[0] | kSuit[1] | kSuit[2]) == kSuited);
}  // namespace tile_classes
static_assert(is_suited(1) && is_suited(29) && !is_suited(0) && !is_suited(10) && !is_suited(30) && !is_suited(-9) &&
              !is_suited(101));
static_assert(is_terminal(1) && is_terminal(19) && !is_terminal(5) && !is_terminal(31) && !is_terminal(41));
constexpr bool is_tile(int tile) { return is_playing_tile(tile) || is_flower(tile); }

// The 34 playing tiles in ascending order.
constexpr std::array<int, 34> kPlayingTiles = [] {
  std::array<int, 34> t{};
  int n = 0;
  for (int code = 1; code <= kRed; ++code)
    if (is_playing_tile(code)) t[n++] = code;
  return t;
}();

// Terminals and honours in the order the thirteen-orphans evaluators walk them.
constexpr std::array<int, 13> g_terminal_honour_tiles{1, 9, 11, 19, 21, 29, 31, 32, 33, 34, 35, 36, 37};

// Knitted arrangements: ranks 1-4-7 of one suit, 2-5-8 of a second and
// 3-6-9 of the third, in the order the evaluators try them.
constexpr int kKnittedArrangements = 6;
constexpr std::array<std::array<int, 3>, kKnittedArrangements> kKnittedSuits{{
    {kCharacters, kDots, kBamboo},
    {kCharacters, kBamboo, kDots},
    {kDots, kCharacters, kBamboo},
    {kDots, kBamboo, kCharacters},
    {kBamboo, kCharacters, kDots},
    {kBamboo, kDots, kCharacters},
}};

// The nine tiles of each arrangement: 1 4 7 of the first suit, 2 5 8 of the
// second, 3 6 9 of the third.
constexpr std::array<std::array<int, 9>, kKnittedArrangements> g_knitted_tiles = [] {
  std::array<std::array<int, 9>, kKnittedArrangements> out{};
  for (int a = 0; a < kKnittedArrangements; ++a)
    for (int group = 0; group < 3; ++group)
      for (int k = 0; k < 3; ++k) out[a][3 * group + k] = make_tile(kKnittedSuits[a][group], group + 1 + 3 * k);
  return out;
}();

// The sixteen tiles of honours-and-knitted: the nine above, then 31 to 37.
constexpr std::array<std::array<int, 16>, kKnittedArrangements> g_knitted_honour_tiles = [] {
  std::array<std::array<int, 16>, kKnittedArrangements> out{};
  for (int a = 0; a < kKnittedArrangements; ++a) {
    for (int i = 0; i < 9; ++i) out[a][i] = g_knitted_tiles[a][i];
    for (int i = 0; i < 7; ++i) out[a][9 + i] = kEast + i;
  }
  return out;
}();

// The same lists as masks, bit t for tile code t.
template <std::size_t N>
constexpr std::array<std::uint64_t, kKnittedArrangements> tile_masks_of(
    const std::array<std::array<int, N>, kKnittedArrangements>& lists) {
  std::array<std::uint64_t, kKnittedArrangements> m{};
  for (int a = 0; a < kKnittedArrangements; ++a)
    for (int t : lists[a]) m[a] |= std::uint64_t{1} << t;
  return m;
}
constexpr auto g_knitted_masks = tile_masks_of(g_knitted_tiles);
constexpr auto g_knitted_honour_masks = tile_masks_of(g_knitted_honour_tiles);

static_assert(g_knitted_tiles[0][0] == 1 && g_knitted_tiles[0][3] == 12 && g_knitted_tiles[0][8] == 29);
static_assert(g_knitted_tiles[5][0] == 21 && g_knitted_tiles[5][3] == 12 && g_knitted_tiles[5][6] == 3);

// -------------------------------------------------------------- hand slots
// A slot holds tile + 100 x marker; 0 is empty.
enum SlotMarker : int { kFree = 0, kChowSlot = 1, kPungSlot = 2, kConcealedKongSlot = 3, kMeldedKongSlot = 4 };

constexpr int kHandSlots = 14;
constexpr int kDrawSlot = 13;  // the tile just drawn, claimed or under consideration

constexpr int tile_of(int slot) { return slot % 100; }
constexpr int marker_of(int slot) { return slot / 100; }
constexpr int make_slot(int tile, int marker) { return tile + 100 * marker; }
// Slot values with a marker: 0 .. kSlotValues - 1.
constexpr int kSlotMarkers = kMeldedKongSlot + 1;
constexpr int kSlotValues = make_slot(0, kSlotMarkers);
constexpr bool is_free_slot(int slot) { return slot > 0 && slot < 100; }

// ------------------------------------------------------------ declared melds
// 1000 x source + 100 x kind + tile (the lowest tile of a chow).
enum MeldKind : int { kMeldChow = 1, kMeldPung = 2, kMeldConcealedKong = 3, kMeldMeldedKong = 4 };

constexpr int kMeldSlots = 4;
// Whether a seat's meld slots hold any meld, in one test of all four.
constexpr bool has_melds(const int (&melds)[kMeldSlots]) {
  static_assert(kMeldSlots == 4);
  return (melds[0] | melds[1] | melds[2] | melds[3]) != 0;
}
constexpr int make_meld(int source, int kind, int tile) { return 1000 * source + 100 * kind + tile; }
constexpr int meld_kind(int code) { return code % 1000 / 100; }
constexpr int meld_tile(int code) { return code % 100; }
constexpr int meld_source(int code) { return code / 1000; }
constexpr bool is_open_meld(int code) {
  return code != 0 && (meld_kind(code) == kMeldChow || meld_kind(code) == kMeldPung || meld_kind(code) == kMeldMeldedKong);
}
constexpr bool is_kong_meld(int code) {
  return meld_kind(code) == kMeldConcealedKong || meld_kind(code) == kMeldMeldedKong;
}
// The discarder as the claimer sees it: 0 the next seat, 1 opposite, 2 the previous.
constexpr int claim_source(int discarder, int seat) { return (discarder - seat + 3 + 4) % 4; }
constexpr int kAddedKongStep = 200;  // an added kong is its pung's code plus this

static_assert(make_meld(1, kMeldPung, 5) + kAddedKongStep == 1405);
static_assert(make_meld(1, kMeldConcealedKong, 7) == 1307);
static_assert(claim_source(3, 0) == 2 && claim_source(1, 0) == 0 && claim_source(2, 0) == 1);

// ---------------------------------------------------- winning decomposition
// t pair; 100+t concealed chow; 200+t called chow; 300+t concealed pung;
// 400+t called pung; 500+t concealed kong; 600+t melded kong.
enum WinBlock : int {
  kWinPair = 0,
  kWinConcealedChow = 100,
  kWinCalledChow = 200,
  kWinConcealedPung = 300,
  kWinCalledPung = 400,
  kWinConcealedKong = 500,
  kWinMeldedKong = 600,
};
constexpr int win_block_kind(int code) { return code / 100 * 100; }
constexpr int win_block_tile(int code) { return code % 100; }
constexpr bool is_win_chow(int code) { return code >= 100 && code < 300; }
constexpr bool is_win_pung_or_kong(int code) { return code >= 300; }
constexpr bool is_win_kong(int code) { return code >= 500; }

// ------------------------------------------------------ planning decomposition
// t pair; 100+t chow; 200+t pung; 300+t two-sided partial t,t+1; 400+t closed partial t,t+2.
enum PlanBlock : int {
  kPlanPair = 0,
  kPlanChow = 100,
  kPlanPung = 200,
  kPlanTwoSided = 300,
  kPlanClosed = 400,
};

// --------------------------------------------------------------- hand forms
enum HandForm : int {
  kFormNormal = 0,
  kFormSevenPairs = 1,
  kFormThirteenOrphans = 2,
  kFormKnittedStraight = 3,
  kFormHonoursKnitted = 4,
};
constexpr int kHandForms = 5;

// ------------------------------------------------------------------- seats
constexpr int kSeats = 4;
// A seat's river and discard history have room for every discard a seat can
// make in one hand (its draws plus its claims), so no write can leave them.
constexpr int kRiverCapacity = 100;
constexpr int next_seat(int seat) { return (seat + 1) % 4; }
// Wind index of a seat: 0 East (the dealer) to 3 North.
constexpr int seat_wind_index(int seat, int dealer) { return (4 - dealer + seat) % 4; }
constexpr int seat_wind_tile(int seat, int dealer) { return kEast + seat_wind_index(seat, dealer); }
static_assert(seat_wind_index(2, 2) == 0 && seat_wind_index(3, 2) == 1);

// Pattern ids index the 84-entry pattern table.
constexpr int kYakuCount = 84;
constexpr int kYakuFlowers = 80;

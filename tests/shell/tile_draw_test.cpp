// Tile geometry from the recorded draw calls: rivers, hands, melds and their looks.
#include <gtest/gtest.h>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "shell/table_view.h"
#include "shell/tile_draw.h"
#include "shell/view_inputs.h"
#include "support/draw_calls.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"
#include "support/table_scenes.h"

namespace {

class TileDraw : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    build_mid_hand();
    g_options[opt_tile_animation] = 1;
  }
};

// Where the n-th tile of a river lies, written out from the rule: rows of
// six, the fourth row taking everything from the 19th tile on.
struct Place {
  int row, k;
};
Place river_place(int n) { return n < 24 ? Place{n / 6, n % 6} : Place{3, n - 18}; }

TEST_F(TileDraw, DiscardRowsWrapAfterSixAndTheFourthRowGrows) {
  const auto calls = from_sheet(record_calls([] { draw_sutehai(0); }), 134);
  std::vector<DrawCall> grey_or_red = from_sheet(record_calls([] { draw_sutehai(0); }), 135);
  ASSERT_EQ(calls.size() + grey_or_red.size(), 25u);
  for (int n = 0; n < 25; ++n) {
    const Place p = river_place(n);
    const int tile = g_river[0][n];
    const DrawCall* c = call_at(calls, 134, 266 + 31 * p.k, 465 + 38 * p.row);
    if (c == nullptr) continue;  // grey with the option on: not here
    EXPECT_EQ(c->sx, 32 * ((tile - 1) % 10)) << n;
    EXPECT_EQ(c->sy, 52 * ((tile - 1) / 10)) << n;
  }
  // The 25th tile is the seventh of row 3 (x = 266 + 6 x 31).
  ASSERT_NE(call_at(calls, 134, 452, 579), nullptr);
  EXPECT_EQ(call_at(calls, 134, 483, 579), nullptr);
}

TEST_F(TileDraw, OtherSeatsDrawTheirRiversFarthestFirst) {
  // Seat 1: places from the farthest in; seat 2: rows from the last up.
  const auto right = from_sheet(record_calls([] { draw_sutehai(1); }), 134);
  ASSERT_EQ(right.size(), 14u);
  for (std::size_t i = 1; i < right.size(); ++i) EXPECT_GE(right[i].dy, right[i - 1].dy) << "seat 1 call " << i;
  const auto top = from_sheet(record_calls([] { draw_sutehai(2); }), 134);
  ASSERT_EQ(top.size(), 19u);
  EXPECT_EQ(top[0].dy, 207 - 38 * 3) << "the 19th discard, alone in row 3, comes first";
  for (std::size_t i = 1; i < top.size(); ++i) EXPECT_GE(top[i].dy, top[i - 1].dy);
  // Seat 3's 25th discard casts a strip one pixel short.
  const auto strips = from_sheet(record_calls([] { draw_sutehai(3); }), 118);
  const DrawCall* strip = call_at(strips, 118, 198 - 38 * 3 + 39, 257 + 31 * 6 + 14);
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->h, 31);
}

// A claimed discard leaves an empty entry that takes no place in the rows:
// the strips go by the places the tiles are laid in, so that none falls
// across a neighbouring tile.
TEST_F(TileDraw, ShadowsFollowThePlacesNotTheRiverIndex) {
  g_river[2][2] = 0;
  g_river[3][1] = 0;
  // Seat 2 (18 tiles laid): only the first tile of each row, at its right end.
  const auto top = from_sheet(record_calls([] { draw_sutehai(2); }), 118);
  ASSERT_EQ(top.size(), 3u);
  for (const DrawCall& c : top) EXPECT_EQ(c.dx, 421 + 32) << describe(c);
  // Seat 3 (24 tiles laid, four full rows): only the first row's six; the
  // 25th discard is now the last of row 3, under row 2's edge.
  const auto left = from_sheet(record_calls([] { draw_sutehai(3); }), 118);
  ASSERT_EQ(left.size(), 6u);
  for (const DrawCall& c : left) EXPECT_EQ(c.dx, 198 + 39) << describe(c);
}

// The exact order of a long river with a claimed entry: seat 1 from the
// grown row's tail back, then place 5 down to 0, each from row 0 to row 3;
// seat 2 row 3 first, each row from its first tile.
struct RiverOrderCase {
  int seat;
  int entries;                   // the entry at index 4 claimed
  std::vector<Place> order;      // row, place of each call in turn
};

class RiverOrder : public TileDraw, public ::testing::WithParamInterface<RiverOrderCase> {};

TEST_P(RiverOrder, FarthestPlacesFirstWithClaimedEntriesSkipped) {
  const RiverOrderCase& c = GetParam();
  g_river_count[c.seat] = c.entries;
  for (int i = 0; i < c.entries; ++i) {
    g_river[c.seat][i] = i == 4 ? 0 : 11;
    g_river_tsumogiri[c.seat][i] = 0;
    g_river_slide[c.seat][i] = 0;
  }
  const auto calls = from_sheet(record_calls([&] { draw_sutehai(c.seat); }), 134);
  ASSERT_EQ(calls.size(), c.order.size());
  for (std::size_t i = 0; i < calls.size(); ++i) {
    const Place p = c.order[i];
    const int x = c.seat == 1 ? 483 + 38 * p.row : 421 - 31 * p.k;
    const int y = c.seat == 1 ? 412 - 31 * p.k : 207 - 38 * p.row;
    EXPECT_EQ(calls[i].dx, x) << "call " << i;
    EXPECT_EQ(calls[i].dy, y) << "call " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    LongRivers, RiverOrder,
    ::testing::Values(
        RiverOrderCase{1, 27, {{3, 7}, {3, 6}, {0, 5}, {1, 5}, {2, 5}, {3, 5}, {0, 4}, {1, 4}, {2, 4}, {3, 4},
                               {0, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 2}, {1, 2}, {2, 2}, {3, 2}, {0, 1}, {1, 1},
                               {2, 1}, {3, 1}, {0, 0}, {1, 0}, {2, 0}, {3, 0}}},
        RiverOrderCase{1, 9, {{0, 5}, {0, 4}, {0, 3}, {0, 2}, {0, 1}, {1, 1}, {0, 0}, {1, 0}}},
        RiverOrderCase{2, 16, {{2, 0}, {2, 1}, {2, 2}, {1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5},
                               {0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}}},
        RiverOrderCase{2, 27, {{3, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}, {3, 7}, {2, 0}, {2, 1},
                               {2, 2}, {2, 3}, {2, 4}, {2, 5}, {1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5},
                               {0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}}}),
    [](const auto& info) {
      return "Seat" + std::to_string(info.param.seat) + "With" + std::to_string(info.param.entries) + "Entries";
    });

std::vector<std::string> described(const std::vector<DrawCall>& calls) {
  std::vector<std::string> out;
  for (const DrawCall& c : calls) out.push_back(describe(c));
  return out;
}

// Each river is laid out once and its copies replayed while nothing changes:
// every change since must show in the next drawing.
TEST_F(TileDraw, ARiverDrawnAgainShowsWhatChangedSince) {
  g_options[opt_tsumogiri_grey] = 1;
  for (int i = 0; i < g_river_count[2]; ++i) g_river_tsumogiri[2][i] = g_river_slide[2][i] = 0;
  const auto first = described(record_calls([] { draw_sutehai(2); }));
  EXPECT_EQ(described(record_calls([] { draw_sutehai(2); })), first);
  // Seat 2's first place is at (421, 207); 3m (31) at the top view's cell (0, 260 + 3 x 52).
  g_river[2][0] = 31;
  const std::vector<DrawCall> changed = record_calls([] { draw_sutehai(2); });
  const DrawCall* c = call_at(changed, 134, 421, 207);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->sy, 416);
  g_river_tsumogiri[2][0] = 1;
  EXPECT_NE(call_at(record_calls([] { draw_sutehai(2); }), 135, 421, 207), nullptr) << "now grey";
  g_options[opt_tsumogiri_grey] = 0;
  EXPECT_NE(call_at(record_calls([] { draw_sutehai(2); }), 134, 421, 207), nullptr) << "the option off";
  g_river_slide[2][0] = 8;  // counted down to 7 by the drawing; 2 px across and 1 down a step
  EXPECT_NE(call_at(record_calls([] { draw_sutehai(2); }), 134, 421 - 16, 207 - 8), nullptr);
  EXPECT_NE(call_at(record_calls([] { draw_sutehai(2); }), 134, 421 - 14, 207 - 7), nullptr);
  g_river_slide[2][0] = 0;
  const auto before_claim = from_sheet(record_calls([] { draw_sutehai(2); }), 134);
  g_river[2][0] = 0;
  EXPECT_EQ(from_sheet(record_calls([] { draw_sutehai(2); }), 134).size() + 1, before_claim.size());
  --g_river_count[2];
  EXPECT_EQ(from_sheet(record_calls([] { draw_sutehai(2); }), 134).size() + 2, before_claim.size());
}

TEST_F(TileDraw, AnOfferedDiscardIsRedBeforeGrey) {
  g_options[opt_tsumogiri_grey] = 1;
  const int last = g_river_count[0] - 1;
  g_river_tsumogiri[0][last] = 1;
  g_river_tsumogiri[0][last - 1] = 1;
  g_river[0][last] += 200;
  const auto calls = record_calls([] { draw_sutehai(0); });
  const DrawCall* red = call_at(calls, 136, 266 + 31 * 6, 465 + 38 * 3);
  ASSERT_NE(red, nullptr) << "offered and drawn-and-discarded: red";
  EXPECT_EQ(red->sx, 32 * 6);  // 7z's cell, the mark taken off
  EXPECT_EQ(red->sy, 52 * 3);
  EXPECT_NE(call_at(calls, 135, 266 + 31 * 5, 465 + 38 * 3), nullptr) << "drawn and discarded: grey";
  g_options[opt_tsumogiri_grey] = 0;
  EXPECT_TRUE(from_sheet(record_calls([] { draw_sutehai(0); }), 135).empty());
}

TEST_F(TileDraw, ANewDiscardSlidesInOverTwoFrames) {
  const int last = g_river_count[0] - 1;
  g_river_slide[0][last] = kRiverSlideStart;
  auto slid = record_calls([] { draw_sutehai(0); });
  EXPECT_NE(call_at(slid, 134, 452 + 2 * 8, 579 + 8), nullptr);
  EXPECT_EQ(g_river_slide[0][last], 7);
  draw_table();  // four river calls per frame
  EXPECT_EQ(g_river_slide[0][last], 3);
  draw_table();
  EXPECT_EQ(g_river_slide[0][last], 0);
  // With the animation off the tile stands in place, and the offset still runs out.
  g_options[opt_tile_animation] = 0;
  g_river_slide[0][last] = kRiverSlideStart;
  EXPECT_NE(call_at(record_calls([] { draw_sutehai(0); }), 134, 452, 579), nullptr);
  EXPECT_EQ(g_river_slide[0][last], 7);
}

// The drawn tile after the last free tile: with the gap after a draw, without
// it after a call; e empty meld slots.
struct DrawnCase {
  int seat, melds;
  bool claimed;
  int along;  // x for seats 0 and 2, y for 1 and 3 (hidden hands)
};

class DrawnTilePlace : public TileDraw, public ::testing::WithParamInterface<DrawnCase> {};

TEST_P(DrawnTilePlace, StandsAfterTheLastFreeTile) {
  const DrawnCase c = GetParam();
  const std::vector<int> tiles13 = parse_tiles("123456789m 1234s");
  set_hand(c.seat, "");
  std::fill(std::begin(g_melds[c.seat]), std::end(g_melds[c.seat]), 0);
  for (int i = 0; i < 13 - 3 * c.melds; ++i) g_hand[c.seat][i] = tiles13[i];
  for (int m = 0; m < c.melds; ++m) add_meld(c.seat, kMeldPung, 11 + m, 0);
  g_hand[c.seat][kDrawSlot] = 35;
  g_seat_state[c.seat].just_claimed = c.claimed ? 1 : 0;
  const auto calls = record_calls([&] { draw_tehai(c.seat); });
  const int sheet = c.seat == 0 ? 132 : 131;
  const auto tiles = from_sheet(calls, sheet);
  ASSERT_FALSE(tiles.empty());
  // The drawn tile is the last drawn, except for seat 1, which draws it first.
  const DrawCall& drawn = c.seat == 1 ? tiles.front() : tiles.back();
  EXPECT_EQ(c.seat == 0 || c.seat == 2 ? drawn.dx : drawn.dy, c.along) << describe(drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Seats, DrawnTilePlace,
    ::testing::Values(DrawnCase{0, 0, false, 589}, DrawnCase{0, 2, false, 367}, DrawnCase{0, 2, true, 352},
                      DrawnCase{1, 1, false, 529 - 46 - 93 * 3}, DrawnCase{1, 1, true, 529 - 31 - 93 * 3},
                      DrawnCase{2, 3, false, 513 - 93}, DrawnCase{2, 0, true, 528 - 93 * 4},
                      DrawnCase{3, 2, false, 111 + 46 + 93 * 2}, DrawnCase{3, 0, true, 111 + 31 + 93 * 4}));

TEST_F(TileDraw, HoverShowsTheOtherLook) {
  set_hand(0, "123456789m 1234p");
  auto look_of = [](const std::vector<DrawCall>& calls, int slot) {
    const DrawCall* c = call_at(calls, 132, user_slot_x(slot), kUserHandY);
    return c == nullptr ? -1 : c->sy >= 310 ? 10 : 0;
  };
  auto strip_of = [](const std::vector<DrawCall>& calls, int slot) {
    const DrawCall* c = call_at(calls, 118, user_slot_x(slot) + 38, 668);
    return c != nullptr && c->w == 9 && c->h == 44;
  };
  g_pick = 3;  // slot 2
  g_options[opt_open_hands] = 0;
  auto calls = record_calls([] { draw_tehai(0); });
  EXPECT_EQ(look_of(calls, 2), 10);
  EXPECT_TRUE(strip_of(calls, 2));
  EXPECT_EQ(look_of(calls, 1), 0);
  EXPECT_FALSE(strip_of(calls, 1));
  EXPECT_NE(call_at(calls, 118, user_slot_x(1) + 38, 690), nullptr) << "the short strip";
  g_options[opt_open_hands] = 1;
  calls = record_calls([] { draw_tehai(0); });
  EXPECT_EQ(look_of(calls, 2), 0);
  EXPECT_EQ(look_of(calls, 1), 10);
  // A revealed hand shows the second look whatever the pointer does.
  g_seat_state[0].hand_revealed = 1;
  calls = record_calls([] { draw_tehai(0); });
  EXPECT_EQ(look_of(calls, 2), 10);
}

TEST_F(TileDraw, MeldsTurnTheClaimedTile) {
  // Seat 0, meld slot 0 at x 617: the turned column by source.
  for (int source = 0; source < 3; ++source) {
    set_hand_with_melds(0, "1234567899m", {{kMeldPung, 5, source}}, 0);
    const auto calls = record_calls([] { draw_melds(0); });
    const auto turned = from_sheet(calls, 134);
    int turned_column = -1;
    int x = 617;
    for (int column = 0; column < 3; ++column) {
      const DrawCall* c = call_at(turned, 134, x, 674);
      if (c != nullptr && c->w == 39) turned_column = column;
      x += c != nullptr && c->w == 39 ? 38 : 31;
    }
    EXPECT_EQ(turned_column, 2 - source) << "source " << source;
  }
  // A chow turns the claimed tile first, whatever its place in the run.
  set_hand_with_melds(0, "1234567899m", {{kMeldChow, 23, 2}}, 0);
  const auto chow = from_sheet(record_calls([] { draw_melds(0); }), 134);
  ASSERT_EQ(chow.size(), 3u);
  EXPECT_EQ(chow[0].dx, 617);
  EXPECT_EQ(chow[0].sx, 290 + 39 * 2) << "5s lying: row 2";
  EXPECT_EQ(chow[0].sy, 45 * 4);
  EXPECT_EQ(chow[1].dx, 655);
  EXPECT_EQ(chow[2].dx, 686);
}

TEST_F(TileDraw, ConcealedKongShowsItsFaceOnlyWhenAllowed) {
  set_hand_with_melds(0, "1234567899m", {{kMeldConcealedKong, 5, 1}}, 0);
  auto faces = [] { return from_sheet(record_calls([] { draw_melds(0); }), 134).size(); };
  EXPECT_EQ(faces(), 0u);
  g_options[opt_kong_visible] = 1;
  EXPECT_EQ(faces(), 2u);
  g_options[opt_kong_visible] = 0;
  set_hand_with_melds(1, "1234567899m", {{kMeldConcealedKong, 5, 1}}, 0);
  g_options[opt_kong_visible] = 1;
  EXPECT_EQ(from_sheet(record_calls([] { draw_melds(1); }), 134).size(), 0u) << "the option is the user's only";
  g_hands_revealed = 1;
  EXPECT_EQ(from_sheet(record_calls([] { draw_melds(1); }), 134).size(), 2u);
}

TEST_F(TileDraw, TheRobbableKongIsRedOnTop) {
  set_hand_with_melds(2, "1234567899m", {{kMeldMeldedKong, 15, 1}}, 0);
  g_kong_tile = 15;
  g_scene = SCENE_USER_ROB_KONG;
  const auto calls = record_calls([] { draw_melds(2); });
  const auto red = from_sheet(calls, 136);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].dy, 31) << "the upper of the doubled tiles";
  g_scene = SCENE_SEAT2_TURN;
  EXPECT_TRUE(from_sheet(record_calls([] { draw_melds(2); }), 136).empty());
}

// A melded kong's doubled column, in the order its two turned tiles are
// drawn: where they overlap on screen, the lower one must come last (seat 2's
// pair overlaps by 14 pixels, the others by one or by a tile's edge).
TEST_F(TileDraw, ADoubledColumnDrawsItsLowerTileLast) {
  struct Pair {
    int first, second;  // cross coordinate (y for seats 0 and 2, x for 1 and 3)
  };
  const Pair expected[kSeats] = {{643, 674}, {686, 655}, {0, 31}, {2, 33}};
  for (int seat = 0; seat < kSeats; ++seat) {
    set_hand_with_melds(seat, "1234567899m", {{kMeldMeldedKong, 15, 1}}, 0);
    const auto calls = from_sheet(record_calls([seat] { draw_melds(seat); }), 134);
    std::vector<int> turned;  // cross coordinates of the turned (lying for seats 0 and 2) tiles
    for (const DrawCall& c : calls) {
      const bool lying = c.w == 39;
      if ((seat % 2 == 0) == lying) turned.push_back(seat % 2 == 0 ? c.dy : c.dx);
    }
    ASSERT_EQ(turned.size(), 2u) << "seat " << seat;
    EXPECT_EQ(turned[0], expected[seat].first) << "seat " << seat;
    EXPECT_EQ(turned[1], expected[seat].second) << "seat " << seat;
  }
}

TEST_F(TileDraw, NewMeldsSlideInAndSettle) {
  set_hand_with_melds(0, "1234567m", {{kMeldPung, 5, 0}, {kMeldPung, 6, 0}}, 0);
  g_meld_slide[0][0] = kMeldSlideStart;
  const auto calls = record_calls([] { draw_tehai(0); });
  // Slot 0 pushed 28 pixels left, and slot 1 with it.
  EXPECT_NE(call_at(calls, 134, 617 - 28, 667), nullptr);
  EXPECT_NE(call_at(calls, 134, 514 - 28, 667), nullptr);
  EXPECT_EQ(g_meld_slide[0][0], kMeldSlideStart - 1);
  for (int i = 0; i < 4; ++i) draw_table();
  EXPECT_EQ(g_meld_slide[0][0], 0) << "four calls a frame";
}

TEST_F(TileDraw, TheDealShowsBacksUnlessHandsAreOpen) {
  set_hand_with_melds(0, "123456789m 1234p", {}, 0);
  set_hand_with_melds(1, "123456789m 1234p", {}, 0);
  g_scene = SCENE_DEAL;
  auto calls = record_calls([] { draw_tehai(0); draw_tehai(1); });
  EXPECT_EQ(from_sheet(calls, 132).size(), 13u);
  for (const DrawCall& c : from_sheet(calls, 132)) EXPECT_EQ(c.sx * 1000 + c.sy, 266 * 1000 + 496);
  const auto backs = from_sheet(calls, 131);
  ASSERT_EQ(backs.size(), 13u);
  EXPECT_EQ(backs.back().dy, 542) << "seat 1 face down, 13 lower than its hidden line";
  g_options[opt_open_hands] = 1;
  calls = record_calls([] { draw_tehai(1); });
  EXPECT_EQ(from_sheet(calls, 134).size(), 13u);
}

TEST_F(TileDraw, AnotherSeatThatWonShowsOnlyItsWinningTile) {
  set_hand_with_melds(2, "123456789m 1234p", {}, 0);
  g_hand[2][kDrawSlot] = 35;
  g_seat_state[2].won = 1;
  const auto calls = record_calls([] { draw_tehai(2); });
  const auto faces = from_sheet(calls, 134);
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_EQ(faces[0].sx, 32 * 4) << "5p, face up";
  EXPECT_EQ(from_sheet(calls, 131).size(), 13u) << "the rest standing backs";
}

}  // namespace

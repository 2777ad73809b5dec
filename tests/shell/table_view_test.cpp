// The table view's overlays and centre from the recorded draw calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "base/view_requests.h"
#include "base/visible.h"
#include "com/target/com_target.h"
#include "draw/gdi.h"
#include "shell/aim_preview.h"
#include "shell/result_panels.h"
#include "shell/scene_table.h"
#include "shell/shell_state.h"
#include "shell/table_centre.h"
#include "shell/table_view.h"
#include "shell/tile_draw.h"
#include "shell/user_panels.h"
#include "shell/view_inputs.h"
#include "support/draw_calls.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"
#include "support/table_scenes.h"
#include "table/win_record.h"

namespace {

class TableView : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    build_mid_hand();
  }
};

// The text a row of score cells reads, from sheet 102's cells of one seat:
// digits by their cell, '-' and '+' for cells 10 and 11.
std::string read_cells(const std::vector<DrawCall>& calls, int seat) {
  struct Cells {
    bool vertical;
    int sx, sy;
  };
  const Cells cells[4] = {{false, 0, 210}, {true, 245, 0}, {false, 0, 235}, {true, 220, 0}};
  const Cells& c = cells[seat];
  std::vector<std::pair<int, char>> found;  // reading position, character
  for (const DrawCall& d : from_sheet(calls, 102)) {
    const bool match = c.vertical ? d.sx == c.sx && d.w == 25 && d.h == 15 && d.sy < 180
                                  : d.sy == c.sy && d.w == 15 && d.h == 25 && d.sx < 180;
    if (!match) continue;
    const int cell = (c.vertical ? d.sy : d.sx) / 15;
    const char ch = cell < 10 ? static_cast<char>('0' + cell) : cell == 10 ? '-' : '+';
    // Each seat reads its row in its own direction.
    const int pos = seat == 0 ? d.dx : seat == 1 ? -d.dy : seat == 2 ? -d.dx : d.dy;
    found.emplace_back(pos, ch);
  }
  std::sort(found.begin(), found.end());
  std::string text;
  for (const auto& [pos, ch] : found) text += ch;
  return text;
}

TEST_F(TableView, ScoresReadWithTheirSigns) {
  const int scores[4] = {7, -48, 1032, -12345};
  std::copy(std::begin(scores), std::end(scores), g_scores);
  g_mouse_x = g_mouse_y = 0;
  const auto calls = record_calls([] { draw_table_centre(); });
  EXPECT_EQ(read_cells(calls, 0), "7");
  EXPECT_EQ(read_cells(calls, 1), "-48");
  EXPECT_EQ(read_cells(calls, 2), "1032");
  EXPECT_EQ(read_cells(calls, 3), "-9999") << "clamped to four places";
  // The sign stands just before the first digit: seat 0 with one digit shown.
  const auto one = record_calls([] { draw_seat_score(0, -5, false); });
  EXPECT_NE(call_at(one, 102, 352, 417), nullptr);
  EXPECT_NE(call_at(one, 102, 321 + 16 * 3, 417), nullptr);
}

TEST_F(TableView, ThePointerOnTheCentreShowsLeadsForNinetyDrawings) {
  const int scores[4] = {100, 250, -30, 100};
  std::copy(std::begin(scores), std::end(scores), g_scores);
  g_mouse_x = 360;
  g_mouse_y = 360;
  auto calls = record_calls([] { draw_table_centre(); });
  EXPECT_EQ(read_cells(calls, 0), "0");
  EXPECT_EQ(read_cells(calls, 1), "+150");
  EXPECT_EQ(read_cells(calls, 2), "-130");
  EXPECT_EQ(read_cells(calls, 3), "0");
  g_mouse_x = 10;
  for (int i = 0; i < kCentreViewFrames - 1; ++i) draw_table_centre();
  EXPECT_EQ(read_cells(record_calls([] { draw_table_centre(); }), 1), "250") << "the 90th drawing outside ends it";
  // The view lasts across scenes until a new hand asks the views to start afresh.
  g_mouse_x = 360;
  draw_table_centre();
  g_mouse_x = 10;
  g_scene = SCENE_HAND_RESULT;
  dispatch_scene(g_scene);
  EXPECT_EQ(read_cells(record_calls([] { draw_table_centre(); }), 1), "+150");
  request_table_view_reset();
  dispatch_scene(g_scene);
  EXPECT_EQ(read_cells(record_calls([] { draw_table_centre(); }), 1), "250");
}

TEST_F(TableView, WallCountDropsLeadingZeros) {
  auto wall_digits = [] {
    std::string text;
    for (const DrawCall& d : from_sheet(record_calls([] { draw_table_centre(); }), 102))
      if (d.sy == 180 && d.w == 20 && d.dy == 346 && d.dx != 326) text += static_cast<char>('0' + d.sx / 20);
    return text;
  };
  g_wall_count = 136;
  EXPECT_EQ(wall_digits(), "136");
  g_wall_count = 7;
  EXPECT_EQ(wall_digits(), "7");
  g_wall_count = 0;
  EXPECT_EQ(wall_digits(), "0");
}

TEST_F(TableView, BalloonsAreMaskThenImage) {
  g_balloon[1] = 3;
  g_balloon[3] = 5;
  auto balloons = [] { return from_sheet(record_calls([] { draw_table(); }), 103); };
  auto calls = balloons();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].rop, platform::Rop::And);
  EXPECT_EQ(calls[0].sy, 400);
  EXPECT_EQ(calls[1].rop, platform::Rop::Or);
  EXPECT_EQ(calls[1].sy, 160);
  EXPECT_EQ(calls[1].dx, 505);
  EXPECT_EQ(calls[3].sy, 320);
  g_options[opt_voice_balloons] = 0;
  EXPECT_TRUE(balloons().empty());
}

TEST_F(TableView, OnlyPatternIdsOneToSeventyNineGetButtons) {
  g_options[opt_ai_target_display] = 1;
  const int ids[kAimSlots] = {0, 80, 27, 83, 79, 1};
  g_ai_target_yaku[0] = ids[0];
  std::copy(std::begin(ids) + 1, std::end(ids), g_ai_chow_candidates[0]);
  const auto buttons = from_sheet(record_calls([] { draw_table(); }), 127);
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_EQ(buttons[0].dx, 100 + 90 * 2);
  EXPECT_EQ(buttons[0].sx * 1000 + buttons[0].sy, 80 * 1 * 1000 + 30 * 7);
  EXPECT_EQ(buttons[1].dx, 100 + 90 * 4);
  EXPECT_EQ(buttons[2].sx * 1000 + buttons[2].sy, 30);
  // No buttons while points are shown or the user defends.
  g_shown_points = 3;
  EXPECT_TRUE(from_sheet(record_calls([] { draw_table(); }), 127).empty());
}

TEST_F(TableView, TheHoveredAimPreviewsItsTiles) {
  g_options[opt_ai_target_display] = 1;
  g_ai_chow_candidates[0][0] = 27;
  g_ai_chow_candidate_variants[0][0] = 12;  // suit order row 1 (characters, bamboo, dots), from rank 2
  g_mouse_x = 190 + 40;
  g_mouse_y = 620;
  const auto calls = record_calls([] { draw_table(); });
  ASSERT_EQ(from_sheet(calls, 128).size(), 1u);
  const auto tiles = from_sheet(calls, 137);
  ASSERT_EQ(tiles.size(), 9u);
  const std::vector<int> expected = parse_tiles("234m 345s 456p");
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(tiles[i].dx, 113 + 31 * i + 7 * (i / 3));
    EXPECT_EQ(tiles[i].sx, 32 * ((expected[i] - 1) % 10)) << i;
    EXPECT_EQ(tiles[i].sy, 40 * ((expected[i] - 1) / 10)) << i;
  }
}

TEST(AimedTiles, EveryFormAndNoTilesPastASuit) {
  EXPECT_EQ(aimed_tiles(33, 3), (std::array<int, 9>{3, 4, 5, 13, 14, 15, 23, 24, 25}));
  EXPECT_EQ(aimed_tiles(35, 5), (std::array<int, 9>{21, 22, 23, 14, 15, 16, 7, 8, 9}));
  EXPECT_EQ(aimed_tiles(43, 0), (std::array<int, 9>{1, 4, 7, 12, 15, 18, 23, 26, 29}));
  EXPECT_EQ(aimed_tiles(57, 3), aimed_tiles(43, 3));
  EXPECT_EQ(aimed_tiles(47, 16), (std::array<int, 9>{12, 13, 14, 14, 15, 16, 16, 17, 18}));
  EXPECT_EQ(aimed_tiles(49, 2), (std::array<int, 9>{21, 22, 23, 24, 25, 26, 27, 28, 29}));
  const std::array<int, 9> none{};
  EXPECT_EQ(aimed_tiles(27, 8), none) << "ranks 8 to 12 do not exist";
  EXPECT_EQ(aimed_tiles(33, 8), none);
  EXPECT_EQ(aimed_tiles(49, 3), none);
  EXPECT_EQ(aimed_tiles(47, 8), none);
  EXPECT_EQ(aimed_tiles(12, 0), none);
}

TEST_F(TableView, FalseWinNoticeFromTheFortyFirstDrawingThenTheShortLabel) {
  g_seat_state[0].false_win = 1;
  g_seat_state[0].false_win_timer = 400;
  auto notice = [] {
    const auto calls = from_sheet(record_calls([] { draw_table(); }), 104);
    const DrawCall* c = call_at(calls, 104, 100, 610);
    return c == nullptr ? 0 : c->w;
  };
  for (int i = 0; i < 40; ++i) EXPECT_EQ(notice(), 0) << i;
  EXPECT_EQ(notice(), 450);
  for (int i = 0; i < 359; ++i) notice();
  EXPECT_EQ(g_seat_state[0].false_win_timer, 0);
  EXPECT_EQ(notice(), 80);
}

TEST_F(TableView, ShownPointsAndTheFlowerCount) {
  g_options[opt_win_score_display] = 2;
  g_shown_points = 105;
  const auto calls = from_sheet(record_calls([] { draw_table(); }), 104);
  const DrawCall* label = call_at(calls, 104, 100, 610);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->w, 110) << "with flowers set aside";
  std::string digits;
  for (int x : {138, 148, 158, 178})
    if (const DrawCall* d = call_at(calls, 104, x, 610)) digits += static_cast<char>('0' + (d->sx - 241) / 10);
  EXPECT_EQ(digits, "1053");
  g_after_naki_turn = 1;
  EXPECT_EQ(call_at(from_sheet(record_calls([] { draw_table(); }), 104), 104, 100, 610), nullptr);
}

TEST_F(TableView, DealInMarkerAndNotices) {
  auto marker = [] { return from_sheet(record_calls([] { draw_table(); }), 108).size(); };
  g_dealt_in_seat = 9;
  EXPECT_EQ(marker(), 0u);
  g_dealt_in_seat = 2;
  EXPECT_NE(call_at(record_calls([] { draw_table(); }), 108, 330, 70), nullptr);
  g_scene = SCENE_HAND_RESULT;
  EXPECT_EQ(marker(), 0u) << "hidden under the result panel";
  g_result_panel_hidden = 1;
  EXPECT_EQ(marker(), 1u);
  g_dealt_in_seat = 9;
  g_notice_frames = 5;
  g_notice_kind = 4;
  g_options[opt_knitted_support] = 2;
  const auto notes = from_sheet(record_calls([] { draw_table(); }), 108);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].w, 210);
  EXPECT_EQ(notes[0].sy, 180);
}

TEST_F(TableView, HintMarksFollowTheAdvisor) {
  set_hand_with_melds(0, "2344m 678p 55s", {}, 9);
  g_options[opt_ai_tile_choice] = 2;
  g_scene = SCENE_SEAT0_TURN;
  g_suggested_discard = 4;
  auto marks = [] {
    std::vector<int> xs;
    for (const DrawCall& d : from_sheet(record_calls([] { draw_tehai(0); }), 102))
      if (d.rop == platform::Rop::Or) xs.push_back(d.dx - 11);
    return xs;
  };
  EXPECT_EQ(marks(), (std::vector<int>{user_slot_x(2)})) << "the first 4m";
  g_shown_points = 8;
  EXPECT_TRUE(marks().empty());
  g_scene = SCENE_USER_CLAIM;
  g_naki_hint_tile = 5;
  g_user_action = 1;
  g_naki_hint_chi = 2;  // 4m and 6m: no 6m
  EXPECT_EQ(marks(), (std::vector<int>{user_slot_x(2)}));
  g_user_action = 2;
  g_naki_hint_tile = 25;
  EXPECT_EQ(marks(), (std::vector<int>{user_slot_x(7), user_slot_x(8)}));
  g_options[opt_ai_tile_choice] = 0;
  EXPECT_TRUE(marks().empty());
}

TEST_F(TableView, KnittedSupportLabelsTheLevelAndDarkensTheHeldTiles) {
  g_options[opt_knitted_support] = 2;
  g_options[opt_knitted_support_count] = 0;
  set_hand_with_melds(0, "147m 25p 369s 1234z", {}, 0);  // 8 tiles of arrangement 0
  std::fill(std::begin(g_river_count), std::end(g_river_count), 0);
  auto draw = [] { return record_calls([] { draw_tehai(0); }); };
  auto calls = draw();
  const DrawCall* digit = call_at(calls, 108, 175, 500);
  ASSERT_NE(digit, nullptr);
  EXPECT_EQ(digit->sx, 60 + 20 * (8 - 7));
  EXPECT_EQ(from_sheet(calls, 138).size(), 8u);
  // Every copy of the missing 8p visible: the arrangement is out of reach.
  add_discards(1, "8p 8p 8p 8p");
  count_visible_tiles(0);
  EXPECT_TRUE(from_sheet(draw(), 108).empty());
  // Two arrangements at one level: the label, and nothing darkened.
  g_river_count[1] = 0;
  count_visible_tiles(0);
  set_hand_with_melds(0, "147m 258p 36p 258s 36s", {}, 0);  // eight of arrangements 0 and 1 each
  g_options[opt_knitted_support_count] = 1;
  calls = draw();
  ASSERT_NE(call_at(calls, 108, 175, 500), nullptr);
  EXPECT_EQ(call_at(calls, 108, 175, 500)->sx, 80);
  EXPECT_TRUE(from_sheet(calls, 138).empty());
}

TEST_F(TableView, WinPanelListsFoundPatternsInTwoColumns) {
  g_win_record = WinRecord{};
  const int ids[7] = {0, 5, 11, 18, 40, 55, 80};
  for (int id : ids) {
    g_win_record.found[id] = 1;
    g_win_record.pattern_points[id] = id == 55 ? 24 : 1;
  }
  g_win_points = 52;
  const auto calls = from_sheet(record_calls([] { draw_win_panel(180, 245); }), 126);
  // Entry 6 (flowers, id 80) opens the second column; 55's 24 shows a tens digit.
  const DrawCall* flowers = call_at(calls, 126, 180 + 20 + 180, 245 + 18);
  ASSERT_NE(flowers, nullptr);
  EXPECT_EQ(flowers->sx * 1000 + flowers->sy, 400 * 1000 + 0);
  const DrawCall* tens = call_at(calls, 126, 180 + 127, 245 + 18 + 25 * 5);
  ASSERT_NE(tens, nullptr);
  EXPECT_EQ(tens->sx, 100 + 10 * 2);
  EXPECT_EQ(call_at(calls, 126, 180 + 127, 245 + 18), nullptr) << "no tens digit for 1 point";
  EXPECT_NE(call_at(calls, 126, 180 + 165 + 12, 245 + 186), nullptr) << "52: tens and units";
  EXPECT_EQ(call_at(calls, 126, 180 + 165, 245 + 186), nullptr);
  g_options[opt_score_cap] = 1;
  g_win_points = 88 + 1;
  EXPECT_EQ(from_sheet(record_calls([] { draw_win_panel(180, 245); }), 113).size(), 2u) << "89 with a flower: capped";
  g_win_points = 88;
  EXPECT_EQ(from_sheet(record_calls([] { draw_win_panel(180, 245); }), 113).size(), 1u) << "87 of patterns: below the cap";
}

TEST_F(TableView, ScoreBoxSigns) {
  const auto calls = from_sheet(record_calls([] { draw_score_change_box(1, 0, 0, 1200, -1250); }), 102);
  auto row = [&](int y) {
    std::vector<std::pair<int, char>> cells;
    for (const DrawCall& d : calls)
      if (d.dy == y) cells.emplace_back(d.dx, d.sx == 150 ? '-' : d.sx == 165 ? '+' : static_cast<char>('0' + d.sx / 15));
    std::sort(cells.begin(), cells.end());
    std::string s;
    for (auto& [x, ch] : cells) s += ch;
    return s;
  };
  EXPECT_EQ(row(54), "1200");
  EXPECT_EQ(row(87), "-1250");
  EXPECT_EQ(row(130), "-50");
  const auto plus = from_sheet(record_calls([] { draw_score_change_box(1, 0, 0, 0, 32); }), 102);
  EXPECT_NE(call_at(plus, 102, 44 + 16 * 1, 87), nullptr) << "plus before the 3 of +32";
}

TEST_F(TableView, PopupRowsLightWhereThePointerIs) {
  g_popup_open = 1;
  g_popup_x = 100;
  g_popup_y = 200;
  const int rows[4] = {0, 1, 1, 0};
  std::copy(std::begin(rows), std::end(rows), g_user_naki_options);
  g_popup_hover = 3;  // the pointer over the kong row (row 2 of the pop-up)
  const auto turn = from_sheet(record_calls([] { draw_turn_popup(); }), 104);
  ASSERT_EQ(turn.size(), 3u);
  EXPECT_EQ(turn[0].sy, 30);
  EXPECT_EQ(turn[1].sy, 60);
  EXPECT_EQ(turn[1].dy, 200 + 64 - 17);
  EXPECT_EQ(turn[2].sy, 0);
  g_popup_hover = 2;  // claim panel: the pung row
  const auto claim = from_sheet(record_calls([] { draw_claim_panel(); }), 104);
  ASSERT_EQ(claim.size(), 4u);
  EXPECT_EQ(claim[1].sx * 1000 + claim[1].sy, 120 * 1000 + 60);
  EXPECT_EQ(claim[3].sy, 0);
  g_popup_open = 0;
  EXPECT_TRUE(record_calls([] { draw_claim_panel(); }).empty());
}

// The hovered kong candidate's tiles, the drawn one too, and a hovered
// chow's two tiles are drawn again in the face the hand does not show:
// cell ((rank - 1) x 38, row x 62 + 310) of sheet 132 while the hand is
// hidden, + 0 while it is open or revealed.
TEST_F(TableView, ChoicesRedrawTheirTilesInTheOtherFace) {
  set_hand(0, "5m 123p 456p 789s 1111z");  // the East wind in slots 10 to 13
  std::fill(std::begin(g_melds[0]), std::end(g_melds[0]), 0);
  g_kan_candidates[0] = parse_tiles("1z")[0];
  g_kan_choice = 1;
  const int xs[4] = {93 + 37 * 10, 93 + 37 * 11, 93 + 37 * 12, 145 + 111 * 4};  // four empty meld slots
  auto kong_rows = [&] {
    const auto calls = from_sheet(record_calls([] { draw_kong_choice(); }), 132);
    std::vector<int> rows;
    for (int x : xs) {
      const DrawCall* c = call_at(calls, 132, x, 650);
      rows.push_back(c == nullptr || c->sx != 0 ? -1 : c->sy);
    }
    return rows;
  };
  EXPECT_EQ(kong_rows(), std::vector<int>(4, 3 * 62 + 310));
  EXPECT_NE(call_at(record_calls([] { draw_kong_choice(); }), 104, 100, 610), nullptr) << "the prompt strip";
  g_options[opt_open_hands] = 1;
  EXPECT_EQ(kong_rows(), std::vector<int>(4, 3 * 62));
  g_options[opt_open_hands] = 0;
  g_seat_state[0].hand_revealed = 1;
  EXPECT_EQ(kong_rows(), std::vector<int>(4, 3 * 62));

  g_seat_state[0].hand_revealed = 0;
  g_chi_variant[0] = 2;
  g_chi_positions[0] = 1;  // 1p
  g_chi_positions[1] = 3;  // 3p
  const auto chow = from_sheet(record_calls([] { draw_chow_choice(); }), 132);
  ASSERT_EQ(chow.size(), 2u);
  const DrawCall* one = call_at(chow, 132, 93 + 37, 650);
  const DrawCall* three = call_at(chow, 132, 93 + 37 * 3, 650);
  ASSERT_TRUE(one != nullptr && three != nullptr);
  EXPECT_EQ(one->sx * 1000 + one->sy, 0 * 1000 + 62 + 310);
  EXPECT_EQ(three->sx * 1000 + three->sy, 2 * 38 * 1000 + 62 + 310);
}

}  // namespace

// Every block that the table drawing copies lies inside a cell that the art
// manifest lists for its sheet: the drawing is recorded over whole dealt
// hands and over scripted tables covering every tile, look, meld, option and
// panel, and each distinct source rectangle is held against the manifest.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <tuple>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "com/target/com_target.h"
#include "core/tiles.h"
#include "draw/art_manifest.h"
#include "draw/gdi.h"
#include "shell/result_panels.h"
#include "shell/shell_state.h"
#include "shell/table_view.h"
#include "shell/tile_draw.h"
#include "shell/user_panels.h"
#include "shell/view_inputs.h"
#include "support/table_fixture.h"
#include "support/table_scenes.h"
#include "table/win_record.h"

namespace {

using Source = std::tuple<int, int, int, int, int>;  // sheet, x, y, w, h

class ManifestCover : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    reset_gdi_state();
    start_draw_recording();
  }

  // One moment of a hand, recorded from its first drawing on.
  static void build(void (*scene)()) {
    scene();
    start_draw_recording();
  }

  // Keeps the distinct source rectangles recorded so far.
  void collect() {
    for (const DrawCall& c : g_draw_calls)
      if (c.id != 0) sources_.insert({c.id, c.sx, c.sy, c.w, c.h});
    g_draw_calls.clear();
  }

  // Every collected rectangle that no manifest cell of its sheet holds.
  std::string outside_the_manifest() const {
    std::ostringstream out;
    for (const auto& [id, x, y, w, h] : sources_) {
      bool inside = false;
      for (const ArtCell& cell : art_cells(id)) {
        const ArtRect& r = cell.rect;
        inside = inside || (x >= r.x && y >= r.y && x + w <= r.x + r.w && y + h <= r.y + r.h);
      }
      if (!inside) out << "sheet " << id << ": " << w << " x " << h << " at (" << x << ", " << y << ")\n";
    }
    return out.str();
  }

  std::set<Source> sources_;
};

void all_options_off() {
  for (int w : {opt_open_hands, opt_open_wall, opt_tsumogiri_grey, opt_kong_visible, opt_knitted_support, opt_ai_tile_choice,
                opt_win_score_display, opt_ai_target_display, opt_seat_change_display, opt_suspend})
    g_options[w] = 0;
}

// Every tile code in every seat's hand, river (plain, grey, offered) and flowers.
void draw_every_tile_everywhere() {
  g_options[opt_tsumogiri_grey] = 1;
  for (int tile : art_tile_codes()) {
    for (int seat = 0; seat < kSeats; ++seat) {
      for (int& slot : g_hand[seat]) slot = tile;
      for (int& meld : g_melds[seat]) meld = 0;
      g_river_count[seat] = 3;
      g_river[seat][0] = tile;
      g_river[seat][1] = tile;
      g_river_tsumogiri[seat][1] = 1;
      g_river[seat][2] = tile + 200;
      g_hana[seat] = HanaRecord{{tile, tile, tile, tile, tile, tile, tile, tile}, 8, 0};
    }
    for (int look = 0; look < 4; ++look) {
      g_options[opt_open_hands] = look & 1;
      g_scene = look == 2 ? SCENE_DEAL : SCENE_SEAT0_TURN;
      g_pick = look == 3 ? 14 : 1;
      g_options[opt_knitted_support] = 2;
      draw_table();
    }
  }
}

// Every meld kind and source, concealed kongs both ways, the robbable kong red.
void draw_every_meld() {
  for (int kind = kMeldChow; kind <= kMeldMeldedKong; ++kind)
    for (int source = 0; source < 3; ++source)
      for (int tile : kPlayingTiles) {
        if (kind == kMeldChow && (!is_suited(tile) || rank_of(tile) > 7)) continue;
        for (int seat = 0; seat < kSeats; ++seat)
          for (int m = 0; m < kMeldSlots; ++m) g_melds[seat][m] = make_meld(source, kind, tile);
        g_kong_tile = tile;
        g_scene = SCENE_USER_ROB_KONG;
        g_options[opt_kong_visible] = source == 1;
        draw_table();
      }
}

void draw_every_overlay() {
  for (int seat = 0; seat < kSeats; ++seat) {
    g_dealer = g_first_dealer = seat;
    for (int round = 0; round < 4; ++round) {
      g_round_wind = round;
      for (int die = 0; die < 6; ++die) {
        g_dice[0] = g_dice[1] = die;
        draw_table();
      }
    }
    for (int c = 0; c <= 6; ++c) {
      g_seat_character[seat] = c;
      draw_table();
    }
    g_dealt_in_seat = seat;
    for (int balloon = 1; balloon <= 5; ++balloon) {
      g_balloon[seat] = balloon;
      draw_table();
    }
  }
  for (int score : {-99999, -9999, -1000, -12, 0, 7, 640, 9999, 123456}) {
    for (int& s : g_scores) s = score;
    g_scores[0] = -score;
    for (int mouse : {0, 360}) {
      g_mouse_x = g_mouse_y = mouse;
      draw_table();
    }
  }
  for (int kind : {3, 4})
    for (int value = 0; value < 3; ++value) {
      g_notice_frames = 10;
      g_notice_kind = kind;
      g_options[opt_tsumogiri_grey] = value % 2;
      g_options[opt_knitted_support] = value;
      draw_table();
    }
  g_seat_state[0].false_win = 1;
  for (int timer : {400, 360, 1, 0}) {
    g_seat_state[0].false_win_timer = timer;
    draw_table();
  }
  g_seat_state[0].false_win = 0;
  for (int display = 1; display <= 2; ++display)
    for (int points : {1, 9, 42, 999, 1500}) {
      g_options[opt_win_score_display] = display;
      g_shown_points = points;
      draw_table();
    }
  g_shown_points = 0;
  g_options[opt_ai_tile_choice] = 1;
  g_seat_state[0].defend = 1;
  draw_table();
  g_seat_state[0].defend = 0;
  g_options[opt_open_wall] = 1;
  g_wall_count = kWallCapacity;
  for (int i = 0; i < kWallCapacity; ++i) g_wall[i] = art_tile_codes()[i % art_tile_codes().size()];
  draw_table();
  g_draw_banner = 1;
  draw_table();
}

void draw_every_aim() {
  g_options[opt_ai_target_display] = 1;
  g_mouse_y = 620;
  for (int id = 0; id < kYakuCount; ++id)
    for (int variant = 0; variant < 60; ++variant) {
      for (int slot = 0; slot < kAimSlots; ++slot) {
        (slot == 0 ? g_ai_target_yaku[0] : g_ai_chow_candidates[0][slot - 1]) = id;
        (slot == 0 ? g_ai_target_variant[0] : g_ai_chow_candidate_variants[0][slot - 1]) = variant;
      }
      g_mouse_x = 140 + 90 * (variant % kAimSlots);
      draw_table();
    }
}

void draw_every_panel() {
  for (int id = 0; id < kYakuCount; ++id) {
    g_win_record.found[id] = 1;
    g_win_record.pattern_points[id] = id % 100;
  }
  for (int points : {0, 7, 88, 120, 999, 4000}) {
    g_win_points = points;
    g_options[opt_score_cap] = 1;
    draw_win_panel(180, 245);
  }
  g_scene = SCENE_WIN;
  g_scene_frame = 50;
  draw_win_view();
  g_scene = SCENE_HAND_RESULT;
  g_options[opt_suspend] = 1;
  g_options[opt_seat_change_display] = 1;
  for (int first = 0; first < kSeats; ++first)
    for (int round = 0; round < 3; ++round)
      for (int mouse : {0, 500, 600}) {
        g_first_dealer = first;
        g_dealer = (first + 3) % kSeats;
        g_round_wind = round;
        g_mouse_x = mouse;
        g_mouse_y = 500;
        for (int& change : g_score_changes) change = mouse - 300;
        draw_hand_result_view();
      }
  for (int c = 0; c <= 6; ++c) {
    g_seat_character[1] = c;
    draw_score_change_box(1, 0, 0, -9999, 9999);
  }
  g_popup_open = 1;
  for (int hover = 0; hover <= 4; ++hover)
    for (int on = 0; on < 2; ++on) {
      g_popup_hover = hover;
      for (int& row : g_user_naki_options) row = on;
      draw_turn_popup();
      draw_claim_panel();
    }
  for (int tile : kPlayingTiles) {
    for (int& slot : g_hand[0]) slot = tile;
    g_kan_candidates[0] = tile;
    g_kan_choice = 1;
    g_chi_variant[0] = 1;
    g_chi_positions[0] = 0;
    g_chi_positions[1] = kDrawSlot;
    for (int open = 0; open < 2; ++open) {
      g_options[opt_open_hands] = open;
      draw_kong_choice();
      draw_chow_choice();
    }
  }
}

TEST_F(ManifestCover, DealtHandsForEveryDealerStayInsideTheManifest) {
  for (int flowers = 0; flowers <= 2; ++flowers)
    for (int dealer = 0; dealer < kSeats; ++dealer) {
      g_options[opt_flowers] = flowers;
      g_options[opt_flowers_after_deal] = 2;
      g_options[opt_open_hands] = dealer % 2;
      start_hand(dealer);
      ASSERT_GE(run_until_scene(seat_draw_scene(dealer), 2000), 0);
      collect();
    }
  EXPECT_EQ(outside_the_manifest(), "");
}

TEST_F(ManifestCover, ScriptedTablesStayInsideTheManifest) {
  build(build_mid_hand);
  all_options_off();
  draw_every_tile_everywhere();
  collect();
  build(build_mid_hand);
  draw_every_meld();
  collect();
  build(build_mid_hand);
  draw_every_overlay();
  collect();
  build(build_mid_hand);
  all_options_off();
  draw_every_aim();
  collect();
  build(build_win);
  draw_every_panel();
  collect();
  EXPECT_EQ(outside_the_manifest(), "");
  // The cover reached every face of every tile sheet the table uses.
  auto collected = [&](int id, const ArtRect& r) { return sources_.count({id, r.x, r.y, r.w, r.h}) == 1; };
  for (int tile : art_tile_codes()) {
    for (int view = 0; view < 4; ++view)
      for (int id : {134, 135, 136}) EXPECT_TRUE(collected(id, table_tile_cell(view, tile))) << id << " " << tile << " " << view;
    for (int look : {0, kViewSecondLook}) EXPECT_TRUE(collected(132, standing_tile_cell(look, tile))) << tile << " " << look;
    EXPECT_TRUE(collected(137, small_tile_cell(tile))) << tile;
  }
}

}  // namespace

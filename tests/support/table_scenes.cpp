#include "support/table_scenes.h"

#include <algorithm>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "shell/program_state.h"
#include "support/hand_builder.h"
#include "table/win_record.h"

void set_hand_with_melds(int seat, std::string_view free_tiles, std::initializer_list<MeldSpec> melds, int drawn) {
  set_hand(seat, free_tiles);
  std::fill(std::begin(g_melds[seat]), std::end(g_melds[seat]), 0);
  for (const MeldSpec& m : melds) add_meld(seat, m.kind, m.tile, m.source);
  g_hand[seat][kDrawSlot] = drawn;
}

void add_discards(int seat, std::string_view tiles, int grey_every) {
  for (int tile : parse_tiles(tiles)) {
    const int i = g_river_count[seat]++;
    g_river[seat][i] = tile;
    g_river_tsumogiri[seat][i] = grey_every > 0 && (i + 1) % grey_every == 0 ? 1 : 0;
    g_discard_history[seat][g_discard_history_count[seat]++] = tile;
  }
}

void set_flowers(int seat, std::string_view flowers) {
  g_hana[seat] = HanaRecord{};
  for (int tile : parse_tiles(flowers)) g_hana[seat].tiles[g_hana[seat].count++] = tile;
}

void build_mid_hand() {
  reset_program_state();
  g_dealer = 2;
  g_first_dealer = 1;
  g_round_wind = 1;
  g_dice[0] = 2;
  g_dice[1] = 5;
  const int characters[kSeats] = {0, 3, 5, 1};
  std::copy(std::begin(characters), std::end(characters), g_seat_character);
  const int scores[kSeats] = {125, -48, 1032, -1109};
  std::copy(std::begin(scores), std::end(scores), g_scores);
  set_hand_with_melds(0, "234m 678p 5s", {{kMeldChow, 23, 1}, {kMeldPung, 31, 1}}, 25);
  set_hand_with_melds(1, "4567m 3s 66z", {{kMeldConcealedKong, 19, 1}, {kMeldMeldedKong, 37, 2}}, 0);
  set_hand_with_melds(2, "3s 4s", {{kMeldPung, 32, 0}, {kMeldChow, 1, 0}, {kMeldMeldedKong, 15, 1}, {kMeldChow, 26, 2}}, 0);
  set_hand_with_melds(3, "1234567899p", {{kMeldChow, 4, 2}}, 0);
  add_discards(0, "9m 1z 2z 8s 1p 4z 6z 9s 7m 3p 1s 2p 8m 5m 4p 2s 7s 3z 1m 9p 6m 5p 3m 6s 7z", 3);
  add_discards(1, "1z 9s 2m 3p 8m 1s 5z 2s 7p 4z 6p 8p 7s 9m", 4);
  add_discards(2, "4z 1p 8s 5z 2z 6m 9p 3m 2p 7m 1s 8m 4p 3z 5s 9s 6s 7z 2s", 5);
  add_discards(3, "3z 9m 1s 7p 6z 2p 8s 4m 5p 1z 9p 3s 6m 2s 8p 4s 7s 1m 5m 2m 3p 6p 9s 8m 4p", 2);
  set_flowers(0, "135f");
  set_flowers(1, "24678f");
  set_flowers(2, "");
  set_flowers(3, "");
  g_wall_count = 37;
  g_scene = SCENE_SEAT0_TURN;
  g_scene_frame = 0;
}

void build_win() {
  build_mid_hand();
  g_river[0][g_river_count[0] - 1] = 0;  // won on: the entry empties, the count stays
  g_hand[1][kDrawSlot] = 36;
  g_winner = 1;
  g_dealt_in_seat = 0;
  g_seat_state[1].won = 1;
  g_seat_state[1].hand_revealed = 1;
  g_hands_revealed = 1;
  for (int id : {6, 12, 17, 22, 31, 51, 80}) {
    g_win_record.found[id] = 1;
    g_win_record.pattern_points[id] = id == 80 ? 5 : id == 51 ? 16 : 2;
  }
  g_win_points = 45;
  const int changes[kSeats] = {-61, 77, -8, -8};
  std::copy(std::begin(changes), std::end(changes), g_score_changes);
  g_scene = SCENE_WIN;
  g_scene_frame = 50;
}

void build_exhaustive_draw() {
  build_mid_hand();
  g_hand[0][kDrawSlot] = 0;
  g_wall_count = 0;
  g_hands_revealed = 1;
  g_draw_banner = 1;
  g_scene = SCENE_EXHAUSTIVE_DRAW;
  g_scene_frame = 30;
}

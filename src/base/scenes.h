// Scene numbers. A handler moves the game on by storing the next number in
// g_scene; seat s (0..3) has ten scenes from 200 + 90 s.
#pragma once

enum Scene : int {
  SCENE_TITLE = 10,
  SCENE_SUSPENDED = 20,
  SCENE_RESUME_QUESTION = 30,
  SCENE_DEAL = 40,
  SCENE_SORT_HANDS = 50,
  SCENE_INITIAL_FLOWERS = 60,
  SCENE_MATCH_STANDINGS = 70,
  SCENE_MAIN_MENU = 90,
  SCENE_OPTIONS = 110,
  SCENE_SUPPORT = 120,
  SCENE_RULE_YAKU = 130,
  SCENE_CHARACTER_DATA = 140,
  SCENE_DATA_DELETE = 150,
  SCENE_LOCAL_YAKU = 160,
  SCENE_SEAT0_DRAW = 200,
  SCENE_SEAT0_TURN = 210,
  SCENE_SEAT0_DISCARDED = 211,
  SCENE_SEAT1_DRAW = 290,
  SCENE_SEAT1_TURN = 300,
  SCENE_SEAT1_DISCARDED = 301,
  SCENE_SEAT2_DRAW = 380,
  SCENE_SEAT2_TURN = 390,
  SCENE_SEAT2_DISCARDED = 391,
  SCENE_SEAT3_DRAW = 470,
  SCENE_SEAT3_TURN = 480,
  SCENE_SEAT3_DISCARDED = 481,
  SCENE_USER_CLAIM = 560,
  SCENE_USER_ROB_KONG = 570,
  SCENE_FLOWER = 590,
  SCENE_EXHAUSTIVE_DRAW = 600,
  SCENE_SHOUT = 620,
  SCENE_HAND_RESULT = 700,
  SCENE_WIN = 710,
  SCENE_USER_KONG_CHOICE = 810,
  SCENE_USER_CHOW_CHOICE = 820,
  SCENE_KONG_DRAW0 = 900,
  SCENE_KONG_DRAW1 = 910,
  SCENE_KONG_DRAW2 = 920,
  SCENE_KONG_DRAW3 = 930,
  SCENE_HELP_DIFFERENCES = 1000,
  SCENE_HELP_YAKU_RULES = 1010,
  SCENE_HELP_RULES = 1020,
  SCENE_HELP_YAKU_LIST = 1030,
  SCENE_HELP_ADVICE = 1050,
};

// The per-seat block of ten scenes.
constexpr int kSeatSceneStride = 90;
constexpr int seat_draw_scene(int seat) { return 200 + kSeatSceneStride * seat; }
constexpr int seat_turn_scene(int seat) { return 210 + kSeatSceneStride * seat; }
constexpr int seat_discarded_scene(int seat) { return 211 + kSeatSceneStride * seat; }
// step 0..2 the win checks, 3..5 the pung-or-kong checks, 6 the chow check
constexpr int seat_check_scene(int seat, int step) { return 220 + kSeatSceneStride * seat + 10 * step; }
constexpr int kong_draw_scene(int seat) { return SCENE_KONG_DRAW0 + 10 * seat; }

static_assert(seat_draw_scene(1) == SCENE_SEAT1_DRAW && seat_turn_scene(3) == SCENE_SEAT3_TURN);
static_assert(seat_check_scene(0, 6) == 280 && seat_check_scene(3, 0) == 490);

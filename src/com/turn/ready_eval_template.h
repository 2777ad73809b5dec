// The three-chow templates of the chow-pattern aims, as the ready-hand
// evaluator weighs them: nine positions A1 A2 A3 B1 B2 B3 C1 C2 C3 with how
// many copies of each position's tile the template needs from the hand.
#pragma once

constexpr int kTemplatePositions = 9;

struct ChowTemplate {
  int tiles[kTemplatePositions];
  int weights[kTemplatePositions];
  int melded[3];  // 1 when one of the seat's chow melds is that chow
};

// Builds the template of `yaku` with `variant` for the seat (its chow melds
// marked, and for 47 the weights they lower). False when the aim has no
// template or the variant is out of range.
bool build_chow_template(int seat, int yaku, int variant, ChowTemplate& out);

// True when the template holds `tile` at a position of a chow that is not melded.
bool template_holds(const ChowTemplate& t, int tile);

// A clean table for scoring tests: every state the win evaluation reads is
// reset; the winner sits at seat 1 with seat 0 dealing in the East round,
// so its seat wind is South and the round wind East, and the wall is far
// from empty.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/win_case.h"

class ScoringTest : public ::testing::Test {
 protected:
  static constexpr int kSeat = 1;
  static constexpr int kWallLeft = 60;

  void SetUp() override;

  WinScore win(const std::string& text, int by_discard = 1) { return score_win(kSeat, text, by_discard); }
};

// Found patterns as the tests write them: id -> points.
using Found = std::map<int, int>;

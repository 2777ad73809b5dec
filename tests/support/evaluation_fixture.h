// Base fixture for tests of the hand evaluations: the one-suit table built
// once per suite, a fresh table and fresh result areas for every test.
#pragma once

#include <gtest/gtest.h>

#include "base/ai_record.h"
#include "base/shanten.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "support/hai_table_once.h"

class HandEvaluationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fill_hai_table_once();
  }
  void SetUp() override {
    reset_table_state();
    reset_visible_state();
    reset_shanten_state();
    reset_ai_record_state();
  }
};

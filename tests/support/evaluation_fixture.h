// Base fixture for tests of the hand evaluations: the one-suit table built
// once per suite, every test started from the program's fresh state.
#pragma once

#include <gtest/gtest.h>

#include "shell/program_state.h"
#include "support/hai_table_once.h"

class HandEvaluationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fill_hai_table_once();
  }
  void SetUp() override { reset_program_state(); }
};

// A seat set up for one target selector: its hand and declared melds, the
// tiles shown in another seat's river, the latest discard and the distances
// to ready; the selector is run and the target it leaves compared, then run
// again beside an earlier target of equal and of fewer points.
#pragma once

#include <gtest/gtest.h>

#include <string>

// One selector with its argument (threshold or level; ignored by those without).
using TargetSelector = void (*)(int seat, int arg);

struct SelectorCase {
  const char* name;  // the test's name: letters, digits, underscores
  TargetSelector aim;
  int arg;
  const char* hand;          // free tiles
  int target = 0;            // what the selector must leave; 0 nothing
  int variant = 0;
  const char* melds = "";    // "c1m p5p k9s m7z": chow by its lowest tile, pung, concealed and melded kong
  const char* visible = "";  // copies in the river of the seat opposite
  const char* discard = "";  // the latest discard, by the seat before
  int min_shanten = 1;
  int far_forms = 13;        // distance to thirteen orphans and to honours-and-knitted
  int prior = 0;             // the seat's target before the call, kept when `target` is 0
};

std::string selector_case_name(const ::testing::TestParamInfo<SelectorCase>& info);

class SelectorTest : public ::testing::TestWithParam<SelectorCase> {
 protected:
  static constexpr int kSeat = 1;

  // Every subsystem the selectors read reset, the case's seat set up, the
  // selector run once; the target and variant it leaves are compared.
  void check(const SelectorCase& c);

 private:
  void run(const SelectorCase& c, int prior, int prior_variant);
};

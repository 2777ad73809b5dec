// The discard planners of the six characters: one cascade of rules over the
// pool of the seat's free tiles, relaxed level by level until a tile is
// proposed (rule contract and shared state in planner_state.h). The
// characters differ only in the row of kPlannerTraits.
#pragma once

#include <array>

struct PlannerTraits {
  int script;              // target script run first (1..6)
  bool strip_lone_pair;    // level 1 also strips a lone pair (COM1)
  int flush_flag;          // flag of the half- and full-flush choosers (COM3: 1)
  bool danger_filters;     // the opponent-danger filters run (all but COM6)
};

// Indexed by character 0..6; the user's seat (0) plans as COM1.
constexpr std::array<PlannerTraits, 7> kPlannerTraits{{
    {1, true, 0, true},
    {1, true, 0, true},
    {2, false, 0, true},
    {3, false, 1, true},
    {4, false, 0, true},
    {5, false, 0, true},
    {6, false, 0, false},
}};

// Beyond this level the rules would only repeat level 8 on the same pool.
constexpr int kLastRelaxLevel = 8;
constexpr int kThinSuitLevel = 7;
constexpr int kThinSuitVariants = 7;
// Reason of the last resort when no rule proposed a tile at any level.
constexpr int kReasonNoRuleFired = 990;

// On return g_ai_discard_count >= 1 (unless the seat holds no free tile) and
// the seat's 14 hand slots are sorted ascending, empty slots first.
void plan_discard_com1(int seat);
void plan_discard_com2(int seat);
void plan_discard_com3(int seat);
void plan_discard_com4(int seat);
void plan_discard_com5(int seat);
void plan_discard_com6(int seat);
// The planner of character 0..6 (0 and 1 both COM1's).
void plan_discard_of_character(int character, int seat);

// The strips of the relaxation levels, on the picked decomposition row and the pool.
void strip_lone_pair();
void strip_two_tile_runs();
void strip_gapped_pairs();

// The 84 scoring patterns: their ids, names and unit points, the table the
// scorer fills for one hand, and the switches that decide how patterns
// combine (compound patterns) and whether the three local patterns exist.
// Look a pattern up by its id, never by its name: the help screens and the
// switch screens spell some names differently.
#pragma once

#include <array>

#include "core/tiles.h"
#include "core/yaku_switches.h"


// Pattern ids. The order follows the help list by points, except that 29
// (8 points) stands before the 6-point ids 30 to 32; 80 is the flowers and
// 81 to 83 the local patterns.
enum YakuId : int {
  kYaku0PureDoubleChow = 0,
  kYaku1MixedDoubleChow = 1,
  kYaku2TwoTerminalChows = 2,
  kYaku3TerminalHonourPung = 3,
  kYaku4ShortStraight = 4,
  kYaku5MeldedKong = 5,
  kYaku6OneVoidedSuit = 6,
  kYaku7NoHonours = 7,
  kYaku8EdgeWait = 8,
  kYaku9ClosedWait = 9,
  kYaku10SingleWait = 10,
  kYaku11SelfDrawn = 11,
  kYaku12DragonPung = 12,
  kYaku13PrevalentWind = 13,
  kYaku14SeatWind = 14,
  kYaku15DoublePung = 15,
  kYaku16TwoConcealedPungs = 16,
  kYaku17ConcealedKong = 17,
  kYaku18AllSimples = 18,
  kYaku19TileHog = 19,
  kYaku20AllChows = 20,
  kYaku21ConcealedHand = 21,
  kYaku22TwoMeldedKongs = 22,
  kYaku23OutsideHand = 23,
  kYaku24LastTile = 24,
  kYaku25FullyConcealed = 25,
  kYaku26TwoDragonPungs = 26,
  kYaku27MixedShiftedChows = 27,
  kYaku28AllPungs = 28,
  kYaku29TwoConcealedKongs = 29,
  kYaku30AllTypes = 30,
  kYaku31HalfFlush = 31,
  kYaku32MeldedHand = 32,
  kYaku33MixedTripleChow = 33,
  kYaku34MixedShiftedPungs = 34,
  kYaku35MixedStraight = 35,
  kYaku36ReplacementWin = 36,
  kYaku37RobbingKong = 37,
  kYaku38LastDraw = 38,
  kYaku39LastClaim = 39,
  kYaku40ChickenHand = 40,
  kYaku41ReversibleTiles = 41,
  kYaku42BigThreeWinds = 42,
  kYaku43KnittedStraight = 43,
  kYaku44LesserHonoursKnitted = 44,
  kYaku45UpperFour = 45,
  kYaku46LowerFour = 46,
  kYaku47PureShiftedChows = 47,
  kYaku48ThreeSuitedTerminalChows = 48,
  kYaku49PureStraight = 49,
  kYaku50TriplePung = 50,
  kYaku51ThreeConcealedPungs = 51,
  kYaku52AllFives = 52,
  kYaku53PureTripleChow = 53,
  kYaku54PureShiftedPungs = 54,
  kYaku55FullFlush = 55,
  kYaku56SevenPairs = 56,
  kYaku57GreaterHonoursKnitted = 57,
  kYaku58AllEvenPungs = 58,
  kYaku59UpperTiles = 59,
  kYaku60MiddleTiles = 60,
  kYaku61LowerTiles = 61,
  kYaku62FourShiftedChows = 62,
  kYaku63TerminalsHonours = 63,
  kYaku64ThreeKongs = 64,
  kYaku65QuadrupleChow = 65,
  kYaku66FourShiftedPungs = 66,
  kYaku67LittleThreeDragons = 67,
  kYaku68PureTerminalChows = 68,
  kYaku69LittleFourWinds = 69,
  kYaku70AllHonours = 70,
  kYaku71FourConcealedPungs = 71,
  kYaku72AllTerminals = 72,
  kYaku73BigFourWinds = 73,
  kYaku74BigThreeDragons = 74,
  kYaku75SevenShiftedPairs = 75,
  kYaku76FourKongs = 76,
  kYaku77ThirteenOrphans = 77,
  kYaku78AllGreen = 78,
  kYaku79NineGates = 79,
  kYaku80Flowers = 80,
  kYaku81HeavenlyHand = 81,
  kYaku82EarthlyHand = 82,
  kYaku83HumanHand = 83,
};
static_assert(kYaku80Flowers == kYakuFlowers && kYaku83HumanHand + 1 == kYakuCount);

// Fixed points of each pattern; for the flowers, the points of one flower.
// The scorer writes counts into the points column of g_yaku_table for ids
// 0-4, 15, 19 and 80; everything that needs a pattern's own value reads this.
constexpr std::array<int, kYakuCount> kYakuUnitPoints{
    1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,                  // 0-11
    2,  2,  2,  2,  2,  2,  2,  2,  2,  2,                          // 12-21
    4,  4,  4,  4,                                                  // 22-25
    6,  6,  6,  8,  6,  6,  6,                                      // 26-32
    8,  8,  8,  8,  8,  8,  8,  8,  8,                              // 33-41
    12, 12, 12, 12, 12,                                             // 42-46
    16, 16, 16, 16, 16, 16,                                         // 47-52
    24, 24, 24, 24, 24, 24, 24, 24, 24,                             // 53-61
    32, 32, 32,                                                     // 62-64
    48, 48,                                                         // 65-66
    64, 64, 64, 64, 64, 64,                                         // 67-72
    88, 88, 88, 88, 88, 88, 88,                                     // 73-79
    1,                                                              // 80
    88, 88, 88,                                                     // 81-83
};
static_assert(kYakuUnitPoints[kYaku29TwoConcealedKongs] == 8 && kYakuUnitPoints[kYaku30AllTypes] == 6);
static_assert(kYakuUnitPoints[kYaku40ChickenHand] == 8 && kYakuUnitPoints[kYaku41ReversibleTiles] == 8);
static_assert(kYakuUnitPoints[kYaku79NineGates] == 88 && kYakuUnitPoints[kYaku83HumanHand] == 88);

// Pattern names as the pattern list shows them (UTF-8).
constexpr std::array<const char*, kYakuCount> kYakuNames{
    "一般高",     "喜相逢",     "老少副",   "幺九刻",     "連六",       "明槓",       "缺一門",
    "無字",       "辺張",       "坎張",     "単調将",     "自摸",       "箭刻",       "圏風刻",
    "門風刻",     "双同刻",     "双暗刻",   "暗槓",       "断幺",       "四帰一",     "平和",
    "門前清",     "双明槓",     "全帯幺",   "和絶張",     "不求人",     "双箭刻",     "三色三歩高",
    "碰碰和",     "双暗槓",     "五門斉",   "混一色",     "全求人",     "三色三同順", "三色三節高",
    "花竜",       "槓上開花",   "搶槓和",   "妙手回春",   "海底撈月",   "無番和",     "推不倒",
    "三風刻",     "組合竜",     "全不靠",   "大干五",     "小干五",     "一色三歩高", "三色双竜会",
    "清竜",       "三同刻",     "三暗刻",   "全帯五",     "一色三同順", "一色三節高", "清一色",
    "七対",       "七星不靠",   "全双刻",   "全大",       "全中",       "全小",       "一色四歩高",
    "混幺九",     "三槓",       "一色四同順", "一色四節高", "小三元",   "一色双竜会", "小四喜",
    "字一色",     "四暗刻",     "清幺九",   "大四喜",     "大三元",     "連七対",     "四槓",
    "十三幺",     "緑一色",     "九蓮宝灯", "花牌",       "天和",       "地和",       "人和",
};

// One row of the pattern table.
struct YakuEntry {
  int found;   // 1 when the last scored hand holds the pattern
  int points;  // its points then: the unit points, or a count for ids 0-4, 15, 19, 80;
               // meaningless while found is 0
};

// A pattern table, indexed by YakuId.
using YakuTable = std::array<YakuEntry, kYakuCount>;
// Every row {0, unit points}: the table before any scoring.
constexpr YakuTable kFreshYakuTable = [] {
  YakuTable t{};
  for (int id = 0; id < kYakuCount; ++id) t[id] = {0, kYakuUnitPoints[id]};
  return t;
}();

// What one scoring leaves: the pattern table of the hand and its totals.
struct Scoring {
  YakuTable table = kFreshYakuTable;
  int total = 0;           // after the optional 88 cap, flowers included
  int total_uncapped = 0;  // the same before the cap
};

// ------------------------------------------------------- compound switches
// The words of RuleSwitches::rule_yaku. Each is 1 (combine, the
// default) or 0, except word 11 (default 0), which at 1 adds wind pungs to
// a count.
enum RuleYakuWord : int {
  kRuleFourConcealedFullyConcealed = 0,  // 0: a self-drawn 四暗刻 scores 自摸, not 不求人
  kRuleNineGatesFullyConcealed = 1,      // 0: the same for 九蓮宝灯
  kRuleThirteenOrphansFullyConcealed = 2,  // 0: the same for 十三幺
  kRuleSevenPairsFullyConcealed = 3,     // 0: the same for 七対 and 連七対
  kRuleHonoursKnittedFullyConcealed = 4, // 0: the same for 全不靠 and 七星不靠
  kRuleSevenPairsAllTypes = 5,           // 0: 七対 drops 五門斉
  kRuleSevenPairsReversible = 6,         // 0: 七対 drops 推不倒, a two-suit hand gets 缺一門 back
  kRuleSevenPairsTileRange = 7,          // 0: 七対 drops 大干五 小干五 全大 全中 全小
  kRuleSevenPairsNoHonours = 8,          // 0: 七対 drops 無字
  kRuleSevenPairsOneVoidedSuit = 9,      // 0: 七対 drops 缺一門
  kRuleKnittedStraightWaits = 10,        // 0: 組合竜 won on a knitted tile drops the wait patterns
  kRuleWindPungsTerminal = 11,           // 1: guest wind pungs of 三風刻 / 小四喜 count for 幺九刻
  kRuleReplacementLastDraw = 12,         // 0: 槓上開花 drops 妙手回春
};
static_assert(kRuleReplacementLastDraw + 1 == kRuleYakuWords);

// ---------------------------------------------------------- local patterns
// The words of RuleSwitches::local_yaku: 1 allows the pattern, 0 (the default) leaves it out.
enum LocalYakuWord : int {
  kLocalHeavenlyHand = 0,  // 天和, id 81
  kLocalEarthlyHand = 1,   // 地和, id 82
  kLocalHumanHand = 2,     // 人和, id 83
};
static_assert(kLocalHumanHand + 1 == kLocalYakuWords);


constexpr int yaku_unit_points(int id) { return kYakuUnitPoints[id]; }
constexpr const char* yaku_name(int id) { return kYakuNames[id]; }

#include "support/hand_builder.h"

#include <algorithm>
#include <stdexcept>

#include "base/table_state.h"

namespace {

// Suit letter -> (suit, highest rank); -1 for letters that name no suit.
struct SuitLetter {
  char letter;
  int suit;
  int max_rank;
};
constexpr std::array<SuitLetter, 5> kSuitLetters{{
    {'m', kCharacters, 9},
    {'p', kDots, 9},
    {'s', kBamboo, 9},
    {'z', kHonours, 7},
    {'f', kFlowers, 8},
}};

const SuitLetter* find_suit(char c) {
  for (const SuitLetter& s : kSuitLetters)
    if (s.letter == c) return &s;
  return nullptr;
}

[[noreturn]] void fail(std::string_view text, std::string_view why) {
  throw std::invalid_argument("tile text \"" + std::string(text) + "\": " + std::string(why));
}

char suit_letter(int tile) {
  for (const SuitLetter& s : kSuitLetters)
    if (s.suit == suit_of(tile)) return s.letter;
  return '?';
}

}  // namespace

std::vector<int> parse_tiles(std::string_view text) {
  std::vector<int> tiles;
  std::string pending;  // rank digits waiting for their suit letter
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == ',') continue;
    if (c >= '0' && c <= '9') {
      pending += c;
      continue;
    }
    const SuitLetter* suit = find_suit(c);
    if (suit == nullptr) fail(text, std::string("unknown character '") + c + "'");
    if (pending.empty()) fail(text, std::string("suit letter '") + c + "' without ranks");
    for (char d : pending) {
      const int rank = d - '0';
      if (rank < 1 || rank > suit->max_rank) fail(text, std::string("rank ") + d + " out of range for '" + c + "'");
      tiles.push_back(make_tile(suit->suit, rank));
    }
    pending.clear();
  }
  if (!pending.empty()) fail(text, "ranks without a suit letter at the end");
  return tiles;
}

void sort_hand_slots(int* slots) {
  std::sort(slots, slots + kHandSlots, [](int a, int b) {
    if (a == 0 || b == 0) return b == 0 && a != 0;
    return a < b;
  });
}

std::array<int, kHandSlots> make_hand(std::string_view text) {
  const std::vector<int> tiles = parse_tiles(text);
  if (tiles.size() > static_cast<size_t>(kHandSlots)) fail(text, "more than 14 tiles");
  std::array<int, kHandSlots> hand{};
  std::copy(tiles.begin(), tiles.end(), hand.begin());
  sort_hand_slots(hand.data());
  return hand;
}

void set_hand(int seat, std::string_view text) {
  const std::array<int, kHandSlots> hand = make_hand(text);
  std::copy(hand.begin(), hand.end(), g_hand[seat]);
}

int add_meld(int seat, int kind, int tile, int source) {
  const bool chow = kind == kMeldChow;
  if (kind < kMeldChow || kind > kMeldMeldedKong || !is_playing_tile(tile))
    throw std::invalid_argument("add_meld: bad kind or tile");
  if (chow && (!is_suited(tile) || rank_of(tile) > 7)) throw std::invalid_argument("add_meld: chow must start at a suit rank 1-7");
  int* melds = g_melds[seat];
  int* meld_slot = std::find(melds, melds + kMeldSlots, 0);
  if (meld_slot == melds + kMeldSlots) throw std::invalid_argument("add_meld: four melds already declared");
  int* hand = g_hand[seat];
  if (std::count(hand, hand + kHandSlots, 0) < 3) throw std::invalid_argument("add_meld: no three empty hand slots");

  if (source < 0) source = kind == kMeldConcealedKong ? 1 : 0;
  const int code = make_meld(source, kind, tile);
  *meld_slot = code;
  int placed = 0;
  for (int i = 0; i < kHandSlots && placed < 3; ++i) {
    if (hand[i] != 0) continue;
    hand[i] = make_slot(chow ? tile + placed : tile, kind);
    ++placed;
  }
  sort_hand_slots(hand);
  return code;
}

std::string format_tiles(const int* slots, int count) {
  std::string out;
  for (int i = 0; i < count;) {
    if (slots[i] == 0) {
      ++i;
      continue;
    }
    const int marker = marker_of(slots[i]);
    const int suit = suit_of(tile_of(slots[i]));
    if (!out.empty()) out += ' ';
    int j = i;
    for (; j < count && slots[j] != 0 && marker_of(slots[j]) == marker && suit_of(tile_of(slots[j])) == suit; ++j)
      out += static_cast<char>('0' + rank_of(tile_of(slots[j])));
    out += suit_letter(tile_of(slots[i]));
    if (marker != 0) out += "(" + std::to_string(marker) + ")";
    i = j;
  }
  return out;
}

std::string format_tiles(const std::vector<int>& tiles) {
  return format_tiles(tiles.data(), static_cast<int>(tiles.size()));
}

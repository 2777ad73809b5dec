// The pattern list help screen: twelve pages by point value, hover selection
// and the selected pattern's explanation with its example hands.
#include <sstream>
#include <string>
#include <vector>

#include "base/scene_state.h"
#include "base/sound.h"
#include "core/yaku_table.h"
#include "draw/art_manifest.h"
#include "draw/gdi.h"
#include "screens/help_yaku_entries.h"
#include "screens/screen_state.h"
#include "screens/screens.h"

namespace {

constexpr int kWordSheet = 125;    // the arrow buttons
constexpr int kHeaderSheet = 126;  // digits, brackets and "点役"
constexpr int kHandSheet = 133;
constexpr int kMeldSheet = 134;

constexpr int kHeaderY = 112;
constexpr int kTilePitch = 31;
constexpr int kWonTileGap = 13;
constexpr int kFirstGroupX = 110;

int slot_x(int slot) { return 90 + 140 * (slot % 4); }
int slot_y(int slot) { return 145 + 30 * (slot / 4); }

// The list position (1..81) in slot `slot` of page `page`, 0 for an empty slot.
int slot_value(int page, int slot) {
  int seen = 0;
  for (int v = 1; v <= kYakuEntries; ++v)
    if (kYakuEntryTable[v - 1].page == page && seen++ == slot) return v;
  return 0;
}

void draw_header(int page) {
  const int points = kYakuPagePoints[page];
  const int d = points >= 10 ? 0 : -7;
  blit_bitmap(80, kHeaderY, 10, 20, kHeaderSheet, 380, 400);
  if (points >= 10) blit_bitmap(92, kHeaderY, 10, 20, kHeaderSheet, 100 + 10 * (points / 10), 400);
  blit_bitmap(105 + d, kHeaderY, 10, 20, kHeaderSheet, 100 + 10 * (points % 10), 400);
  blit_bitmap(115 + d, kHeaderY, 40, 20, kHeaderSheet, 240, 400);
  blit_bitmap(150, kHeaderY, 10, 20, kHeaderSheet, 390, 400);
}

// The hover of step 5: the first used slot whose mark holds the pointer
// becomes the selection, with the select sound only when it changes.
void hover_select(int page) {
  for (int slot = 0; slot < kYakuSlots; ++slot) {
    const int x = slot_x(slot), y = slot_y(slot);
    if (g_mouse_x < x || g_mouse_x > x + 16 || g_mouse_y < y || g_mouse_y > y + 16) continue;
    const int v = slot_value(page, slot);
    if (v == 0) continue;
    if (g_help_selection != v) request_se(SE_SELECT);
    g_help_selection = v;
    draw_text(x, y, "●");
    return;
  }
}

// One group of an example row at height y, e.g. "1 2 3 + 4", "4 5 6 7 at 72 + 7"
// or "[17 17 17 17] at 485".
void draw_group(const std::string& group, int y) {
  std::istringstream words(group);
  std::vector<std::string> tokens;
  for (std::string word; words >> word;) tokens.push_back(word);
  int x = kFirstGroupX;
  for (std::size_t i = 0; i + 1 < tokens.size(); ++i)
    if (tokens[i] == "at") x = std::stoi(tokens[i + 1]);
  const bool melded = group.find('[') != std::string::npos;
  bool started = false;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    std::string word = tokens[i];
    if (word == "at") {
      ++i;
      continue;
    }
    if (word == "+") {
      x += kWonTileGap;
      continue;
    }
    std::erase(word, '[');
    std::erase(word, ']');
    if (started) x += kTilePitch;
    started = true;
    const ArtRect cell = help_tile_cell(std::stoi(word));
    blit_bitmap(x, y, cell.w, cell.h, melded ? kMeldSheet : kHandSheet, cell.x, cell.y);
  }
}

void draw_example_row(const YakuExampleRow& row) {
  std::istringstream groups(row.tiles);
  for (std::string group; std::getline(groups, group, '/');) draw_group(group, row.y);
}

void draw_explanation(const YakuListEntry& entry) {
  for (int i = 0; i < yaku_line_count(entry); ++i) draw_text(90, yaku_line_y(entry, i), entry.lines[i]);
  for (int r = 0; r < yaku_row_count(entry); ++r) draw_example_row(entry.rows[r]);
}

}  // namespace

void draw_help_yaku_list() {
  draw_screen_background();
  draw_card(kHelpCardLeft, 40, kHelpCardRight, 690, false);
  draw_text(60, 60, "あがり役の説明");
  const int page = g_help_page >= 0 && g_help_page < kYakuPages ? g_help_page : 0;
  draw_header(page);
  for (int slot = 0; slot < kYakuSlots; ++slot) {
    const int v = slot_value(page, slot);
    draw_text(slot_x(slot), slot_y(slot), v == 0 ? " " : ("〇 " + std::string(yaku_name(kYakuEntryTable[v - 1].pattern_id))).c_str());
  }
  hover_select(page);
  draw_text(70, 270, "――――――――――――――――――――――――――――――――――――");
  blit_bitmap(680, 350, 20, 20, kWordSheet, 80, 80);
  blit_bitmap(20, 350, 20, 20, kWordSheet, 100, 80);
  if (g_help_selection < 1 || g_help_selection > kYakuEntries) {
    draw_text(230, 445, "< 左右キーで得点役を切り替え >");
    const std::string label = (page < 9 ? " " : "") + std::to_string(page + 1) + " / 12";
    draw_text(334, 485, label.c_str());
    return;
  }
  draw_explanation(kYakuEntryTable[g_help_selection - 1]);
}

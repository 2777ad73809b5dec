// Every text of the front end's notices and messages sits on its card: the
// screen drawn in each of its states, each text's box is ringed by the
// card's white paper, so no text runs into the card's edge or past it. The
// notice of unreadable files, for every set of them, says all it must on a
// card no deeper than its text, clear of the screen's own card.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "draw/gdi.h"
#include "screens/screen_state.h"
#include "screens/screens.h"
#include "support/draw_calls.h"
#include "support/test_workdir.h"

namespace {

constexpr int kMargin = 4;  // pixels of paper at least, on every side of a text
constexpr std::uint32_t kPaper = 0xFFFFFF;

// Whether every pixel within kMargin of the text's box, outside the box, is paper.
bool on_paper(const platform::Surface& s, const DrawCall& text) {
  for (int y = text.dy - kMargin; y < text.dy + text.h + kMargin; ++y)
    for (int x = text.dx - kMargin; x < text.dx + text.w + kMargin; ++x) {
      const bool inside = x >= text.dx && x < text.dx + text.w && y >= text.dy && y < text.dy + text.h;
      const bool on_screen = x >= 0 && y >= 0 && x < s.width && y < s.height;
      if (!inside && (!on_screen || s.at(x, y) != kPaper)) return false;
    }
  return true;
}

// Rows of paper from (x, y) on, stepping by `step` rows.
int paper_rows(const platform::Surface& s, int x, int y, int step) {
  int rows = 0;
  for (; y >= 0 && y < s.height && s.at(x, y) == kPaper; y += step) ++rows;
  return rows;
}

// The first row under the card at (x, y), on it: past its paper and the edge below.
int row_under_card(const platform::Surface& s, int x, int y) {
  y += paper_rows(s, x, y, 1);
  const std::uint32_t edge = s.at(x, y);
  while (y < s.height && s.at(x, y) == edge) ++y;
  return y;
}

// The names on the lines between the notice's first line and its last.
std::vector<std::string> names_on(const std::vector<DrawCall>& lines) {
  const std::string separator = "、";
  std::vector<std::string> names;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    const std::string& text = lines[i].text;
    for (std::size_t from = 0;;) {
      const std::size_t to = text.find(separator, from);
      names.push_back(text.substr(from, to - from));
      if (to == std::string::npos) break;
      from = to + separator.size();
    }
  }
  return names;
}

struct Notice {
  const char* name;
  int write_failed;  // a WriteFailure
  int stats_deleted;
  void (*scene)();
  bool unreadable = false;  // every data file could not be read
  int partly_booked = 0;
};

const std::vector<std::string> kDataFileNames{"data/win_xy.dat",    "data/save.dat",       "data/option.dat",
                                              "data/rule_yaku.dat", "data/local_yaku.dat", "data/restart.dat"};

constexpr Notice kNotices[] = {
    {"title", kWriteOk, 0, scene_title},
    {"suspended", kWriteOk, 0, scene_suspended},
    {"suspended, not stored", kWriteFailedSuspend, 0, scene_suspended},
    {"resume question", kWriteOk, 0, scene_resume_question},
    {"menu", kWriteOk, 0, scene_main_menu},
    {"menu, resume not cleared", kWriteFailedResume, 0, scene_main_menu},
    {"menu, decline not cleared", kWriteFailedDecline, 0, scene_main_menu},
    {"menu, standings not saved", kWriteFailedStandings, 0, scene_main_menu},
    {"menu, settings not saved", kWriteFailedSettings, 0, scene_main_menu},
    {"menu, stored match not read", kReadFailedResume, 0, scene_main_menu},
    {"menu, hands left out", kWriteOk, 0, scene_main_menu, false, 1},
    {"menu, hands left out, standings not saved", kWriteFailedStandings, 0, scene_main_menu, true, 1},
    {"menu, files unreadable", kWriteFailedSettings, 0, scene_main_menu, true},
    {"resume question, files unreadable", kWriteOk, 0, scene_resume_question, true},
    {"deletion offered", kWriteOk, 0, scene_data_delete},
    {"deletion not saved", kWriteFailedDeletion, 0, scene_data_delete},
    {"deleted", kWriteOk, 1, scene_data_delete},
};

TEST(NoticesFit, EveryTextLiesOnItsCard) {
  TestWorkdir dir;
  open_headless_program();
  for (const Notice& notice : kNotices) {
    g_last_write_failed = notice.write_failed;
    g_stats_deleted = notice.stats_deleted;
    g_partly_booked = notice.partly_booked;
    g_unreadable_files = notice.unreadable ? kDataFileNames : std::vector<std::string>{};
    const std::vector<DrawCall> calls = record_calls(notice.scene);
    finish_drawing();
    int texts = 0;
    std::string all_text;
    for (const DrawCall& call : calls) {
      if (call.text.empty()) continue;
      ++texts;
      all_text += call.text + "\n";
      EXPECT_TRUE(on_paper(g_back_surface, call)) << notice.name << ": \"" << call.text << "\" at " << call.dx << ", "
                                                  << call.dy << ", " << call.w << " px wide";
    }
    EXPECT_GT(texts, 0) << notice.name;
    for (const std::string& name : kDataFileNames)
      EXPECT_EQ(all_text.find(name) != std::string::npos, notice.unreadable) << notice.name << ": " << name;
  }
}

TEST(NoticesFit, TheUnreadableNoticeNamesEverySetOnACardOfItsOwn) {
  const std::string head = "次のファイルを読み込めませんでした。初期値で続けます";
  const std::string foot = "・ファイルはそのまま残し、終了するまで上書きしません";
  struct Screen {
    const char* name;
    void (*scene)();
    int card_top;  // the screen's own card
  };
  constexpr Screen kScreens[] = {{"menu", scene_main_menu, 170}, {"resume question", scene_resume_question, 195}};
  TestWorkdir dir;
  open_headless_program();
  for (const Screen& screen : kScreens)
    for (unsigned set = 1; set < 1u << kDataFileNames.size(); ++set) {
      std::vector<std::string> names;
      for (std::size_t i = 0; i < kDataFileNames.size(); ++i)
        if (set >> i & 1) names.push_back(kDataFileNames[i]);
      g_unreadable_files = names;
      const std::vector<DrawCall> calls = record_calls(screen.scene);
      finish_drawing();
      std::vector<DrawCall> lines;  // the notice's, the last texts drawn
      for (const DrawCall& call : calls)
        if (call.text == head || (!lines.empty() && !call.text.empty())) lines.push_back(call);
      const std::string what = std::string(screen.name) + ", set " + std::to_string(set);
      ASSERT_GE(lines.size(), 3u) << what;
      EXPECT_EQ(lines.back().text, foot) << what;
      EXPECT_EQ(names_on(lines), names) << what;
      for (const DrawCall& line : lines) EXPECT_TRUE(on_paper(g_back_surface, line)) << what << ": " << line.text;
      const DrawCall& first = lines.front();
      const DrawCall& last = lines.back();
      EXPECT_LE(paper_rows(g_back_surface, last.dx, last.dy + last.h, 1),
                paper_rows(g_back_surface, first.dx, first.dy - 1, -1))
          << what << ": the card runs on below its text";
      EXPECT_LE(row_under_card(g_back_surface, last.dx, last.dy + last.h), screen.card_top) << what;
    }
}

}  // namespace

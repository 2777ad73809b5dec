#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "temp_dir.h"

using platform::Message;

namespace {

struct Received {
  Message msg;
  int a;
  int b;
  bool operator==(const Received&) const = default;
};

std::vector<Received> received;

// A tiny program: records every message, paints a counter, ends on Esc and
// stops the program on the key 'Q'.
int recording_proc(Message msg, int a, int b) {
  received.push_back({msg, a, b});
  if (msg == platform::kMsgPaint) {
    platform::Surface frame(720, 720, static_cast<std::uint32_t>(received.size()));
    platform::present(frame);
    platform::play_sound("wave/ok.wav");
  }
  if (msg == platform::kMsgKeyDown && a == platform::kVkEscape) platform::destroy_window();
  if (msg == platform::kMsgKeyDown && a == 'Q') {
    platform::message_box("text", "caption");
    platform::exit_program(-1);
  }
  if (msg == platform::kMsgDestroy) {
    platform::destroy_window();  // a second destruction from inside is ignored
    platform::post_quit(3);
  }
  return 0;
}

class Headless : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    received.clear();
  }
  static platform::WindowConfig config() {
    platform::WindowConfig c;
    c.left = 30;
    c.top = 40;
    c.proc = recording_proc;
    return c;
  }
};

}  // namespace

TEST_F(Headless, DeliversMessagesInOrderWithPositions) {
  headless::open(config());
  EXPECT_TRUE(headless::is_open());
  headless::step_frames(2);
  headless::left_click();  // never moved: judged at (0, 0)
  headless::mouse_move(5, 7);
  headless::left_click();
  headless::right_click_at(100, 200);
  headless::left_click_at(300, 400);
  headless::key(platform::kVkLeft);
  const std::vector<Received> expected{
      {platform::kMsgCreate, 0, 0},       {platform::kMsgTimer, 0, 0},
      {platform::kMsgPaint, 0, 0},        {platform::kMsgTimer, 0, 0},
      {platform::kMsgPaint, 0, 0},        {platform::kMsgLeftDown, 0, 0},
      {platform::kMsgMouseMove, 5, 7},    {platform::kMsgLeftDown, 5, 7},
      {platform::kMsgMouseMove, 100, 200}, {platform::kMsgRightDown, 100, 200},
      {platform::kMsgMouseMove, 300, 400}, {platform::kMsgLeftDown, 300, 400},
      {platform::kMsgKeyDown, 37, 0},
  };
  EXPECT_EQ(received, expected);
  EXPECT_EQ(headless::screen().width, 720);
  EXPECT_EQ(headless::screen().at(0, 0), 5u);  // painted at the fifth message
  EXPECT_EQ(headless::sound_log(), (std::vector<std::string>{"wave/ok.wav", "wave/ok.wav"}));
  headless::clear_sound_log();
  EXPECT_TRUE(headless::sound_log().empty());
}

TEST_F(Headless, DestroyEndsTheRunAndSilencesTheWindow) {
  headless::open(config());
  const platform::Rect rect = platform::window_rect();
  EXPECT_EQ(rect.left, 30);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(rect.right, 750);
  EXPECT_EQ(rect.bottom, 760);
  headless::key(platform::kVkEscape);
  EXPECT_FALSE(headless::is_open());
  EXPECT_TRUE(headless::quit_requested());
  EXPECT_EQ(headless::exit_code(), 3);
  ASSERT_EQ(received.size(), 3u);
  EXPECT_EQ(received[2].msg, platform::kMsgDestroy);
  headless::step_frames(5);
  headless::left_click_at(1, 1);
  EXPECT_EQ(received.size(), 3u);
  EXPECT_TRUE(headless::screen().pixels.empty());
}

TEST_F(Headless, ExitProgramThrowsAndMessagesAreLogged) {
  headless::open(config());
  try {
    headless::key('Q');
    FAIL() << "exit_program returned";
  } catch (const headless::ExitRequested& exit) {
    EXPECT_EQ(exit.code, -1);
  }
  EXPECT_TRUE(headless::quit_requested());
  EXPECT_EQ(headless::exit_code(), -1);
  EXPECT_EQ(headless::message_log(), std::vector<std::string>{"caption: text"});
}

TEST_F(Headless, ClockIsVirtualAndRunWindowStepsTheGivenFrames) {
  headless::set_displays({{0, 0, 800, 600}, {800, 0, 1600, 600}});
  EXPECT_EQ(platform::display_rects().size(), 2u);
  headless::set_run_frames(25);
  EXPECT_EQ(platform::run_window(config()), 0);
  EXPECT_EQ(platform::clock_ms(), 250u);
  EXPECT_EQ(received.size(), 1u + 2 * 25);
  EXPECT_TRUE(headless::dump_png("shot.png"));
  platform::Surface shot;
  ASSERT_TRUE(platform::load_png("shot.png", shot));
  EXPECT_EQ(shot.pixels, headless::screen().pixels);

  headless::reset();
  EXPECT_FALSE(headless::is_open());
  ASSERT_EQ(platform::display_rects().size(), 1u);
  EXPECT_EQ(platform::display_rects()[0].right, 1920);
  EXPECT_TRUE(headless::sound_log().empty());
}

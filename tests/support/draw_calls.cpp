#include "support/draw_calls.h"

std::vector<DrawCall> record_calls(const std::function<void()>& draw) {
  start_draw_recording();
  draw();
  stop_draw_recording();
  return g_draw_calls;
}

bool draws_text(const std::function<void()>& draw, const std::string& text) {
  for (const DrawCall& call : record_calls(draw))
    if (call.text.find(text) != std::string::npos) return true;
  return false;
}

std::vector<DrawCall> from_sheet(const std::vector<DrawCall>& calls, int id) {
  std::vector<DrawCall> out;
  for (const DrawCall& c : calls)
    if (c.id == id) out.push_back(c);
  return out;
}

const DrawCall* call_at(const std::vector<DrawCall>& calls, int id, int x, int y) {
  for (const DrawCall& c : calls)
    if (c.id == id && c.dx == x && c.dy == y) return &c;
  return nullptr;
}

std::string describe(const DrawCall& c) {
  return std::to_string(c.id) + " (" + std::to_string(c.dx) + ", " + std::to_string(c.dy) + ") " + std::to_string(c.w) +
         " x " + std::to_string(c.h) + " from (" + std::to_string(c.sx) + ", " + std::to_string(c.sy) + ")";
}

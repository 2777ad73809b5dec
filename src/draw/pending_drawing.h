// The drawing recorded and not yet finished: the gdi routines' own state,
// seen only by the draw floor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "draw/dirty_blocks.h"
#include "platform/platform.h"

constexpr int kBackgroundPatterns = 2;

// One drawing routine's call, kept until the pixels are needed.
struct PendingWork {
  enum Kind : int { kBlit, kFill, kShade, kText, kEnlargedText, kBackground } kind = kBlit;
  int x = 0, y = 0, w = 0, h = 0;
  int id = 0, sx = 0, sy = 0;  // blit: the sheet and the source corner
  platform::Rop rop = platform::Rop::Copy;
  std::uint32_t colour = 0;
  int amount = 0;              // shade: alpha; enlarged text: scale; background: pattern
  std::size_t text = 0;        // texts: offset of its NUL-terminated bytes in PendingDrawing::texts

  bool operator==(const PendingWork&) const = default;
};

struct PendingDrawing {
  std::vector<PendingWork> work;  // in call order
  std::string texts;       // the texts of the work, each NUL-terminated
  // Each background pattern as a whole 720 x 720 surface, made at its first
  // use (empty before, and after the sheets load).
  platform::Surface backgrounds[kBackgroundPatterns];
  // The background last drawn whole into g_back_surface (-1: not known), the
  // blocks drawn over since, and the pixel buffer they were drawn in (a
  // surface put in its place is drawn whole again).
  int shown_background = -1;
  DirtyBlocks drawn;
  const std::uint32_t* shown_pixels = nullptr;
  // The work and texts last drawn: the same work again leaves the same pixels.
  std::vector<PendingWork> shown_work;
  std::string shown_texts;
  // The blocks whose pixels may have changed since finish_drawing_changes
  // last gave them, and the boxes it gave then. A fresh drawing knows no
  // pixel buffer, so its first finish marks the whole surface here.
  DirtyBlocks changed;
  std::vector<platform::Rect> changed_boxes;
  // The boxes a frame drawn over the one before redraws (kept for their room).
  std::vector<platform::Rect> redrawn_boxes;
};
extern PendingDrawing g_pending;

// Drops the drawing not yet finished and the backgrounds made so far.
void reset_pending_drawing();

// Reading the recorded draw calls in tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "draw/gdi.h"

// The calls recorded while `draw` runs.
std::vector<DrawCall> record_calls(const std::function<void()>& draw);

// Whether a text that `draw` draws holds `text`.
bool draws_text(const std::function<void()>& draw, const std::string& text);

// The calls from one sheet, in order.
std::vector<DrawCall> from_sheet(const std::vector<DrawCall>& calls, int id);

// The first call from the sheet drawn at (x, y), or nullptr.
const DrawCall* call_at(const std::vector<DrawCall>& calls, int id, int x, int y);

// "id (dx, dy) w x h from (sx, sy)" for failure messages.
std::string describe(const DrawCall& call);

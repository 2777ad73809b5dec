// The pixel loops behind the drawing routines of gdi.h that the platform's
// block copy, fill and text do not cover.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Every pixel of the box (clipped to the surface) mixed with `colour` by alpha.
void shade_pixels(platform::Surface& dst, int x, int y, int w, int h, std::uint32_t colour, int alpha);

// Text enlarged `scale` times at (left, top): ink in `colour` by the glyphs' coverage.
void ink_enlarged_text(platform::Surface& dst, int left, int top, const char* utf8, int scale,
                       std::uint32_t colour);

// The texture `pattern` of `sheet` repeated over a w x h surface from its corner.
platform::Surface tiled_texture(const platform::Surface& sheet, int pattern, int w, int h);

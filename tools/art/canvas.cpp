#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

Rgb mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb scale(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }

void fill(Image& img, int x, int y, int w, int h, std::uint32_t colour) {
  for (int j = std::max(0, y); j < std::min(img.height, y + h); ++j)
    for (int i = std::max(0, x); i < std::min(img.width, x + w); ++i) img.at(i, j) = colour;
}

void copy(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const int x = dx + i, y = dy + j;
      if (x >= 0 && y >= 0 && x < dst.width && y < dst.height) dst.at(x, y) = src.at(sx + i, sy + j);
    }
}

Layer::Layer(int w, int h)
    : width(w), height(h), r(static_cast<std::size_t>(w) * h), g(r.size()), b(r.size()), a(r.size()) {}

void Layer::blend(int x, int y, Rgb c, float cover) {
  if (x < 0 || y < 0 || x >= width || y >= height || cover <= 0) return;
  const std::size_t i = static_cast<std::size_t>(y) * width + x;
  cover = std::min(cover, 1.0f);
  const float out_a = cover + a[i] * (1 - cover);
  if (out_a <= 0) return;
  const float keep = a[i] * (1 - cover);
  r[i] = (c.r * cover + r[i] * keep) / out_a;
  g[i] = (c.g * cover + g[i] * keep) / out_a;
  b[i] = (c.b * cover + b[i] * keep) / out_a;
  a[i] = out_a;
}

namespace {

// Runs f(x, y) for every layer pixel whose centre lies in the bounding box.
template <class F>
void scan(Layer& l, float x0, float y0, float x1, float y1, F f) {
  const int i0 = std::max(0, static_cast<int>(std::floor(x0)));
  const int j0 = std::max(0, static_cast<int>(std::floor(y0)));
  const int i1 = std::min(l.width - 1, static_cast<int>(std::ceil(x1)));
  const int j1 = std::min(l.height - 1, static_cast<int>(std::ceil(y1)));
  for (int j = j0; j <= j1; ++j)
    for (int i = i0; i <= i1; ++i) f(i, j, i + 0.5f, j + 0.5f);
}

}  // namespace

void fill_rect(Layer& l, float x0, float y0, float x1, float y1, Rgb c, float alpha) {
  scan(l, x0, y0, x1, y1, [&](int i, int j, float px, float py) {
    if (px >= x0 && px < x1 && py >= y0 && py < y1) l.blend(i, j, c, alpha);
  });
}

void fill_ellipse(Layer& l, float cx, float cy, float rx, float ry, Rgb c, float alpha) {
  scan(l, cx - rx, cy - ry, cx + rx, cy + ry, [&](int i, int j, float px, float py) {
    const float dx = (px - cx) / rx, dy = (py - cy) / ry;
    if (dx * dx + dy * dy <= 1) l.blend(i, j, c, alpha);
  });
}

void fill_ring(Layer& l, float cx, float cy, float r_out, float r_in, Rgb c) {
  scan(l, cx - r_out, cy - r_out, cx + r_out, cy + r_out, [&](int i, int j, float px, float py) {
    const float d2 = (px - cx) * (px - cx) + (py - cy) * (py - cy);
    if (d2 <= r_out * r_out && d2 >= r_in * r_in) l.blend(i, j, c, 1);
  });
}

void fill_round_rect(Layer& l, float x0, float y0, float x1, float y1, float radius, Rgb c, float alpha) {
  scan(l, x0, y0, x1, y1, [&](int i, int j, float px, float py) {
    if (px < x0 || px >= x1 || py < y0 || py >= y1) return;
    const float qx = std::max({x0 + radius - px, px - (x1 - radius), 0.0f});
    const float qy = std::max({y0 + radius - py, py - (y1 - radius), 0.0f});
    if (qx * qx + qy * qy <= radius * radius) l.blend(i, j, c, alpha);
  });
}

void fill_polygon(Layer& l, const std::vector<float>& xy, Rgb c, float alpha) {
  const std::size_t n = xy.size() / 2;
  if (n < 3) return;
  float x0 = xy[0], x1 = xy[0], y0 = xy[1], y1 = xy[1];
  for (std::size_t k = 0; k < n; ++k) {
    x0 = std::min(x0, xy[2 * k]), x1 = std::max(x1, xy[2 * k]);
    y0 = std::min(y0, xy[2 * k + 1]), y1 = std::max(y1, xy[2 * k + 1]);
  }
  scan(l, x0, y0, x1, y1, [&](int i, int j, float px, float py) {
    bool inside = false;  // even-odd rule
    for (std::size_t k = 0, m = n - 1; k < n; m = k++) {
      const float xa = xy[2 * k], ya = xy[2 * k + 1], xb = xy[2 * m], yb = xy[2 * m + 1];
      if ((ya > py) != (yb > py) && px < (xb - xa) * (py - ya) / (yb - ya) + xa) inside = !inside;
    }
    if (inside) l.blend(i, j, c, alpha);
  });
}

void stroke(Layer& l, float x0, float y0, float x1, float y1, float width, Rgb c) {
  const float h = width / 2;
  const float dx = x1 - x0, dy = y1 - y0;
  const float len2 = std::max(dx * dx + dy * dy, 1e-6f);
  scan(l, std::min(x0, x1) - h, std::min(y0, y1) - h, std::max(x0, x1) + h, std::max(y0, y1) + h,
       [&](int i, int j, float px, float py) {
         const float t = std::clamp(((px - x0) * dx + (py - y0) * dy) / len2, 0.0f, 1.0f);
         const float ex = px - (x0 + t * dx), ey = py - (y0 + t * dy);
         if (ex * ex + ey * ey <= h * h) l.blend(i, j, c, 1);
       });
}

void fill_gradient(Layer& l, float x0, float y0, float x1, float y1, Rgb top, Rgb bottom) {
  scan(l, x0, y0, x1, y1, [&](int i, int j, float px, float py) {
    if (px >= x0 && px < x1 && py >= y0 && py < y1) l.blend(i, j, mix(top, bottom, (py - y0) / (y1 - y0)), 1);
  });
}

void paste(Layer& dst, int dx, int dy, const Layer& src, int quarter) {
  const bool turned = quarter % 2 == 1;
  const int w = turned ? src.height : src.width;
  const int h = turned ? src.width : src.height;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int sx = x, sy = y;  // the source pixel that lands on (x, y)
      switch (quarter & 3) {
        case 1: sx = y, sy = src.height - 1 - x; break;
        case 2: sx = src.width - 1 - x, sy = src.height - 1 - y; break;
        case 3: sx = src.width - 1 - y, sy = x; break;
        default: break;
      }
      const std::size_t i = static_cast<std::size_t>(sy) * src.width + sx;
      dst.blend(dx + x, dy + y, {src.r[i], src.g[i], src.b[i]}, src.a[i]);
    }
}

void reduce_onto(Image& img, int x, int y, const Layer& l) {
  const float n = kSuper * kSuper;
  for (int j = 0; j < l.height / kSuper; ++j)
    for (int i = 0; i < l.width / kSuper; ++i) {
      const int px = x + i, py = y + j;
      if (px < 0 || py < 0 || px >= img.width || py >= img.height) continue;
      float sr = 0, sg = 0, sb = 0, sa = 0;
      for (int v = 0; v < kSuper; ++v)
        for (int u = 0; u < kSuper; ++u) {
          const std::size_t k = static_cast<std::size_t>(j * kSuper + v) * l.width + i * kSuper + u;
          sr += l.r[k] * l.a[k], sg += l.g[k] * l.a[k], sb += l.b[k] * l.a[k], sa += l.a[k];
        }
      const std::uint32_t old = img.at(px, py);
      const float keep = 1 - sa / n;
      auto channel = [&](float premul, int shift) {
        const float under = static_cast<float>((old >> shift) & 255);
        const float v = premul / n * 255.0f + under * keep;
        return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L)) << shift;
      };
      img.at(px, py) = channel(sr, 16) | channel(sg, 8) | channel(sb, 0);
    }
}

}  // namespace art

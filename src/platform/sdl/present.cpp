// Showing the off-screen surface in the window. The window system's own
// pixels (SDL's window surface: shared memory on X11) take the changed boxes
// directly and need no renderer, so no GL driver is loaded; only where the
// window has no such surface (Wayland) does a renderer with a streaming
// texture stand in. SDL_FRAMEBUFFER_ACCELERATION=1 in the environment puts
// SDL's own accelerated renderer behind the window surface instead.
#include <vector>

#include "platform/sdl/sdl_state.h"

namespace sdl {

namespace {

SDL_Rect sdl_rect(const platform::Rect& r) { return SDL_Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

void present_on_window_surface(const platform::Surface& surface, std::span<const platform::Rect> boxes) {
  SDL_Surface* target = SDL_GetWindowSurface(g_window);
  if (!target) return;
  SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint32_t*>(surface.pixels.data()), surface.width, surface.height, 32, surface.width * 4,
      SDL_PIXELFORMAT_RGB888);
  if (!source) return;
  std::vector<SDL_Rect> rects;
  rects.reserve(boxes.size());
  for (const platform::Rect& box : boxes) {
    SDL_Rect r = sdl_rect(box);
    rects.push_back(r);
    SDL_BlitSurface(source, &r, target, &r);
  }
  SDL_FreeSurface(source);
  SDL_UpdateWindowSurfaceRects(g_window, rects.data(), static_cast<int>(rects.size()));
}

// The texture keeps the picture, so only the changed boxes go up; the whole
// texture is drawn, as a presented frame's contents are not kept.
void present_through_renderer(const platform::Surface& surface, std::span<const platform::Rect> boxes) {
  for (const platform::Rect& box : boxes) {
    const SDL_Rect r = sdl_rect(box);
    SDL_UpdateTexture(g_texture, &r, &surface.pixels[static_cast<std::size_t>(r.y) * surface.width + r.x],
                      surface.width * 4);
  }
  SDL_RenderCopy(g_renderer, g_texture, nullptr, nullptr);
  SDL_RenderPresent(g_renderer);
}

}  // namespace

bool open_drawing_target() {
  // Unless the environment says otherwise, the window surface is the window
  // system's own pixels and not a texture of a GL renderer.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_GetWindowSurface(g_window)) return true;
  g_renderer = SDL_CreateRenderer(g_window, -1, 0);
  if (!g_renderer) g_renderer = SDL_CreateRenderer(g_window, -1, SDL_RENDERER_SOFTWARE);
  if (!g_renderer) return false;
  g_texture = SDL_CreateTexture(g_renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                g_config.client_width, g_config.client_height);
  return g_texture != nullptr;
}

void close_drawing_target() {
  if (g_texture) SDL_DestroyTexture(g_texture);
  if (g_renderer) SDL_DestroyRenderer(g_renderer);
  g_texture = nullptr;
  g_renderer = nullptr;
}

void present_boxes(const platform::Surface& surface, std::span<const platform::Rect> boxes) {
  if (!g_window || surface.width != g_config.client_width || surface.height != g_config.client_height) return;
  const platform::Rect whole{0, 0, surface.width, surface.height};
  if (g_show_whole) boxes = std::span<const platform::Rect>(&whole, 1);
  if (boxes.empty()) return;
  g_show_whole = false;
  if (g_renderer)
    present_through_renderer(surface, boxes);
  else
    present_on_window_surface(surface, boxes);
}

}  // namespace sdl

namespace platform {

void present(const Surface& surface) {
  sdl::g_show_whole = true;
  sdl::present_boxes(surface, {});
}

void present_on_demand(const Surface& surface, FinishDrawing finish) { sdl::present_boxes(surface, finish()); }

}  // namespace platform

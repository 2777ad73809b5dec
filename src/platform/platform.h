// The program's only view of the machine: drawing surfaces, text, bitmaps,
// word files, random numbers, the clock, sound and the window. Two backends
// stand behind it (sdl/ for the real window, headless/ for tests); nothing
// here knows the game, and nothing outside this directory includes SDL.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/state_list.h"

namespace platform {

// ---------------------------------------------------------------- surfaces

// A 32-bit surface, pixels 0x00RRGGBB, row-major, no padding.
struct Surface {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  Surface() = default;
  Surface(int w, int h, std::uint32_t fill = 0xFFFFFF);
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The raster operations of the block copy: a masked image is drawn as its
// mask with And (white keeps, black clears) and then the image with Or.
enum class Rop { Copy, And, Or };

// Copies the w x h block at (sx, sy) of src to (dx, dy) of dst. Clipped at
// both surfaces: only pixels that exist in the source and fit in the
// destination are touched.
void blit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
          Rop rop = Rop::Copy);

void fill_rect(Surface& dst, int x, int y, int w, int h, std::uint32_t colour);

// Draws UTF-8 text with its top-left corner at (x, y): black glyphs of a
// Japanese face (IPA Gothic, or the font file RUVELKA_FONT names) at 16 px on
// an opaque white cell, 8 px per half-width and 16 px per full-width
// character. Returns the width drawn in pixels.
int text_out(Surface& dst, int x, int y, std::string_view utf8);

// Whether a face that draws Japanese text was found (looked for now if it
// has not been): without one, text_out draws blank cells.
bool text_face_found();

// Width in pixels that text_out would draw (8 per half-width, 16 per full-width).
int text_width(std::string_view utf8);

// ----------------------------------------------------------------- bitmaps

constexpr int kFirstBitmapId = 101;
constexpr int kLastBitmapId = 139;
constexpr int kBitmapCount = kLastBitmapId - kFirstBitmapId + 1;

// The size of a sheet, set by the program before load_bitmaps: a file that
// declares another size is refused before it is decoded, and a sheet whose
// file is missing or refused is white at this size, so drawing from it stays
// harmless.
void set_bitmap_size(int id, int width, int height);

// How load_bitmaps takes the sheets' pixels. Lazily: each found file's
// when its sheet is first asked for, and every sheet drawn plain (its file
// missing, unreadable, wrongly sized, or its pixels corrupt) named on
// standard error, the missing ones at once and a corrupt one when it is
// first decoded. Now: every found file's at once, and nothing said, for a
// caller that checks bitmap_found itself and reports what it needs.
enum class BitmapLoad { Lazily, Now };

// Finds art/<id>.png for every id 101..139 under the working directory. A
// missing, unreadable or wrongly sized file leaves a white sheet, and so
// does one whose pixels turn out corrupt when decoded. Returns the number
// of files found (with BitmapLoad::Now, of sheets whose pixels came whole).
int load_bitmaps(BitmapLoad load = BitmapLoad::Lazily);
// The sheet's file, under the working directory.
std::string bitmap_path(int id);
const Surface& bitmap(int id);
// True when the sheet came from its file (decoding it first if need be).
bool bitmap_from_file(int id);
// True when load_bitmaps found the sheet's file at its size and no decode
// has refused it since; decodes nothing (after a load of BitmapLoad::Now:
// the sheet came from its file, its pixels whole).
bool bitmap_found(int id);

// Reads a PNG of at most kMaxPngBytes; with want_width and want_height
// above 0, a file whose header declares another size is refused undecoded.
// A file is taken only whole: every chunk up to the closing one there, its
// CRC right, and every row. The compressed stream is inflated up to the last
// row and no further, so that what follows the rows costs no more than
// reading it.
constexpr std::size_t kMaxPngBytes = 16u << 20;
bool load_png(const std::string& path, Surface& out, int want_width = 0, int want_height = 0);
// Whether the file is a PNG of at most kMaxPngBytes whose header declares
// this size; only the first bytes are read, no pixel is decoded.
bool png_declares_size(const std::string& path, int width, int height);
// How save_png packs the rows: Quick for pictures people keep (libdeflate's
// fastest level), Stored for files the program reads at every start (not
// compressed: they decode at the speed of a copy).
enum class PngPacking { Quick, Stored };
bool save_png(const std::string& path, const Surface& surface, PngPacking packing = PngPacking::Quick);

// -------------------------------------------------------------- word files

// Unreadable: the file is there but cannot be read (no permission, an I/O
// error, not a regular file, a loop of links); only "no such file" is Missing.
enum class FileStatus { Ok, Missing, Short, TooLong, Unreadable };

// Reads a file of little-endian 32-bit words into `words`, never more bytes
// than the words hold plus one. A missing or unreadable file leaves `words`
// untouched; a short one fills only the leading words it holds. `words_read`
// (optional) receives how many words were filled.
FileStatus read_words(const std::string& path, std::span<std::int32_t> words,
                      std::size_t* words_read = nullptr);

// Writes the words little-endian to a temporary file beside `path` and renames
// it over `path` only when it is complete; creates the parent directory when
// missing. Returns false when anything failed (the old file is then intact).
bool write_words(const std::string& path, std::span<const std::int32_t> words);

// Whole-file byte read of a regular file of at most max_bytes; false when
// the file is missing, not a regular file (a FIFO or device is never opened
// for a blocking read), unreadable or longer. Every read that finds a file
// there but cannot read it (read_words, read_bytes, read_prefix) marks its
// path: write_bytes never replaces that file for the rest of the run, since
// what it holds was never read and would be lost.
constexpr std::size_t kMaxReadBytes = 64u << 20;
bool read_bytes(const std::string& path, std::vector<std::uint8_t>& out, std::size_t max_bytes = kMaxReadBytes);
bool file_size(const std::string& path, std::uint64_t& size);
// The first bytes of a regular file, at most `limit` of them (all of a
// shorter file); false as read_bytes.
bool read_prefix(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& out);
// Whether a read in this run found `path` there but could not read it.
bool found_unreadable(const std::string& path);

// True when a regular file reads to its end, at whatever size: the bytes
// are read and dropped, none kept.
bool file_reads_whole(const std::string& path);

// Whole-file byte write with the same temporary-file-and-rename guarantee as
// write_words. A path that is a symbolic link writes the link's target, its
// temporary file in the target's directory, and the link stays; a target
// that exists and is not a regular file, or that cannot be read (now or by
// an earlier read in this run), is never replaced. True only when
// the path then opens the file written: a path the kernel cannot look up
// (it follows at most 40 links over the whole path, folders included)
// fails with nothing written.
bool write_bytes(const std::string& path, std::span<const std::uint8_t> bytes);

// Removes the temporary files that writes of `path` left behind when they
// were interrupted (a kill between creating one and renaming it): the files
// beside `path` named as its temporaries are, and last written over a minute
// ago, so that a write still running in another copy of the program is
// left alone. Returns how many were removed.
int remove_stale_temporaries(const std::string& path);

// Maps the program's "DATA\x.dat" / "data\x.dat" / "wave\x.wav" spellings to
// a path under the working directory ("data/x.dat"): backslashes become
// slashes and a leading "DATA" becomes "data". The file functions above apply
// it themselves, so either spelling may be passed to them.
std::string native_path(std::string_view program_path);

// ----------------------------------------------------------- random numbers

// The classic 15-bit linear congruential generator:
// state = state * 1103515245 + 12345; result = (state / 65536) % 32768.
// One generator serves the whole program.
void rand_seed(std::uint32_t seed);
int rand15();
// The generator's state by its bytes: it changes with every number drawn.
std::span<const StateBytes> rand_state_bytes();
// Seeds the generator from the current time (seconds) and returns the seed.
// The headless backend may fix the seed (headless::set_time_seed).
std::uint32_t seed_from_time();

// --------------------------------------------------------------------- clock

// Monotonic milliseconds (wall time, not processor time). The headless
// backend runs a virtual clock instead: 10 ms per frame stepped.
std::uint32_t clock_ms();

// --------------------------------------------------------------------- sound

// Starts a wave file asynchronously, replacing any sound playing. Unknown or
// unplayable files are ignored, and so is every sound when no audio device
// opens. The headless backend logs the request.
void play_sound(const std::string& path);

// ---------------------------------------------------------------- the window

enum Message : int {
  kMsgCreate,
  kMsgTimer,
  kMsgPaint,
  kMsgMouseMove,    // a = x, b = y (client pixels)
  kMsgLeftDown,     // a = x, b = y
  kMsgRightDown,    // a = x, b = y
  kMsgKeyDown,      // a = virtual-key code
  kMsgDestroy,
};

// The program's window procedure; the backend delivers every message here.
using WindowProc = int (*)(Message msg, int a, int b);

// Virtual-key codes the backends deliver.
enum VirtualKey : int {
  kVkReturn = 13,
  kVkEscape = 27,
  kVkLeft = 37,
  kVkUp = 38,
  kVkRight = 39,
  kVkDown = 40,
  kVkC = 'C',
  kVkV = 'V',
  kVkX = 'X',
  kVkZ = 'Z',
};

struct WindowConfig {
  int left = 0;
  int top = 0;
  int client_width = 720;
  int client_height = 720;
  const char* caption = "Ruvelka";
  WindowProc proc = nullptr;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Creates the window (delivering kMsgCreate), runs the message loop with a
// 10 ms timer (kMsgTimer then kMsgPaint per tick, no catch-up) until the
// window is destroyed, and returns post_quit's code (0 without one). The
// headless backend instead opens, steps headless::set_run_frames frames
// (none unless set) and returns.
int run_window(const WindowConfig& config);

// Copies the surface to the window (the paint's one block transfer).
void present(const Surface& surface);

// The same for a surface whose drawing `finish` completes: the window calls
// finish and shows the boxes it returns, those whose pixels changed since
// its call before (none: the picture is the same, and is not shown again
// unless the window system asks for it); the headless backend keeps the
// surface and calls finish only when its pixels are read (headless::screen,
// dump_png), so a frame nobody looks at is never drawn.
using FinishDrawing = std::span<const Rect> (*)();
void present_on_demand(const Surface& surface, FinishDrawing finish);

// Outer window rectangle on the screen.
Rect window_rect();

// The usable area of every display, the primary first, for keeping a
// stored window position within reach; empty when none can be asked.
std::vector<Rect> display_rects();

// Destroys the window: kMsgDestroy is delivered, then the loop ends.
void destroy_window();

// Ends the message loop with the given exit code (after kMsgDestroy).
void post_quit(int code);

// Shows a modal message (headless: recorded) and returns.
void message_box(std::string_view text, std::string_view caption);

// Ends the program at once with the exit code (after a fatal message box).
// The headless backend throws headless::ExitRequested instead.
[[noreturn]] void exit_program(int code);

// ------------------------------------------------------------------ state

// The platform layer's reset: forgets the generator, the loaded bitmaps and
// their fallback sizes, the glyph cache and the clock settings (not the
// window: see reset_backend_state).
void reset_platform_state();

// Defined by each backend: its window, sounds and logs back to fresh,
// anything it holds of the system given back first.
void reset_backend_state();

}  // namespace platform

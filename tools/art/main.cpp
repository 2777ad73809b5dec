// ruvelka-gen-art: draws the program's bitmap sheets into art/<id>.png (not
// compressed: the program decodes them at every start) and a contact sheet
// of all of them into art/contact_sheet.png. An optional
// argument names another output directory. Same bytes on every run.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "sheets.h"

int main(int argc, char** argv) {
  const std::filesystem::path out = argc > 1 ? argv[1] : "art";
  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  if (ec) {
    std::fprintf(stderr, "ruvelka-gen-art: cannot create %s\n", out.string().c_str());
    return 1;
  }
  const art::Fonts fonts;
  if (!fonts.ok()) return 1;
  std::vector<art::Image> sheets;
  for (int id = platform::kFirstBitmapId; id <= platform::kLastBitmapId; ++id) {
    sheets.push_back(art::draw_sheet(id, fonts));
    if (!art::write_png((out / (std::to_string(id) + ".png")).string(), sheets.back(), platform::PngPacking::Stored))
      return 1;
  }
  if (!art::write_png((out / "contact_sheet.png").string(), art::draw_contact_sheet(sheets, fonts),
                      platform::PngPacking::Quick))
    return 1;
  std::printf("ruvelka-gen-art: %zu sheets and the contact sheet in %s\n", sheets.size(), out.string().c_str());
  return 0;
}

#include "shell/start_files.h"

#include <string>
#include <vector>

#include "base/sound.h"
#include "draw/art_manifest.h"
#include "platform/platform.h"

namespace {

// The message's second line names the file, so that a start from the wrong
// folder or before the files were generated says what is missing, and its
// third how to make or get it.
void show_fatal_message(const std::string& what, const std::string& path, const std::string& hint) {
  platform::message_box(what + "\n" + path + "\n" + hint, "エラーにより強制終了します");
}

constexpr const char* kGenerated = "script/play を実行すると作られます";

}  // namespace

bool load_sound_files() {
  std::vector<std::string> files;
  for (int i = 0; i < kSoundEffects; ++i) files.emplace_back(se_file(i));
  for (int i = 0; i < kVoices; ++i) files.emplace_back(voice_file(i));
  // Only a file that cannot be opened or read whole stops the program; an
  // empty one reads whole, and so does one of any size. Whether a file can
  // be played is found when it is: one that cannot is not played.
  for (const std::string& file : files) {
    const std::string path = platform::native_path(file);
    if (!platform::file_reads_whole(path)) {
      show_fatal_message("wavファイルが正しく読み込めませんでした", path, kGenerated);
      return false;
    }
  }
  return true;
}

bool check_bitmap_sheets() {
  for (int id = platform::kFirstBitmapId; id <= platform::kLastBitmapId; ++id) {
    // A sheet nothing copies from is never drawn.
    if (platform::bitmap_found(id) || art_cells(id).empty()) continue;
    show_fatal_message("画像ファイルが正しく読み込めませんでした", platform::bitmap_path(id), kGenerated);
    return false;
  }
  return true;
}

bool check_text_face() {
  if (platform::text_face_found()) return true;
  show_fatal_message("日本語を表示できるフォントが見つかりませんでした", "fonts-ipafont-gothic をインストールするか",
                     "RUVELKA_FONT に日本語のフォントファイルを指定してください");
  return false;
}

// Runs the built sound generator into a temporary directory and checks every
// file the program loads: a valid wave file of sensible length that is not silent.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Wave {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
};

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// A strict reader: the RIFF size must match the file and the data chunk must fit.
bool read_wave(const fs::path& path, Wave& w) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return false;
  if (le32(b, 4) + 8 != b.size()) return false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = le32(b, at + 4);
    if (at + 8 + size > b.size()) return false;
    if (std::memcmp(b.data() + at, "fmt ", 4) == 0) {
      w.format = b[at + 8] | b[at + 9] << 8;
      w.channels = b[at + 10] | b[at + 11] << 8;
      w.rate = static_cast<int>(le32(b, at + 12));
      w.bits = b[at + 22] | b[at + 23] << 8;
    } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
      for (std::size_t k = at + 8; k + 1 < at + 8 + size; k += 2)
        w.samples.push_back(static_cast<std::int16_t>(b[k] | b[k + 1] << 8));
      return true;
    }
    at += 8 + size + (size & 1);
  }
  return false;
}

std::vector<std::string> expected_files() {
  std::vector<std::string> files;
  for (const char* e : {"ok", "select", "cut", "open", "naki", "hana"}) files.push_back(std::string("wave/") + e + ".wav");
  for (int n = 1; n <= 8; ++n)
    for (const char* s : {"fuu", "chi", "pon", "kan"}) files.push_back("voice/char" + std::to_string(n) + "_" + s + ".wav");
  return files;
}

class SoundFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new fs::path(fs::temp_directory_path() / ("ruvelka_sounds_test_" + std::to_string(::getpid())));
    fs::remove_all(*dir_);
    const std::string command = std::string(RUVELKA_BUILD_DIR) + "/ruvelka-gen-sounds " + dir_->string() + " > /dev/null";
    status_ = std::system(command.c_str());
  }
  static void TearDownTestSuite() {
    fs::remove_all(*dir_);
    delete dir_;
  }
  static fs::path* dir_;
  static int status_;
};

fs::path* SoundFiles::dir_ = nullptr;
int SoundFiles::status_ = -1;

TEST_F(SoundFiles, EveryFileIsAnAudibleWaveOfSensibleLength) {
  ASSERT_EQ(status_, 0);
  const std::vector<std::string> files = expected_files();
  ASSERT_EQ(files.size(), 38u);
  for (const std::string& name : files) {
    Wave w;
    ASSERT_TRUE(read_wave(*dir_ / name, w)) << name;
    EXPECT_EQ(w.format, 1) << name;
    EXPECT_EQ(w.channels, 1) << name;
    EXPECT_EQ(w.rate, 22050) << name;
    EXPECT_EQ(w.bits, 16) << name;
    const double seconds = static_cast<double>(w.samples.size()) / 22050;
    EXPECT_GE(seconds, 0.04) << name;
    EXPECT_LE(seconds, 1.5) << name;
    double energy = 0;
    int peak = 0;
    for (std::int16_t s : w.samples) energy += static_cast<double>(s) * s, peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(std::sqrt(energy / static_cast<double>(std::max<std::size_t>(1, w.samples.size()))), 1000.0) << name;
    EXPECT_GT(peak, 8000) << name;
    EXPECT_LT(peak, 32767) << name << " clips";
  }
}

TEST_F(SoundFiles, EveryVoiceSetAndEveryEffectSoundsDifferent) {
  ASSERT_EQ(status_, 0);
  std::set<std::vector<std::int16_t>> seen;
  for (const std::string& name : expected_files()) {
    Wave w;
    ASSERT_TRUE(read_wave(*dir_ / name, w)) << name;
    EXPECT_TRUE(seen.insert(w.samples).second) << name << " repeats another file";
  }
}

}  // namespace

#include "platform/wave.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "support/wave_builder.h"
#include "temp_dir.h"

namespace {

using Samples = std::vector<std::int16_t>;

Samples decoded(const std::vector<std::uint8_t>& file) {
  Samples out;
  EXPECT_TRUE(platform::decode_wave(file, out));
  return out;
}

std::vector<std::uint8_t> float_samples(const std::vector<float>& values) {
  std::vector<std::uint8_t> out(values.size() * 4);
  std::memcpy(out.data(), values.data(), out.size());  // the test host is little-endian, as the files are
  return out;
}

// Played values are the sample's fraction of full scale times 32767, rounded half away from zero.
TEST(DecodeWave, A22kMonoWaveDoublesItsFramesInterpolatedAndFillsBothChannels) {
  WaveSpec wave;
  wave.samples = pcm16({0, 16384});
  // Played frames at source positions 0, 0.5, 1, 1.5; past the last frame it is held.
  EXPECT_EQ(decoded(wave_bytes(wave)), (Samples{0, 0, 8192, 8192, 16384, 16384, 16384, 16384}));
}

TEST(DecodeWave, StereoAt44kPlaysAsItIs) {
  WaveSpec wave;
  wave.channels = 2;
  wave.rate = 44100;
  wave.samples = pcm16({-32768, 32767, 100, -100});
  EXPECT_EQ(decoded(wave_bytes(wave)), (Samples{-32767, 32766, 100, -100}));
}

TEST(DecodeWave, StereoAt22kInterpolatesEachChannelOnItsOwn) {
  WaveSpec wave;
  wave.channels = 2;
  wave.samples = pcm16({0, -16384, 16384, 0});
  EXPECT_EQ(decoded(wave_bytes(wave)), (Samples{0, -16384, 8192, -8192, 16384, 0, 16384, 0}));
}

TEST(DecodeWave, EveryAcceptedSampleFormatReadsItsValues) {
  WaveSpec eight;
  eight.bits = 8;
  eight.rate = 44100;
  eight.samples = {128, 255, 0, 192};  // unsigned: 128 is silence
  EXPECT_EQ(decoded(wave_bytes(eight)), (Samples{0, 0, 32511, 32511, -32767, -32767, 16384, 16384}));

  WaveSpec wide;
  wide.bits = 24;
  wide.rate = 44100;
  wide.samples = {0x00, 0x00, 0x40, 0x00, 0x00, 0xC0};  // +0.5, -0.5
  EXPECT_EQ(decoded(wave_bytes(wide)), (Samples{16384, 16384, -16384, -16384}));

  WaveSpec widest = wide;
  widest.bits = 32;
  widest.samples = {0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x80};  // +0.25, -1
  EXPECT_EQ(decoded(wave_bytes(widest)), (Samples{8192, 8192, -32767, -32767}));

  WaveSpec floats = widest;
  floats.tag = 3;
  floats.samples = float_samples({0.25f, 2.0f, std::numeric_limits<float>::quiet_NaN(), -std::numeric_limits<float>::infinity()});
  EXPECT_EQ(decoded(wave_bytes(floats)), (Samples{8192, 8192, 32767, 32767, 0, 0, 0, 0}));
}

TEST(DecodeWave, AFrameShorterThanAPlayedOneStillPlaysOne) {
  WaveSpec wave;
  wave.rate = 192000;
  wave.samples = pcm16({-16384, 0, 16384});  // three frames: 0.69 of a played one
  EXPECT_EQ(decoded(wave_bytes(wave)), (Samples{-16384, -16384}));
}

TEST(DecodeWave, OtherChunksAndAPadByteAreSteppedOver) {
  std::vector<std::uint8_t> file = game_like_wave(10);
  const std::vector<std::uint8_t> odd{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  file.insert(file.begin() + 36, odd.begin(), odd.end());
  EXPECT_EQ(decoded(file).size(), 2u * 20);
}

TEST(DecodeWave, ADataChunkCutShortGivesTheWholeFramesTheFileHolds) {
  WaveSpec wave;
  wave.rate = 44100;
  wave.data_size = 0xFFFFFFFF;
  wave.samples = pcm16({1000, 2000, 3000});
  wave.samples.push_back(0x7F);  // half a frame
  EXPECT_EQ(decoded(wave_bytes(wave)), (Samples{1000, 1000, 2000, 2000, 3000, 3000}));
}

struct Refused {
  const char* what;
  std::vector<std::uint8_t> file;
};

std::vector<Refused> refused_files() {
  std::vector<Refused> cases;
  const auto with = [&](const char* what, auto change) {
    WaveSpec wave;
    wave.samples = pcm16(Samples(400, 500));
    change(wave);
    cases.push_back({what, wave_bytes(wave)});
  };
  with("a rate of 1", [](WaveSpec& s) { s.rate = 1; });
  with("a rate of 2", [](WaveSpec& s) { s.rate = 2; });
  with("a rate of 7999", [](WaveSpec& s) { s.rate = 7999; });
  with("a rate of 192001", [](WaveSpec& s) { s.rate = 192001; });
  with("a rate of 4294967295", [](WaveSpec& s) { s.rate = 0xFFFFFFFF; });
  with("a rate of 1 and 400 KB of samples", [](WaveSpec& s) {
    s.rate = 1;
    s.samples.assign(400'000, 0x11);
  });
  with("no channels", [](WaveSpec& s) { s.channels = 0; });
  with("three channels", [](WaveSpec& s) { s.channels = 3; });
  with("65535 channels", [](WaveSpec& s) { s.channels = 0xFFFF; });
  with("12-bit samples", [](WaveSpec& s) { s.bits = 12; });
  with("0-bit samples", [](WaveSpec& s) { s.bits = 0; });
  with("compressed samples", [](WaveSpec& s) { s.tag = 2; });
  with("16-bit floats", [](WaveSpec& s) { s.tag = 3; });
  with("a frame size of 0", [](WaveSpec& s) { s.block_align = 0; });
  with("a frame size of 3", [](WaveSpec& s) { s.block_align = 3; });
  with("no data", [](WaveSpec& s) { s.samples.clear(); });
  with("one data byte", [](WaveSpec& s) { s.samples.assign(1, 0x40); });
  with("a data size of 0 before samples", [](WaveSpec& s) { s.data_size = 0; });
  with("five seconds and a frame at 8 kHz", [](WaveSpec& s) {
    s.rate = 8000;
    s.samples.assign(2 * 40'001, 0);
  });
  const std::vector<std::uint8_t> good = game_like_wave(10);
  cases.push_back({"nothing", {}});
  cases.push_back({"the header only", {good.begin(), good.begin() + kWaveHeaderBytes}});
  cases.push_back({"cut inside the format", {good.begin(), good.begin() + 30}});
  std::vector<std::uint8_t> not_riff = good;
  not_riff[0] = 'X';
  cases.push_back({"not a RIFF file", not_riff});
  std::vector<std::uint8_t> not_wave = good;
  not_wave[8] = 'A';
  cases.push_back({"not a WAVE list", not_wave});
  std::vector<std::uint8_t> no_format = good;
  no_format[12] = 'x';
  cases.push_back({"no format chunk", no_format});
  std::vector<std::uint8_t> short_format = good;
  short_format[16] = 14;
  cases.push_back({"a format chunk of 14 bytes", short_format});
  std::vector<std::uint8_t> huge_format = good;
  huge_format[19] = 0xFF;
  cases.push_back({"a format chunk running past the end", huge_format});
  return cases;
}

TEST(DecodeWave, AbsurdShortOrOverlongFilesAreRefusedAndLeaveTheOutputAlone) {
  for (const Refused& c : refused_files()) {
    Samples out{7, 7};
    EXPECT_FALSE(platform::decode_wave(c.file, out)) << c.what;
    EXPECT_EQ(out, (Samples{7, 7})) << c.what;
  }
}

TEST(DecodeWave, FiveSecondsAtTheLowestRatePlayWhole) {
  WaveSpec wave;
  wave.rate = 8000;
  wave.samples.assign(2 * 40'000, 0);
  Samples out;
  ASSERT_TRUE(platform::decode_wave(wave_bytes(wave), out));
  EXPECT_EQ(out.size(), 2u * 5 * 44100);
}

class LoadWave : public TempDirTest {};

TEST_F(LoadWave, ReadsAFileAndRefusesOneOverTheLimitOrMissing) {
  write_file_bytes("wave/ok.wav", game_like_wave(100));
  Samples out;
  ASSERT_TRUE(platform::load_wave("wave\\ok.wav", out));
  EXPECT_EQ(out.size(), 2u * 200);
  std::filesystem::resize_file("wave/ok.wav", platform::kMaxWaveFileBytes + 1);
  EXPECT_FALSE(platform::load_wave("wave/ok.wav", out));
  EXPECT_FALSE(platform::load_wave("wave/none.wav", out));
}

}  // namespace

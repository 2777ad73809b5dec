#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <thread>
#include <filesystem>
#include <iterator>

#include "platform/platform.h"
#include "support/word_files.h"
#include "temp_dir.h"

namespace fs = std::filesystem;
using platform::FileStatus;

namespace {

void put_bytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> get_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Little-endian bytes of the words, built independently of the code under test.
std::vector<std::uint8_t> le_bytes(std::initializer_list<std::uint32_t> words) {
  std::vector<std::uint8_t> bytes;
  for (std::uint32_t w : words)
    for (int k = 0; k < 4; ++k) bytes.push_back(static_cast<std::uint8_t>((w >> (8 * k)) & 0xFF));
  return bytes;
}

class WordFiles : public TempDirTest {};

}  // namespace

TEST_F(WordFiles, ReadsExactShortMissingAndTooLongFiles) {
  put_bytes("data/exact.dat", le_bytes({1, 0xFFFFFFFF, 0x12345678}));
  std::array<std::int32_t, 3> words{7, 7, 7};
  std::size_t read = 99;
  EXPECT_EQ(platform::read_words("data/exact.dat", words, &read), FileStatus::Ok);
  EXPECT_EQ(read, 3u);
  EXPECT_EQ(words, (std::array<std::int32_t, 3>{1, -1, 0x12345678}));

  // 9 bytes: two whole words; the odd byte does not touch the third word.
  std::vector<std::uint8_t> short_bytes = le_bytes({5, 6});
  short_bytes.push_back(0xAB);
  put_bytes("data/short.dat", short_bytes);
  words = {7, 7, 7};
  EXPECT_EQ(platform::read_words("data/short.dat", words, &read), FileStatus::Short);
  EXPECT_EQ(read, 2u);
  EXPECT_EQ(words, (std::array<std::int32_t, 3>{5, 6, 7}));

  words = {7, 8, 9};
  EXPECT_EQ(platform::read_words("data/none.dat", words, &read), FileStatus::Missing);
  EXPECT_EQ(read, 0u);
  EXPECT_EQ(words, (std::array<std::int32_t, 3>{7, 8, 9}));
  EXPECT_EQ(platform::read_words("data/exact.dat/none.dat", words), FileStatus::Missing) << "no file under a file";
  fs::create_directories("data/dir.dat");
  EXPECT_EQ(platform::read_words("data/dir.dat", words), FileStatus::Unreadable);

  put_bytes("data/long.dat", le_bytes({1, 2, 3, 4}));
  EXPECT_EQ(platform::read_words("data/long.dat", words, &read), FileStatus::TooLong);
  EXPECT_EQ(read, 3u);
  EXPECT_EQ(words, (std::array<std::int32_t, 3>{1, 2, 3}));
}

TEST_F(WordFiles, WritesLittleEndianCreatingTheDirectoryAndReadsBack) {
  const std::array<std::int32_t, 3> words{-20, 35, 0x01020304};
  ASSERT_TRUE(platform::write_words("DATA\\win_xy.dat", words));
  EXPECT_EQ(get_bytes("data/win_xy.dat"), le_bytes({static_cast<std::uint32_t>(-20), 35, 0x01020304}));
  std::array<std::int32_t, 3> back{};
  EXPECT_EQ(platform::read_words("data\\win_xy.dat", back), FileStatus::Ok);
  EXPECT_EQ(back, words);
  // Only the file itself is left behind: no temporary files.
  EXPECT_EQ(std::distance(fs::directory_iterator("data"), fs::directory_iterator()), 1);

  ASSERT_TRUE(platform::write_words("data/win_xy.dat", std::array<std::int32_t, 1>{9}));
  EXPECT_EQ(get_bytes("data/win_xy.dat"), le_bytes({9}));
  std::uint64_t size = 0;
  EXPECT_TRUE(platform::file_size("data/win_xy.dat", size));
  EXPECT_EQ(size, 4u);
  EXPECT_FALSE(platform::file_size("data/nothing.dat", size));
}

TEST_F(WordFiles, FailedWriteLeavesTheOldFileIntact) {
  put_bytes("data/option.dat", le_bytes({1, 2}));
  const std::array<std::int32_t, 2> words{8, 9};

  fs::create_directories("data/save.dat");  // the target is a directory
  EXPECT_FALSE(platform::write_words("data/save.dat", words));
  EXPECT_TRUE(fs::is_directory("data/save.dat"));

  put_bytes("plain", {1});  // a parent that is a file cannot become a directory
  EXPECT_FALSE(platform::write_words("plain/x.dat", words));

  if (::geteuid() != 0) {  // the superuser writes anywhere
    ::chmod("data", 0555);
    EXPECT_FALSE(platform::write_words("data/option.dat", words));
    ::chmod("data", 0755);
  }
  EXPECT_EQ(get_bytes("data/option.dat"), le_bytes({1, 2}));
  EXPECT_EQ(std::distance(fs::directory_iterator("data"), fs::directory_iterator()), 2);
}

TEST_F(WordFiles, ByteFilesRoundTrip) {
  const std::vector<std::uint8_t> bytes{0, 1, 2, 255};
  ASSERT_TRUE(platform::write_bytes("wave\\x.wav", bytes));
  std::vector<std::uint8_t> back{42};
  EXPECT_TRUE(platform::read_bytes("wave/x.wav", back));
  EXPECT_EQ(back, bytes);
  back = {42};
  EXPECT_FALSE(platform::read_bytes("wave/none.wav", back));
  EXPECT_EQ(back, std::vector<std::uint8_t>{42});
  ASSERT_TRUE(platform::write_bytes("empty", {}));
  EXPECT_TRUE(platform::read_bytes("empty", back));
  EXPECT_TRUE(back.empty());
}

TEST(NativePath, MapsTheProgramsSpellings) {
  EXPECT_EQ(platform::native_path("DATA\\option.dat"), "data/option.dat");
  EXPECT_EQ(platform::native_path("data\\win_xy.dat"), "data/win_xy.dat");
  EXPECT_EQ(platform::native_path("Data\\save.dat"), "data/save.dat");
  EXPECT_EQ(platform::native_path("wave\\ok.wav"), "wave/ok.wav");
  EXPECT_EQ(platform::native_path("voice\\char1_fuu.wav"), "voice/char1_fuu.wav");
  EXPECT_EQ(platform::native_path("data/hai.dat"), "data/hai.dat");
  EXPECT_EQ(platform::native_path("DATABASE\\x"), "DATABASE/x");
  EXPECT_EQ(platform::native_path("/tmp/DATA/x"), "/tmp/DATA/x");
  EXPECT_EQ(platform::native_path("DATA"), "DATA");
}

namespace {

// Bytes the process has read through read() and its kin since it started.
std::uint64_t bytes_read_so_far() {
  std::ifstream io("/proc/self/io");
  std::string key;
  std::uint64_t value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return 0;
}

}  // namespace

TEST_F(WordFiles, AHugeSparseFileIsReadNoFurtherThanItsLayoutAndOneByte) {
  fs::create_directories("data");
  {
    std::ofstream out("data/option.dat", std::ios::binary);
    out.write("\x05\0\0\0", 4);
  }
  fs::resize_file("data/option.dat", 3ull << 30);
  std::array<std::int32_t, 22> words{};
  const std::uint64_t before = bytes_read_so_far();
  EXPECT_EQ(platform::read_words("DATA\\option.dat", words), FileStatus::TooLong);
  EXPECT_LT(bytes_read_so_far() - before, 4096u) << "read only the 88 bytes of the layout and one more";
  EXPECT_EQ(words[0], 5);
  std::vector<std::uint8_t> bytes{9};
  EXPECT_FALSE(platform::read_bytes("data/option.dat", bytes, 1000));
  EXPECT_EQ(bytes, std::vector<std::uint8_t>{9});
}

TEST_F(WordFiles, AFifoOrADirectoryIsUnreadableAndNeverWaitedOn) {
  fs::create_directories("data/save.dat");
  ASSERT_EQ(::mkfifo("data/option.dat", 0600), 0);
  // Should the open ever block, a writer comes after a while and lets it
  // return, so the test fails rather than hangs.
  std::mutex m;
  std::condition_variable done_cv;
  bool done = false;
  bool rescued = false;
  std::thread rescue([&] {
    std::unique_lock lock(m);
    for (auto wait = std::chrono::seconds(10); !done_cv.wait_for(lock, wait, [&] { return done; });
         wait = std::chrono::seconds(1)) {
      rescued = true;
      const int fd = ::open("data/option.dat", O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);
    }
  });
  std::array<std::int32_t, 22> words{};
  words[0] = 7;
  const FileStatus fifo = platform::read_words("data/option.dat", words);
  std::vector<std::uint8_t> bytes;
  const bool fifo_bytes = platform::read_bytes("data/option.dat", bytes);
  {
    std::lock_guard lock(m);
    done = true;
  }
  done_cv.notify_one();
  rescue.join();
  EXPECT_FALSE(rescued) << "the read waited for a writer";
  EXPECT_EQ(fifo, FileStatus::Unreadable);
  EXPECT_FALSE(fifo_bytes);
  EXPECT_EQ(words[0], 7);
  EXPECT_EQ(platform::read_words("data/save.dat", words), FileStatus::Unreadable);
}

// A file that is there but cannot be read holds what the program never got:
// no write replaces it, not even once it can be read again in the same run.
TEST_F(WordFiles, AFileThatCannotBeReadIsNeverReplacedInItsRun) {
  const std::vector<std::uint8_t> old_bytes = le_bytes({1, 2});
  put_bytes("data/option.dat", old_bytes);
  put_bytes("data/save.dat", old_bytes);
  fs::permissions("data/option.dat", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  struct stat before {};
  ASSERT_EQ(::stat("data/option.dat", &before), 0);
  const std::array<std::int32_t, 2> words{5, 6};
  {
    UnreadableFile option("data/option.dat");
    UnreadableFile save("data/save.dat");
    std::array<std::int32_t, 2> read{7, 7};
    std::size_t count = 9;
    EXPECT_EQ(platform::read_words("DATA\\option.dat", read, &count), FileStatus::Unreadable);
    EXPECT_EQ(read, (std::array<std::int32_t, 2>{7, 7}));
    EXPECT_EQ(count, 0u);
    EXPECT_TRUE(platform::found_unreadable("data/option.dat"));
    EXPECT_FALSE(platform::found_unreadable("data/save.dat")) << "not read yet";
    EXPECT_FALSE(platform::write_words("data/option.dat", words));
    EXPECT_FALSE(platform::write_words("data/save.dat", words)) << "nor a file this run never read";
    struct stat during {};
    ASSERT_EQ(::stat("data/option.dat", &during), 0);
    EXPECT_EQ(during.st_ino, before.st_ino);
    EXPECT_EQ(during.st_mode & 07777, 0u);
    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(platform::read_bytes("data/save.dat", bytes));
    EXPECT_TRUE(platform::found_unreadable("data/save.dat"));
  }
  EXPECT_EQ(get_bytes("data/option.dat"), old_bytes);
  EXPECT_EQ(get_bytes("data/save.dat"), old_bytes);
  EXPECT_FALSE(platform::write_words("data/option.dat", words)) << "mended, but in the same run";
  EXPECT_FALSE(platform::write_words("data/save.dat", words));
  struct stat after {};
  ASSERT_EQ(::stat("data/option.dat", &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode, before.st_mode);

  platform::reset_platform_state();  // the next run
  std::array<std::int32_t, 2> read{};
  EXPECT_EQ(platform::read_words("data/option.dat", read), FileStatus::Ok);
  EXPECT_EQ(read, (std::array<std::int32_t, 2>{1, 2}));
  EXPECT_TRUE(platform::write_words("data/option.dat", words));
  EXPECT_EQ(get_bytes("data/option.dat"), le_bytes({5, 6}));
}

// Saves through symbolic links, the clean-up of interrupted saves and the
// whole-file check of start-up.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

class FileLinks : public TempDirTest {
 protected:
  void put(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
  }
  std::string text_of(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  bool save(const std::string& path, const std::string& text) {
    return platform::write_bytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  std::set<std::string> names_in(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
  }
  void age(const fs::path& path, std::chrono::seconds by) { fs::last_write_time(path, fs::last_write_time(path) - by); }
};

TEST_F(FileLinks, ASaveThroughALinkReplacesTheTargetInItsOwnFolderAndKeepsTheLink) {
  put("shared/option.dat", "old");
  fs::create_directories("data");
  fs::create_symlink("../shared/option.dat", "data/option.dat");
  ASSERT_TRUE(save("DATA\\option.dat", "new"));
  EXPECT_TRUE(fs::is_symlink("data/option.dat"));
  EXPECT_EQ(fs::read_symlink("data/option.dat"), "../shared/option.dat");
  EXPECT_EQ(text_of("shared/option.dat"), "new");
  EXPECT_EQ(names_in("shared"), std::set<std::string>{"option.dat"}) << "no temporary file left";
  EXPECT_EQ(names_in("data"), std::set<std::string>{"option.dat"});
}

TEST_F(FileLinks, AChainOfLinksAndALinkToANewFileInAnExistingFolder) {
  put("shared/deep/save.dat", "old");
  fs::create_directories("data");
  fs::create_symlink(fs::absolute("shared/deep/save.dat"), "shared/save.dat");
  fs::create_symlink("../shared/save.dat", "data/save.dat");
  ASSERT_TRUE(save("data/save.dat", "chained"));
  EXPECT_EQ(text_of("shared/deep/save.dat"), "chained");
  EXPECT_TRUE(fs::is_symlink("shared/save.dat"));

  fs::create_symlink("../shared/new.dat", "data/new.dat");
  ASSERT_TRUE(save("data/new.dat", "first"));
  EXPECT_TRUE(fs::is_symlink("data/new.dat"));
  EXPECT_EQ(text_of("shared/new.dat"), "first");
}

TEST_F(FileLinks, FortyLinksAreFollowedAsThePathLookupFollowsThem) {
  put("data/hop40.dat", "end");
  for (int hop = 40; hop > 0; --hop)
    fs::create_symlink("hop" + std::to_string(hop) + ".dat", "data/hop" + std::to_string(hop - 1) + ".dat");
  ASSERT_TRUE(save("data/hop0.dat", "far"));
  EXPECT_EQ(text_of("data/hop40.dat"), "far");
  fs::create_symlink("hop0.dat", "data/hop-1.dat");
  EXPECT_FALSE(save("data/hop-1.dat", "too far"));
  EXPECT_EQ(text_of("data/hop40.dat"), "far");
  EXPECT_FALSE(save("data/", "no name"));
}

// With data/ a link, the kernel counts it with the file's own links, 40 at
// most over the path; a save it could not open again would be passed over
// for the defaults at the next start.
TEST_F(FileLinks, TheLinkOfTheFolderCountsWithTheFilesOwnTowardsTheForty) {
  struct Case {
    int file_links;
    bool end_exists;
    bool saves;
  };
  for (const Case c : {Case{40, true, false}, Case{39, true, true}, Case{40, false, false}, Case{39, false, true}}) {
    const std::string what = std::to_string(c.file_links) + (c.end_exists ? " links to a file" : " links to a new file");
    platform::reset_platform_state();  // each case a run of its own: a path found unreadable stays unwritten in its run
    fs::remove_all("store");
    fs::remove("data");
    fs::create_directory_symlink("store", "data");
    const fs::path end = "store/hop" + std::to_string(c.file_links) + ".dat";
    put(end, "old");
    if (!c.end_exists) fs::remove(end);
    for (int hop = c.file_links; hop > 0; --hop)
      fs::create_symlink("hop" + std::to_string(hop) + ".dat",
                         "store/" + (hop > 1 ? "hop" + std::to_string(hop - 1) + ".dat" : "option.dat"));
    const std::size_t names = names_in("store").size();

    const std::vector<std::int32_t> words{7, -2};
    EXPECT_EQ(platform::write_words("DATA\\option.dat", words), c.saves) << what;
    EXPECT_EQ(names_in("store").size(), names + (c.saves && !c.end_exists)) << what << ": no temporary left";
    EXPECT_TRUE(fs::is_symlink("store/option.dat")) << what;
    std::vector<std::int32_t> back(2, 0);
    EXPECT_EQ(platform::read_words("data/option.dat", back),
              c.saves ? platform::FileStatus::Ok : platform::FileStatus::Unreadable) << what;
    EXPECT_EQ(back, c.saves ? words : std::vector<std::int32_t>(2, 0)) << what;
    if (c.end_exists && !c.saves) {
      EXPECT_EQ(text_of(end), "old") << what;
    }
  }
}

TEST_F(FileLinks, ALinkThatLeadsNowhereUsableFailsAndChangesNothing) {
  fs::create_directories("data");
  fs::create_symlink("gone/win_xy.dat", "data/win_xy.dat");
  EXPECT_FALSE(save("data/win_xy.dat", "x")) << "no folder is made at a link's far end";
  EXPECT_FALSE(fs::exists("data/gone"));
  EXPECT_TRUE(fs::is_symlink("data/win_xy.dat"));

  fs::create_symlink("loop_b.dat", "data/loop_a.dat");
  fs::create_symlink("loop_a.dat", "data/loop_b.dat");
  EXPECT_FALSE(save("data/loop_a.dat", "x"));
  EXPECT_TRUE(fs::is_symlink("data/loop_a.dat"));

  ASSERT_EQ(::mkfifo("data/pipe", 0644), 0);
  fs::create_symlink("pipe", "data/piped.dat");
  EXPECT_FALSE(save("data/piped.dat", "x")) << "a FIFO is never replaced";
  EXPECT_TRUE(fs::is_fifo("data/pipe"));
  fs::create_directory("data/folder.dat");
  EXPECT_FALSE(save("data/folder.dat", "x"));
  EXPECT_TRUE(fs::is_directory("data/folder.dat"));
  EXPECT_EQ(names_in("data"), (std::set<std::string>{"win_xy.dat", "loop_a.dat", "loop_b.dat", "pipe", "piped.dat", "folder.dat"}));
}

TEST_F(FileLinks, OnlyTheFilesOwnStaleTemporariesAreRemoved) {
  const std::vector<std::string> stale{".save.dat.a1B2c3", ".save.dat.ZZZZZZ"};
  const std::vector<std::string> kept{".save.dat.a1B2c",  ".save.dat.a1B2c3d", ".save.dat.a1-2c3", "save.dat.a1B2c3",
                                      ".option.dat.a1B2c3", ".save.dat.a1B2c3.bak", "..save.dat.a1B2c3", "notes.txt"};
  for (const std::string& name : stale) put("data/" + name, "left by a killed save");
  for (const std::string& name : kept) put("data/" + name, "someone else's");
  fs::create_directory("data/.save.dat.Dir123");
  put("data/.save.dat.fresh1", "a save in progress");
  for (const std::string& name : stale) age("data/" + name, std::chrono::hours(1));
  for (const std::string& name : kept) age("data/" + name, std::chrono::hours(1));
  age("data/.save.dat.fresh1", std::chrono::seconds(50));

  EXPECT_EQ(platform::remove_stale_temporaries("DATA\\save.dat"), 2);
  std::set<std::string> left(kept.begin(), kept.end());
  left.insert({".save.dat.Dir123", ".save.dat.fresh1"});
  EXPECT_EQ(names_in("data"), left);
  EXPECT_EQ(platform::remove_stale_temporaries("data/restart.dat"), 0);
  EXPECT_EQ(platform::remove_stale_temporaries("missing/restart.dat"), 0);
}

// The one beside the link was left before the file became a link.
TEST_F(FileLinks, TheTemporariesOfALinkedFileAreLookedForBesideItsTargetAndBesideTheLink) {
  put("shared/save.dat", "target");
  put("shared/.save.dat.Ab12Cd", "left");
  put("data/.save.dat.Ef34Gh", "left before the link");
  age("shared/.save.dat.Ab12Cd", std::chrono::hours(2));
  age("data/.save.dat.Ef34Gh", std::chrono::hours(2));
  fs::create_symlink("../shared/save.dat", "data/save.dat");
  EXPECT_EQ(platform::remove_stale_temporaries("data/save.dat"), 2);
  EXPECT_EQ(names_in("shared"), std::set<std::string>{"save.dat"});
  EXPECT_EQ(names_in("data"), std::set<std::string>{"save.dat"});
}

TEST_F(FileLinks, AFileReadsWholeAtAnySizeButOnlyARegularOne) {
  put("wave/empty.wav", "");
  put("wave/ok.wav", "RIFF");
  std::ofstream("wave/huge.wav").close();
  fs::resize_file("wave/huge.wav", platform::kMaxReadBytes + 1);
  EXPECT_TRUE(platform::file_reads_whole("wave\\empty.wav"));
  EXPECT_TRUE(platform::file_reads_whole("wave/ok.wav"));
  EXPECT_TRUE(platform::file_reads_whole("wave/huge.wav"));
  EXPECT_FALSE(platform::file_reads_whole("wave/missing.wav"));
  EXPECT_FALSE(platform::file_reads_whole("wave"));
  ASSERT_EQ(::mkfifo("wave/pipe.wav", 0644), 0);
  EXPECT_FALSE(platform::file_reads_whole("wave/pipe.wav"));
}

}  // namespace

// Independent little-endian word files for tests of the data files, a guard
// that makes every file write of the process fail while it lives, one that
// makes a file unreadable to the process and one that makes its reads fail.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// The file's bytes as little-endian 32-bit words (empty when missing); `bytes` gets its size.
std::vector<std::int32_t> read_le_words(const std::filesystem::path& path, std::size_t* bytes = nullptr);
void write_le_words(const std::filesystem::path& path, const std::vector<std::int32_t>& words);
void write_raw_bytes(const std::filesystem::path& path, std::size_t count, unsigned char fill);

// While alive, no regular file can grow (the file-size limit is 0 and its
// signal ignored), so every data-file write fails while reads still work.
class FailingWrites {
 public:
  FailingWrites();
  ~FailingWrites();
  FailingWrites(const FailingWrites&) = delete;
  FailingWrites& operator=(const FailingWrites&) = delete;

 private:
  unsigned long long old_soft_;
};

// While alive, the file is there but this process cannot read it: its mode
// is 000 and, for a process running as root, the capabilities that pass over
// file modes are out of effect (for this thread). The file's mode and the
// capabilities come back when it dies.
class UnreadableFile {
 public:
  explicit UnreadableFile(std::filesystem::path path);
  ~UnreadableFile();
  UnreadableFile(const UnreadableFile&) = delete;
  UnreadableFile& operator=(const UnreadableFile&) = delete;

 private:
  std::filesystem::path path_;
  std::filesystem::perms old_mode_;
  std::uint32_t old_effective_ = 0;  // the first word of the effective capabilities
};

// While alive, every read of the file fails with an I/O error, as on a disk
// that fails part-way: the file still opens, and its mode and name are as
// they were. Files are told apart by device and inode, so a read through
// any name or descriptor of the file fails and reads of others work.
class FailingReads {
 public:
  explicit FailingReads(const std::filesystem::path& path);
  ~FailingReads();
  FailingReads(const FailingReads&) = delete;
  FailingReads& operator=(const FailingReads&) = delete;
};

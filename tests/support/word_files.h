// Independent little-endian word files for tests of the data files, and a
// guard that makes every file write of the process fail while it lives.
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

#include "support/word_files.h"

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <iterator>

std::vector<std::int32_t> read_le_words(const std::filesystem::path& path, std::size_t* bytes) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes) *bytes = raw.size();
  std::vector<std::int32_t> words;
  for (std::size_t i = 0; i + 4 <= raw.size(); i += 4)
    words.push_back(static_cast<std::int32_t>(raw[i] | raw[i + 1] << 8 | raw[i + 2] << 16 |
                                              static_cast<std::uint32_t>(raw[i + 3]) << 24));
  return words;
}

void write_le_words(const std::filesystem::path& path, const std::vector<std::int32_t>& words) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (std::int32_t w : words)
    for (int shift = 0; shift < 32; shift += 8) out.put(static_cast<char>(static_cast<std::uint32_t>(w) >> shift));
}

void write_raw_bytes(const std::filesystem::path& path, std::size_t count, unsigned char fill) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (std::size_t i = 0; i < count; ++i) out.put(static_cast<char>(fill));
}

FailingWrites::FailingWrites() {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  old_soft_ = limit.rlim_cur;
  limit.rlim_cur = 0;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FailingWrites::~FailingWrites() {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(old_soft_);
  setrlimit(RLIMIT_FSIZE, &limit);
}

namespace {

// The capabilities that let a process read a file its mode forbids.
constexpr std::uint32_t kModeOverride = 1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH;

struct Capabilities {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
};

Capabilities current_capabilities() {
  Capabilities caps;
  ::syscall(SYS_capget, &caps.header, caps.data);
  return caps;
}

void set_effective(std::uint32_t effective) {
  Capabilities caps = current_capabilities();
  caps.data[0].effective = effective;
  ::syscall(SYS_capset, &caps.header, caps.data);
}

}  // namespace

UnreadableFile::UnreadableFile(std::filesystem::path path) : path_(std::move(path)) {
  old_mode_ = std::filesystem::status(path_).permissions();
  std::filesystem::permissions(path_, std::filesystem::perms::none);
  old_effective_ = current_capabilities().data[0].effective;
  set_effective(old_effective_ & ~kModeOverride);
}

UnreadableFile::~UnreadableFile() {
  set_effective(old_effective_);
  std::error_code ignored;
  std::filesystem::permissions(path_, old_mode_, ignored);
}

namespace {

// The file whose reads fail while a FailingReads lives.
struct FailingFile {
  bool armed = false;
  dev_t device = 0;
  ino_t inode = 0;
};
FailingFile g_failing_file;

bool reads_fail(int fd) {
  struct stat info {};
  return g_failing_file.armed && ::fstat(fd, &info) == 0 && info.st_dev == g_failing_file.device &&
         info.st_ino == g_failing_file.inode;
}

}  // namespace

FailingReads::FailingReads(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) g_failing_file = {true, info.st_dev, info.st_ino};
}

FailingReads::~FailingReads() { g_failing_file = {}; }

// Defined in a program, read() takes the C library's place for the whole
// program, the code under test included: this object is linked into every
// program that makes a FailingReads. Reads of any other file go to the
// kernel unchanged (the address sanitizer's check of the buffer is passed by).
extern "C" ssize_t read(int fd, void* buffer, size_t count) {
  if (reads_fail(fd)) {
    errno = EIO;
    return -1;
  }
  return ::syscall(SYS_read, fd, buffer, count);
}

#include "support/word_files.h"

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

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

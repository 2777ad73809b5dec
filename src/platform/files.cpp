// Whole-file reading and writing: the only code that touches the data files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/platform_state.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kWordBytes = 4;
constexpr std::size_t kReadChunkBytes = 64u << 10;
// Links of a file's own name followed at most: the kernel's limit. The
// kernel counts the links of the path's folders too, so whether a whole path
// stays within it is left to the kernel (kernel_finds).
constexpr int kMaxLinkHops = 40;
constexpr std::size_t kTemporaryLetters = 6;   // what mkstemp fills in
// A write takes milliseconds: a temporary file this old was left by one
// that was killed.
constexpr auto kStaleAfter = std::chrono::minutes(1);

// Closes a descriptor on every way out of a function.
struct Fd {
  int fd;
  explicit Fd(int f) : fd(f) {}
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
};

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool write_all(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Makes a finished rename survive a crash; failure here loses nothing.
void sync_directory(const fs::path& dir) {
  Fd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY));
  if (fd.fd >= 0) ::fsync(fd.fd);
}

}  // namespace

std::string native_path(std::string_view program_path) {
  std::string path(program_path);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  const std::size_t slash = path.find('/');
  const std::string_view first = std::string_view(path).substr(0, slash);
  if (slash != std::string::npos && equals_ignoring_case(first, "data")) path.replace(0, slash, "data");
  return path;
}

int open_regular_file(const char* path, struct stat& info) {
  Fd fd(::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.fd < 0 || ::fstat(fd.fd, &info) != 0) return -1;
  if (!S_ISREG(info.st_mode)) {
    errno = EINVAL;
    return -1;
  }
  const int flags = ::fcntl(fd.fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd.fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return -1;
  return std::exchange(fd.fd, -1);
}

bool no_such_file(int error) { return error == ENOENT || error == ENOTDIR; }

namespace {

int open_regular(const std::string& path, struct stat& info) { return open_regular_file(native_path(path).c_str(), info); }

bool listed_unreadable(const std::string& native) {
  return std::find(g_unreadable_paths.begin(), g_unreadable_paths.end(), native) != g_unreadable_paths.end();
}

void mark_unreadable(const std::string& native) {
  if (!listed_unreadable(native)) g_unreadable_paths.push_back(native);
}

bool read_up_to(int fd, std::size_t limit, const struct stat& info, std::vector<std::uint8_t>& out) {
  std::vector<std::uint8_t> bytes(std::min<std::size_t>(limit, static_cast<std::size_t>(info.st_size) + 1));
  std::size_t filled = 0;
  while (filled < limit) {
    if (filled == bytes.size()) bytes.resize(std::min(limit, 2 * bytes.size() + 4096));
    const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  bytes.resize(filled);
  out = std::move(bytes);
  return true;
}

enum class ReadResult { Ok, Missing, Unreadable };

ReadResult read_head(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& out) {
  const std::string native = native_path(path);
  struct stat info {};
  Fd fd(open_regular_file(native.c_str(), info));
  if (fd.fd < 0 && no_such_file(errno)) return ReadResult::Missing;
  if (fd.fd < 0 || !read_up_to(fd.fd, limit, info, out)) {
    mark_unreadable(native);
    return ReadResult::Unreadable;
  }
  return ReadResult::Ok;
}

}  // namespace

bool read_prefix(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& out) {
  return read_head(path, limit, out) == ReadResult::Ok;
}

bool found_unreadable(const std::string& path) { return listed_unreadable(native_path(path)); }

bool read_bytes(const std::string& path, std::vector<std::uint8_t>& out, std::size_t max_bytes) {
  std::vector<std::uint8_t> bytes;
  const std::size_t limit = max_bytes < SIZE_MAX ? max_bytes + 1 : max_bytes;
  if (!read_prefix(path, limit, bytes) || bytes.size() > max_bytes) return false;
  out = std::move(bytes);
  return true;
}

bool file_size(const std::string& path, std::uint64_t& size) {
  struct stat info {};
  if (::stat(native_path(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  size = static_cast<std::uint64_t>(info.st_size);
  return true;
}

bool file_reads_whole(const std::string& path) {
  struct stat info {};
  Fd fd(open_regular(path, info));
  if (fd.fd < 0) return false;
  std::vector<std::uint8_t> chunk(kReadChunkBytes);
  std::uint64_t total = 0;
  for (;;) {
    const ssize_t n = ::read(fd.fd, chunk.data(), chunk.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    total += static_cast<std::uint64_t>(n);
  }
  return total >= static_cast<std::uint64_t>(info.st_size);
}

namespace {

fs::path directory_of(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

bool is_link(const fs::path& file) {
  std::error_code ec;
  return fs::is_symlink(fs::symlink_status(file, ec));
}

// `file` and every path its chain of symbolic links leads through, in order,
// as far as the links can be read and at most kMaxLinkHops of them.
std::vector<fs::path> link_chain(fs::path file) {
  std::vector<fs::path> chain{file};
  for (int hops = 0; hops < kMaxLinkHops && is_link(file); ++hops) {
    std::error_code ec;
    const fs::path next = fs::read_symlink(file, ec);
    if (ec) break;
    file = next.is_absolute() ? next : directory_of(file) / next;
    chain.push_back(file);
  }
  return chain;
}

// The file a write of `file` replaces: `file` itself, or the end of its
// chain of symbolic links. False for a loop or a link that cannot be read.
bool resolve_links(fs::path& file) {
  const fs::path end = link_chain(file).back();
  if (is_link(end)) return false;
  file = end;
  return true;
}

// A path the kernel cannot look up (more than its 40 links over the whole
// path, a file where a folder should be, a folder it may not search) would
// be written but never read back. Only a missing last name is allowed: once
// created it is reached through the same links.
bool kernel_finds(const fs::path& file) {
  Fd fd(::open(file.c_str(), O_PATH | O_CLOEXEC));
  return fd.fd >= 0 || errno == ENOENT;
}

// Whether opening `path` for reading reaches the very file `written`
// describes; not when a link on the way was changed during the write.
bool reads_back(const std::string& path, const struct stat& written) {
  struct stat info {};
  Fd fd(open_regular(path, info));
  return fd.fd >= 0 && info.st_dev == written.st_dev && info.st_ino == written.st_ino;
}

// A missing file may be created and a regular one replaced when it can be
// read; a directory, a device, a FIFO or a file that cannot be read never
// (what the last holds was never read and would be lost).
bool replaceable(const fs::path& file) {
  struct stat info {};
  if (::lstat(file.c_str(), &info) != 0) return errno == ENOENT;
  const Fd fd(S_ISREG(info.st_mode) ? open_regular_file(file.c_str(), info) : -1);
  return fd.fd >= 0;
}

// The name mkstemp fills in: a temporary of `name` is ".NAME." and six
// letters or digits.
std::string temporary_prefix(const fs::path& file) { return "." + file.filename().string() + "."; }

bool is_temporary_of(const std::string& name, const std::string& prefix) {
  if (name.size() != prefix.size() + kTemporaryLetters || name.compare(0, prefix.size(), prefix) != 0) return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

}  // namespace

namespace {

int remove_stale_temporaries_beside(const fs::path& file) {
  if (file.filename().empty()) return 0;
  const std::string prefix = temporary_prefix(file);
  const auto stale_before = fs::file_time_type::clock::now() - kStaleAfter;
  int removed = 0;
  std::error_code ec;
  for (fs::directory_iterator it(directory_of(file), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code entry_ec;
    const fs::path& entry = it->path();
    if (!is_temporary_of(entry.filename().string(), prefix) || !fs::is_regular_file(fs::symlink_status(entry, entry_ec)))
      continue;
    const auto written = fs::last_write_time(entry, entry_ec);
    if (!entry_ec && written < stale_before && fs::remove(entry, entry_ec)) ++removed;
  }
  return removed;
}

}  // namespace

// A write leaves its temporary beside the file that ended the chain of links
// then: a path that has become a link since (or whose link was pointed
// elsewhere) may still have temporaries beside it, so every path of the
// chain is looked at.
int remove_stale_temporaries(const std::string& path) {
  const std::vector<fs::path> chain = link_chain(native_path(path));
  int removed = 0;
  for (auto it = chain.begin(); it != chain.end(); ++it)
    if (std::find(chain.begin(), it, *it) == it) removed += remove_stale_temporaries_beside(*it);
  return removed;
}

bool write_bytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  fs::path target(native_path(path));
  if (target.filename().empty() || found_unreadable(path)) return false;
  std::error_code ignored;
  fs::create_directories(directory_of(target), ignored);  // a failure shows when the file is created
  if (!kernel_finds(target) || !resolve_links(target) || !replaceable(target)) return false;
  const fs::path dir = directory_of(target);

  std::string temp = (dir / (temporary_prefix(target) + std::string(kTemporaryLetters, 'X'))).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  struct stat written {};
  bool ok = ::fchmod(fd, 0644) == 0 && write_all(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0 &&
            ::fstat(fd, &written) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  sync_directory(dir);
  return reads_back(path, written);
}

FileStatus read_words(const std::string& path, std::span<std::int32_t> words,
                      std::size_t* words_read) {
  if (words_read) *words_read = 0;
  // One byte past the layout is enough to tell that the file is longer.
  const std::size_t expected = words.size() * kWordBytes;
  std::vector<std::uint8_t> bytes;
  switch (read_head(path, expected + 1, bytes)) {
    case ReadResult::Missing: return FileStatus::Missing;
    case ReadResult::Unreadable: return FileStatus::Unreadable;
    case ReadResult::Ok: break;
  }
  // A trailing piece of a word is not a word: it leaves that word as it was.
  const std::size_t whole = std::min(bytes.size() / kWordBytes, words.size());
  for (std::size_t i = 0; i < whole; ++i) {
    const std::uint8_t* b = &bytes[i * kWordBytes];
    const std::uint32_t value = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                static_cast<std::uint32_t>(b[2]) << 16 |
                                static_cast<std::uint32_t>(b[3]) << 24;
    words[i] = static_cast<std::int32_t>(value);
  }
  if (words_read) *words_read = whole;
  if (bytes.size() < expected) return FileStatus::Short;
  if (bytes.size() > expected) return FileStatus::TooLong;
  return FileStatus::Ok;
}

bool write_words(const std::string& path, std::span<const std::int32_t> words) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(words.size() * kWordBytes);
  for (const std::int32_t word : words) {
    const auto value = static_cast<std::uint32_t>(word);
    for (std::size_t shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
  }
  return write_bytes(path, bytes);
}

}  // namespace platform

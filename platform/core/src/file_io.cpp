#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace platform::detail {

namespace fs = std::filesystem;

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now and reports a failure of the close itself (delayed write errors).
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool Fail(std::string* why, int error) {
  if (why) *why = std::strerror(error);
  return false;
}

// A link is replaced through its target, not turned into a plain file.
fs::path FinalTarget(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_symlink(file, ec)) return file;
  const fs::path resolved = fs::weakly_canonical(file, ec);
  return ec ? file : resolved;
}

// Creates a new, empty temporary file beside target; the umask applies.
int CreateTemporary(const fs::path& target, fs::path& name) {
  static std::atomic<unsigned> counter{0};
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = folder / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "." +
                     std::to_string(counter++));
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncFolder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

ReadResult ReadWholeFile(const fs::path& file) {
  Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return {std::nullopt, errno};
  struct stat st {};
  std::string bytes;
  if (::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode)) {
    bytes.reserve(static_cast<std::size_t>(st.st_size));
  }
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return {std::nullopt, errno};
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return {std::move(bytes), 0};
}

bool ReplaceFileAtomically(const fs::path& file, std::string_view bytes, std::string* why) {
  const fs::path target = FinalTarget(file);
  fs::path temporary;
  Fd fd(CreateTemporary(target, temporary));
  if (fd.get() < 0) return Fail(why, errno);

  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    ::fchmod(fd.get(), old.st_mode & 07777);
  }
  int error = 0;
  if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) error = errno;
  if (fd.Close() != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return Fail(why, error);
  }
  SyncFolder(target);
  return true;
}

}  // namespace platform::detail

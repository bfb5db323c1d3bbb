#include "trace_writer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/clock.h"

namespace input32 {

namespace {

constexpr std::size_t kHeaderSize = sizeof(trace_format::Header);

std::optional<trace_format::Header> ReadHeader(int fd) {
  trace_format::Header header;
  if (pread(fd, &header, sizeof header, 0) != static_cast<ssize_t>(sizeof header)) {
    return std::nullopt;
  }
  if (std::memcmp(header.magic, trace_format::kMagic, sizeof header.magic) != 0 ||
      header.version != trace_format::kVersion ||
      header.recordSize != sizeof(trace_format::Record)) {
    return std::nullopt;
  }
  return header;
}

// A trace of this format with room left is appended to; any other is put
// aside for a new one.
bool Appendable(int fd, std::size_t limit) {
  const std::optional<trace_format::Header> header = ReadHeader(fd);
  return header && kHeaderSize + header->claimed * sizeof(trace_format::Record) < limit;
}

bool SameFile(int fd, const std::filesystem::path& file) {
  struct stat opened {};
  struct stat named {};
  return fstat(fd, &opened) == 0 && stat(file.c_str(), &named) == 0 &&
         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// A new, empty trace put in place by rename: a process still writing the old
// one keeps its own file (truncating it under its mapping would kill it).
int ReplaceWithNew(const std::filesystem::path& file) {
  std::string temporary = file.string() + ".XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return -1;
  trace_format::Header header{};
  std::memcpy(header.magic, trace_format::kMagic, sizeof header.magic);
  header.version = trace_format::kVersion;
  header.recordSize = sizeof(trace_format::Record);
  header.frequency = platform::kCounterFrequency;
  if (posix_fallocate(fd, 0, TraceWriter::kChunk) != 0 ||
      pwrite(fd, &header, sizeof header, 0) != static_cast<ssize_t>(sizeof header) ||
      rename(temporary.c_str(), file.c_str()) != 0) {
    const int error = errno;
    close(fd);
    unlink(temporary.c_str());
    errno = error;
    return -1;
  }
  return fd;
}

// The trace file to append to, opened. Under an exclusive lock, so that two
// processes starting together agree on one file.
int OpenAppendable(const std::filesystem::path& file, std::size_t limit) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return -1;
    flock(fd, LOCK_EX);
    if (!SameFile(fd, file)) {  // replaced while we waited for the lock
      close(fd);
      continue;
    }
    if (Appendable(fd, limit)) {
      flock(fd, LOCK_UN);
      return fd;
    }
    const int fresh = ReplaceWithNew(file);
    const int error = errno;
    close(fd);
    errno = error;
    return fresh;
  }
  errno = EBUSY;
  return -1;
}

}  // namespace

std::optional<TraceWriter> TraceWriter::Open(const std::filesystem::path& file,
                                             std::size_t limitBytes, std::string* error) {
  auto fail = [&](int errorNumber) -> std::optional<TraceWriter> {
    if (error != nullptr) *error = file.string() + ": " + std::strerror(errorNumber);
    return std::nullopt;
  };
  const std::size_t limit = std::max(limitBytes, kHeaderSize + sizeof(trace_format::Record));
  const int fd = OpenAppendable(file, limit);
  if (fd < 0) return fail(errno);
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    const int statError = errno;
    close(fd);
    return fail(statError);
  }
  const auto size = static_cast<std::size_t>(info.st_size);
  // Reserved at the limit; pages past the end of the file are only touched
  // after Grow has made them part of it.
  void* mapping = mmap(nullptr, limit, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_NORESERVE, fd, 0);
  if (mapping == MAP_FAILED) {
    const int mapError = errno;
    close(fd);
    return fail(mapError);
  }
  const std::size_t available = std::min(size, limit);
  return TraceWriter(fd, static_cast<unsigned char*>(mapping), limit, available);
}

TraceWriter::TraceWriter(TraceWriter&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      mapping_(std::exchange(other.mapping_, nullptr)),
      limit_(other.limit_),
      available_(other.available_) {}

TraceWriter::~TraceWriter() {
  if (mapping_ != nullptr) munmap(mapping_, limit_);
  if (fd_ >= 0) close(fd_);
}

// Grows the file to the chunk that holds `end`. Growth by allocation never
// shrinks, so another process growing the same file at once is harmless.
bool TraceWriter::Grow(std::size_t end) {
  if (end > limit_) return false;
  const std::size_t wanted = std::min((end + kChunk - 1) / kChunk * kChunk, limit_);
  if (posix_fallocate(fd_, 0, static_cast<off_t>(wanted)) != 0) return false;
  available_ = wanted;
  return true;
}

}  // namespace input32

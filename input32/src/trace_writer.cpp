#include "trace_writer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/clock.h"

namespace input32 {

namespace {

constexpr std::size_t kHeaderSize = sizeof(trace_format::Header);

bool HasValidHeader(int fd, off_t size) {
  if (size < static_cast<off_t>(kHeaderSize)) return false;
  trace_format::Header header;
  if (pread(fd, &header, sizeof header, 0) != static_cast<ssize_t>(sizeof header)) return false;
  return std::memcmp(header.magic, trace_format::kMagic, sizeof header.magic) == 0 &&
         header.version == trace_format::kVersion &&
         header.recordSize == sizeof(trace_format::Record);
}

// Under an exclusive lock, so two processes starting together write one header.
bool PrepareFile(int fd, off_t& size) {
  struct stat info {};
  if (fstat(fd, &info) != 0) return false;
  size = info.st_size;
  if (HasValidHeader(fd, size)) return true;
  if (ftruncate(fd, 0) != 0 || posix_fallocate(fd, 0, TraceWriter::kChunk) != 0) return false;
  trace_format::Header header{};
  std::memcpy(header.magic, trace_format::kMagic, sizeof header.magic);
  header.version = trace_format::kVersion;
  header.recordSize = sizeof(trace_format::Record);
  header.frequency = platform::kCounterFrequency;
  if (pwrite(fd, &header, sizeof header, 0) != static_cast<ssize_t>(sizeof header)) return false;
  size = static_cast<off_t>(TraceWriter::kChunk);
  return true;
}

}  // namespace

std::optional<TraceWriter> TraceWriter::Open(const std::filesystem::path& file,
                                             std::size_t limitBytes, std::string* error) {
  auto fail = [&](int errorNumber) -> std::optional<TraceWriter> {
    if (error != nullptr) *error = file.string() + ": " + std::strerror(errorNumber);
    return std::nullopt;
  };
  const std::size_t limit = std::max(limitBytes, kHeaderSize + sizeof(trace_format::Record));
  const int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return fail(errno);
  off_t size = 0;
  flock(fd, LOCK_EX);
  const bool prepared = PrepareFile(fd, size);
  const int prepareError = errno;
  flock(fd, LOCK_UN);
  if (!prepared) {
    close(fd);
    return fail(prepareError);
  }
  // Reserved at the limit; pages past the end of the file are only touched
  // after Grow has made them part of it.
  void* mapping = mmap(nullptr, limit, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_NORESERVE, fd, 0);
  if (mapping == MAP_FAILED) {
    const int mapError = errno;
    close(fd);
    return fail(mapError);
  }
  const std::size_t available = std::min(static_cast<std::size_t>(size), limit);
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

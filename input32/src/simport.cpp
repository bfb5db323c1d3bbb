#include "input32/simport.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>
#include <utility>

namespace input32 {

namespace {

constexpr char kRegisterMagic[8] = {'V', 'K', 'S', 'I', 'M', 'R', 'E', 'G'};
constexpr std::uint32_t kRegisterVersion = 1;
constexpr std::size_t kHeaderSize = RegisterFile::kHeaderSize;
constexpr std::size_t kCellsPerPort = RegisterFile::kCellsPerPort;
constexpr std::size_t kPortCount = RegisterFile::kPortCount;
constexpr std::size_t kFileSize = RegisterFile::kFileSize;

struct FileHeader {
  char magic[8];
  std::uint32_t version;
  std::uint32_t portCount;
};
static_assert(sizeof(FileHeader) == kHeaderSize);

bool IsRegisterFile(const unsigned char* bytes) {
  FileHeader header;
  std::memcpy(&header, bytes, sizeof header);
  return std::memcmp(header.magic, kRegisterMagic, sizeof kRegisterMagic) == 0 &&
         header.version == kRegisterVersion && header.portCount == kPortCount;
}

void SetReason(std::string* error, const std::string& what, int errorNumber) {
  if (error != nullptr) *error = what + ": " + std::strerror(errorNumber);
}

}  // namespace

std::optional<int> PortIndexOf(std::int16_t base) {
  if (base == kBaseLpt1) return 0;
  if (base == kBaseLpt2) return 1;
  return std::nullopt;
}

std::optional<std::int16_t> BaseOf(std::int16_t address) {
  for (std::int16_t base : {kBaseLpt1, kBaseLpt2}) {
    if (address >= base && address < base + kRegisterCount) return base;
  }
  return std::nullopt;
}

std::filesystem::path SimulatedPortDir() {
  const char* own = std::getenv("VK_SIMPORT_DIR");
  if (own != nullptr && *own != '\0') return own;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime != '\0') return std::filesystem::path(runtime) / "vksetup";
  return "/tmp/vksetup-" + std::to_string(getuid());
}

std::optional<RegisterFile> RegisterFile::Open(const std::filesystem::path& folder,
                                               std::string* error) {
  // Private: the trace shows every move of the machine.
  std::error_code ignored;
  std::filesystem::create_directories(folder.parent_path(), ignored);
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    SetReason(error, folder.string(), errno);
    return std::nullopt;
  }
  const std::filesystem::path path = folder / kRegisterFileName;
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    SetReason(error, path.string(), errno);
    return std::nullopt;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0 || (info.st_size < static_cast<off_t>(kFileSize) &&
                                ftruncate(fd, static_cast<off_t>(kFileSize)) != 0)) {
    SetReason(error, path.string(), errno);
    close(fd);
    return std::nullopt;
  }
  void* mapping = mmap(nullptr, kFileSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  const int mapError = errno;
  close(fd);
  if (mapping == MAP_FAILED) {
    SetReason(error, path.string(), mapError);
    return std::nullopt;
  }
  auto* bytes = static_cast<unsigned char*>(mapping);
  // A new file, or one left by another version: start from a port at 0.
  if (!IsRegisterFile(bytes)) {
    FileHeader header{{}, kRegisterVersion, kPortCount};
    std::memcpy(header.magic, kRegisterMagic, sizeof kRegisterMagic);
    std::memcpy(bytes, &header, sizeof header);
    std::memset(bytes + kHeaderSize, 0, kFileSize - kHeaderSize);
  }
  return RegisterFile(bytes);
}

RegisterFile::RegisterFile(RegisterFile&& other) noexcept
    : registers_(std::exchange(other.registers_, nullptr)) {}

RegisterFile& RegisterFile::operator=(RegisterFile&& other) noexcept {
  if (this != &other) {
    if (registers_ != nullptr) munmap(registers_, kFileSize);
    registers_ = std::exchange(other.registers_, nullptr);
  }
  return *this;
}

RegisterFile::~RegisterFile() {
  if (registers_ != nullptr) munmap(registers_, kFileSize);
}

std::optional<SimRegisters> ReadSimulatedRegisters(const std::filesystem::path& folder,
                                                   std::int16_t base) {
  const std::optional<int> index = PortIndexOf(base);
  if (!index) return std::nullopt;
  const int fd = open((folder / kRegisterFileName).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  unsigned char bytes[kFileSize];
  const ssize_t got = pread(fd, bytes, sizeof bytes, 0);
  close(fd);
  if (got != static_cast<ssize_t>(sizeof bytes) || !IsRegisterFile(bytes)) return std::nullopt;
  const unsigned char* cells =
      bytes + kHeaderSize + static_cast<std::size_t>(*index) * kCellsPerPort;
  return SimRegisters{cells[0], cells[1], cells[2]};
}

bool SetSimulatedStatus(const std::filesystem::path& folder, std::int16_t base,
                        std::uint8_t status) {
  const std::optional<int> index = PortIndexOf(base);
  if (!index) return false;
  std::optional<RegisterFile> file = RegisterFile::Open(folder);
  if (!file) return false;
  file->Write(*index, 1, status);
  return true;
}

void RemoveSimulatedPortFiles(const std::filesystem::path& folder) {
  std::error_code ignored;
  std::filesystem::remove(folder / kRegisterFileName, ignored);
  std::filesystem::remove(folder / kTraceFileName, ignored);
}

}  // namespace input32

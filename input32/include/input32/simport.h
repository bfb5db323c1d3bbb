#pragma once
// Files of the simulated parallel port, readable by any process: a register
// file that holds the three registers of both bases (the last state stays
// after the writer ends or is killed), and the access trace (trace.h).
//
// Folder: $VK_SIMPORT_DIR when set, else $XDG_RUNTIME_DIR/vksetup, else
// /tmp/vksetup-<uid>. Files: "simport.reg" and "simport.trace".
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace input32 {

inline constexpr std::int16_t kBaseLpt1 = 888;
inline constexpr std::int16_t kBaseLpt2 = 632;
inline constexpr int kRegisterCount = 3;  // data, status, control
inline constexpr const char* kRegisterFileName = "simport.reg";
inline constexpr const char* kTraceFileName = "simport.trace";

// 0 for base 888, 1 for base 632; empty for any other address.
std::optional<int> PortIndexOf(std::int16_t base);
// The base whose registers hold the address (base .. base + 2), if any.
std::optional<std::int16_t> BaseOf(std::int16_t address);

// The folder from the environment, as described above (not created).
std::filesystem::path SimulatedPortDir();

struct SimRegisters {
  std::uint8_t data = 0;
  std::uint8_t status = 0;
  std::uint8_t control = 0;
  friend bool operator==(const SimRegisters&, const SimRegisters&) = default;
};

// The register file mapped shared: writes are visible at once to every
// process that maps or reads it, and survive the writer.
class RegisterFile {
 public:
  // Opens the file in the folder, creating folder and file (all registers 0)
  // when missing. Empty with a reason on failure.
  static std::optional<RegisterFile> Open(const std::filesystem::path& folder,
                                          std::string* error = nullptr);
  RegisterFile(RegisterFile&& other) noexcept;
  RegisterFile& operator=(RegisterFile&& other) noexcept;
  RegisterFile(const RegisterFile&) = delete;
  RegisterFile& operator=(const RegisterFile&) = delete;
  ~RegisterFile();

  // Other processes read the mapping while we write it: single-byte atomics
  // keep every access whole for the cost of a plain move.
  std::uint8_t Read(int portIndex, int offset) const {
    return std::atomic_ref<std::uint8_t>(*Cell(portIndex, offset)).load(std::memory_order_relaxed);
  }
  void Write(int portIndex, int offset, std::uint8_t value) {
    std::atomic_ref<std::uint8_t>(*Cell(portIndex, offset)).store(value, std::memory_order_relaxed);
  }

  static constexpr std::size_t kHeaderSize = 16;  // magic, version, number of bases
  static constexpr std::size_t kCellsPerPort = 4;
  static constexpr std::size_t kPortCount = 2;
  static constexpr std::size_t kFileSize = kHeaderSize + kPortCount * kCellsPerPort;

 private:
  explicit RegisterFile(std::uint8_t* registers) : registers_(registers) {}
  std::uint8_t* Cell(int portIndex, int offset) const {
    return registers_ + kHeaderSize + static_cast<std::size_t>(portIndex) * kCellsPerPort +
           static_cast<std::size_t>(offset);
  }

  std::uint8_t* registers_;  // the start of the mapping
};

// The registers of one base as the file holds them now; empty when the file
// does not exist or is not a register file.
std::optional<SimRegisters> ReadSimulatedRegisters(const std::filesystem::path& folder,
                                                   std::int16_t base);
// Sets what the status register of the base reads (creating the file when
// missing). False when the file cannot be written or the base is unknown.
bool SetSimulatedStatus(const std::filesystem::path& folder, std::int16_t base,
                        std::uint8_t status);
// Removes the register file and the trace, for a clear port. Call
// Input32_Reset() first in a process that has the port open.
void RemoveSimulatedPortFiles(const std::filesystem::path& folder);

}  // namespace input32

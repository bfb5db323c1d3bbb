#pragma once
// A real port through the kernel's ppdev driver (/dev/parportN), claimed
// exclusively for the life of the object.
#include <filesystem>
#include <memory>

#include "port_backend.h"

namespace input32 {

class PpdevPort final : public PortBackend {
 public:
  static std::unique_ptr<PortBackend> Open(const std::filesystem::path& device,
                                           OpenFailure& failure);
  ~PpdevPort() override;

  std::uint8_t Read(int offset) override;
  void Write(int offset, std::uint8_t value) override;
  const char* name() const override { return "ppdev"; }

 private:
  explicit PpdevPort(int fd) : fd_(fd) {}
  const int fd_;
};

}  // namespace input32

#pragma once
// A real port by direct processor I/O (ioperm + inb/outb): x86 and root only.
// The permission belongs to the thread that opened the port, which is the
// one thread that drives it.
#include <cstdint>
#include <memory>

#include "port_backend.h"

namespace input32 {

class DirectPort final : public PortBackend {
 public:
  static std::unique_ptr<PortBackend> Open(std::int16_t base, OpenFailure& failure);
  ~DirectPort() override;

  std::uint8_t Read(int offset) override;
  void Write(int offset, std::uint8_t value) override;
  const char* name() const override { return "direct"; }

 private:
  explicit DirectPort(std::uint16_t base) : base_(base) {}
  const std::uint16_t base_;
};

}  // namespace input32

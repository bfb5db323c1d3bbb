#include "direct_port.h"

#include <cerrno>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define INPUT32_HAS_PORT_IO 1
#endif

namespace input32 {

namespace {
constexpr unsigned long kRegisterSpan = 3;
}

#if defined(INPUT32_HAS_PORT_IO)

std::unique_ptr<PortBackend> DirectPort::Open(std::int16_t base, OpenFailure& failure) {
  const auto address = static_cast<std::uint16_t>(base);
  if (ioperm(address, kRegisterSpan, 1) != 0) {
    failure = {errno, std::strerror(errno)};
    return nullptr;
  }
  return std::unique_ptr<PortBackend>(new DirectPort(address));
}

DirectPort::~DirectPort() { ioperm(base_, kRegisterSpan, 0); }

std::uint8_t DirectPort::Read(int offset) {
  return inb(static_cast<unsigned short>(base_ + offset));
}

void DirectPort::Write(int offset, std::uint8_t value) {
  if (offset != 1) outb(value, static_cast<unsigned short>(base_ + offset));
}

#else

std::unique_ptr<PortBackend> DirectPort::Open(std::int16_t, OpenFailure& failure) {
  failure = {ENOSYS, "direct port access exists only on x86"};
  return nullptr;
}

DirectPort::~DirectPort() = default;
std::uint8_t DirectPort::Read(int) { return 0xFF; }
void DirectPort::Write(int, std::uint8_t) {}

#endif

}  // namespace input32

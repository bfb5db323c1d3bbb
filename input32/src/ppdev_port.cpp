#include "ppdev_port.h"

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace input32 {

std::unique_ptr<PortBackend> PpdevPort::Open(const std::filesystem::path& device,
                                             OpenFailure& failure) {
  const int fd = open(device.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) {
    failure = {errno, std::strerror(errno)};
    return nullptr;
  }
  auto fail = [&](const char* step) -> std::unique_ptr<PortBackend> {
    failure = {errno, std::string(step) + ": " + std::strerror(errno)};
    close(fd);
    return nullptr;
  };
  // Exclusive before the claim: nobody else drives the lines between our writes.
  if (ioctl(fd, PPEXCL) != 0) return fail("PPEXCL");
  if (ioctl(fd, PPCLAIM) != 0) return fail("PPCLAIM");
  int forward = 0;  // the PC drives the data lines
  if (ioctl(fd, PPDATADIR, &forward) != 0) {
    ioctl(fd, PPRELEASE);
    return fail("PPDATADIR");
  }
  return std::unique_ptr<PortBackend>(new PpdevPort(fd));
}

PpdevPort::~PpdevPort() {
  ioctl(fd_, PPRELEASE);
  close(fd_);
}

// Raw register bytes both ways, as inb/outb would see them; no ioctl result
// is checked because a claimed port does not refuse them.
std::uint8_t PpdevPort::Read(int offset) {
  unsigned char value = 0;
  switch (offset) {
    case 0:
      ioctl(fd_, PPRDATA, &value);
      break;
    case 1:
      ioctl(fd_, PPRSTATUS, &value);
      break;
    default:
      ioctl(fd_, PPRCONTROL, &value);
      break;
  }
  return value;
}

void PpdevPort::Write(int offset, std::uint8_t value) {
  unsigned char byte = value;
  if (offset == 0) {
    ioctl(fd_, PPWDATA, &byte);
  } else if (offset == 2) {
    ioctl(fd_, PPWCONTROL, &byte);
  }
  // The status register is read only.
}

}  // namespace input32

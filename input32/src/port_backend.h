#pragma once
// One way of reaching the three registers of one port base.
#include <cstdint>
#include <string>

namespace input32 {

class PortBackend {
 public:
  virtual ~PortBackend() = default;
  // offset: 0 data, 1 status, 2 control.
  virtual std::uint8_t Read(int offset) = 0;
  virtual void Write(int offset, std::uint8_t value) = 0;
  virtual const char* name() const = 0;
};

// Why a port could not be opened: the errno and a readable reason.
struct OpenFailure {
  int errorNumber = 0;
  std::string reason;
};

}  // namespace input32

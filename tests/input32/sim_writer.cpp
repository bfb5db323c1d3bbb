// Helper for the tests: writes the port through libinput32.so as the program
// does, says "ready" and waits to be killed. Arguments: address=value ...
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "input32/port.h"

int main(int argc, char** argv) {
  input32::PortLibrary port;
  for (int i = 1; i < argc; ++i) {
    const std::string pair = argv[i];
    const auto equals = pair.find('=');
    if (equals == std::string::npos) return 2;
    const auto address = static_cast<std::int16_t>(std::stoi(pair.substr(0, equals)));
    const auto value = static_cast<std::int16_t>(std::stoi(pair.substr(equals + 1)));
    if (!port.Out32(address, value)) return 1;
  }
  std::puts("ready");
  std::fflush(stdout);
  for (;;) pause();
}

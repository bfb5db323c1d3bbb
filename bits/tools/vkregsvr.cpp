// Registers (or with -u unregisters) the classes of an in-process server
// library in a registration store: vkregsvr [-u] [--store FILE] LIBRARY
#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string_view>

#include "platform/component.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: vkregsvr [-u] [--store FILE] LIBRARY\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool unregister = false;
  const char* library = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-u") {
      unregister = true;
    } else if (arg == "--store" && i + 1 < argc) {
      platform::com::SetStorePath(argv[++i]);
    } else if (library == nullptr && !arg.starts_with("-")) {
      library = argv[i];
    } else {
      return Usage();
    }
  }
  if (library == nullptr) return Usage();

  const std::filesystem::path path = std::filesystem::absolute(library);
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    std::fprintf(stderr, "vkregsvr: %s\n", ::dlerror());
    return 1;
  }
  const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
  auto function = reinterpret_cast<platform::com::DllRegisterServerFn>(::dlsym(handle, entry));
  if (function == nullptr) {
    std::fprintf(stderr, "vkregsvr: %s has no %s\n", path.c_str(), entry);
    return 1;
  }
  const std::int32_t result = function();
  if (result != platform::com::kOk) {
    std::fprintf(stderr, "vkregsvr: %s failed (0x%08X) for store %s\n", entry,
                 static_cast<unsigned>(result), platform::com::StorePath().c_str());
    return 1;
  }
  return 0;
}

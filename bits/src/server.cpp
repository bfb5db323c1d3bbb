// The four entry points of the in-process server, the library's only exports.
#include <dlfcn.h>

#include <filesystem>
#include <memory>
#include <system_error>

#include "bits/bits_object.h"

#define VELKOR_EXPORT extern "C" __attribute__((visibility("default")))

namespace bits {

namespace {

class BitsFactory final : public platform::com::ClassFactory {
 public:
  platform::Object CreateInstance() override { return std::make_shared<BitsObject>(); }
};

// The path this library was loaded from, made absolute for the store.
std::filesystem::path OwnPath() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<const void*>(&OwnPath), &info) == 0 || info.dli_fname == nullptr) {
    return {};
  }
  std::error_code ec;
  std::filesystem::path path = std::filesystem::weakly_canonical(info.dli_fname, ec);
  return ec ? std::filesystem::absolute(info.dli_fname) : path;
}

constexpr std::int32_t kRegistrationFailed =
    static_cast<std::int32_t>(0x80040200);  // SELFREG_E_CLASS

}  // namespace

}  // namespace bits

VELKOR_EXPORT std::int32_t DllRegisterServer() {
  const std::filesystem::path library = bits::OwnPath();
  if (library.empty()) return bits::kRegistrationFailed;
  const bool ok =
      platform::com::RegisterClass(
          {bits::ClassId(), bits::kProgId, library, bits::kThreadingModel}) &&
      platform::com::RegisterTypeLib({bits::TypeLibId(), bits::kTypeLibName, bits::kTypeLibVersion,
                                      bits::kTypeLibLocale, library});
  return ok ? platform::com::kOk : bits::kRegistrationFailed;
}

VELKOR_EXPORT std::int32_t DllUnregisterServer() {
  const bool ok = platform::com::UnregisterClass(bits::ClassId()) &&
                  platform::com::UnregisterTypeLib(bits::TypeLibId());
  return ok ? platform::com::kOk : bits::kRegistrationFailed;
}

VELKOR_EXPORT std::int32_t DllGetClassObject(const platform::com::Guid* clsid,
                                             platform::com::ClassFactory** factory) {
  if (factory == nullptr) return platform::com::kClassNotAvailable;
  *factory = nullptr;
  if (clsid == nullptr || *clsid != bits::ClassId()) return platform::com::kClassNotAvailable;
  static bits::BitsFactory instance;
  *factory = &instance;
  return platform::com::kOk;
}

VELKOR_EXPORT std::int32_t DllCanUnloadNow() {
  return bits::BitsObject::LiveObjects() == 0 ? platform::com::kOk : platform::com::kFalse;
}

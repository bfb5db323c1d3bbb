#pragma once
// Component services: class factories, a registration store (a profile file
// of our own, ProgID -> class identifier -> library path and threading
// model) and creation of an object by its ProgID.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace platform::com {

// Class identifier, written "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
struct Guid {
  std::array<std::uint8_t, 16> bytes{};
  static std::optional<Guid> Parse(std::string_view text);
  std::string ToString() const;
  friend bool operator==(const Guid&, const Guid&) = default;
};

class ClassFactory {
 public:
  virtual ~ClassFactory() = default;
  virtual Object CreateInstance() = 0;
};

struct ClassEntry {
  Guid clsid;
  std::string progId;
  std::filesystem::path library;  // in-process server
  std::string threadingModel;     // "Apartment"
};

// The store file: the program folder's "vkregistry.ini" unless set (tests
// point it at their own folder; VK_REGISTRY in the environment also does).
std::filesystem::path StorePath();
void SetStorePath(const std::filesystem::path& file);

bool RegisterClass(const ClassEntry& entry, std::string* why = nullptr);
bool UnregisterClass(const Guid& clsid, std::string* why = nullptr);
std::optional<ClassEntry> FindByProgId(std::string_view progId);
std::optional<ClassEntry> FindByClsid(const Guid& clsid);

// The type library a server embeds, registered beside its classes.
struct TypeLibEntry {
  Guid libid;
  std::string name;     // "VK_DLL"
  std::string version;  // "1.0"
  std::string locale;   // "409"
  std::filesystem::path library;
};
bool RegisterTypeLib(const TypeLibEntry& entry, std::string* why = nullptr);
bool UnregisterTypeLib(const Guid& libid, std::string* why = nullptr);
std::optional<TypeLibEntry> FindTypeLib(const Guid& libid);

// Loads the registered library, asks its class object (DllGetClassObject)
// and creates the object. Raises RuntimeError CannotCreateObject (429) when
// the ProgID is not registered or the library cannot be loaded.
Object CreateObject(std::string_view progId);

// The server entry points every in-process library exports (extern "C").
using DllRegisterServerFn = std::int32_t (*)();
using DllUnregisterServerFn = std::int32_t (*)();
using DllGetClassObjectFn = std::int32_t (*)(const Guid* clsid, ClassFactory** factory);
using DllCanUnloadNowFn = std::int32_t (*)();
inline constexpr std::int32_t kOk = 0;
inline constexpr std::int32_t kFalse = 1;
inline constexpr std::int32_t kClassNotAvailable = static_cast<std::int32_t>(0x80040111);

}  // namespace platform::com

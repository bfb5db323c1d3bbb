#pragma once
// The Bits class: its identity, its 29 members behind a dispatch table, and
// the object the class factory hands out.
#include <atomic>
#include <filesystem>

#include "bits/heating_io.h"
#include "platform/component.h"
#include "platform/dispatch.h"

namespace bits {

inline constexpr char kProgId[] = "VK_DLL.Bits";
inline constexpr char kThreadingModel[] = "Apartment";
inline constexpr char kTypeLibName[] = "VK_DLL";
inline constexpr char kTypeLibVersion[] = "1.0";
inline constexpr char kTypeLibLocale[] = "409";
inline constexpr std::int32_t kFirstDispId = 0x60030000;

platform::com::Guid ClassId();      // class Bits
platform::com::Guid InterfaceId();  // interface _Bits
platform::com::Guid TypeLibId();    // type library VK_DLL

// Where the members look for their files and reach the port.
struct BitsEnvironment {
  std::filesystem::path libraryDir;  // velkor.lng and Lang/ live here
  HeatingIo* heating = nullptr;
};

class BitsObject : public platform::Dispatch {
 public:
  // The folder of the library holding this code and the port library.
  BitsObject();
  explicit BitsObject(BitsEnvironment environment);
  ~BitsObject() override;
  BitsObject(const BitsObject&) = delete;
  BitsObject& operator=(const BitsObject&) = delete;

  std::optional<std::int32_t> IdOfName(std::string_view name) const override;
  platform::Variant Invoke(std::int32_t dispid, platform::InvokeKind kind,
                           std::span<platform::Variant> args) override;

  const BitsEnvironment& environment() const { return environment_; }
  static const platform::DispatchTable& Table();
  // Objects alive in this process (the library may unload at 0).
  static int LiveObjects();

 private:
  BitsEnvironment environment_;
};

}  // namespace bits

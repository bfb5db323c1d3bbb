#include "machine/bits_call.h"

namespace machine {

platform::Dispatch& BitsOf(const config::Configuration& record) {
  if (record.Bits == nullptr) throw platform::RuntimeError(platform::err::ObjectRequired);
  return *record.Bits;
}

platform::Variant CallBits(const config::Configuration& record, std::string_view member,
                           std::vector<platform::Variant> args) {
  return platform::CallByName(BitsOf(record), member, std::move(args));
}

int BitEquiv(const config::Configuration& record, int pin) {
  return CallBits(record, "Bit_Equiv", {platform::Variant(static_cast<std::int32_t>(pin))})
      .toInt32();
}

platform::Variant BitsMember::operator()(std::span<platform::Variant> args) {
  platform::Dispatch& bits = BitsOf(record_);
  if (!dispid_) {
    dispid_ = bits.IdOfName(member_);
    if (!dispid_) throw platform::RuntimeError(platform::err::NoSuchMember);
  }
  return bits.Invoke(*dispid_, platform::InvokeKind::Method, args);
}

}  // namespace machine

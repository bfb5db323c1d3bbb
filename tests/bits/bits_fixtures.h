#pragma once
// Stand-ins for what the Bits members touch outside: a text box object, the
// port and the millisecond clock (message boxes: platform/scripted_messagebox.h).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bits/bits_object.h"
#include "bits/heating_io.h"
#include "platform/dispatch.h"
#include "vk_test/error_of.h"

namespace vk_test {


// A text box seen through dispatch: Text, SelText and SelStart.
class TextBoxStandIn : public platform::Dispatch {
 public:
  TextBoxStandIn(std::string text, std::int32_t selStart, std::string selText = {})
      : text_(std::move(text)), selText_(std::move(selText)), selStart_(selStart) {}
  std::optional<std::int32_t> IdOfName(std::string_view name) const override {
    if (name == "Text") return 1;
    if (name == "SelText") return 2;
    if (name == "SelStart") return 3;
    return std::nullopt;
  }
  platform::Variant Invoke(std::int32_t id, platform::InvokeKind,
                           std::span<platform::Variant>) override {
    if (id == 1) return text_;
    if (id == 2) return selText_;
    if (id == 3) return selStart_;
    throw platform::RuntimeError(platform::err::NoSuchMember);
  }

 private:
  std::string text_, selText_;
  std::int32_t selStart_;
};

// Registers of base 888 and every access; the clock advances by one
// millisecond after every `readsPerTick` readings.
class FakeHeatingIo : public bits::HeatingIo {
 public:
  struct Access {
    bool write;
    std::int16_t address;
    std::int16_t value;
  };
  std::int16_t Inp32(std::int16_t address) override {
    const std::int16_t v = registers[address - 888];
    log.push_back({false, address, v});
    return v;
  }
  void Out32(std::int16_t address, std::int16_t value) override {
    registers[address - 888] = value;
    log.push_back({true, address, value});
  }
  std::int16_t Millis16() override {
    ++clockReads;
    if (clockReads % readsPerTick == 0) ++now;
    return now;
  }
  std::vector<Access> Writes() const {
    std::vector<Access> w;
    for (const Access& a : log) {
      if (a.write) w.push_back(a);
    }
    return w;
  }

  std::int16_t registers[3] = {0, 0, 0};
  std::vector<Access> log;
  std::int16_t now = 1000;
  int readsPerTick = 10;
  int clockReads = 0;
};

}  // namespace vk_test

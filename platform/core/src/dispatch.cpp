#include "platform/dispatch.h"

#include <new>

namespace platform {

namespace {

struct ErrorText {
  int number;
  const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {err::InvalidCall, "Invalid procedure call or argument"},
    {err::Overflow, "Overflow"},
    {7, "Out of memory"},
    {err::SubscriptOutOfRange, "Subscript out of range"},
    {err::DivisionByZero, "Division by zero"},
    {err::TypeMismatch, "Type mismatch"},
    {err::FileNotLoaded, "Error in loading DLL"},
    {err::BadFileName, "Bad file name or number"},
    {err::FileNotFound, "File not found"},
    {err::DeviceIoError, "Device I/O error"},
    {61, "Disk full"},
    {err::InputPastEnd, "Input past end of file"},
    {err::PermissionDenied, "Permission denied"},
    {err::PathFileAccessError, "Path/File access error"},
    {err::PathNotFound, "Path not found"},
    {err::ObjectNotSet, "Object variable or With block variable not set"},
    {err::ObjectRequired, "Object required"},
    {err::CannotCreateObject, "ActiveX component can't create object"},
    {err::NoSuchMember, "Object doesn't support this property or method"},
    {err::ArgumentNotOptional, "Argument not optional"},
    {err::WrongArgumentCount, "Wrong number of arguments or invalid property assignment"},
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// The slot a member receives for one declared parameter.
Variant SlotFor(const ParamSpec& param, const Variant& arg) {
  if (param.inOut && arg.isByRef()) {
    const VarType refType = arg.refType();
    if (refType == param.type) return arg;
  }
  return arg.convertedTo(param.type);
}

// Up to N variants built in place and destroyed with the buffer.
template <std::size_t N>
class SlotBuffer {
 public:
  SlotBuffer() = default;
  SlotBuffer(const SlotBuffer&) = delete;
  SlotBuffer& operator=(const SlotBuffer&) = delete;
  ~SlotBuffer() {
    for (std::size_t i = 0; i < count_; ++i) data()[i].~Variant();
  }
  void Add(Variant&& v) {
    new (&storage_[count_ * sizeof(Variant)]) Variant(std::move(v));
    ++count_;
  }
  std::span<Variant> span() { return {data(), count_}; }

 private:
  Variant* data() { return std::launder(reinterpret_cast<Variant*>(storage_)); }
  alignas(Variant) unsigned char storage_[N * sizeof(Variant)];
  std::size_t count_ = 0;
};

}  // namespace

std::string ErrorDescription(int number) {
  for (const ErrorText& e : kErrorTexts) {
    if (e.number == number) return e.text;
  }
  return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

Variant InvokeByName(Dispatch& object, std::string_view name, std::span<Variant> args,
                     InvokeKind kind) {
  const std::optional<std::int32_t> id = object.IdOfName(name);
  if (!id) throw RuntimeError(err::NoSuchMember);
  return object.Invoke(*id, kind, args);
}

Variant CallByName(Dispatch& object, std::string_view name, std::vector<Variant> args,
                   InvokeKind kind) {
  return InvokeByName(object, name, std::span<Variant>(args), kind);
}

Variant GetProperty(Dispatch& object, std::string_view name) {
  return InvokeByName(object, name, {}, InvokeKind::PropertyGet);
}

void SetProperty(Dispatch& object, std::string_view name, Variant value) {
  InvokeByName(object, name, std::span<Variant>(&value, 1), InvokeKind::PropertyPut);
}

// FNV-1a over the lower-case letters.
std::uint32_t DispatchTable::HashOf(std::string_view name) {
  std::uint32_t h = 2166136261u;
  for (char c : name) {
    h ^= static_cast<unsigned char>(Lower(c));
    h *= 16777619u;
  }
  return h;
}

DispatchTable::DispatchTable(std::vector<MemberSpec> members) : members_(std::move(members)) {
  std::size_t size = 16;
  while (size < members_.size() * 2) size *= 2;
  buckets_.assign(size, -1);
  for (std::size_t i = 0; i < members_.size(); ++i) {
    if (members_[i].params.size() > kMaxParams) {
      throw std::logic_error("too many parameters for a dispatch member");
    }
    std::size_t b = HashOf(members_[i].name) & (size - 1);
    while (buckets_[b] >= 0) b = (b + 1) & (size - 1);
    buckets_[b] = static_cast<std::int16_t>(i);
  }
  if (!members_.empty()) {
    firstId_ = members_.front().dispid;
    contiguousIds_ = true;
    for (std::size_t i = 0; i < members_.size(); ++i) {
      if (members_[i].dispid != firstId_ + static_cast<std::int32_t>(i)) contiguousIds_ = false;
    }
  }
}

std::optional<std::int32_t> DispatchTable::IdOfName(std::string_view name) const {
  const std::size_t mask = buckets_.size() - 1;
  for (std::size_t b = HashOf(name) & mask; buckets_[b] >= 0; b = (b + 1) & mask) {
    const MemberSpec& m = members_[static_cast<std::size_t>(buckets_[b])];
    if (SameName(m.name, name)) return m.dispid;
  }
  return std::nullopt;
}

const MemberSpec* DispatchTable::Find(std::int32_t dispid) const {
  if (contiguousIds_) {
    const std::int64_t index = static_cast<std::int64_t>(dispid) - firstId_;
    if (index < 0 || index >= static_cast<std::int64_t>(members_.size())) return nullptr;
    return &members_[static_cast<std::size_t>(index)];
  }
  for (const MemberSpec& m : members_) {
    if (m.dispid == dispid) return &m;
  }
  return nullptr;
}

Variant DispatchTable::Invoke(Dispatch& self, std::int32_t dispid, InvokeKind kind,
                              std::span<Variant> args) const {
  const MemberSpec* member = Find(dispid);
  if (member == nullptr || kind == InvokeKind::PropertyPut) {
    throw RuntimeError(err::NoSuchMember);
  }
  const std::vector<ParamSpec>& params = member->params;
  if (args.size() > params.size()) throw RuntimeError(err::WrongArgumentCount);

  // Only as many slots as the member declares, on the stack.
  SlotBuffer<kMaxParams> slots;
  for (std::size_t i = 0; i < params.size(); ++i) {
    const bool given = i < args.size() && !args[i].isMissing();
    if (given) {
      slots.Add(SlotFor(params[i], args[i]));
    } else if (params[i].optional) {
      slots.Add(params[i].defaultValue.convertedTo(
          params[i].defaultValue.isMissing() ? VarType::Missing : params[i].type));
    } else {
      throw RuntimeError(err::ArgumentNotOptional);
    }
  }
  return member->function(self, slots.span());
}

}  // namespace platform

#include "platform/component.h"

#include <dlfcn.h>
#include <stdlib.h>

#include <mutex>

#include "file_io.h"
#include "ini_text.h"
#include "platform/dispatch.h"
#include "platform/paths.h"
#include "platform/profile.h"

namespace platform::com {

namespace {

constexpr char kRegistryFileName[] = "vkregistry.ini";
constexpr char kProgIdKey[] = "ProgID";
constexpr char kClsidKey[] = "CLSID";
constexpr char kServerKey[] = "InprocServer32";
constexpr char kThreadingKey[] = "ThreadingModel";
constexpr char kNameKey[] = "Name";
constexpr char kVersionKey[] = "Version";
constexpr char kLocaleKey[] = "LCID";
constexpr char kLibraryKey[] = "Library";
// Values longer than this (long library paths) still read back whole.
constexpr std::size_t kValueBuffer = 4096;

// The store is one per process, as the system registry it stands in for.
struct StoreLocation {
  std::mutex mutex;
  std::filesystem::path overridden;
};
StoreLocation& Location() {
  static StoreLocation location;
  return location;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string ClassSection(const Guid& clsid) { return "CLSID\\" + clsid.ToString(); }
std::string TypeLibSection(const Guid& libid) { return "TypeLib\\" + libid.ToString(); }

std::string Read(std::string_view section, std::string_view key) {
  return profile::Get(StorePath(), section, key, {}, kValueBuffer);
}

bool Write(std::string_view section, std::string_view key, std::string_view value,
           std::string* why) {
  return profile::Put(StorePath(), section, key, value, why);
}

// Takes whole sections out of the store file; every other line stays.
bool RemoveSections(std::initializer_list<std::string_view> sections, std::string* why) {
  const std::filesystem::path file = StorePath();
  const detail::ReadResult read = detail::ReadWholeFile(file);
  if (!read.bytes) return true;  // no store: nothing to remove
  const std::string_view text = *read.bytes;
  std::string kept;
  kept.reserve(text.size());
  profile::detail::LineReader<char> reader(text);
  profile::detail::Line line;
  bool dropping = false;
  bool changed = false;
  while (reader.Next(line)) {
    const auto c = profile::detail::Classify(text.substr(line.begin, line.end - line.begin));
    if (c.kind == profile::detail::LineKind::Section) {
      dropping = false;
      for (std::string_view s : sections) {
        if (profile::detail::SameName(c.name, s)) dropping = true;
      }
    }
    if (dropping) {
      changed = true;
    } else {
      kept.append(text.substr(line.begin, line.next - line.begin));
    }
  }
  if (!changed) return true;
  return detail::ReplaceFileAtomically(file, kept, why);
}

// A library inside the store's folder is kept relative to it, so a program
// folder copied elsewhere still finds its own servers.
std::string StoredLibraryPath(const std::filesystem::path& library) {
  std::error_code ec;
  const std::filesystem::path base =
      std::filesystem::weakly_canonical(StorePath().parent_path(), ec);
  const std::filesystem::path full = std::filesystem::weakly_canonical(library, ec);
  if (ec || !library.is_absolute()) return library.string();
  const std::filesystem::path relative = full.lexically_relative(base);
  if (relative.empty() || *relative.begin() == "..") return library.string();
  return relative.string();
}

std::filesystem::path LoadedLibraryPath(const std::string& stored) {
  const std::filesystem::path path = stored;
  return path.is_relative() ? StorePath().parent_path() / path : path;
}

}  // namespace

std::optional<Guid> Guid::Parse(std::string_view text) {
  if (text.size() == 38 && text.front() == '{' && text.back() == '}') {
    text = text.substr(1, 36);
  }
  if (text.size() != 36) return std::nullopt;
  Guid g;
  std::size_t byte = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (i == 8 || i == 13 || i == 18 || i == 23) {
      if (text[i] != '-') return std::nullopt;
      ++i;
      continue;
    }
    const int hi = HexValue(text[i]);
    const int lo = HexValue(text[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    g.bytes[byte++] = static_cast<std::uint8_t>(hi * 16 + lo);
    i += 2;
  }
  return g;
}

std::string Guid::ToString() const {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string s = "{";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) s += '-';
    s += kDigits[bytes[i] >> 4];
    s += kDigits[bytes[i] & 0xF];
  }
  s += '}';
  return s;
}

std::filesystem::path StorePath() {
  StoreLocation& location = Location();
  {
    std::lock_guard lock(location.mutex);
    if (!location.overridden.empty()) return location.overridden;
  }
  if (const char* env = ::getenv("VK_REGISTRY"); env != nullptr && *env != '\0') return env;
  return ProgramDir() / kRegistryFileName;
}

void SetStorePath(const std::filesystem::path& file) {
  StoreLocation& location = Location();
  std::lock_guard lock(location.mutex);
  location.overridden = file;
}

bool RegisterClass(const ClassEntry& entry, std::string* why) {
  const std::string section = ClassSection(entry.clsid);
  return Write(section, kProgIdKey, entry.progId, why) &&
         Write(section, kServerKey, StoredLibraryPath(entry.library), why) &&
         Write(section, kThreadingKey, entry.threadingModel, why) &&
         Write(entry.progId, kClsidKey, entry.clsid.ToString(), why);
}

bool UnregisterClass(const Guid& clsid, std::string* why) {
  const std::string section = ClassSection(clsid);
  const std::string progId = Read(section, kProgIdKey);
  // A ProgID that another class has taken over since stays.
  const bool progIdIsOurs = !progId.empty() && Guid::Parse(Read(progId, kClsidKey)) == clsid;
  if (progIdIsOurs) return RemoveSections({section, progId}, why);
  return RemoveSections({section}, why);
}

std::optional<ClassEntry> FindByClsid(const Guid& clsid) {
  const std::string section = ClassSection(clsid);
  ClassEntry entry;
  entry.clsid = clsid;
  const std::string library = Read(section, kServerKey);
  if (library.empty()) return std::nullopt;
  entry.library = LoadedLibraryPath(library);
  entry.progId = Read(section, kProgIdKey);
  entry.threadingModel = Read(section, kThreadingKey);
  return entry;
}

std::optional<ClassEntry> FindByProgId(std::string_view progId) {
  if (progId.empty()) return std::nullopt;
  const std::optional<Guid> clsid = Guid::Parse(Read(progId, kClsidKey));
  if (!clsid) return std::nullopt;
  return FindByClsid(*clsid);
}

bool RegisterTypeLib(const TypeLibEntry& entry, std::string* why) {
  const std::string section = TypeLibSection(entry.libid);
  return Write(section, kNameKey, entry.name, why) &&
         Write(section, kVersionKey, entry.version, why) &&
         Write(section, kLocaleKey, entry.locale, why) &&
         Write(section, kLibraryKey, StoredLibraryPath(entry.library), why);
}

bool UnregisterTypeLib(const Guid& libid, std::string* why) {
  return RemoveSections({TypeLibSection(libid)}, why);
}

std::optional<TypeLibEntry> FindTypeLib(const Guid& libid) {
  const std::string section = TypeLibSection(libid);
  TypeLibEntry entry;
  entry.libid = libid;
  const std::string library = Read(section, kLibraryKey);
  if (library.empty()) return std::nullopt;
  entry.library = LoadedLibraryPath(library);
  entry.name = Read(section, kNameKey);
  entry.version = Read(section, kVersionKey);
  entry.locale = Read(section, kLocaleKey);
  return entry;
}

Object CreateObject(std::string_view progId) {
  const std::optional<ClassEntry> entry = FindByProgId(progId);
  if (!entry) throw RuntimeError(err::CannotCreateObject);
  // Loaded servers stay loaded for the life of the process.
  void* handle = ::dlopen(entry->library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) throw RuntimeError(err::CannotCreateObject);
  auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(::dlsym(handle, "DllGetClassObject"));
  if (getClassObject == nullptr) throw RuntimeError(err::CannotCreateObject);
  ClassFactory* factory = nullptr;
  if (getClassObject(&entry->clsid, &factory) != kOk || factory == nullptr) {
    throw RuntimeError(err::CannotCreateObject);
  }
  Object object = factory->CreateInstance();
  if (!object) throw RuntimeError(err::CannotCreateObject);
  return object;
}

}  // namespace platform::com

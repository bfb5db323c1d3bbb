#pragma once
// A shared library bound by name at its first use, not at start: a program
// that never touches the hardware never loads the library that drives it.
#include <filesystem>
#include <mutex>
#include <string>

namespace platform {

// Looks for the file first next to the library that holds `nearAddress` (when
// given), then in the program folder, then by its plain name through the
// loader's usual search. Every failure (library not loadable, symbol missing)
// is told once per instance by ShowMessage with the library name and the
// loader's reason; the caller learns it from the result and stops its
// operation. A library that failed to load is not tried again.
class LazyLibrary {
 public:
  explicit LazyLibrary(std::string fileName, const void* nearAddress = nullptr);
  ~LazyLibrary();
  LazyLibrary(const LazyLibrary&) = delete;
  LazyLibrary& operator=(const LazyLibrary&) = delete;

  // Loads the library at the first call. False when it cannot be loaded.
  bool Load();
  // The address of an exported symbol (loading the library first), or
  // nullptr when the library or the symbol is missing. Costs a lookup:
  // callers keep the result.
  void* Symbol(const char* name);

  const std::string& fileName() const { return fileName_; }
  // The loader's reason for the last failure; empty while all went well.
  std::string lastError() const;
  // Where the library was found; empty until loaded.
  std::filesystem::path loadedFrom() const;

 private:
  void Report(std::unique_lock<std::mutex>& lock, const std::string& text);

  const std::string fileName_;
  const void* const nearAddress_;
  mutable std::mutex mutex_;
  void* handle_ = nullptr;
  bool tried_ = false;
  bool reported_ = false;
  std::string lastError_;
  std::filesystem::path loadedFrom_;
};

}  // namespace platform

#include "platform/lazylib.h"

#include <dlfcn.h>

#include <system_error>
#include <utility>
#include <vector>

#include "platform/messagebox.h"
#include "platform/paths.h"

namespace platform {

namespace {

std::string LoaderError() {
  const char* text = dlerror();
  return text != nullptr ? text : "unknown error";
}

bool Exists(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

}  // namespace

LazyLibrary::LazyLibrary(std::string fileName, const void* nearAddress)
    : fileName_(std::move(fileName)), nearAddress_(nearAddress) {}

LazyLibrary::~LazyLibrary() {
  if (handle_ != nullptr) dlclose(handle_);
}

bool LazyLibrary::Load() {
  std::unique_lock lock(mutex_);
  if (tried_) return handle_ != nullptr;
  tried_ = true;

  std::vector<std::filesystem::path> folders;
  if (fileName_.find('/') == std::string::npos) {
    if (nearAddress_ != nullptr) folders.push_back(LibraryDirOf(nearAddress_));
    const std::filesystem::path programDir = ProgramDir();
    if (folders.empty() || folders.front() != programDir) folders.push_back(programDir);
  }
  // A copy that is there but does not load says more than "not found" does.
  std::string existingCopyError;
  for (const auto& folder : folders) {
    if (folder.empty()) continue;
    const std::filesystem::path candidate = folder / fileName_;
    if (!Exists(candidate)) continue;
    handle_ = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ != nullptr) {
      loadedFrom_ = candidate;
      return true;
    }
    if (existingCopyError.empty()) existingCopyError = LoaderError();
  }
  handle_ = dlopen(fileName_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ != nullptr) {
    loadedFrom_ = fileName_;
    return true;
  }
  lastError_ = existingCopyError.empty() ? LoaderError() : existingCopyError;
  const std::string text =
      "Cannot load the library " + fileName_ + ":\n" + lastError_ + "\n\nThe operation is stopped.";
  Report(lock, text);
  return false;
}

void* LazyLibrary::Symbol(const char* name) {
  if (!Load()) return nullptr;
  std::unique_lock lock(mutex_);
  dlerror();
  void* address = dlsym(handle_, name);
  if (address != nullptr) return address;
  lastError_ = LoaderError();
  const std::string text = "The library " + fileName_ + " has no function " + name + ":\n" +
                           lastError_ + "\n\nThe operation is stopped.";
  Report(lock, text);
  return nullptr;
}

std::string LazyLibrary::lastError() const {
  std::lock_guard lock(mutex_);
  return lastError_;
}

std::filesystem::path LazyLibrary::loadedFrom() const {
  std::lock_guard lock(mutex_);
  return loadedFrom_;
}

// A modal box pumps events, and a handler run from there may reach this
// library again: show it with the lock released.
void LazyLibrary::Report(std::unique_lock<std::mutex>& lock, const std::string& text) {
  if (reported_) return;
  reported_ = true;
  lock.unlock();
  ShowMessage(text, fileName_, Buttons::Ok, Icon::Critical);
}

}  // namespace platform

#include "common/SharedLibrary.h"

#include <dlfcn.h>

#include <utility>

#include "common/LibraryFileCheck.h"

namespace lir {

SharedLibrary::SharedLibrary(const std::string& path) {
  // A damaged library file can bring the process down inside the system
  // loader, so it is refused before it gets there.
  if (std::string damage = checkLibraryFileIntact(path); !damage.empty()) {
    error_ = std::move(damage);
    return;
  }
  // RTLD_LOCAL keeps the exports of one plug-in from satisfying another's.
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* reason = dlerror();
    error_ = reason != nullptr ? reason : "dlopen failed";
  }
}

SharedLibrary::~SharedLibrary() { unload(); }

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
  if (this != &other) {
    unload();
    handle_ = std::exchange(other.handle_, nullptr);
    error_ = std::move(other.error_);
  }
  return *this;
}

void* SharedLibrary::symbol(const char* name) const {
  if (handle_ == nullptr) return nullptr;
  return dlsym(handle_, name);
}

void SharedLibrary::unload() {
  if (handle_ != nullptr) {
    dlclose(handle_);
    handle_ = nullptr;
  }
}

}  // namespace lir

#pragma once
// A shared library loaded by path for as long as this object lives. Plug-ins,
// the transfer library, libusb and bzip2 are all bound this way, by name at run
// time; every exit path unloads the library again.

#include <string>

namespace lir {

class SharedLibrary {
 public:
  SharedLibrary() = default;
  // Loads the library at path; check isLoaded() and errorText() afterwards. A
  // library file shorter than its own headers say is refused without loading.
  explicit SharedLibrary(const std::string& path);
  ~SharedLibrary();

  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;
  SharedLibrary(SharedLibrary&& other) noexcept;
  SharedLibrary& operator=(SharedLibrary&& other) noexcept;

  bool isLoaded() const { return handle_ != nullptr; }
  // The loader's own reason when loading failed, empty otherwise.
  const std::string& errorText() const { return error_; }

  // The address of an exported symbol, or null when it is not exported.
  void* symbol(const char* name) const;

  // The export as a function pointer of the given type, or null.
  template <typename Fn>
  Fn function(const char* name) const {
    return reinterpret_cast<Fn>(symbol(name));
  }

  void unload();

 private:
  void* handle_ = nullptr;
  std::string error_;
};

}  // namespace lir

#include "shell/dynamic_library.h"

#include <dlfcn.h>

#include <filesystem>

namespace corvex {

namespace {

// How a failed load is reported, from the loader's message and whether the named file exists:
// the named file missing or unloadable is the ordinary "module not found" case (no exception);
// a missing dependency is "not located"; unresolved symbols mean the initialisation failed.
void raiseForLoadFailure(const std::string& name, const char* loaderMessage) {
  const std::string message = loaderMessage != nullptr ? loaderMessage : "";
  std::error_code ignored;
  if (!std::filesystem::exists(name, ignored)) return;
  if (message.find("undefined symbol") != std::string::npos) throw EInitError();
  if (message.find("cannot open shared object file") != std::string::npos &&
      message.rfind(name + ":", 0) != 0) {
    throw EFileNotFoundError();  // the loader names a dependency, not the library itself
  }
}

}  // namespace

TDynamicLibrary::~TDynamicLibrary() {
  if (IsOpen()) Close();
}

void TDynamicLibrary::SetLibraryName(const std::string& name) {
  if (IsOpen()) Close();
  libraryName_ = name;
}

void TDynamicLibrary::Open() {
  if (IsOpen()) return;
  dlerror();
  handle_ = dlopen(libraryName_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) raiseForLoadFailure(libraryName_, dlerror());
}

void TDynamicLibrary::Close() {
  if (!IsOpen()) return;
  dlclose(handle_);
  handle_ = nullptr;
}

void* TDynamicLibrary::GetEntry(const std::string& name) {
  if (!IsOpen()) throw EDLLNotOpenError();
  return dlsym(handle_, name.c_str());
}

}  // namespace corvex

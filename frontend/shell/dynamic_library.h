// Binding one shared library by file name at run time and resolving its entry points.
// Failures raise the EDLLError family with fixed messages.
#pragma once

#include <stdexcept>
#include <string>

namespace corvex {

class EDLLError : public std::runtime_error {
 public:
  explicit EDLLError(const std::string& message) : std::runtime_error(message) {}
};

// The library was found but could not be initialised.
class EInitError : public EDLLError {
 public:
  EInitError() : EDLLError("Library failed to properly initialize") {}
};

// A library that the named one needs could not be located.
class EFileNotFoundError : public EDLLError {
 public:
  EFileNotFoundError() : EDLLError("Library could not be located") {}
};

// An entry point was asked for while no library is open.
class EDLLNotOpenError : public EDLLError {
 public:
  EDLLNotOpenError() : EDLLError("Library is not open") {}
};

class TDynamicLibrary {
 public:
  TDynamicLibrary() = default;
  ~TDynamicLibrary();
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

  const std::string& LibraryName() const { return libraryName_; }
  // Closes an open library first; opening is a separate step.
  void SetLibraryName(const std::string& name);

  // Loads the library named by LibraryName unless it is already open. A library that does
  // not exist, or is not a loadable library, leaves the object closed without an exception
  // (GetEntry then raises EDLLNotOpenError); a library whose own dependencies are missing
  // raises EFileNotFoundError; one that is found but cannot be initialised (unresolved
  // symbols) raises EInitError.
  void Open();
  void Close();
  bool IsOpen() const { return handle_ != nullptr; }
  void* Handle() const { return handle_; }

  // The address of an exported entry, or null when the library has no such export.
  void* GetEntry(const std::string& name);

 private:
  std::string libraryName_;
  void* handle_ = nullptr;
};

}  // namespace corvex

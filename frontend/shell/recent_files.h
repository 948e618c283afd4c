// The list of the ten most recently opened projects, most recent first, as the File menu
// shows it and as it is kept between sessions.
#pragma once

#include <array>
#include <string>

namespace corvex {

class TRecentFiles {
 public:
  static constexpr int kCapacity = 10;

  // Puts a path at the top: an entry equal to it (compared exactly, case-sensitive) moves up,
  // otherwise every entry moves down one place and the tenth is dropped.
  void PutOnTop(const std::string& path);

  // Entry n (1 ... 10); empty when there is none.
  const std::string& Entry(int n) const;
  void SetEntry(int n, const std::string& path);
  void Clear();

  // Number of non-empty entries.
  int Count() const;

  // The File-menu caption of entry n: the number, a blank and the path; the part of the path
  // up to and including the current directory and its separator is left out.
  std::string MenuCaption(int n, const std::string& currentDirectory) const;

 private:
  std::array<std::string, kCapacity> entries_;
};

}  // namespace corvex

#include "shell/recent_files.h"

#include <algorithm>

namespace corvex {

namespace {
const std::string kNoEntry;
}

void TRecentFiles::PutOnTop(const std::string& path) {
  if (entries_[0] == path) return;
  auto found = std::find(entries_.begin() + 1, entries_.end(), path);
  // Entries above the one found (or all but the last, when none is found) move down one place.
  auto stop = found != entries_.end() ? found : entries_.end() - 1;
  std::move_backward(entries_.begin(), stop, stop + 1);
  entries_[0] = path;
}

const std::string& TRecentFiles::Entry(int n) const {
  if (n < 1 || n > kCapacity) return kNoEntry;
  return entries_[n - 1];
}

void TRecentFiles::SetEntry(int n, const std::string& path) {
  if (n >= 1 && n <= kCapacity) entries_[n - 1] = path;
}

void TRecentFiles::Clear() { entries_.fill(std::string()); }

int TRecentFiles::Count() const {
  return static_cast<int>(
      std::count_if(entries_.begin(), entries_.end(), [](const std::string& e) { return !e.empty(); }));
}

std::string TRecentFiles::MenuCaption(int n, const std::string& currentDirectory) const {
  std::string path = Entry(n);
  if (!currentDirectory.empty()) {
    std::string folder = currentDirectory;
    if (folder.back() != '/') folder += '/';
    auto at = path.find(folder);
    if (at != std::string::npos) path = path.substr(at + folder.size());
  }
  return std::to_string(n) + " " + path;
}

}  // namespace corvex

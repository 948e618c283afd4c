#include "shell/main_caption.h"

#include <cctype>

namespace corvex {

std::string ProjectDisplayName(const std::string& path) {
  std::string name = path.substr(path.find_last_of('/') + 1);
  if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  auto lastDot = name.rfind('.');
  if (lastDot != std::string::npos) {
    std::string ext = name.substr(lastDot);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".cx6") name = name.substr(0, name.find('.'));
  }
  return name;
}

std::string MainCaption(const std::string& path) {
  return std::string("Corvex ") + kProgramVersion + " - " + ProjectDisplayName(path);
}

}  // namespace corvex

// The main window's caption: the program version and the display name of the project.
#pragma once

#include <string>

namespace corvex {

inline constexpr const char* kProgramVersion = "2014.6.7";
inline constexpr const char* kDefaultProjectName = "NewCorvex.cx6d";

// The file name without its folder, first letter upper-cased; when the extension is ".cx6"
// (any case), everything from the first "." on is dropped.
std::string ProjectDisplayName(const std::string& path);

// "Corvex 2014.6.7 - " followed by the display name.
std::string MainCaption(const std::string& path);

}  // namespace corvex

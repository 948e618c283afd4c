#include "shell/update_check.h"

#include <cstdio>

namespace corvex {

namespace {
// The address of the update-check page is the maker's; the path is fixed.
constexpr const char* kUpdatePage = "https://www.halvorn.com/checkupdates/check/check.php";
constexpr const char* kReleaseDate = "09/19/14";
}  // namespace

std::string UpdateCheckAddress(int year, int month, int day) {
  // The last field is the date of the check (today), so the page can tell how old the
  // installed release is.
  char date[16];
  std::snprintf(date, sizeof date, "%02d/%02d/%02d", month % 100, day % 100, year % 100);
  return std::string(kUpdatePage) + "?Corvex;2014.6.7;" + kReleaseDate + ";" + date;
}

}  // namespace corvex

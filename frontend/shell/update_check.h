// The address of the page that tells whether a newer release of the program exists.
#pragma once

#include <string>

namespace corvex {

// The maker's update-check page with the query "Corvex;2014.6.7;09/19/14;" and the given
// date written as mm/dd/yy.
std::string UpdateCheckAddress(int year, int month, int day);

}  // namespace corvex

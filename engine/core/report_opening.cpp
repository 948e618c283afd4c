#include "core/report_opening.h"

#include "core/fortran_format.h"

namespace corvex {

namespace {

const std::string kEqualsRule = fmtX(5) + std::string(73, '=');
const std::string kDashRule = fmtX(5) + std::string(73, '-');

std::string trimmed(std::string text) {
  const auto last = text.find_last_not_of(' ');
  text.erase(last == std::string::npos ? 0 : last + 1);
  return text;
}

std::string twoDigits(int value) {
  std::string text = fmtI(value, 2);
  if (text[0] == ' ') text[0] = '0';
  return text;
}

}  // namespace

PathPieces splitPath(const std::string& path) {
  PathPieces pieces;
  std::string rest = path;
  if (rest.size() >= 2 && rest[1] == ':' &&
      ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= 'a' && rest[0] <= 'z'))) {
    pieces.drive = rest.substr(0, 2);
    rest.erase(0, 2);
  }
  const auto slash = rest.find_last_of("/\\");
  if (slash != std::string::npos) {
    pieces.directory = rest.substr(0, slash + 1);
    rest.erase(0, slash + 1);
  }
  const auto dot = rest.find_last_of('.');
  if (dot != std::string::npos) {
    pieces.extension = rest.substr(dot, 5);
    rest.erase(dot);
  }
  pieces.name = rest;
  pieces.drive = trimmed(pieces.drive);
  pieces.directory = trimmed(pieces.directory);
  pieces.name = trimmed(pieces.name);
  pieces.extension = trimmed(pieces.extension);
  return pieces;
}

void writeBanner(std::ostream& out, const RunContext& context) {
  std::string version = context.versionText.substr(0, 12);
  version.resize(12, ' ');
  out << kEqualsRule << "\n"
      << "\n"
      << fmtX(20) << "  Corvex for Windows, Version " << version << "\n"
      << "\n"
      << ReportLine().x(20).a("   Identification Number:").i(context.identificationNumber, 10).str()
      << "\n"
      << "\n"
      << fmtX(20) << "   A Program for Analyzing the Axial Capacity \n"
      << fmtX(20) << "   and Short-term Settlement of Driven Piles \n"
      << fmtX(20) << "             under Axial Loading. \n"
      << fmtX(20) << "   Results are for review by a qualified engineer;\n"
      << fmtX(20) << "   check the input echo before using them.\n"
      << "\n"
      << kEqualsRule << "\n"
      << "\n"
      << "\n";
}

void writeIdentificationBlock(std::ostream& out, const RunContext& context) {
  out << fmtX(5) << "This copy of the program is identified to:\n"
      << "\n"
      << fmtX(5) << trimmed(context.identification1) << "\n"
      << fmtX(5) << trimmed(context.identification2) << "\n"
      << "\n";
}

void writeFileNameBlock(std::ostream& out, const RunContext& context) {
  const PathPieces input = splitPath(context.inputPath);
  const PathPieces report = splitPath(context.reportPath);
  const PathPieces plot = splitPath(context.plotPath);
  out << fmtX(5) << "Path to file locations      : " << input.drive << input.directory << "\n"
      << fmtX(5) << "Name of input data file     : " << input.name << input.extension << "\n"
      << fmtX(5) << "Name of output file         : " << report.name << report.extension << "\n"
      << fmtX(5) << "Name of plot output file    : " << plot.name << plot.extension << "\n";
}

void writeTimeAndDate(std::ostream& out, const std::tm& localTime) {
  static const char* const kMonths[] = {"January", "February", "March",     "April",
                                        "May",     "June",     "July",      "August",
                                        "September", "October", "November", "December"};
  out << kDashRule << "\n"
      << fmtX(26) << "Time and Date of Analysis\n"
      << kDashRule << "\n"
      << "\n";
  const int month = localTime.tm_mon + 1;
  if (month < 1 || month > 12) return;
  out << fmtX(15) << "Date:  " << kMonths[month - 1] << " " << twoDigits(localTime.tm_mday) << ", "
      << fmtI(localTime.tm_year + 1900, 4) << fmtX(5) << "Time:  " << twoDigits(localTime.tm_hour)
      << ":" << twoDigits(localTime.tm_min) << ":" << twoDigits(localTime.tm_sec) << "\n";
}

}  // namespace corvex

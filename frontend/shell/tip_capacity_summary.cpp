#include "shell/tip_capacity_summary.h"

#include <charconv>
#include <sstream>

namespace corvex {

namespace {

bool toNumber(const std::string& word, double& value) {
  const char* begin = word.data();
  if (!word.empty() && word.front() == '+') ++begin;
  auto [end, ec] = std::from_chars(begin, word.data() + word.size(), value);
  return ec == std::errc() && end == word.data() + word.size();
}

bool nextNumber(std::istream& in, double& value) {
  std::string word;
  return static_cast<bool>(in >> word) && toNumber(word, value);
}

bool nextInteger(std::istream& in, int& value) {
  double number = 0.0;
  if (!nextNumber(in, number) || number != static_cast<int>(number)) return false;
  value = static_cast<int>(number);
  return true;
}

// Block order of the plot-data file, as project switch numbers and names.
struct TBlock {
  int switchNumber;
  const char* name;
  bool offshore;
};
constexpr TBlock kBlockOrder[] = {
    {5, "User-specified", false}, {1, "FHWA", false},  {2, "USACE", false},
    {3, "Revised Lambda", false}, {4, "API RP 2A", false}, {6, "NGI", true},
    {7, "ICP/MTD", true},         {8, "Fugro", true},  {9, "UWA", true},
};

}  // namespace

bool ReadProjectMethods(std::istream& project, TProjectMethods& methods) {
  std::string line;
  for (int record = 1; record <= 6; ++record) {
    if (!std::getline(project, line)) return false;
  }
  std::getline(project, line);
  std::istringstream record7(line);
  double ignored = 0.0;
  for (int k = 0; k < 5; ++k) {
    if (!nextNumber(record7, ignored)) return false;
  }
  if (!nextInteger(record7, methods.Offshore)) return false;
  if (!std::getline(project, line)) return false;
  std::istringstream record8(line);
  for (int k = 1; k <= 9; ++k) {
    if (!nextInteger(record8, methods.Switch[k])) return false;
  }
  return true;
}

bool ReadTipCapacities(std::istream& plot, const TProjectMethods& methods,
                       TTipCapacitySummary& summary) {
  int methodCount = 0, rowCount = 0, tzMethod = 0;
  if (!nextInteger(plot, methodCount) || !nextInteger(plot, rowCount) ||
      !nextInteger(plot, summary.UnitSystem) || !nextInteger(plot, tzMethod)) {
    return false;
  }
  if (methodCount < 0 || rowCount < 1) return false;

  std::vector<std::string> names;
  for (const TBlock& block : kBlockOrder) {
    if (methods.Switch[block.switchNumber] == 1 && (!block.offshore || methods.Offshore == 1)) {
      names.push_back(block.name);
    }
  }
  summary.Capacities.clear();
  for (int m = 0; m < methodCount; ++m) {
    TTipCapacity tip;
    tip.Method = static_cast<int>(names.size()) == methodCount ? names[m] : "Method " + std::to_string(m + 1);
    for (int row = 0; row < rowCount; ++row) {
      double values[5];
      for (double& value : values) {
        if (!nextNumber(plot, value)) return false;
      }
      tip.Penetration = values[0];
      tip.Ultimate = values[3];
    }
    summary.Capacities.push_back(tip);
  }
  return true;
}

}  // namespace corvex

// Helpers for engine tests that run in a private temporary folder: the folder is made current
// (the engine opens names.dat by its bare name) and removed afterwards, and a small project
// file can be written with chosen values.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace corvex::testing {

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A current directory of its own for each test.
class TempFolderTest : public ::testing::Test {
 public:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "corvex-test-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    std::filesystem::current_path(folder_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

  // names.dat with the identification lines and the four paths of project `base` in the folder.
  void writeHandoff(const std::string& base, int lines = 8) {
    const std::string all[8] = {"2014.6.7", "Test Office", "Soil Section, Bay 3", "4711",
                                (folder_ / (base + ".cx6d")).string(),
                                (folder_ / (base + ".cx6o")).string(),
                                (folder_ / (base + ".cx6p")).string(),
                                (folder_ / (base + ".cpt")).string()};
    std::string text;
    for (int k = 0; k < lines; ++k) text += all[k] + "\r\n";
    writeFile(folder_ / "names.dat", text);
  }

  std::filesystem::path folder_;
  std::filesystem::path previous_;
};

// A one-layer sand project in English units, written the way the front end writes it.
// The fields are the values of the records; tests change what they examine.
struct ProjectText {
  std::string units = "1";
  std::string printInterval = "1";
  std::string section = "0 0 24 23 29000000 50 0";  // perimeter, tip area, OD, ID, E, TL, PSL
  std::string enhancedEnd = "0 0";
  std::string options = "0 0.5 1 0 4 0 0";  // ZFL, DZ, pile type, taper, t-z method, offshore, reduced
  std::string methods = "0 0 0 1 0 0 0 0 0";
  std::string deepest = "60";
  std::vector<std::string> points = {
      "0.0 1 1 60 30 20", "1700 100000 0.0 25 0.0 0.0 0 0 0 1 1",
      "60 1 1 60 30 20",  "0 0 0.0 30 0.0 0.0 0 0 0 1 1"};
  std::vector<std::string> extra = {"0"};
  std::string loading = "0 1";
  std::string plug = "0 0";
  std::vector<std::string> area = {"2 0", "0 0", "0 0"};
  std::string critical = "0 0";

  std::string text() const {
    std::string t = "Test pile\r\nDesigner\r\nJob 1\r\n";
    t += units + " " + printInterval + " " + std::to_string(points.size() / 2) + " \r\n";
    for (const std::string& line : {section, enhancedEnd, options, methods, deepest + " 0"}) {
      t += line + " \r\n";
    }
    for (const auto& line : points) t += line + " \r\n";
    for (const auto& line : extra) t += line + " \r\n";
    t += loading + " \r\n" + plug + " \r\n";
    for (const auto& line : area) t += line + " \r\n";
    t += critical + " \r\n";
    return t;
  }
};

}  // namespace corvex::testing

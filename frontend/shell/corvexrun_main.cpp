// corvexrun: runs the analysis of one saved project without any window, for batch work and
// scripts. It uses the same run routine as the main window, prints the engine's run status
// and the ultimate capacity at the pile tip of each computed method, and, with --report,
// the report file. The exit status is 0 only when the engine completed the run.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "project/message_layer.h"
#include "shell/analysis_run.h"
#include "shell/project_session.h"
#include "shell/tip_capacity_summary.h"

namespace {

constexpr int kExitUsage = 64;
constexpr int kExitNotRun = 3;

const char* statusText(int32_t status) {
  switch (status) {
    case 0: return "completed";
    case 1: return "stopped at the input checks";
    default: return "failed";
  }
}

std::string fixed(double value, int decimals) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out.setf(std::ios::fixed);
  out.precision(decimals);
  out << value;
  return out.str();
}

void printTipCapacities(const corvex::TAnalysisPaths& paths) {
  std::ifstream project(paths.ProjectFile, std::ios::binary);
  corvex::TProjectMethods methods;
  const bool haveMethods = corvex::ReadProjectMethods(project, methods);
  std::ifstream plot(paths.PlotFile, std::ios::binary);
  corvex::TTipCapacitySummary summary;
  if (!haveMethods || !plot || !corvex::ReadTipCapacities(plot, methods, summary) ||
      summary.Capacities.empty()) {
    std::cout << "No capacities in the plot-data file.\n";
    return;
  }
  const bool english = summary.UnitSystem == 1;
  std::cout << "Ultimate capacity at the pile tip:\n";
  for (const auto& tip : summary.Capacities) {
    std::string name = tip.Method;
    name.resize(16, ' ');
    std::cout << "  " << name << fixed(tip.Ultimate, 1) << (english ? " kip" : " kN")
              << " at a penetration of " << fixed(tip.Penetration, 2) << (english ? " ft" : " m")
              << "\n";
  }
}

// Messages that the main window shows in message boxes go to the error stream here.
class TConsoleMessages : public TMessageLayer {
 public:
  void ShowMessage(const std::string& text) override { print(text); }
  void Information(const std::string& text) override { print(text); }
  void Warning(const std::string& text) override { print(text); }
  // Nothing is asked of a batch run: a question is answered No.
  TMessageAnswer Confirm(const std::string& text) override {
    print(text);
    return TMessageAnswer::No;
  }

 private:
  static void print(std::string text) {
    for (char& c : text) {
      if (c == '\r') c = '\n';
    }
    std::cerr << "corvexrun: " << text << "\n";
  }
};

// After a completed run the main window reads the results and writes the GRLWEAP input file
// beside the project; a batch run does the same through the same project session.
void writeWaveFile(const std::string& projectFile) {
  TConsoleMessages messages;
  corvex::TProjectSession session(messages);
  session.Open(projectFile, true);
  try {
    if (session.LoadRunResults()) {
      std::cout << "GRLWEAP input file: " << session.SiblingPath(".gwi") << "\n";
    } else {
      std::cout << "No GRLWEAP input file: the results could not be read.\n";
    }
  } catch (const std::exception& error) {
    std::cerr << "corvexrun: the GRLWEAP input file could not be written: " << error.what()
              << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool showReport = false;
  std::string projectFile;
  for (int k = 1; k < argc; ++k) {
    const std::string argument = argv[k];
    if (argument == "--report") {
      showReport = true;
    } else if (projectFile.empty() && !argument.starts_with("--")) {
      projectFile = argument;
    } else {
      projectFile.clear();
      break;
    }
  }
  if (projectFile.empty()) {
    std::cerr << "usage: corvexrun [--report] PROJECT.cx6d\n";
    return kExitUsage;
  }
  if (!std::filesystem::is_regular_file(projectFile)) {
    std::cerr << "corvexrun: the project file " << projectFile << " does not exist.\n";
    return kExitNotRun;
  }

  corvex::TAnalysisRun run(corvex::ProgramFolder());
  const corvex::TAnalysisResult result = run.Run(projectFile);
  std::cout.flush();
  if (result.Outcome != corvex::TRunOutcome::EngineCalled) {
    std::cerr << "corvexrun: " << result.Message << "\n";
    return kExitNotRun;
  }

  std::cout << "\nRun status: " << result.EngineStatus << " (" << statusText(result.EngineStatus)
            << ")\n";
  if (showReport) {
    std::ifstream report(result.Paths.ReportFile, std::ios::binary);
    std::cout << "\n----- " << result.Paths.ReportFile << " -----\n" << report.rdbuf() << "\n";
  }
  std::cout << "\n";
  printTipCapacities(result.Paths);
  if (result.EngineStatus == 0) writeWaveFile(result.Paths.ProjectFile);
  return result.EngineStatus == 0 ? 0 : (result.EngineStatus == 1 ? 1 : 2);
}

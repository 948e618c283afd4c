#include "shell/analysis_run.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "shell/numeric_locale_guard.h"

namespace corvex {

namespace fs = std::filesystem;

namespace {

constexpr size_t kEnginePathWidth = 255;
constexpr int32_t kInterfaceCode = 7;
using EngineEntry = int32_t (*)(int32_t);

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A private folder for one run under the system's temporary folder, made current for the
// length of the run. The previous current directory comes back, and the folder with
// everything in it goes, on every way out.
class TWorkingFolder {
 public:
  TWorkingFolder() {
    std::error_code error;
    previous_ = fs::current_path(error);
    std::string pattern = (fs::temp_directory_path(error) / "corvex-run-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    folder_ = pattern;
    fs::current_path(folder_, error);
    if (error) folder_.clear();
  }
  ~TWorkingFolder() {
    std::error_code error;
    if (!previous_.empty()) fs::current_path(previous_, error);
    if (!folder_.empty()) fs::remove_all(folder_, error);
  }
  TWorkingFolder(const TWorkingFolder&) = delete;
  TWorkingFolder& operator=(const TWorkingFolder&) = delete;

  bool Ready() const { return !folder_.empty(); }

 private:
  fs::path previous_;
  fs::path folder_;
};

bool writeHandoffFile(const std::string& text) {
  std::ofstream out("names.dat", std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return !out.fail();
}

}  // namespace

TAnalysisPaths TAnalysisPaths::FromProject(const std::string& projectFile) {
  std::error_code error;
  fs::path project = fs::absolute(projectFile, error);
  if (error) project = projectFile;
  TAnalysisPaths paths;
  paths.ProjectFile = project.string();
  paths.ReportFile = fs::path(project).replace_extension(".cx6o").string();
  paths.PlotFile = fs::path(project).replace_extension(".cx6p").string();
  paths.CptFile = fs::path(project).replace_extension(".cpt").string();
  return paths;
}

std::string HandoffText(const TRunIdentification& identification, const TAnalysisPaths& paths) {
  const std::string lines[] = {
      identification.Version,
      identification.Text1,
      trimmed(identification.Text2First) + ", " + trimmed(identification.Text2Second),
      std::to_string(identification.Number),
      paths.ProjectFile,
      paths.ReportFile,
      paths.PlotFile,
      paths.CptFile,
  };
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

TAnalysisRun::TAnalysisRun(std::string programFolder, TRunIdentification identification)
    : programFolder_(std::move(programFolder)), identification_(std::move(identification)) {}

std::string TAnalysisRun::EngineLibraryPath() const {
  return (fs::path(programFolder_) / kEngineLibraryFileName).string();
}

TAnalysisResult TAnalysisRun::Run(const std::string& projectFile) {
  TAnalysisResult result;
  result.Paths = TAnalysisPaths::FromProject(projectFile);

  // The engine cuts every path at 255 characters; a longer one would make it read or
  // overwrite a different file.
  for (const std::string* path : {&result.Paths.ProjectFile, &result.Paths.ReportFile,
                                  &result.Paths.PlotFile, &result.Paths.CptFile}) {
    if (path->size() > kEnginePathWidth) {
      result.Outcome = TRunOutcome::PathTooLong;
      result.Message = "The path of the project file is too long for the analysis (at most " +
                       std::to_string(kEnginePathWidth) + " characters).";
      return result;
    }
  }
  if (library_) {
    result.Outcome = TRunOutcome::AlreadyRunning;
    result.Message = "Attempt to reinitialize DLL";
    return result;
  }

  TNumericLocaleGuard decimalPoint;
  TWorkingFolder folder;
  // A handoff file that cannot be written ends the run: the engine would otherwise read an
  // incomplete one.
  if (!folder.Ready() || !writeHandoffFile(HandoffText(identification_, result.Paths))) {
    result.Outcome = TRunOutcome::HandoffNotWritten;
    result.Message = "An error occured while writing file names";
    return result;
  }

  library_ = std::make_unique<TDynamicLibrary>();
  void* entry = nullptr;
  try {
    library_->SetLibraryName(EngineLibraryPath());
    library_->Open();
    entry = library_->GetEntry("_ICORVEX");
  } catch (const EDLLError&) {
    entry = nullptr;
  }
  if (entry == nullptr) {
    library_.reset();
    result.Outcome = TRunOutcome::LibraryNotBound;
    result.Message = "Attempt to initialize DLL failed";
    return result;
  }

  const auto engine = reinterpret_cast<EngineEntry>(entry);
  result.EngineStatus = engine(kInterfaceCode);
  result.Outcome = TRunOutcome::EngineCalled;
  library_.reset();  // unloads the engine
  return result;
}

std::string ProgramFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return fs::current_path(error).string();
  return program.parent_path().string();
}

}  // namespace corvex

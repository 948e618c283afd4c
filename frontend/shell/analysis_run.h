// One analysis run without any window: the engine is handed the saved project through a
// handoff file in a private working folder, bound by file name from the program's folder,
// called once with the interface code 7 and unloaded again. The main window and corvexrun
// both use it; the caller saves the project before and shows the messages after.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "shell/dynamic_library.h"

namespace corvex {

// The engine library's file name in the program's folder.
#ifdef _WIN32
inline constexpr const char* kEngineLibraryFileName = "corvexcalc.dll";
#else
inline constexpr const char* kEngineLibraryFileName = "libcorvexcalc.so";
#endif

// The files of one run, all derived from the project file path by replacing its extension.
struct TAnalysisPaths {
  std::string ProjectFile;  // .cx6d, written by the front end
  std::string ReportFile;   // .cx6o, written by the engine
  std::string PlotFile;     // .cx6p, written by the engine
  std::string CptFile;      // .cpt, written by the front end

  // The paths of the project at `projectFile`, made absolute (the engine runs elsewhere).
  static TAnalysisPaths FromProject(const std::string& projectFile);
};

// The identification lines of the handoff file.
struct TRunIdentification {
  std::string Version = "2014.6.7";
  std::string Text1 = "Corvex desktop";
  std::string Text2First = "single user";   // identification text 2 is these two parts
  std::string Text2Second = "local run";    // without surrounding blanks, joined by ", "
  int32_t Number = 1;
};

// The eight lines of names.dat, each ended by CR LF.
std::string HandoffText(const TRunIdentification& identification, const TAnalysisPaths& paths);

enum class TRunOutcome {
  EngineCalled,         // EngineStatus holds the engine's result
  PathTooLong,          // a path exceeds the engine's 255 characters; nothing was run
  HandoffNotWritten,    // names.dat could not be written; the engine was not called
  AlreadyRunning,       // an engine library object still exists
  LibraryNotBound,      // the engine could not be loaded or has no "_ICORVEX"
};

struct TAnalysisResult {
  TRunOutcome Outcome = TRunOutcome::EngineCalled;
  int32_t EngineStatus = -1;  // 0 completed, 1 stopped at the input checks, 2 failed
  std::string Message;        // the text to show when the engine was not called
  TAnalysisPaths Paths;
};

class TAnalysisRun {
 public:
  // programFolder: the folder of the running program, where the engine library lies.
  explicit TAnalysisRun(std::string programFolder, TRunIdentification identification = {});

  // Runs the engine on the saved project; the current directory and the numeric locale
  // are back as they were on return, and the working folder with names.dat is removed.
  TAnalysisResult Run(const std::string& projectFile);

  // True while the engine library is bound (only inside Run).
  bool EngineBound() const { return library_ != nullptr; }

  std::string EngineLibraryPath() const;

 private:
  std::string programFolder_;
  TRunIdentification identification_;
  std::unique_ptr<TDynamicLibrary> library_;  // the engine, only for the length of one call
};

// The folder of the running program (the folder of /proc/self/exe on Linux).
std::string ProgramFolder();

}  // namespace corvex

// The document of the main window, without any window: the one open project, the grid tables
// it owns, the result graphs, the modified state and whether results are loaded. File New,
// File Open and the run replace or refresh it; the main window shows it.
#pragma once

#include <memory>
#include <string>

#include "project/message_layer.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "results/result_graphs.h"
#include "shell/taper_check.h"

namespace corvex {

// The ten result graphs of the main window.
enum class TResultGraph { USkin, Skin, Tip, Total, Load, Combine, Axial, TZcurves, ExtraTZ, Qw };
inline constexpr int kResultGraphCount = 10;


class TProjectSession {
 public:
  // Starts with a new project.
  explicit TProjectSession(TMessageLayer& messages);
  ~TProjectSession();
  TProjectSession(const TProjectSession&) = delete;
  TProjectSession& operator=(const TProjectSession&) = delete;

  // A new project with its defaults, named "NewCorvex.cx6d"; results are not loaded.
  void New();
  // Loads a project file (the legacy layout when currentFormat is false); read errors are shown
  // and what was read is kept. When its plot-data file lies beside it, the results are read
  // without messages and ResultsLoaded tells the outcome.
  void Open(const std::string& path, bool currentFormat);
  // Writes the project file and the CPT file; the platform's error passes to the caller.
  void Save();
  // Reads the plot-data file beside the project into the result graphs; with messages, a
  // failure shows "An error occured in running the main program.". Sets ResultsLoaded.
  bool ReadResults(bool withMessages);
  // Writes the GRLWEAP input file from the results kept by the last read.
  void WriteWaveFile();
  // What follows an engine call: when the plot-data file exists, read it (with messages) and,
  // after a successful read, write the GRLWEAP input file. Without a plot-data file the
  // results keep their state. True when the GRLWEAP file was written; its write failure
  // passes to the caller.
  bool LoadRunResults();

  std::string FileName() const;
  void SetFileName(const std::string& path);
  // Path of a file of this project: the project path with another extension (".cx6p", ...).
  std::string SiblingPath(const std::string& extension) const;

  int Units() const;
  void SetUnits(int system);
  int ExtraTZ() const;
  int LoadingType() const;
  bool Circular() const;
  TaperInput TaperFacts() const;

  bool Modified() const;
  void SetModified(bool modified);

  bool ResultsLoaded() const { return resultsLoaded_; }
  void SetResultsLoaded(bool loaded) { resultsLoaded_ = loaded; }

  TGraphPlot& Graph(TResultGraph which);
  TResultGraphs& Graphs() { return graphs_; }

  TProgramData& Project() { return project_; }
  TProjectTables& Tables() { return *tables_; }

 private:
  TMessageLayer& messages_;
  std::unique_ptr<TProjectTables> tables_;
  TResultGraphs graphs_;
  TProgramData project_;
  bool modified_ = false;
  bool resultsLoaded_ = false;
};


}  // namespace corvex

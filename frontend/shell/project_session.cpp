#include "shell/project_session.h"

#include <filesystem>

#include "results/plot_reader.h"

namespace corvex {

TProjectSession::TProjectSession(TMessageLayer& messages)
    : messages_(messages), tables_(std::make_unique<TProjectTables>()), project_(TProgramData::Create(*tables_)) {}

TProjectSession::~TProjectSession() = default;

void TProjectSession::New() {
  project_ = TProgramData::Create(*tables_);
  SetModified(false);
  resultsLoaded_ = false;
}

void TProjectSession::Open(const std::string& path, bool currentFormat) {
  project_ = TProgramData::CreateFromFile(path, !currentFormat, *tables_, messages_);
  SetModified(false);
  // The graphs may still hold another project's results; they count only when this
  // project's own plot-data file was read.
  if (std::filesystem::exists(SiblingPath(".cx6p")))
    ReadResults(false);
  else
    resultsLoaded_ = false;
}

void TProjectSession::Save() {
  project_.Save(*tables_);
  SetModified(false);
}

void TProjectSession::WriteWaveFile() { project_.WriteWaveFile(); }

bool TProjectSession::LoadRunResults() {
  if (!std::filesystem::exists(SiblingPath(".cx6p")) || !ReadResults(true)) return false;
  WriteWaveFile();
  return true;
}

std::string TProjectSession::FileName() const { return project_.FileName; }

void TProjectSession::SetFileName(const std::string& path) { project_.FileName = path; }

std::string TProjectSession::SiblingPath(const std::string& extension) const {
  return ChangeFileExtension(project_.FileName, extension);
}

int TProjectSession::Units() const { return project_.Units; }

void TProjectSession::SetUnits(int system) { project_.SetUnits(system, *tables_); }

int TProjectSession::ExtraTZ() const { return project_.ExtraTZ; }

int TProjectSession::LoadingType() const { return project_.LoadingType; }

bool TProjectSession::Circular() const { return project_.Circular; }

TaperInput TProjectSession::TaperFacts() const {
  TaperInput in;
  in.units = project_.Units;
  in.fhwaSelected = project_.Method(1) == 1;
  in.pileType = project_.PileType;
  in.taperAngle = project_.TaperAngle;
  in.outerDiameter = project_.OuterDiameter;
  in.totalLength = project_.TotalLength;
  return in;
}

bool TProjectSession::Modified() const { return modified_ || tables_->Changed(); }

void TProjectSession::SetModified(bool modified) {
  modified_ = modified;
  // Clearing the flag also clears the change state of every table.
  if (!modified) tables_->ResetChanged();
}

bool TProjectSession::ReadResults(bool withMessages) {
  resultsLoaded_ = ReadPlotFile(SiblingPath(".cx6p"), withMessages, graphs_, project_, *tables_, messages_);
  return resultsLoaded_;
}

TGraphPlot& TProjectSession::Graph(TResultGraph which) {
  switch (which) {
    case TResultGraph::USkin: return graphs_.pltUSkin;
    case TResultGraph::Skin: return graphs_.pltSkin;
    case TResultGraph::Tip: return graphs_.pltTip;
    case TResultGraph::Total: return graphs_.pltTotal;
    case TResultGraph::Load: return graphs_.pltLoad;
    case TResultGraph::Combine: return graphs_.pltCombine;
    case TResultGraph::Axial: return graphs_.pltAxial;
    case TResultGraph::TZcurves: return graphs_.pltTZcurves;
    case TResultGraph::ExtraTZ: return graphs_.PltExtraTZ;
    case TResultGraph::Qw: return graphs_.PltQw;
  }
  return graphs_.pltSkin;
}

}  // namespace corvex


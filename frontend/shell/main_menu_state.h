// Which menu items and tool buttons of the main window are enabled or checked, worked out
// from the project and the files beside it. The window applies it each time a menu opens.
#pragma once

namespace corvex {

struct MainMenuFacts {
  bool resultsLoaded = false;
  bool plotFileExists = false;     // .cx6p beside the project
  bool projectFileExists = false;  // the project file itself
  bool notesFileExists = false;    // .cx6r
  bool outputFileExists = false;   // .cx6o
  bool waveFileExists = false;     // .gwi
  int extraTZ = 0;
  int loadingType = 0;             // 0 compression, 1 tension
  int units = 1;
  bool circular = true;
  int recentCount = 0;
};

struct MainMenuState {
  // result tool buttons and Graphics items
  bool resultsAvailable = false;
  bool tipResistanceGraph = false;
  bool qwGraph = false;
  bool extraTzGraph = false;
  // Data menu
  bool circularPile = true;
  bool noncircularPile = false;
  // Options menu
  bool englishChecked = true;
  bool siChecked = false;
  bool extraTzChecked = false;
  // Computation menu
  bool editInput = false;
  bool editNotes = false;
  bool editOutput = false;
  bool editWave = false;
  // File menu
  bool recentSeparatorVisible = false;
};

MainMenuState ComputeMainMenuState(const MainMenuFacts& facts);

}  // namespace corvex

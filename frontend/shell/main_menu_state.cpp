#include "shell/main_menu_state.h"

namespace corvex {

MainMenuState ComputeMainMenuState(const MainMenuFacts& f) {
  MainMenuState s;
  s.resultsAvailable = f.resultsLoaded && f.plotFileExists;
  const bool compression = f.loadingType == 0;
  s.tipResistanceGraph = s.resultsAvailable && compression;
  s.qwGraph = s.resultsAvailable && compression;
  s.extraTzGraph = s.resultsAvailable && f.extraTZ == 1;
  s.circularPile = f.circular;
  s.noncircularPile = !f.circular;
  s.englishChecked = f.units == 1;
  s.siChecked = f.units == 2;
  s.extraTzChecked = f.extraTZ == 1;
  s.editInput = f.projectFileExists;
  s.editNotes = f.notesFileExists;
  s.editOutput = f.outputFileExists;
  s.editWave = f.waveFileExists;
  s.recentSeparatorVisible = f.recentCount > 0;
  return s;
}

}  // namespace corvex

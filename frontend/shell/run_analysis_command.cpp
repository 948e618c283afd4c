#include "shell/run_analysis_command.h"

#include <QApplication>
#include <QCursor>

#include <exception>
#include <filesystem>

#include "shell/analysis_run.h"
#include "shell/main_caption.h"
#include "shell/main_form.h"
#include "shell/numeric_locale_guard.h"
#include "shell/taper_check.h"

namespace corvex {

namespace {

// Shows the hourglass for the length of the engine call and puts the previous cursor back
// on every way out.
class TWaitCursor {
 public:
  TWaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};

}  // namespace

void RunAnalysis(TMainForm& form) {
  TProjectSession& session = form.Session();
  TMessageLayer& messages = form.Messages();

  // 1. Save the project as File > Save does; a cancelled Save As ends the run quietly.
  form.RunMayGoOn = true;
  try {
    form.SaveProject();
  } catch (const std::exception&) {
    messages.ShowMessage("An error occured during saving");
  }
  if (!form.RunMayGoOn) return;
  // 2. A project that was never saved is not run.
  if (session.FileName() == kDefaultProjectName ||
      std::filesystem::path(session.FileName()).filename() == kDefaultProjectName)
    return;
  // 3. A tapered pile must keep a positive diameter at its tip.
  if (auto largest = LargestTaperAngleIfTooLarge(session.TaperFacts())) {
    messages.Warning(TaperWarningText(*largest));
    return;
  }
  // 4. The engine sees "." as the decimal separator; the previous setting comes back on
  // every way out of the run.
  TNumericLocaleGuard decimalPoint;

  // 5-9. Hand the saved project to the engine and call it once, with the hourglass. The run
  // also unloads the engine and removes its working folder with the handoff file.
  if (form.EngineBound) {
    messages.Information("Attempt to reinitialize DLL");
    return;
  }
  TAnalysisResult result;
  {
    TAnalysisRun run(form.EngineFolder.toStdString());
    form.EngineBound = true;
    TWaitCursor hourglass;
    result = run.Run(session.FileName());
    form.EngineBound = false;
  }
  switch (result.Outcome) {
    case TRunOutcome::EngineCalled:
      break;
    case TRunOutcome::AlreadyRunning:
    case TRunOutcome::LibraryNotBound:
      messages.Information(result.Message);
      return;
    case TRunOutcome::HandoffNotWritten:
    case TRunOutcome::PathTooLong:
      // Without a complete handoff file the engine cannot find the project: the run stops.
      messages.ShowMessage(result.Message);
      return;
  }

  // 10. Shown after every engine call, whatever the engine returned.
  messages.Information("Computations are completed. Please, check output file for results or error messages.");

  // 11. Load the results; after a successful read write the GRLWEAP input file.
  try {
    session.LoadRunResults();
  } catch (const std::exception& error) {
    messages.ShowMessage(error.what());
  }
  // 12, 13. Result buttons, and every child window closes.
  form.CheckSpeedButtons();
  form.CloseAllChildren();
}

}  // namespace corvex

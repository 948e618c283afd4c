// What the main window asks of a child window that edits the project: commit its pending
// edits into the project model (its deactivation handler). The main window calls it on the
// active child before a menu opens, before a file command and before a run.
#pragma once

namespace corvex {

class TCommittingChild {
 public:
  virtual ~TCommittingChild() = default;
  virtual void FormDeactivate() = 0;
  // Shows the project's values again (after the unit system changed the stored values).
  virtual void ReloadFromProject() {}
};

}  // namespace corvex

// The common behaviour of the input editors: a child window of the main window that loads its
// controls from the project when it becomes the active child, stores them when another child
// becomes active or when it closes, refuses both while a numeric field holds an invalid entry,
// and marks the project modified on a change.
#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/committing_child.h"

class QMdiSubWindow;
class TProgramData;
class TProjectTables;
class TMessageLayer;

namespace corvex {

class TMainForm;
class TProjectSession;
class TDataEdit;

class TEditorWindow : public QWidget, public TCommittingChild {
  Q_OBJECT

 public:
  explicit TEditorWindow(TMainForm& main, QWidget* parent = nullptr);

  // Loads every control from the project without marking it modified.
  void FormActivate();
  // Stores every control into the project; with an invalid numeric field the window is shown
  // again instead and false is returned.
  void FormDeactivate() override;
  // Loads the controls again (the unit system changed the stored values).
  void ReloadFromProject() override { FormActivate(); }
  bool Deactivate();

  // Closes the child window (the frame around this editor).
  void CloseWindow();
  bool IsClosing() const { return closing_; }

  // Follows the main window's active child: activation loads, leaving stores.
  void WatchActivation(QMdiSubWindow* own);

 protected:
  virtual void LoadControls() = 0;
  virtual void StoreControls() = 0;
  void closeEvent(QCloseEvent* event) override;

  // What must hold before the window stores or closes; by default FieldsValid().
  virtual bool EntriesValid() { return FieldsValid(); }
  // Every enabled numeric field passes its exit check (the first failure shows its message and
  // keeps the focus).
  bool FieldsValid();
  // A change made by the user in a control; ignored while the controls are being loaded.
  void MarkModified();
  bool Loading() const { return loading_; }

  TProjectSession& Session();
  TProgramData& Project();
  TProjectTables& Tables();
  TMessageLayer& Messages();
  TMainForm& Main() { return main_; }
  // A numeric field with its label, in the project's unit system.
  TDataEdit* NewField(const QString& caption, const QString& unitCode = QString());

 private:
  TMainForm& main_;
  bool loading_ = false;
  bool active_ = false;
  bool closing_ = false;
};

}  // namespace corvex

// The program's main window: a frame of child windows (input editors, result graphs) with the
// menus, the tool bar, the file commands, the analysis run, the text viewer, help and the
// settings kept between sessions.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

#include "project/message_layer.h"
#include "shell/project_session.h"
#include "shell/recent_files.h"

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolButton;

namespace corvex {

class TFileDialogs;

// The input editors and views that the Data, Options and Computation menus open.
enum class TEditorKind {
  Title,
  ComputationMethods,
  PileMaterial,
  CircularPile,
  NoncircularPile,
  SoilLayers,
  CptData,
  ExtraTzDepths,
  ControlOptions,
  SoilProfileView,
};

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // The message layer and the file dialogs are the caller's; tests pass recorders.
  TMainForm(TMessageLayer& messages, TFileDialogs& dialogs, QWidget* parent = nullptr);
  ~TMainForm() override;

  // What happens when the window is first shown: settings read, the command-line project
  // (".cx6d" appended when its name has no ".") opened when it exists, else a new project.
  void StartUp(const QStringList& arguments);

  // File commands. The menu commands show a failure to write the project; SaveProject and
  // SaveProjectAs pass it on (the run shows its own message).
  void FileNewClick();
  void FileOpenClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void SaveProject();
  void SaveProjectAs();
  void OpenRecentFile(int n);
  void OpenDroppedFiles(const QStringList& paths);
  // Opens a project by path (current format or legacy), loads its results when present and
  // puts it at the top of the recent files.
  void OpenProjectFile(const QString& path, bool currentFormat);
  // Offers to save a modified project; false when the user cancelled.
  bool AskToSave();

  // Computation > Run Analysis.
  void CompRunClick();

  // The result tool buttons follow ResultsLoaded and the plot-data file.
  void CheckSpeedButtons();
  // Runs the active child window's deactivation handler so that its edits reach the project.
  void DeactivateActiveChild();
  void CloseAllChildren();
  // Refreshes the enabling and check states of every menu item from the project.
  void RefreshMenus();

  // Shows a file in the text viewer (the word processor).
  void ShowTextFile(const QString& path);
  void ShowGraph(TResultGraph which);
  // The single place where the input editors and the elevation view are opened.
  void OpenEditor(TEditorKind kind);
  // Opens (or brings to the front) the window of a kind; the program installs the input
  // editors' opener here, since the editors build on this library.
  std::function<void(TMainForm&, TEditorKind)> EditorOpener;

  void ReadSettings();
  void WriteSettings();

  TProjectSession& Session() { return session_; }
  TMessageLayer& Messages() { return messages_; }
  TRecentFiles& RecentFiles() { return recent_; }
  QMdiArea* MdiArea() const { return mdi_; }

  // The folder the engine library is bound from: the program's folder unless set otherwise.
  QString EngineFolder;
  // Program used to show text files.
  QString WordProcessor;
  // Cleared when the user cancels the Save As dialog; the run ends then.
  bool RunMayGoOn = true;
  // True while an engine call is in progress.
  bool EngineBound = false;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  QAction* AddAction(QMenu* menu, const QString& name, const QString& caption,
                     void (TMainForm::*slot)());
  void RefreshCaption();
  void RefreshRecentFileItems();
  void RefreshWindowMenu();
  void RefreshDataMenu();
  void OpenSiblingInViewer(const char* extension);
  void ShowHelpDocument(const QString& fileName);
  void CheckForUpdates();
  void ShowAbout();
  void SetUnitsClick(int system);

  TMessageLayer& messages_;
  TFileDialogs& dialogs_;
  TProjectSession session_;
  TRecentFiles recent_;
  QMdiArea* mdi_ = nullptr;

  QMenu* fileMenu_ = nullptr;
  QMenu* dataMenu_ = nullptr;
  QMenu* optionsMenu_ = nullptr;
  QMenu* computationMenu_ = nullptr;
  QMenu* graphicsMenu_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  std::array<QAction*, TRecentFiles::kCapacity> recentItems_{};
  QAction* recentSeparator_ = nullptr;
  QAction* windowSeparator_ = nullptr;
  std::array<QAction*, 50> windowItems_{};
  std::array<QAction*, kResultGraphCount> graphItems_{};
};

}  // namespace corvex

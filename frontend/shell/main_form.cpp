#include "shell/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <exception>

#include "results/qt_plot_windows.h"
#include "results/side_view_form.h"
#include "shell/about_box.h"
#include "shell/committing_child.h"
#include "shell/main_caption.h"
#include "shell/main_menu_state.h"
#include "shell/qt_file_dialogs.h"
#include "shell/run_analysis_command.h"
#include "shell/update_check.h"

namespace corvex {

namespace {

const char* kSettingsGroup = "2014.6.7";
const char* kWordProcessorKey = "Word Processor";
// The text viewer when none is configured: the desktop's default application for the file.
const char* kDefaultWordProcessor = "xdg-open";
const char* kHelpContents = "corvex_help.html";
const char* kUsersManual = "corvex_users_manual.html";
const char* kTechnicalManual = "corvex_technical_manual.html";

QString FromStd(const std::string& s) { return QString::fromStdString(s); }

bool IsCurrentFormat(const QString& path) { return QFileInfo(path).suffix().toLower() == "cx6d"; }

bool SiblingExists(TProjectSession& session, const char* extension) {
  return QFileInfo::exists(FromStd(session.SiblingPath(extension)));
}

// A small tool-button picture with a short text, for buttons that have no standard icon.
QIcon TextIcon(const QString& text) {
  QPixmap pixmap(22, 22);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QFont font = painter.font();
  font.setPixelSize(text.size() > 2 ? 8 : 10);
  font.setBold(true);
  painter.setFont(font);
  painter.drawRect(1, 1, 19, 19);
  painter.drawText(QRect(1, 1, 20, 20), Qt::AlignCenter, text);
  return QIcon(pixmap);
}

struct TGraphItem {
  TResultGraph graph;
  const char* name;
  const char* caption;
};

// Graphics menu, in menu order.
const TGraphItem kGraphItems[kResultGraphCount] = {
    {TResultGraph::USkin, "GraphUnitSkin", "Unit Skin Friction vs Depth"},
    {TResultGraph::Skin, "GraphSkin", "Accumulated &Skin Friction vs Depth"},
    {TResultGraph::Tip, "GraphTip", "&Tip Resistance vs Depth"},
    {TResultGraph::Total, "GraphTotal", "Total &Capacity vs Depth"},
    {TResultGraph::Load, "GraphLoad", "Load &Distribution"},
    {TResultGraph::Combine, "GraphCombine", "Combined &Plot"},
    {TResultGraph::Axial, "GraphAxial", "&Axial Load vs Settlement"},
    {TResultGraph::TZcurves, "GraphTZ", "Internally-Generated t-z Curves"},
    {TResultGraph::ExtraTZ, "GraphExtraTZ", "Extra t-z curves at User Specified Depths"},
    {TResultGraph::Qw, "GraphQw", "Internally-Generated Q-w Curve"},
};

}  // namespace

TMainForm::TMainForm(TMessageLayer& messages, TFileDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), messages_(messages), dialogs_(dialogs), session_(messages) {
  setObjectName("MainForm");
  QCoreApplication::setApplicationName("Corvex 2014");
  EngineFolder = QCoreApplication::applicationDirPath();
  WordProcessor = kDefaultWordProcessor;
  setAcceptDrops(true);

  mdi_ = new QMdiArea(this);
  mdi_->setObjectName("ClientArea");
  setCentralWidget(mdi_);

  BuildMenus();
  BuildToolBar();
  recent_.Clear();

  // The result graphs open their windows inside this frame.
  OpenPlotWindowsIn(*mdi_, session_.Graphs().All());

  resize(1000, 700);
  RefreshCaption();
  CheckSpeedButtons();
}

TMainForm::~TMainForm() {
  // The child windows go now, while the graphs and the project they show still exist.
  delete mdi_;
  mdi_ = nullptr;
}

// ---------------------------------------------------------------------------------------
// Menus and tool bar

QAction* TMainForm::AddAction(QMenu* menu, const QString& name, const QString& caption,
                              void (TMainForm::*slot)()) {
  auto* action = menu->addAction(caption);
  action->setObjectName(name);
  if (slot) connect(action, &QAction::triggered, this, slot);
  return action;
}

void TMainForm::BuildMenus() {
  QMenuBar* bar = menuBar();

  fileMenu_ = bar->addMenu("&File");
  fileMenu_->setObjectName("FileMenu");
  AddAction(fileMenu_, "FileNew", "&New", &TMainForm::FileNewClick)->setShortcut(QKeySequence("Ctrl+N"));
  AddAction(fileMenu_, "FileOpen", "&Open...", &TMainForm::FileOpenClick)->setShortcut(QKeySequence("Ctrl+O"));
  AddAction(fileMenu_, "FileSave", "&Save", &TMainForm::FileSaveClick)->setShortcut(QKeySequence("Ctrl+S"));
  AddAction(fileMenu_, "FileSaveAs", "Save &As...", &TMainForm::FileSaveAsClick);
  fileMenu_->addSeparator();
  for (int i = 0; i < TRecentFiles::kCapacity; ++i) {
    auto* item = fileMenu_->addAction(QString());
    item->setObjectName(QString("FileRecent%1").arg(i + 1));
    item->setVisible(false);
    connect(item, &QAction::triggered, this, [this, i] { OpenRecentFile(i + 1); });
    recentItems_[static_cast<std::size_t>(i)] = item;
  }
  recentSeparator_ = fileMenu_->addSeparator();
  recentSeparator_->setVisible(false);
  AddAction(fileMenu_, "FileExit", "E&xit", nullptr);
  connect(fileMenu_->actions().back(), &QAction::triggered, this, &QWidget::close);

  dataMenu_ = bar->addMenu("Da&ta");
  dataMenu_->setObjectName("DataMenu");
  struct TEditorItem {
    const char* name;
    const char* caption;
    TEditorKind kind;
  };
  const TEditorItem dataItems[] = {
      {"DataTitle", "&Title", TEditorKind::Title},
      {"DataMethod", "Computational &Method", TEditorKind::ComputationMethods},
      {"DataMaterial", "&Pile Material", TEditorKind::PileMaterial},
      {"DataCircular", "&Circular-Section Pile", TEditorKind::CircularPile},
      {"DataNoncircular", "&Noncircular-Section Pile", TEditorKind::NoncircularPile},
      {"DataSoil", "Soi&l Layers", TEditorKind::SoilLayers},
      {"DataCpt", "CPT Data File (optional for cone-based method)", TEditorKind::CptData},
  };
  for (const auto& item : dataItems) {
    auto* action = AddAction(dataMenu_, item.name, item.caption, nullptr);
    const TEditorKind kind = item.kind;
    connect(action, &QAction::triggered, this, [this, kind] { OpenEditor(kind); });
  }

  optionsMenu_ = bar->addMenu("Options");
  optionsMenu_->setObjectName("OptionsMenu");
  QMenu* unitsMenu = optionsMenu_->addMenu("&Units");
  auto* unitGroup = new QActionGroup(this);
  unitGroup->setExclusive(true);
  auto* english = AddAction(unitsMenu, "OptEnglish", "&English Units (kips, ft, in)", nullptr);
  auto* si = AddAction(unitsMenu, "OptSI", "&S.I. Units (kN, m, mm)", nullptr);
  for (QAction* a : {english, si}) {
    a->setCheckable(true);
    unitGroup->addAction(a);
  }
  connect(english, &QAction::triggered, this, [this] { SetUnitsClick(1); });
  connect(si, &QAction::triggered, this, [this] { SetUnitsClick(2); });
  auto* extraTz = AddAction(optionsMenu_, "OptExtraTZ", "Print t-z Curves at Additional Depths", nullptr);
  extraTz->setCheckable(true);
  connect(extraTz, &QAction::triggered, this, [this] {
    RefreshMenus();  // the check mark follows the project, not the click
    OpenEditor(TEditorKind::ExtraTzDepths);
  });
  auto* control = AddAction(optionsMenu_, "OptControl", "Control &Options", nullptr);
  connect(control, &QAction::triggered, this, [this] { OpenEditor(TEditorKind::ControlOptions); });

  computationMenu_ = bar->addMenu("&Computation");
  computationMenu_->setObjectName("ComputationMenu");
  AddAction(computationMenu_, "CompRun", "&Run Analysis", &TMainForm::CompRunClick);
  auto* input = AddAction(computationMenu_, "CompInput", "Edit &Input Text", nullptr);
  connect(input, &QAction::triggered, this, [this] { ShowTextFile(FromStd(session_.FileName())); });
  auto* notes = AddAction(computationMenu_, "CompNotes", "Edit &Processor-Run Notes", nullptr);
  connect(notes, &QAction::triggered, this, [this] { OpenSiblingInViewer(".cx6r"); });
  auto* output = AddAction(computationMenu_, "CompOutput", "Edit &Output Text", nullptr);
  connect(output, &QAction::triggered, this, [this] { OpenSiblingInViewer(".cx6o"); });
  auto* sideView = AddAction(computationMenu_, "CompSideView", "&View Soil Layer Coordinates", nullptr);
  connect(sideView, &QAction::triggered, this, [this] { OpenEditor(TEditorKind::SoilProfileView); });
  auto* wave = AddAction(computationMenu_, "CompWave", "Edit GRLWeap Data File", nullptr);
  connect(wave, &QAction::triggered, this, [this] { OpenSiblingInViewer(".gwi"); });

  graphicsMenu_ = bar->addMenu("&Graphics");
  graphicsMenu_->setObjectName("GraphicsMenu");
  for (int i = 0; i < kResultGraphCount; ++i) {
    const TGraphItem& item = kGraphItems[i];
    auto* action = AddAction(graphicsMenu_, item.name, item.caption, nullptr);
    const TResultGraph graph = item.graph;
    connect(action, &QAction::triggered, this, [this, graph] { ShowGraph(graph); });
    graphItems_[static_cast<std::size_t>(i)] = action;
  }

  windowMenu_ = bar->addMenu("&Window");
  windowMenu_->setObjectName("WindowMenu");
  auto* cascade = AddAction(windowMenu_, "WindowCascade", "&Cascade", nullptr);
  connect(cascade, &QAction::triggered, mdi_, &QMdiArea::cascadeSubWindows);
  // Minimised child windows line up along the bottom of the frame on their own here; the
  // nearest arrangement of the frame is tiling.
  auto* arrange = AddAction(windowMenu_, "WindowArrange", "&Arrange Icons", nullptr);
  connect(arrange, &QAction::triggered, mdi_, &QMdiArea::tileSubWindows);
  windowSeparator_ = windowMenu_->addSeparator();
  windowSeparator_->setVisible(false);
  for (std::size_t i = 0; i < windowItems_.size(); ++i) {
    auto* item = windowMenu_->addAction(QString());
    item->setObjectName(QString("WindowItem%1").arg(i + 1));
    item->setVisible(false);
    connect(item, &QAction::triggered, this, [this, i] {
      const auto windows = mdi_->subWindowList();
      if (static_cast<qsizetype>(i) < windows.size()) {
        QMdiSubWindow* w = windows[static_cast<qsizetype>(i)];
        if (w->isMinimized()) w->showNormal();
        mdi_->setActiveSubWindow(w);
      }
    });
    windowItems_[i] = item;
  }

  helpMenu_ = bar->addMenu("&Help");
  helpMenu_->setObjectName("HelpMenu");
  auto* contents = AddAction(helpMenu_, "HelpContents", "&Contents", nullptr);
  connect(contents, &QAction::triggered, this, [this] { ShowHelpDocument(kHelpContents); });
  auto* manual = AddAction(helpMenu_, "HelpManual", "User's Manual", nullptr);
  connect(manual, &QAction::triggered, this, [this] { ShowHelpDocument(kUsersManual); });
  auto* technical = AddAction(helpMenu_, "HelpTechnical", "Technical Manual", nullptr);
  connect(technical, &QAction::triggered, this, [this] { ShowHelpDocument(kTechnicalManual); });
  AddAction(helpMenu_, "HelpAbout", "&About...", &TMainForm::ShowAbout);
  AddAction(helpMenu_, "HelpUpdates", "Check for Updates", &TMainForm::CheckForUpdates);

  // Pending edits of the active child reach the project before these menus show their state.
  for (QMenu* menu : {fileMenu_, dataMenu_, optionsMenu_, computationMenu_, helpMenu_})
    connect(menu, &QMenu::aboutToShow, this, [this] {
      DeactivateActiveChild();
      RefreshMenus();
    });
  connect(graphicsMenu_, &QMenu::aboutToShow, this, &TMainForm::RefreshMenus);
  connect(windowMenu_, &QMenu::aboutToShow, this, &TMainForm::RefreshWindowMenu);
}

void TMainForm::BuildToolBar() {
  QToolBar* bar = addToolBar("Tools");
  bar->setObjectName("ToolBar");
  bar->setMovable(false);
  bar->setIconSize(QSize(22, 22));
  struct TButton {
    const char* name;
    const char* hint;
    QIcon icon;
    std::function<void()> action;
  };
  QStyle* s = style();
  // The first four commit the active child's edits first.
  const TButton buttons[] = {
      {"SpeedNew", "New File", s->standardIcon(QStyle::SP_FileIcon),
       [this] { DeactivateActiveChild(); FileNewClick(); }},
      {"SpeedOpen", "Open File", s->standardIcon(QStyle::SP_DialogOpenButton),
       [this] { DeactivateActiveChild(); FileOpenClick(); }},
      {"SpeedSave", "Save File", s->standardIcon(QStyle::SP_DialogSaveButton),
       [this] { DeactivateActiveChild(); FileSaveClick(); }},
      {"SpeedRun", "Run Data File", s->standardIcon(QStyle::SP_MediaPlay),
       [this] { DeactivateActiveChild(); CompRunClick(); }},
      {"SpeedSoil", "Soil layer Data", TextIcon("Soil"), [this] { OpenEditor(TEditorKind::SoilLayers); }},
      {"SpeedOutput", "View Output", s->standardIcon(QStyle::SP_FileDialogContentsView),
       [this] { OpenSiblingInViewer(".cx6o"); }},
      {"SpeedProfile", "View Soil Profile", TextIcon("Prf"), [this] { OpenEditor(TEditorKind::SoilProfileView); }},
      {"SpeedCombine", "Combined Plot", TextIcon("C"), [this] { ShowGraph(TResultGraph::Combine); }},
      {"SpeedTZ", "t-z Curves", TextIcon("tz"), [this] { ShowGraph(TResultGraph::TZcurves); }},
      {"SpeedAxial", "Load vs. Settlement", TextIcon("LS"), [this] { ShowGraph(TResultGraph::Axial); }},
  };
  for (const auto& b : buttons) {
    auto* button = new QToolButton(bar);
    button->setObjectName(b.name);
    button->setToolTip(b.hint);
    button->setStatusTip(b.hint);
    button->setIcon(b.icon);
    button->setFixedSize(25, 25);
    connect(button, &QToolButton::clicked, this, b.action);
    bar->addWidget(button);
  }
}

void TMainForm::RefreshCaption() { setWindowTitle(FromStd(MainCaption(session_.FileName()))); }

void TMainForm::CheckSpeedButtons() {
  const bool results = session_.ResultsLoaded() && SiblingExists(session_, ".cx6p");
  for (const char* name : {"SpeedCombine", "SpeedTZ", "SpeedAxial"})
    if (auto* button = findChild<QToolButton*>(name)) button->setEnabled(results);
}

void TMainForm::RefreshMenus() {
  MainMenuFacts facts;
  facts.resultsLoaded = session_.ResultsLoaded();
  facts.plotFileExists = SiblingExists(session_, ".cx6p");
  facts.projectFileExists = QFileInfo::exists(FromStd(session_.FileName()));
  facts.notesFileExists = SiblingExists(session_, ".cx6r");
  facts.outputFileExists = SiblingExists(session_, ".cx6o");
  facts.waveFileExists = SiblingExists(session_, ".gwi");
  facts.extraTZ = session_.ExtraTZ();
  facts.loadingType = session_.LoadingType();
  facts.units = session_.Units();
  facts.circular = session_.Circular();
  facts.recentCount = recent_.Count();
  const MainMenuState state = ComputeMainMenuState(facts);

  auto set = [this](const char* name, bool enabled) {
    if (auto* a = findChild<QAction*>(name)) a->setEnabled(enabled);
  };
  for (int i = 0; i < kResultGraphCount; ++i) {
    bool enabled = state.resultsAvailable;
    if (kGraphItems[i].graph == TResultGraph::Tip) enabled = state.tipResistanceGraph;
    if (kGraphItems[i].graph == TResultGraph::Qw) enabled = state.qwGraph;
    if (kGraphItems[i].graph == TResultGraph::ExtraTZ) enabled = state.extraTzGraph;
    graphItems_[static_cast<std::size_t>(i)]->setEnabled(enabled);
  }
  set("DataCircular", state.circularPile);
  set("DataNoncircular", state.noncircularPile);
  findChild<QAction*>("OptEnglish")->setChecked(state.englishChecked);
  findChild<QAction*>("OptSI")->setChecked(state.siChecked);
  findChild<QAction*>("OptExtraTZ")->setChecked(state.extraTzChecked);
  set("CompInput", state.editInput);
  set("CompNotes", state.editNotes);
  set("CompOutput", state.editOutput);
  set("CompWave", state.editWave);
  RefreshRecentFileItems();
}

void TMainForm::RefreshRecentFileItems() {
  const int count = recent_.Count();
  const std::string folder = QDir::currentPath().toStdString();
  for (int i = 0; i < TRecentFiles::kCapacity; ++i) {
    QAction* item = recentItems_[static_cast<std::size_t>(i)];
    item->setVisible(i < count);
    if (i < count) item->setText(FromStd(recent_.MenuCaption(i + 1, folder)));
  }
  recentSeparator_->setVisible(count > 0);
}

void TMainForm::RefreshWindowMenu() {
  const auto windows = mdi_->subWindowList();
  windowSeparator_->setVisible(!windows.isEmpty());
  for (std::size_t i = 0; i < windowItems_.size(); ++i) {
    const bool used = static_cast<qsizetype>(i) < windows.size();
    windowItems_[i]->setVisible(used);
    if (used) windowItems_[i]->setText(windows[static_cast<qsizetype>(i)]->windowTitle());
  }
}

// ---------------------------------------------------------------------------------------
// Child windows

void TMainForm::DeactivateActiveChild() {
  QMdiSubWindow* active = mdi_->activeSubWindow();
  if (!active) return;
  if (auto* child = dynamic_cast<TCommittingChild*>(active->widget())) child->FormDeactivate();
}

void TMainForm::CloseAllChildren() {
  if (!mdi_) return;
  for (QMdiSubWindow* w : mdi_->subWindowList()) {
    w->setAttribute(Qt::WA_DeleteOnClose, true);
    w->close();
  }
}

void TMainForm::OpenEditor(TEditorKind kind) {
  // Every menu item and tool button that opens an editor arrives here.
  if (kind == TEditorKind::SoilProfileView && mdi_ != nullptr) {
    OpenSideView(*mdi_, [this] { return SideViewInputOf(session_.Project(), session_.Tables().D); });
    return;
  }
  if (EditorOpener) EditorOpener(*this, kind);
}

void TMainForm::ShowGraph(TResultGraph which) { session_.Graph(which).ShowPlot(); }

// ---------------------------------------------------------------------------------------
// File commands

bool TMainForm::AskToSave() {
  if (!session_.Modified()) return true;
  switch (messages_.Confirm("Do you want to save any changes?")) {
    case TMessageAnswer::Cancel:
      return false;
    case TMessageAnswer::No:
      return true;
    default:
      try {
        SaveProject();
      } catch (const std::exception& error) {
        // The changes were not written: keep the project open rather than lose them.
        messages_.ShowMessage(error.what());
        return false;
      }
      return QFileInfo(FromStd(session_.FileName())).fileName() != kDefaultProjectName;
  }
}

void TMainForm::FileNewClick() {
  if (!AskToSave()) return;
  CloseAllChildren();
  session_.New();
  RefreshCaption();
  RefreshMenus();
  CheckSpeedButtons();
}

void TMainForm::FileOpenClick() {
  if (!AskToSave()) return;
  const TFileChoice choice = dialogs_.Open(this);
  if (choice.accepted) OpenProjectFile(choice.path, choice.filterIndex != 1);
  WriteSettings();
  RefreshMenus();
}

void TMainForm::OpenProjectFile(const QString& path, bool currentFormat) {
  CloseAllChildren();
  const QFileInfo info(path);
  QDir::setCurrent(info.absolutePath());
  const QString fullPath = info.absoluteFilePath();
  session_.Open(fullPath.toStdString(), currentFormat);
  RefreshCaption();
  CheckSpeedButtons();
  recent_.PutOnTop(fullPath.toStdString());
  WriteSettings();
  RefreshMenus();
}

void TMainForm::OpenRecentFile(int n) {
  const QString path = FromStd(recent_.Entry(n));
  if (path.isEmpty() || !AskToSave()) return;
  OpenProjectFile(path, IsCurrentFormat(path));
}

void TMainForm::OpenDroppedFiles(const QStringList& paths) {
  if (paths.isEmpty() || !AskToSave()) return;
  const QString path = paths.front();
  QDir::setCurrent(QFileInfo(path).absolutePath());
  OpenProjectFile(path, IsCurrentFormat(path));
  RefreshDataMenu();
}

void TMainForm::SaveProject() {
  const QFileInfo name(FromStd(session_.FileName()));
  if (name.fileName() == kDefaultProjectName || name.suffix().toLower() == "cxd") {
    SaveProjectAs();
    return;
  }
  session_.Save();
}

void TMainForm::SaveProjectAs() {
  QString start = FromStd(session_.FileName());
  if (QFileInfo(start).suffix().toLower() == "cxd")
    start = FromStd(ChangeFileExtension(start.toStdString(), ".cx6d"));
  const QString title = "Save " + FromStd(ProjectDisplayName(session_.FileName())) + " As";
  const TFileChoice choice = dialogs_.SaveAs(this, title, start);
  // Whatever happens below, the result buttons are refreshed and the child windows closed.
  struct TAfterSaveAs {
    TMainForm& form;
    ~TAfterSaveAs() {
      form.CheckSpeedButtons();
      form.CloseAllChildren();
    }
  } after{*this};
  if (!choice.accepted) {
    RunMayGoOn = false;
    return;
  }
  session_.SetFileName(QFileInfo(choice.path).absoluteFilePath().toStdString());
  RefreshCaption();
  session_.Save();
  WriteSettings();
}

void TMainForm::FileSaveClick() {
  try {
    SaveProject();
  } catch (const std::exception& error) {
    messages_.ShowMessage(error.what());
  }
}

void TMainForm::FileSaveAsClick() {
  try {
    SaveProjectAs();
  } catch (const std::exception& error) {
    messages_.ShowMessage(error.what());
  }
}

void TMainForm::SetUnitsClick(int system) {
  if (system != session_.Units()) {
    session_.SetUnits(system);
    // The stored values were converted: the project has changed.
    session_.SetModified(true);
    // Open editors show the converted values in the new units.
    for (QMdiSubWindow* w : mdi_->subWindowList())
      if (auto* child = dynamic_cast<TCommittingChild*>(w->widget())) child->ReloadFromProject();
  }
  RefreshMenus();
}

void TMainForm::RefreshDataMenu() { RefreshMenus(); }

void TMainForm::CompRunClick() { RunAnalysis(*this); }

// ---------------------------------------------------------------------------------------
// Viewer, help, About

void TMainForm::ShowTextFile(const QString& path) {
  QStringList command = QProcess::splitCommand(WordProcessor);
  if (command.isEmpty() || !QProcess::startDetached(command.front(), command.mid(1) << path))
    messages_.Information("An error occurred in running the Word Processor");
}

void TMainForm::OpenSiblingInViewer(const char* extension) {
  ShowTextFile(FromStd(session_.SiblingPath(extension)));
}

void TMainForm::ShowHelpDocument(const QString& fileName) {
  // A missing document is reported by the desktop's handler, not here.
  QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(EngineFolder).filePath(fileName)));
}

void TMainForm::CheckForUpdates() {
  const QDate today = QDate::currentDate();
  QDesktopServices::openUrl(QUrl(FromStd(UpdateCheckAddress(today.year(), today.month(), today.day()))));
}

void TMainForm::ShowAbout() {
  TAboutBox box(this);
  box.exec();
}

// ---------------------------------------------------------------------------------------
// Settings, start-up, closing, dropped files

void TMainForm::ReadSettings() {
  QSettings settings("Halvorn", "Corvex");
  settings.beginGroup(kSettingsGroup);
  const QString wordProcessor = settings.value(kWordProcessorKey).toString();
  if (!wordProcessor.isEmpty()) WordProcessor = wordProcessor;
  recent_.Clear();
  for (int n = 1; n <= TRecentFiles::kCapacity; ++n)
    recent_.SetEntry(n, settings.value(QString("File%1").arg(n)).toString().toStdString());
  settings.endGroup();
  RefreshRecentFileItems();
}

void TMainForm::WriteSettings() {
  // Settings that cannot be written are left as they were.
  QSettings settings("Halvorn", "Corvex");
  settings.beginGroup(kSettingsGroup);
  settings.setValue(kWordProcessorKey, WordProcessor);
  for (int n = 1; n <= TRecentFiles::kCapacity; ++n)
    settings.setValue(QString("File%1").arg(n), FromStd(recent_.Entry(n)));
  settings.endGroup();
  settings.sync();
}

void TMainForm::StartUp(const QStringList& arguments) {
  ReadSettings();
  if (!arguments.isEmpty()) {
    QString path = arguments.front();
    // The extension is added when the file name itself has no "." (a dot in a folder name
    // does not count).
    if (!QFileInfo(path).fileName().contains('.')) path += ".cx6d";
    if (QFileInfo::exists(path)) {
      const QFileInfo info(path);
      session_.Open(info.absoluteFilePath().toStdString(), true);
    } else {
      session_.New();
    }
  }
  RefreshCaption();
  RefreshMenus();
  CheckSpeedButtons();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  DeactivateActiveChild();
  if (!AskToSave()) {
    event->ignore();
    return;
  }
  WriteSettings();
  CloseAllChildren();
  event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  OpenDroppedFiles(paths);
}

}  // namespace corvex

// The main window: the analysis run with its messages, the file commands, recent files and
// start-up, with the message boxes recorded and the file dialogs scripted.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <clocale>
#include <deque>

#include "project/message_layer.h"
#include "shell/committing_child.h"
#include "shell/main_form.h"
#include "shell/qt_file_dialogs.h"

using namespace corvex;

namespace {

// File dialogs that answer from a script and count how often they were asked.
class TScriptedDialogs : public TFileDialogs {
 public:
  TFileChoice Open(QWidget*) override { return Next(); }
  TFileChoice SaveAs(QWidget*, const QString& title, const QString&) override {
    SaveTitles << title;
    return Next();
  }
  std::deque<TFileChoice> Answers;  // cancel when empty
  QStringList SaveTitles;

 private:
  TFileChoice Next() {
    if (Answers.empty()) return {};
    TFileChoice c = Answers.front();
    Answers.pop_front();
    return c;
  }
};

QStringList Texts(const TMessageRecorder& messages) {
  QStringList texts;
  for (const auto& e : messages.Entries) texts << QString::fromStdString(e.Text);
  return texts;
}

const char* kCompleted = "Computations are completed. Please, check output file for results or error messages.";

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cancelledSaveAsOfANewProjectWritesNothingAndRunsNothing();
  void tooLargeTaperAngleStopsTheRunWithTheLargestAngle();
  void missingEngineLibraryIsReported();
  void runOfEachExampleLoadsResultsAndWritesTheWaveFile_data();
  void runOfEachExampleLoadsResultsAndWritesTheWaveFile();
  void tensionResultsDisableTipAndQwGraphs();
  void recentFilesKeepOneEntryPerPathNewestFirstAtMostTen();
  void startUpAppendsTheProjectExtension();
  void askToSaveCancelKeepsTheProject();
  void captionFollowsTheProject();
  void graphsOpenAsChildWindowsAfterARun();
  void startUpLoadsTheResultsBesideTheProject();
  void openingAMenuCommitsTheActiveChildFirst();
  void droppedFileOpensAndBecomesTheCurrentFolder();
  void viewerThatCannotStartIsReported();

 private:
  QString CopyExample(const QString& name);
  QTemporaryDir settingsDir_;
  std::unique_ptr<QTemporaryDir> work_;
};

void MainFormTest::initTestCase() {
  // Settings of the tests go to a folder of their own, not to the user's.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
}

void MainFormTest::init() {
  work_ = std::make_unique<QTemporaryDir>();
  QSettings("Halvorn", "Corvex").clear();
}

QString MainFormTest::CopyExample(const QString& name) {
  const QString source = QString(CORVEX_SOURCE_DIR) + "/examples/" + name;
  const QString target = work_->filePath(name);
  QFile::copy(source + ".cx6d", target + ".cx6d");
  QFile::copy(source + ".cpt", target + ".cpt");
  return target + ".cx6d";
}

void MainFormTest::cancelledSaveAsOfANewProjectWritesNothingAndRunsNothing() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;  // cancels
  TMainForm form(messages, dialogs);
  form.EngineFolder = CORVEX_BIN_DIR;
  QDir::setCurrent(work_->path());
  form.CompRunClick();
  QCOMPARE(dialogs.SaveTitles, QStringList{"Save NewCorvex.cx6d As"});
  QVERIFY(!form.RunMayGoOn);
  QVERIFY(messages.Entries.empty());  // no completion message: the engine was not called
  QVERIFY(QDir(work_->path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
  QCOMPARE(QString::fromStdString(form.Session().FileName()), QString("NewCorvex.cx6d"));
}

void MainFormTest::tooLargeTaperAngleStopsTheRunWithTheLargestAngle() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  form.EngineFolder = CORVEX_BIN_DIR;
  TProgramData& project = form.Session().Project();
  project.FileName = work_->filePath("taper.cx6d").toStdString();
  project.Units = 1;
  project.Method(1) = 1;
  project.PileType = 2;  // timber
  project.TaperAngle = 1.0;
  project.OuterDiameter = 12.0;
  project.TotalLength = 50.0;
  form.CompRunClick();
  // atan(6 / 600) / 0.01745 = 0.0099996667 / 0.01745 = 0.57305
  QCOMPARE(Texts(messages),
           QStringList{"Taper angle is large since it generates a negative diameter at tip of pile.\r"
                       "Taper angle should be smaller than 0.573 degrees.\rPlease check input data "});
  QCOMPARE(messages.Entries[0].Kind, TMessageKind::Warning);
  QVERIFY(!QFile::exists(work_->filePath("taper.cx6o")));
}

void MainFormTest::missingEngineLibraryIsReported() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  QTemporaryDir emptyFolder;
  form.EngineFolder = emptyFolder.path();
  const QString project = CopyExample("steel_pipe_layered");
  form.OpenProjectFile(project, true);
  const std::string localeBefore = std::setlocale(LC_NUMERIC, nullptr);
  form.CompRunClick();
  QCOMPARE(Texts(messages), QStringList{"Attempt to initialize DLL failed"});
  QCOMPARE(messages.Entries[0].Kind, TMessageKind::Information);
  QCOMPARE(std::string(std::setlocale(LC_NUMERIC, nullptr)), localeBefore);
  QVERIFY(!form.EngineBound);
  QVERIFY(!QFile::exists(work_->filePath("steel_pipe_layered.cx6o")));

  // An engine still bound from a run that did not finish is not bound a second time.
  messages.Entries.clear();
  form.EngineFolder = CORVEX_BIN_DIR;
  form.EngineBound = true;
  form.CompRunClick();
  QCOMPARE(Texts(messages), QStringList{"Attempt to reinitialize DLL"});
  QVERIFY(!QFile::exists(work_->filePath("steel_pipe_layered.cx6o")));
}

void MainFormTest::runOfEachExampleLoadsResultsAndWritesTheWaveFile_data() {
  QTest::addColumn<QString>("example");
  QTest::newRow("steel pipe, English") << "steel_pipe_layered";
  QTest::newRow("precast concrete, SI") << "precast_concrete_si";
  QTest::newRow("pipe pile in tension") << "tension_pipe_pile";
}

void MainFormTest::runOfEachExampleLoadsResultsAndWritesTheWaveFile() {
  QFETCH(QString, example);
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  form.EngineFolder = CORVEX_BIN_DIR;
  const QString project = CopyExample(example);
  form.OpenProjectFile(project, true);
  QVERIFY(!form.Session().ResultsLoaded());
  QVERIFY(!form.findChild<QToolButton*>("SpeedCombine")->isEnabled());
  form.ShowGraph(TResultGraph::Skin);  // a child window open before the run
  std::setlocale(LC_NUMERIC, "C.UTF-8");
  form.CompRunClick();
  QCOMPARE(QString(std::setlocale(LC_NUMERIC, nullptr)), QString("C.UTF-8"));
  std::setlocale(LC_NUMERIC, "C");
  QCOMPARE(Texts(messages), QStringList{kCompleted});
  QVERIFY(form.Session().ResultsLoaded());
  const QString base = work_->filePath(example);
  QVERIFY(QFile::exists(base + ".cx6o"));
  QVERIFY(QFile::exists(base + ".cx6p"));
  QVERIFY(QFile::exists(base + ".gwi"));
  QVERIFY(!QFile::exists(work_->filePath("names.dat")));
  QVERIFY(!QFile::exists(QDir::current().filePath("names.dat")));
  QVERIFY(!QFile::exists(QDir(CORVEX_BIN_DIR).filePath("names.dat")));
  for (const char* name : {"SpeedCombine", "SpeedTZ", "SpeedAxial"})
    QVERIFY2(form.findChild<QToolButton*>(name)->isEnabled(), name);
  QVERIFY(form.MdiArea()->subWindowList().isEmpty());
  QVERIFY(!form.EngineBound);
  QVERIFY(form.Session().Graph(TResultGraph::Skin).LineCount() > 0);
}

void MainFormTest::tensionResultsDisableTipAndQwGraphs() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  form.EngineFolder = CORVEX_BIN_DIR;
  form.OpenProjectFile(CopyExample("tension_pipe_pile"), true);
  form.CompRunClick();
  QVERIFY(form.Session().ResultsLoaded());
  form.RefreshMenus();
  QVERIFY(form.findChild<QAction*>("GraphSkin")->isEnabled());
  QVERIFY(!form.findChild<QAction*>("GraphTip")->isEnabled());
  QVERIFY(!form.findChild<QAction*>("GraphQw")->isEnabled());
}

void MainFormTest::recentFilesKeepOneEntryPerPathNewestFirstAtMostTen() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  QStringList paths;
  const QString source = CopyExample("steel_pipe_layered");
  for (int i = 1; i <= 11; ++i) {
    paths << work_->filePath(QString("pile%1.cx6d").arg(i));
    QFile::copy(source, paths.back());
  }
  for (const QString& p : paths) form.OpenProjectFile(p, true);
  form.OpenProjectFile(paths[5], true);  // pile6 again: moves to the top
  QSettings settings("Halvorn", "Corvex");
  settings.beginGroup("2014.6.7");
  QCOMPARE(settings.value("File1").toString(), paths[5]);
  QCOMPARE(settings.value("File2").toString(), paths[10]);
  QCOMPARE(settings.value("File10").toString(), paths[1]);  // pile1 dropped, pile6 not twice
  QStringList stored;
  for (int n = 1; n <= 10; ++n) stored << settings.value(QString("File%1").arg(n)).toString();
  QCOMPARE(stored.count(paths[5]), 1);
  // The File menu shows entries in the current folder by number and bare name.
  form.RefreshMenus();
  QCOMPARE(form.findChild<QAction*>("FileRecent1")->text(), QString("1 pile6.cx6d"));
  QVERIFY(form.findChild<QAction*>("FileRecent10")->isVisible());
  // A new window reads the list back.
  TMainForm second(messages, dialogs);
  second.StartUp({});
  QCOMPARE(QString::fromStdString(second.RecentFiles().Entry(1)), paths[5]);
  QCOMPARE(second.RecentFiles().Count(), 10);
}

void MainFormTest::startUpAppendsTheProjectExtension() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  const QString project = CopyExample("steel_pipe_layered");
  TMainForm form(messages, dialogs);
  form.StartUp({work_->filePath("steel_pipe_layered")});
  QCOMPARE(QString::fromStdString(form.Session().FileName()), project);
  QCOMPARE(form.windowTitle(), QString("Corvex 2014.6.7 - Steel_pipe_layered.cx6d"));

  TMainForm missing(messages, dialogs);
  missing.StartUp({work_->filePath("mypile")});
  QCOMPARE(QString::fromStdString(missing.Session().FileName()), QString("NewCorvex.cx6d"));
  QVERIFY(messages.Entries.empty());
}

void MainFormTest::askToSaveCancelKeepsTheProject() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  const QString project = CopyExample("steel_pipe_layered");
  form.OpenProjectFile(project, true);
  form.Session().SetModified(true);
  messages.Answers = {TMessageAnswer::Cancel};
  form.FileNewClick();
  QCOMPARE(Texts(messages), QStringList{"Do you want to save any changes?"});
  QCOMPARE(QString::fromStdString(form.Session().FileName()), project);
  QVERIFY(form.Session().Modified());
  // No: the changes are dropped and the new project starts.
  messages.Answers = {TMessageAnswer::No};
  form.FileNewClick();
  QCOMPARE(QString::fromStdString(form.Session().FileName()), QString("NewCorvex.cx6d"));
}

void MainFormTest::captionFollowsTheProject() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  QCOMPARE(form.windowTitle(), QString("Corvex 2014.6.7 - NewCorvex.cx6d"));
  // Save As gives the project its name and caption.
  dialogs.Answers = {TFileChoice{true, work_->filePath("pier.cx6d"), 0}};
  form.FileSaveAsClick();
  QCOMPARE(form.windowTitle(), QString("Corvex 2014.6.7 - Pier.cx6d"));
  QVERIFY(QFile::exists(work_->filePath("pier.cx6d")));
  QVERIFY(!form.Session().Modified());
}

void MainFormTest::graphsOpenAsChildWindowsAfterARun() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  form.EngineFolder = CORVEX_BIN_DIR;
  form.resize(1280, 800);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.OpenProjectFile(CopyExample("steel_pipe_layered"), true);
  form.CompRunClick();
  QVERIFY(form.Session().ResultsLoaded());
  form.findChild<QToolButton*>("SpeedCombine")->click();
  form.findChild<QToolButton*>("SpeedTZ")->click();
  form.findChild<QToolButton*>("SpeedAxial")->click();
  QCOMPARE(form.MdiArea()->subWindowList().size(), 3);
  form.MdiArea()->tileSubWindows();
  // The Window menu lists the three plot windows under its separator.
  QMenu* windowMenu = form.findChild<QMenu*>("WindowMenu");
  emit windowMenu->aboutToShow();
  QVERIFY(form.findChild<QAction*>("WindowItem3")->isVisible());
  QVERIFY(!form.findChild<QAction*>("WindowItem4")->isVisible());
  // With CORVEX_SCREENSHOT set, the window is saved as a picture (run under a virtual X server).
  const QString screenshot = qEnvironmentVariable("CORVEX_SCREENSHOT");
  if (!screenshot.isEmpty()) {
    QTest::qWait(300);
    QVERIFY(form.grab().save(screenshot));
  }
}

void MainFormTest::startUpLoadsTheResultsBesideTheProject() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  const QString project = CopyExample("steel_pipe_layered");
  {
    TMainForm first(messages, dialogs);
    first.EngineFolder = CORVEX_BIN_DIR;
    first.OpenProjectFile(project, true);
    first.CompRunClick();
  }
  messages.Entries.clear();
  TMainForm form(messages, dialogs);
  form.StartUp({project});
  QVERIFY(form.Session().ResultsLoaded());
  QVERIFY(messages.Entries.empty());
  QVERIFY(form.findChild<QToolButton*>("SpeedAxial")->isEnabled());
  form.RefreshMenus();
  for (const char* name : {"CompInput", "CompOutput", "CompWave", "GraphTip", "GraphQw", "GraphCombine"})
    QVERIFY2(form.findChild<QAction*>(name)->isEnabled(), name);
  QVERIFY(!form.findChild<QAction*>("CompNotes")->isEnabled());    // no .cx6r
  QVERIFY(!form.findChild<QAction*>("GraphExtraTZ")->isEnabled());  // ExtraTZ 0
  // A damaged plot-data file at start-up gives no message and no results.
  QFile plot(work_->filePath("steel_pipe_layered.cx6p"));
  QVERIFY(plot.open(QIODevice::WriteOnly | QIODevice::Truncate));
  plot.write("1 2\n");
  plot.close();
  TMainForm damaged(messages, dialogs);
  damaged.StartUp({project});
  QVERIFY(!damaged.Session().ResultsLoaded());
  QVERIFY(messages.Entries.empty());
  QVERIFY(!damaged.findChild<QToolButton*>("SpeedAxial")->isEnabled());
}

namespace {
// A child window that records when it was asked to commit its edits.
class TRecordingChild : public QWidget, public TCommittingChild {
 public:
  void FormDeactivate() override { ++Commits; }
  int Commits = 0;
};
}  // namespace

void MainFormTest::openingAMenuCommitsTheActiveChildFirst() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  form.show();
  auto* child = new TRecordingChild;
  form.MdiArea()->addSubWindow(child)->show();
  form.MdiArea()->setActiveSubWindow(form.MdiArea()->subWindowList().front());
  for (const char* name : {"FileMenu", "DataMenu", "OptionsMenu", "ComputationMenu", "HelpMenu"})
    emit form.findChild<QMenu*>(name)->aboutToShow();
  QCOMPARE(child->Commits, 5);
  // Graphics and Window only show state.
  emit form.findChild<QMenu*>("GraphicsMenu")->aboutToShow();
  emit form.findChild<QMenu*>("WindowMenu")->aboutToShow();
  QCOMPARE(child->Commits, 5);
}

void MainFormTest::droppedFileOpensAndBecomesTheCurrentFolder() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  const QString project = CopyExample("precast_concrete_si");
  QDir::setCurrent(QDir::tempPath());
  form.OpenDroppedFiles({project, work_->filePath("ignored.cx6d")});
  QCOMPARE(QString::fromStdString(form.Session().FileName()), project);
  QCOMPARE(QDir::currentPath(), QFileInfo(project).absolutePath());
  QCOMPARE(form.Session().Units(), 2);
  form.RefreshMenus();
  QVERIFY(form.findChild<QAction*>("OptSI")->isChecked());
  QVERIFY(!form.findChild<QAction*>("OptEnglish")->isChecked());
}

void MainFormTest::viewerThatCannotStartIsReported() {
  TMessageRecorder messages;
  TScriptedDialogs dialogs;
  TMainForm form(messages, dialogs);
  form.WordProcessor = work_->filePath("no-such-viewer");
  form.ShowTextFile(work_->filePath("report.cx6o"));
  QCOMPARE(Texts(messages), QStringList{"An error occurred in running the Word Processor"});
  QCOMPARE(messages.Entries[0].Kind, TMessageKind::Information);
}

QTEST_MAIN(MainFormTest)
#include "qt_main_form_test.moc"

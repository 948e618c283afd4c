#include "editors/option_windows.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/editor_opener.h"
#include "editors/option_windows_logic.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "shell/data_edit.h"
#include "shell/main_form.h"

namespace corvex {

namespace {
QPushButton* CloseButton(TEditorWindow* owner) {
  auto* close = new QPushButton("Close", owner);
  close->setObjectName("BtnClose");
  QObject::connect(close, &QPushButton::clicked, owner, [owner] { owner->CloseWindow(); });
  return close;
}
}  // namespace

// ---- control options ----

TDlgOptions::TDlgOptions(TMainForm& main, QWidget* parent) : TEditorWindow(main, parent) {
  setObjectName("DlgOptions");
  setWindowTitle("Control Options");
  auto* layout = new QVBoxLayout(this);
  auto* print = new QGroupBox("Print Controls", this);
  auto* p = new QGridLayout(print);
  DataEdit3 = NewField("Length of each computation &increment ", "L2");
  DataEdit3->setObjectName("DataEdit3");
  DataEdit3->SetMaxVal(500);
  DataEdit3->SetNumber(1.0);
  DataEdit2 = NewField("&Print only every ");
  DataEdit2->setObjectName("DataEdit2");
  DataEdit2->SetMinVal(1);
  DataEdit2->SetMaxVal(500);
  DataEdit2->SetNumber(1);
  p->addWidget(DataEdit3->EditLabel(), 0, 0);
  p->addWidget(DataEdit3, 0, 1);
  p->addWidget(DataEdit2->EditLabel(), 1, 0);
  p->addWidget(DataEdit2, 1, 1);
  p->addWidget(new QLabel("computation increment(s)", print), 1, 2);
  layout->addWidget(print);
  auto* editor = new QGroupBox("Text Editor", this);
  auto* e = new QHBoxLayout(editor);
  EdtWord = new QLineEdit(editor);
  EdtWord->setObjectName("EdtWord");
  BtnBrowse = new QPushButton("&Browse...", editor);
  BtnBrowse->setObjectName("BtnBrowse");
  e->addWidget(EdtWord);
  e->addWidget(BtnBrowse);
  layout->addWidget(editor);
  layout->addWidget(CloseButton(this), 0, Qt::AlignRight);
  connect(EdtWord, &QLineEdit::textEdited, this, [this] { MarkModified(); });
  connect(BtnBrowse, &QPushButton::clicked, this, [this] {
    QFileDialog dialog(this, QString(), EdtWord->text(), "Programs (*.exe *.com);;All Files (*)");
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
      EdtWord->setText(dialog.selectedFiles().front());
      MarkModified();
    }
  });
  FormActivate();
}

void TDlgOptions::LoadControls() {
  DataEdit3->SetUnits(Project().Units);
  DataEdit2->SetNumber(Project().PrintEvery);
  DataEdit3->SetNumber(ShownIncrement(Project().Increment));
  EdtWord->setText(Main().WordProcessor);
}

void TDlgOptions::StoreControls() {
  Project().PrintEvery = StoredPrintEvery(DataEdit2->Number());
  Project().Increment = DataEdit3->Number();
  Main().WordProcessor = EdtWord->text();
}

// ---- project title ----

TdlgTitle::TdlgTitle(TMainForm& main, QWidget* parent) : TEditorWindow(main, parent) {
  setObjectName("dlgTitle");
  setWindowTitle("Project Title");
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel("Enter line of text for project description:", this), 0, 0, 1, 2);
  TitleMemo = new QLineEdit(this);
  TitleMemo->setObjectName("TitleMemo");
  TitleMemo->setMaxLength(80);
  TitleMemo->setMinimumWidth(480);
  layout->addWidget(TitleMemo, 1, 0, 1, 2);
  DataEdit1 = new QLineEdit(this);
  DataEdit1->setObjectName("DataEdit1");
  DataEdit2 = new QLineEdit(this);
  DataEdit2->setObjectName("DataEdit2");
  layout->addWidget(new QLabel("Name of the Designer : ", this), 2, 0);
  layout->addWidget(DataEdit1, 2, 1);
  layout->addWidget(new QLabel("Job Number : ", this), 3, 0);
  layout->addWidget(DataEdit2, 3, 1);
  layout->addWidget(CloseButton(this), 4, 1, Qt::AlignRight);
  for (QLineEdit* edit : {DataEdit1, DataEdit2})
    connect(edit, &QLineEdit::textEdited, this, [this] { MarkModified(); });
  FormActivate();
}

void TdlgTitle::LoadControls() {
  TitleMemo->setText(QString::fromStdString(Project().Title));
  DataEdit1->setText(QString::fromStdString(Project().Designer));
  if (!Project().JobNumber.empty()) DataEdit2->setText(QString::fromStdString(Project().JobNumber));
}

void TdlgTitle::StoreControls() {
  if (StoreTitle(Project(), TitleLine(TitleMemo->text().toStdString()), DataEdit1->text().toStdString(),
                 DataEdit2->text().toStdString()))
    Session().SetModified(true);
}

// ---- extra t-z depths ----

TDlgTZPrint::TDlgTZPrint(TMainForm& main, QWidget* parent) : TEditorWindow(main, parent) {
  setObjectName("DlgTZPrint");
  setWindowTitle("Option of Printing t-z Curves");
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox("t-z Curves for Verification", this);
  auto* g = new QHBoxLayout(group);
  ChkPrint = new QCheckBox("&Print Internally-Generated", group);
  ChkPrint->setObjectName("ChkPrint");
  EditDepths = new QPushButton("Edit Depths", group);
  EditDepths->setObjectName("EditDepths");
  g->addWidget(ChkPrint);
  g->addWidget(EditDepths);
  layout->addWidget(group);
  layout->addWidget(CloseButton(this), 0, Qt::AlignRight);
  connect(ChkPrint, &QCheckBox::clicked, this, [this](bool on) {
    EditDepths->setEnabled(on);
    MarkModified();
  });
  connect(EditDepths, &QPushButton::clicked, this, [this] { OpenTableWindow(Main(), Tables().TblTZDepth); });
  FormActivate();
}

void TDlgTZPrint::LoadControls() {
  ChkPrint->setChecked(Project().ExtraTZ == 1);
  EditDepths->setEnabled(ChkPrint->isChecked());
}

void TDlgTZPrint::StoreControls() { Project().ExtraTZ = ChkPrint->isChecked() ? 1 : 0; }

}  // namespace corvex

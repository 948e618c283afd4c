#include "shell/qt_file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace corvex {

namespace {
const QStringList kProjectFilters = {"Corvex 2014(*.cx6d)", "Corvex Plus 5(*.cxd)", "All Files(*.*)"};

TFileChoice Run(QFileDialog& dialog) {
  TFileChoice choice;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
  choice.accepted = true;
  choice.path = dialog.selectedFiles().front();
  choice.filterIndex = static_cast<int>(kProjectFilters.indexOf(dialog.selectedNameFilter()));
  if (choice.filterIndex < 0) choice.filterIndex = 0;
  return choice;
}
}  // namespace

TFileChoice TQtFileDialogs::Open(QWidget* parent) {
  QFileDialog dialog(parent, "Open");
  dialog.setNameFilters(kProjectFilters);
  dialog.setDefaultSuffix("cx6d");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  return Run(dialog);
}

TFileChoice TQtFileDialogs::SaveAs(QWidget* parent, const QString& title, const QString& startPath) {
  QFileDialog dialog(parent, title);
  dialog.setNameFilters(kProjectFilters);
  // A name typed without an extension becomes a project file that reopens in the current
  // format (a ".cx6" file would be taken for a legacy one from the recent-files list).
  dialog.setDefaultSuffix("cx6d");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);  // the folder must exist; overwriting is confirmed
  dialog.selectFile(startPath);
  return Run(dialog);
}

}  // namespace corvex

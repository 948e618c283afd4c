#include "editors/editor_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "shell/data_edit.h"
#include "shell/main_form.h"

namespace corvex {

TEditorWindow::TEditorWindow(TMainForm& main, QWidget* parent) : QWidget(parent), main_(main) {}

TProjectSession& TEditorWindow::Session() { return main_.Session(); }
TProgramData& TEditorWindow::Project() { return main_.Session().Project(); }
TProjectTables& TEditorWindow::Tables() { return main_.Session().Tables(); }
TMessageLayer& TEditorWindow::Messages() { return main_.Messages(); }

void TEditorWindow::FormActivate() {
  const bool modified = Session().Modified();
  loading_ = true;
  LoadControls();
  loading_ = false;
  Session().SetModified(modified);
  active_ = true;
}

void TEditorWindow::FormDeactivate() { Deactivate(); }

bool TEditorWindow::Deactivate() {
  if (!EntriesValid()) {
    // The entry must be mended first: bring the window back to the front.
    if (QMdiSubWindow* own = qobject_cast<QMdiSubWindow*>(parentWidget()); own && own->mdiArea())
      own->mdiArea()->setActiveSubWindow(own);
    return false;
  }
  StoreControls();
  return true;
}

void TEditorWindow::WatchActivation(QMdiSubWindow* own) {
  QMdiArea* area = main_.MdiArea();
  connect(area, &QMdiArea::subWindowActivated, this, [this, own](QMdiSubWindow* now) {
    if (closing_) return;
    if (now == own) {
      if (!active_) FormActivate();
    } else if (active_ && Deactivate()) {
      // Stored; the next activation loads the project's values again.
      active_ = false;
    }
  });
}

void TEditorWindow::CloseWindow() {
  if (auto* own = qobject_cast<QMdiSubWindow*>(parentWidget()))
    own->close();
  else
    close();
}

void TEditorWindow::closeEvent(QCloseEvent* event) {
  if (!Deactivate()) {
    event->ignore();
    return;
  }
  closing_ = true;
  event->accept();
}

bool TEditorWindow::FieldsValid() {
  // The focused field first, so that its message is the one shown.
  auto* focused = qobject_cast<TDataEdit*>(focusWidget());
  if (focused && isAncestorOf(focused) && focused->isEnabled() && !focused->ExitCheck()) return false;
  for (TDataEdit* field : findChildren<TDataEdit*>())
    if (field != focused && field->isEnabled() && !field->ExitCheck()) return false;
  return true;
}

void TEditorWindow::MarkModified() {
  if (!loading_) Session().SetModified(true);
}

TDataEdit* TEditorWindow::NewField(const QString& caption, const QString& unitCode) {
  auto* field = new TDataEdit(Messages(), this);
  auto* label = new QLabel(this);
  field->SetEditLabel(label);
  field->SetUnitsString(unitCode);
  field->SetCaption(caption);
  field->SetUnits(Project().Units);
  connect(field, &QLineEdit::textEdited, this, [this] { MarkModified(); });
  return field;
}

}  // namespace corvex

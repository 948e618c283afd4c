#include "editors/editor_opener.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "editors/cpt_window.h"
#include "editors/editor_window.h"
#include "editors/method_window.h"
#include "editors/option_windows.h"
#include "editors/pile_windows.h"
#include "editors/soil_layers_window.h"
#include "editors/table_form.h"

namespace corvex {

namespace {

const char* ObjectName(TEditorKind kind) {
  switch (kind) {
    case TEditorKind::Title: return "dlgTitle";
    case TEditorKind::ComputationMethods: return "frmWaterDepth";
    case TEditorKind::PileMaterial: return "frmMaterial";
    case TEditorKind::CircularPile: return "frmShaftpeneta";
    case TEditorKind::NoncircularPile: return "frmNCsection";
    case TEditorKind::SoilLayers: return "DlgSoilLayers";
    case TEditorKind::CptData: return "DlgInputMotion";
    case TEditorKind::ExtraTzDepths: return "DlgTZPrint";
    case TEditorKind::ControlOptions: return "DlgOptions";
    case TEditorKind::SoilProfileView: return "";
  }
  return "";
}

TEditorWindow* Create(TMainForm& main, TEditorKind kind) {
  switch (kind) {
    case TEditorKind::Title: return new TdlgTitle(main);
    case TEditorKind::ComputationMethods: return new TfrmWaterDepth(main);
    case TEditorKind::ExtraTzDepths: return new TDlgTZPrint(main);
    case TEditorKind::ControlOptions: return new TDlgOptions(main);
    case TEditorKind::SoilLayers: return new TDlgSoilLayers(main);
    case TEditorKind::PileMaterial: return new TfrmMaterial(main);
    case TEditorKind::CptData: return new TDlgInputMotion(main);
    case TEditorKind::CircularPile: return new TfrmShaftpeneta(main);
    case TEditorKind::NoncircularPile: return new TfrmNCsection(main);
    default: return nullptr;
  }
}

}  // namespace

TEditorWindow* FindEditor(TMainForm& main, const QString& objectName) {
  if (!main.MdiArea() || objectName.isEmpty()) return nullptr;
  for (QMdiSubWindow* sub : main.MdiArea()->subWindowList())
    if (auto* editor = qobject_cast<TEditorWindow*>(sub->widget());
        editor && editor->objectName() == objectName && !editor->IsClosing())
      return editor;
  return nullptr;
}

void OpenInputEditor(TMainForm& main, TEditorKind kind) {
  if (TEditorWindow* open = FindEditor(main, ObjectName(kind))) {
    main.MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
    return;
  }
  TEditorWindow* editor = Create(main, kind);
  if (!editor) return;
  QMdiSubWindow* sub = main.MdiArea()->addSubWindow(editor);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowTitle(editor->windowTitle());
  editor->WatchActivation(sub);
  sub->show();
  main.MdiArea()->setActiveSubWindow(sub);
}

void ReloadMaterialWindow(TMainForm& main) {
  if (TEditorWindow* material = FindEditor(main, "frmMaterial")) material->FormActivate();
}

void RefreshTableWindows(TMainForm& main) {
  for (QMdiSubWindow* sub : main.MdiArea()->subWindowList())
    if (auto* form = qobject_cast<TTableForm*>(sub->widget())) form->Refresh();
}

void OpenTableWindow(TMainForm& main, TGridTable& table) {
  for (QMdiSubWindow* sub : main.MdiArea()->subWindowList())
    if (auto* form = qobject_cast<TTableForm*>(sub->widget()); form && &form->Table() == &table && !form->IsClosing()) {
      main.MdiArea()->setActiveSubWindow(sub);
      return;
    }
  auto* form = new TTableForm(main, table);
  QMdiSubWindow* sub = main.MdiArea()->addSubWindow(form);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowTitle(form->windowTitle());
  form->WatchActivation(sub);
  sub->show();
  main.MdiArea()->setActiveSubWindow(sub);
}

}  // namespace corvex

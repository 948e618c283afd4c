// Opens the input editors as child windows of the main window: one instance of each, created
// on first use and brought to the front afterwards.
#pragma once

#include <QString>

#include "shell/main_form.h"

class TGridTable;

namespace corvex {

class TEditorWindow;

// The opener the program installs in the main window.
void OpenInputEditor(TMainForm& main, TEditorKind kind);
// The open editor of the given object name, or null.
TEditorWindow* FindEditor(TMainForm& main, const QString& objectName);
// The open pile-material window, when there is one, loads itself again.
void ReloadMaterialWindow(TMainForm& main);
// Every open table window shows its table again (after its columns changed).
void RefreshTableWindows(TMainForm& main);
// Opens (or brings to the front) the editing window of a grid table.
void OpenTableWindow(TMainForm& main, TGridTable& table);

}  // namespace corvex

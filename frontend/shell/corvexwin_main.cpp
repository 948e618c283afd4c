// corvexwin: the desktop program. One optional argument, the project file to open.
#include <QApplication>
#include <QStringList>

#include "editors/editor_opener.h"
#include "shell/main_form.h"
#include "shell/qt_file_dialogs.h"
#include "shell/qt_message_layer.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Corvex 2014");
  QApplication::setOrganizationName("Halvorn");

  corvex::TQtMessageLayer messages;
  corvex::TQtFileDialogs dialogs;
  corvex::TMainForm form(messages, dialogs);
  form.EditorOpener = corvex::OpenInputEditor;
  messages.SetParent(&form);

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  form.show();
  form.StartUp(arguments);
  return app.exec();
}

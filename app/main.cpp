// vksetup: the configuration window of the hot-wire cutter. One context for
// the whole run; the window's close or "&Quitter" ends it.
#include <QApplication>
#include <memory>

#include "config/ini_path.h"
#include "platform/component.h"
#include "platform/paths.h"
#include "platform/qt_focused_textbox.h"
#include "platform/qt_messagebox.h"
#include "ui/app_context.h"
#include "ui/frm_config.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  platform::SetMessageBoxService(std::make_shared<platform::QtMessageBoxService>());
  platform::InstallQtFocusedTextBoxProvider();

  const std::filesystem::path programDir = platform::ProgramDir();
  platform::com::SetStorePath(programDir / "vkregistry.ini");
  ui::AppContext app(config::VelkorIniPath(programDir));

  ui::FrmConfig window(app);
  if (!window.Form_Load()) return 0;
  QObject::connect(&window, &ui::FrmConfig::programEnded, &application, &QApplication::quit,
                   Qt::QueuedConnection);
  window.show();
  return QApplication::exec();
}

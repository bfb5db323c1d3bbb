#include "ui/menus.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace ui {
namespace {

QAction* NewEntry(QMenu* menu, const QString& caption, const QString& name,
                  platform::ControlTable& controls, int index = -1) {
  QAction* action = menu->addAction(caption);
  controls.Add(action, name, index);
  return action;
}

QMenu* NewMenu(QMenuBar* bar, QMenu* parent, const QString& caption, const QString& name,
               platform::ControlTable& controls) {
  QMenu* menu = parent != nullptr ? parent->addMenu(caption) : bar->addMenu(caption);
  controls.Add(menu, name);
  return menu;
}

}  // namespace

Menus BuildMenus(QMainWindow& window, platform::ControlTable& controls) {
  QMenuBar* bar = window.menuBar();
  Menus m;
  // "&Quitter" is a command on the bar itself, without a submenu.
  m.IM_QUIT = bar->addAction(QStringLiteral("&Quitter"));
  controls.Add(m.IM_QUIT, QStringLiteral("IM_QUIT"));

  m.IM_TABLES =
      NewMenu(bar, nullptr, QStringLiteral("&Tables"), QStringLiteral("IM_TABLES"), controls);
  m.IM_SELECT_TABLE = NewEntry(m.IM_TABLES, QStringLiteral("&Sélectionner une Table"),
                               QStringLiteral("IM_SELECT_TABLE"), controls);
  m.IM_ADD_TABLE = NewEntry(m.IM_TABLES, QStringLiteral("&Ajouter une nouvelle table"),
                            QStringLiteral("IM_ADD_TABLE"), controls);
  controls.Add(m.IM_TABLES->addSeparator(), QStringLiteral("IM_SEP"), 1);
  m.IM_ORIGINE = NewEntry(m.IM_TABLES, QStringLiteral("&Rappeler Configuration d'Origine"),
                          QStringLiteral("IM_ORIGINE"), controls);

  m.IM_Jauge =
      NewMenu(bar, nullptr, QStringLiteral("&Jauge"), QStringLiteral("IM_Jauge"), controls);
  m.IM_Jauge_Show =
      NewEntry(m.IM_Jauge, QStringLiteral("&Jauge"), QStringLiteral("IM_Jauge_Show"), controls);

  m.MN_HLP = NewMenu(bar, nullptr, QStringLiteral("&Aide"), QStringLiteral("MN_HLP"), controls);
  m.MN_About =
      NewEntry(m.MN_HLP, QStringLiteral("&A_Propos"), QStringLiteral("MN_About"), controls);
  controls.Add(m.MN_HLP->addSeparator(), QStringLiteral("IM_SEPa"));
  m.MN_LANGUAGE =
      NewMenu(bar, m.MN_HLP, QStringLiteral("&Langues"), QStringLiteral("MN_LANGUAGE"), controls);
  auto* languages = new QActionGroup(m.MN_LANGUAGE);
  static constexpr const char* kLanguages[] = {"&Francais", "&Anglais", "&Espagnol"};
  for (std::size_t index = 0; index < m.IM_LANGUAGE.size(); ++index) {
    QAction* entry = NewEntry(m.MN_LANGUAGE, QString::fromLatin1(kLanguages[index]),
                              QStringLiteral("IM_LANGUAGE"), controls, static_cast<int>(index));
    entry->setCheckable(true);
    languages->addAction(entry);
    m.IM_LANGUAGE[index] = entry;
  }
  return m;
}

StatusBar BuildStatusBar(QMainWindow& window, platform::ControlTable& controls) {
  StatusBar s;
  s.bar = window.statusBar();
  controls.Add(s.bar, QStringLiteral("StatusUSB"));
  s.panels[0] = new QLabel(QStringLiteral("Détection de l' interface"), s.bar);
  s.panels[1] = new QLabel(QStringLiteral("Version"), s.bar);
  s.bar->addWidget(s.panels[0], 1);
  s.bar->addWidget(s.panels[1]);
  return s;
}

}  // namespace ui

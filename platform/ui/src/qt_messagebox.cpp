#include "platform/qt_messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

QMessageBox::StandardButtons StandardButtonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon QtIconOf(Icon icon) {
  switch (icon) {
    case Icon::None:
      return QMessageBox::NoIcon;
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Critical:
      return QMessageBox::Critical;
    case Icon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

Answer AnswerOf(int button, Buttons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      // Closed by Escape or the title bar: the box's cancelling answer.
      return buttons == Buttons::YesNo ? Answer::No
             : buttons == Buttons::Ok  ? Answer::Ok
                                       : Answer::Cancel;
  }
}

}  // namespace

Answer QtMessageBoxService::Show(const std::string& text, const std::string& title, Buttons buttons,
                                 Icon icon) {
  QMessageBox box(QtIconOf(icon), QString::fromStdString(title), QString::fromStdString(text),
                  StandardButtonsOf(buttons), QApplication::activeWindow());
  return AnswerOf(box.exec(), buttons);
}

}  // namespace platform

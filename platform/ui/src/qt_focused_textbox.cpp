#include "platform/qt_focused_textbox.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "platform/lineedit_textbox.h"
#include "platform/textbox.h"

namespace platform {

void InstallQtFocusedTextBoxProvider() {
  SetFocusedTextBoxProvider([]() -> Object {
    QWidget* focus = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) return MakeTextBox(edit);
    if (auto* combo = qobject_cast<QComboBox*>(focus)) return MakeTextBox(combo->lineEdit());
    return nullptr;
  });
}

}  // namespace platform

#pragma once
// A QLineEdit seen as a text-box object with the properties Text, SelText,
// SelStart and SelLength, so the key filters of the utility library can read
// the box they judge. The object does not own the line edit; once the line
// edit is gone every property access fails with "Object required".
#include <QPointer>

#include "platform/dispatch.h"

class QLineEdit;

namespace platform {

class LineEditTextBox : public Dispatch {
 public:
  explicit LineEditTextBox(QLineEdit* edit);

  std::optional<std::int32_t> IdOfName(std::string_view name) const override;
  Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<Variant> args) override;

  QLineEdit* lineEdit() const { return edit_; }

 private:
  QPointer<QLineEdit> edit_;
};

// A new text-box object over the line edit (null for a null line edit).
Object MakeTextBox(QLineEdit* edit);

}  // namespace platform

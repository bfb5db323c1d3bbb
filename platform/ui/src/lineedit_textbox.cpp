#include "platform/lineedit_textbox.h"

#include <strings.h>
#include <QLineEdit>
#include <algorithm>
#include <array>
#include <memory>

namespace platform {
namespace {

enum Member : std::int32_t { kText = 0, kSelText = 1, kSelStart = 2, kSelLength = 3 };
constexpr std::array<std::string_view, 4> kMemberNames = {"Text", "SelText", "SelStart",
                                                          "SelLength"};

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Selection start in characters; the caret when nothing is selected.
int SelStartOf(const QLineEdit& edit) {
  return edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
}

}  // namespace

LineEditTextBox::LineEditTextBox(QLineEdit* edit) : edit_(edit) {}

std::optional<std::int32_t> LineEditTextBox::IdOfName(std::string_view name) const {
  for (std::size_t i = 0; i < kMemberNames.size(); ++i) {
    if (SameName(name, kMemberNames[i])) return static_cast<std::int32_t>(i);
  }
  return std::nullopt;
}

Variant LineEditTextBox::Invoke(std::int32_t dispid, InvokeKind kind, std::span<Variant> args) {
  if (edit_ == nullptr) throw RuntimeError(err::ObjectRequired);
  if (dispid < kText || dispid > kSelLength) throw RuntimeError(err::NoSuchMember);
  QLineEdit& edit = *edit_;
  if (kind == InvokeKind::PropertyPut) {
    if (args.empty()) throw RuntimeError(err::ArgumentNotOptional);
    const Variant value = args.back().value();
    switch (dispid) {
      case kText:
        edit.setText(QString::fromStdString(value.toString()));
        break;
      case kSelText:
        edit.insert(QString::fromStdString(value.toString()));
        break;
      case kSelStart: {
        const int start = std::clamp(value.toInt32(), 0, static_cast<int>(edit.text().size()));
        edit.setCursorPosition(start);
        break;
      }
      case kSelLength: {
        const int start = SelStartOf(edit);
        const int length =
            std::clamp(value.toInt32(), 0, static_cast<int>(edit.text().size()) - start);
        edit.setSelection(start, length);
        break;
      }
    }
    return Variant();
  }
  switch (dispid) {
    case kText:
      return Variant(edit.text().toStdString());
    case kSelText:
      return Variant(edit.selectedText().toStdString());
    case kSelStart:
      return Variant(static_cast<std::int32_t>(SelStartOf(edit)));
    default:
      return Variant(static_cast<std::int32_t>(edit.selectedText().size()));
  }
}

Object MakeTextBox(QLineEdit* edit) {
  if (edit == nullptr) return nullptr;
  return std::make_shared<LineEditTextBox>(edit);
}

}  // namespace platform

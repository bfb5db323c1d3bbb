#include "platform/control_table.h"

#include <QVariant>

namespace platform {

void ControlTable::Add(QObject* control, const QString& name, int index) {
  control->setObjectName(name);
  if (index >= 0) control->setProperty("vkIndex", index);
  entries_.push_back(ControlEntry{name, index, control});
}

QObject* ControlTable::Find(const QString& name, int index) const {
  for (const ControlEntry& entry : entries_) {
    if (entry.index == index && entry.name.compare(name, Qt::CaseInsensitive) == 0) {
      return entry.control;
    }
  }
  return nullptr;
}

}  // namespace platform

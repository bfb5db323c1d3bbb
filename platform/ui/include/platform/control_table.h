#pragma once
// The controls of one window in window order, each with its window name and
// its index in a control array (-1 for a single control). Translation walks
// this table; tests and panels look controls up by name and index.
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

namespace platform {

struct ControlEntry {
  QString name;
  int index = -1;  // element of a control array when >= 0
  QPointer<QObject> control;
};

class ControlTable {
 public:
  // Appends the control, and gives it its window name as object name; the
  // array index is also kept as the dynamic property "vkIndex".
  void Add(QObject* control, const QString& name, int index = -1);

  const std::vector<ControlEntry>& entries() const { return entries_; }

  QObject* Find(const QString& name, int index = -1) const;
  template <class T>
  T* Get(const QString& name, int index = -1) const {
    return qobject_cast<T*>(Find(name, index));
  }

 private:
  std::vector<ControlEntry> entries_;
};

}  // namespace platform

#pragma once
// The program's main loop, started by the window's first activation: while
// the program runs, each time the event loop has delivered everything and is
// about to wait, a pending redraw request of the 3D view is served. It ends
// for good once Etat is "FIN". Starting it again while it runs does nothing.
#include <QMetaObject>
#include <QObject>
#include <functional>

#include "config/record.h"

namespace ui {

class MainLoop : public QObject {
  Q_OBJECT
 public:
  // serveRedraw: draws one frame when a redraw was requested.
  MainLoop(const config::Configuration& record, std::function<void()> serveRedraw,
           QObject* parent = nullptr);

  void Start();
  bool running() const { return static_cast<bool>(idle_); }
  // How many times the loop was started over the run.
  int starts() const { return starts_; }

  // One turn: serve a pending redraw, end at "FIN".
  void Turn();

 private:
  bool Finished() const { return record_.Etat == "FIN"; }
  void End();

  const config::Configuration& record_;
  std::function<void()> serveRedraw_;
  QMetaObject::Connection idle_;
  int starts_ = 0;
};

}  // namespace ui

#include "ui/main_loop.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

namespace ui {

MainLoop::MainLoop(const config::Configuration& record, std::function<void()> serveRedraw,
                   QObject* parent)
    : QObject(parent), record_(record), serveRedraw_(std::move(serveRedraw)) {}

void MainLoop::Start() {
  if (running() || Finished()) return;
  ++starts_;
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  if (dispatcher == nullptr) return;
  idle_ = connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &MainLoop::Turn);
  Turn();
}

void MainLoop::Turn() {
  if (Finished()) {
    End();
    return;
  }
  serveRedraw_();
  if (Finished()) End();
}

void MainLoop::End() {
  if (idle_) disconnect(idle_);
  idle_ = {};
}

}  // namespace ui

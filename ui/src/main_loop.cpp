#include "ui/main_loop.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

namespace ui {

MainLoop::MainLoop(const config::Configuration& record, std::function<bool()> takeRedrawRequest,
                   std::function<void()> redrawView, QObject* parent)
    : QObject(parent),
      record_(record),
      takeRedrawRequest_(std::move(takeRedrawRequest)),
      redrawView_(std::move(redrawView)) {}

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
  if (takeRedrawRequest_ && takeRedrawRequest_() && redrawView_) redrawView_();
  if (Finished()) End();
}

void MainLoop::End() {
  if (idle_) disconnect(idle_);
  idle_ = {};
}

}  // namespace ui

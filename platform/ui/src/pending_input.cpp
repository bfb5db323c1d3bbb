#include "platform/pending_input.h"

#include <dlfcn.h>

#include <QAbstractEventDispatcher>
#include <QByteArray>
#include <QCoreApplication>

#include "platform/clock.h"

namespace platform {

namespace {

// The queue-status flags the loops test: mouse button (0x04) and timer (0x10).
constexpr std::uint32_t kQueueFlags = 0x14;
constexpr std::int64_t kDefaultInterval = kCounterFrequency / 1000;

using ContextPendingFn = int (*)(void*);
using ContextDefaultFn = void* (*)();

struct Poller {
  std::int64_t interval = kDefaultInterval;
  std::int64_t nextPoll = 0;  // counter time of the next question to the dispatcher
  bool resolved = false;
  ContextPendingFn pending = nullptr;
  void* context = nullptr;
};

Poller& State() {
  static Poller poller;
  return poller;
}

// Qt's GLib dispatchers run the GUI thread on GLib's default main context;
// GLib itself is already in the process as a dependency of Qt.
void Resolve(Poller& poller) {
  const QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  if (dispatcher == nullptr) return;  // no event loop yet: ask again next time
  poller.resolved = true;
  if (!QByteArray(dispatcher->metaObject()->className()).contains("Glib")) return;
  auto defaultContext =
      reinterpret_cast<ContextDefaultFn>(dlsym(RTLD_DEFAULT, "g_main_context_default"));
  auto pending = reinterpret_cast<ContextPendingFn>(dlsym(RTLD_DEFAULT, "g_main_context_pending"));
  if (defaultContext == nullptr || pending == nullptr) return;
  poller.context = defaultContext();
  poller.pending = pending;
}

}  // namespace

std::uint32_t Messages_En_Attente() {
  Poller& poller = State();
  const std::int64_t now = CounterNow();
  if (now < poller.nextPoll) return 0;
  poller.nextPoll = now + poller.interval;
  if (QCoreApplication::instance() == nullptr) return 0;
  if (!poller.resolved) Resolve(poller);
  if (poller.pending == nullptr) return kQueueFlags;  // cannot ask: let one pass run
  return poller.pending(poller.context) != 0 ? kQueueFlags : 0;
}

void DoEvents() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

bool CheckPendingInput() {
  if (Messages_En_Attente() == 0) return false;
  DoEvents();
  return true;
}

void SetPendingInputInterval(std::int64_t ticks) {
  Poller& poller = State();
  poller.interval = ticks < 0 ? 0 : ticks;
  poller.nextPoll = 0;
}

std::int64_t PendingInputInterval() { return State().interval; }

bool PendingInputCanAskDispatcher() {
  Poller& poller = State();
  if (!poller.resolved && QCoreApplication::instance() != nullptr) Resolve(poller);
  return poller.pending != nullptr;
}

}  // namespace platform

// The pending-input check: cheap "nothing" between polls, a true answer when
// something is queued, and delivery only then.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include "platform/pending_input.h"

namespace {

class Counter : public QObject {
 public:
  int events = 0;
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) {
      ++events;
      return true;
    }
    return QObject::event(e);
  }
};

class PendingInput : public ::testing::Test {
 protected:
  void SetUp() override {
    QCoreApplication::processEvents();  // nothing left from earlier tests
    platform::SetPendingInputInterval(0);
  }
  void TearDown() override { platform::SetPendingInputInterval(10'000); }
};

TEST_F(PendingInput, TheDispatcherCanBeAsked) {
  EXPECT_TRUE(platform::PendingInputCanAskDispatcher());
}

TEST_F(PendingInput, NothingQueuedAnswersZeroAndDoesNotPump) {
  EXPECT_EQ(platform::Messages_En_Attente(), 0u);
  EXPECT_FALSE(platform::CheckPendingInput());
}

TEST_F(PendingInput, APostedEventIsSeenAndDelivered) {
  Counter counter;
  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  EXPECT_NE(platform::Messages_En_Attente(), 0u);
  EXPECT_TRUE(platform::CheckPendingInput());
  EXPECT_EQ(counter.events, 1);
  EXPECT_EQ(platform::Messages_En_Attente(), 0u);
}

TEST_F(PendingInput, SeesEventsPostedWhileNestedInsideAnEventHandler) {
  // A loop runs inside a click: the check is made from within a delivery.
  Counter counter;
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
    for (int pass = 0; pass < 1000 && counter.events == 0; ++pass) {
      if (platform::CheckPendingInput()) seen = true;
    }
  });
  for (int turn = 0; turn < 100 && counter.events == 0; ++turn) QCoreApplication::processEvents();
  EXPECT_TRUE(seen);
  EXPECT_EQ(counter.events, 1);
}

TEST_F(PendingInput, BetweenPollsTheCheckAnswersZeroWithoutAsking) {
  platform::SetPendingInputInterval(600'000'000);  // one minute
  EXPECT_EQ(platform::Messages_En_Attente(), 0u);  // first call polls
  Counter counter;
  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  EXPECT_EQ(platform::Messages_En_Attente(), 0u);
  EXPECT_EQ(counter.events, 0);
  QCoreApplication::processEvents();
}

}  // namespace

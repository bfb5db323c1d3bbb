#pragma once
// The pending-input check of the busy loops (jogs, heating, input watch):
// "is a click or a timer waiting?" asked once per pass, so it must cost next
// to nothing when nothing is queued, and the event pump that then lets the
// click run nested inside the loop.
//
// How it stays cheap: between polls the check is one counter read and a
// compare. Only once per poll interval (about 1 ms by the counter) does it
// ask the event dispatcher whether any source is ready. With the GLib
// dispatcher Qt uses on Linux, that question is g_main_context_pending() on
// the main context (window-system socket, Qt's posted events and timers are
// all sources there); it is resolved by name from the GLib already loaded by
// Qt, so we add no link dependency. Under any other dispatcher there is no
// such question and every poll answers "maybe", which costs one empty event
// pass per interval. A STOP click thus waits at most one interval.
//
// Process-wide by nature, like the window system queue it stands for. Call
// from the GUI thread only.
#include <cstdint>

namespace platform {

// Non-zero when input waits to be delivered (0x14: a mouse button or a timer,
// the flags the loops always asked for). Keyboard input may wake it too.
std::uint32_t Messages_En_Attente();

// One pass of the event loop: delivers what is queued now, never blocks.
void DoEvents();

// Messages_En_Attente() and, only when it is not 0, DoEvents(). True when it pumped.
bool CheckPendingInput();

// Poll interval in counter ticks (10 MHz); 10'000 (1 ms) by default. 0 asks
// the dispatcher at every call (benchmarks compare both).
void SetPendingInputInterval(std::int64_t ticks);
std::int64_t PendingInputInterval();

// True when the dispatcher can be asked (GLib found); false means every poll
// pumps blindly.
bool PendingInputCanAskDispatcher();

}  // namespace platform

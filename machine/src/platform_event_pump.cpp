#include "machine/window.h"
#include "platform/pending_input.h"

namespace machine {

std::uint32_t PlatformEventPump::Messages_En_Attente() { return platform::Messages_En_Attente(); }

void PlatformEventPump::DoEvents() { platform::DoEvents(); }

}  // namespace machine

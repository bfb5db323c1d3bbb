#include "machine/context.h"

#include "machine/test_avance_model.h"

namespace machine {

MachineContext::MachineContext(config::Configuration& record_, input32::PortLibrary& port_,
                               ConfigWindow& window_, EventPump& pump_)
    : record(record_), port(port_), window(window_), pump(pump_) {}

MachineContext::~MachineContext() = default;

TestAvanceModel& MachineContext::TestAvance() {
  if (testAvance_ == nullptr) {
    testAvance_ = std::make_unique<TestAvanceModel>(*this);
    testAvance_->Load();
  }
  return *testAvance_;
}

void PendingCheck(MachineContext& context) {
  if (context.pump.Messages_En_Attente() != 0) context.pump.DoEvents();
}

}  // namespace machine

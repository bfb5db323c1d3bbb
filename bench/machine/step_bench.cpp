// Measures the parallel-port step loop on the simulated port from its access
// trace: step period against the asked one, pulse width, direction set-up,
// full-speed step rate, the cost of a pending-input check with nothing queued
// and the STOP latency. Run: QT_QPA_PLATFORM=offscreen bench/bench_machine
#include <stdlib.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "config/record.h"
#include "input32/port.h"
#include "input32/simport.h"
#include "input32/trace.h"
#include "machine/context.h"
#include "machine/jog.h"
#include "machine/pacing.h"
#include "machine/step_loop.h"
#include "machine/test_avance_model.h"
#include "platform/clock.h"
#include "platform/component.h"
#include "platform/lazylib.h"
#include "platform/pending_input.h"

namespace {

constexpr const char* kLibrary = VK_PROGRAM_DIR "/libinput32.so";
constexpr double kTicksPerMicro = platform::kCounterFrequency / 1e6;

class BenchWindow : public machine::ConfigWindow {
 public:
  bool IsVisible() const override { return false; }
  machine::ScrollBarState HScroll1() const override { return {1, 1, 6}; }
  void SetIndice1(const std::string&) override {}
  std::string Indice() const override { return indice; }
  int HScroll11() const override { return 100; }
  int PB_Chauffe() const override { return pbChauffe; }
  void SetPB_Chauffe(int state) override { pbChauffe = state; }
  std::string Text12() const override { return "0"; }
  std::string Text9() const override { return "0"; }
  int Check10() const override { return 0; }
  int Check11() const override { return 0; }
  void SetCommand2Colour(machine::StopButtonColour) override {}
  void StopCalibrationHeating() override {}
  void Carte_Machine() override {}

  std::string indice = "100";
  int pbChauffe = 0;
};

// The program's pump, with a hook that can stand for a click at a given pass.
class HookedPump : public machine::PlatformEventPump {
 public:
  std::uint32_t Messages_En_Attente() override {
    ++passes;
    if (clickAt > 0 && passes == clickAt) return 0x04;
    return machine::PlatformEventPump::Messages_En_Attente();
  }
  void DoEvents() override {
    if (clickAt > 0 && passes == clickAt && onClick) {
      clickAt = 0;  // one click
      onClick();
    }
    machine::PlatformEventPump::DoEvents();
  }
  long passes = 0;
  long clickAt = 0;
  std::function<void()> onClick;
};

struct Rig {
  std::filesystem::path folder;
  config::Configuration record;
  BenchWindow window;
  HookedPump pump;
  std::unique_ptr<machine::MachineContext> context;
};

input32::PortLibrary& Port() {
  static input32::PortLibrary port(nullptr, kLibrary);
  return port;
}

void ResetPort() {
  static platform::LazyLibrary library(kLibrary);
  reinterpret_cast<void (*)()>(library.Symbol("Input32_Reset"))();
}

std::unique_ptr<Rig> MakeRig(double x1mm) {
  auto rig = std::make_unique<Rig>();
  std::string pattern = (std::filesystem::temp_directory_path() / "vkbench.XXXXXX").string();
  rig->folder = ::mkdtemp(pattern.data());
  setenv("VK_SIMPORT_DIR", rig->folder.c_str(), 1);
  ResetPort();
  config::Configuration& r = rig->record;
  r.Bits = platform::com::CreateObject("VK_DLL.Bits");
  r.Masques = config::PinMasks::AfterLoad();
  r.X1_Avance = static_cast<std::int32_t>(2);
  r.X1_Sens = static_cast<std::int32_t>(3);
  r.X1_mm = x1mm;
  r.Pin_Moteur = 17;
  r.Pin_Chauffe = 16;
  r.Arret = 0;
  rig->context = std::make_unique<machine::MachineContext>(r, Port(), rig->window, rig->pump);
  return rig;
}

void DropRig(std::unique_ptr<Rig>& rig) {
  rig->context.reset();
  ResetPort();
  std::error_code ignored;
  std::filesystem::remove_all(rig->folder, ignored);
  rig.reset();
}

std::vector<input32::StepEvent> StepsOf(const Rig& rig) {
  const auto trace = input32::ReadTrace(rig.folder / input32::kTraceFileName);
  if (!trace) return {};
  const input32::StepLines x1{0x01, 0x02};
  return input32::DecodeSteps(trace->records, input32::kBaseLpt1, {&x1, 1});
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(at, values.size() - 1)];
}

double Mean(const std::vector<double>& values) {
  return values.empty() ? 0 : std::accumulate(values.begin(), values.end(), 0.0) / values.size();
}

void PeriodRow(double askedSeconds, double nbPas) {
  // The period is X1_mm / speed with the speed bar at 1 mm/s.
  auto rig = MakeRig(askedSeconds > 0 ? askedSeconds : 0.00001);
  const double asked = machine::StepPeriodOf(*rig->context, nbPas).value();
  machine::Deplace_LPT(*rig->context, nbPas, 0x02, 0x01, "X1A");
  const auto steps = StepsOf(*rig);
  std::vector<double> periods;
  std::vector<double> deviations;
  std::vector<double> widths;
  for (std::size_t i = 1; i < steps.size(); ++i) {
    const double us = static_cast<double>(steps[i].rise - steps[i - 1].rise) / kTicksPerMicro;
    periods.push_back(us);
    deviations.push_back(std::abs(us - asked * 1e6));
  }
  for (const auto& step : steps) {
    if (step.pulseWidth) widths.push_back(static_cast<double>(*step.pulseWidth) / kTicksPerMicro);
  }
  const double mean = Mean(periods);
  std::printf("%9.4f ms %7zu %12.2f %10.2f %8.4f %9.2f %9.2f %9.2f %8.2f %8.2f", asked * 1e3,
              steps.size(), mean, Percentile(periods, 0.5), asked > 0 ? mean / (asked * 1e6) : 0.0,
              Percentile(deviations, 0.99), Percentile(deviations, 0.999),
              deviations.empty() ? 0.0 : *std::max_element(deviations.begin(), deviations.end()),
              widths.empty() ? 0.0 : *std::min_element(widths.begin(), widths.end()),
              Percentile(widths, 0.5));
  if (asked == 0 && steps.size() > 1) {
    const double seconds =
        static_cast<double>(steps.back().rise - steps.front().rise) / platform::kCounterFrequency;
    std::printf("  %.0f steps/s", static_cast<double>(steps.size() - 1) / seconds);
  }
  std::printf("\n");
  DropRig(rig);
}

void DirectionSetup() {
  auto rig = MakeRig(0.001);
  for (int move = 0; move < 200; ++move) {
    const bool forward = move % 2 == 0;
    machine::Deplace_LPT(*rig->context, 1, forward ? 0x02 : 0x00, 0x01, forward ? "X1A" : "X1R");
  }
  std::vector<double> setups;
  for (const auto& step : StepsOf(*rig)) {
    if (step.directionSetup && *step.directionSetup < platform::kCounterFrequency / 100) {
      setups.push_back(static_cast<double>(*step.directionSetup) / kTicksPerMicro);
    }
  }
  std::printf("direction set-up over %zu reversals: min %.2f us, median %.2f us\n", setups.size(),
              setups.empty() ? 0.0 : *std::min_element(setups.begin(), setups.end()),
              Percentile(setups, 0.5));
  DropRig(rig);
}

double NanosPerCall(const std::function<void()>& call, int calls) {
  const std::int64_t start = platform::CounterNow();
  for (int i = 0; i < calls; ++i) call();
  return static_cast<double>(platform::CounterNow() - start) * 100.0 / calls;
}

void PendingCost() {
  constexpr int kCalls = 2'000'000;
  const double throttled = NanosPerCall([] { platform::Messages_En_Attente(); }, kCalls);
  platform::SetPendingInputInterval(0);
  const double asking = NanosPerCall([] { platform::Messages_En_Attente(); }, kCalls / 20);
  const double pumping = NanosPerCall([] { platform::DoEvents(); }, kCalls / 20);
  platform::SetPendingInputInterval(platform::kCounterFrequency / 1000);
  std::printf("pending-input check, nothing queued (dispatcher %s):\n",
              platform::PendingInputCanAskDispatcher() ? "asked" : "not askable");
  std::printf("  polled every 1 ms   %8.1f ns per check\n", throttled);
  std::printf("  asked at every call %8.1f ns per check\n", asking);
  std::printf("  one event pass      %8.1f ns (what a blind pump would cost)\n", pumping);
}

void StopLatency(const char* indice, long clickAt) {
  std::vector<double> latencies;
  double window = 0;
  for (int run = 0; run < 20; ++run) {
    auto rig = MakeRig(0.001);
    rig->window.indice = indice;
    window = machine::HeatingWindow(indice).value() * 1e3;
    std::int64_t clicked = 0;
    machine::MachineContext& context = *rig->context;
    rig->pump.clickAt = clickAt;
    rig->pump.onClick = [&] {
      clicked = platform::CounterNow();
      machine::Command2_Click(context);
    };
    machine::Deplace_LPT(context, 1e9, 0x02, 0x01, "X1A");
    latencies.push_back(static_cast<double>(platform::CounterNow() - clicked) / 1e4);
    DropRig(rig);
  }
  std::printf("STOP latency, heating window %.4f ms: median %.3f ms, worst %.3f ms (20 runs)\n",
              window, Percentile(latencies, 0.5),
              *std::max_element(latencies.begin(), latencies.end()));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  setenv("VK_PORT", "sim", 1);
  platform::com::SetStorePath(std::filesystem::path(VK_PROGRAM_DIR) / "vkregistry.ini");

  std::printf("step loop on the simulated port, heating window 2.5 ms, heating off\n");
  std::printf("%12s %7s %12s %10s %8s %9s %9s %9s %8s %8s\n", "asked", "steps", "mean us",
              "median us", "ratio", "p99 dev", "p99.9dev", "worst", "pw min", "pw med");
  PeriodRow(0.010, 200);
  PeriodRow(0.001, 2000);
  PeriodRow(0.0001, 10000);
  PeriodRow(0, 50000);
  DirectionSetup();
  PendingCost();
  StopLatency("100", 5000);
  StopLatency("50", 5000);
  return 0;
}

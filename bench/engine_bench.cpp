// Speed of one press of EXE: typical expressions, and inputs that grow.
//
//   cmake -S . -B build-bench -G Ninja -DZORVANE_BUILD_BENCH=ON
//   ninja -C build-bench engine_bench && build-bench/bench/engine_bench
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_inputs.h"
#include "engine/exe.h"

namespace zorvane::bench {
namespace {

// One press of EXE; fails the run when the result is not the
// expected one (or, without one, is "error"), so that a fast wrong answer is
// never reported as a figure.
void PressExe(benchmark::State& state, const ExeInput& in, const std::string& expected) {
  const ExeOutput first = RunExe(in);
  const std::string log = first.entry.value_or("");
  const bool wrong = expected.empty() ? log.ends_with("\r\n=error") || log.empty()
                                      : log != in.input + "\r\n=" + expected;
  if (wrong) {
    state.SkipWithError(
        ("unexpected log: " + first.entry.value_or("<none>").substr(0, 200)).c_str());
    return;
  }
  for (auto _ : state) {
    ExeOutput out = RunExe(in);
    benchmark::DoNotOptimize(out);
  }
  state.SetLabel(std::to_string(in.input.size()) + " chars");
}

ExeInput Input(std::string text, bool deg = false, bool fixE = false) {
  ExeInput in;
  in.input = std::move(text);
  in.deg = deg;
  in.fixE = fixE;
  in.formulaState = {};  // idle
  return in;
}

struct Typical {
  const char* name;
  const char* text;
  bool deg;
  bool fixE;
  const char* result;
};

// Results worked out by hand; a change of result shows as an error in the run.
const Typical kTypical[] = {
    {"sin_deg", "2*(1+SIN30)", true, false, "3"},
    {"precedence", "1+2*3-8/4", false, false, "5"},
    {"nested_brackets", "((1+2)*(3-4))/[5+{6-(7-8)}]", false, false, "-.25"},
    {"power_chain", "2^3^2", false, false, "64"},
    {"sign_power", "-2^2+(-2)^3", false, false, "-12"},
    {"exponent_marks", "1.5E-3*2E5", false, false, "300"},
    {"functions", "SQR(2)+LOG(100)-LN(EXP(1))", false, false, "2.414213562"},
    {"inverse_deg", "ASN(0.5)+ACS(0.5)", true, false, "90"},
    {"trig_deg", "TAN(45)*COS(60)/SIN(30)", true, false, "1"},
    {"decimals", "12345.678/9.87-0.001", false, false, "1250.827571"},
    {"fix_e", "1/3", false, true, "3.333333333E-01"},
    {"pi", "PI*2", false, false, "6.283185307"},
    {"long_mixed", "3.5*(2^10-SQR(144))/(1.5E2+PI)-LOG(1000)*ATN(1)+EXP(-1)/[2-{1/7}]", false,
     false, "20.97081676"},
};

void RegisterTypical() {
  for (const Typical& t : kTypical) {
    benchmark::RegisterBenchmark(
        (std::string("typical/") + t.name).c_str(),
        [t](benchmark::State& state) { PressExe(state, Input(t.text, t.deg, t.fixE), t.result); })
        ->Unit(benchmark::kNanosecond);
  }
}

// The series by count: flat sums, nested brackets and the like of 100, 1,000
// and 10,000 terms.
void RegisterCounts() {
  for (const char* name : {"flat_sum", "nested_left", "power_chain", "sqr_nested"}) {
    const Shape* shape = FindShape(name);
    for (const int count : {100, 1000, 10000}) {
      benchmark::RegisterBenchmark(
          (std::string("terms/") + name + "/" + std::to_string(count)).c_str(),
          [shape, count](benchmark::State& state) {
            PressExe(state, Input(shape->make(count), shape->deg), "");
          })
          ->Unit(benchmark::kMillisecond)
          ->MinTime(0.2);  // an input slower than that runs once
    }
  }
}

// Every shape at 10,000 characters and at the Input Box's limit of 32,767.
void RegisterLengths() {
  for (const Shape& shape : Shapes()) {
    for (const std::size_t length : {std::size_t{1000}, std::size_t{10000}, std::size_t{32767}}) {
      const Shape* s = &shape;
      benchmark::RegisterBenchmark(
          (std::string("chars/") + std::string(shape.name) + "/" + std::to_string(length)).c_str(),
          [s, length](benchmark::State& state) {
            PressExe(state, Input(OfLength(*s, length), s->deg), "");
          })
          ->Unit(benchmark::kMillisecond)
          ->MinTime(0.2);  // an input slower than that runs once
    }
  }
}

const bool kRegistered = [] {
  RegisterTypical();
  RegisterCounts();
  RegisterLengths();
  return true;
}();

}  // namespace
}  // namespace zorvane::bench

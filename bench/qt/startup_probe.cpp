// zorvane_startup_probe: the zorvane program itself, reporting its first paint
// (see first_paint_probe.h), for scripts/startup-compare.
#include "bench/qt/first_paint_probe.h"
#include "qt/window_program.h"

int main(int argc, char* argv[]) {
  return zorvane::qt::RunWindowProgram(argc, argv, &zorvane::bench::FirstPaintProbe::Install);
}

// exe_cost_probe: what one press of EXE costs on the real window, with an empty
// log and with a long one. Opens the main window (offscreen unless another Qt
// platform is chosen), fills the log with ENTRIES entries of the form EXE writes,
// then presses EXE ROUNDS times and prints the process CPU time per press,
// painting included.
//
//   QT_QPA_PLATFORM=offscreen exe_cost_probe [ROUNDS] [ENTRIES...]
//
// Defaults: 200 rounds, logs of 0 and 10000 entries.
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "qt/edit_boxes.h"
#include "qt/qt_platform.h"
#include "window/main_dlg.h"

namespace {

using namespace zorvane;

double CpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

int Number(std::string_view text, int fallback) {
  int value = fallback;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return (error == std::errc() && end == text.data() + text.size() && value >= 0) ? value
                                                                                  : fallback;
}

// A log of `entries` entries as EXE leaves it, newest on top.
std::string Log(int entries) {
  std::string log;
  for (int i = 0; i < entries; ++i) {
    if (i) log += "\r\n";
    log += "12345+67890\r\n=80235";
  }
  return log;
}

// Milliseconds of CPU time per press of EXE with a log of `entries` entries.
double MeasureExe(QDialog& dialog, int entries, int rounds) {
  auto* input = dialog.findChild<QPlainTextEdit*>(QStringLiteral("control1001"));
  auto* output = dialog.findChild<QPlainTextEdit*>(QStringLiteral("control1002"));
  auto* exe = dialog.findChild<QPushButton*>(QStringLiteral("control1011"));
  if (!input || !output || !exe) return -1;
  qt::QtEditControl(*output).SetWindowText(Log(entries));
  qt::QtEditControl(*input).SetWindowText("12345+67890");
  QApplication::processEvents();
  const double start = CpuMilliseconds();
  for (int i = 0; i < rounds; ++i) {
    exe->click();
    QApplication::processEvents();
  }
  return (CpuMilliseconds() - start) / rounds;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int rounds = argc > 1 ? Number(argv[1], 200) : 200;
  std::vector<int> logs;
  for (int i = 2; i < argc; ++i)
    logs.push_back(Number(argv[i], 0));
  if (logs.empty()) logs = {0, 10000};

  qt::QtPlatform platform;
  window::CMainDlg dlg(platform);
  QTimer::singleShot(0, [&] {
    QDialog* dialog = platform.TopDialog();
    if (!dialog) return;
    for (int entries : logs) {
      std::printf("log of %5d entries: %.3f ms CPU per EXE (%d presses)\n", entries,
                  MeasureExe(*dialog, entries, rounds), rounds);
    }
    dialog->reject();
  });
  dlg.DoModal();
  return 0;
}

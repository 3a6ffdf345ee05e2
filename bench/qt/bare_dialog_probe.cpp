// bare_dialog_probe: the yardstick for the window's start-up. A minimal Qt 6
// dialog (one label, one button) that reports its first paint the way
// zorvane_startup_probe does, for scripts/startup-compare.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "bench/qt/first_paint_probe.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  zorvane::bench::FirstPaintProbe::Install();
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Bare"));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QStringLiteral("A minimal Qt 6 dialog"), &dialog));
  layout->addWidget(new QPushButton(QStringLiteral("OK"), &dialog));
  return dialog.exec();
}

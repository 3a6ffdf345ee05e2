// zorvane: the calculator window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "command_line.h"
#include "first_paint_probe.h"
#include "qt_platform.h"
#include "window/main_app.h"
#include "zorvane_facts.h"

namespace {

// Standard output and error through stdio: the iostreams would set up their
// locales at start-up for these few lines.
void Write(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

// While Qt starts, a display that cannot be reached ends the program with one
// plain line instead of the toolkit's messages and an abort.
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const QByteArray category(context.category ? context.category : "");
  if (type == QtFatalMsg || (type == QtWarningMsg && category.startsWith("qt.qpa"))) {
    if (type == QtFatalMsg || message.contains(QLatin1String("could not connect to display"))) {
      const char* display = std::getenv("DISPLAY");
      std::fprintf(stderr,
                   "zorvane: cannot open the display%s%s; use zorvane-cli to calculate in a "
                   "terminal\n",
                   display ? " " : "", display ? display : "");
      std::_Exit(1);
    }
    return;
  }
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace zorvane;
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  switch (qt::ParseCommandLine(arguments)) {
    case qt::Launch::Help:
      Write(stdout, qt::HelpText());
      return 0;
    case qt::Launch::Version:
      Write(stdout, qt::VersionText());
      return 0;
    case qt::Launch::UsageError:
      Write(stderr, qt::UsageErrorText(arguments));
      return 2;
    case qt::Launch::Window:
      break;
  }
  if (!qt::DisplayAvailable()) {
    Write(stderr, qt::NoDisplayText());
    return 1;
  }

  const QtMessageHandler previous = qInstallMessageHandler(StartupMessages);
  QApplication application(argc, argv);
  qInstallMessageHandler(previous);
  QApplication::setApplicationName(QStringLiteral("zorvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Zorvane"));
  QApplication::setDesktopFileName(QStringLiteral(ZORVANE_APP_ID));

  qt::FirstPaintProbe::InstallIfRequested();

  qt::QtPlatform platform;
  window::CMainApp theApp(platform);
  return afx::AfxWinMain(theApp);
}

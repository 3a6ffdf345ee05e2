#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "qt/command_line.h"
#include "qt/qt_platform.h"
#include "qt/window_program.h"
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

namespace zorvane::qt {

int RunWindowProgram(int argc, char* argv[], void (*started)()) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  switch (ParseCommandLine(arguments)) {
    case Launch::Help:
      Write(stdout, HelpText());
      return 0;
    case Launch::Version:
      Write(stdout, VersionText());
      return 0;
    case Launch::UsageError:
      Write(stderr, UsageErrorText(arguments));
      return 2;
    case Launch::Window:
      break;
  }
  if (!DisplayAvailable()) {
    Write(stderr, NoDisplayText());
    return 1;
  }

  const QtMessageHandler previous = qInstallMessageHandler(StartupMessages);
  QApplication application(argc, argv);
  qInstallMessageHandler(previous);
  QApplication::setApplicationName(QStringLiteral("zorvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Zorvane"));
  QApplication::setDesktopFileName(QStringLiteral(ZORVANE_APP_ID));

  if (started) started();

  QtPlatform platform;
  window::CMainApp theApp(platform);
  return afx::AfxWinMain(theApp);
}

}  // namespace zorvane::qt

#include "help_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "resources/help/help_text.h"

namespace zorvane::qt {
namespace {

QPointer<QDialog> g_open;

}  // namespace

void ShowHelpWindow(QWidget* owner) {
  QDialog window(owner);
  window.setObjectName(QStringLiteral("help"));
  window.setWindowTitle(QStringLiteral("Zorvane Help"));
  if (owner) window.setFont(owner->font());  // a window of its own inherits none

  auto* text = new QPlainTextEdit(&window);
  text->setReadOnly(true);
  text->setPlainText(QString::fromUtf8(res::kHelpText.data(), qsizetype(res::kHelpText.size())));
  text->setAccessibleName(QStringLiteral("Help"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);

  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(text);
  layout->addWidget(buttons);
  // About 64 characters by 24 lines of the dialog font: small, yet readable.
  const QFontMetrics metrics(window.font());
  window.resize(metrics.averageCharWidth() * 64, metrics.lineSpacing() * 24);
  text->setFocus();

  g_open = &window;
  window.exec();
}

QDialog* OpenHelpWindow() {
  return g_open.data();
}

}  // namespace zorvane::qt

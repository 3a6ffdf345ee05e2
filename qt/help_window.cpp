#include "qt/help_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "resources/help/help_text.h"

namespace zorvane::qt {
namespace {

constexpr int kLinesShown = 32;

// The help in `box`, one block a line; a line's leading blanks become its
// block's left margin, so that a paragraph that wraps keeps its indent.
// Returns the width of the widest line, paragraphs counted at the reading width.
int FillHelp(QTextEdit& box) {
  const QFontMetrics metrics(box.font());
  const int readingWidth = metrics.averageCharWidth() * res::kHelpColumns;
  const QString text =
      QString::fromUtf8(res::kHelpText.data(), qsizetype(res::kHelpText.size())).trimmed();
  QTextCursor cursor(box.document());
  int widest = 0;
  bool first = true;
  for (QStringView line : QStringView(text).split(u'\n')) {
    qsizetype blanks = 0;
    while (blanks < line.size() && line[blanks] == u' ')
      ++blanks;
    const QStringView words = line.mid(blanks);
    QTextBlockFormat format;
    format.setLeftMargin(metrics.horizontalAdvance(QString(blanks, u' ')));
    if (first) {
      cursor.setBlockFormat(format);
      first = false;
    } else {
      cursor.insertBlock(format);
    }
    cursor.insertText(words.toString());
    const int width = int(format.leftMargin()) + metrics.horizontalAdvance(words.toString());
    widest = std::max(widest, std::min(width, readingWidth));
  }
  box.moveCursor(QTextCursor::Start);
  return widest;
}

}  // namespace

void ShowHelpWindow(QWidget* owner) {
  QDialog window(owner);
  window.setObjectName(QStringLiteral("help"));
  // The window system puts the program's name behind a title that does not
  // end with it; this one does, so it is said once.
  window.setWindowTitle(QStringLiteral("Help \u2014 Zorvane"));
  if (owner) window.setFont(owner->font());  // a window of its own inherits none

  auto* text = new QTextEdit(&window);
  text->setReadOnly(true);
  text->setAccessibleName(QStringLiteral("Help"));
  text->setLineWrapMode(QTextEdit::WidgetWidth);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int widest = FillHelp(*text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);

  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(text);
  layout->addWidget(buttons);
  // Wide enough for the widest line at the dialog font, beside the scroll bar,
  // and some thirty lines high; never larger than most of the screen.
  const QMargins around = layout->contentsMargins();
  const int margin = int(2 * text->document()->documentMargin()) + 2 * text->frameWidth();
  const int width = widest + margin + text->verticalScrollBar()->sizeHint().width() +
                    around.left() + around.right();
  const int height = QFontMetrics(window.font()).lineSpacing() * kLinesShown + margin +
                     buttons->sizeHint().height() + layout->spacing() + around.top() +
                     around.bottom();
  QSize size(width, height);
  if (const QScreen* screen = owner ? owner->screen() : window.screen()) {
    size = size.boundedTo(screen->availableSize() * 9 / 10);
  }
  window.resize(size);
  text->setFocus();

  window.exec();
}

}  // namespace zorvane::qt

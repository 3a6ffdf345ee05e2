#include "qt/edit_boxes.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>

#include "engine/text/capitals.h"
#include "qt/text_positions.h"
#include "window/edit_limit.h"
#include "window/number_at.h"
#include "window/text_change.h"

namespace zorvane::qt {
namespace {

void SendToBridge(QAccessibleEvent* event) {
  QAccessible::updateAccessibility(event);
}

AccessibilityEventSink g_accessibilitySink = SendToBridge;

void BeepAloud() {
  QApplication::beep();
}

BeepSink g_beepSink = BeepAloud;

bool IsEnter(const QKeyEvent& event) {
  return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// Text that a key press types: printable characters only.
bool IsTypedText(const QString& text) {
  if (text.isEmpty()) return false;
  for (QChar c : text) {
    if (c.category() == QChar::Other_Control) return false;
  }
  return true;
}

// Typed text as a box with the upper-case style takes it: a to z become
// capitals, everything else stays as typed.
QString Capitals(const QString& text) {
  return QString::fromStdU16String(ToCapitals(text.toStdU16String()));
}

}  // namespace

void SetAccessibilityEventSink(AccessibilityEventSink sink) {
  g_accessibilitySink = sink ? sink : SendToBridge;
}

void SetBeepSink(BeepSink sink) {
  g_beepSink = sink ? sink : BeepAloud;
}

void Beep() {
  g_beepSink();
}

EditBox::EditBox(QWidget* parent, bool upperCase, bool readOnly)
    : QPlainTextEdit(parent), upperCase_(upperCase) {
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setUndoRedoEnabled(!readOnly);
  if (readOnly) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
}

void EditBox::keyPressEvent(QKeyEvent* event) {
  QToolTip::hideText();  // the user has moved on
  // Ctrl and Alt together are AltGr on some systems, which types as usual.
  const Qt::KeyboardModifiers held = event->modifiers();
  if ((held & Qt::AltModifier) && !(held & Qt::ControlModifier) && IsTypedText(event->text())) {
    Beep();
    event->accept();
    return;
  }
  if (isReadOnly()) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  if (IsEnter(*event)) {
    if (event->modifiers() & Qt::ControlModifier) {
      InsertTyped(QStringLiteral("\n"));
      event->accept();
    } else if (pressDefault_) {
      pressDefault_();
      event->accept();
    } else {
      event->ignore();
    }
    return;
  }
  const Qt::KeyboardModifiers commandKeys =
      Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (!(event->modifiers() & commandKeys) && IsTypedText(event->text())) {
    InsertTyped(event->text());
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

// A double-click picks the whole number under the pointer, a result such as
// 1.414213562 or 1.5E-10, where the toolkit's word rule would stop at the point
// or the sign, and makes it the primary selection. Elsewhere it picks a word as
// always; a third click still takes the line, and dragging on extends as after
// any double-click.
void EditBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseDoubleClickEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const QTextCursor under = cursorForPosition(event->position().toPoint());
  const QTextBlock block = under.block();
  const QString line = block.text();
  const std::optional<window::NumberSpan> number =
      window::NumberAt(Utf16(line), under.positionInBlock());
  if (!number) return;
  QTextCursor cursor = textCursor();
  cursor.setPosition(block.position() + number->start);
  cursor.setPosition(block.position() + number->end, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  // The toolkit gave the primary selection its word ("5E" of 1.5E-10); a
  // middle-click must paste the number shown selected.
  QClipboard* clipboard = QApplication::clipboard();
  if (clipboard->supportsSelection())
    clipboard->setMimeData(createMimeDataFromSelection(), QClipboard::Selection);
}

// A pointer that rests on a line of text gets the tip for its place there, if
// any; below the last line it gets none.
bool EditBox::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip || !tipAt_) return QPlainTextEdit::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QTextCursor under = cursorForPosition(help->pos());
  const QRect line = cursorRect(under);
  const bool onLine = help->pos().y() >= line.top() && help->pos().y() <= line.bottom();
  const QString tip = onLine ? tipAt_(under.position()) : QString();
  if (tip.isEmpty()) {
    QToolTip::hideText();
  } else {
    // It goes when the pointer leaves the line.
    const QRect area(0, line.top(), viewport()->width(), line.height());
    QToolTip::showText(help->globalPos(), tip, viewport(), area);
  }
  return true;
}

void EditBox::insertFromMimeData(const QMimeData* source) {
  if (isReadOnly() || !source || !source->hasText()) return;
  QString text = FromWindowText(source->text().toStdString());
  InsertTyped(std::move(text));
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (commit.isEmpty() || isReadOnly()) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  // The commit replaces the selection, as typing does; one that does not fit is
  // dropped whole.
  const bool fits = FitsOverSelection(commit);
  if (!fits) Beep();
  QInputMethodEvent changed(event->preeditString(), event->attributes());
  if (fits) {
    changed.setCommitString(upperCase_ ? Capitals(commit) : commit, event->replacementStart(),
                            event->replacementLength());
  }
  QPlainTextEdit::inputMethodEvent(&changed);
}

// Whether `insert` in place of the selection stays within the edit limit.
bool EditBox::FitsOverSelection(QStringView insert) const {
  const QTextCursor cursor = textCursor();
  return window::FitsEditLimit(Utf16(toPlainText()), cursor.selectionStart(), cursor.selectionEnd(),
                               Utf16(insert));
}

// Typing and pasting: capitals where the box asks for them; an insertion that
// would pass the limit is refused whole.
void EditBox::InsertTyped(QString text) {
  if (text.isEmpty()) return;
  if (upperCase_) text = Capitals(text);
  if (!FitsOverSelection(text)) {
    Beep();
    return;
  }
  // A run of typing is one step of undo, and a command's edit one of its own: an
  // insertion joins the step before only when that was typing that ended here.
  QTextCursor cursor = textCursor();
  const TypingRun here{document()->availableUndoSteps(), cursor.position()};
  if (!cursor.hasSelection() && here == typingRun_) {
    cursor.joinPreviousEditBlock();
  } else {
    cursor.beginEditBlock();
  }
  cursor.insertText(text);
  cursor.endEditBlock();
  typingRun_ = {document()->availableUndoSteps(), cursor.position()};
  setTextCursor(cursor);
  ensureCursorVisible();
}

void QtEditControl::SetFocus() {
  edit_.setFocus(Qt::OtherFocusReason);
}

void QtEditControl::GetSel(int& start, int& end) const {
  const QTextCursor cursor = edit_.textCursor();
  const QString plain = edit_.toPlainText();
  start = ToWindowPosition(plain, cursor.selectionStart());
  end = ToWindowPosition(plain, cursor.selectionEnd());
}

std::string QtEditControl::GetWindowText() const {
  return ToWindowText(edit_.toPlainText());
}

void QtEditControl::SetWindowText(std::string_view text) {
  edit_.setAccessibleDescription(QString());
  edit_.setPlainText(FromWindowText(text));
  QTextCursor cursor(edit_.document());
  edit_.setTextCursor(cursor);
}

bool QtEditControl::IsEmpty() const {
  return edit_.document()->isEmpty();
}

// Only the new text is inserted, so a log entry put in front of the log costs
// that entry alone, however long the log has grown.
void QtEditControl::ReplaceSel(std::string_view text) {
  QTextCursor cursor = edit_.textCursor();
  cursor.insertText(FromWindowText(text));
  edit_.setTextCursor(cursor);
}

// Only the part that differs is replaced, as one step of the box's undo, begun
// by the box's own cursor where the caret stands, as typing begins one: Ctrl+Z
// takes a command's edit back as it takes back typing, and puts the caret back
// where it stood.
void QtEditControl::ReplaceText(std::string_view text) {
  const QString wanted = FromWindowText(text);
  const QString plain = edit_.toPlainText();
  QTextCursor cursor = edit_.textCursor();
  const window::TextChange change =
      window::ChangedPart(Utf16(plain), Utf16(wanted), std::size_t(cursor.selectionStart()),
                          std::size_t(cursor.selectionEnd()));
  if (change.removed > 0 || change.inserted > 0) {
    cursor.beginEditBlock();
    cursor.setPosition(int(change.start));
    cursor.setPosition(int(change.start + change.removed), QTextCursor::KeepAnchor);
    cursor.insertText(wanted.mid(qsizetype(change.start), qsizetype(change.inserted)));
    cursor.endEditBlock();
  }
  cursor.setPosition(0);
  edit_.setTextCursor(cursor);
}

void QtEditControl::Beep() {
  qt::Beep();
}

int QtEditControl::WindowPosition(int position) const {
  const QTextBlock block = edit_.document()->findBlock(position);
  if (!block.isValid()) return WindowLength(edit_.toPlainText());
  int window = 0;
  for (QTextBlock before = edit_.document()->begin(); before != block; before = before.next())
    window += WindowLength(before.text()) + 2;  // the line break, CR LF
  return window + ToWindowPosition(block.text(), position - block.position());
}

// The document position of a window position, read line by line up to it, so
// that placing the caret near the start of a long log costs little. Beyond the
// end: the end.
int QtEditControl::DocumentPosition(int position) const {
  int window = 0;
  for (QTextBlock block = edit_.document()->begin(); block.isValid(); block = block.next()) {
    const QString line = block.text();
    const int length = WindowLength(line);
    if (position <= window + length)
      return block.position() + FromWindowPosition(line, position - window);
    window += length + 2;  // the line break, CR LF
    if (position < window) return block.position() + int(line.size());
  }
  return edit_.document()->characterCount() - 1;
}

void QtEditControl::SetSel(int start, int end) {
  QTextCursor cursor = edit_.textCursor();
  if (start == -1) {
    cursor.clearSelection();
  } else {
    const int last = end < 0 ? edit_.document()->characterCount() - 1 : DocumentPosition(end);
    cursor.setPosition(DocumentPosition(start));
    cursor.setPosition(last, QTextCursor::KeepAnchor);
  }
  edit_.setTextCursor(cursor);
}

void QtEditControl::ScrollCaret() {
  edit_.ensureCursorVisible();
}

void QtEditControl::AnnounceInsertion(std::string_view text) {
  edit_.setAccessibleDescription(QString());
  QAccessibleTextInsertEvent event(&edit_, 0, FromWindowText(text));
  g_accessibilitySink(&event);
}

void QtEditControl::AnnounceRemark(std::string_view remark) {
  edit_.setAccessibleDescription(FromWindowText(remark));
}

// The tip stands below the line of the position, at its start, as a resting
// pointer's would.
void QtEditControl::ShowTip(int position, std::string_view tip) {
  QTextCursor cursor(edit_.document());
  cursor.setPosition(DocumentPosition(position));
  QWidget* viewport = edit_.viewport();
  const QRect line = edit_.cursorRect(cursor);
  QToolTip::showText(viewport->mapToGlobal(line.topLeft()), FromWindowText(tip), viewport);
}

}  // namespace zorvane::qt

#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <string>

#include "window/platform.h"

class QAccessibleEvent;

namespace zorvane::qt {

// Where the edit boxes send their accessibility events: the platform's bridge by
// default. A platform without one (offscreen) never delivers them, so tests can
// look at them here.
using AccessibilityEventSink = void (*)(QAccessibleEvent* event);
void SetAccessibilityEventSink(AccessibilityEventSink sink);  // nullptr: the default

// How a refused edit is heard: QApplication::beep by default. Tests listen here.
using BeepSink = void (*)();
void SetBeepSink(BeepSink sink);  // nullptr: the default
void Beep();

// An edit box made from a template's edit control. With the upper-case style,
// the letters a to z that are typed, pasted, dropped or committed by an input
// method become capitals (engine/text/capitals.h); text written by a command is
// not touched. Enter is left to the dialog (which presses its default button)
// unless the box takes line breaks; Ctrl+Enter always inserts one. Alt and a
// key that types (the dialog's shortcuts never get here) types nothing and
// beeps.
class EditBox : public QPlainTextEdit {
 public:
  EditBox(QWidget* parent, bool upperCase, bool readOnly);

  // What Enter does in a box that takes no line breaks: press the default button.
  void SetPressDefault(std::function<void()> pressDefault) {
    pressDefault_ = std::move(pressDefault);
  }
  // Where the tip for a resting pointer comes from: the text for the document
  // position under it, or an empty text for none.
  void SetTipSource(std::function<QString(int position)> tipAt) { tipAt_ = std::move(tipAt); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void InsertTyped(QString text);
  bool FitsOverSelection(QStringView insert) const;

  // Where the last typed insertion left the undo stack and the caret.
  struct TypingRun {
    int undoSteps = -1;
    int caret = -1;
    friend bool operator==(const TypingRun&, const TypingRun&) = default;
  };

  bool upperCase_;
  TypingRun typingRun_;
  std::function<void()> pressDefault_;
  std::function<QString(int position)> tipAt_;
};

// The window's view of an edit box: CR LF line breaks and byte positions.
class QtEditControl : public afx::EditControl {
 public:
  explicit QtEditControl(QPlainTextEdit& edit) : edit_(edit) {}

  void SetFocus() override;
  void GetSel(int& start, int& end) const override;
  std::string GetWindowText() const override;
  void SetWindowText(std::string_view text) override;
  bool IsEmpty() const override;
  void ReplaceSel(std::string_view text) override;
  void ReplaceText(std::string_view text) override;
  void Beep() override;
  void SetSel(int start, int end) override;
  void ScrollCaret() override;
  void AnnounceInsertion(std::string_view text) override;
  // The remark becomes the box's accessible description, which assistive
  // technology is told of at once, until the next insertion or text.
  void AnnounceRemark(std::string_view remark) override;
  void ShowTip(int position, std::string_view tip) override;

  // The window position of document position `position`.
  int WindowPosition(int position) const;

 private:
  int DocumentPosition(int position) const;

  QPlainTextEdit& edit_;
};

}  // namespace zorvane::qt

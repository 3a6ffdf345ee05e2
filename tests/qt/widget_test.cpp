// The program's main window in real widgets on the offscreen platform: what only
// the toolkit can get wrong.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <clocale>
#include <functional>

#include "qt/edit_boxes.h"
#include "qt/help_window.h"
#include "qt/qt_platform.h"
#include "tests/window/typed_twins.h"
#include "window/edit_limit.h"
#include "window/main_app.h"

namespace zorvane::qt {
namespace {

constexpr int kPaste = 1028;

// The main window as a test sees it. Keys go to the widget with the focus, as
// from the keyboard; selections are in window positions (a line break counts two).
struct Window {
  QDialog& dialog;

  template <class T = QWidget>
  T* Control(int id) const {
    return dialog.findChild<T*>(QStringLiteral("control%1").arg(id));
  }
  QPlainTextEdit* Input() const { return Control<QPlainTextEdit>(1001); }
  QPlainTextEdit* Output() const { return Control<QPlainTextEdit>(1002); }
  QString InputText() const { return Input()->toPlainText(); }
  QWidget* Focus() const { return QApplication::focusWidget(); }
  void Click(int id) const { QTest::mouseClick(Control(id), Qt::LeftButton); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
    QTest::keyClick(Focus(), key, modifiers);
  }
  void Type(const char* text) const { QTest::keyClicks(Focus(), text); }
  std::pair<int, int> InputSelection() const {
    std::pair<int, int> selection;
    QtEditControl(*Input()).GetSel(selection.first, selection.second);
    return selection;
  }
};

// Runs the program with `script` once its main window is active, then presses
// Escape, which ends it.
void RunMainWindow(const std::function<void(Window&)>& script) {
  QtPlatform platform;
  window::CMainApp app(platform);
  QTimer::singleShot(0, [&] {
    QDialog* dialog = platform.TopDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->activateWindow();  // where no window manager does (X11 on Xvfb)
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    Window window{*dialog};
    script(window);
    QTest::keyClick(window.Focus() ? window.Focus() : dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(afx::AfxWinMain(app), 0);
}

// Enter and the keypad's Enter press EXE and type nothing; the expression stays
// selected, and a screen reader hears the new log entry. Typed and pasted letters
// become capitals. ctest runs this once more under a comma-decimal and a Japanese
// locale, which QApplication takes from the environment: results must not change.
TEST(Widgets, EnterEvaluatesAndTheNewEntryIsAnnounced) {
  if (qgetenv("LC_ALL").startsWith("de_DE")) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the German locale did not take";
  }
  static QStringList announced;
  SetAccessibilityEventSink([](QAccessibleEvent* event) {
    if (event->type() != QAccessible::TextInserted) return;
    auto* insertion = static_cast<QAccessibleTextInsertEvent*>(event);
    EXPECT_EQ(event->object()->objectName(), QStringLiteral("control1002"));
    EXPECT_EQ(insertion->changePosition(), 0);
    announced << insertion->textInserted();
  });
  RunMainWindow([](Window& w) {
    w.Type("1.5*");
    QApplication::clipboard()->setText(QStringLiteral("sqr9"));
    w.Key(Qt::Key_V, Qt::ControlModifier);
    w.Key(Qt::Key_Return);
    EXPECT_EQ(w.InputSelection(), std::make_pair(0, 8));
    w.Type("2");
    w.Key(Qt::Key_Enter);
    EXPECT_EQ(w.Output()->toPlainText(), QStringLiteral("2\n=2\n1.5*SQR9\n=4.5"));
    EXPECT_EQ(w.InputText(), QStringLiteral("2"));
    // The icon goes to the window system once the window has been painted.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.dialog.windowIcon().isNull(); }));
    // Reading it loads no image format plugin (Qt reads PNG itself): each would
    // cost start-up time and memory.
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("/imageformats/"));
  });
  SetAccessibilityEventSink(nullptr);
  EXPECT_EQ(announced, (QStringList{"1.5*SQR9\n=4.5", "2\n=2"}));
}

// Typed keys, a paste and an input method's commit reach the Input Box through
// the one rule of capitals: only a to z change (not the dotless i, the long s,
// sharp s, pi or the full-width letters, as the toolkit's upper case would).
TEST(Widgets, OnlyAToZBecomeCapitals) {
  const QString typed = QStringLiteral("s\u0131n1+\u017Fin1+\u00DF+\u03C0+\uFF41\uFF21+az");
  const QString shown = QStringLiteral("S\u0131N1+\u017FIN1+\u00DF+\u03C0+\uFF41\uFF21+AZ");
  RunMainWindow([&](Window& w) {
    for (const char* how : {"keys", "Ctrl+V", "input method"}) {
      QtEditControl(*w.Input()).SetWindowText("");
      if (how == std::string_view("keys")) {
        for (QChar c : typed) {
          QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
          QApplication::sendEvent(w.Focus(), &press);
        }
      } else if (how == std::string_view("Ctrl+V")) {
        QApplication::clipboard()->setText(typed);
        w.Key(Qt::Key_V, Qt::ControlModifier);
      } else {
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(w.Focus(), &commit);
      }
      EXPECT_EQ(w.InputText().toStdString(), shown.toStdString()) << how;
    }
  });
}

// A double-click just behind document position `position` of `box`.
void DoubleClick(QPlainTextEdit* box, int position) {
  QTextCursor cursor(box->document());
  cursor.setPosition(position);
  QTest::mouseDClick(box->viewport(), Qt::LeftButton, Qt::NoModifier,
                     box->cursorRect(cursor).center() + QPoint(2, 0));
}

// What a double-click shows selected is what a middle-click pastes: the X11
// primary selection holds the whole number, in either box, not the toolkit's
// word under the pointer ("5E" or "10" of -1.5E-10). Only a platform with a
// primary selection can tell; ctest runs this on X11 under Xvfb (qt_tests.x11).
TEST(Widgets, TheDoubleClickedNumberIsThePrimarySelection) {
  QClipboard* clipboard = QApplication::clipboard();
  if (!clipboard->supportsSelection()) GTEST_SKIP() << "no primary selection here";
  RunMainWindow([&](Window& w) {
    w.Type("2*-1.5E-10");
    w.Output()->setPlainText(QStringLiteral("1/3E12\n=-1.5E-10"));
    const std::pair<QPlainTextEdit*, int> picks[] = {
        {w.Input(), 5}, {w.Input(), 8}, {w.Output(), 12}, {w.Output(), 15}};
    for (const auto& [box, position] : picks) {
      clipboard->clear(QClipboard::Selection);
      DoubleClick(box, position);
      EXPECT_EQ(box->textCursor().selectedText().toStdString(), "-1.5E-10") << position;
      EXPECT_EQ(clipboard->text(QClipboard::Selection).toStdString(), "-1.5E-10") << position;
    }
  });
}

// Ctrl+Enter breaks the line; the keypad works at the caret and on a selection
// made from right to left and gives the keyboard back; BackSpace takes a line
// break whole; Tab visits only the tab stops. A double-click picks the whole
// number in either box, its own sign included, where the toolkit's word stops
// at the point or the sign; the log takes no typing, and Paste carries the
// number on. A run of typing is one step of undo, each command's edit one of
// its own.
TEST(Widgets, EditingStepByStepAndUndo) {
  RunMainWindow([](Window& w) {
    w.Type("2.5+");
    w.Key(Qt::Key_Return, Qt::ControlModifier);
    w.Type("234");
    EXPECT_EQ(w.InputSelection(), std::make_pair(9, 9));
    w.Key(Qt::Key_Left);
    w.Key(Qt::Key_Left);
    w.Click(1031);  // 7
    EXPECT_EQ(w.InputSelection(), std::make_pair(8, 8));
    w.Key(Qt::Key_Left, Qt::ShiftModifier);
    w.Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(w.InputSelection(), std::make_pair(6, 8));
    w.Click(1018);  // SIN
    w.Key(Qt::Key_Home);
    w.Click(1017);  // BackSpace
    for (int id : {1010, 1027, 1001}) {
      w.Key(Qt::Key_Tab);
      EXPECT_EQ(w.Focus(), w.Control(id));
    }
    w.Output()->setPlainText(QStringLiteral("1/3E12\n=3.333333333E-13\n1-2^0.5\n=-.4142135624"));
    const std::tuple<QPlainTextEdit*, int, const char*> picks[] = {
        {w.Input(), 1, "2.5"},
        {w.Output(), 20, "3.333333333E-13"},
        {w.Output(), 35, "-.4142135624"},  // with its sign
    };
    for (const auto& [box, position, picked] : picks) {
      DoubleClick(box, position);
      EXPECT_EQ(box->textCursor().selectedText(), QString::fromLatin1(picked)) << position;
    }
    EXPECT_EQ(w.Focus(), w.Output());
    w.Type("x");
    w.Click(kPaste);
    w.Type("+1");
    w.Click(1010);  // Clear
    // What Ctrl+Z goes back through, the newest first.
    const char* steps[] = {"",
                           "-.4142135624+1",
                           "-.4142135624",
                           "2.5+SIN(27)34",
                           "2.5+\nSIN(27)34",
                           "2.5+\n2734",
                           "2.5+\n234",
                           ""};
    for (const char* step : steps) {
      EXPECT_EQ(w.InputText(), QString::fromLatin1(step));
      w.Key(Qt::Key_Z, Qt::ControlModifier);
    }
  });
}

// Undoing and redoing a keypad edit leave the caret where undoing and redoing
// the same edit typed do, at the place of the edit, so that the next key goes
// there and not to the start of the box.
TEST(Widgets, UndoAndRedoOfAKeyPutTheCaretWhereTypingDoes) {
  const std::pair<int, int> carets[] = {{2, 3}, {1, 2}, {5, 10}, {2, 1}};  // undone, redone
  RunMainWindow([&](Window& w) {
    QtEditControl input(*w.Input());
    for (std::size_t row = 0; row < std::size(test::kTypedTwins); ++row) {
      const test::TypedTwin& twin = test::kTypedTwins[row];
      const QString text = QString::fromLatin1(twin.text.data(), qsizetype(twin.text.size()));
      for (bool byKey : {false, true}) {
        SCOPED_TRACE(testing::Message() << twin.text << (byKey ? " key " : " typed ") << twin.key);
        input.SetWindowText(twin.text);
        input.SetSel(twin.start, twin.end);
        if (byKey) {
          w.Click(twin.key);
        } else if (twin.typed == "\b") {
          w.Key(Qt::Key_Backspace);
        } else {
          w.Type(std::string(twin.typed).c_str());
        }
        const auto [undone, redone] = carets[row];
        w.Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w.InputText(), text);
        EXPECT_EQ(w.InputSelection(), std::make_pair(undone, undone));
        w.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(input.GetWindowText(), twin.edited);
        EXPECT_EQ(w.InputSelection(), std::make_pair(redone, redone));
      }
    }
  });
}

// `length` window positions in lines of 80: quicker to lay out than one line.
std::string Lines(int length) {
  std::string text;
  while (text.size() + 80 <= std::size_t(length))
    text += std::string(78, '1') + "\r\n";
  text.resize(length, '1');
  return text;
}

// Every edit stops at the limit, whole: at the limit it is taken, one position
// past it the box stays as it was and beeps. A line break counts two, and the
// selection that a paste replaces makes room.
TEST(Widgets, EditsStopWholeAtTheLimit) {
  static int beeps = 0;
  SetBeepSink([] { ++beeps; });
  enum Edit { kTyping, kCtrlV, kPasteButton };  // each paste replaces the whole input
  const int full = window::kEditLimit;
  const std::tuple<Edit, int, std::string, bool> rows[] = {
      // edit, free positions left in the Input Box before it, text, taken
      {kTyping, 1, "2", true},
      {kTyping, 0, "2", false},
      {kCtrlV, 9, Lines(full), true},
      {kCtrlV, 9, Lines(full + 1), false},
      {kPasteButton, 9, Lines(full), true},
      {kPasteButton, 9, Lines(full + 1), false},
  };
  RunMainWindow([&](Window& w) {
    QtEditControl input(*w.Input());
    QtEditControl output(*w.Output());
    for (const auto& [edit, room, text, taken] : rows) {
      SCOPED_TRACE(testing::Message() << "edit " << edit << ", room " << room);
      const std::string before = Lines(full - room);
      input.SetWindowText(before);
      input.SetSel(edit == kTyping ? 1 : 0, edit == kTyping ? 1 : -1);
      const std::pair<int, int> selection = w.InputSelection();
      beeps = 0;
      QApplication::clipboard()->setText(QString::fromStdString(text));
      output.SetWindowText(text);
      output.SetSel(0, -1);
      if (edit == kTyping) w.Type(text.c_str());
      if (edit == kCtrlV) w.Key(Qt::Key_V, Qt::ControlModifier);
      if (edit == kPasteButton) w.Click(kPaste);
      EXPECT_EQ(input.GetWindowText().size(), std::size_t(taken ? full : full - room));
      EXPECT_EQ(input.GetWindowText() == before && w.InputSelection() == selection, !taken);
      EXPECT_EQ(beeps, taken ? 0 : 1);
      EXPECT_EQ(w.Focus(), w.Input());
    }
  });
  SetBeepSink(nullptr);
}

// The help window's text: the expression language first; a line up to eighty
// average characters wide fits on one line, and a paragraph that wraps keeps
// its indent on every line.
void CheckHelpLayout(QTextEdit& text) {
  EXPECT_TRUE(text.toPlainText().startsWith(QStringLiteral("EXPRESSIONS")));
  text.document()->documentLayout()->documentSize();  // lays out every line
  const QFontMetrics metrics(text.font());
  int wrappedIndented = 0;
  for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
    SCOPED_TRACE(block.text().toStdString());
    const QTextLayout& layout = *block.layout();
    const qreal margin = block.blockFormat().leftMargin();
    if (int(margin) + metrics.horizontalAdvance(block.text()) <= metrics.averageCharWidth() * 80) {
      EXPECT_EQ(layout.lineCount(), 1);
    }
    for (int i = 0; i < layout.lineCount(); ++i)
      EXPECT_EQ(layout.lineAt(i).x(), layout.lineAt(0).x());
    wrappedIndented += margin > 0 && layout.lineCount() > 1;
  }
  EXPECT_GT(wrappedIndented, 0);
}

// The tip that shows while the pointer rests on line `line` of `box`, or at
// `below` pixels under it; empty when none shows.
QString TipOnLine(QPlainTextEdit* box, int line, int below = 0) {
  QToolTip::hideText();
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
  const QTextCursor start(box->document()->findBlockByNumber(line));
  const QPoint at = box->cursorRect(start).center() + QPoint(8, below);
  QHelpEvent rest(QEvent::ToolTip, at, box->viewport()->mapToGlobal(at));
  QApplication::sendEvent(box->viewport(), &rest);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// A failed entry explains itself: a screen reader is told the reason with the
// entry, the pointer resting on the "=error" line shows it, and Alt+R shows the
// newest one's just below its "=error" line, until typing goes on.
TEST(Widgets, AFailedEntryShowsItsReason) {
  RunMainWindow([&](Window& w) {
    QPlainTextEdit* log = w.Output();
    w.Type("1/0");
    w.Key(Qt::Key_Return);
    const QString reason = log->accessibleDescription();
    EXPECT_FALSE(reason.isEmpty());
    w.Type("2+3");
    w.Key(Qt::Key_Return);
    EXPECT_EQ(log->accessibleDescription(), QString());  // it was the newest entry's
    ASSERT_EQ(log->toPlainText(), QStringLiteral("2+3\n=5\n1/0\n=error"));
    EXPECT_EQ(TipOnLine(log, 1), QString());  // a result
    EXPECT_EQ(TipOnLine(log, 3), reason);
    EXPECT_EQ(TipOnLine(log, 3, 40), QString());  // below the log

    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    w.Key(Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), reason);
    const QRect line = log->cursorRect(QTextCursor(log->document()->findBlockByNumber(3)));
    const QPoint lineAt = log->viewport()->mapToGlobal(line.bottomLeft());
    int tips = 0;
    for (const QWidget* tip : QApplication::topLevelWidgets()) {
      if (tip->objectName() != QStringLiteral("qtooltip_label")) continue;
      EXPECT_LE(std::abs(tip->x() - lineAt.x()) + std::abs(tip->y() - lineAt.y()), line.height());
      ++tips;
    }
    EXPECT_EQ(tips, 1);
    EXPECT_EQ(w.Focus(), w.Input());
    EXPECT_EQ(w.InputText(), QStringLiteral("2+3"));  // Alt+R types nothing
    w.Type("4");
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
  });
}

// A repeat of a held key, marked as one, then as X11 sends it: a release and a
// press with one time stamp.
void Repeat(Qt::Key key, const QString& text) {
  QKeyEvent marked(QEvent::KeyPress, key, Qt::NoModifier, text, true);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  release.setTimestamp(123456);
  press.setTimestamp(123456);
  for (QKeyEvent* event : {&marked, &release, &press})
    QApplication::sendEvent(QApplication::focusWidget(), event);
}

// Alt and a letter clicks its control wherever the focus was, types nothing and
// leaves the keyboard in the Input Box; each control tells a screen reader its
// keys. Any other Alt and letter only beeps. An Escape held down to close the About box must not go
// on to close the main window, while a key held where it went down repeats as usual.
TEST(Widgets, EveryCommandFromTheKeyboard) {
  RunMainWindow([](Window& w) {
    const std::pair<Qt::Key, int> shortcuts[] = {
        {Qt::Key_D, 1007}, {Qt::Key_X, 1009}, {Qt::Key_F, 1051}, {Qt::Key_T, 1012},
        {Qt::Key_I, 1032}, {Qt::Key_O, 1049}, {Qt::Key_P, 1028}, {Qt::Key_C, 1010},
        {Qt::Key_L, 1027}, {Qt::Key_A, 1008}};  // the About box last
    for (const auto& [key, id] : shortcuts) {
      auto* button = w.Control<QAbstractButton>(id);
      QSignalSpy clicks(button, &QAbstractButton::clicked);
      if (id == 1008) {
        QTimer::singleShot(0, [] {
          QWidget* about = QApplication::activeModalWidget();
          EXPECT_TRUE(QTest::qWaitForWindowExposed(about));
          QTest::keyPress(about, Qt::Key_Escape);  // and held
          EXPECT_FALSE(about->isVisible());
        });
      }
      w.Output()->setFocus();
      w.Key(key, Qt::AltModifier);
      EXPECT_TRUE(QTest::qWaitForWindowActive(&w.dialog));
      EXPECT_EQ(clicks.count(), 1) << id;
      EXPECT_EQ(w.Focus(), w.Input()) << id;
      EXPECT_FALSE(w.InputText().contains(QChar(key))) << id;
      EXPECT_EQ(button->accessibleDescription(), QStringLiteral("Shortcut: Alt+") + QChar(key));
    }
    // Alt and a key that is no shortcut types nothing, in either box, and beeps.
    static int beeps = 0;
    SetBeepSink([] { ++beeps; });
    const QString typed = w.InputText();
    for (QPlainTextEdit* box : {w.Input(), w.Output()}) {
      box->setFocus();
      for (Qt::Key key : {Qt::Key_Q, Qt::Key_S, Qt::Key_E, Qt::Key_1})
        w.Key(key, Qt::AltModifier);
    }
    SetBeepSink(nullptr);
    EXPECT_EQ(w.InputText(), typed);
    EXPECT_EQ(beeps, 8);
    w.Input()->setFocus();
    Repeat(Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_TRUE(w.dialog.isVisible());
    QTest::keyRelease(w.Focus(), Qt::Key_Escape);
    QTest::keyPress(w.Focus(), Qt::Key_1);
    Repeat(Qt::Key_1, QStringLiteral("1"));
    QTest::keyRelease(w.Focus(), Qt::Key_1);
    EXPECT_EQ(w.InputText(), QStringLiteral("111"));
    // MostTop (Alt+T) keeps the window above, and lets it go again.
    EXPECT_TRUE(w.dialog.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    w.Click(1012);
    EXPECT_FALSE(w.dialog.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    // F1 and Alt+H show the help, made from the manual page, in the dialog font;
    // Escape closes it, and the keyboard is back in the Input Box.
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F1, Qt::NoModifier}, std::pair{Qt::Key_H, Qt::AltModifier}}) {
      QString shown;
      QTimer::singleShot(0, [&] {
        auto* help = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(help, nullptr);
        auto* text = help->findChild<QTextEdit*>();
        EXPECT_EQ(help->font(), w.dialog.font());
        EXPECT_EQ(help->focusWidget(), text);
        EXPECT_EQ(help->windowTitle(), QStringLiteral("Help \u2014 Zorvane"));
        shown = text->toPlainText();
        CheckHelpLayout(*text);
        QTest::keyClick(text, Qt::Key_Escape);
      });
      w.Key(key, modifiers);
      EXPECT_TRUE(shown.contains(QStringLiteral("F1, Alt+H")));
      EXPECT_TRUE(QTest::qWaitForWindowActive(&w.dialog));
      EXPECT_EQ(w.Focus(), w.Input());
    }
  });
}

}  // namespace
}  // namespace zorvane::qt

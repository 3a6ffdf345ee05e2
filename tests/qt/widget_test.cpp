// The program's main window in real widgets on the offscreen platform: what only
// the toolkit can get wrong (keys, focus, CR LF positions, selection, undo, the
// edit limit, held keys, the help window, the announced log entry).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <clocale>
#include <functional>

#include "edit_boxes.h"
#include "help_window.h"
#include "qt_platform.h"
#include "window/main_app.h"

namespace zorvane::qt {
namespace {

constexpr int kPaste = 1028;

// The main window as a test sees it. Keys go to the widget with the focus, as
// from the keyboard; selections are in window positions (a line break counts two).
struct Window {
  QtPlatform& platform;
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
  bool ran = false;
  QTimer::singleShot(0, [&] {
    QDialog* dialog = platform.TopDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    Window window{platform, *dialog};
    script(window);
    ran = true;
    QTest::keyClick(window.Focus() ? window.Focus() : dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(afx::AfxWinMain(app), 0);
  EXPECT_TRUE(ran);
}

// Enter and the keypad's Enter press the default button (EXE) and type nothing;
// the expression stays selected, and a screen reader hears the new log entry.
// Typed and pasted letters become capitals. ctest runs this once more under a
// comma-decimal and a Japanese locale, which QApplication takes from the
// environment: results must not change.
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
    announced.push_back(insertion->textInserted());
  });
  RunMainWindow([](Window& w) {
    EXPECT_TRUE(w.Control<QPushButton>(1011)->isDefault());
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
  });
  SetAccessibilityEventSink(nullptr);
  EXPECT_EQ(announced, (QStringList{"1.5*SQR9\n=4.5", "2\n=2"}));
}

// Ctrl+Enter breaks the line. The keypad works at the caret and on a selection
// made from right to left, and gives the keyboard back; BackSpace takes a line
// break whole; Tab visits only the three tab stops. A run of typing is one step
// of undo, and each command's edit one of its own.
TEST(Widgets, KeypadAcrossALineBreakAndUndo) {
  RunMainWindow([](Window& w) {
    w.Type("1+");
    w.Key(Qt::Key_Return, Qt::ControlModifier);
    w.Type("234");
    EXPECT_EQ(w.InputSelection(), std::make_pair(7, 7));
    w.Key(Qt::Key_Left);
    w.Key(Qt::Key_Left);
    w.Click(1031);  // 7
    EXPECT_EQ(w.InputSelection(), std::make_pair(6, 6));
    w.Key(Qt::Key_Left, Qt::ShiftModifier);
    w.Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(w.InputSelection(), std::make_pair(4, 6));
    w.Click(1018);  // SIN
    w.Key(Qt::Key_Home);
    w.Click(1017);  // BackSpace
    for (int id : {1010, 1027, 1001}) {
      w.Key(Qt::Key_Tab);
      EXPECT_EQ(w.Focus(), w.Control(id));
    }
    w.Output()->setPlainText(QStringLiteral("2*()\n=error"));
    QtEditControl(*w.Output()).SetSel(7, 12);
    w.Click(kPaste);  // as it stands: no capitals
    w.Type("+1");
    w.Click(1010);  // Clear
    const char* steps[] = {"",         "error+1", "error", "1+SIN(27)34", "1+\nSIN(27)34",
                           "1+\n2734", "1+\n234", ""};
    for (const char* step : steps) {
      EXPECT_EQ(w.InputText(), QString::fromLatin1(step));
      w.Key(Qt::Key_Z, Qt::ControlModifier);
    }
    for (auto step = std::rbegin(steps) + 1; step != std::rend(steps); ++step) {
      w.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
      EXPECT_EQ(w.InputText(), QString::fromLatin1(*step));
    }
  });
}

// A double-click on the character at document position `position` of `box`.
QPoint DoubleClick(QPlainTextEdit* box, int position) {
  QTextCursor cursor(box->document());
  cursor.setPosition(position + 1);
  const QPoint right = box->cursorRect(cursor).center();
  cursor.setPosition(position);
  const QPoint point = (box->cursorRect(cursor).center() + right) / 2;
  QTest::mouseDClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, point);
  return point;
}

// A double-click picks the whole number on any line of either box, where the
// toolkit's word would stop at the point or the sign; a third click still takes
// the line. The log takes no typing, and Paste carries the number on.
TEST(Widgets, DoubleClickPicksTheWholeNumber) {
  RunMainWindow([](Window& w) {
    w.Output()->setPlainText(QStringLiteral("1/3E12\n=3.333333333E-13\n2^0.5\n=1.414213562"));
    w.Input()->setPlainText(QStringLiteral("SIN(30)+12.5E-3*4"));
    const std::tuple<QPlainTextEdit*, int, const char*> rows[] = {
        {w.Output(), 20, "3.333333333E-13"},
        {w.Input(), 13, "12.5E-3"},
        {w.Output(), 33, "1.414213562"},
    };
    for (const auto& [box, position, picked] : rows) {
      DoubleClick(box, position);
      EXPECT_EQ(box->textCursor().selectedText(), QString::fromLatin1(picked)) << position;
    }
    EXPECT_EQ(w.Focus(), w.Output());
    w.Type("x");
    w.Click(kPaste);
    EXPECT_EQ(w.InputText(), QStringLiteral("1.414213562"));
    QTest::mouseClick(w.Output()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      DoubleClick(w.Output(), 33));
    EXPECT_EQ(w.Output()->textCursor().selectedText(), QStringLiteral("=1.414213562"));
  });
}

// Every edit stops at the limit, whole: at the limit it is taken, one position
// past it the box stays as it was and beeps. A line break counts two, and the
// selection that a paste replaces makes room.
TEST(Widgets, EditsStopWholeAtTheLimit) {
  static int beeps = 0;
  SetBeepSink([] { ++beeps; });
  enum Edit { kTyping, kCtrlV, kPasteButton };  // each paste replaces the whole input
  const std::string fits = std::string(kEditLimit - 2, '2') + "\n";
  const std::tuple<Edit, int, std::string, bool> rows[] = {
      // edit, free positions left in the Input Box before it, text, taken
      {kTyping, 1, "2", true},       {kTyping, 0, "2", false},
      {kCtrlV, 9, fits, true},       {kCtrlV, 9, fits + "2", false},
      {kPasteButton, 9, fits, true}, {kPasteButton, 9, fits + "2", false},
  };
  RunMainWindow([&](Window& w) {
    QtEditControl input(*w.Input());
    for (const auto& [edit, room, text, taken] : rows) {
      SCOPED_TRACE(testing::Message() << "edit " << edit << ", room " << room);
      std::string before;  // lines of 80 positions: quicker to lay out than one line
      while (before.size() + 80 <= std::size_t(kEditLimit - room))
        before += std::string(78, '1') + "\r\n";
      before.resize(kEditLimit - room, '1');
      input.SetWindowText(before);
      input.SetSel(edit == kTyping ? 1 : 0, edit == kTyping ? 1 : -1);
      const std::pair<int, int> selection = w.InputSelection();
      beeps = 0;
      QApplication::clipboard()->setText(QString::fromStdString(text));
      w.Output()->setPlainText(QString::fromStdString(text));
      w.Output()->selectAll();
      if (edit == kTyping) w.Type(text.c_str());
      if (edit == kCtrlV) w.Key(Qt::Key_V, Qt::ControlModifier);
      if (edit == kPasteButton) w.Click(kPaste);
      EXPECT_EQ(input.GetWindowText().size(), std::size_t(taken ? kEditLimit : kEditLimit - room));
      if (!taken) EXPECT_EQ(input.GetWindowText(), before);
      if (!taken) EXPECT_EQ(w.InputSelection(), selection);
      EXPECT_EQ(beeps, taken ? 0 : 1);
      EXPECT_EQ(w.Focus(), w.Input());
    }
  });
  SetBeepSink(nullptr);
}

// Alt and a letter clicks its control wherever the focus was, types nothing and
// leaves the keyboard in the Input Box; each control tells a screen reader its
// keys. F1 and Alt+H show the help, made from the manual page, in the dialog
// font; Escape closes it, and the keyboard is back in the Input Box.
TEST(Widgets, EveryCommandFromTheKeyboard) {
  RunMainWindow([](Window& w) {
    const std::pair<Qt::Key, int> shortcuts[] = {
        {Qt::Key_D, 1007}, {Qt::Key_X, 1009}, {Qt::Key_F, 1051}, {Qt::Key_T, 1012},
        {Qt::Key_I, 1032}, {Qt::Key_O, 1049}, {Qt::Key_P, 1028}, {Qt::Key_C, 1010},
        {Qt::Key_L, 1027}, {Qt::Key_A, 1008}};
    for (const auto& [key, id] : shortcuts) {
      auto* button = w.Control<QAbstractButton>(id);
      QSignalSpy clicks(button, &QAbstractButton::clicked);
      QTimer::singleShot(0, [&] {  // closes the About box
        if (QDialog* top = w.platform.TopDialog(); top != &w.dialog) top->reject();
      });
      w.Output()->setFocus();
      w.Key(key, Qt::AltModifier);
      EXPECT_TRUE(QTest::qWaitForWindowActive(&w.dialog));
      EXPECT_EQ(clicks.count(), 1) << id;
      EXPECT_EQ(w.Focus(), w.Input()) << id;
      EXPECT_FALSE(w.InputText().contains(QChar(key))) << id;
      EXPECT_EQ(button->accessibleDescription(), QStringLiteral("Shortcut: Alt+") + QChar(key));
    }
    // MostTop keeps the window above, and lets it go again.
    EXPECT_TRUE(w.dialog.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    w.Click(1012);
    EXPECT_FALSE(w.dialog.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    int shown = 0;
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F1, Qt::NoModifier}, std::pair{Qt::Key_H, Qt::AltModifier}}) {
      QTimer::singleShot(0, [&] {
        QDialog* help = OpenHelpWindow();
        ASSERT_NE(help, nullptr);
        ++shown;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(help));
        EXPECT_EQ(help->font(), w.dialog.font());
        auto* text = help->findChild<QPlainTextEdit*>();
        EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("F1, Alt+H")));
        EXPECT_EQ(help->focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Escape);
      });
      w.Key(key, modifiers);
      EXPECT_EQ(OpenHelpWindow(), nullptr);
      EXPECT_TRUE(QTest::qWaitForWindowActive(&w.dialog));
      EXPECT_EQ(w.Focus(), w.Input());
    }
    EXPECT_EQ(shown, 2);
  });
}

// The window system repeats a held key into the window with the focus. An Escape
// held to close the About box must not go on to close the main window; a key held
// in the window where it went down repeats as usual.
TEST(Widgets, AHeldEscapeClosesOnlyTheWindowItWentDownIn) {
  // A repeat marked as one, then as X11 sends it: a release and a press with one
  // time stamp.
  const auto repeat = [](Qt::Key key, const QString& text) {
    QKeyEvent marked(QEvent::KeyPress, key, Qt::NoModifier, text, true);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    release.setTimestamp(123456);
    press.setTimestamp(123456);
    for (QKeyEvent* event : {&marked, &release, &press})
      QApplication::sendEvent(QApplication::focusWidget(), event);
  };
  RunMainWindow([&](Window& w) {
    QTimer::singleShot(0, [&] {
      QDialog* about = w.platform.TopDialog();
      EXPECT_NE(about, &w.dialog);
      EXPECT_TRUE(QTest::qWaitForWindowExposed(about));
      QTest::keyPress(about, Qt::Key_Escape);  // and held
      EXPECT_FALSE(about->isVisible());
    });
    w.Click(1008);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.dialog));
    repeat(Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_TRUE(w.dialog.isVisible());
    QTest::keyRelease(w.Focus(), Qt::Key_Escape);
    QTest::keyPress(w.Focus(), Qt::Key_1);
    repeat(Qt::Key_1, QStringLiteral("1"));
    EXPECT_EQ(w.InputText(), QStringLiteral("111"));
    QTest::keyRelease(w.Focus(), Qt::Key_1);
  });
}

}  // namespace
}  // namespace zorvane::qt

// The real widgets on the offscreen platform: what the toolkit alone can get
// wrong. Keys, focus, CR LF positions, the default button, selection, undo, the
// edit limit, held keys, the help window and the announced log entry.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
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
#include "window/main_dlg.h"

namespace zorvane::qt {
namespace {

// The main window as a test sees it.
struct Window {
  QtPlatform& platform;
  QDialog& dialog;

  template <class T = QWidget>
  T* Control(int id) const {
    T* control = dialog.findChild<T*>(QStringLiteral("control%1").arg(id));
    EXPECT_NE(control, nullptr) << id;
    return control;
  }
  QPlainTextEdit* Input() const { return Control<QPlainTextEdit>(1001); }
  QPlainTextEdit* Output() const { return Control<QPlainTextEdit>(1002); }
  QString InputText() const { return Input()->toPlainText(); }
  void Click(int id) const { QTest::mouseClick(Control(id), Qt::LeftButton); }
  // Keys go to the widget with the focus, as they would from the keyboard.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
    QTest::keyClick(Focus(), key, modifiers);
  }
  void Type(const char* text) const { QTest::keyClicks(Focus(), text); }
  QWidget* Focus() const { return QApplication::focusWidget(); }
  // The Input Box's selection in window positions (a line break counts two).
  std::pair<int, int> InputSelection() const {
    std::pair<int, int> selection;
    QtEditControl(*Input()).GetSel(selection.first, selection.second);
    return selection;
  }
  void SelectInOutput(int anchor, int position) const {
    QTextCursor cursor = Output()->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    Output()->setTextCursor(cursor);
  }
};

// A double-click on the character at document position `position` of `box`.
QPoint DoubleClick(QPlainTextEdit* box, int position) {
  QTextCursor cursor(box->document());
  cursor.setPosition(position);
  const QRect left = box->cursorRect(cursor);
  cursor.setPosition(position + 1);
  const QPoint point((left.center().x() + box->cursorRect(cursor).center().x()) / 2,
                     left.center().y());
  QTest::mouseDClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, point);
  return point;
}

// Opens the main window, runs `script` once it is active, then presses Escape.
// Returns DoModal's result.
int RunMainWindow(const std::function<void(Window&)>& script) {
  QtPlatform platform;
  window::CMainDlg dlg(platform);
  bool ran = false;
  QTimer::singleShot(0, [&] {
    QDialog* dialog = platform.TopDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    Window window{platform, *dialog};
    script(window);
    ran = true;
    if (dialog->isVisible())
      QTest::keyClick(window.Focus() ? window.Focus() : dialog, Qt::Key_Escape);
  });
  const int result = dlg.DoModal();
  EXPECT_TRUE(ran);
  return result;
}

TEST(Widgets, StartState) {
  const int result = RunMainWindow([](Window& w) {
    EXPECT_EQ(w.Focus(), w.Input());
    EXPECT_TRUE(w.Output()->isReadOnly());
    EXPECT_EQ(w.dialog.minimumSize(), w.dialog.maximumSize());  // fixed size
    EXPECT_TRUE(w.dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    // The icon goes to the window system once the window has been painted.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.dialog.windowIcon().isNull(); }));
  });
  EXPECT_EQ(result, 2);  // Escape: Cancel
  QtPlatform platform;
  window::CMainDlg dlg(platform);
  QTimer::singleShot(0, [&] { platform.TopDialog()->close(); });
  EXPECT_EQ(dlg.DoModal(), 2);  // the close box: Cancel too
}

// Enter and the keypad's Enter press the default button (EXE) and type nothing;
// the expression stays selected. Typed and pasted letters become capitals.
TEST(Widgets, EnterEvaluatesAndKeepsTheExpressionSelected) {
  RunMainWindow([](Window& w) {
    EXPECT_TRUE(w.Control<QPushButton>(1011)->isDefault());
    w.Type("2*");
    QApplication::clipboard()->setText(QStringLiteral("sqr9"));
    w.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.InputText(), QStringLiteral("2*SQR9"));
    w.Key(Qt::Key_Return);
    EXPECT_EQ(w.Output()->toPlainText(), QStringLiteral("2*SQR9\n=6"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(0, 6));
    w.Key(Qt::Key_Enter);
    EXPECT_EQ(w.Output()->toPlainText(), QStringLiteral("2*SQR9\n=6\n2*SQR9\n=6"));
    EXPECT_EQ(w.InputText(), QStringLiteral("2*SQR9"));
    EXPECT_EQ(w.Focus(), w.Input());
  });
}

// Run again by ctest under a comma-decimal and a Japanese locale: QApplication
// takes the process locale from the environment, and results must not change.
TEST(Widgets, DecimalResultsWhateverTheLocale) {
  if (qgetenv("LC_ALL").startsWith("de_DE")) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the German locale did not take";
  }
  RunMainWindow([](Window& w) {
    w.Type("1.5+1/4");
    w.Key(Qt::Key_Return);
    EXPECT_EQ(w.Output()->toPlainText(), QStringLiteral("1.5+1/4\n=1.75"));
  });
}

// Ctrl+Enter breaks the line; the break counts two positions for the window's
// commands, and BackSpace takes it as a whole.
TEST(Widgets, CtrlEnterBreaksTheLineAndTheBreakCountsTwo) {
  RunMainWindow([](Window& w) {
    w.Type("1+");
    w.Key(Qt::Key_Return, Qt::ControlModifier);
    w.Type("2");
    EXPECT_EQ(w.InputText(), QStringLiteral("1+\n2"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(5, 5));
    w.Click(1044);  // +
    EXPECT_EQ(w.InputText(), QStringLiteral("1+\n2+"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(6, 6));
    for (int i = 0; i < 3; ++i)
      w.Click(1017);  // BackSpace: the +, the digit, the line break
    EXPECT_EQ(w.InputText(), QStringLiteral("1+"));
  });
}

// The keypad works at the caret and on a selection made from right to left, and
// gives the keyboard back to the Input Box; Tab visits only the three tab stops.
TEST(Widgets, KeypadAtTheCaretAndFocus) {
  RunMainWindow([](Window& w) {
    w.Type("1234");
    w.Key(Qt::Key_Left);
    w.Key(Qt::Key_Left);
    w.Click(1031);  // 7
    EXPECT_EQ(w.InputText(), QStringLiteral("12734"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(3, 3));
    EXPECT_EQ(w.Focus(), w.Input());
    w.Key(Qt::Key_Left, Qt::ShiftModifier);
    w.Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(w.InputSelection(), std::make_pair(1, 3));
    w.Click(1018);  // SIN wraps the selection
    EXPECT_EQ(w.InputText(), QStringLiteral("1SIN(27)34"));
    for (int id : {1010, 1027, 1001}) {
      w.Key(Qt::Key_Tab);
      EXPECT_EQ(w.Focus(), w.Control(id));
    }
    EXPECT_EQ(w.InputText(), QStringLiteral("1SIN(27)34"));  // no tab character typed
  });
}

// A selection in the log, right to left, survives the click on Paste; the log
// takes no typing, and Paste writes the log's text as it stands (no capitals).
TEST(Widgets, OutputSelectionSurvivesTheClickOnPaste) {
  RunMainWindow([](Window& w) {
    w.Type("2*()");
    w.Key(Qt::Key_Return);
    QTest::mouseClick(w.Output()->viewport(), Qt::LeftButton);
    EXPECT_EQ(w.Focus(), w.Output());
    w.SelectInOutput(11, 6);  // "error"
    w.Type("x");
    w.Click(1028);
    EXPECT_EQ(w.InputText(), QStringLiteral("error"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(5, 5));
    EXPECT_EQ(w.Focus(), w.Input());
    EXPECT_EQ(w.Output()->textCursor().selectedText(), QStringLiteral("error"));
    EXPECT_EQ(w.Output()->toPlainText(), QStringLiteral("2*()\n=error"));
  });
}

// Every edit stops at the limit, whole: at the limit it is taken, one position
// past it the box stays as it was and beeps.
TEST(Widgets, EditsStopWholeAtTheLimit) {
  static int beeps = 0;
  SetBeepSink([] { ++beeps; });
  const auto paste = [](std::string text) {
    return [text](Window& w) {
      QApplication::clipboard()->setText(QString::fromStdString(text));
      w.Key(Qt::Key_V, Qt::ControlModifier);
    };
  };
  const auto pasteButton = [](int length) {  // the log's selection replaces the input
    return [length](Window& w) {
      QtEditControl output(*w.Output());
      output.SetWindowText(std::string(length, '2'));
      output.SetSel(0, length);
      w.Click(1028);
    };
  };
  struct Row {
    const char* what;
    int room;  // free positions left in the Input Box before the edit
    std::function<void(Window&)> edit;
    int length;            // of the input once the edit is taken
    bool overAll = false;  // the whole input selected before the edit
  };
  const int full = kEditLimit;
  // A cut paste would leave 0*0*...0*0+12345 and evaluate to 12345.
  std::string report;
  for (int i = 0; i < 16380; ++i)
    report += "0*";
  report += "0+123456789";
  const Row rows[] = {
      {"typing", 1, [](Window& w) { w.Type("2"); }, full},
      {"typing", 0, [](Window& w) { w.Type("2"); }, full + 1},
      {"Ctrl+V line break", 2, paste("\n"), full},
      {"Ctrl+V line break", 1, paste("\n"), full + 1},
      {"Ctrl+V over all", 9, paste(report.substr(0, full)), full, true},
      {"Ctrl+V over all", 9, paste(report), int(report.size()), true},
      {"Paste button", 9, pasteButton(full), full},
      {"Paste button", 9, pasteButton(full + 1), full + 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.what) + ", room " + std::to_string(row.room));
    RunMainWindow([&](Window& w) {
      std::string before;  // lines of 80 positions: quicker to lay out than one line
      while (before.size() + 80 <= std::size_t(kEditLimit - row.room))
        before += std::string(78, '1') + "\r\n";
      before.resize(kEditLimit - row.room, '1');
      QtEditControl input(*w.Input());
      input.SetWindowText(before);
      input.SetSel(row.overAll ? 0 : 1, row.overAll ? -1 : 1);
      const std::pair<int, int> selection = w.InputSelection();
      beeps = 0;
      row.edit(w);
      const bool taken = row.length <= kEditLimit;
      if (taken) {
        EXPECT_EQ(input.GetWindowText().size(), std::size_t(row.length));
      } else {
        EXPECT_EQ(input.GetWindowText(), before);
        EXPECT_EQ(w.InputSelection(), selection);
      }
      EXPECT_EQ(beeps, taken ? 0 : 1);
      EXPECT_EQ(w.Focus(), w.Input());
    });
  }
  SetBeepSink(nullptr);
}

// A double-click picks the whole number on any line of either box, where the
// toolkit's word would stop at the point; elsewhere a word, and a third click
// the line. Paste then carries the number on.
TEST(Widgets, DoubleClickPicksTheWholeNumber) {
  RunMainWindow([](Window& w) {
    for (const char* typed : {"2^0.5", "1/3E12"}) {
      w.Click(1010);
      w.Type(typed);
      w.Key(Qt::Key_Return);
    }
    ASSERT_EQ(w.Output()->toPlainText(),
              QStringLiteral("1/3E12\n=3.333333333E-13\n2^0.5\n=1.414213562"));
    w.Input()->setPlainText(QStringLiteral("SIN(30)+12.5E-3*4"));
    const std::tuple<QPlainTextEdit*, int, const char*> rows[] = {
        {w.Output(), 33, "1.414213562"},      // on its first decimal, a later line
        {w.Output(), 20, "3.333333333E-13"},  // on the exponent's sign
        {w.Input(), 13, "12.5E-3"},
        {w.Input(), 1, "SIN"},
    };
    for (const auto& [box, position, picked] : rows) {
      DoubleClick(box, position);
      EXPECT_EQ(box->textCursor().selectedText(), QString::fromLatin1(picked)) << position;
    }
    DoubleClick(w.Output(), 33);
    w.Click(1028);  // Paste
    EXPECT_EQ(w.InputText(), QStringLiteral("1.414213562"));
    const QPoint point = DoubleClick(w.Output(), 33);
    QTest::mouseClick(w.Output()->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    EXPECT_EQ(w.Output()->textCursor().selectedText(), QStringLiteral("=1.414213562"));
  });
}

// A run of typing is one step of the Input Box's undo; each command's edit
// (keypad, Paste, BackSpace, Clear) is one of its own.
TEST(Widgets, UndoStepsThroughTypingAndButtons) {
  RunMainWindow([](Window& w) {
    w.Type("2*3");
    w.Key(Qt::Key_Return);
    w.SelectInOutput(5, 6);  // the 6 of "=6"
    w.Click(1028);           // Paste
    w.Type("+1");
    w.Click(1031);  // 7
    w.Click(1017);  // BackSpace
    w.Click(1010);  // Clear
    const QString steps[] = {
        QString(),           QStringLiteral("6+1"), QStringLiteral("6+17"), QStringLiteral("6+1"),
        QStringLiteral("6"), QStringLiteral("2*3")};
    for (const QString& step : steps) {
      EXPECT_EQ(w.InputText(), step);
      w.Key(Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(w.InputText(), QString());  // before the typing
    for (auto step = std::rbegin(steps); step != std::rend(steps); ++step) {
      w.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
      EXPECT_EQ(w.InputText(), *step);
    }
    EXPECT_EQ(w.Focus(), w.Input());
  });
}

// Alt and a letter clicks its control, wherever the focus was, types nothing and
// leaves the keyboard in the Input Box; each control tells a screen reader its
// keys, and no caption carries a mnemonic.
TEST(Widgets, EveryCommandFromTheKeyboard) {
  RunMainWindow([](Window& w) {
    const std::pair<Qt::Key, int> rows[] = {{Qt::Key_D, 1007}, {Qt::Key_X, 1009}, {Qt::Key_F, 1051},
                                            {Qt::Key_T, 1012}, {Qt::Key_I, 1032}, {Qt::Key_O, 1049},
                                            {Qt::Key_P, 1028}, {Qt::Key_C, 1010}, {Qt::Key_L, 1027},
                                            {Qt::Key_A, 1008}};
    for (const auto& [key, id] : rows) {
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
      const QString keys = QStringLiteral("Shortcut: Alt+") + QChar(key);
      EXPECT_EQ(button->accessibleDescription(), keys) << id;
      EXPECT_FALSE(button->text().contains(u'&')) << id;
    }
    // MostTop keeps the window above, and lets it go again.
    EXPECT_TRUE(w.dialog.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    w.Click(1012);
    EXPECT_FALSE(w.dialog.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  });
}

// The window system repeats a held key into the window with the focus. An Escape
// held to close the About box must not go on to close the main window; a key held
// in the window where it went down repeats as usual.
TEST(Widgets, AHeldEscapeClosesOnlyTheWindowItWentDownIn) {
  // A repeat marked as one, or as X11 sends it: a release and a press with one
  // time stamp.
  const auto repeat = [](Qt::Key key, const QString& text) {
    QKeyEvent marked(QEvent::KeyPress, key, Qt::NoModifier, text, true);
    QApplication::sendEvent(QApplication::focusWidget(), &marked);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    release.setTimestamp(123456);
    press.setTimestamp(123456);
    QApplication::sendEvent(QApplication::focusWidget(), &release);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
  };
  const int result = RunMainWindow([&](Window& w) {
    QTimer::singleShot(0, [&] {
      QDialog* about = w.platform.TopDialog();
      EXPECT_NE(about, &w.dialog);
      EXPECT_TRUE(QTest::qWaitForWindowExposed(about));
      EXPECT_EQ(about->windowTitle(), QString::fromUtf8("このソフトウェアについて"));
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
  EXPECT_EQ(result, 2);  // a fresh Escape still ends it
}

// F1 and Alt+H show the help, made from the manual page, in the dialog font;
// Escape closes it and the keyboard is back in the Input Box.
TEST(Widgets, HelpOnF1AndAltH) {
  QtPlatform platform;
  window::CMainApp app(platform);
  int shown = 0;
  QTimer::singleShot(0, [&] {
    QDialog* main = platform.TopDialog();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(main));
    QWidget* input = main->findChild<QWidget*>(QStringLiteral("control1001"));
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F1, Qt::NoModifier}, std::pair{Qt::Key_H, Qt::AltModifier}}) {
      QTimer::singleShot(0, [&] {
        QDialog* help = OpenHelpWindow();
        ASSERT_NE(help, nullptr);
        ++shown;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(help));
        EXPECT_EQ(help->font(), main->font());
        auto* text = help->findChild<QPlainTextEdit*>();
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("F1, Alt+H")));
        EXPECT_EQ(help->focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Escape);
      });
      QTest::keyClick(input, key, modifiers);
      EXPECT_EQ(OpenHelpWindow(), nullptr);
      EXPECT_TRUE(QTest::qWaitForWindowActive(main));
      EXPECT_EQ(QApplication::focusWidget(), input);
    }
    QTest::keyClick(input, Qt::Key_Escape);
  });
  EXPECT_EQ(afx::AfxWinMain(app), 0);
  EXPECT_EQ(shown, 2);
}

// A screen reader hears each new log entry, inserted at the top of the Output Box.
TEST(Widgets, TheNewLogEntryIsAnnounced) {
  static std::vector<QString> inserted;
  inserted.clear();
  SetAccessibilityEventSink([](QAccessibleEvent* event) {
    if (event->type() != QAccessible::TextInserted) return;
    auto* insertion = static_cast<QAccessibleTextInsertEvent*>(event);
    EXPECT_EQ(event->object()->objectName(), QStringLiteral("control1002"));
    EXPECT_EQ(insertion->changePosition(), 0);
    inserted.push_back(insertion->textInserted());
  });
  RunMainWindow([](Window& w) {
    w.Type("1+2");
    w.Key(Qt::Key_Return);
    w.Type("2*3");
    w.Key(Qt::Key_Return);
  });
  SetAccessibilityEventSink(nullptr);
  EXPECT_EQ(inserted, (std::vector<QString>{QStringLiteral("1+2\n=3"), QStringLiteral("2*3\n=6")}));
}

}  // namespace
}  // namespace zorvane::qt

// The real widgets on the offscreen platform: keys, focus, CR LF positions, the
// default button, the About box, the layout and the accessible names.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <clocale>
#include <functional>

#include "dialog_units.h"
#include "edit_boxes.h"
#include "help_window.h"
#include "qt_platform.h"
#include "resources/dialogs/dialog_template.h"
#include "window/main_app.h"
#include "window/main_dlg.h"
#include "zorvane_facts.h"

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
  void Click(int id) const { QTest::mouseClick(Control(id), Qt::LeftButton); }
  // Keys go to the widget with the focus, as they would from the keyboard.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  void Type(const char* text) const { QTest::keyClicks(QApplication::focusWidget(), text); }
  QWidget* Focus() const { return QApplication::focusWidget(); }
  // The Input Box's selection as the window counts it.
  std::pair<int, int> InputSelection() const {
    QtEditControl control(*Input());
    std::pair<int, int> selection;
    control.GetSel(selection.first, selection.second);
    return selection;
  }
};

// A double-click on the character at document position `position` of `box`.
// Returns where it clicked.
QPoint DoubleClick(QPlainTextEdit* box, int position) {
  QTextCursor cursor(box->document());
  cursor.setPosition(position);
  const QRect left = box->cursorRect(cursor);
  cursor.setPosition(position + 1);
  const QRect right = box->cursorRect(cursor);
  const QPoint point((left.center().x() + right.center().x()) / 2, left.center().y());
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
    EXPECT_NE(dialog, nullptr);
    if (!dialog) return;
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    Window window{platform, *dialog};
    script(window);
    ran = true;
    QWidget* focus = QApplication::focusWidget();
    if (dialog->isVisible()) QTest::keyClick(focus ? focus : dialog, Qt::Key_Escape);
  });
  const int result = dlg.DoModal();
  EXPECT_TRUE(ran);
  return result;
}

TEST(Widgets, StartState) {
  const int result = RunMainWindow([](Window& w) {
    EXPECT_EQ(w.dialog.windowTitle(), QStringLiteral("Zorvane"));
    EXPECT_TRUE(w.Input()->toPlainText().isEmpty());
    EXPECT_TRUE(w.Output()->toPlainText().isEmpty());
    for (int id : {1051, 1007, 1009, 1012})
      EXPECT_FALSE(w.Control<QCheckBox>(id)->isChecked());
    EXPECT_EQ(w.Focus(), w.Input());
    EXPECT_TRUE(w.Output()->isReadOnly());
    EXPECT_TRUE(w.Control<QPushButton>(1011)->isDefault());
    EXPECT_EQ(w.dialog.minimumSize(), w.dialog.maximumSize());  // fixed size
    EXPECT_TRUE(w.dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    // The icon goes to the window system once the window has been painted.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.dialog.windowIcon().isNull(); }));
    EXPECT_TRUE(w.dialog.windowIcon().availableSizes().contains(QSize(32, 32)));
  });
  EXPECT_EQ(result, 2);  // Escape: Cancel
}

TEST(Widgets, EnterEvaluatesAndKeepsTheExpressionSelected) {
  RunMainWindow([](Window& w) {
    w.Click(1007);  // DEG
    EXPECT_TRUE(w.Control<QCheckBox>(1007)->isChecked());
    EXPECT_EQ(w.Focus(), w.Input());
    w.Type("2*(1+sin30");
    w.Key(Qt::Key_Return);
    EXPECT_EQ(w.Output()->toPlainText(), QStringLiteral("2*(1+SIN30\n=3"));
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("2*(1+SIN30"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(0, 10));
    EXPECT_EQ(w.Focus(), w.Input());
    w.Key(Qt::Key_Enter);  // the keypad's Enter too; no line break is inserted
    EXPECT_EQ(w.Output()->toPlainText(), QStringLiteral("2*(1+SIN30\n=3\n2*(1+SIN30\n=3"));
    EXPECT_EQ(w.Input()->blockCount(), 1);
  });
}

// Run again by ctest under a comma-decimal and a Japanese locale: QApplication
// takes the process locale from the environment, and results must not change.
TEST(Widgets, DecimalResultsWhateverTheLocale) {
  const QByteArray wanted = qgetenv("LC_ALL");
  if (wanted.startsWith("de_DE")) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the German locale did not take";
  }
  RunMainWindow([](Window& w) {
    for (const char* typed : {"1.5+1.25", "1/3", "2^0.5", "1e-5*3", "12345.678"}) {
      w.Click(1010);  // Clear input
      w.Type(typed);
      w.Key(Qt::Key_Return);
    }
    EXPECT_EQ(w.Output()->toPlainText(),
              QStringLiteral("12345.678\n=12345.678\n1E-5*3\n=0.00003\n2^0.5\n=1.414213562\n"
                             "1/3\n=0.3333333333\n1.5+1.25\n=2.75"));
  });
}

TEST(Widgets, TypedAndPastedLettersBecomeCapitals) {
  RunMainWindow([](Window& w) {
    w.Type("sqr(pi)e");
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("SQR(PI)E"));
    QApplication::clipboard()->setText(QStringLiteral("ln x"));
    w.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("SQR(PI)ELN X"));
    // Text written by a command stays as it is: the error mark pasted from the log.
    w.Key(Qt::Key_A, Qt::ControlModifier);
    w.Type("2*()");
    w.Key(Qt::Key_Return);
    QTextCursor cursor = w.Output()->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    w.Output()->setTextCursor(cursor);
    w.Click(1028);  // Paste
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("error"));
  });
}

TEST(Widgets, CtrlEnterBreaksTheLineAndTheBreakCountsTwo) {
  RunMainWindow([](Window& w) {
    w.Type("1+");
    w.Key(Qt::Key_Return, Qt::ControlModifier);
    w.Type("2");
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("1+\n2"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(5, 5));
    w.Click(1044);  // +
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("1+\n2+"));
    EXPECT_EQ(w.Input()->textCursor().position(), 5);
    EXPECT_EQ(w.InputSelection(), std::make_pair(6, 6));
    w.Click(1017);  // BackSpace, twice: the + and then the digit
    w.Click(1017);
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("1+\n"));
    w.Click(1017);  // the line break goes as a whole
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("1+"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(2, 2));
  });
}

TEST(Widgets, SelectionFromRightToLeftReadsAsTheOrderedPair) {
  RunMainWindow([](Window& w) {
    w.Type("12+34");
    w.Key(Qt::Key_Left, Qt::ShiftModifier);
    w.Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(w.InputSelection(), std::make_pair(3, 5));
    w.Click(1018);  // SIN wraps the selection
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("12+SIN(34)"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(10, 10));
  });
}

TEST(Widgets, KeypadInsertsAtTheCaretAndReturnsTheFocus) {
  RunMainWindow([](Window& w) {
    w.Type("1234");
    w.Key(Qt::Key_Left);
    w.Key(Qt::Key_Left);
    w.Click(1031);  // 7
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("12734"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(3, 3));
    EXPECT_EQ(w.Focus(), w.Input());
    w.Click(1026);  // pi
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("127PI34"));
    for (int id : {1013, 1031, 1011, 1028, 1007, 1012}) {
      EXPECT_EQ(w.Control(id)->focusPolicy(), Qt::NoFocus) << id;
    }
  });
}

TEST(Widgets, TabVisitsOnlyTheThreeTabStops) {
  RunMainWindow([](Window& w) {
    EXPECT_EQ(w.Focus(), w.Input());
    w.Key(Qt::Key_Tab);
    EXPECT_EQ(w.Focus(), w.Control(1010));
    w.Key(Qt::Key_Tab);
    EXPECT_EQ(w.Focus(), w.Control(1027));
    w.Key(Qt::Key_Tab);
    EXPECT_EQ(w.Focus(), w.Input());
    EXPECT_TRUE(w.Input()->toPlainText().isEmpty());  // no tab character typed
  });
}

TEST(Widgets, OutputSelectionSurvivesTheClickOnPaste) {
  RunMainWindow([](Window& w) {
    w.Type("1+2.5");
    w.Key(Qt::Key_Return);
    QTest::mouseClick(w.Output()->viewport(), Qt::LeftButton);
    EXPECT_EQ(w.Focus(), w.Output());
    QTextCursor cursor = w.Output()->textCursor();
    cursor.setPosition(10);
    cursor.setPosition(7, QTextCursor::KeepAnchor);  // "3.5", from right to left
    w.Output()->setTextCursor(cursor);
    w.Type("x");  // the log takes no typing
    w.Click(1028);
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("3.5"));
    EXPECT_EQ(w.InputSelection(), std::make_pair(3, 3));
    EXPECT_EQ(w.Focus(), w.Input());
    EXPECT_EQ(w.Output()->textCursor().selectedText(), QStringLiteral("3.5"));
    EXPECT_EQ(w.Output()->toPlainText(), QStringLiteral("1+2.5\n=3.5"));
  });
}

// Every edit of the user's stops at the limit, whole: at the limit it is taken,
// one position past it the box stays as it was and beeps.
TEST(Widgets, EditsStopWholeAtTheLimit) {
  static int beeps = 0;
  SetBeepSink([] { ++beeps; });
  struct Row {
    const char* what;
    int room;  // free positions left in the Input Box before the edit
    std::function<void(Window&)> edit;
    int grows;  // positions the edit adds when it is taken
  };
  const auto paste = [](const char* text) {
    return [text](Window& w) {
      QApplication::clipboard()->setText(QString::fromLatin1(text));
      w.Key(Qt::Key_V, Qt::ControlModifier);
    };
  };
  const Row rows[] = {
      {"typing", 1, [](Window& w) { w.Type("2"); }, 1},
      {"typing", 0, [](Window& w) { w.Type("2"); }, 1},
      {"Ctrl+V", 3, paste("1+2"), 3},
      {"Ctrl+V", 2, paste("1+2"), 3},
      {"Ctrl+V line break", 2, paste("\n"), 2},
      {"Ctrl+V line break", 1, paste("\n"), 2},
      {"Ctrl+Enter", 2, [](Window& w) { w.Key(Qt::Key_Return, Qt::ControlModifier); }, 2},
      {"Ctrl+Enter", 1, [](Window& w) { w.Key(Qt::Key_Return, Qt::ControlModifier); }, 2},
      {"keypad SIN", 3, [](Window& w) { w.Click(1018); }, 3},
      {"keypad SIN", 2, [](Window& w) { w.Click(1018); }, 3},
      {"keypad ( )", 2, [](Window& w) { w.Click(1024); }, 2},
      {"keypad ( )", 1, [](Window& w) { w.Click(1024); }, 2},
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
      input.SetSel(1, 1);
      beeps = 0;
      row.edit(w);
      const bool taken = row.grows <= row.room;
      const std::string after = input.GetWindowText();
      if (taken) {
        EXPECT_EQ(after.size(), before.size() + row.grows);
      } else {
        EXPECT_EQ(after, before);
        EXPECT_EQ(w.InputSelection(), std::make_pair(1, 1));
      }
      EXPECT_EQ(beeps, taken ? 0 : 1);
      EXPECT_EQ(w.Focus(), w.Input());
    });
  }
  // The report that found it: 32,771 characters pasted over everything. A cut
  // would leave 0*0*...0*0+12345 and evaluate to 12345.
  RunMainWindow([](Window& w) {
    std::string text;
    for (int i = 0; i < 16380; ++i)
      text += "0*";
    text += "0+123456789";
    w.Type("1+1");
    w.Key(Qt::Key_A, Qt::ControlModifier);
    beeps = 0;
    QApplication::clipboard()->setText(QString::fromStdString(text));
    w.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("1+1"));
    EXPECT_EQ(beeps, 1);
    text.resize(kEditLimit);  // exactly as much as the box takes
    QApplication::clipboard()->setText(QString::fromStdString(text));
    w.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Input()->toPlainText().size(), kEditLimit);
    EXPECT_EQ(beeps, 1);
  });
  // The Paste button: the selected part of the log replaces the whole input.
  for (int length : {kEditLimit, kEditLimit + 1}) {
    RunMainWindow([&](Window& w) {
      QtEditControl output(*w.Output());
      output.SetWindowText(std::string(length, '2'));
      output.SetSel(0, length);
      w.Type("1+1");
      beeps = 0;
      w.Click(1028);
      const bool taken = length <= kEditLimit;
      EXPECT_EQ(w.Input()->toPlainText().size(), taken ? length : 3) << length;
      EXPECT_EQ(beeps, taken ? 0 : 1) << length;
    });
  }
  SetBeepSink(nullptr);
}

// A double-click picks the whole number, in either box; Paste then carries it on.
TEST(Widgets, DoubleClickPicksTheWholeNumber) {
  RunMainWindow([](Window& w) {
    for (const char* typed : {"2^0.5", "12345.678*1E5", "1/3E12", "2*()"}) {
      w.Click(1010);
      w.Type(typed);
      w.Key(Qt::Key_Return);
    }
    ASSERT_EQ(w.Output()->toPlainText(),
              QStringLiteral("2*()\n=error\n1/3E12\n=3.333333333E-13\n12345.678*1E5\n"
                             "=1234567800\n2^0.5\n=1.414213562"));
    w.Input()->setPlainText(QStringLiteral("SIN(30)+12.5E-3*4"));
    struct Row {
      QPlainTextEdit* box;
      int position;  // of the character clicked
      const char* picked;
    };
    const Row rows[] = {
        {w.Output(), 71, "1.414213562"},      // on its first decimal
        {w.Output(), 79, "1.414213562"},      // on its last digit
        {w.Output(), 21, "3.333333333E-13"},  // on the point
        {w.Output(), 32, "3.333333333E-13"},  // on the exponent's sign
        {w.Output(), 38, "12345.678"},        // within the expression
        {w.Output(), 8, "error"},             // no number: a word as always
        {w.Input(), 11, "12.5E-3"},
        {w.Input(), 13, "12.5E-3"},
        {w.Input(), 1, "SIN"},
    };
    for (const Row& row : rows) {
      DoubleClick(row.box, row.position);
      EXPECT_EQ(row.box->textCursor().selectedText(), QString::fromLatin1(row.picked))
          << row.position;
    }
    DoubleClick(w.Output(), 75);
    w.Click(1028);  // Paste
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("1.414213562"));
    // A third click still takes the whole line.
    const QPoint point = DoubleClick(w.Output(), 75);
    QTest::mouseClick(w.Output()->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    EXPECT_EQ(w.Output()->textCursor().selectedText(), QStringLiteral("=1.414213562"));
  });
}

// Keypad, Paste, BackSpace, Clear and F_OUT are steps of the Input Box's undo,
// between the typed ones.
TEST(Widgets, UndoStepsThroughTypingAndButtons) {
  RunMainWindow([](Window& w) {
    w.Type("2*3");
    w.Click(1032);  // F_IN
    w.Key(Qt::Key_Return);
    QTextCursor cursor = w.Output()->textCursor();  // the 6 of "2*3", "=6"
    cursor.setPosition(5);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    w.Output()->setTextCursor(cursor);
    w.Click(1028);  // Paste
    w.Type("+1");
    w.Click(1031);  // 7
    EXPECT_TRUE(w.Input()->document()->isUndoAvailable());
    w.Click(1017);  // BackSpace
    w.Click(1010);  // Clear
    w.Click(1049);  // F_OUT
    const QString steps[] = {
        QStringLiteral("2*3"), QString(),           QStringLiteral("6+1"), QStringLiteral("6+17"),
        QStringLiteral("6+1"), QStringLiteral("6"), QStringLiteral("2*3")};
    for (const QString& step : steps) {
      EXPECT_EQ(w.Input()->toPlainText(), step);
      w.Key(Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(w.Input()->toPlainText(), QString());  // before the typing
    for (auto step = std::rbegin(steps); step != std::rend(steps); ++step) {
      w.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
      EXPECT_EQ(w.Input()->toPlainText(), *step);
    }
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("2*3"));
    EXPECT_EQ(w.Focus(), w.Input());
  });
}

// Alt and a letter does what a click on the control does, with the focus back in
// the Input Box wherever it was; the window looks no different.
TEST(Widgets, EveryCommandFromTheKeyboard) {
  RunMainWindow([](Window& w) {
    const auto alt = [&w](Qt::Key key) { w.Key(key, Qt::AltModifier); };
    struct CheckRow {
      Qt::Key key;
      int id;
    };
    for (const CheckRow& row : {CheckRow{Qt::Key_D, 1007}, CheckRow{Qt::Key_X, 1009},
                                CheckRow{Qt::Key_F, 1051}, CheckRow{Qt::Key_T, 1012}}) {
      w.Output()->setFocus();
      alt(row.key);
      EXPECT_TRUE(w.Control<QCheckBox>(row.id)->isChecked()) << row.id;
      EXPECT_EQ(w.Focus(), w.Input()) << row.id;
      alt(row.key);
      EXPECT_FALSE(w.Control<QCheckBox>(row.id)->isChecked()) << row.id;
    }
    alt(Qt::Key_T);  // MostTop's command ran, not only its mark
    EXPECT_TRUE(w.dialog.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    alt(Qt::Key_T);

    w.Type("1+2");
    w.Key(Qt::Key_Return);
    alt(Qt::Key_I);  // F_IN
    alt(Qt::Key_C);  // Clear input
    EXPECT_TRUE(w.Input()->toPlainText().isEmpty());
    alt(Qt::Key_O);  // F_OUT
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("1+2"));
    QTextCursor cursor = w.Output()->textCursor();
    cursor.setPosition(5);
    cursor.setPosition(6, QTextCursor::KeepAnchor);  // the 3 of "=3"
    w.Output()->setTextCursor(cursor);
    alt(Qt::Key_P);  // Paste
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("3"));
    alt(Qt::Key_L);  // Clear output
    EXPECT_TRUE(w.Output()->toPlainText().isEmpty());
    bool aboutShown = false;
    QTimer::singleShot(0, [&] {
      QDialog* about = w.platform.TopDialog();
      aboutShown = about != &w.dialog;
      if (aboutShown) about->reject();
    });
    alt(Qt::Key_A);  // About
    EXPECT_TRUE(aboutShown);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w.dialog));
    EXPECT_EQ(w.Focus(), w.Input());
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("3"));  // no letter typed

    // Each control tells a screen reader its keys; no caption carries a mnemonic.
    const std::pair<int, const char*> keys[] = {
        {1007, "Alt+D"}, {1009, "Alt+X"}, {1051, "Alt+F"}, {1012, "Alt+T"}, {1032, "Alt+I"},
        {1049, "Alt+O"}, {1028, "Alt+P"}, {1010, "Alt+C"}, {1027, "Alt+L"}, {1008, "Alt+A"}};
    for (const auto& [id, key] : keys) {
      auto* button = w.Control<QAbstractButton>(id);
      EXPECT_EQ(button->accessibleDescription(), QStringLiteral("Shortcut: ") + key) << id;
      EXPECT_FALSE(button->text().contains(u'&')) << id;
    }
  });
}

TEST(Widgets, MostTopKeepsTheWindowAbove) {
  RunMainWindow([](Window& w) {
    w.Click(1012);
    EXPECT_TRUE(w.dialog.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.Focus(), w.Input());
    w.Click(1012);
    EXPECT_FALSE(w.dialog.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w.dialog.isVisible());
  });
}

TEST(Widgets, AboutBoxOpensAndCloses) {
  RunMainWindow([](Window& w) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      QDialog* about = w.platform.TopDialog();
      ASSERT_NE(about, &w.dialog);
      ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
      seen = true;
      EXPECT_EQ(about->windowTitle(), QString::fromUtf8("このソフトウェアについて"));
      bool labelFound = false;
      for (QLabel* label : about->findChildren<QLabel*>()) {
        labelFound |= label->text() == QStringLiteral("Zorvane  Version " ZORVANE_VERSION_SHORT);
      }
      EXPECT_TRUE(labelFound);
      QPushButton* ok = about->findChild<QPushButton*>(QStringLiteral("control1"));
      ASSERT_NE(ok, nullptr);
      EXPECT_TRUE(ok->isDefault());
      QTest::mouseClick(ok, Qt::LeftButton);
    });
    w.Click(1008);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w.dialog));
    EXPECT_EQ(w.platform.TopDialog(), &w.dialog);
    EXPECT_TRUE(w.dialog.isVisible());
    EXPECT_EQ(w.Focus(), w.Input());
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
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("111"));
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
        for (const char* part : {"Alt+D", "F1, Alt+H", "FUNCTION MODE", "-2^2 is -4",
                                 "ASN and ACS need an argument from -1 to 1", "(-8)^(1/3)"}) {
          EXPECT_TRUE(text->toPlainText().contains(QString::fromUtf8(part))) << part;
        }
        EXPECT_EQ(help->focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Escape);
      });
      QTest::keyClick(input, key, modifiers);
      EXPECT_EQ(OpenHelpWindow(), nullptr);
      EXPECT_TRUE(QTest::qWaitForWindowActive(main));
      EXPECT_EQ(QApplication::focusWidget(), input);
      EXPECT_TRUE(main->isVisible());
    }
    QTest::keyClick(input, Qt::Key_Escape);
  });
  EXPECT_EQ(afx::AfxWinMain(app), 0);
  EXPECT_EQ(shown, 2);
}

TEST(Widgets, CloseBoxEndsTheWindow) {
  QtPlatform platform;
  window::CMainDlg dlg(platform);
  QTimer::singleShot(0, [&] { platform.TopDialog()->close(); });
  EXPECT_EQ(dlg.DoModal(), 2);
}

TEST(Widgets, GeometryFollowsTheTemplate) {
  RunMainWindow([](Window& w) {
    const QSize base = w.dialog.property("dialogBaseUnits").toSize();
    EXPECT_EQ(base.width(), DialogBaseUnits(w.dialog.font()).x);
    EXPECT_EQ(base.height(), DialogBaseUnits(w.dialog.font()).y);
    const BaseUnits units{base.width(), base.height()};
    EXPECT_EQ(w.dialog.size(), MapDialogRect(units, 0, 0, 300, 155).size());
    EXPECT_EQ(w.Input()->geometry(), MapDialogRect(units, 7, 22, 197, 28));
    EXPECT_EQ(w.Output()->geometry(), MapDialogRect(units, 7, 70, 197, 64));
    EXPECT_EQ(w.Control(1011)->geometry(), MapDialogRect(units, 274, 119, 19, 30));
    EXPECT_EQ(w.Control(1017)->geometry(), MapDialogRect(units, 211, 55, 41, 14));
    // Neighbours stay neighbours: EXE spans the rows of 3 and E.
    EXPECT_EQ(w.Control(1011)->geometry().top(), w.Control(1045)->geometry().top());
    EXPECT_EQ(w.Control(1011)->geometry().bottom(), w.Control(1029)->geometry().top() +
                                                        w.Control(1029)->height() - 1 -
                                                        MapDialogRect(units, 0, 0, 0, 0).height());
    EXPECT_EQ(w.Control(1031)->x(), w.Control(1018)->x());  // the keypad's first column
    EXPECT_GT(w.Control(1011)->height(), 2 * w.Control(1031)->height());
  });
}

TEST(Widgets, AccessibleNamesAndTheAnnouncedLogEntry) {
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
    const std::pair<int, const char*> names[] = {
        {1013, "Square root"}, {1026, "Pi"},     {1029, "Exponent mark"}, {1017, "Backspace"},
        {1011, "Execute"},     {1031, "Seven"},  {1039, "Zero"},          {1024, "Parentheses"},
        {1001, "Input"},       {1002, "Output"}, {1010, "Clear input"},   {1051, "Function mode"}};
    for (const auto& [id, name] : names) {
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.Control(id));
      ASSERT_NE(iface, nullptr) << id;
      EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(name)) << id;
    }
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

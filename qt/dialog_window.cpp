#include "dialog_window.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include "qt_platform.h"
#include "resources/dialogs/accelerators.h"
#include "resources/dialogs/resource_ids.h"
#include "window/accessible_names.h"

namespace zorvane::qt {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::WindowFlags FlagsFor(const res::DialogTemplate& t) {
  Qt::WindowFlags flags = (t.styles & res::kAppWindow) ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint;
  if (t.styles & res::kCaption) flags |= Qt::WindowTitleHint;
  if (t.styles & res::kSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (t.styles & res::kMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  return flags;
}

}  // namespace

// The dialog's own window: Escape, the close box and Enter without a default
// button become the framework's Cancel and OK commands.
class DialogWindow::Window : public QDialog {
 public:
  Window(DialogWindow& site, QWidget* owner) : QDialog(owner), m_site(site) {}
  void reject() override { m_site.Dispatch(2, afx::BN_CLICKED); }
  void accept() override { m_site.Dispatch(1, afx::BN_CLICKED); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QDialog::paintEvent(event);
    if (m_painted) return;
    m_painted = true;
    QTimer::singleShot(0, this, [this] { m_site.ApplyIcon(); });
  }

 private:
  DialogWindow& m_site;
  bool m_painted = false;
};

class DialogWindow::CheckAdapter : public afx::CheckControl {
 public:
  explicit CheckAdapter(QCheckBox& box) : m_box(box) {}
  int GetCheck() const override {
    return m_box.isChecked() ? afx::BST_CHECKED : afx::BST_UNCHECKED;
  }

 private:
  QCheckBox& m_box;
};

DialogWindow::DialogWindow(QtPlatform& platform, afx::CDialog& dialog,
                           const res::DialogTemplate& dialogTemplate, QWidget* owner)
    : m_platform(platform),
      m_dialog(dialog),
      m_template(dialogTemplate),
      m_window(std::make_unique<Window>(*this, owner)) {
  Build();
}

DialogWindow::~DialogWindow() {
  m_dispatching = false;
  m_edits.clear();
  m_checks.clear();
}

void DialogWindow::Build() {
  QDialog& window = *m_window;
  window.setObjectName(QStringLiteral("dialog%1").arg(m_template.id));
  window.setWindowFlags(FlagsFor(m_template));
  window.setWindowTitle(FromUtf8(m_template.caption));
  window.setModal(window.parentWidget() != nullptr);
  const QFont font = DialogFont(m_template.fontFace, m_template.pointSize);
  window.setFont(font);
  m_units = DialogBaseUnits(font);
  window.setProperty("dialogBaseUnits", QSize(m_units.x, m_units.y));

  for (const res::DialogControl& control : m_template.controls) {
    QWidget* widget = CreateControl(control);
    widget->setGeometry(MapDialogRect(m_units, control.x, control.y, control.w, control.h));
    const std::string_view name = window::AccessibleName(m_template.id, control.id);
    if (!name.empty()) widget->setAccessibleName(FromUtf8(name));
    const std::string description = window::AccessibleDescription(m_template.id, control.id);
    if (!description.empty()) widget->setAccessibleDescription(FromUtf8(description));
    if (control.id != res::IDC_STATIC) {
      widget->setObjectName(QStringLiteral("control%1").arg(control.id));
      m_controls[control.id] = widget;
    }
  }
  window.setFixedSize(MapDialogRect(m_units, 0, 0, m_template.w, m_template.h).size());
  InstallAccelerators();
}

// The template's keyboard shortcuts: one on a control clicks it, exactly as the
// mouse does; any other gives its command to the dialog.
void DialogWindow::InstallAccelerators() {
  for (const res::Accelerator& accelerator : res::FindAccelerators(m_template.id)) {
    auto* shortcut = new QShortcut(
        QKeySequence(FromUtf8(accelerator.keys), QKeySequence::PortableText), m_window.get());
    const int command = accelerator.command;
    QObject::connect(shortcut, &QShortcut::activated, m_window.get(), [this, command] {
      auto it = m_controls.find(command);
      auto* button = it == m_controls.end() ? nullptr : qobject_cast<QAbstractButton*>(it->second);
      if (button) {
        button->click();
      } else {
        Dispatch(command, afx::BN_CLICKED);
      }
    });
  }
}

QWidget* DialogWindow::CreateControl(const res::DialogControl& control) {
  QDialog* parent = m_window.get();
  const QString caption = FromUtf8(control.caption);
  const bool tabStop = control.styles & res::kTabStop;
  const int id = control.id;
  switch (control.kind) {
    case res::ControlKind::Edit: {
      auto* edit =
          new EditBox(parent, control.styles & res::kUpperCase, control.styles & res::kReadOnly);
      edit->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
      edit->SetPressDefault([this] {
        for (QPushButton* button : m_window->findChildren<QPushButton*>()) {
          if (button->isDefault() && button->isEnabled()) {
            button->click();
            return;
          }
        }
      });
      m_edits[id] = std::make_unique<QtEditControl>(*edit);
      if (!edit->isReadOnly()) {
        QObject::connect(edit, &QPlainTextEdit::textChanged, parent,
                         [this, id] { Dispatch(id, afx::EN_CHANGE); });
      }
      return edit;
    }
    case res::ControlKind::PushButton: {
      auto* button = new QPushButton(caption, parent);
      button->setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
      button->setAutoDefault(tabStop);
      button->setDefault(control.styles & res::kDefault);
      QObject::connect(button, &QAbstractButton::clicked, parent,
                       [this, id] { Dispatch(id, afx::BN_CLICKED); });
      return button;
    }
    case res::ControlKind::CheckBox: {
      auto* box = new QCheckBox(caption, parent);
      box->setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
      m_checks[id] = std::make_unique<CheckAdapter>(*box);
      QObject::connect(box, &QAbstractButton::clicked, parent,
                       [this, id] { Dispatch(id, afx::BN_CLICKED); });
      return box;
    }
    case res::ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case res::ControlKind::Icon: {
      auto* label = new QLabel(parent);
      const QRect rect = MapDialogRect(m_units, control.x, control.y, control.w, control.h);
      const int side = std::min(rect.width(), rect.height());
      label->setPixmap(m_platform.Icon(afx::HICON{control.image}).pixmap(QSize(side, side)));
      label->setAccessibleName(QStringLiteral("Zorvane"));
      return label;
    }
  }
  return new QWidget(parent);
}

QDialog* DialogWindow::Widget() const {
  return m_window.get();
}

void DialogWindow::Dispatch(int id, int code) {
  if (m_dispatching) m_dialog.OnCmdMsg(id, code);
}

afx::EditControl* DialogWindow::GetEditControl(int id) {
  auto it = m_edits.find(id);
  return it == m_edits.end() ? nullptr : it->second.get();
}

afx::CheckControl* DialogWindow::GetCheckControl(int id) {
  auto it = m_checks.find(id);
  return it == m_checks.end() ? nullptr : it->second.get();
}

// The window system gets the icon once the window has first been painted:
// reading its images (and the image plugins the reader consults) then costs no
// wait for the window. A later SetIcon applies at once.
void DialogWindow::SetIcon(afx::HICON icon, bool) {
  m_icon = icon;
  m_iconPending = true;
  if (m_iconNow) ApplyIcon();
}

void DialogWindow::ApplyIcon() {
  m_iconNow = true;
  if (!m_iconPending) return;
  m_iconPending = false;
  m_window->setWindowIcon(m_platform.Icon(m_icon));
}

void DialogWindow::SetFont(int controlId, afx::StockFont) {
  auto it = m_controls.find(controlId);
  if (it != m_controls.end())
    it->second->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

// The window order: kept above other windows, or an ordinary window; raising
// brings it in front. Taking it out of the top band leaves it where it stands,
// since the Top that follows would undo any lowering at once.
void DialogWindow::SetWindowPos(afx::InsertAfter where) {
  QWindow* handle = m_window->windowHandle();
  switch (where) {
    case afx::InsertAfter::TopMost:
      if (handle) handle->setFlag(Qt::WindowStaysOnTopHint, true);
      m_window->raise();
      break;
    case afx::InsertAfter::Bottom:
      if (handle) handle->setFlag(Qt::WindowStaysOnTopHint, false);
      break;
    case afx::InsertAfter::Top:
      m_window->raise();
      break;
  }
}

void DialogWindow::EndDialog(int result) {
  if (m_ended) return;
  m_ended = true;
  m_result = result;
  m_window->done(result);
}

void DialogWindow::FocusFirstTabStop() {
  for (const res::DialogControl& control : m_template.controls) {
    if ((control.styles & res::kTabStop) && m_controls.contains(control.id)) {
      m_controls[control.id]->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

// A dialog with an owner is application-modal; the main window has none, so it
// runs its own loop without asking the window manager for a modal window.
int DialogWindow::Exec() {
  if (m_ended) return m_result;
  if (m_window->parentWidget()) {
    m_window->exec();
    return m_result;
  }
  QEventLoop loop;
  QObject::connect(m_window.get(), &QDialog::finished, &loop, &QEventLoop::quit);
  m_window->show();
  if (!m_ended) loop.exec(QEventLoop::DialogExec);
  return m_result;
}

}  // namespace zorvane::qt

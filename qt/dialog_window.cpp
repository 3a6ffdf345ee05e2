#include "qt/dialog_window.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "qt/qt_platform.h"
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

// A caption of signs from outside every alphabet, such as the square root's.
// The light hinter places such a sign by the face's CJK reference glyphs: in a
// gothic face it reads some seventy outlines from all over the font file at the
// first paint, 1.5 MB of the process's memory. Unhinted, the sign differs by a
// shade on a few of its edge pixels at most.
bool IsForeignSign(const QString& caption) {
  return !caption.isEmpty() && std::all_of(caption.begin(), caption.end(), [](QChar c) {
    return c.unicode() > 0x7f && c.isSymbol();
  });
}

}  // namespace

// The dialog's own window: Escape, the close box and Enter without a default
// button become the framework's Cancel and OK commands.
class DialogWindow::Window : public QDialog {
 public:
  Window(DialogWindow& site, QWidget* owner) : QDialog(owner), site_(site) {}
  void reject() override { site_.Dispatch(2, afx::BN_CLICKED); }
  void accept() override { site_.Dispatch(1, afx::BN_CLICKED); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QDialog::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, this, [this] { site_.ApplyIcon(); });
  }

 private:
  DialogWindow& site_;
  bool painted_ = false;
};

class DialogWindow::CheckAdapter : public afx::CheckControl {
 public:
  explicit CheckAdapter(QCheckBox& box) : box_(box) {}
  int GetCheck() const override { return box_.isChecked() ? afx::BST_CHECKED : afx::BST_UNCHECKED; }

 private:
  QCheckBox& box_;
};

DialogWindow::DialogWindow(QtPlatform& platform, afx::CDialog& dialog,
                           const res::DialogTemplate& dialogTemplate, QWidget* owner)
    : platform_(platform),
      dialog_(dialog),
      template_(dialogTemplate),
      window_(std::make_unique<Window>(*this, owner)) {
  Build();
}

DialogWindow::~DialogWindow() {
  dispatching_ = false;
  edits_.clear();
  checks_.clear();
}

void DialogWindow::Build() {
  QDialog& window = *window_;
  window.setObjectName(QStringLiteral("dialog%1").arg(template_.id));
  window.setWindowFlags(FlagsFor(template_));
  window.setWindowTitle(FromUtf8(template_.caption));
  window.setModal(window.parentWidget() != nullptr);
  const QFont font = DialogFont(template_.fontFace, template_.pointSize);
  window.setFont(font);
  units_ = DialogBaseUnits(font);
  window.setProperty("dialogBaseUnits", QSize(units_.x, units_.y));

  for (const res::DialogControl& control : template_.controls) {
    QWidget* widget = CreateControl(control);
    widget->setGeometry(MapDialogRect(units_, control.x, control.y, control.w, control.h));
    const std::string_view name = window::AccessibleName(template_.id, control);
    if (!name.empty()) widget->setAccessibleName(FromUtf8(name));
    const std::string description = window::AccessibleDescription(template_.id, control.id);
    if (!description.empty()) widget->setAccessibleDescription(FromUtf8(description));
    if (control.id != afx::IDC_STATIC) {
      widget->setObjectName(QStringLiteral("control%1").arg(control.id));
      controls_[control.id] = widget;
    }
  }
  window.setFixedSize(MapDialogRect(units_, 0, 0, template_.w, template_.h).size());
  InstallAccelerators();
}

// The template's keyboard shortcuts, for the dialog to carry out.
void DialogWindow::InstallAccelerators() {
  for (const res::Accelerator& accelerator : res::FindAccelerators(template_.id)) {
    auto* shortcut = new QShortcut(
        QKeySequence(FromUtf8(accelerator.keys), QKeySequence::PortableText), window_.get());
    const int command = accelerator.command;
    QObject::connect(shortcut, &QShortcut::activated, window_.get(), [this, command] {
      if (dispatching_) dialog_.OnShortcut(command);
    });
  }
}

QWidget* DialogWindow::CreateControl(const res::DialogControl& control) {
  QDialog* parent = window_.get();
  const QString caption = FromUtf8(control.caption);
  const bool tabStop = control.styles & res::kTabStop;
  const int id = control.id;
  switch (control.kind) {
    case res::ControlKind::Edit: {
      auto* edit =
          new EditBox(parent, control.styles & res::kUpperCase, control.styles & res::kReadOnly);
      edit->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
      edit->SetPressDefault([this] {
        for (QPushButton* button : window_->findChildren<QPushButton*>()) {
          if (button->isDefault() && button->isEnabled()) {
            button->click();
            return;
          }
        }
      });
      edits_[id] = std::make_unique<QtEditControl>(*edit);
      edit->SetTipSource([this, id](int position) {
        if (!dispatching_) return QString();
        return FromUtf8(dialog_.OnToolTipText(id, edits_[id]->WindowPosition(position)));
      });
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
      if (IsForeignSign(caption)) {
        QFont font = button->font();
        font.setHintingPreference(QFont::PreferNoHinting);
        button->setFont(font);
      }
      QObject::connect(button, &QAbstractButton::clicked, parent,
                       [this, id] { Dispatch(id, afx::BN_CLICKED); });
      return button;
    }
    case res::ControlKind::CheckBox: {
      auto* box = new QCheckBox(caption, parent);
      box->setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
      checks_[id] = std::make_unique<CheckAdapter>(*box);
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
      const QRect rect = MapDialogRect(units_, control.x, control.y, control.w, control.h);
      const int side = std::min(rect.width(), rect.height());
      label->setPixmap(platform_.Icon(afx::HICON{control.image}).pixmap(QSize(side, side)));
      return label;
    }
  }
  return new QWidget(parent);
}

QDialog* DialogWindow::Widget() const {
  return window_.get();
}

bool DialogWindow::ClickControl(int id) {
  auto it = controls_.find(id);
  auto* button = it == controls_.end() ? nullptr : qobject_cast<QAbstractButton*>(it->second);
  if (button) button->click();
  return button != nullptr;
}

void DialogWindow::Dispatch(int id, int code) {
  if (dispatching_) dialog_.OnCmdMsg(id, code);
}

afx::EditControl* DialogWindow::GetEditControl(int id) {
  auto it = edits_.find(id);
  return it == edits_.end() ? nullptr : it->second.get();
}

afx::CheckControl* DialogWindow::GetCheckControl(int id) {
  auto it = checks_.find(id);
  return it == checks_.end() ? nullptr : it->second.get();
}

// The window system gets the icon once the window has first been painted:
// reading its images (and the image plugins the reader consults) then costs no
// wait for the window. A later SetIcon applies at once.
void DialogWindow::SetIcon(afx::HICON icon, bool) {
  icon_ = icon;
  iconPending_ = true;
  if (iconNow_) ApplyIcon();
}

void DialogWindow::ApplyIcon() {
  iconNow_ = true;
  if (!iconPending_) return;
  iconPending_ = false;
  window_->setWindowIcon(platform_.Icon(icon_));
}

void DialogWindow::SetFont(int controlId, afx::StockFont) {
  auto it = controls_.find(controlId);
  if (it != controls_.end())
    it->second->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

// The window order: kept above other windows, or an ordinary window; raising
// brings it in front. Taking it out of the top band leaves it where it stands,
// since the Top that follows would undo any lowering at once.
void DialogWindow::SetWindowPos(afx::InsertAfter where) {
  QWindow* handle = window_->windowHandle();
  switch (where) {
    case afx::InsertAfter::TopMost:
      if (handle) handle->setFlag(Qt::WindowStaysOnTopHint, true);
      window_->raise();
      break;
    case afx::InsertAfter::Bottom:
      if (handle) handle->setFlag(Qt::WindowStaysOnTopHint, false);
      break;
    case afx::InsertAfter::Top:
      window_->raise();
      break;
  }
}

void DialogWindow::EndDialog(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
  window_->done(result);
}

void DialogWindow::FocusFirstTabStop() {
  for (const res::DialogControl& control : template_.controls) {
    if ((control.styles & res::kTabStop) && controls_.contains(control.id)) {
      controls_[control.id]->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

// A dialog with an owner is application-modal; the main window has none, so it
// runs its own loop without asking the window manager for a modal window.
int DialogWindow::Exec() {
  if (ended_) return result_;
  if (window_->parentWidget()) {
    window_->exec();
    return result_;
  }
  QEventLoop loop;
  QObject::connect(window_.get(), &QDialog::finished, &loop, &QEventLoop::quit);
  window_->show();
  if (!ended_) loop.exec(QEventLoop::DialogExec);
  return result_;
}

}  // namespace zorvane::qt

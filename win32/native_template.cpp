#include "win32/native_template.h"

#include <windows.h>

#include <string_view>

#include "window/text_positions.h"

namespace zorvane::win32 {
namespace {

// The predefined window classes, by atom.
constexpr std::uint16_t kButtonClass = 0x0080;
constexpr std::uint16_t kEditClass = 0x0081;
constexpr std::uint16_t kStaticClass = 0x0082;

class TemplateWriter {
 public:
  void Word(std::uint16_t value) { words_.push_back(value); }
  void DoubleWord(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value & 0xFFFF));
    Word(static_cast<std::uint16_t>(value >> 16));
  }
  void Short(int value) { Word(static_cast<std::uint16_t>(static_cast<std::int16_t>(value))); }
  // A text of the template, UTF-8 in the data, zero-terminated UTF-16 here.
  void Text(std::string_view utf8) {
    for (char16_t unit : window::FromWindowText(utf8, u"\r\n"))
      Word(static_cast<std::uint16_t>(unit));
    Word(0);
  }
  void Ordinal(std::uint16_t value) {
    Word(0xFFFF);
    Word(value);
  }
  void AlignToDoubleWord() {
    if (words_.size() % 2) Word(0);
  }
  std::vector<std::uint16_t> Take() { return std::move(words_); }

 private:
  std::vector<std::uint16_t> words_;
};

bool Has(unsigned styles, unsigned flag) {
  return (styles & flag) != 0;
}

}  // namespace

std::uint32_t DialogWindowStyle(const res::DialogTemplate& t) {
  std::uint32_t style = WS_POPUP | DS_SETFONT | DS_3DLOOK;
  if (Has(t.styles, res::kCaption)) style |= WS_CAPTION;
  if (Has(t.styles, res::kSystemMenu)) style |= WS_SYSMENU;
  if (Has(t.styles, res::kMinimizeBox)) style |= WS_MINIMIZEBOX;
  if (Has(t.styles, res::kModalFrame)) style |= DS_MODALFRAME;
  if (Has(t.styles, res::kCentreOnScreen)) style |= DS_CENTER;
  return style;
}

std::uint32_t DialogExtendedStyle(const res::DialogTemplate& t) {
  return Has(t.styles, res::kAppWindow) ? WS_EX_APPWINDOW : 0;
}

std::uint32_t ControlWindowStyle(const res::DialogControl& c) {
  std::uint32_t style = WS_CHILD | WS_VISIBLE;
  if (Has(c.styles, res::kTabStop)) style |= WS_TABSTOP;
  if (Has(c.styles, res::kBorder)) style |= WS_BORDER;
  if (Has(c.styles, res::kVScroll)) style |= WS_VSCROLL;
  switch (c.kind) {
    case res::ControlKind::Edit:
      style |= ES_LEFT;
      if (Has(c.styles, res::kMultiLine)) style |= ES_MULTILINE;
      // Not ES_UPPERCASE, whose capitals follow the user's language and reach
      // every character; the edit box applies the window's own rule (PrepareEdit).
      if (Has(c.styles, res::kAutoVScroll)) style |= ES_AUTOVSCROLL;
      if (Has(c.styles, res::kReadOnly)) style |= ES_READONLY;
      break;
    case res::ControlKind::PushButton:
      style |= (Has(c.styles, res::kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_CENTER |
               BS_VCENTER;
      break;
    case res::ControlKind::CheckBox:
      style |= (Has(c.styles, res::kAutoCheck) ? BS_AUTOCHECKBOX : BS_CHECKBOX) | BS_VCENTER;
      break;
    case res::ControlKind::Label:
      style |= (Has(c.styles, res::kLeftText) ? SS_LEFT : SS_CENTER) | SS_NOPREFIX;
      break;
    case res::ControlKind::Icon:
      style |= SS_ICON;
      break;
  }
  return style;
}

std::vector<std::uint16_t> BuildDialogTemplate(const res::DialogTemplate& t) {
  TemplateWriter out;
  out.Word(1);        // dlgVer
  out.Word(0xFFFF);   // signature: the extended form
  out.DoubleWord(0);  // helpID
  out.DoubleWord(DialogExtendedStyle(t));
  out.DoubleWord(DialogWindowStyle(t));
  out.Word(static_cast<std::uint16_t>(t.controls.size()));
  out.Short(0);  // x, y: placed when the window opens
  out.Short(0);
  out.Short(t.w);
  out.Short(t.h);
  out.Word(0);  // no menu
  out.Word(0);  // the dialog class
  out.Text(t.caption);
  out.Word(static_cast<std::uint16_t>(t.pointSize));
  out.Word(FW_NORMAL);
  // italic 0, and the character set of the Japanese faces the templates name,
  // so that a machine without the face picks a Japanese one in its place
  out.Word(static_cast<std::uint16_t>(SHIFTJIS_CHARSET << 8));
  out.Text(t.fontFace);
  for (const res::DialogControl& c : t.controls) {
    out.AlignToDoubleWord();
    out.DoubleWord(0);  // helpID
    out.DoubleWord(0);  // extended style
    out.DoubleWord(ControlWindowStyle(c));
    out.Short(c.x);
    out.Short(c.y);
    out.Short(c.w);
    out.Short(c.h);
    out.DoubleWord(static_cast<std::uint32_t>(c.id));
    switch (c.kind) {
      case res::ControlKind::Edit:
        out.Ordinal(kEditClass);
        break;
      case res::ControlKind::PushButton:
      case res::ControlKind::CheckBox:
        out.Ordinal(kButtonClass);
        break;
      case res::ControlKind::Label:
      case res::ControlKind::Icon:
        out.Ordinal(kStaticClass);
        break;
    }
    if (c.kind == res::ControlKind::Icon) {
      out.Ordinal(static_cast<std::uint16_t>(c.image));
    } else {
      out.Text(c.caption);
    }
    out.Word(0);  // no creation data
  }
  return out.Take();
}

}  // namespace zorvane::win32

#include "tests/fake_platform/fake_platform.h"

#include <algorithm>

namespace zorvane::test {

void FakeEdit::GetSel(int& start, int& end) const {
  start = std::min(anchor, active);
  end = std::max(anchor, active);
}

bool FakeEdit::ReplaceText(std::string_view newText) {
  if (newText.size() > limit) {
    ++beeps;
    return false;
  }
  SetWindowText(newText);
  return true;
}

void FakeEdit::SetSel(int start, int end) {
  const int length = static_cast<int>(text.size());
  if (start == -1) {  // no selection; the caret stays
    anchor = active;
    return;
  }
  if (start < 0 || start > length || end < 0 || end > length) ++placedOutside;
  anchor = std::clamp(start, 0, length);
  active = std::clamp(end, 0, length);
}

void FakeEdit::Set(std::string_view newText, int start, int end) {
  text = newText;
  anchor = start;
  active = end;
}

FakeSite::FakeSite(afx::CDialog& dialog, const res::DialogTemplate& dialogTemplate)
    : m_dialog(dialog) {
  for (const res::DialogControl& control : dialogTemplate.controls) {
    if (control.kind == res::ControlKind::Edit)
      m_edits.try_emplace(control.id, focused, control.id);
    if (control.kind == res::ControlKind::CheckBox) m_checks.try_emplace(control.id);
  }
}

void FakeSite::Click(int id) {
  if (auto check = m_checks.find(id); check != m_checks.end()) {
    int& state = check->second.state;
    state = state == afx::BST_CHECKED ? afx::BST_UNCHECKED : afx::BST_CHECKED;
  }
  m_dialog.OnCmdMsg(id, afx::BN_CLICKED);
}

int FakePlatform::RunModalDialog(afx::CDialog& dialog) {
  const res::DialogTemplate* dialogTemplate = res::FindDialogTemplate(dialog.GetTemplateId());
  if (!dialogTemplate) return -1;
  opened.push_back(dialogTemplate->id);
  openDuring.push_back(m_open);
  ++m_open;
  FakeSite site(dialog, *dialogTemplate);
  dialog.AttachSite(&site);
  // A dialog that asks for it gets the focus on its first tab stop.
  const auto& controls = dialogTemplate->controls;
  const auto tabStop = std::find_if(controls.begin(), controls.end(), [](const auto& control) {
    return control.styles & res::kTabStop;
  });
  if (dialog.OnInitDialog() && tabStop != controls.end()) site.focused = tabStop->id;
  if (auto script = scripts.find(dialogTemplate->id); script != scripts.end()) {
    script->second(site);
  } else {
    dialog.OnCmdMsg(1, afx::BN_CLICKED);
  }
  dialog.AttachSite(nullptr);
  --m_open;
  return site.result.value_or(-1);
}

}  // namespace zorvane::test

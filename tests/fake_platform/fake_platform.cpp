#include "tests/fake_platform/fake_platform.h"

#include <algorithm>

namespace zorvane::test {

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
  const res::DialogTemplate& dialogTemplate = *res::FindDialogTemplate(dialog.GetTemplateId());
  opened.push_back(dialogTemplate.id);
  FakeSite site(dialog, dialogTemplate);
  dialog.AttachSite(&site);
  dialog.OnInitDialog();
  if (auto script = scripts.find(dialogTemplate.id); script != scripts.end()) {
    script->second(site);
  } else {
    site.Command(1);
  }
  dialog.AttachSite(nullptr);
  return site.result.value_or(-1);
}

}  // namespace zorvane::test

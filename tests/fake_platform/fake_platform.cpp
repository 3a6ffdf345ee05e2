#include "tests/fake_platform/fake_platform.h"

namespace zorvane::test {

void FakeEdit::ReplaceSel(std::string_view newText) {
  int start = 0;
  int end = 0;
  GetSel(start, end);
  const std::size_t from = std::min<std::size_t>(std::max(start, 0), text.size());
  const std::size_t to = std::clamp<std::size_t>(std::max(end, 0), from, text.size());
  text.replace(from, to - from, newText);
  anchor = active = static_cast<int>(from + newText.size());
}

void FakeEdit::SetSel(int start, int end) {
  if (start == -1) {  // no selection; the caret stays
    anchor = active;
    return;
  }
  anchor = start;
  active = end;
}

FakeSite::FakeSite(afx::CDialog& dialog, const res::DialogTemplate& dialogTemplate)
    : m_dialog(dialog) {
  for (const res::DialogControl& control : dialogTemplate.controls) {
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

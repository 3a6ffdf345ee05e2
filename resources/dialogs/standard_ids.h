#pragma once

// The framework's own command and control ids, which every dialog shares: the
// OK and Cancel commands, the standard Help command and the id of a control that
// sends no commands. A dialog's own ids are in its resources.
namespace zorvane::afx {

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int ID_HELP = 57670;
inline constexpr int IDC_STATIC = -1;

}  // namespace zorvane::afx

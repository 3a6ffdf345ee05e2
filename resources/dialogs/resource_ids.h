#pragma once

// Resource and control ids of the calculator window and its About box.
namespace zorvane::res {

inline constexpr int IDD_MAIN = 102;
inline constexpr int IDD_ABOUT = 131;
inline constexpr int IDR_MAINFRAME = 128;  // icon group: the application icon

inline constexpr int IDC_INPUT = 1001;
inline constexpr int IDC_OUTPUT = 1002;
inline constexpr int IDC_DEG = 1007;
inline constexpr int IDC_ABOUT = 1008;
inline constexpr int IDC_FIX_E = 1009;
inline constexpr int IDC_CLEAR_INPUT = 1010;
inline constexpr int IDC_EXE = 1011;
inline constexpr int IDC_MOST_TOP = 1012;
inline constexpr int IDC_SQR = 1013;
inline constexpr int IDC_EXP = 1014;
inline constexpr int IDC_LOG = 1015;
inline constexpr int IDC_LN = 1016;
inline constexpr int IDC_BACKSPACE = 1017;
inline constexpr int IDC_SIN = 1018;
inline constexpr int IDC_COS = 1019;
inline constexpr int IDC_TAN = 1020;
inline constexpr int IDC_ASN = 1021;
inline constexpr int IDC_ACS = 1022;
inline constexpr int IDC_ATN = 1023;
inline constexpr int IDC_PAREN_PAIR = 1024;
inline constexpr int IDC_POWER = 1025;
inline constexpr int IDC_PI = 1026;
inline constexpr int IDC_CLEAR_OUTPUT = 1027;
inline constexpr int IDC_PASTE = 1028;
inline constexpr int IDC_EXPONENT_MARK = 1029;
inline constexpr int IDC_DIGIT_7 = 1031;
inline constexpr int IDC_F_IN = 1032;
inline constexpr int IDC_DIGIT_8 = 1033;
inline constexpr int IDC_DIGIT_2 = 1034;
inline constexpr int IDC_DIGIT_4 = 1035;
inline constexpr int IDC_DIGIT_9 = 1036;
inline constexpr int IDC_DIGIT_5 = 1037;
inline constexpr int IDC_POINT = 1038;
inline constexpr int IDC_DIGIT_0 = 1039;
inline constexpr int IDC_DIGIT_1 = 1040;
inline constexpr int IDC_MULTIPLY = 1041;
inline constexpr int IDC_DIVIDE = 1042;
inline constexpr int IDC_DIGIT_6 = 1043;
inline constexpr int IDC_PLUS = 1044;
inline constexpr int IDC_DIGIT_3 = 1045;
inline constexpr int IDC_MINUS = 1046;
inline constexpr int IDC_OPEN_PAREN = 1047;
inline constexpr int IDC_CLOSE_PAREN = 1048;
inline constexpr int IDC_F_OUT = 1049;
inline constexpr int IDC_F_MODE = 1051;

// Commands of the main window that no control gives (a keyboard shortcut's).
inline constexpr int ID_SHOW_REASON = 32771;  // the newest "=error" entry's reason

}  // namespace zorvane::res

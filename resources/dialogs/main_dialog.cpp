// Dialog template 102: the calculator's main window.
#include "resources/dialogs/main_dialog.h"

#include "resources/dialogs/resource_ids.h"
#include "resources/dialogs/standard_ids.h"

namespace zorvane::res {
namespace {

using afx::IDC_STATIC;

constexpr unsigned kInputBox =
    kMultiLine | kUpperCase | kAutoVScroll | kVScroll | kBorder | kTabStop;
constexpr unsigned kOutputBox = kMultiLine | kReadOnly | kAutoVScroll | kVScroll | kBorder;

using enum ControlKind;

constexpr DialogControl kControls[] = {
    {IDC_INPUT, Edit, "", 7, 22, 197, 28, kInputBox},
    {IDC_EXE, PushButton, "EXE", 274, 119, 19, 30, kDefault},
    {IDC_OUTPUT, Edit, "", 7, 70, 197, 64, kOutputBox},
    {IDC_STATIC, Label, "Input Box", 7, 12, 37, 8, kLeftText},
    {IDC_STATIC, Label, "Output Box", 7, 60, 41, 8, kLeftText},
    {IDC_SQR, PushButton, "\u221A", 274, 7, 19, 14, kNoStyle},
    {IDC_EXP, PushButton, "EXP", 211, 39, 19, 14, kNoStyle},
    {IDC_LOG, PushButton, "LOG", 253, 39, 19, 14, kNoStyle},
    {IDC_LN, PushButton, "LN", 232, 39, 19, 14, kNoStyle},
    {IDC_SIN, PushButton, "SIN", 211, 7, 19, 14, kNoStyle},
    {IDC_COS, PushButton, "COS", 232, 7, 19, 14, kNoStyle},
    {IDC_TAN, PushButton, "TAN", 253, 7, 19, 14, kNoStyle},
    {IDC_ASN, PushButton, "ASN", 211, 23, 19, 14, kNoStyle},
    {IDC_ACS, PushButton, "ACS", 232, 23, 19, 14, kNoStyle},
    {IDC_ATN, PushButton, "ATN", 253, 23, 19, 14, kNoStyle},
    {IDC_PAREN_PAIR, PushButton, "( )", 274, 55, 19, 14, kNoStyle},
    {IDC_POWER, PushButton, "^", 274, 23, 19, 14, kNoStyle},
    {IDC_PI, PushButton, "\u03C0", 274, 39, 19, 14, kNoStyle},
    {IDC_CLEAR_INPUT, PushButton, "Clear", 179, 7, 25, 14, kTabStop},
    {IDC_CLEAR_OUTPUT, PushButton, "Clear", 179, 55, 25, 14, kTabStop},
    {IDC_PASTE, PushButton, "Paste", 51, 55, 43, 14, kNoStyle},
    {IDC_DIGIT_7, PushButton, "7", 211, 87, 19, 14, kNoStyle},
    {IDC_DIGIT_8, PushButton, "8", 232, 87, 19, 14, kNoStyle},
    {IDC_DIGIT_2, PushButton, "2", 232, 119, 19, 14, kNoStyle},
    {IDC_DIGIT_4, PushButton, "4", 211, 103, 19, 14, kNoStyle},
    {IDC_DIGIT_9, PushButton, "9", 253, 87, 19, 14, kNoStyle},
    {IDC_DIGIT_5, PushButton, "5", 232, 103, 19, 14, kNoStyle},
    {IDC_POINT, PushButton, ".", 232, 135, 19, 14, kNoStyle},
    {IDC_DIGIT_0, PushButton, "0", 211, 135, 19, 14, kNoStyle},
    {IDC_DIGIT_1, PushButton, "1", 211, 119, 19, 14, kNoStyle},
    {IDC_MULTIPLY, PushButton, "*", 211, 71, 19, 14, kNoStyle},
    {IDC_DIVIDE, PushButton, "/", 232, 71, 19, 14, kNoStyle},
    {IDC_DIGIT_6, PushButton, "6", 253, 103, 19, 14, kNoStyle},
    {IDC_PLUS, PushButton, "+", 253, 71, 19, 14, kNoStyle},
    {IDC_DIGIT_3, PushButton, "3", 253, 119, 19, 14, kNoStyle},
    {IDC_MINUS, PushButton, "-", 274, 71, 19, 14, kNoStyle},
    {IDC_OPEN_PAREN, PushButton, "(", 274, 87, 19, 14, kNoStyle},
    {IDC_CLOSE_PAREN, PushButton, ")", 274, 103, 19, 14, kNoStyle},
    {IDC_DEG, CheckBox, "DEG", 49, 139, 28, 10, kAutoCheck},
    {IDC_ABOUT, PushButton, "About", 179, 135, 25, 14, kNoStyle},
    {IDC_FIX_E, CheckBox, "Fix_E", 79, 139, 36, 10, kAutoCheck},
    {IDC_BACKSPACE, PushButton, "BackSpace", 211, 55, 41, 14, kNoStyle},
    {IDC_EXPONENT_MARK, PushButton, "E", 253, 135, 19, 14, kNoStyle},
    {IDC_F_IN, PushButton, " F_IN ", 51, 7, 25, 14, kNoStyle},
    {IDC_F_OUT, PushButton, "F_OUT", 80, 7, 25, 14, kNoStyle},
    {IDC_F_MODE, CheckBox, "F_Mode", 7, 139, 40, 10, kAutoCheck},
    {IDC_MOST_TOP, CheckBox, "MostTop", 118, 139, 44, 10, kAutoCheck},
};

}  // namespace

const DialogTemplate kMainDialog = {
    IDD_MAIN,
    "Zorvane",
    300,
    155,
    "\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF",  // MS Gothic, full-width Latin letters
    9,
    kCaption | kSystemMenu | kMinimizeBox | kAppWindow | kCentreOnScreen,
    kControls,
};

}  // namespace zorvane::res

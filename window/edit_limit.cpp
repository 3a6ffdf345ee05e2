#include "window/edit_limit.h"

#include "window/text_positions.h"

namespace zorvane::window {

bool FitsEditLimit(std::u16string_view plain, int start, int end, std::u16string_view inserted) {
  const int replaced = ToWindowPosition(plain, end) - ToWindowPosition(plain, start);
  return FitsEditLimit(WindowLength(plain), replaced, WindowLength(inserted));
}

}  // namespace zorvane::window

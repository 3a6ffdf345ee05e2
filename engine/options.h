#pragma once

#include <string_view>

namespace zorvane {

// The check boxes that an evaluation reads.
struct Options {
  bool deg = false;   // angles in degrees
  bool fixE = false;  // every result in exponent form
  // How the person turns degrees on, for the reasons that suggest it: the
  // window's check box, or zorvane-cli's option.
  std::string_view degreesOption = "DEG";
};

}  // namespace zorvane

#pragma once

// Dialog units to pixels. One horizontal unit is a quarter of the dialog font's
// average character width, one vertical unit an eighth of its height, so a
// template keeps its proportions at any font size.

#include <QFont>
#include <QRect>
#include <string_view>

namespace zorvane::qt {

struct BaseUnits {
  int x;  // average character width in pixels
  int y;  // character height in pixels
};

BaseUnits DialogBaseUnits(const QFont& font);

// The pixel rectangle of a dialog-unit rectangle: each edge is mapped on its own,
// rounding to the nearest pixel, so neighbouring controls stay neighbours.
QRect MapDialogRect(BaseUnits units, int x, int y, int w, int h);

// The font for a template's dialog font: a Japanese gothic face where one is
// installed (fixed-pitch or proportional, as the template's face is), else the
// desktop's default face; never smaller than the desktop's default size.
QFont DialogFont(std::string_view templateFace, int pointSize);

}  // namespace zorvane::qt

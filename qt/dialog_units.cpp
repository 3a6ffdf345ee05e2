#include "qt/dialog_units.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace zorvane::qt {
namespace {

// a * b / c rounded to the nearest integer.
int MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  return static_cast<int>((product + (product >= 0 ? c / 2 : -c / 2)) / c);
}

}  // namespace

BaseUnits DialogBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {std::max(1, (width / 26 + 1) / 2), std::max(1, metrics.height())};
}

QRect MapDialogRect(BaseUnits units, int x, int y, int w, int h) {
  const int left = MulDiv(x, units.x, 4);
  const int top = MulDiv(y, units.y, 8);
  const int right = MulDiv(x + w, units.x, 4);
  const int bottom = MulDiv(y + h, units.y, 8);
  return QRect(left, top, right - left, bottom - top);
}

QFont DialogFont(std::string_view templateFace, int pointSize) {
  // The classic faces' proportional variant has a full-width P in its name.
  const bool proportional = templateFace.find("\uFF30") != std::string_view::npos;
  static const QStringList kFixedGothic = {
      QStringLiteral("MS Gothic"),   QStringLiteral("IPAGothic"),
      QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
      QStringLiteral("TakaoGothic"), QStringLiteral("VL Gothic")};
  static const QStringList kProportionalGothic = {
      QStringLiteral("MS PGothic"),   QStringLiteral("IPAPGothic"),
      QStringLiteral("IPAexGothic"),  QStringLiteral("Noto Sans CJK JP"),
      QStringLiteral("TakaoPGothic"), QStringLiteral("VL PGothic")};

  QFont font = QApplication::font();
  const QStringList installed = QFontDatabase::families();
  for (const QString& face : proportional ? kProportionalGothic : kFixedGothic) {
    if (installed.contains(face, Qt::CaseInsensitive)) {
      font.setFamilies({face});
      break;
    }
  }
  font.setPointSizeF(std::max<qreal>(pointSize, QApplication::font().pointSizeF()));
  return font;
}

}  // namespace zorvane::qt

// The trigonometric functions of the Windows build against values rounded
// correctly from 400-bit arithmetic: angles in degrees as the engine makes
// them, the engine's largest angle, poles of the tangent, the ends of the
// arcsine's and arccosine's domain, and arguments where glibc's results are
// one ulp off.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/trigonometry.h"

namespace zorvane {
namespace {

struct Row {
  double (*function)(double);
  double x;
  double expected;
};

constexpr auto s = CorrectSin;
constexpr auto c = CorrectCos;
constexpr auto t = CorrectTan;
constexpr auto as = CorrectAsin;
constexpr auto ac = CorrectAcos;
constexpr auto at = CorrectAtan;

constexpr Row kRows[] = {
    // glibc 2.36 gives the neighbouring double for these.
    {s, 0x1.223b725347150p+3, 0x1.63f3f6b15b731p-2},
    {s, 0x1.5769224fa2bfdp+4, 0x1.01f0d01070eb3p-1},
    {c, -0x1.eeba051d7a966p+2, 0x1.fa1b6610cadf7p-4},
    {c, -0x1.06c0103d95339p+1, -0x1.da9f7f7e47b33p-2},
    {t, 0x1.2d97c7f3321d2p+3, -0x1.a79394c9e8a0ap-52},
    {t, -0x1.258de32a0eb9dp+4, 0x1.195096f8da97fp-1},
    {t, 0x1.c6e53bb03a787p+3, -0x1.97c46ecc215abp+3},
    {t, 0x1.62a6a1a5175fep+4, 0x1.691e1ebc5cb94p-3},
    // 30, 45, 60, 90, 180 and 270 degrees, and 1489 (near 26 radians).
    {s, 0x1.0c152382d7365p-1, 0x1.fffffffffffffp-2},
    {s, 0x1.921fb54442d18p-1, 0x1.6a09e667f3bccp-1},
    {s, 0x1.0c152382d7365p+0, 0x1.bb67ae8584caap-1},
    {s, 0x1.921fb54442d18p+0, 0x1.0000000000000p+0},
    {s, 0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53},
    {s, 0x1.2d97c7f3321d2p+2, -0x1.0000000000000p+0},
    {s, 0x1.9fcea7588a11ep+4, 0x1.82694b4a11c31p-1},
    {c, 0x1.0c152382d7365p-1, 0x1.bb67ae8584cabp-1},
    {c, 0x1.921fb54442d18p-1, 0x1.6a09e667f3bcdp-1},
    {c, 0x1.0c152382d7365p+0, 0x1.0000000000001p-1},
    {c, 0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54},
    {c, 0x1.921fb54442d18p+1, -0x1.0000000000000p+0},
    {c, 0x1.2d97c7f3321d2p+2, -0x1.a79394c9e8a0ap-53},
    {c, 0x1.9fcea7588a11ep+4, 0x1.4fe6f81384fdap-1},
    {t, 0x1.0c152382d7365p-1, 0x1.279a74590331cp-1},
    {t, 0x1.921fb54442d18p-1, 0x1.fffffffffffffp-1},
    {t, 0x1.0c152382d7365p+0, 0x1.bb67ae8584ca8p+0},
    {t, 0x1.921fb54442d18p+0, 0x1.d02967c31cdb5p+53},
    {t, 0x1.921fb54442d18p+1, -0x1.1a62633145c07p-53},
    {t, 0x1.2d97c7f3321d2p+2, 0x1.3570efd768923p+52},
    {t, 0x1.9fcea7588a11ep+4, 0x1.267e8b3f5da78p+0},
    // 26 radians either way; 2e-14 past the pole at 3 pi / 2.
    {s, 26.0, 0x1.866e0fac32583p-1},
    {c, -26.0, 0x1.4b3902691a9edp-1},
    {t, -26.0, -0x1.2dc2cafd5c179p+0},
    {t, 0x1.2d97c7f3321e9p+2, -0x1.6767e3f95f47cp+45},
    // The smallest double, and minus zero, which keeps its sign.
    {s, 0x1p-1074, 0x1p-1074},
    {t, -0.0, -0.0},
    {c, -0.0, 1.0},
    // glibc 2.36 is one ulp off for these.
    {as, 0x1.a44cb7c38036cp-2, 0x1.b118d522f599fp-2},
    {as, 0x1.d554776334e82p-1, 0x1.28de4ae065e47p+0},
    {ac, 0x1.d4891f81b3300p-4, 0x1.74c6b141972f6p+0},
    {ac, 0x1.e7f9be4e0bd7ap-1, 0x1.3aef1d14555d7p-2},
    {at, 0x1.d166389fa8370p-4, 0x1.cf697105f7d56p-4},
    {at, -0x1.59a0128c2d83bp-4, -0x1.58cef78b26024p-4},
    // The ends of the domain and near them, 1/2, and 1985099, whose arctangent
    // in degrees lies so near 90 that its tangent shows the last bit.
    {as, 1.0, 0x1.921fb54442d18p+0},
    {as, -1.0, -0x1.921fb54442d18p+0},
    {as, 0.5, 0x1.0c152382d7366p-1},
    {as, -0x1.fffeb074a771dp-1, -0x1.90fa9f3695aa5p+0},
    {ac, -1.0, 0x1.921fb54442d18p+1},
    {ac, 0.5, 0x1.0c152382d7366p+0},
    {ac, 0x1.ffffffff24190p-1, 0x1.da88066815a95p-17},
    {ac, -0x1.ffffffff24190p-1, 0x1.921f3ea241378p+1},
    {ac, 1.0, 0.0},
    {at, 1.0, 0x1.921fb54442d18p-1},
    {at, 1985099.0, 0x1.921facd0a84d9p+0},
    {at, -1e20, -0x1.921fb54442d18p+0},
    {at, 0x1.56e1fc2f8f359p-997, 0x1.56e1fc2f8f359p-997},
    {as, -0.0, -0.0},
};

TEST(Trigonometry, RoundsCorrectly) {
  for (const Row& row : kRows) {
    const double actual = row.function(row.x);
    EXPECT_EQ(actual, row.expected) << "row " << &row - kRows << ": " << std::hexfloat << row.x;
    EXPECT_EQ(std::signbit(actual), std::signbit(row.expected)) << std::hexfloat << row.x;
  }
  EXPECT_TRUE(std::isnan(CorrectAsin(1.0000000001)));
  EXPECT_TRUE(std::isnan(CorrectAcos(-1.0000000001)));
}

}  // namespace
}  // namespace zorvane

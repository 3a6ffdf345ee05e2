// Prints random expressions, one a line, for comparing two builds of
// zorvane-cli answer by answer (bench/windows-differential). Not a test.
//
//   random_expressions COUNT [SEED]
//
// The expressions are mostly well formed and favour what is hard to get the
// same everywhere: angles near the poles of TAN, arguments at the ends of the
// domains of ASN, ACS, LN and LOG, powers with integer and fractional
// exponents, values near the range limits 1E+101 and 1E-100, and long digit
// strings. Some carry a fault (a bracket missing, an operator doubled,
// implied multiplication) and so give "error". The same COUNT and SEED give
// the same lines on every system.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

namespace {

class Generator {
 public:
  explicit Generator(std::uint64_t seed) : random_(seed) {}

  std::string Line() {
    std::string text = Expression(0);
    if (Chance(5)) text.pop_back();  // the missing ")" at the end, or a fault
    if (Chance(3)) text.insert(Below(text.size() + 1), Pick({"(", "*", "+-", "E", ".", "2("}));
    if (Chance(5)) {
      for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
  }

 private:
  // 0 <= result < n.
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(random_() % n); }
  bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }
  std::string_view Pick(std::initializer_list<std::string_view> options) {
    return options.begin()[Below(options.size())];
  }
  std::string Digits(std::size_t count) {
    std::string digits;
    for (std::size_t i = 0; i < count; ++i)
      digits += static_cast<char>('0' + Below(10));
    return digits;
  }

  std::string Number() {
    switch (Below(12)) {
      case 0:
        return std::to_string(Below(100));
      case 1:
        return Digits(1 + Below(7));
      case 2:
        return Digits(1 + Below(4)) + "." + Digits(1 + Below(10));
      case 3:
        return "." + Digits(1 + Below(6));
      case 4: {  // exponent marks, now and then up to the range limits and past them
        const long exponent =
            Chance(20) ? static_cast<long>(Below(241)) - 120 : static_cast<long>(Below(41)) - 20;
        return Digits(1) + (Chance(50) ? "." + Digits(1 + Below(9)) : "") + "E" +
               std::to_string(exponent);
      }
      case 5:
        if (Chance(70)) return "0." + Digits(1 + Below(16));
        return Digits(12 + Below(10)) + (Chance(50) ? "." + Digits(1 + Below(10)) : "");
      case 6: {  // angles in degrees near the poles and the axes
        const std::string whole(
            Pick({"90", "270", "-90", "180", "45", "30", "60", "360", "89", "450"}));
        if (Chance(50)) return whole;
        return whole + "." + std::string(Pick({"0000000001", "9999999999", "00001", "5"}));
      }
      case 7:  // near 1, the edge of ASN and ACS and the zero of LN and LOG
        return std::string(
            Pick({"1", "0.9999999999", "1.0000000001", "0.99999", "1.00001", "0.5"}));
      case 8:
        return std::string(Pick({"0", "0.0", "0E5", "1E-100", "9.999999999E100", "1E100"}));
      case 9:  // near the poles of TAN in radians
        return std::string(Pick({"1.570796326794", "1.5707963267949", "4.71238898038469",
                                 "1.5707963", "3.14159265358979", "7.85398163397448"}));
      case 10:
        return "PI";
      default:
        return std::to_string(1 + Below(12));
    }
  }

  // A number from -1 to 1, most of them; the argument ASN and ACS take.
  std::string UnitNumber() {
    if (Chance(10)) return Number();
    return std::string(Chance(30) ? "-" : "") +
           (Chance(30)
                ? std::string(Pick({"1", "0.9999999999", "0.99999", "0.5", "0", ".7071067811865"}))
                : "0." + Digits(1 + Below(12)));
  }

  std::string Function(int depth) {
    std::string name(Pick({"SIN", "COS", "TAN", "ASN", "ACS", "ATN", "LN", "LOG", "SQR", "EXP"}));
    if (depth < 3 && Chance(40)) return name + Bracketed(depth + 1);
    if (depth < 3 && Chance(15)) return name + Function(depth + 1);
    if (name == "ASN" || name == "ACS") return name + UnitNumber();
    // Angles within 26 radians mostly; the poles of TAN and whole degrees among them.
    if ((name == "SIN" || name == "COS" || name == "TAN") && Chance(60)) {
      return name + (Chance(30) ? "-" : "") +
             (Chance(50) ? Digits(1 + Below(2)) + "." + Digits(Below(14)) : Number());
    }
    if (name == "EXP" && Chance(70))
      return name + (Chance(30) ? "-" : "") + Digits(1 + Below(2)) + "." + Digits(Below(8));
    return name + (Chance(20) ? "-" : "") + Number();
  }

  std::string Bracketed(int depth) {
    const std::size_t kind = Below(10);
    const char* open = kind < 8 ? "(" : kind == 8 ? "[" : "{";
    const char* close = kind < 8 ? ")" : kind == 8 ? "]" : "}";
    return open + Expression(depth) + close;
  }

  std::string Primary(int depth) {
    const std::size_t kind = Below(10);
    if (kind < 4 || depth >= 3) return Number();
    if (kind < 7) return Function(depth);
    if (kind < 9) return Bracketed(depth + 1);
    return "-" + Primary(depth + 1);
  }

  std::string Expression(int depth) {
    std::string text = Primary(depth);
    const std::size_t terms = depth >= 3 ? 0 : Below(4);
    for (std::size_t i = 0; i < terms; ++i) {
      const std::string_view op = Pick({"+", "-", "*", "/", "^", "+", "*", "^"});
      text += op;
      // Small exponents mostly, integers among them, so that powers stay in range.
      if (op == "^" && Chance(70)) {
        text +=
            (Chance(20) ? "-" : "") + Digits(1) + (Chance(50) ? "." + Digits(1 + Below(6)) : "");
      } else {
        text += Primary(depth + 1);
      }
    }
    return text;
  }

  std::mt19937_64 random_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: random_expressions COUNT [SEED]\n", stderr);
    return 2;
  }
  const long count = std::atol(argv[1]);
  Generator generator(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 2026);
  for (long i = 0; i < count; ++i) {
    const std::string line = generator.Line() + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
  }
  return 0;
}

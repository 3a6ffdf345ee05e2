// Evaluates random expressions under every combination of DEG and Fix_E and
// prints, for each evaluation, the result, a hash of the working texts it went
// through and the reason of a failure: two builds that print the same lines
// compute the same results through the same working texts.
//
//   engine_fingerprint [COUNT [SEED]] > before.txt    (defaults: 200000, 1)
//   ... change the engine, build again ...
//   engine_fingerprint > after.txt && cmp before.txt after.txt
//   cut -f1-5 before.txt | cmp - <(cut -f1-5 after.txt)   # reasons left out
//
// Line: index, options ("--", "d-", "-x", "dx"), result, hash of the working
// texts (stage names included, the reason left out), the input escaped, then
// the reason or "-". The last line counts the outcomes.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "engine/evaluate.h"

namespace {

// Builds texts that are mostly expressions, with the faults people make.
class Generator {
 public:
  explicit Generator(std::uint64_t seed) : random_(seed) {}

  std::string Next() {
    std::string text;
    if (Chance(0.12)) {
      const int tokens = Below(14) + 1;
      for (int i = 0; i < tokens; ++i)
        text += AnyToken();
    } else {
      Expression(text, 0);
    }
    // A few slips: a token too many, a character lost, a blank.
    if (Chance(0.15)) text.insert(Below(static_cast<int>(text.size()) + 1), AnyToken());
    if (Chance(0.1) && !text.empty()) text.erase(Below(static_cast<int>(text.size())), 1);
    if (Chance(0.1)) text.insert(Below(static_cast<int>(text.size()) + 1), " ");
    return text;
  }

 private:
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
  int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }
  template <std::size_t N>
  std::string_view Pick(const std::string_view (&items)[N]) {
    return items[Below(static_cast<int>(N))];
  }

  std::string Digits(int most) {
    std::string d;
    for (int n = Below(most) + 1; n > 0; --n)
      d += static_cast<char>('0' + Below(10));
    return d;
  }

  std::string Number() {
    static constexpr std::string_view kSpecial[] = {"0",
                                                    "1",
                                                    "10",
                                                    "26",
                                                    "30",
                                                    "90",
                                                    "180",
                                                    "0.5",
                                                    ".5",
                                                    "5.",
                                                    "1E100",
                                                    "1E-100",
                                                    "9.99999999999E100",
                                                    "232",
                                                    "233"};
    if (Chance(0.2)) return std::string(Pick(kSpecial));
    std::string n = Digits(3);
    if (Chance(0.3)) n += "." + Digits(3);
    if (Chance(0.15)) {
      static constexpr std::string_view kMarks[] = {"E", "E-", "E+"};
      n.append(Pick(kMarks)).append(Chance(0.2) ? std::string("10") + Digits(1) : Digits(2));
    }
    return n;
  }

  void Primary(std::string& out, int depth) {
    static constexpr std::string_view kNames[] = {"SIN", "COS", "TAN", "ASN", "ACS",
                                                  "ATN", "EXP", "LN",  "LOG", "SQR"};
    static constexpr std::string_view kOpen[] = {"(", "[", "{"};
    static constexpr std::string_view kClose[] = {")", "]", "}"};
    const int kind = depth > 3 ? Below(2) : Below(5);
    if (kind == 0) {
      out += Number();
    } else if (kind == 1) {
      out += Chance(0.8) ? Number() : "PI";
    } else if (kind == 2) {
      out += Pick(kNames);
      Primary(out, depth + 1);
    } else {
      const int bracket = Below(3);
      out += kOpen[bracket];
      Expression(out, depth + 1);
      if (!Chance(0.05)) out += kClose[Chance(0.9) ? bracket : Below(3)];
    }
  }

  void Term(std::string& out, int depth) {
    if (Chance(0.2)) out += Chance(0.5) ? "-" : "+";
    Primary(out, depth);
    if (Chance(0.2)) {
      // Mostly the small exponents people use; any operand now and then.
      static constexpr std::string_view kSmall[] = {"0", "1", "2", "3", "0.5", "2.5", "-1", "-2"};
      out += "^";
      if (Chance(0.7)) {
        out += Pick(kSmall);
      } else {
        Primary(out, depth + 1);
      }
    }
  }

  void Expression(std::string& out, int depth) {
    static constexpr std::string_view kOperators[] = {"+", "-", "*", "/", "*-", "--"};
    Term(out, depth);
    for (int n = Below(depth > 2 ? 2 : 4); n > 0; --n) {
      out += Pick(kOperators);
      Term(out, depth);
    }
  }

  std::string AnyToken() {
    static constexpr std::string_view kTokens[] = {
        "1",  "2", "0", "7",  ".",   "E",   "E-",   "+",   "-",   "*",        "/",    "^",
        "(",  ")", "[", "}",  "SIN", "COS", "TAN",  "ASN", "EXP", "LN",       "LOG",  "SQR",
        "PI", " ", ",", "X1", "e",   "\t",  "\r\n", "\n",  "=",   "\xC3\xBC", "\xC3", "()"};
    return std::string(Pick(kTokens));
  }

  std::mt19937_64 random_;
};

// 64-bit FNV-1a.
class Hash {
 public:
  void Add(std::string_view text) {
    for (const char c : text) {
      value_ ^= static_cast<unsigned char>(c);
      value_ *= 0x100000001b3ULL;
    }
    value_ ^= 0xff;  // a separator, so that "ab"+"c" differs from "a"+"bc"
    value_ *= 0x100000001b3ULL;
  }
  std::uint64_t Value() const { return value_; }

 private:
  std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && c != '\\') {
      out += c;
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out.append("\\x").append(1, kHex[byte >> 4]).append(1, kHex[byte & 15]);
    }
  }
  return out;
}

int ParseOr(const char* text, int fallback) {
  int value = fallback;
  const std::string_view s(text);
  std::from_chars(s.data(), s.data() + s.size(), value);
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? ParseOr(argv[1], 200000) : 200000;
  const int seed = argc > 2 ? ParseOr(argv[2], 1) : 1;
  Generator generator(static_cast<std::uint64_t>(seed));
  long counts[3] = {};  // by OutcomeKind: empty, result, error
  for (int i = 0; i < count; ++i) {
    const std::string input = generator.Next();
    for (int options = 0; options < 4; ++options) {
      Hash steps;
      std::string reason = "-";
      const zorvane::TraceSink sink = [&](std::string_view stage, std::string_view text) {
        steps.Add(stage);
        steps.Add(text);
      };
      const zorvane::Options chosen{(options & 1) != 0, (options & 2) != 0};
      const zorvane::Outcome outcome = zorvane::Evaluate(input, chosen, &sink);
      if (outcome.failure) reason = Escaped(outcome.failure->reason);
      ++counts[static_cast<int>(outcome.kind)];
      std::printf("%d\t%c%c\t%s\t%016llx\t%s\t%s\n", i, chosen.deg ? 'd' : '-',
                  chosen.fixE ? 'x' : '-', outcome.text.c_str(),
                  static_cast<unsigned long long>(steps.Value()), Escaped(input).c_str(),
                  reason.c_str());
    }
  }
  std::printf("# %d inputs: %ld evaluations empty, %ld with a result, %ld with error\n", count,
              counts[0], counts[1], counts[2]);
  return 0;
}

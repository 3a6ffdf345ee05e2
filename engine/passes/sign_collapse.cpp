#include "engine/passes/sign_collapse.h"

#include <array>
#include <string_view>

#include "engine/text/scan.h"
#include "engine/text/text_ops.h"

namespace zorvane {
namespace {

struct Rule {
  std::string_view from;
  std::string_view to;
};

constexpr std::array<Rule, 7> kCollapseRules{{
    {"++", "+"},
    {"-+", "-"},
    {"/+", "/"},
    {"*+", "*"},
    {"--", "+"},
    {"(+", "("},
    {"+-", "-"},
}};

// Which of the seven rules find a pair in `text`, one bit per rule from rule 0
// up; most texts hold none, and one scan is cheaper than seven.
unsigned RulesWithAPair(std::string_view text, unsigned firstRule) {
  unsigned rules = 0;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (!IsCollapsiblePair(text[i - 1], text[i])) continue;
    for (unsigned r = firstRule; r < kCollapseRules.size(); ++r) {
      if (text[i - 1] == kCollapseRules[r].from[0] && text[i] == kCollapseRules[r].from[1]) {
        rules |= 1u << r;
      }
    }
  }
  return rules;
}

// One rule over [begin, end) in place, from left to right without overlaps;
// returns the new end. Every rule puts in one character for two.
std::size_t ApplyRule(std::string& text, std::size_t begin, std::size_t end, const Rule& rule) {
  std::size_t read = begin;
  while (read + 1 < end && !(text[read] == rule.from[0] && text[read + 1] == rule.from[1])) {
    ++read;
  }
  if (read + 1 >= end) return end;
  std::size_t write = read;
  while (read < end) {
    if (read + 1 < end && text[read] == rule.from[0] && text[read + 1] == rule.from[1]) {
      text[write++] = rule.to[0];
      read += 2;
    } else {
      text[write++] = text[read++];
    }
  }
  return write;
}

}  // namespace

bool HasSignPair(std::string_view text) {
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (IsSign(text[i]) && IsSign(text[i - 1])) return true;
  }
  return false;
}

std::size_t CollapseSignsInRange(std::string& text, std::size_t begin, std::size_t end) {
  // A rule without a pair changes nothing; the pairs are looked for again only
  // after a rule has changed the text, since it may have made new ones.
  unsigned pending = RulesWithAPair(std::string_view(text).substr(begin, end - begin), 0);
  std::size_t newEnd = end;
  for (unsigned r = 0; pending != 0 && r < kCollapseRules.size(); ++r) {
    if ((pending & (1u << r)) == 0) continue;
    newEnd = ApplyRule(text, begin, newEnd, kCollapseRules[r]);
    pending = RulesWithAPair(std::string_view(text).substr(begin, newEnd - begin), r + 1);
  }
  text.erase(newEnd, end - newEnd);
  return newEnd;
}

void CollapseSignPairs(std::string& text, std::vector<std::size_t>& positions) {
  constexpr Rule kPairRules[] = {{"--", "+"}, {"+-", "-"}, {"-+", "-"}, {"++", "+"}};
  // Each round shortens the text, so the loop ends.
  while (HasSignPair(text)) {
    for (const Rule& rule : kPairRules)
      text = ReplaceAllTracked(text, rule.from, rule.to, positions);
  }
}

}  // namespace zorvane

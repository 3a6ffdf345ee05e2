#include "engine/sign_collapse.h"

#include <array>
#include <string_view>

#include "engine/text_ops.h"

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

// True when some pair of neighbours matches one of the seven rules; most texts
// hold none, and one scan is cheaper than seven.
bool HasCollapsiblePair(std::string_view text) {
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (IsCollapsiblePair(text[i - 1], text[i])) return true;
  }
  return false;
}

bool HasSignPair(std::string_view text) {
  for (std::size_t i = 1; i < text.size(); ++i) {
    if ((text[i] == '+' || text[i] == '-') && (text[i - 1] == '+' || text[i - 1] == '-')) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool CollapseSigns(std::string& text) {
  if (!HasCollapsiblePair(text)) return false;
  const std::size_t before = text.size();
  for (const Rule& rule : kCollapseRules)
    ReplaceAllShrinking(text, rule.from, rule.to);
  // Every rule shortens the text, so an unchanged length means nothing changed.
  return text.size() != before;
}

void CollapseSignPairs(std::string& text) {
  // Each round shortens the text, so the loop ends.
  while (HasSignPair(text)) {
    ReplaceAllShrinking(text, "--", "+");
    ReplaceAllShrinking(text, "+-", "-");
    ReplaceAllShrinking(text, "-+", "-");
    ReplaceAllShrinking(text, "++", "+");
  }
}

}  // namespace zorvane

#include "engine/passes/put_value.h"

#include <utility>

namespace zorvane {

PassStep PutNumberText(WorkingState& state, std::string numberText, const ValueSite& site) {
  state.SetLastNumberText(std::move(numberText));
  const std::string& text = state.LastNumberText();
  state.Replace(site.pos, site.length, site.bracketed ? "+(" + text + ")" : "+" + text, site.stage);
  if (site.afterCode && state.DropPlusAfterCodes()) state.Report("signs");
  state.CollapseSigns();
  return PassStep::Rewrote;
}

}  // namespace zorvane

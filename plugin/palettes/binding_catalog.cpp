#include "palettes/binding_catalog.h"

namespace vx {

static_assert(int(Unit::Percent) == kVxUnitPercent && int(Unit::Degrees) == kVxUnitDegrees &&
              int(Unit::Points) == kVxUnitPoints && int(Unit::Integer) == kVxUnitInteger &&
              int(Unit::Flag) == kVxUnitFlag && int(Unit::Choice) == kVxUnitChoice &&
              int(Unit::Radio) == kVxUnitRadio && int(Unit::Colour) == kVxUnitColour &&
              int(Unit::Number) == kVxUnitNumber);
static_assert(int(EnableRule::NonZero) == kVxEnabledWhenOn &&
              int(EnableRule::Equals) == kVxEnabledWhenEquals &&
              int(EnableRule::NotEquals) == kVxEnabledWhenNotEquals);

VxEffectField DescribeField(const PaletteBinding& b, const PaletteField& f) {
  VxEffectField out = {f.name, f.item, int32_t(f.unit), f.radios, f.radioCount, nullptr, 0, 0, 0};
  if (f.rule < 0) return out;
  const EnableRule& rule = b.rules[f.rule];
  for (const PaletteField& other : b)
    if (other.field.offset == rule.on.offset) out.enabledBy = other.name;
  out.enabledTest = int32_t(rule.test);
  out.enabledValue = rule.value;
  out.shownByRule = rule.shows ? 1 : 0;
  return out;
}

}  // namespace vx

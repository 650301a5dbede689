// Every bound field of a palette, tool or effect alike: a value written to
// the record shows in its item, and a value the user gives the item reaches
// the record in the field's own width, leaving every other byte alone
// (fields the binding derives from it excepted).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "host/adm/dialog.h"
#include "palettes/palette_binding.h"

namespace vx::test {

struct BoundPalette {
  const PaletteBinding& binding;
  host::adm::Dialog& dialog;
  uint8_t* record;
  uint32_t recordSize;
  // Shows the record in the items again.
  std::function<void()> refresh;
  // One user action on the palette; "" when it was done.
  std::function<std::string(const std::string&)> act;
  // Sets the record so that the field's item is usable (its rule holds).
  std::function<void(const PaletteField&)> makeUsable = nullptr;
};

void ExpectEveryBoundFieldRoundTrips(const BoundPalette& palette);

}  // namespace vx::test

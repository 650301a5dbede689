// Dialog items by the names the resource sources give them (name=Apply in
// the dialog's source), so the studio's page, its tests and scripts typed by
// hand can say "press Apply" instead of "press 37", and every message about
// an item names it so (the host asks ItemNameOf, MakeHost installs it).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vx::app {

// The item's name, or null when its source gives it none.
const char* ItemNameOf(int32_t dialog, int32_t item);

// A user-agent action whose item is given by name ("set Row1=50") in the
// form with the item's id ("set 8=50"); an action with an id, or with none,
// comes back as it is. A name the dialog does not have: nothing, *why set.
std::optional<std::string> WithItemId(int32_t dialog, const std::string& action,
                                      std::string* why);

}  // namespace vx::app

// A palette field set as a person sets it: FIELD=VALUE, by the names the
// plug-in module gives its palette's fields (sdk/vx_effects.h), becomes the
// user action on the item that shows the field ("set 12=4", "choose 9=3",
// "press 7"). The values are what the palette shows: numbers in its units,
// on/off for check boxes, an entry's text (or part of it) for popups, a
// button's text or its number (0 first) for radio buttons.
#pragma once

#include <span>
#include <string>

#include "host/adm/dialog.h"
#include "vx_sdk.h"

namespace vx::host::adm {

// The field named so (any case), or null.
const VxEffectField* FieldNamed(std::span<const VxEffectField> fields, const std::string& name);

// The action for "FIELD=VALUE" on the palette, or "" with *error saying
// why (an unknown field lists the fields; a value out of the item's range
// gives the range).
std::string FieldAction(Dialog& palette, std::span<const VxEffectField> fields,
                        const std::string& setting, std::string* error);

// One line per field: "  margin      number, 0 to 4000 %" / "  perspective on or off" ...
std::string DescribeFields(Dialog& palette, std::span<const VxEffectField> fields);

}  // namespace vx::host::adm

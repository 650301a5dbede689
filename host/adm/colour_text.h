// Colours as a person types them for the colour picker: "#rrggbb" (a
// three-colour colour), "cmyk(C,M,Y,K)" (a four-colour colour, each ink in
// percent) and "gray(G)" (a gray, the ink in percent: 0 white, 100 black).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "vx_sdk.h"

namespace vx::host::adm {

// The colour, or nothing with *error saying what is wrong.
std::optional<AIColor> ParseColourText(std::string_view text, std::string* error);
// The text form of a gray, four- or three-colour colour (rounded to whole
// percent or 8 bits); other kinds by their name ("none", "gradient" ...).
std::string FormatColourText(const AIColor& colour);

}  // namespace vx::host::adm

// Art carrying a host live effect in SVG. It is stored like plug-in group
// effect art (svg_effect_art.h): a group whose result part any viewer shows
// and whose hidden edit part keeps the source; the group names the effect
// and holds its two dictionaries as readable text:
//
//   <g vx:role="live-effect" vx:live-effect="Fractalize..."
//      vx:parameters="density=r:5;genHeight=r:100;generator=i:2;..."
//      vx:instance="randSeed=i:31337">
//     <g vx:role="result"> ...what Go Live made... </g>
//     <g vx:role="edit" display="none"> ...the source art... </g>
//   </g>
//
// Each entry is key=type:value with type i (32-bit integer), r (real,
// written with the fewest digits that read back to the same float), b
// (0 or 1) or s (text); '%', ';', '=', ':' and control characters in keys
// and texts are written %XX. Reading gives back every entry bit for bit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "host/art/dictionary.h"
#include "host/live/live_effect_instance.h"

namespace vx::host::svg {

std::string EncodeDictionary(const art::Dictionary& dictionary);
// nullopt when the text is not a stored dictionary.
std::optional<art::Dictionary> DecodeDictionary(std::string_view text);

bool IsLiveEffectElement(const pugi::xml_node& node);
// The role and the three attributes on the art's group element.
void WriteLiveEffectAttributes(pugi::xml_node element,
                               const live::LiveEffectInstance& instance);
// The stored instance; nullopt with the reason in *error when the effect
// name is missing or a dictionary is damaged.
std::optional<live::LiveEffectInstance> ReadLiveEffect(const pugi::xml_node& node,
                                                       std::string* error);

}  // namespace vx::host::svg

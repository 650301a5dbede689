// Live effect art in SVG, after the pattern of Inkscape's path effects: the
// effect art is a group in our namespace that names the effect's plug-in
// group (vx:effect) and holds the exact bytes of its data store (vx:record,
// base64); inside it the generated result is drawn as ordinary SVG and the
// source art is kept in a hidden group:
//
//   <g vx:role="plugin-group" vx:effect="VERSALiX4 Border ..." vx:record="...">
//     <g vx:role="result"> ...what the effect made... </g>
//     <g vx:role="edit" display="none"> ...the source art... </g>
//   </g>
//
// Any viewer shows the result; versalix4 reopens the art with its record
// intact and regenerates it from the source after the source was edited.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "host/art/document.h"
#include "host/svg/svg_kept.h"

namespace vx::host {
class Registrations;
}

namespace vx::host::svg {

std::string EncodeBase64(const std::vector<uint8_t>& bytes);
// nullopt when the text is not base64 (white space is ignored).
std::optional<std::vector<uint8_t>> DecodeBase64(std::string_view text);

// Export: the effect's kind and record on the effect art's element. The
// kind is the registered plug-in group's name, or for art not bound to a
// group (opened without the plug-in) the name it was read with.
void WriteEffectArtAttributes(pugi::xml_node element, const art::Art& art,
                              const KeptElement* kept);

// Import: whether an element is stored effect art, and its parts.
bool IsEffectArtElement(const pugi::xml_node& node);
pugi::xml_node EffectArtPart(const pugi::xml_node& node, std::string_view role);
// The record of stored effect art; false (and the data store left empty)
// when vx:record is missing or damaged.
bool ReadEffectRecord(const pugi::xml_node& node, std::vector<uint8_t>* record);

// The digest of effect art's generated result as written (16 hex digits):
// its elements, their attributes in name order and their non-blank text;
// ids and the editor data of sodipodi: and inkscape: attributes are left
// out, and so is everything outside the result (the effect art's own
// transform: moving the whole effect art is not an edit of its result).
std::string ResultDigest(const pugi::xml_node& effectArt);
// Export: stores the digest of what was just written (vx:digest).
void WriteResultDigest(pugi::xml_node effectArt);
// Import: the stored digest differs from the result in the file.
bool ResultEditedElsewhere(const pugi::xml_node& effectArt);

// After opening a document in a host with the plug-in: binds every effect
// art that is not bound yet to the registered plug-in group of the name it
// was stored with (the same effect of another version matches by the name
// up to its version label). Answers how many were bound; the binding itself
// asks for no update.
int BindEffectArt(art::Document& document, const KeptSvg& kept,
                  const Registrations& registrations);

}  // namespace vx::host::svg

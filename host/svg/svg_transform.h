// The SVG transform attribute: matrix, translate, scale, rotate, skewX and
// skewY, applied left to right as SVG composes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/geometry/affine.h"

namespace vx::host::svg {

// nullopt when the text is not a valid transform list (an element whose
// transform is invalid is drawn untransformed by SVG user agents).
std::optional<Affine> ParseTransform(std::string_view text);

// "matrix(a,b,c,d,e,f)", or "" for the identity.
std::string FormatTransform(const Affine& affine);

}  // namespace vx::host::svg

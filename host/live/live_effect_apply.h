// Putting a host live effect on art and changing its parameters, as the
// Effect menu and a double click on the effect do: each target is wrapped
// in live effect art (the target becomes its source), the effect's
// dictionaries are kept with it and its result is rendered. Each call is
// one undo step; when it fails or is cancelled the document is left as it
// was (provided the call is not nested in a step that is already open).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/art/dictionary.h"
#include "host/art/document.h"

namespace vx::host {
class Host;
}

namespace vx::host::live {

// With known parameters (a stored style, a script): no dialog. `made`
// receives the new live effect art in the order of the targets.
int32_t ApplyLiveEffect(Host& host, art::Document& doc, const std::string& effect,
                        const std::vector<art::Art*>& targets,
                        const art::Dictionary& parameters,
                        std::vector<art::Art*>* made = nullptr);

// Through the effect's dialog (Edit Parameters of a new effect): its
// previews and its OK render the targets; Cancel answers "STOP".
int32_t ApplyLiveEffectWithDialog(Host& host, art::Document& doc, const std::string& effect,
                                  const std::vector<art::Art*>& targets,
                                  std::vector<art::Art*>* made = nullptr);

// Edit Parameters of existing live effect art: OK stores the new
// parameters and renders, Cancel leaves everything as it was.
int32_t EditLiveEffect(Host& host, art::Document& doc, art::Art& art);

// The effect's menu command on a selection: targets that carry the effect
// already have their parameters edited, the others get it (one dialog for
// all of them).
int32_t ApplyOrEditLiveEffect(Host& host, art::Document& doc, const std::string& effect,
                              const std::vector<art::Art*>& targets);

// Replaces live effect art by its result (Expand) or by its source
// (Release), in its place.
int32_t ExpandLiveEffect(art::Document& doc, art::Art& art);
int32_t ReleaseLiveEffect(art::Document& doc, art::Art& art);

}  // namespace vx::host::live

// Change delivery for the page's canvas. The page shows the document at a
// canvas version; asked what changed since, the studio answers the SVG of
// just the top-level objects that changed (each with its place in the
// stacking order) and the objects deleted, or the whole document when the
// versions do not chain, the layers changed, or most objects are new,
// moved or deleted (objects changed where they stand are patched in place).
// Which objects changed is known from the host's change stamps, so only
// those are written; an object made of the same elements as before comes
// as the attributes of its elements: without path data when its shapes
// stayed (its paint changed), with it when only its points moved.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "host/art/change_stamp.h"
#include "host/art/document.h"
#include "host/svg/svg_kept.h"

namespace vx::app::studio {

class CanvasDelta {
 public:
  // What changed since canvas version `since` (0: the page shows nothing
  // yet), as PROTOCOL.md describes it: the head (version, whole or the
  // changed objects' places) and the markup parts it announces, each after
  // a record separator (a character XML never holds, so nothing is
  // escaped). An empty head when the document cannot be written (`error`
  // says why).
  struct Answer {
    nlohmann::json head;
    std::string parts;
  };
  Answer Since(const host::art::Document& doc, const host::svg::KeptSvg* kept, uint64_t since,
               std::string* error);
  static constexpr char kSeparator = '\x1e';

  // Objects to place anew (new, moved or deleted) above this share of all
  // objects (and at least kWholeAtLeast of them) send the whole document.
  static constexpr double kWholeShare = 0.75;
  static constexpr size_t kWholeAtLeast = 4;

 private:
  // A top-level object as the page was last told: its change stamp, its
  // layer and the objects just below and above it (0: none).
  struct Placed {
    host::art::ChangeStamp stamp;
    uint32_t layer = 0, below = 0, above = 0;
    size_t order = 0;  // paint order over the whole document
  };
  struct Snapshot {
    std::unordered_map<uint32_t, Placed> objects;
    std::string layers;  // what the layers look like (and the page size)
  };
  static Snapshot Take(const host::art::Document& doc);
  Answer Whole(const host::art::Document& doc, const host::svg::KeptSvg* kept, Snapshot now,
               std::string* error);

  Snapshot shown_;
  uint64_t version_ = 0;  // the canvas version shown_ describes
  uint64_t next_ = 0;     // the last canvas version handed out
};

}  // namespace vx::app::studio

#include "host/art/matching.h"

#include <algorithm>

#include "host/art/art.h"
#include "host/art/document.h"

namespace vx::host::art {

void WalkSubtree(Art& root, bool enterText,
                 const std::function<bool(Art&)>& visit) {
  if (!visit(root)) return;
  if (root.kind() == ArtKind::PluginGroup) return;
  if (!enterText && root.kind() == ArtKind::Text) return;
  for (Art* c = root.lastChild(); c; c = c->priorSibling())
    WalkSubtree(*c, enterText, visit);
}

void WalkPaintOrder(const Document& doc, bool enterText,
                    const std::function<bool(Art&)>& visit) {
  for (Layer* layer : doc.LayersInPaintOrder())
    WalkSubtree(*layer->group, enterText, visit);
}

namespace {
// Whether anything inside is selected (inside plug-in group art: its edit
// group).
bool AnySelectedIn(const Art& container) {
  for (const Art* c = container.firstChild(); c; c = c->sibling())
    if (ReadsSelected(*c) || AnySelectedIn(*c)) return true;
  return false;
}

bool FullySelected(const Art& art) {
  if (!ReadsSelected(art)) return false;
  if (art.kind() == ArtKind::Path) {
    const auto& sel = art.path().selection;
    return std::all_of(sel.begin(), sel.end(),
                       [](int16_t s) { return s != kSegmentNotSelected; });
  }
  for (const Art* c = art.firstChild(); c; c = c->sibling())
    if (!FullySelected(*c)) return false;
  return true;
}

// The attributes a specification needs, computing the derived ones only
// when asked for.
int32_t AttrsFor(const Art& art, int32_t which) {
  int32_t attrs = art.userAttrs();
  if (art.isLayerGroup()) {
    const Layer* l = art.layerOfGroup();
    attrs &= ~(kArtSelected | kArtLocked | kArtHidden);
    if (!l->editable) attrs |= kArtLocked;
    if (!l->visible) attrs |= kArtHidden;
  }
  if ((which & kArtSelected) && ReadsSelected(art)) attrs |= kArtSelected;
  if ((which & kArtFullySelected) && FullySelected(art)) attrs |= kArtFullySelected;
  return attrs;
}

bool TypeMatches(const Art& art, int16_t type) {
  if (type == kAnyArt) return true;
  if (type == kMysteryPathArt)
    return art.kind() == ArtKind::Path && art.parent() &&
           art.parent()->kind() == ArtKind::TextPath;
  return PluginArtType(art.kind()) == type;
}
}  // namespace

bool ReadsSelected(const Art& art) {
  if (art.isLayerGroup()) return AnySelectedIn(art);
  // Plug-in group art reads as selected while art of its edit group is (the
  // source it was just made around, or art the user selected inside it).
  return art.selected() || (art.kind() == ArtKind::PluginGroup && art.editGroup() &&
                            AnySelectedIn(*art.editGroup()));
}

int32_t ReadUserAttrs(const Art& art) {
  return AttrsFor(art, kArtSelected | kArtFullySelected);
}

std::vector<Art*> MatchingArt(const Document& doc,
                              const AIMatchingArtSpec* specs, int count) {
  std::vector<Art*> out;
  if (!specs || count <= 0) return out;
  bool enterText = false;
  int32_t which = 0;
  for (int i = 0; i < count; ++i) {
    int16_t t = specs[i].type;
    enterText |= t == kTextPathArt || t == kTextRunArt || t == kMysteryPathArt;
    which |= specs[i].whichAttr;
  }
  WalkPaintOrder(doc, enterText, [&](Art& art) {
    int32_t attrs = AttrsFor(art, which);
    for (int i = 0; i < count; ++i) {
      const AIMatchingArtSpec& s = specs[i];
      if (TypeMatches(art, s.type) && (attrs & s.whichAttr) == (s.attr & s.whichAttr)) {
        out.push_back(&art);
        break;
      }
    }
    return true;
  });
  return out;
}

std::vector<Art*> SelectedArt(const Document& doc) {
  std::vector<Art*> out;
  // Selected plug-in group art is followed by the selected art of its edit
  // group (the user's art inside it), never by its edit or result group.
  std::function<bool(Art&)> visit = [&](Art& art) {
    if (!ReadsSelected(art)) return true;
    out.push_back(&art);
    if (art.kind() == ArtKind::PluginGroup && art.editGroup())
      for (Art* c = art.editGroup()->lastChild(); c; c = c->priorSibling())
        WalkSubtree(*c, false, visit);
    return true;
  };
  for (Layer* layer : doc.LayersInPaintOrder()) {
    if (!AnySelectedIn(*layer->group)) continue;
    WalkSubtree(*layer->group, false, visit);
  }
  return out;
}

}  // namespace vx::host::art

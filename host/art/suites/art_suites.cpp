// The art, group, matching-art, hit-test and transform-art suites.
#include "host/art/art_suites.h"

#include "host/art/geometry.h"
#include "host/art/hit_test.h"
#include "host/art/hit_test_segment.h"
#include "host/art/matching.h"
#include "host/art/md_memory.h"
#include "host/art/suites/suite_support.h"
#include "host/core/call_failures.h"

namespace vx::host::art {
namespace {

bool KindOfType(int16_t type, ArtKind* kind) {
  switch (type) {
    case kGroupArt: case kPathArt: case kCompoundPathArt: case kTextArt:
    case kTextPathArt: case kTextRunArt: case kPluginArt:
      *kind = ArtKind(type);
      return true;
    default: return false;
  }
}

bool PlacementOf(int16_t order, Placement* placement) {
  if (order < kPlaceAbove || order > kPlaceBelowAll) return false;
  *placement = Placement(order);
  return true;
}

// Resolves prep: null stays null, anything else must be live.
bool PrepFrom(AIArtHandle handle, Art** prep) {
  *prep = handle ? ArtFrom(handle) : nullptr;
  return !handle || *prep;
}

// ---- art ---------------------------------------------------------------------
ASErr NewArt(int16_t type, int16_t paintOrder, AIArtHandle prepHandle,
             AIArtHandle* newArt) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!newArt) return kSPBadParameterError;
  *newArt = nullptr;
  ArtKind kind;
  Placement placement;
  Art* prep;
  if (!KindOfType(type, &kind) || !PlacementOf(paintOrder, &placement) ||
      !PrepFrom(prepHandle, &prep))
    return kSPBadParameterError;
  Art* art = nullptr;
  if (ASErr err = doc->NewArt(kind, placement, prep, &art)) return err;
  *newArt = art->handle();
  return kNoErr;
}
ASErr DisposeArt(AIArtHandle handle) {
  Art* art = ArtFrom(handle);
  if (!art) return kSPBadParameterError;
  return CurrentDocument()->Dispose(art);
}
ASErr ReorderArt(AIArtHandle handle, int16_t paintOrder, AIArtHandle prepHandle) {
  Art* art = ArtFrom(handle);
  Placement placement;
  Art* prep;
  if (!art || !PlacementOf(paintOrder, &placement) || !PrepFrom(prepHandle, &prep))
    return kSPBadParameterError;
  return CurrentDocument()->Reorder(art, placement, prep);
}
ASErr DuplicateArt(AIArtHandle handle, int16_t paintOrder, AIArtHandle prepHandle,
                   AIArtHandle* newArt) {
  if (newArt) *newArt = nullptr;
  Art* art = ArtFrom(handle);
  Placement placement;
  Art* prep;
  if (!art || !PlacementOf(paintOrder, &placement) || !PrepFrom(prepHandle, &prep))
    return kSPBadParameterError;
  if (ASErr err = Host::Current().failures().Check("DuplicateArt")) return err;
  Art* copy = nullptr;
  if (ASErr err = CurrentDocument()->Duplicate(art, placement, prep, &copy)) return err;
  if (newArt) *newArt = copy->handle();
  return kNoErr;
}
// The layer's group: its children are the layer's art.
ASErr GetFirstArtOfLayer(AILayerHandle handle, AIArtHandle* art) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  Layer* layer = doc->FromHandle(handle);
  if (!layer || !art) return kSPBadParameterError;
  *art = layer->group->handle();
  return kNoErr;
}
ASErr GetLayerOfArt(AIArtHandle handle, AILayerHandle* layer) {
  Art* art = ArtFrom(handle);
  if (!art || !layer) return kSPBadParameterError;
  *layer = ToHandle(art->layer());
  return kNoErr;
}
ASErr GetArtType(AIArtHandle handle, int16_t* type) {
  Art* art = ArtFrom(handle);
  if (!art || !type) return kSPBadParameterError;
  *type = PluginArtType(art->kind());
  return kNoErr;
}
ASErr GetArtUserAttr(AIArtHandle handle, int32_t whichAttr, int32_t* attr) {
  Art* art = ArtFrom(handle);
  if (!art || !attr) return kSPBadParameterError;
  *attr = ReadUserAttrs(*art) & whichAttr;
  return kNoErr;
}
// Selecting selects everything inside (members, segments), as a click on
// the object would; the other attributes are the object's own. On a layer's
// group, locked and hidden are the layer's.
ASErr SetArtUserAttr(AIArtHandle handle, int32_t whichAttr, int32_t attr) {
  Art* art = ArtFrom(handle);
  if (!art) return kSPBadParameterError;
  Document& doc = *CurrentDocument();
  if (whichAttr & kArtSelected) {
    bool selected = attr & kArtSelected;
    if (art->isLayerGroup()) {
      for (Art* c = art->firstChild(); c; c = c->sibling()) doc.Select(*c, selected);
    } else if (art->selected() != selected || art->isContainer() ||
               art->kind() == ArtKind::Path) {
      doc.Select(*art, selected);
    }
  }
  int32_t other = whichAttr & (kArtLocked | kArtHidden);
  if (other) {
    if (Layer* l = art->layerOfGroup()) {
      if (other & kArtLocked) doc.SetLayerEditable(l, !(attr & kArtLocked));
      if (other & kArtHidden) doc.SetLayerVisible(l, !(attr & kArtHidden));
    } else {
      doc.SetUserAttrs(*art, other, attr);
    }
  }
  return kNoErr;
}
ASErr GetArtParent(AIArtHandle handle, AIArtHandle* parent) {
  Art* art = ArtFrom(handle);
  if (!art || !parent) return kSPBadParameterError;
  *parent = ToHandle(art->parent());
  return kNoErr;
}
ASErr GetArtFirstChild(AIArtHandle handle, AIArtHandle* child) {
  Art* art = ArtFrom(handle);
  if (!art || !child) return kSPBadParameterError;
  *child = ToHandle(art->firstChild());
  return kNoErr;
}
ASErr GetArtSibling(AIArtHandle handle, AIArtHandle* sibling) {
  Art* art = ArtFrom(handle);
  if (!art || !sibling) return kSPBadParameterError;
  *sibling = ToHandle(art->sibling());
  return kNoErr;
}
ASErr GetArtPriorSibling(AIArtHandle handle, AIArtHandle* sibling) {
  Art* art = ArtFrom(handle);
  if (!art || !sibling) return kSPBadParameterError;
  *sibling = ToHandle(art->priorSibling());
  return kNoErr;
}
ASErr GetArtBounds(AIArtHandle handle, AIRealRect* bounds) {
  Art* art = ArtFrom(handle);
  if (!art || !bounds) return kSPBadParameterError;
  *bounds = ArtBounds(*art, nullptr, 0).Rect();
  return kNoErr;
}
ASErr GetArtTransformBounds(AIArtHandle handle, const AIRealMatrix* transform,
                            int32_t flags, AIRealRect* bounds) {
  Art* art = ArtFrom(handle);
  if (!art || !bounds) return kSPBadParameterError;
  *bounds = ArtBounds(*art, transform, flags).Rect();
  return kNoErr;
}
ASBoolean ValidArt(AIArtHandle handle) { return ArtFrom(handle) != nullptr; }
ASErr IsArtLayerGroup(AIArtHandle handle, ASBoolean* isLayerGroup) {
  Art* art = ArtFrom(handle);
  if (!art || !isLayerGroup) return kSPBadParameterError;
  *isLayerGroup = art->isLayerGroup();
  return kNoErr;
}
ASErr GetArtName(AIArtHandle handle, char* name, int32_t maxLength) {
  Art* art = ArtFrom(handle);
  if (!art || !name) return kSPBadParameterError;
  CopyText(art->name(), name, maxLength);
  return kNoErr;
}
ASErr SetArtName(AIArtHandle handle, const char* name) {
  Art* art = ArtFrom(handle);
  if (!art || !name) return kSPBadParameterError;
  CurrentDocument()->SetName(*art, name);
  return kNoErr;
}
const AIArtSuite kArt = {NewArt,          DisposeArt,         ReorderArt,
                         DuplicateArt,    GetFirstArtOfLayer, GetLayerOfArt,
                         GetArtType,      GetArtUserAttr,     SetArtUserAttr,
                         GetArtParent,    GetArtFirstChild,   GetArtSibling,
                         GetArtPriorSibling, GetArtBounds,    GetArtTransformBounds,
                         ValidArt,        IsArtLayerGroup,    GetArtName,
                         SetArtName};

// ---- group -------------------------------------------------------------------
ASErr GetGroupClipped(AIArtHandle handle, ASBoolean* clipped) {
  Art* art = ArtFrom(handle);
  if (!art || art->kind() != ArtKind::Group || !clipped) return kSPBadParameterError;
  *clipped = art->group().clipped;
  return kNoErr;
}
ASErr SetGroupClipped(AIArtHandle handle, ASBoolean clipped) {
  Art* art = ArtFrom(handle);
  if (!art || art->kind() != ArtKind::Group || art->isLayerGroup())
    return kSPBadParameterError;
  if (art->group().clipped != (clipped != 0))
    CurrentDocument()->MutableGroup(*art).clipped = clipped != 0;
  return kNoErr;
}
const AIGroupSuite kGroup = {GetGroupClipped, SetGroupClipped};

// ---- matching art -------------------------------------------------------------
ASErr GetSelectedArt(AIArtHandleList* matches, int32_t* numMatches) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  return MakeArtList(Host::Current().blocks(), SelectedArt(*doc), matches, numMatches);
}
ASErr GetMatchingArt(const AIMatchingArtSpec* specs, int16_t numSpecs,
                     AIArtHandleList* matches, int32_t* numMatches) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!specs || numSpecs <= 0) return kSPBadParameterError;
  return MakeArtList(Host::Current().blocks(), MatchingArt(*doc, specs, numSpecs),
                     matches, numMatches);
}
const AIMatchingArtSuite kMatchingArt = {GetSelectedArt, GetMatchingArt};

// ---- hit test ------------------------------------------------------------------
ASErr HitTestArt(AIArtHandle handle, const AIRealPoint* point, AIReal tolerance,
                 AIHitTestResult* result) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  Art* art = nullptr;
  if (!point || !result || !PrepFrom(handle, &art)) return kSPBadParameterError;
  Hit hit = HitTest(*doc, art, *point, tolerance);
  result->part = hit.part;
  result->art = ToHandle(hit.art);
  result->segmentIndex = int16_t(hit.segment);
  result->point = *point;
  return kNoErr;
}
const AIHitTestSuite kHitTest = {HitTestArt, HitTestSegmentSuite};

// ---- transform art -------------------------------------------------------------
ASErr TransformArtSuite(AIArtHandle handle, const AIRealMatrix* matrix,
                        AIReal lineScale, int32_t flags) {
  Art* art = ArtFrom(handle);
  if (!art || !matrix) return kSPBadParameterError;
  if (ASErr err = Host::Current().failures().Check("TransformArt")) return err;
  return TransformArt(*CurrentDocument(), *art, *matrix, lineScale, flags);
}
const AITransformArtSuite kTransformArt = {TransformArtSuite};

}  // namespace

void RegisterArtTreeSuites(Host& host) {
  SuiteRegistry& s = host.suites();
  s.Add(kAIArtSuite, kAIArtSuiteVersion, &kArt);
  s.Add(kAIGroupSuite, kAIGroupSuiteVersion, &kGroup);
  s.Add(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kMatchingArt);
  s.Add(kAIHitTestSuite, kAIHitTestSuiteVersion, &kHitTest);
  s.Add(kAITransformArtSuite, kAITransformArtSuiteVersion, &kTransformArt);
}

}  // namespace vx::host::art

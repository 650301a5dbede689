// The document, document view, layer, undo and MdMemory suites.
#include "host/art/art_suites.h"
#include "host/art/md_memory.h"
#include "host/art/suites/suite_support.h"

#include <cstring>

namespace vx::host::art {

void CopyText(const std::string& text, char* out, int32_t maxLength) {
  if (!out || maxLength <= 0) return;
  std::size_t n = std::min<std::size_t>(text.size(), std::size_t(maxLength) - 1);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
}

namespace {

// ---- document --------------------------------------------------------------
ASErr GetDocument(AIDocumentHandle* document) {
  if (!document) return kSPBadParameterError;
  Document* doc = CurrentDocument();
  *document = doc ? doc->handle() : nullptr;
  return doc ? kNoErr : kNoDocumentErr;
}
ASErr GetDocumentColorModel(int32_t* model) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!model) return kSPBadParameterError;
  *model = doc->colorModel;
  return kNoErr;
}
ASErr RedrawDocument() {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  ++doc->redrawRequests;
  return kNoErr;
}
ASErr GetDocumentPageOrigin(AIRealPoint* origin) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!origin) return kSPBadParameterError;
  *origin = doc->pageOrigin;
  return kNoErr;
}
ASErr GetDocumentMaxArtboardBounds(AIRealRect* bounds) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!bounds) return kSPBadParameterError;
  *bounds = doc->artboard;
  return kNoErr;
}
const AIDocumentSuite kDocument = {GetDocument, GetDocumentColorModel,
                                   RedrawDocument, GetDocumentPageOrigin,
                                   GetDocumentMaxArtboardBounds};

// ---- document view -----------------------------------------------------------
// The one view shows the artboard at 100 %: view points are measured from
// the artboard's top-left corner with y down.
ASErr GetDocumentViewZoom(AIDocumentViewHandle, AIReal* zoom) {
  if (!CurrentDocument()) return kNoDocumentErr;
  if (!zoom) return kSPBadParameterError;
  *zoom = 1;
  return kNoErr;
}
ASErr ArtworkPointToViewPoint(AIDocumentViewHandle, const AIRealPoint* in,
                              AIRealPoint* out) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!in || !out) return kSPBadParameterError;
  *out = {in->h - doc->artboard.left, doc->artboard.top - in->v};
  return kNoErr;
}
ASErr ViewPointToArtworkPoint(AIDocumentViewHandle, const AIRealPoint* in,
                              AIRealPoint* out) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!in || !out) return kSPBadParameterError;
  *out = {in->h + doc->artboard.left, doc->artboard.top - in->v};
  return kNoErr;
}
const AIDocumentViewSuite kDocumentView = {
    GetDocumentViewZoom, ArtworkPointToViewPoint, ViewPointToArtworkPoint};

// ---- layers ----------------------------------------------------------------
Layer* LayerFrom(AILayerHandle handle) {
  Document* doc = CurrentDocument();
  return doc ? doc->FromHandle(handle) : nullptr;
}
ASErr CountLayers(int32_t* count) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!count) return kSPBadParameterError;
  *count = doc->LayerCount();
  return kNoErr;
}
ASErr GetNthLayer(int32_t n, AILayerHandle* layer) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!layer) return kSPBadParameterError;
  *layer = ToHandle(doc->LayerAt(n));
  return *layer ? kNoErr : kSPBadParameterError;
}
ASErr GetCurrentLayer(AILayerHandle* layer) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!layer) return kSPBadParameterError;
  *layer = ToHandle(doc->currentLayer());
  return kNoErr;
}
ASErr SetCurrentLayer(AILayerHandle handle) {
  Layer* layer = LayerFrom(handle);
  if (!layer) return kSPBadParameterError;
  CurrentDocument()->SetCurrentLayer(layer);
  return kNoErr;
}
ASErr GetLayerVisible(AILayerHandle handle, ASBoolean* visible) {
  Layer* layer = LayerFrom(handle);
  if (!layer || !visible) return kSPBadParameterError;
  *visible = layer->visible;
  return kNoErr;
}
ASErr GetLayerEditable(AILayerHandle handle, ASBoolean* editable) {
  Layer* layer = LayerFrom(handle);
  if (!layer || !editable) return kSPBadParameterError;
  *editable = layer->editable;
  return kNoErr;
}
ASErr GetLayerTitle(AILayerHandle handle, char* title, int32_t maxLength) {
  Layer* layer = LayerFrom(handle);
  if (!layer || !title) return kSPBadParameterError;
  CopyText(layer->title, title, maxLength);
  return kNoErr;
}
ASErr InsertLayer(AILayerHandle base, int16_t paintOrder, AILayerHandle* out) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!out) return kSPBadParameterError;
  *out = nullptr;
  Layer* baseLayer = base ? LayerFrom(base) : nullptr;
  if (base && !baseLayer) return kSPBadParameterError;
  Placement placement;
  switch (paintOrder) {
    case kPlaceAbove: placement = Placement::Above; break;
    case kPlaceBelow: placement = Placement::Below; break;
    case kPlaceAboveAll: placement = Placement::Above; baseLayer = nullptr; break;
    case kPlaceBelowAll: placement = Placement::Below; baseLayer = nullptr; break;
    default: return kSPBadParameterError;
  }
  std::string title = "Layer " + std::to_string(doc->LayerCount() + 1);
  *out = ToHandle(doc->NewLayer(title, placement, baseLayer));
  return kNoErr;
}
ASErr DeleteLayer(AILayerHandle handle) {
  Layer* layer = LayerFrom(handle);
  if (!layer) return kSPBadParameterError;
  return CurrentDocument()->DeleteLayer(layer);
}
ASErr SetLayerTitle(AILayerHandle handle, const char* title) {
  Layer* layer = LayerFrom(handle);
  if (!layer || !title) return kSPBadParameterError;
  CurrentDocument()->SetLayerTitle(layer, title);
  return kNoErr;
}
ASErr SetLayerVisible(AILayerHandle handle, ASBoolean visible) {
  Layer* layer = LayerFrom(handle);
  if (!layer) return kSPBadParameterError;
  CurrentDocument()->SetLayerVisible(layer, visible != 0);
  return kNoErr;
}
ASErr SetLayerEditable(AILayerHandle handle, ASBoolean editable) {
  Layer* layer = LayerFrom(handle);
  if (!layer) return kSPBadParameterError;
  CurrentDocument()->SetLayerEditable(layer, editable != 0);
  return kNoErr;
}
const AILayerSuite kLayer = {CountLayers,    GetNthLayer,      GetCurrentLayer,
                             SetCurrentLayer, GetLayerVisible, GetLayerEditable,
                             GetLayerTitle,  InsertLayer,      DeleteLayer,
                             SetLayerTitle,  SetLayerVisible,  SetLayerEditable};

// ---- undo ------------------------------------------------------------------
ASErr UndoChanges() {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  doc->RevertOpenStep();
  return kNoErr;
}
ASErr SetUndoText(const char* undoText, const char* redoText) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  doc->undoText = undoText ? undoText : "";
  doc->redoText = redoText ? redoText : "";
  return kNoErr;
}
ASErr CountTransactions(int32_t* count) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!count) return kSPBadParameterError;
  *count = doc->CompletedSteps();
  return kNoErr;
}
const AIUndoSuite kUndo = {UndoChanges, SetUndoText, CountTransactions};

// ---- MdMemory ----------------------------------------------------------------
ASErr MdMemoryNewHandle(size_t size, AIMdMemoryHandle* handle) {
  return NewMdHandle(Host::Current().blocks(), size, "AIMdMemoryHandle data", handle);
}
ASErr MdMemoryDisposeHandle(AIMdMemoryHandle handle) {
  return DisposeMdHandle(Host::Current().blocks(), handle);
}
ASErr MdMemoryGetSize(AIMdMemoryHandle handle, size_t* size) {
  return MdHandleSize(Host::Current().blocks(), handle, size);
}
ASErr MdMemoryResize(AIMdMemoryHandle handle, size_t size) {
  return ResizeMdHandle(Host::Current().blocks(), handle, size);
}
const AIMdMemorySuite kMdMemory = {MdMemoryNewHandle, MdMemoryDisposeHandle,
                                   MdMemoryGetSize, MdMemoryResize};

}  // namespace

void RegisterDocumentSuites(Host& host) {
  SuiteRegistry& s = host.suites();
  s.Add(kAIDocumentSuite, kAIDocumentSuiteVersion, &kDocument);
  s.Add(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &kDocumentView);
  s.Add(kAILayerSuite, kAILayerSuiteVersion, &kLayer);
  s.Add(kAIUndoSuite, kAIUndoSuiteVersion, &kUndo);
  s.Add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kMdMemory);
}

}  // namespace vx::host::art

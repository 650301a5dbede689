/* Documents, views, layers, undo and host memory handles. */
#ifndef VX_AI_DOCUMENT_H
#define VX_AI_DOCUMENT_H
#include "vx_base.h"

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 6
#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 6
#define kAIContextSuite "AI Context Suite"
#define kAIContextSuiteVersion 2
#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 9
#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1
#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 4

/* Document colour models. */
enum { kDocGrayColor = 0, kDocRGBColor = 1, kDocCMYKColor = 2 };

typedef struct AIDocumentSuite {
  /* 'DOC?' (kNoDocumentErr) when no document is open. */
  ASErr (*GetDocument)(AIDocumentHandle* document);
  ASErr (*GetDocumentColorModel)(int32_t* model);
  ASErr (*RedrawDocument)(void);
  ASErr (*GetDocumentPageOrigin)(AIRealPoint* origin);
  ASErr (*GetDocumentMaxArtboardBounds)(AIRealRect* bounds);
} AIDocumentSuite;

typedef struct AIDocumentViewSuite {
  ASErr (*GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
  ASErr (*ArtworkPointToViewPoint)(AIDocumentViewHandle view,
                                   const AIRealPoint* artworkPoint,
                                   AIRealPoint* viewPoint);
  ASErr (*ViewPointToArtworkPoint)(AIDocumentViewHandle view,
                                   const AIRealPoint* viewPoint,
                                   AIRealPoint* artworkPoint);
} AIDocumentViewSuite;

typedef struct AIContextSuite {
  ASErr (*reserved)(void);
} AIContextSuite;

typedef struct AILayerSuite {
  ASErr (*CountLayers)(int32_t* count);
  ASErr (*GetNthLayer)(int32_t n, AILayerHandle* layer);
  ASErr (*GetCurrentLayer)(AILayerHandle* layer);
  ASErr (*SetCurrentLayer)(AILayerHandle layer);
  ASErr (*GetLayerVisible)(AILayerHandle layer, ASBoolean* visible);
  ASErr (*GetLayerEditable)(AILayerHandle layer, ASBoolean* editable);
  ASErr (*GetLayerTitle)(AILayerHandle layer, char* title, int32_t maxLength);
  /* A new layer above or below base (kPlaceAbove, kPlaceBelow), or at the
   * top or bottom of the document (kPlaceAboveAll, kPlaceBelowAll). */
  ASErr (*InsertLayer)(AILayerHandle base, int16_t paintOrder,
                       AILayerHandle* newLayer);
  /* Deletes a layer with its art; the last layer cannot be deleted. */
  ASErr (*DeleteLayer)(AILayerHandle layer);
  ASErr (*SetLayerTitle)(AILayerHandle layer, const char* title);
  ASErr (*SetLayerVisible)(AILayerHandle layer, ASBoolean visible);
  ASErr (*SetLayerEditable)(AILayerHandle layer, ASBoolean editable);
} AILayerSuite;

/* Host memory handles: relocatable blocks the host keeps (filter parameter
 * blocks, matching-art lists). A handle points at a pointer to the bytes. */
typedef void** AIMdMemoryHandle;
typedef struct AIMdMemorySuite {
  ASErr (*MdMemoryNewHandle)(size_t size, AIMdMemoryHandle* handle);
  ASErr (*MdMemoryDisposeHandle)(AIMdMemoryHandle handle);
  ASErr (*MdMemoryGetSize)(AIMdMemoryHandle handle, size_t* size);
  ASErr (*MdMemoryResize)(AIMdMemoryHandle handle, size_t newSize);
} AIMdMemorySuite;

typedef struct AIUndoSuite {
  /* Reverts every change of the current message's undo step so far. */
  ASErr (*UndoChanges)(void);
  ASErr (*SetUndoText)(const char* undoText, const char* redoText);
  /* Number of undoable steps the document has recorded. */
  ASErr (*CountTransactions)(int32_t* count);
} AIUndoSuite;

#endif

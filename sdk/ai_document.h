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

/* Members are added by the document model; acquirable already. */
typedef struct AIDocumentSuite {
  ASErr (*reserved)(void);
} AIDocumentSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIDocumentViewSuite {
  ASErr (*reserved)(void);
} AIDocumentViewSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIContextSuite {
  ASErr (*reserved)(void);
} AIContextSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AILayerSuite {
  ASErr (*reserved)(void);
} AILayerSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIMdMemorySuite {
  ASErr (*reserved)(void);
} AIMdMemorySuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIUndoSuite {
  ASErr (*reserved)(void);
} AIUndoSuite;

#endif

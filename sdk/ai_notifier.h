/* Notifiers: the plug-in asks to hear of host events by type. */
#ifndef VX_AI_NOTIFIER_H
#define VX_AI_NOTIFIER_H
#include "vx_base.h"

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion 2

#define kAIArtSelectionChangedNotifier "AI Art Selection Changed Notifier"
#define kAIDocumentOpenedNotifier "AI Document Opened Notifier"

typedef struct AINotifierSuite {
  ASErr (*AddNotifier)(SPPluginRef self, const char* name, const char* type,
                       AINotifierHandle* notifier);
  ASErr (*SetNotifierActive)(AINotifierHandle notifier, ASBoolean active);
  ASErr (*IsNotifierActive)(AINotifierHandle notifier, ASBoolean* active);
} AINotifierSuite;

#endif

// Entry point of the plug-in (being written; see the shell's other files).
#include "vx_sdk.h"

extern "C" __attribute__((visibility("default"))) ASErr PluginMain(
    const char* caller, const char* selector, void* message) {
  (void)caller;
  (void)selector;
  (void)message;
  return kNoErr;
}

// Recording an effect's settings as a host action event, and playing one
// back onto the selection.
#include "effects/effect_framework.h"
#include "effects/effect_table.h"
#include "shell/suites.h"

namespace vx {

ASErr RecordEffectAction(int effect, SPPluginRef plugin) {
  const void* record = gGlobals->effectRecords[effect];
  if (!sActionManager || !record) return kNoErr;
  ASBoolean recording = false;
  if (ASErr err = sActionManager->InRecordMode(&recording)) return err;
  if (!recording) return kNoErr;
  AIActionParamValueRef value = nullptr;
  if (ASErr err = sActionManager->AINewActionParamValue(&value)) return err;
  ASErr err = WriteBoundAction(effect, plugin, value, record);
  if (!err)
    err = sActionManager->RecordActionEvent(Effect(effect).action.eventName,
                                            kDialogNone, value);
  ASErr disposed = sActionManager->AIDeleteActionParamValue(value);
  return err ? err : disposed;
}

ASErr EffectDoAction(int effect, DoActionMessage* message) {
  if (!gGlobals->effectPalettes[effect])
    if (ASErr err = EffectPaletteOpen(effect, message->d.self)) return err;
  void* record = gGlobals->effectRecords[effect];
  if (!record) return kNoErr;  // the palette could not be made
  if (ASErr err = ReadBoundAction(effect, message->param, record)) return err;
  if (ASErr err = ReleaseSelection(effect)) return err;
  return ApplyToSelection(effect);
}

}  // namespace vx

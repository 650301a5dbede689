// Fractalize as a filter ("AI Filter" Get Parameters and Go), its action
// recording and playback, and as a host live effect (Edit Parameters and Go
// Live).
#pragma once

#include "vx_sdk.h"

namespace vx {

// Opens the dialog on the selection: "!sel" without a selected path, "!MEM"
// when the parameter block cannot be made, "STOP" on Cancel. The preview's
// changes are undone either way; Go then repeats them with the same seed.
ASErr FractalizeGetParameters(AIFilterMessage* message);
// Fractalizes the selected paths with the parameter block's values.
ASErr FractalizeGo(AIFilterMessage* message);
// Records "VsX4_Fractalize_Action" with the block's values when the host is
// recording; 0 otherwise.
ASErr FractalizeRecordAction(AIFilterMessage* message);
// Plays the recorded action: reads its values (the dialog first when the
// message asks for it; Cancel applies nothing and answers 0), then runs the
// filter's Go on the selection.
ASErr FractalizeDoAction(DoActionMessage* message);

// Live effect: the dialog over the effect's parameter dictionary.
ASErr FractalizeEditParameters(AILiveEffectEditParamMessage* message);
// Live effect: fractalizes the input art with the dictionary's values and
// the instance's "randSeed". Without parameters the art stays unchanged.
ASErr FractalizeGoLive(AILiveEffectGoMessage* message);

}  // namespace vx

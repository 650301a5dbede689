// The help window: the built-in manual in a floating palette with a topic
// popup, the topic's picture and its text. Topics asked for while a modal
// dialog is open (kFirstModalHelpTopic and up) are shown in a modal help dialog made from the
// same template, because the floating palette cannot be used then.
#pragma once

#include <cstdint>

#include "generated/resource_ids.h"
#include "vx_sdk.h"

namespace vx {

constexpr const char kHelpWindowName[] = "QVR-VsX4Help";
// Topics from this one on (the filters' among them) open the modal help
// dialog.
constexpr int32_t kFirstModalHelpTopic = res::HelpTopics::kShowPalette;

// Creates the help palette (hidden) into gGlobals->HelpPalette; it stays
// null when the dialog manager cannot make it.
void CreateHelpPalette(SPPluginRef plugin);

// The Window submenu's "Help": creates the palette when needed and toggles
// it; a palette that was hidden shows the last topic (topic 0 at first).
ASErr ToggleHelpPalette(SPPluginRef plugin);

// Opens the manual at a topic (the "?" buttons): below kFirstModalHelpTopic
// in the palette, else in the modal help dialog. A negative topic only
// makes the palette.
ASErr ShowHelpTopic(SPPluginRef plugin, int32_t topic);

// Shows a topic's picture and text in the palette or modal dialog; with
// select set the topic also becomes HelpTopic and the popup's choice.
void ShowHelpPage(ADMDialogRef dialog, int32_t topic, bool select);

}  // namespace vx

// Live effects from the command line: a document adopted by a started host
// with its effect art bound to the plug-in's groups, and the effects'
// palettes driven as a user would.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/cli.h"
#include "host/adm/dialog.h"
#include "host/art/document.h"
#include "app/document_files.h"
#include "host/svg/svg_import.h"

namespace vx::app {

// The thirteen effects in effect order (the Window submenu's order).
struct EffectName {
  const char* name;         // "Border"
  const char* paletteName;  // "QVR-VsX4LiveBorder"
  const char* groupPrefix;  // "VERSALiX4 Border ": its plug-in group name begins so
};
const std::vector<EffectName>& EffectNames();
// The effect's index by name (any case), or -1.
int FindEffect(const std::string& name);
// The effect of a plug-in group name, or -1.
int EffectOfGroupName(const std::string& groupName);

// Every plug-in group art of the document, outermost first (not inside
// another one's edit or result group).
std::vector<host::art::Art*> AllEffectArt(host::art::Document& document);

// Selects exactly this art.
void SelectOnly(host::art::Document& document, const std::vector<host::art::Art*>& art);

// Opens (and shows) an effect's palette through its Window submenu item;
// null with one line on stderr when that fails.
host::adm::Dialog* OpenEffectPalette(host::Host& host, int effect);

// Performs one user action on a palette ("set 11=4", "press 37",
// "choose 9=3" ...); the host makes it one undo step and updates the effect
// art it changed. Answers "" or why it could not be done.
std::string PerformPaletteAction(host::Host& host, host::adm::Dialog& palette,
                                 const std::string& action);

// The id of the palette's item whose text is `text` (a button), or 0.
int32_t ItemWithText(const host::adm::Dialog& palette, const std::string& text);

// Tells the plug-in that the selection changed (as the host does when the
// user selects).
void NotifySelectionChanged(host::Host& host);

// Applies the effect to the document's selection (--select, or every
// top-level object) in a new host: opens its palette, chooses the preset,
// sets the fields (FIELD=VALUE by the palette's labels) and presses Apply;
// `save` is called with the result while the host still runs.
int ApplyLiveEffect(const CommonOptions& common, svg::ImportResult& document, int effect,
                    const std::vector<std::string>& settings, const std::string& preset,
                    const std::function<int(const host::art::Document&)>& save);

}  // namespace vx::app

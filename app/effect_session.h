// Live effects from the command line: a document adopted by a started host
// with its effect art bound to the plug-in's groups, and the effects'
// palettes driven as a user would.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "app/cli.h"
#include "host/adm/dialog.h"
#include "host/art/document.h"
#include "app/document_files.h"
#include "host/svg/svg_import.h"

namespace vx::app {

// The plug-in's live effects in effect order (the Window submenu's order),
// as its module describes them: names, palettes, buttons and bound fields.
// Empty when the module describes none.
std::span<const VxEffectInfo> Effects(host::Host& host);
// The effect's index by name (any case), or -1.
int FindEffect(host::Host& host, const std::string& name);
// The effect of a plug-in group name, or -1.
int EffectOfGroupName(host::Host& host, const std::string& groupName);
// The effect palette's field the command line names so, or null.
const VxEffectField* FieldNamed(const VxEffectInfo& effect, const std::string& name);

// Every plug-in group art of the document, outermost first (not inside
// another one's edit or result group).
std::vector<host::art::Art*> AllEffectArt(host::art::Document& document);

// Selects exactly this art.
void SelectOnly(host::art::Document& document, const std::vector<host::art::Art*>& art);

// Opens (and shows) an effect's palette through its Window submenu item;
// null with one line on stderr when that fails.
host::adm::Dialog* OpenEffectPalette(host::Host& host, int effect);

// Performs one user action on a palette ("set 11=4", "choose 9=3" ...,
// built with host::adm::ItemAction); the host makes it one undo step and
// updates the effect art it changed. Answers "" or why it could not be done.
std::string PerformPaletteAction(host::Host& host, host::adm::Dialog& palette,
                                 const std::string& action);

// Tells the plug-in that the selection changed (as the host does when the
// user selects).
void NotifySelectionChanged(host::Host& host);

// Applies the effect (by name) to the document's selection (--select, or every
// top-level object) in a new host: opens its palette, chooses the preset,
// sets the fields (FIELD=VALUE by the palette's labels) and presses Apply;
// `save` is called with the result while the host still runs.
int ApplyLiveEffect(const CommonOptions& common, svg::ImportResult& document,
                    const std::string& effect,
                    const std::vector<std::string>& settings, const std::string& preset,
                    const std::function<int(const host::art::Document&)>& save);

// The entry of a palette's menu naming the preset (or "Default Settings"),
// or -1.
int32_t PresetEntry(host::adm::Dialog& palette, const std::string& preset);

}  // namespace vx::app

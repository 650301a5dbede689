// The plug-in's own tables as the command line reads them: the module's
// catalog (preset kinds, 3D kinds, generators) joined with the texts of its
// string tables and menus, so that the command line keeps no list of names,
// labels, units or ranges.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/core/plugin_module.h"
#include "vx_catalog.h"

namespace vx::app {

// One value row of a 3D kind, as the dialog shows it.
struct ValueRow {
  int number;         // 1 .. 4, as --value N=V takes it
  std::string label;  // "Angle:"
  std::string unit;   // "°", "%", "%/360°" or ""
  double standard;    // the default
  double min, max;    // the edit's limits
};

struct TransformKind {
  int index;               // 0 .. 11
  std::string name;        // "Wave (Radial)", as the kind popup shows it
  std::string presetName;  // "3DWaveR", as its preset file is named
  int32_t radius;          // kVxRadius...
  std::vector<ValueRow> rows;
};

struct PresetKind {
  std::string name;   // <Name> of VERSALiX4_PST_<Name>.txt
  std::string title;  // the name its dialog or palette shows
  int32_t owner;      // kVxPresetOwner...
  int32_t index;      // the 3D kind, the tool's row, the effect
  std::string File() const { return "VERSALiX4_PST_" + name + ".txt"; }
};

// Empty when the module exports no catalog.
std::vector<TransformKind> TransformKinds(const host::PluginModule& module);
std::vector<std::string> GeneratorNames(const host::PluginModule& module);
std::vector<PresetKind> PresetKinds(const host::PluginModule& module);

// The kind by either of its names or its number, in any case ("Sphere",
// "3DSphere", "8"); null when none is.
const TransformKind* FindTransformKind(const std::vector<TransformKind>& kinds,
                                       const std::string& name);
std::optional<PresetKind> FindPresetKind(const host::PluginModule& module,
                                         const std::string& name);

// The kind's number and names, value rows (label, range, unit, default)
// and what its cursor does, a line each.
std::string DescribeKind(const TransformKind& kind);

// The message the plug-in's error dialog shows for a result code, from its
// error string table ("The selection is not valid for this filter." for
// "!sel"); "" when the table has no row for it.
std::string PluginErrorText(const host::PluginModule& module, int32_t code);

// The title the plug-in registers the filter of a preset owner under
// (kVxPresetOwnerTransform: "3D Transform...", kVxPresetOwnerFractalize:
// "Fractalize..."), and the name of its Fractalize live effect; "" when the
// module has no catalog.
std::string FilterTitle(const host::PluginModule& module, int32_t owner);
std::string FractalizeEffectName(const host::PluginModule& module);

// A menu resource's entries; none when the module has no such menu.
std::vector<std::string> MenuEntries(const host::PluginModule& module, int32_t menuId);

// "Sphere (3DSphere)": both spellings of a kind, for lists and messages.
std::string BothNames(const std::string& title, const std::string& name);

}  // namespace vx::app

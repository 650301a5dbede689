#include "shell/startup.h"

#include <cstdio>
#include <cstring>

#include "effects/effect_table.h"
#include "generated/resource_ids.h"
#include "presets/preset_store.h"
#include "shell/globals.h"
#include "shell/help_texts.h"
#include "shell/suites.h"
#include "tools/tool_table.h"

namespace vx {
namespace {


#define VX_RETURN_IF(err)          \
  do {                             \
    ASErr vx_err_ = (err);         \
    if (vx_err_) return vx_err_;   \
  } while (0)

// Menu and filter texts travel as length-prefixed strings.
struct PascalText {
  unsigned char bytes[256];
  explicit PascalText(const char* text) {
    size_t n = std::strlen(text);
    if (n > 255) n = 255;
    bytes[0] = static_cast<unsigned char>(n);
    std::memcpy(bytes + 1, text, n);
  }
};

// Reads string (table + index) with at most maxChars characters.
void ReadString(SPPluginRef plugin, int32_t table, int32_t index, char* out,
                int maxChars) {
  out[0] = '\0';
  if (sADMBasic->GetIndexString(plugin, table, index, out, maxChars + 1))
    out[0] = '\0';
}

ASErr RegisterWindowMenu(SPPluginRef plugin, PluginGlobals& g) {
  AIMenuItemHandle separator = nullptr;
  PascalText dash("-");
  AIPlatformAddMenuItemData data{"Window Utilities", dash.bytes};
  VX_RETURN_IF(sMenu->AddMenuItem(plugin, "VERSALiX4_Top_Separator", &data, 0,
                                  &separator));
  AIMenuItemHandle top = nullptr;
  PascalText title("VERSALiX4");
  data = {"Window Utilities", title.bytes};
  VX_RETURN_IF(sMenu->AddMenuItem(plugin, "VERSALiX4_Gr", &data, 0, &top));
  AIMenuGroup group = nullptr;
  VX_RETURN_IF(sMenu->AddMenuGroupAsSubMenu("VERSALiX4_Gr", 0, top, &group));
  for (int n = 0; n < kWindowMenuItemCount; ++n) {
    char text[64];
    ReadString(plugin, res::kWindowMenuTexts, n + 1, text, 63);
    if (!text[0]) break;
    char name[32];
    std::snprintf(name, sizeof name, "VERSALiX4_%02d", n);
    PascalText itemText(text);
    data = {"VERSALiX4_Gr", itemText.bytes};
    VX_RETURN_IF(sMenu->AddMenuItem(plugin, name, &data,
                                    kMenuItemWantsUpdateOption,
                                    &g.WindowMenuItems[n]));
  }
  return kNoErr;
}

void RegisterPluginGroups(SPPluginRef plugin, PluginGlobals& g) {
  for (int i = 0; i < kEffectCount; ++i) {
    char desc[64 + kVersionLabelSize];
    ReadString(plugin, res::kEffectDescriptions, i + 1, desc, 63);
    std::strncat(desc, g.VersionLabel, sizeof desc - std::strlen(desc) - 1);
    char name[64 + kVersionLabelSize];
    std::snprintf(name, sizeof name, "%s%s", Effect(i).groupPrefix,
                  g.VersionLabel);
    AIAddPluginGroupData data{1, 0, desc};
    // A failed group registration leaves its handle as the host left it;
    // start-up goes on.
    (void)sPluginGroup->AddAIPluginGroup(plugin, name, &data, 0,
                                         &g.effectSlots[i].group);
  }
}

ASErr RegisterFilters(SPPluginRef plugin, PluginGlobals& g) {
  int k = 0;
  for (; 2 * k + 1 < 28 && k < kMaxFilters; ++k) {
    char category[65];
    char title[65];
    ReadString(plugin, res::kFilterTexts, 2 * k + 1, category, 64);
    if (!category[0]) break;
    ReadString(plugin, res::kFilterTexts, 2 * k + 2, title, 64);
    PascalText pCategory(category);
    PascalText pTitle(title);
    PlatformAddFilterData data{pCategory.bytes, pTitle.bytes};
    VX_RETURN_IF(sFilter->AddFilter(plugin, "VERSALiX4 Filter", &data, 0,
                                    &g.FilterHandles[k]));
    AIMenuItemHandle item = nullptr;
    VX_RETURN_IF(sFilter->GetFilterMenuItem(g.FilterHandles[k], &item));
    VX_RETURN_IF(sMenu->UpdateMenuItemAutomatically(
        item, kAutoEnableMenuItemAction, 0, 0, kIfPathArt, 0, 0, 0));
  }
  g.FilterCount = k;
  return kNoErr;
}

ASErr RegisterLiveEffects(SPPluginRef plugin, PluginGlobals& g) {
  int k = 0;
  for (; 3 * k + 1 < 30 && k < kMaxLiveEffects; ++k) {
    char category[65];
    char name[65];
    char title[65];
    ReadString(plugin, res::kLiveEffectTexts, 3 * k + 1, category, 64);
    if (!category[0]) break;
    ReadString(plugin, res::kLiveEffectTexts, 3 * k + 2, name, 64);
    ReadString(plugin, res::kLiveEffectTexts, 3 * k + 3, title, 64);
    AILiveEffectData data{plugin, name, title, 1, 0,
                          kGroupInputArt | kPathInputArt |
                              kCompoundPathInputArt,
                          kPreEffectFilter};
    VX_RETURN_IF(sLiveEffect->AddLiveEffect(&data, &g.LiveEffectHandles[k]));
    AddLiveEffectMenuData menu{category, title, 0};
    VX_RETURN_IF(sLiveEffect->AddLiveEffectMenuItem(
        g.LiveEffectHandles[k], name, &menu, nullptr, nullptr));
  }
  g.LiveEffectCount = k;
  return kNoErr;
}

ASErr RegisterTools(SPPluginRef plugin, PluginGlobals& g) {
  char groupLeader[128] = "";
  char toolsetLeader[128] = "";
  for (int i = 0; const ToolInfo* tool = ToolAt(i); ++i) {
    char title[128];
    char tip[128];
    ReadString(plugin, res::kToolTexts, ToolTitleIndex(tool->slot), title, 127);
    ReadString(plugin, res::kToolTexts, ToolTipIndex(tool->slot), tip, 127);
    ADMIconRef icon = sADMIcon->GetFromResource(plugin, tool->icon, 0);
    if (!icon || sADMIcon->GetType(icon) == kADMUnknownIconType)
      return kNoIconErr;
    AIAddToolData data{};
    data.title = title;
    data.tooltip = tip;
    data.icon = icon;
    if (tool->placement == ToolPlacement::kNewGroup) {
      data.sameGroupAs = kNoTool;
      data.sameToolsetAs = kNoTool;
      std::snprintf(groupLeader, sizeof groupLeader, "%s", title);
      std::snprintf(toolsetLeader, sizeof toolsetLeader, "%s", title);
    } else if (tool->placement == ToolPlacement::kNewToolset) {
      VX_RETURN_IF(sTool->GetToolNumberFromName(groupLeader, &data.sameGroupAs));
      data.sameToolsetAs = kNoTool;
      std::snprintf(toolsetLeader, sizeof toolsetLeader, "%s", title);
    } else {
      VX_RETURN_IF(sTool->GetToolNumberFromName(groupLeader, &data.sameGroupAs));
      VX_RETURN_IF(
          sTool->GetToolNumberFromName(toolsetLeader, &data.sameToolsetAs));
    }
    VX_RETURN_IF(sTool->AddTool(plugin, title, &data,
                                kToolWantsToTrackCursorOption,
                                &g.ToolHandles[tool->slot]));
  }
  return kNoErr;
}

}  // namespace

void BuildVersionLabel(const char* versionText, char* label, int size) {
  struct HostLabel {
    const char* prefix;
    const char* label;
  };
  // Two-character prefixes first, so "10" is not taken for "1".
  static const HostLabel kLabels[] = {
      {"10", "for Win AI10"},  {"11", "for Win AICS"},
      {"12", "for Win AICS2"}, {"13", "for Win AICS3"},
      {"14", "for Win AICS4"}, {"15", "for Win AICS5"},
      {"8", "for Win AI8"},    {"9", "for Win AI9"}};
  const char* host = "";
  for (const HostLabel& l : kLabels)
    if (std::strncmp(versionText, l.prefix, std::strlen(l.prefix)) == 0) {
      host = l.label;
      break;
    }
  std::snprintf(label, size, "ver4.2 %s", host);
}

ASErr RegisterActionEvent(SPPluginRef plugin, const ActionSpec& spec,
                          int16_t* actionNumber, int16_t number) {
  if (!sActionManager || !plugin) return kNoErr;
  AIActionParamTypeRef type = nullptr;
  VX_RETURN_IF(sActionManager->AINewActionParamType(&type));
  ASErr err = kNoErr;
  int32_t label = 2;
  for (int i = 0; i < spec.keyCount && !err; ++i) {
    const ActionKeySpec& key = spec.keys[i];
    char name[256] = "";
    if (key.shown) ReadString(plugin, spec.stringTable, label++, name, 255);
    err = sActionManager->AIActionSetTypeKey(type, key.key, name, key.type,
                                             key.shown ? 1 : 0);
  }
  if (!err) {
    *actionNumber = number;
    char localized[256];
    ReadString(plugin, spec.stringTable, 1, localized, 255);
    err = sActionManager->RegisterActionEvent(spec.eventName, localized, 1, 0,
                                              nullptr, plugin, actionNumber,
                                              type);
  }
  ASErr disposed = sActionManager->AIDeleteActionParamType(type);
  return err ? err : disposed;
}

ASErr RegisterEverything(SPInterfaceMessage* message) {
  PluginGlobals& g = *gGlobals;
  SPPluginRef plugin = message->d.self;

  char version[64] = "";
  if (sRuntime) VX_RETURN_IF(sRuntime->GetAppVersion(version, sizeof version));
  g.HostIsAI8 = version[0] == '8' ? 1 : 0;
  BuildVersionLabel(version, g.VersionLabel, kVersionLabelSize);

  g.HelpPalette = nullptr;
  g.transformDialog = nullptr;
  g.fractalizeDialog = nullptr;
  for (int i = 0; i < kToolPaletteCount; ++i) {
    g.ToolPaletteOf[i] = nullptr;
    g.ToolParams[i] = nullptr;
  }
  for (int i = 0; i < kEffectCount; ++i) {
    g.effectPalettes[i] = nullptr;
    g.effectRecords[i] = nullptr;
    g.effectSlots[i].group = nullptr;
  }
  for (char*& text : g.HelpTexts) text = nullptr;
  g.transformPathSet = nullptr;
  g.tracking = ToolTracking{};
  g.areaTracking = AreaTracking{};
  g.SelfAccess = nullptr;

  VX_RETURN_IF(RegisterWindowMenu(plugin, g));
  VX_RETURN_IF(sNotifier->AddNotifier(plugin, "notifierName",
                                      kAIArtSelectionChangedNotifier,
                                      &g.SelectionNotifier));
  VX_RETURN_IF(sNotifier->AddNotifier(plugin, "notifierName",
                                      kAIDocumentOpenedNotifier,
                                      &g.DocumentOpenedNotifier));

  g.HelpTopic = -1;
  g.transformDialogPosition.saved = 0;
  g.fractalizeDialogPosition.saved = 0;
  g.helpDialogPosition.saved = 0;
  g.FractalPreviewOn = 0;
  g.ForceNewSeed = 0;
  g.ReuseSeed = 1;
  g.ReuseSeedNextLive = 0;
  g.PluginRef = plugin;

  VX_RETURN_IF(InstallUserPresets(plugin));

  RegisterPluginGroups(plugin, g);
  for (int i = 0; i < kEffectCount; ++i)
    VX_RETURN_IF(RegisterActionEvent(plugin, Effect(i).action,
                                     &g.ActionNumbers[i + 1],
                                     static_cast<int16_t>(i + 1)));
  VX_RETURN_IF(RegisterFilters(plugin, g));
  for (int32_t& v : g.transformPerKind) v = 0;
  VX_RETURN_IF(RegisterLiveEffects(plugin, g));
  VX_RETURN_IF(
      RegisterActionEvent(plugin, FractalizeAction(), &g.ActionNumbers[0], 0));

  g.ToolPalette = nullptr;
  VX_RETURN_IF(RegisterTools(plugin, g));
  g.ToolPaletteLeft = 84;
  g.ToolPaletteTop = 59;
  return LoadHelpTexts(plugin, g.HelpTexts);
}

}  // namespace vx

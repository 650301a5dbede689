#include "shell/help_texts.h"

#include <cstring>

#include "generated/resource_ids.h"
#include "shell/blocks.h"
#include "shell/suites.h"

namespace vx {

// Topic n is entry n of the topic popup; the separators and topic 34 have
// neither text nor picture.
const VxHelpTopic kHelpTopics[kHelpTopicCount] = {
    {res::kToolsInGeneralText, res::kToolsInGeneralPicture},
    {res::kAlignPointsToolText, res::kAlignPointsToolPicture},
    {res::kBroomToolText, res::kBroomToolPicture},
    {res::kCraftToolText, res::kCraftToolPicture},
    {res::kLensToolText, res::kLensToolPicture},
    {res::kMetaBrushToolText, res::kMetaBrushToolPicture},
    {res::kRougheningToolText, res::kRougheningToolPicture},
    {res::kTrailToolText, res::kTrailToolPicture},
    {res::kWarpToolText, res::kWarpToolPicture},
    {res::kWaveToolText, res::kWaveToolPicture},
    {0, 0},
    {res::kLiveEffectsInGeneralText, res::kLiveEffectsInGeneralPicture},
    {res::kLiveEffectPalettesText, res::kLiveEffectPalettesPicture},
    {res::kLiveBorderText, res::kLiveBorderPicture},
    {res::kLiveCircleText, res::kLiveCirclePicture},
    {res::kLiveCutoutText, res::kLiveCutoutPicture},
    {res::kLiveEmbossText, res::kLiveEmbossPicture},
    {res::kLiveExplosionText, res::kLiveExplosionPicture},
    {res::kLiveFrameText, res::kLiveFramePicture},
    {res::kLiveGalaxyText, res::kLiveGalaxyPicture},
    {res::kLiveGenerationText, res::kLiveGenerationPicture},
    {res::kLiveNeonText, res::kLiveNeonPicture},
    {res::kLiveReflectionsText, res::kLiveReflectionsPicture},
    {res::kLiveShadowText, res::kLiveShadowPicture},
    {res::kLiveTilingText, res::kLiveTilingPicture},
    {res::kLiveTrailText, res::kLiveTrailPicture},
    {res::kShowPaletteText, res::kShowPalettePicture},
    {0, 0},
    {res::kTransform3DPart1Text, res::kTransform3DPart1Picture},
    {res::kTransform3DPart2Text, res::kTransform3DPart2Picture},
    {res::kFractalizeEffectText, res::kFractalizeEffectPicture},
    {res::kFractalizeFilterText, res::kFractalizeFilterPicture},
    {0, 0},
    {res::kPresetMenuText, res::kPresetMenuPicture},
    {0, 0},
    {res::kAboutHelpText, res::kAboutHelpPicture},
};

namespace {

constexpr char kNotFound[] = "Not Found TEXT";

// Finds the topic's TEXT resource in the plug-in's own module.
bool FindHelpResource(SPPluginRef plugin, int32_t id, SPResource* resource) {
  if (id <= 0 || !sPlugins || !sAccess) return false;
  SPAccessRef access = nullptr;
  SPPlatformAccessRef module = nullptr;
  if (sPlugins->GetPluginAccess(plugin, &access)) return false;
  if (sAccess->GetAccessInfo(access, &module)) return false;
  return sAccess->FindResource(module, kVxTextResource, id, resource) ==
             kNoErr &&
         resource->data;
}

}  // namespace

ASErr LoadHelpTexts(SPPluginRef plugin, char* texts[kHelpTopicCount]) {
  for (int topic = 0; topic < kHelpTopicCount; ++topic) {
    SPResource resource{};
    const char* text = kNotFound;
    size_t size = sizeof kNotFound - 1;
    if (FindHelpResource(plugin, kHelpTopics[topic].text, &resource)) {
      text = static_cast<const char*>(resource.data);
      size = resource.size;
    }
    void* block = nullptr;
    ASErr err = NewBlock(size + 1, "VERSALiX_Help Text Buffer", &block);
    if (err) return err;
    std::memcpy(block, text, size);
    static_cast<char*>(block)[size] = '\0';
    texts[topic] = static_cast<char*>(block);
  }
  return kNoErr;
}

void FreeHelpTexts(char* texts[kHelpTopicCount]) {
  for (int topic = 0; topic < kHelpTopicCount; ++topic) {
    void* block = texts[topic];
    FreeBlock(block);
    texts[topic] = nullptr;
  }
}

}  // namespace vx

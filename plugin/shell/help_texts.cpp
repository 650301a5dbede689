#include "shell/help_texts.h"

#include <cstring>

#include "generated/resource_ids.h"
#include "shell/blocks.h"
#include "shell/suites.h"

namespace vx {

// Topic n is entry n of the topic popup; the separators and topic 34 have
// neither text nor picture.
const int32_t kHelpTextIds[kHelpTopicCount] = {
    res::kToolsInGeneralText,
    res::kAlignPointsToolText,
    res::kBroomToolText,
    res::kCraftToolText,
    res::kLensToolText,
    res::kMetaBrushToolText,
    res::kRougheningToolText,
    res::kTrailToolText,
    res::kWarpToolText,
    res::kWaveToolText,
    0,
    res::kLiveEffectsInGeneralText,
    res::kLiveEffectPalettesText,
    res::kLiveBorderText,
    res::kLiveCircleText,
    res::kLiveCutoutText,
    res::kLiveEmbossText,
    res::kLiveExplosionText,
    res::kLiveFrameText,
    res::kLiveGalaxyText,
    res::kLiveGenerationText,
    res::kLiveNeonText,
    res::kLiveReflectionsText,
    res::kLiveShadowText,
    res::kLiveTilingText,
    res::kLiveTrailText,
    res::kShowPaletteText,
    0,
    res::kTransform3DPart1Text,
    res::kTransform3DPart2Text,
    res::kFractalizeEffectText,
    res::kFractalizeFilterText,
    0,
    res::kPresetMenuText,
    0,
    res::kAboutHelpText,
};

const int32_t kHelpPictureIds[kHelpTopicCount] = {
    res::kToolsInGeneralPicture,
    res::kAlignPointsToolPicture,
    res::kBroomToolPicture,
    res::kCraftToolPicture,
    res::kLensToolPicture,
    res::kMetaBrushToolPicture,
    res::kRougheningToolPicture,
    res::kTrailToolPicture,
    res::kWarpToolPicture,
    res::kWaveToolPicture,
    0,
    res::kLiveEffectsInGeneralPicture,
    res::kLiveEffectPalettesPicture,
    res::kLiveBorderPicture,
    res::kLiveCirclePicture,
    res::kLiveCutoutPicture,
    res::kLiveEmbossPicture,
    res::kLiveExplosionPicture,
    res::kLiveFramePicture,
    res::kLiveGalaxyPicture,
    res::kLiveGenerationPicture,
    res::kLiveNeonPicture,
    res::kLiveReflectionsPicture,
    res::kLiveShadowPicture,
    res::kLiveTilingPicture,
    res::kLiveTrailPicture,
    res::kShowPalettePicture,
    0,
    res::kTransform3DPart1Picture,
    res::kTransform3DPart2Picture,
    res::kFractalizeEffectPicture,
    res::kFractalizeFilterPicture,
    0,
    res::kPresetMenuPicture,
    0,
    res::kAboutHelpPicture,
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
    if (FindHelpResource(plugin, kHelpTextIds[topic], &resource)) {
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

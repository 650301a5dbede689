#include "shell/help_texts.h"

#include <cstring>

#include "shell/blocks.h"
#include "shell/suites.h"

namespace vx {

const int32_t kHelpTextIds[kHelpTopicCount] = {
    17500, 18080, 18050, 18030, 18020, 18060, 18040, 18070, 18000,
    18010, 0,     18500, 18510, 19010, 19040, 19025, 19020, 19090,
    19060, 19100, 19080, 19000, 19070, 19030, 19050, 19035, 19110,
    0,     19200, 19210, 19310, 19320, 0,     19400, 0,     19900};

const int32_t kHelpPictureIds[kHelpTopicCount] = {
    19500, 19518, 19512, 19508, 19506, 19514, 19510, 19516, 19502,
    19504, 0,     19520, 19522, 19526, 19536, 19530, 19528, 19546,
    19540, 19548, 19544, 19524, 19542, 19532, 19538, 19534, 19550,
    0,     19552, 19554, 19558, 19556, 0,     19560, 0,     19562};

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

// The art members of the plug-in group suite (edit group, result group,
// data store, binding to a registered group) and the host's update
// messages for plug-in group art.
#include <cstring>

#include "host/art/art_suites.h"
#include "host/art/plugin_group_updates.h"
#include "host/art/suites/suite_support.h"
#include "host/core/plugin_group_suite.h"
#include "host/core/registrations.h"
#include "host/live/live_effect_render.h"

namespace vx::host::art {
namespace {

Art* PluginArtFrom(AIArtHandle handle) {
  Art* art = ArtFrom(handle);
  return art && art->kind() == ArtKind::PluginGroup ? art : nullptr;
}

ASErr UseAIPluginGroup(AIArtHandle handle, AIPluginGroupHandle entry) {
  Art* art = PluginArtFrom(handle);
  if (!art || !Host::Current().registrations().FindPluginGroup(entry))
    return kSPBadParameterError;
  CurrentDocument()->MutablePlugin(*art).group = entry;
  return kNoErr;
}
ASErr GetPluginArtPluginGroup(AIArtHandle handle, AIPluginGroupHandle* entry) {
  Art* art = PluginArtFrom(handle);
  if (!art || !entry) return kSPBadParameterError;
  *entry = art->plugin().group;
  return kNoErr;
}
ASErr GetPluginArtEditArt(AIArtHandle handle, AIArtHandle* edit) {
  Art* art = PluginArtFrom(handle);
  if (!art || !edit) return kSPBadParameterError;
  *edit = art->editGroup()->handle();
  return kNoErr;
}
ASErr GetPluginArtResultArt(AIArtHandle handle, AIArtHandle* result) {
  Art* art = PluginArtFrom(handle);
  if (!art || !result) return kSPBadParameterError;
  *result = art->resultGroup()->handle();
  return kNoErr;
}
ASErr GetPluginArtDataCount(AIArtHandle handle, size_t* count) {
  Art* art = PluginArtFrom(handle);
  if (!art || !count) return kSPBadParameterError;
  *count = art->plugin().data.size();
  return kNoErr;
}
// New bytes are zero.
ASErr SetPluginArtDataCount(AIArtHandle handle, size_t count) {
  Art* art = PluginArtFrom(handle);
  if (!art) return kSPBadParameterError;
  CurrentDocument()->MutablePlugin(*art).data.resize(count, 0);
  return kNoErr;
}
ASErr GetPluginArtDataRange(AIArtHandle handle, void* data, size_t index,
                            size_t count) {
  Art* art = PluginArtFrom(handle);
  if (!art || (count && !data)) return kSPBadParameterError;
  const auto& store = art->plugin().data;
  if (index > store.size() || count > store.size() - index) return kSPBadParameterError;
  if (count) std::memcpy(data, store.data() + index, count);
  return kNoErr;
}
ASErr SetPluginArtDataRange(AIArtHandle handle, const void* data, size_t index,
                            size_t count) {
  Art* art = PluginArtFrom(handle);
  if (!art || (count && !data)) return kSPBadParameterError;
  const auto& store = art->plugin().data;
  if (index > store.size() || count > store.size() - index) return kSPBadParameterError;
  auto& bytes = CurrentDocument()->MutablePlugin(*art).data;
  if (count) std::memcpy(bytes.data() + index, data, count);
  return kNoErr;
}
ASErr MarkPluginArtDirty(AIArtHandle handle) {
  Art* art = PluginArtFrom(handle);
  if (!art) return kSPBadParameterError;
  CurrentDocument()->MarkForUpdate(*art);
  return kNoErr;
}

}  // namespace

void RegisterPluginGroupArtMembers(Host&) {
  AIPluginGroupSuite& t = PluginGroupSuiteTable();
  t.UseAIPluginGroup = UseAIPluginGroup;
  t.GetPluginArtPluginGroup = GetPluginArtPluginGroup;
  t.GetPluginArtEditArt = GetPluginArtEditArt;
  t.GetPluginArtResultArt = GetPluginArtResultArt;
  t.GetPluginArtDataCount = GetPluginArtDataCount;
  t.SetPluginArtDataCount = SetPluginArtDataCount;
  t.GetPluginArtDataRange = GetPluginArtDataRange;
  t.SetPluginArtDataRange = SetPluginArtDataRange;
  t.MarkPluginArtDirty = MarkPluginArtDirty;
}

// ---- update messages --------------------------------------------------------

namespace {
// Rounds of updates after one change: an update that changes the edit group
// of other plug-in group art (nested effects) causes another round; a cycle
// stops here.
constexpr int kMaxUpdateRounds = 8;
bool gSendingUpdates = false;
}  // namespace

int32_t SendPluginGroupUpdates(Host& host) {
  Document* doc = host.documents().current();
  if (!doc || gSendingUpdates || !doc->HasPendingUpdates()) return kNoErr;
  gSendingUpdates = true;
  UndoStepScope step(host.documents());
  int32_t first = kNoErr;
  for (int round = 0; round < kMaxUpdateRounds && doc->HasPendingUpdates(); ++round) {
    for (Art* art : doc->TakePendingUpdates()) {
      if (!doc->IsLive(art)) continue;
      if (art->plugin().live) {
        // The host's own live effects render through Go Live.
        const int32_t err = live::RenderLiveEffect(host, *art);
        if (err && !first) first = err;
        continue;
      }
      if (!art->plugin().group) continue;
      AIPluginGroupMessage message{};
      message.entry = art->plugin().group;
      message.art = art->handle();
      int32_t err = host.Send(kCallerAIPluginGroup, kSelectorAINotifyEdits, &message.d);
      if (!err && doc->IsLive(art)) {
        message.entry = art->plugin().group;
        message.art = art->handle();
        err = host.Send(kCallerAIPluginGroup, kSelectorAIUpdateArt, &message.d);
      }
      if (err && !first) first = err;
    }
  }
  gSendingUpdates = false;
  return first;
}

}  // namespace vx::host::art

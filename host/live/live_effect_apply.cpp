#include "host/live/live_effect_apply.h"

#include <functional>
#include <memory>
#include <utility>

#include "host/art/document_set.h"
#include "host/art/plugin_group_updates.h"
#include "host/core/host.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/live/live_effect_instance.h"
#include "host/live/live_effect_render.h"

namespace vx::host::live {
namespace {

using art::Art;
using art::Dictionary;
using art::Document;
using art::Placement;

// While the effect's dialog runs, the live effect suite's UpdateParameters
// lands here; the previous handler is put back afterwards.
class UpdateParametersHandler {
 public:
  UpdateParametersHandler(Host& host, std::function<int32_t(AIDictionaryRef)> handler)
      : slot_(host.registrations().updateLiveEffectParameters),
        previous_(std::exchange(slot_, std::move(handler))) {}
  ~UpdateParametersHandler() { slot_ = std::move(previous_); }
  UpdateParametersHandler(const UpdateParametersHandler&) = delete;
  UpdateParametersHandler& operator=(const UpdateParametersHandler&) = delete;

 private:
  std::function<int32_t(AIDictionaryRef)>& slot_;
  std::function<int32_t(AIDictionaryRef)> previous_;
};

// Puts target into the edit group of new live effect art in its place.
int32_t Wrap(Document& doc, Art* target, const std::string& effect,
             const Dictionary& parameters, Art** made) {
  if (!doc.IsLive(target) || !target->parent() || target->isLayerGroup() ||
      target->isPluginGroupPart())
    return kSPBadParameterError;
  const bool selected = target->selected();
  Art* live = nullptr;
  if (int32_t err = doc.NewArt(art::ArtKind::PluginGroup, Placement::Above, target, &live))
    return err;
  if (int32_t err = doc.Reorder(target, Placement::InsideOnTop, live->editGroup())) return err;
  auto instance = std::make_shared<LiveEffectInstance>();
  instance->effect = effect;
  instance->parameters = parameters;
  doc.MutablePlugin(*live).live = std::move(instance);
  if (selected) doc.Select(*live, true);
  *made = live;
  return kNoErr;
}

int32_t WrapAll(Document& doc, const std::vector<Art*>& targets, const std::string& effect,
                const Dictionary& parameters, std::vector<Art*>* wrapped) {
  if (targets.empty()) return kBadSelectionErr;
  for (Art* target : targets) {
    Art* live = nullptr;
    if (int32_t err = Wrap(doc, target, effect, parameters, &live)) return err;
    wrapped->push_back(live);
  }
  return kNoErr;
}

// Stores new parameters with the art (which asks for a render).
void Commit(Document& doc, Art& art, const Dictionary& parameters) {
  const LiveEffectInstance* now = InstanceOf(art);
  if (!now || !doc.IsLive(&art)) return;
  auto next = std::make_shared<LiveEffectInstance>(*now);
  next->parameters = parameters;
  doc.MutablePlugin(art).live = std::move(next);
}

// Edit Parameters over working copies of the dictionaries: every
// UpdateParameters of the dialog (previews, OK) stores them with the art
// and renders it at once, so that a preview draws its seed while the
// dialog's seed switches are set.
int32_t EditParameters(Host& host, Document& doc, AILiveEffectHandle effect,
                       const std::vector<Art*>& targets, Dictionary& parameters,
                       Dictionary& instanceInfo, bool isNew) {
  UpdateParametersHandler handler(host, [&](AIDictionaryRef ref) -> int32_t {
    if (ref != parameters.ref()) return kNoErr;
    for (Art* a : targets) Commit(doc, *a, parameters);
    return art::SendPluginGroupUpdates(host);
  });
  return SendLiveEffectEditParameters(host, effect, parameters.ref(), instanceInfo.ref(), isNew);
}

// Ends a call: a failure takes back everything the call did.
int32_t Finish(Document& doc, const art::UndoStepScope& step, int32_t err,
               std::vector<Art*>& wrapped, std::vector<Art*>* made) {
  if (err) {
    if (step.outermost()) doc.RevertOpenStep();
    wrapped.clear();
  }
  if (made) *made = wrapped;
  return err;
}

bool IsCurrent(Host& host, const Document& doc) { return host.documents().current() == &doc; }

}  // namespace

int32_t ApplyLiveEffect(Host& host, Document& doc, const std::string& effect,
                        const std::vector<Art*>& targets, const Dictionary& parameters,
                        std::vector<Art*>* made) {
  if (made) made->clear();
  if (!IsCurrent(host, doc)) return kNoDocumentErr;
  if (!FindLiveEffect(host, effect)) return kSPBadParameterError;
  art::UndoStepScope step(host.documents());
  std::vector<Art*> wrapped;
  int32_t err = WrapAll(doc, targets, effect, parameters, &wrapped);
  if (!err) err = art::SendPluginGroupUpdates(host);
  return Finish(doc, step, err, wrapped, made);
}

int32_t ApplyLiveEffectWithDialog(Host& host, Document& doc, const std::string& effect,
                                  const std::vector<Art*>& targets, std::vector<Art*>* made) {
  if (made) made->clear();
  if (!IsCurrent(host, doc)) return kNoDocumentErr;
  const AILiveEffectHandle handle = FindLiveEffect(host, effect);
  if (!handle) return kSPBadParameterError;
  art::UndoStepScope step(host.documents());
  std::vector<Art*> wrapped;
  Dictionary parameters, instanceInfo;
  // Until the dialog's first preview the art shows its source.
  int32_t err = WrapAll(doc, targets, effect, parameters, &wrapped);
  if (!err) err = art::SendPluginGroupUpdates(host);
  if (!err) err = EditParameters(host, doc, handle, wrapped, parameters, instanceInfo, true);
  return Finish(doc, step, err, wrapped, made);
}

int32_t EditLiveEffect(Host& host, Document& doc, Art& art) {
  if (!IsCurrent(host, doc)) return kNoDocumentErr;
  const LiveEffectInstance* instance = InstanceOf(art);
  if (!instance || !doc.IsLive(&art)) return kSPBadParameterError;
  const AILiveEffectHandle handle = FindLiveEffect(host, instance->effect);
  if (!handle) return kSPBadParameterError;
  art::UndoStepScope step(host.documents());
  Dictionary parameters = instance->parameters, instanceInfo = instance->instanceInfo;
  std::vector<Art*> edited{&art};
  const int32_t err =
      EditParameters(host, doc, handle, edited, parameters, instanceInfo, false);
  return Finish(doc, step, err, edited, nullptr);
}

int32_t ApplyOrEditLiveEffect(Host& host, Document& doc, const std::string& effect,
                              const std::vector<Art*>& targets) {
  std::vector<Art*> fresh, carrying;
  for (Art* art : targets) {
    const LiveEffectInstance* live = InstanceOf(*art);
    (live && live->effect == effect ? carrying : fresh).push_back(art);
  }
  for (Art* art : carrying)
    if (int32_t err = EditLiveEffect(host, doc, *art)) return err;
  return fresh.empty() ? kNoErr : ApplyLiveEffectWithDialog(host, doc, effect, fresh);
}

namespace {

// Moves the children of part (the result or edit group) into art's place,
// in their order, and disposes of art.
int32_t Flatten(Document& doc, Art& art, Art* part) {
  if (!InstanceOf(art) || !doc.IsLive(&art)) return kSPBadParameterError;
  const bool outermost = !doc.stepOpen();
  doc.BeginStep();
  int32_t err = kNoErr;
  for (Art* child = part->firstChild(); child && !err; child = part->firstChild())
    err = doc.Reorder(child, Placement::Above, &art);
  if (!err) err = doc.Dispose(&art);
  if (err && outermost) doc.RevertOpenStep();
  doc.EndStep();
  return err;
}

}  // namespace

int32_t ExpandLiveEffect(Document& doc, Art& art) {
  return Flatten(doc, art, art.resultGroup());
}

int32_t ReleaseLiveEffect(Document& doc, Art& art) {
  return Flatten(doc, art, art.editGroup());
}

}  // namespace vx::host::live

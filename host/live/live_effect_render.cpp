#include "host/live/live_effect_render.h"

#include <cmath>
#include <variant>

#include <memory>
#include <utility>

#include "host/art/document_set.h"
#include "host/core/host.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/live/live_effect_instance.h"

namespace vx::host::live {
namespace {

using art::Art;
using art::Document;
using art::Placement;

int32_t ClearResult(Document& doc, Art& art) {
  while (Art* child = art.resultGroup()->firstChild())
    if (int32_t err = doc.Dispose(child)) return err;
  return kNoErr;
}

// A copy of the source as the result group's only child: the edit group's
// one object, or a group of copies of its objects in their order. Null
// when the source is empty.
int32_t CopySource(Document& doc, Art& art, Art** copy) {
  *copy = nullptr;
  Art* edit = art.editGroup();
  Art* first = edit->firstChild();
  if (!first) return kNoErr;
  if (!first->sibling()) return doc.Duplicate(first, Placement::InsideOnTop, art.resultGroup(), copy);
  if (int32_t err = doc.NewArt(art::ArtKind::Group, Placement::InsideOnTop, art.resultGroup(), copy))
    return err;
  for (Art* child = first; child; child = child->sibling())
    if (int32_t err = doc.Duplicate(child, Placement::InsideOnBottom, *copy, nullptr)) return err;
  return kNoErr;
}

// Go Live may answer other art than it was given: that art becomes the
// result in place of the copy.
void KeepAnswer(Document& doc, Art& art, Art* input, AIArtHandle answer) {
  Art* out = doc.FromHandle(answer);
  if (!out || out == input) return;
  if (!out->isWithin(art.resultGroup()))
    (void)doc.Reorder(out, Placement::InsideOnTop, art.resultGroup());
  if (doc.IsLive(input) && !out->isWithin(input)) (void)doc.Dispose(input);
}

}  // namespace

AILiveEffectHandle FindLiveEffect(Host& host, const std::string& name) {
  return reinterpret_cast<AILiveEffectHandle>(host.registrations().LiveEffectNamed(name));
}

namespace {
// Stored parameters come from documents: a real that is not finite (a
// damaged or hand-edited file) is refused before the effect sees it.
bool FiniteReals(const art::Dictionary& dictionary) {
  for (const auto& [key, value] : dictionary.entries())
    if (const AIReal* real = std::get_if<AIReal>(&value); real && !std::isfinite(*real))
      return false;
  return true;
}
}  // namespace

int32_t RenderLiveEffect(Host& host, Art& art) {
  Document* doc = host.documents().current();
  const LiveEffectInstance* stored = InstanceOf(art);
  if (!doc || &art.document() != doc || !doc->IsLive(&art) || !stored)
    return kSPBadParameterError;
  const AILiveEffectHandle effect = FindLiveEffect(host, stored->effect);
  if (!effect || !FiniteReals(stored->parameters)) return kSPBadParameterError;
  // The effect works on copies of the dictionaries: the stored instance is
  // never changed in place (undo keeps earlier ones).
  auto next = std::make_shared<LiveEffectInstance>(*stored);
  art::UndoStepScope step(host.documents());
  if (int32_t err = ClearResult(*doc, art)) return err;
  Art* input = nullptr;
  if (int32_t err = CopySource(*doc, art, &input)) return err;
  if (!input) return kNoErr;
  AIArtHandle answer = input->handle();
  const int32_t err = SendLiveEffectGoLive(host, effect, next->parameters.ref(),
                                           next->instanceInfo.ref(), &answer);
  if (err) {
    // No half-made result: the source is shown as it is.
    if (ClearResult(*doc, art) == kNoErr) (void)CopySource(*doc, art, &input);
    return err;
  }
  if (!doc->IsLive(&art)) return kNoErr;
  KeepAnswer(*doc, art, input, answer);
  const LiveEffectInstance* now = InstanceOf(art);
  if (now && !(next->instanceInfo == now->instanceInfo))
    doc->MutablePluginQuietly(art).live = std::move(next);
  return kNoErr;
}

}  // namespace vx::host::live

#include "effect_fixture.h"

#include <cstring>

#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/art/plugin_group_updates.h"
#include "host/core/messages.h"
#include "effects/effect_table.h"
#include "support/test_paths.h"

namespace vx::test {

using host::art::Placement;

host::ActionParamValue ActionValues(std::initializer_list<ActionKeyValue> keys) {
  host::ActionParamValue value;
  for (const ActionKeyValue& k : keys) {
    host::ActionValue v;
    v.key = uint32_t(VX_FOURCC(k.key[0], k.key[1], k.key[2], k.key[3]));
    v.type = k.type;
    v.integer = int32_t(k.number);
    v.real = k.number;
    v.boolean = k.number != 0;
    v.unit = k.unit;
    v.text = k.text;
    value.Set(v);
  }
  return value;
}

AIColor StaleCustomColor() {
  AIColor c{};
  c.kind = kCustomColor;
  c.c.c.color = 4711;
  return c;
}

AIColor Gray(float g) {
  AIColor c{};
  c.kind = kGrayColor;
  c.c.g.gray = g;
  return c;
}
AIColor Rgb(float r, float g, float b) {
  AIColor c{};
  c.kind = kThreeColor;
  c.c.rgb = {r, g, b};
  return c;
}
AIColor Cmyk(float cy, float m, float y, float k) {
  AIColor c{};
  c.kind = kFourColor;
  c.c.f = {cy, m, y, k};
  return c;
}

void EffectTest::SetUp() {
  HostTest::SetUp();
  // Fixed here so that a second host of the same test shares the settings.
  if (options_.settingsDir.empty()) options_.settingsDir = FreshSettingsDir();
  ASSERT_EQ(0, StartHost());
  doc_ = &host().documents().New("effects");
  host().dialogs().onAlert = [this](const host::adm::Alert& alert) {
    alerts_.push_back(alert.text);
  };
}

void EffectTest::TearDown() {
  if (host_) host().dialogs().onAlert = nullptr;
  HostTest::TearDown();
}

Art* EffectTest::AddSquare(const std::string& id, float x, float y, float size,
                           Art* container) {
  return AddSvgPath(*doc_,
                    SvgPolyline({{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}}, true),
                    container, false, id);
}

void EffectTest::Paint(Art& path, float width, const AIColor& stroke,
                       const AIColor* fill) {
  AIPathStyle style = path.path().style;
  style.strokePaint = width > 0;
  style.stroke.width = width;
  style.stroke.color = stroke;
  style.fillPaint = fill != nullptr;
  if (fill) style.fill.color = *fill;
  ASSERT_EQ(0, doc_->SetStyle(path, style));
}

Art* EffectTest::AddContainer(const std::string& id, ArtKind kind, Art* container) {
  Art* art = nullptr;
  EXPECT_EQ(0, doc_->NewArt(kind, Placement::InsideOnTop,
                            container ? container : layer(), &art));
  if (art) doc_->SetId(*art, id);
  return art;
}

Art* EffectTest::AddText(const std::string& id, Art* container) {
  Art* text = AddContainer(id, ArtKind::Text, container);
  Art* run = nullptr;
  EXPECT_EQ(0, doc_->NewArt(ArtKind::TextRun, Placement::InsideOnBottom, text, &run));
  if (run) doc_->MutableRun(*run).contents = "text";
  return text;
}

void EffectTest::Select(std::initializer_list<Art*> art) {
  doc_->DeselectAll();
  for (Art* a : art) doc_->Select(*a, true);
  // As the host tells the plug-in after the user selects.
  host::SendNotify(host(), kAIArtSelectionChangedNotifier);
}

int32_t EffectTest::ChooseWindowItem(int index) {
  return host::SendMenuGo(host(), globals().WindowMenuItems[index]);
}

host::adm::Dialog* EffectTest::Palette(int effect) {
  return host().dialogs().DialogNamed(Effect(effect).paletteName);
}

void EffectTest::Act(int effect, const std::string& action) {
  host::adm::Dialog* palette = Palette(effect);
  ASSERT_NE(nullptr, palette) << action;
  std::string error;
  auto parsed = host::adm::ParseAgentAction(action, &error);
  ASSERT_TRUE(parsed) << error;
  host::adm::DialogDriver driver(host().dialogs(), *palette);
  ASSERT_EQ("", host::adm::Perform(driver, *parsed)) << action;
}

BorderPGParams* EffectTest::BorderRecord() {
  return static_cast<BorderPGParams*>(globals().effectRecords[kBorder]);
}

Art* EffectTest::MakeEffectArt(int effect, const void* record, size_t size) {
  Art* art = AddContainer("effect", ArtKind::PluginGroup);
  if (!art) return nullptr;
  auto& data = doc().MutablePlugin(*art);
  data.group = globals().effectSlots[effect].group;
  const auto* bytes = static_cast<const uint8_t*>(record);
  data.data.assign(bytes, bytes + size);
  return art;
}

void EffectTest::ClearLayer() {
  doc().DeselectAll();
  while (Art* a = layer()->firstChild()) ASSERT_EQ(0, doc().Dispose(a));
}

int32_t EffectTest::SendUpdates() { return host::art::SendPluginGroupUpdates(host()); }

std::vector<Art*> EffectTest::EffectArt() const {
  std::vector<Art*> out;
  for (Art* a = layer()->firstChild(); a; a = a->sibling())
    if (a->kind() == ArtKind::PluginGroup) out.push_back(a);
  return out;
}

std::vector<const Art*> EffectTest::Generated(const Art& effect) {
  std::vector<const Art*> out;
  const Art* made = effect.resultGroup() ? effect.resultGroup()->firstChild() : nullptr;
  if (!made) return out;
  for (const Art* a = made->firstChild(); a; a = a->sibling()) out.push_back(a);
  return out;
}

BorderPGParams EffectTest::StoredBorder(const Art& effect) {
  BorderPGParams p{};
  const auto& data = effect.plugin().data;
  EXPECT_EQ(sizeof p, data.size());
  if (data.size() == sizeof p) std::memcpy(&p, data.data(), sizeof p);
  return p;
}

}  // namespace vx::test

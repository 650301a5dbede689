// The live effects through the host: a started host with an open document,
// builders for stroked and filled art, the Border palette driven as a user
// would, and the messages a real host sends after the user's edits.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "effects/border.h"
#include "host/adm/dialog.h"
#include "host/adm/user_agent.h"
#include "host/art/document.h"
#include "host/core/action_values.h"
#include "shell/globals.h"
#include "support/host_fixture.h"

namespace vx::test {

using host::art::Art;
using host::art::ArtKind;

AIColor Gray(float g);
AIColor Rgb(float r, float g, float b);
AIColor Cmyk(float c, float m, float y, float k);
// A custom colour the document does not hold.
AIColor StaleCustomColor();
// An action's values as a recorded action holds them: each key's number is
// its integer, real and flag alike.
struct ActionKeyValue {
  const char* key;
  uint32_t type;
  double number;
  uint32_t unit = 0;
  const char* text = "";
};
host::ActionParamValue ActionValues(std::initializer_list<ActionKeyValue> keys);

class EffectTest : public HostTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  host::art::Document& doc() { return *doc_; }
  Art* layer() const { return doc_->currentLayer()->group; }
  PluginGlobals& globals() { return *gGlobals; }

  // A closed square path (x, y, size) inside container (the layer by
  // default), on top.
  Art* AddSquare(const std::string& id, float x, float y, float size,
                 Art* container = nullptr);
  // Paints it: a stroke of this width (0: none) and colour, a fill or none.
  void Paint(Art& path, float strokeWidth, const AIColor& stroke,
             const AIColor* fill);
  Art* AddContainer(const std::string& id, ArtKind kind, Art* container = nullptr);
  Art* AddText(const std::string& id, Art* container = nullptr);

  void Select(std::initializer_list<Art*> art);

  // Menu commands, as the user chooses them in the Window submenu.
  int32_t ChooseWindowItem(int index);
  // The palette of an effect (null while there is none).
  host::adm::Dialog* Palette(int effect);
  // Runs one palette action ("set 11=4", "choose 9=3" ...) as
  // the user would; the host updates the effect art it changed.
  void Act(int effect, const std::string& action);
  // The same for one item: Act(kBorder, "set", BorderItems::kOffset, "=50").
  void Act(int effect, const char* verb, int32_t item, const std::string& rest = "") {
    Act(effect, host::adm::ItemAction(verb, item, rest));
  }
  // The Border palette's current record (null without palette).
  BorderPGParams* BorderRecord();

  // Effect art of `effect` holding a copy of record, made as a document
  // holds it (no palette involved), on top of the layer; the test puts its
  // source into the edit group and lets the host update it.
  template <typename Record>
  Art* MakeEffectArt(int effect, const Record& record) {
    return MakeEffectArt(effect, &record, sizeof record);
  }
  Art* MakeEffectArt(int effect, const void* record, size_t size);
  // The host's updates of every changed effect art; the first error.
  int32_t SendUpdates();
  // Effect art of `effect` holding record, alone on the layer, around a
  // 50-point square at (100, 100) with this fill (null: none) and a stroke
  // of this width and colour, selected first when told; updated. Its
  // generated objects from the top; the art and square in effect_, square_.
  template <typename Record>
  std::vector<const Art*> RunOnSquare(int effect, const Record& record, const AIColor* fill,
                                      float stroke = 0, const AIColor& strokeColour = Gray(1),
                                      bool select = false) {
    ClearLayer();
    effect_ = MakeEffectArt(effect, record);
    if (select) Select({effect_});
    square_ = AddSquare("square", 100, 100, 50, effect_->editGroup());
    Paint(*square_, stroke, strokeColour, fill);
    EXPECT_EQ(0, SendUpdates());
    return Generated(*effect_);
  }
  // Disposes of everything on the layer.
  void ClearLayer();

  // Effect art of the layer, from the top.
  std::vector<Art*> EffectArt() const;
  // The generated objects of effect art: the children of the group its
  // update made.
  static std::vector<const Art*> Generated(const Art& effect);
  static BorderPGParams StoredBorder(const Art& effect);

  // The host updates the art again, as after an edit; the update's code.
  int32_t Regenerate(Art& effect) {
    doc().MarkForUpdate(effect);
    return SendUpdates();
  }

  host::art::Document* doc_ = nullptr;
  std::vector<std::string> alerts_;
  Art* effect_ = nullptr;
  Art* square_ = nullptr;
};

}  // namespace vx::test

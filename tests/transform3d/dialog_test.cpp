// The dialog driven as a user would: Cancel, kind changes, the undo history,
// zoom limits, mouse rotation and the enabling rules.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/raster.h"
#include "host/adm/user_agent.h"
#include "filters/transform3d_bitmap.h"
#include "generated/resource_ids.h"
#include "host/core/user_interaction.h"
#include "support/allocation_sweep.h"
#include "support/function_agent.h"
#include "transform3d_fixture.h"

namespace vx {
namespace {

using host::adm::DialogDriver;
namespace T3 = res::Transform3DDialog;

class TransformDialog : public test::Transform3DTest {
 public:  // the table rows below act on the fixture
  void SetUp() override {
    Transform3DTest::SetUp();
    agent_.templateId = res::kTransform3DDialog;
    host().dialogs().SetAgent(&agent_);
    AddRect("a", 0, 0, 100, 60);
    AddRect("b", 120, 0, 60, 60);
  }
  void TearDown() override {
    host().dialogs().SetAgent(nullptr);
    Transform3DTest::TearDown();
  }
  double ValueOf(DialogDriver& d, int32_t id) {
    return d.dialog().GetItem(id)->Value();
  }
  int Beeps() { return host().user().beeps(); }
  // Runs the dialog on kind's factory values: act, then Cancel, which keeps
  // the block byte for byte.
  void Cancelled(int kind, const std::function<void(DialogDriver&)>& act) {
    SetParameterBlock(test::KindRecord(kind));
    TransformParams before;
    std::memcpy(&before, ParameterBlock(), sizeof before);
    agent_.act = [&](DialogDriver& d) {
      act(d);
      EXPECT_EQ("", d.Press(T3::kCancel));
    };
    EXPECT_EQ(kCanceledErr, GetParameters());
    EXPECT_EQ(0, std::memcmp(&before, ParameterBlock(), sizeof before));
  }
  test::FunctionAgent agent_;
};

// OK keeps the values the user set, and Go then runs on them; every
// allocation failure before the dialog opens is reported.
TEST_F(TransformDialog, EveryAllocationFailureBeforeTheDialogIsReported) {
  SetParameterBlock(test::KindRecord(kTwirl));
  agent_.act = [&](DialogDriver& d) {
    EXPECT_EQ("", d.SetValue(T3::kRow1, 90));
    EXPECT_EQ("", d.Press(T3::kOk));
  };
  int bitmapFailures = 0;
  bool opened = false;  // once the dialog opens, a failure is the dialog's own
  test::SweepAllocationFailures(host(), {
      .run = [&]() -> ASErr {
        if (opened) return kNoErr;  // allocates nothing: ends the sweep
        const ASErr result = GetParameters();
        if (result == kNoErr) {
          opened = true;
          const float angle = ParameterBlock()->value[0];  // packed record: copy out
          EXPECT_EQ(90.0f, angle);
          EXPECT_EQ(0, Go());
        }
        return result;
      },
      .check = [&](ASErr result, long, bool) {
        if (result == kPreviewBitmapErr) {
          ++bitmapFailures;  // only the preview's bitmap has a code of its own
        } else {
          EXPECT_EQ(opened ? kNoErr : kOutOfMemoryErr, result);
        }
      },
      .cap = 20});
  EXPECT_EQ(1, bitmapFailures);
}

// The preview's pixels (item 3) from the dialog's raster.
std::vector<host::adm::Rgba> PreviewPixels(DialogDriver& d) {
  const ASRect r = d.dialog().GetItem(T3::kPreview)->bounds;
  std::vector<host::adm::Rgba> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      out.push_back(d.dialog().raster().Get(x, y));
  return out;
}

// What the user does in the dialog on the kind's factory values, and what
// the dialog shows meanwhile; then Cancel.
struct DialogRow {
  const char* what;
  int kind;
  std::function<void(TransformDialog&, DialogDriver&)> act;
};

// Ctrl in the preview zooms; the zoom reached shows in how many presses of
// Zoom in remain before it beeps at the last step (index 23). The preview is
// 164 x 164 pixels.
DialogRow CtrlZoom(const char* what, std::vector<ASPoint> drag, uint32_t modifiers,
                   int stepsLeft) {
  return {what, kTwist, [=](TransformDialog& t, DialogDriver& d) {
            EXPECT_EQ("", d.Drag(T3::kPreview, drag, modifiers));
            const int beeps = t.Beeps();
            int presses = 0;
            while (t.Beeps() == beeps && presses < 30) {
              EXPECT_EQ("", d.Press(T3::kZoomIn));
              ++presses;
            }
            EXPECT_EQ(stepsLeft, presses - 1);
          }};
}

TEST_F(TransformDialog, WhatTheUserDoesAndWhatTheDialogShows) {
  constexpr uint32_t kCtrl = kADMMenuKeyModifier;
  const DialogRow rows[] = {
      {"another kind and back restores the first kind's values", kArc,
       [](TransformDialog& t, DialogDriver& d) {
         EXPECT_EQ("", d.SetValue(T3::kRow1, 77));
         EXPECT_EQ("", d.Choose(T3::kKind, kSphere));
         EXPECT_EQ(360.0, t.ValueOf(d, T3::kRow1));
         EXPECT_TRUE(d.dialog().GetItem(T3::kRow4)->visible);  // four rows
         EXPECT_EQ("", d.Choose(T3::kKind, kArc));
         EXPECT_EQ(77.0, t.ValueOf(d, T3::kRow1));
         EXPECT_FALSE(d.dialog().GetItem(T3::kRow4)->visible);  // Arc has two rows
       }},
      {"seventeen changes undo fifteen, then beep", kTwist,
       [](TransformDialog& t, DialogDriver& d) {
         for (int i = 1; i <= 17; ++i) EXPECT_EQ("", d.SetValue(T3::kRow1, i));
         const int beeps = t.Beeps();
         for (double v = 16; v >= 2; --v) {
           EXPECT_EQ("", d.Press(T3::kUndo));
           EXPECT_EQ(v, t.ValueOf(d, T3::kRow1));
         }
         EXPECT_EQ(beeps, t.Beeps());
         EXPECT_EQ("", d.Press(T3::kUndo));
         EXPECT_EQ(beeps + 1, t.Beeps());
         for (double v = 3; v <= 17; ++v) {
           EXPECT_EQ("", d.Press(T3::kRedo));
           EXPECT_EQ(v, t.ValueOf(d, T3::kRow1));
         }
         EXPECT_EQ("", d.Press(T3::kRedo));
         EXPECT_EQ(beeps + 2, t.Beeps());
         // A change after an undo drops what could be redone.
         EXPECT_EQ("", d.Press(T3::kUndo));
         EXPECT_EQ("", d.SetValue(T3::kRow1, 40));
         EXPECT_EQ("", d.Press(T3::kRedo));
         EXPECT_EQ(40.0, t.ValueOf(d, T3::kRow1));
         EXPECT_EQ(beeps + 3, t.Beeps());
       }},
      {"zoom beeps at both ends", kTwist,
       [](TransformDialog& t, DialogDriver& d) {
         int beeps = t.Beeps();
         for (int i = 0; i < 17; ++i) EXPECT_EQ("", d.Press(T3::kZoomIn));  // 80 -> 6000
         EXPECT_EQ(beeps, t.Beeps());
         EXPECT_EQ("", d.Press(T3::kZoomIn));
         EXPECT_EQ(beeps + 1, t.Beeps());
         EXPECT_EQ("", d.Press(T3::kCentering));  // centering: back to 80 %
         for (int i = 0; i < 6; ++i) EXPECT_EQ("", d.Press(T3::kZoomOut));  // 80 -> 1
         beeps = t.Beeps();
         EXPECT_EQ("", d.Press(T3::kZoomOut));
         EXPECT_EQ(beeps + 1, t.Beeps());
       }},
      {"a rotation dragged past 360 jumps to 0", kTwist,
       [](TransformDialog& t, DialogDriver& d) {
         EXPECT_EQ("", d.SetValue(T3::kPostX, 350));
         EXPECT_EQ("", d.Drag(T3::kPreview, {{80, 40}, {80, 50}}));
         EXPECT_EQ(360.0, t.ValueOf(d, T3::kPostX));
         EXPECT_EQ("", d.Drag(T3::kPreview, {{80, 40}, {80, 45}}));
         EXPECT_EQ(0.0, t.ValueOf(d, T3::kPostX));
       }},
      {"Before disables the cursor except for Simple Rotation", kSphere,
       [](TransformDialog&, DialogDriver& d) {
         EXPECT_TRUE(d.dialog().GetItem(T3::kCursorH)->enabled);
         EXPECT_EQ("", d.Press(T3::kBefore));
         EXPECT_FALSE(d.dialog().GetItem(T3::kCursorH)->enabled);
         EXPECT_FALSE(d.dialog().GetItem(T3::kCursorV)->enabled);
         EXPECT_EQ("", d.Choose(T3::kKind, kSimpleRotation));
         EXPECT_TRUE(d.dialog().GetItem(T3::kCursorH)->enabled);
         EXPECT_FALSE(d.dialog().GetItem(T3::kBefore)->enabled);
         EXPECT_FALSE(d.dialog().GetItem(T3::kPostX)->enabled);
       }},
      {"a sphere with the cursor at the centre warns", kSphere,
       [](TransformDialog&, DialogDriver& d) {
         EXPECT_EQ("Digits of calculated result overflows because the radius is "
                   "equal to 0 or other reasons.",
                   d.dialog().GetItem(T3::kPreview)->Text());
         EXPECT_EQ("", d.SetValue(T3::kCursorH, 30));
         EXPECT_EQ("", d.dialog().GetItem(T3::kPreview)->Text());
       }},
      CtrlZoom("Ctrl-click: 100 %", {{83, 83}}, kCtrl, 16),
      CtrlZoom("Ctrl+Alt-click: 60 %", {{83, 83}}, kCtrl | kADMModKeyModifier, 18),
      // The zoom a dragged rectangle reaches: the preview zoom's own rows.
      CtrlZoom("Ctrl-drag: 320 %", {{63, 63}, {90, 90}, {104, 104}}, kCtrl, 12),
      {"the scroll button moves the preview with the mouse", kTwist,
       [](TransformDialog&, DialogDriver& d) {
         const auto before = PreviewPixels(d);
         EXPECT_EQ("", d.Drag(T3::kScroll, {{5, 5}, {9, 7}, {15, 10}}));
         const auto after = PreviewPixels(d);
         const int w = d.dialog().GetItem(T3::kPreview)->bounds.right -
                       d.dialog().GetItem(T3::kPreview)->bounds.left;
         int drawn = 0;
         for (int y = 1; y < 160; ++y)
           for (int x = 1; x < 155; ++x) {
             const auto& old = before[size_t(y * w + x)];
             ASSERT_EQ(old, after[size_t((y + 5) * w + x + 10)]) << x << "," << y;
             drawn += !(old == before[0]);
           }
         EXPECT_GT(drawn, 100);
         EXPECT_NE(before, after);
       }},
      // Resting on the way, the preview is recomputed in slices under the
      // exclusive-or guide, and ends with the picture of the typed angle.
      {"a rotation dragged with rests looks like the typed angle", kTwist,
       [](TransformDialog& t, DialogDriver& d) {
         EXPECT_EQ("", d.Drag(T3::kPreview, {{80, 80}, {90, 80}, {90, 80}, {100, 81},
                                             {100, 81}, {100, 81}}));
         EXPECT_EQ(20.0, t.ValueOf(d, T3::kPostY));
         const auto dragged = PreviewPixels(d);
         EXPECT_EQ("", d.SetValue(T3::kPostY, 0));
         EXPECT_NE(dragged, PreviewPixels(d));
         EXPECT_EQ("", d.SetValue(T3::kPostY, 20));
         EXPECT_EQ(dragged, PreviewPixels(d));
       }},
  };
  for (const DialogRow& row : rows) {  // each on a fresh host: the plug-in keeps dialog state
    SCOPED_TRACE(row.what);
    Cancelled(row.kind, [&](DialogDriver& d) { row.act(*this, d); });
    TearDown();
    SetUp();
  }
}

}  // namespace
}  // namespace vx

// Tools under test in two or three lines: a started host with an empty
// document, the host's tool driver, and helpers for what a person does.
//
//   Art* square = AddPath("M 0,0 L 100,0 L 100,100 L 0,100 Z", "square");
//   UseTool("Warp");
//   ASSERT_EQ("", Set("margin", "100"));
//   ASSERT_EQ(0, Drag({{50, 100}, {50, 140}}, {.alt = true}, /*steps=*/4));
//   EXPECT_EQ(res::kWarpShape3Cursor + 1, cursor().id);
//
// Coordinates are host page points (y up). Teardown shuts the host down and
// proves that no block is left live.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/adm/dialog.h"
#include "host/art/document.h"
#include "host/tools/tool_driver.h"
#include "support/host_fixture.h"

namespace vx::test {

class ToolTest : public HostTest {
 protected:
  using Art = host::art::Art;
  using Keys = host::tools::Keys;

  void SetUp() override;  // starts the host and opens an empty document

  host::art::Document& doc() { return *doc_; }
  host::tools::ToolDriver& driver();

  // A path of SVG path data on top of the current layer, selected.
  Art* AddPath(std::string_view data, const std::string& id = "");
  // Selects exactly these objects (none: an empty selection).
  void Select(const std::vector<Art*>& art);

  // Picks the tool by its title ("Warp"); fails the test when there is no
  // such tool or the plug-in refuses it.
  void UseTool(const std::string& title);
  // The current tool's options palette (null for a tool without one, or
  // before the plug-in made it).
  host::adm::Dialog* palette();
  // One palette action as a person does it ("set 12=4", "press 5",
  // "choose 9=3", see host/adm/user_agent.h); "" or why it failed.
  std::string Act(const std::string& action);
  // Sets a palette field by its command-line name ("margin", "shape") to a
  // value in the units the palette shows, as `versalix4 tool --set` does;
  // "" or the message the command line would print.
  std::string Set(const std::string& field, const std::string& value);

  // Drags the current tool through the points (down at the first, up at the
  // last) holding keys, with `steps` evenly spaced events added between
  // each pair of points; the first failing event's code, else 0.
  int32_t Drag(const std::vector<AIRealPoint>& points, Keys keys = {},
               int steps = 0, bool spaceAtRelease = false);

  const host::tools::CursorState& cursor();

 private:
  host::art::Document* doc_ = nullptr;
};

}  // namespace vx::test

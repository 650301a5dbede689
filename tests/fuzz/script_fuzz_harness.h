// One fuzz input through the session reader of `versalix4 script` (open,
// select, menu, palette, tool, update, save lines) and, line by line,
// through the reader of user actions that sessions, the studio and the
// command line's palette settings share ("set 11=4", "drag 16=0,0:10,10
// shift", "colour 16=cmyk(0,50,100,0)" ...). A session is read whole or
// refused at a line it has, and what it reads holds only finite points and
// checked actions; an action line is read or refused with a reason, and a
// colour read is a whole colour of one of the three process kinds with every
// component within 0 to 1 whose text form reads back as the same kind.
// Shared by the libFuzzer target and the replay in test_fuzz.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/script_reader.h"
#include "host/adm/colour_text.h"
#include "host/adm/user_agent.h"

namespace vx::fuzz {

inline bool ProcessColourInRange(const AIColor& c) {
  auto in = [](float v) { return std::isfinite(v) && v >= 0.0f && v <= 1.0f; };
  switch (c.kind) {
    case kGrayColor: return in(c.c.g.gray);
    case kThreeColor: return in(c.c.rgb.red) && in(c.c.rgb.green) && in(c.c.rgb.blue);
    case kFourColor:
      return in(c.c.f.cyan) && in(c.c.f.magenta) && in(c.c.f.yellow) && in(c.c.f.black);
    default: return false;
  }
}

inline void RunSessionInput(const std::string& text) {
  using Verb = app::ScriptAction::Verb;
  std::vector<app::ScriptAction> actions;
  std::string error;
  int lines = 0;
  for (char c : text) lines += c == '\n';
  if (!text.empty() && text.back() != '\n') ++lines;
  if (!app::ReadSession(text, &actions, &error)) {
    const int at = std::atoi(error.c_str());
    if (at < 1 || at > lines || error.find(": ") == std::string::npos) std::abort();
    return;
  }
  int previous = 0;
  for (const app::ScriptAction& a : actions) {
    if (a.line <= previous || a.line > lines) std::abort();
    previous = a.line;
    std::string why;
    if (a.verb == Verb::Palette && !host::adm::ParseAgentAction(a.action, &why)) std::abort();
    if (a.verb == Verb::ToolDrag &&
        (a.drag.points.empty() || a.drag.steps < 0 || a.drag.steps > app::kMaxDragSteps))
      std::abort();
    for (const AIRealPoint& p : a.drag.points)
      if (!std::isfinite(p.h) || !std::isfinite(p.v)) std::abort();
    for (const std::string& id : a.ids)
      if (id.empty() || id.find(',') != std::string::npos) std::abort();
  }
}

inline void RunScriptInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  RunSessionInput(text);
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::string error;
    const auto action = host::adm::ParseAgentAction(line, &error);
    if (!action) {
      if (error.empty()) std::abort();  // a refusal always says why
      continue;
    }
    if (action->kind != host::adm::AgentAction::Kind::PickColour) continue;
    if (!ProcessColourInRange(action->colour)) std::abort();
    std::string again;
    const auto back = host::adm::ParseColourText(host::adm::FormatColourText(action->colour), &again);
    if (!back || back->kind != action->colour.kind) std::abort();
  }
}

}  // namespace vx::fuzz

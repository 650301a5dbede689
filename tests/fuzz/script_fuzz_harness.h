// One fuzz input through the reader of user actions that session scripts,
// the studio and the command line's palette settings share: every line is
// read as an action ("set 11=4", "drag 16=0,0:10,10 shift", "colour
// 16=cmyk(0,50,100,0)" ...). A line is either read or refused with a
// reason; a colour read is a whole colour of one of the three process kinds
// with every component within 0 to 1, and its text form reads back as the
// same kind. Shared by the libFuzzer target and the replay in test_fuzz.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

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

inline void RunScriptInput(const uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
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

#include "app/script_reader.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "host/adm/user_agent.h"

namespace vx::app {

namespace {

using Verb = ScriptAction::Verb;

std::string Rest(std::istringstream& in) {
  std::string rest;
  std::getline(in >> std::ws, rest);
  while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
  return rest;
}

// "tool ..." lines; answers "" or why the line cannot be read.
std::string ReadToolLine(std::istringstream& in, ScriptAction& a) {
  std::string word;
  in >> word;
  const struct { const char* word; Verb verb; const char* needs; } kNamed[] = {
      {"select", Verb::ToolSelect, "a tool's title"}, {"options", Verb::ToolOptions, "a tool's title"},
      {"set", Verb::ToolSet, "FIELD=VALUE"}, {"preset", Verb::ToolPreset, "a preset's name"}};
  for (const auto& n : kNamed) {
    if (word != n.word) continue;
    a.verb = n.verb;
    a.text = Rest(in);
    if (a.text.empty()) return "tool " + word + " takes " + n.needs;
    if (n.verb == Verb::ToolSet && a.text.find('=') == std::string::npos)
      return "tool set takes FIELD=VALUE, not \"" + a.text + "\"";
    return "";
  }
  a.verb = Verb::ToolDrag;
  if (word != "drag") {
    // "tool TITLE drag ...": the tool is picked first.
    std::string drag;
    in >> drag;
    if (word.empty() || drag != "drag")
      return "tool takes: select TITLE, options TITLE, set FIELD=VALUE, preset NAME, "
             "drag POINTS, or TITLE drag POINTS";
    a.text = word;
  }
  for (std::string w; in >> w;) {
    if (w == "alt") a.drag.keys.alt = true;
    else if (w == "shift") a.drag.keys.shift = true;
    else if (w == "ctrl") a.drag.keys.ctrl = true;
    else if (w == "space-at-release") a.drag.spaceAtRelease = true;
    else if (w == "steps") {
      std::string n;
      in >> n;
      char* end = nullptr;
      const long steps = std::strtol(n.c_str(), &end, 10);
      if (n.empty() || *end || steps < 0 || steps > kMaxDragSteps)
        return "steps takes a whole number from 0 to " + std::to_string(kMaxDragSteps) +
               ", not \"" + n + "\"";
      a.drag.steps = int(steps);
    } else {
      std::string error;
      for (const AIRealPoint& p : ParsePointList(w, &error)) a.drag.points.push_back(p);
      if (!error.empty()) return error;
    }
  }
  return a.drag.points.empty() ? "a drag needs at least one point" : "";
}

// One line (not blank, not a comment); answers "" or why it cannot be read.
std::string ReadLine(const std::string& line, ScriptAction& a) {
  std::istringstream in(line);
  std::string verb;
  in >> verb;
  if (verb == "tool") return ReadToolLine(in, a);
  const struct { const char* word; Verb verb; const char* needs; } kVerbs[] = {
      {"open", Verb::Open, "a file"},        {"save", Verb::Save, "a file"},
      {"select", Verb::Select, "ids, all or none"}, {"menu", Verb::Menu, "a menu item's text"},
      {"palette", Verb::Palette, "an effect and an action"}, {"update", Verb::Update, nullptr}};
  for (const auto& v : kVerbs) {
    if (verb != v.word) continue;
    a.verb = v.verb;
    if (v.verb == Verb::Palette) in >> a.text;
    const std::string rest = Rest(in);
    if (!v.needs) return rest.empty() ? "" : verb + " takes nothing more, not \"" + rest + "\"";
    if (v.verb == Verb::Palette) {
      std::string error;
      if (a.text.empty() || rest.empty()) return "palette takes NAME ACTION";
      if (!host::adm::ParseAgentAction(rest, &error)) return "palette " + a.text + ": " + error;
      a.action = rest;
      return "";
    }
    if (rest.empty()) return verb + " takes " + v.needs;
    if (v.verb != Verb::Select || rest == "all" || rest == "none") {
      a.text = rest;
      return "";
    }
    std::stringstream ids(rest);
    for (std::string id; std::getline(ids, id, ',');)
      if (!id.empty()) a.ids.push_back(id);
    return a.ids.empty() ? "select takes ids, all or none" : "";
  }
  return "unknown action \"" + verb + "\"";
}

}  // namespace

bool ReadSession(const std::string& text, std::vector<ScriptAction>* actions,
                 std::string* error) {
  std::istringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    ScriptAction action;
    action.line = number;
    if (std::string why = ReadLine(line.substr(first), action); !why.empty()) {
      *error = std::to_string(number) + ": " + why;
      return false;
    }
    actions->push_back(std::move(action));
  }
  return true;
}

std::vector<AIRealPoint> ParsePointList(const std::string& text, std::string* error) {
  std::vector<AIRealPoint> points;
  std::stringstream in(text);
  for (std::string point; std::getline(in, point, ':');) {
    const auto comma = point.find(',');
    float v[2] = {};
    bool good = comma != std::string::npos;
    for (int i = 0; good && i < 2; ++i) {
      const std::string part = i ? point.substr(comma + 1) : point.substr(0, comma);
      char* end = nullptr;
      v[i] = std::strtof(part.c_str(), &end);
      good = !part.empty() && !*end && std::isfinite(v[i]);
    }
    if (!good) {
      *error = "a point is X,Y with finite numbers, not \"" + point + "\"";
      return {};
    }
    points.push_back({v[0], v[1]});
  }
  if (points.empty()) *error = "no point given";
  return points;
}

}  // namespace vx::app

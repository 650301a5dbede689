// versalix4 preset: the presets of one kind, listed and shown from the
// user's preset file, and changed as a user changes them: in the preset
// manager of the kind's palette or dialog, driven by a user agent, so that
// every change goes through the plug-in's store. Changed values travel as
// an entry imported from a scratch folder.
#include <stdlib.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/console_agent.h"
#include "app/effect_session.h"
#include "app/plugin_catalog.h"
#include "app/settings_snapshot.h"
#include "generated/resource_ids.h"
#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/art/document.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "host/core/plugin_module.h"
#include "host/core/registrations.h"
#include "host/io/atomic_file.h"

namespace vx::app {

namespace {

namespace fs = std::filesystem;
namespace adm = host::adm;

// ---- the user's file, as text -------------------------------------------------------

// One entry: its name and its text from "$" TAB to the next entry's "$".
struct PresetEntry {
  std::string name;
  std::string text;
};

struct PresetFileText {
  std::string header;  // the header line with its CR LF
  std::vector<PresetEntry> entries;  // 0 Default, 1 Last, 2.. the presets
  int Presets() const { return std::max(0, int(entries.size()) - 2); }
};

PresetFileText SplitPresetFile(const std::string& bytes) {
  PresetFileText file;
  size_t at = bytes.find("$\t");
  file.header = bytes.substr(0, at);
  while (at != std::string::npos) {
    const size_t next = bytes.find("$\t", at + 2);
    PresetEntry entry;
    entry.text = bytes.substr(at, next == std::string::npos ? next : next - at);
    entry.name = entry.text.substr(2, entry.text.find_first_of("\r\n") - 2);
    file.entries.push_back(std::move(entry));
    at = next;
  }
  return file;
}

// The fields of an entry: its lines after the name line, without CR LF.
std::vector<std::string> EntryLines(const PresetEntry& entry) {
  std::vector<std::string> lines;
  std::istringstream in(entry.text);
  std::string line;
  std::getline(in, line);  // the name line
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// The file entry that NAME or INDEX names (0 and up: the user's presets;
// withFixed: also "Default Setting", "Last Setting", -2 and -1), or -1.
// A name is looked for first, so a preset called "2" stays reachable.
int FindEntry(const PresetFileText& file, const std::string& which, bool withFixed) {
  for (size_t k = withFixed ? 0 : 2; k < file.entries.size(); ++k)
    if (file.entries[k].name == which) return int(k);
  int index = 0;
  auto [end, ec] = std::from_chars(which.data(), which.data() + which.size(), index);
  if (ec != std::errc() || end != which.data() + which.size()) return -1;
  const int entry = index + 2;
  if (entry < (withFixed ? 0 : 2) || entry >= int(file.entries.size())) return -1;
  return entry;
}

// One value part in the form of the old one: a number with a point is a
// real written with six decimals (as a 32-bit float, as the plug-in keeps
// it), one without is an integer.
bool FormatLike(const std::string& old, const std::string& part, std::string* out) {
  const char* first = part.data();
  const char* last = first + part.size();
  if (first != last && *first == '+') ++first;
  if (old.find('.') != std::string::npos) {
    float value = 0;
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || !std::isfinite(value)) return false;
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    if (result.ec != std::errc()) return false;
    *out = std::string(text, result.ptr);
    return true;
  }
  // Whole numbers fit the widest whole-number field (32 bits).
  int32_t value = 0;
  auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return false;
  *out = std::to_string(value);
  return true;
}

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == ',') parts.emplace_back();
    else parts.back() += c;
  }
  return parts;
}

// The entry's text under a new name with the KEY=VALUE changes, or "" with
// *error set. Every line of a key takes the value (MetaBrush stores "z"
// twice and reads both from the first).
std::string ChangedEntry(const PresetEntry& entry, const std::string& name,
                         const std::vector<std::string>& settings, std::string* error) {
  std::vector<std::string> lines = EntryLines(entry);
  for (const std::string& setting : settings) {
    const size_t eq = setting.find('=');
    if (eq == std::string::npos) {
      *error = "--set takes KEY=VALUE, not \"" + setting + "\"";
      return "";
    }
    const std::string key = setting.substr(0, eq), value = setting.substr(eq + 1);
    bool found = false;
    for (std::string& line : lines) {
      const size_t tab = line.find('\t');
      if (line.compare(0, tab, key) != 0 || tab != key.size()) continue;
      const std::vector<std::string> old = SplitCommas(line.substr(tab + 1));
      const std::vector<std::string> parts = SplitCommas(value);
      std::string text;
      bool ok = old.size() == parts.size();
      for (size_t i = 0; ok && i < parts.size(); ++i) {
        std::string formatted;
        ok = FormatLike(old[i], parts[i], &formatted);
        text += (i ? "," : "") + formatted;
      }
      if (!ok) {
        *error = "key " + key + " takes a value like " + line.substr(tab + 1) + ", not \"" +
                 value + "\"";
        return "";
      }
      line = key + "\t" + text;
      found = true;
    }
    if (!found) {
      *error = "the entry has no key \"" + key + "\"; its keys are:";
      for (const std::string& line : lines) *error += " " + line.substr(0, line.find('\t'));
      return "";
    }
  }
  std::string text = "$\t" + name + "\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The 3D kinds keep their first value under both "B" and "C" (and read it
// from "C" last): a change of one is a change of both.
std::vector<std::string> WithTwinKeys(const PresetKind& kind,
                                      const std::vector<std::string>& settings) {
  if (kind.owner != kVxPresetOwnerTransform) return settings;
  std::vector<std::string> out;
  for (const std::string& setting : settings) {
    out.push_back(setting);
    if (setting.starts_with("B=")) out.push_back("C" + setting.substr(1));
    if (setting.starts_with("C=")) out.push_back("B" + setting.substr(1));
  }
  return out;
}

bool ValidName(const std::string& name, std::string* error) {
  if (name.empty() || name.size() > 63) {
    *error = "a preset name has 1 to 63 characters";
    return false;
  }
  if (name.find_first_of("\t\r\n") != std::string::npos) {
    *error = "a preset name has no tab or line break";
    return false;
  }
  return true;
}

// A folder of the system's temporary folder, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "versalix4-preset-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// ---- the preset manager, driven --------------------------------------------------

namespace Manager = res::PresetManager;
constexpr int32_t kEditEntry = 2;  // "Edit..." of every preset menu

using Act = std::function<void(adm::DialogDriver&)>;

// Acts in the preset manager when it opens, and in the dialogs it opens;
// anything else is the console's (error dialogs printed, OK pressed).
class PresetAgent : public adm::UserAgent {
 public:
  PresetAgent(ConsoleAgent& console, const PresetKind& kind) : console_(console), kind_(kind) {}

  Act inManager;
  Act inImportList;
  std::optional<std::string> folder;  // the folder chooser's answer

  void RunModal(adm::DialogDriver& driver) override {
    const int32_t id = driver.dialog().templateId();
    if (id == res::kPresetManager) {
      managerOpened_ = true;
      if (inManager) inManager(driver);
      if (!driver.ended()) Check(driver.Press(kADMDefaultItemID));
    } else if (id == res::kPresetImport && inImportList) {
      inImportList(driver);
      if (!driver.ended()) Check(driver.Close());
    } else if (id == res::kTransform3DDialog && kind_.owner == kVxPresetOwnerTransform) {
      Check(driver.Choose(res::Transform3DDialog::kKind, kind_.index));
      Check(driver.Choose(res::Transform3DDialog::kPresetMenu, kEditEntry));
      if (!driver.ended()) Check(driver.Close());
    } else if (id == res::kFractalizeDialog && kind_.owner == kVxPresetOwnerFractalize) {
      Check(driver.Choose(res::FractalizeDialog::kPresetMenu, kEditEntry));
      if (!driver.ended()) Check(driver.Close());
    } else {
      console_.RunModal(driver);
    }
  }
  std::optional<std::string> ChooseFolder(const std::string&) override {
    auto answer = folder;
    folder.reset();
    return answer;
  }

  // Notes an action the dialog refused, or a failure of the command's own.
  void Check(const std::string& why) {
    if (!why.empty()) failures_.push_back(why);
  }
  const std::vector<std::string>& failures() const { return failures_; }
  bool managerOpened() const { return managerOpened_; }

 private:
  ConsoleAgent& console_;
  const PresetKind& kind_;
  std::vector<std::string> failures_;
  bool managerOpened_ = false;
};

// The names a list shows.
std::vector<std::string> ListNames(adm::DialogDriver& driver, int32_t itemId) {
  std::vector<std::string> names;
  adm::Item* item = driver.dialog().GetItem(itemId);
  adm::List* list = item ? item->list() : nullptr;
  for (int32_t i = 0; list && i < list->Count(); ++i) names.push_back(list->At(i)->text);
  return names;
}

// Selects these entries of a list (the first alone, the others added).
void SelectEntries(PresetAgent& agent, adm::DialogDriver& driver, int32_t itemId,
                   const std::vector<int>& positions) {
  for (size_t i = 0; i < positions.size(); ++i)
    agent.Check(driver.Choose(itemId, positions[i], i ? kADMShiftKeyModifier : 0));
}

// Drags entry `from` of the manager's list to position `to`: pressed on its
// row, then the pointer just below (or above) the list, one entry a step.
void DragEntry(PresetAgent& agent, adm::DialogDriver& driver, int from, int to) {
  const adm::Item* list = driver.dialog().GetItem(Manager::kList);
  if (!list) return agent.Check("the preset manager has no list");
  const int height = list->bounds.bottom - list->bounds.top;
  std::vector<ASPoint> points = {{10, adm::DialogManager::ListRowMiddle(from)}};
  for (int i = from; i != to; i += to > from ? 1 : -1)
    points.push_back({10, to > from ? height + 2 : -2});
  agent.Check(driver.Drag(Manager::kList, points));
}

// A host with a document holding one selected path: the filters' dialogs
// open only on a selection.
void AddSelectedPath(host::Host& host) {
  host::art::Document& doc = host.documents().New("presets");
  host::art::Art* art = nullptr;
  if (doc.NewArt(host::art::ArtKind::Path, host::art::Placement::InsideOnTop,
                 doc.currentLayer()->group, &art))
    return;
  auto& path = doc.MutablePath(*art);
  for (AIRealPoint p : {AIRealPoint{0, 0}, AIRealPoint{100, 0}, AIRealPoint{100, 100}}) {
    Segment s{};
    s.p = s.in = s.out = p;
    s.corner = 1;
    path.segments.push_back(s);
  }
  path.selection.assign(path.segments.size(), kSegmentNotSelected);
  doc.Select(*art, true);
}

// Selects the tool whose presets live in `file` (the module's tool table
// names it), as a person picks it in the toolbox: the plug-in makes and
// shows its options palette, which is returned (null when none appeared).
adm::Dialog* OpenToolPalette(host::Host& host, const std::string& file) {
  const VxToolTable* tools = host.plugin() ? host.plugin()->Tools() : nullptr;
  for (uint32_t i = 0; tools && i < tools->count; ++i) {
    const VxToolInfo& info = tools->tools[i];
    if (!info.presetFile || file != info.presetFile) continue;
    host::Tool* tool = host.registrations().ToolTitled(info.name);
    if (!tool ||
        host::SendTool(host, kSelectorAISelectTool, reinterpret_cast<AIToolHandle>(tool)))
      return nullptr;
    for (adm::Dialog* d : host.dialogs().Dialogs())
      if (!d->modal() && d->visible && d->templateId() == info.paletteTemplate) return d;
  }
  return nullptr;
}

// Opens the kind's preset manager through its owner's preset menu; the
// agent acts in it. Answers an exit code.
int OpenManager(host::Host& host, const PresetKind& kind, PresetAgent& agent) {
  switch (kind.owner) {
    case kVxPresetOwnerEffect: {
      adm::Dialog* palette = OpenEffectPalette(host, kind.index);
      if (!palette) return kExitInternal;
      adm::DialogDriver driver(host.dialogs(), *palette);
      agent.Check(driver.Choose(kADMMenuItemID, kEditEntry));
      break;
    }
    case kVxPresetOwnerTransform:
    case kVxPresetOwnerFractalize: {
      AddSelectedPath(host);
      const std::string title = FilterTitle(*host.plugin(), kind.owner);
      host::Filter* filter = host.registrations().FilterTitled(title);
      if (!filter) {
        std::cerr << "versalix4: the plug-in registered no filter " << title << "\n";
        return kExitInternal;
      }
      // The dialog is cancelled after the manager: the filter does not run.
      const int32_t result =
          host::SendFilterGetParameters(host, reinterpret_cast<AIFilterHandle>(filter));
      if (result && result != kCanceledErr) return ReportFailure("preset", result);
      break;
    }
    default: {  // kVxPresetOwnerTool
      adm::Dialog* palette = OpenToolPalette(host, kind.File());
      if (!palette) {
        std::cerr << "versalix4: preset: the tool of " << kind.File()
                  << " has no options palette: selecting it made none\n";
        return kExitFailed;
      }
      adm::DialogDriver driver(host.dialogs(), *palette);
      agent.Check(driver.Choose(kADMMenuItemID, kEditEntry));
      break;
    }
  }
  if (!agent.managerOpened()) {
    std::cerr << "versalix4: preset: the preset manager did not open\n";
    return kExitFailed;
  }
  return kExitOk;
}

// ---- the command -------------------------------------------------------------------

struct PresetRequest {
  std::string kind, action;
  std::vector<std::string> args, settings;
  std::string rename;
};

int Usage(const std::string& why) {
  std::cerr << "versalix4: preset: " << why << "\n";
  return kExitUsage;
}
int Failure(const std::string& why) {
  std::cerr << "versalix4: preset: " << why << "\n";
  return kExitFailed;
}

class PresetCommand {
 public:
  PresetCommand(host::Host& host, const PresetKind& kind, const PresetRequest& request)
      : host_(host), kind_(kind), request_(request) {}

  int Run() {
    const std::string& a = request_.action;
    if (int code = ReadUserFile()) return code;
    if (a == "list") return List();
    if (a == "show") return Show();
    if (a == "new") return New();
    if (a == "update") return Update();
    if (a == "delete") return Delete();
    if (a == "move") return Move();
    if (a == "import") return Transfer(true);
    if (a == "export") return Transfer(false);
    return Usage("unknown action \"" + a +
                 "\"; the actions are list, show, new, update, delete, move, import, export");
  }

 private:
  fs::path UserFile() const {
    return host_.settingsDir() / "VERSALiX4 User Settings" / kind_.File();
  }

  int ReadUserFile() {
    std::string bytes, error;
    if (!host::io::ReadFile(UserFile(), &bytes, &error))
      return Failure("cannot read " + UserFile().string() + ": " + error);
    file_ = SplitPresetFile(bytes);
    if (file_.entries.size() < 2) return Failure(UserFile().string() + " has no fixed entries");
    return kExitOk;
  }

  int Arguments(size_t least, size_t most) const {
    const size_t n = request_.args.size();
    if (n >= least && n <= most) return kExitOk;
    return Usage(request_.action + " takes " +
                 (least == most ? std::to_string(least)
                                : std::to_string(least) + " to " + std::to_string(most)) +
                 " argument" + (most == 1 ? "" : "s") + ", not " + std::to_string(n));
  }

  // The entry that names, or -1 after saying so.
  int Entry(const std::string& which, bool withFixed) const {
    const int entry = FindEntry(file_, which, withFixed);
    if (entry < 0)
      std::cerr << "versalix4: preset: no preset \"" << which << "\" in " << kind_.File() << "\n";
    return entry;
  }

  int List() {
    if (int code = Arguments(0, 0)) return code;
    for (int i = 0; i < file_.Presets(); ++i)
      std::cout << i << "\t" << file_.entries[size_t(i) + 2].name << "\n";
    return kExitOk;
  }

  int Show() {
    if (int code = Arguments(1, 1)) return code;
    const int entry = Entry(request_.args[0], true);
    if (entry < 0) return kExitFailed;
    for (const std::string& line : EntryLines(file_.entries[size_t(entry)]))
      std::cout << line << "\n";
    return kExitOk;
  }

  // The manager imports `text` from a scratch copy of the user's file that
  // holds it as its only preset; inManager goes on afterwards.
  int ImportEntry(const std::string& text, const Act& after) {
    ScratchFolder scratch;
    if (scratch.path().empty()) return Failure("cannot make a scratch folder");
    std::string error;
    const std::string bytes =
        file_.header + file_.entries[0].text + file_.entries[1].text + text;
    if (!host::io::WriteOutput(scratch.path() / kind_.File(), bytes, &error))
      return Failure(error);
    const int before = file_.Presets();
    return Session([&](PresetAgent& agent) {
      agent.folder = scratch.path().string();
      agent.inImportList = [&agent](adm::DialogDriver& d) {
        SelectEntries(agent, d, res::PresetImport::kList, {0});
        agent.Check(d.Press(kADMDefaultItemID));
      };
      agent.inManager = [&, before](adm::DialogDriver& d) {
        agent.Check(d.Press(Manager::kImport));
        if (int(ListNames(d, Manager::kList).size()) != before + 1) return;
        if (after) after(d);
      };
    });
  }

  int New() {
    if (int code = Arguments(1, 1)) return code;
    std::string error;
    if (!ValidName(request_.args[0], &error)) return Usage(error);
    const std::string text =
        ChangedEntry(file_.entries[1], request_.args[0], WithTwinKeys(kind_, request_.settings),
                     &error);
    if (text.empty()) return Usage(error);
    return ImportEntry(text, nullptr);
  }

  // The preset with its changes is imported at the end, dragged to the old
  // one's place and the old one deleted: each step is a whole rewrite, so
  // a failure half-way leaves both versions, never neither.
  int Update() {
    if (int code = Arguments(1, 1)) return code;
    const int entry = Entry(request_.args[0], false);
    if (entry < 0) return kExitFailed;
    const PresetEntry& old = file_.entries[size_t(entry)];
    const std::string name = request_.rename.empty() ? old.name : request_.rename;
    std::string error;
    if (!ValidName(name, &error)) return Usage(error);
    if (request_.settings.empty() && request_.rename.empty())
      return Usage("update needs --set KEY=VALUE or --name NEW");
    const std::string text =
        ChangedEntry(old, name, WithTwinKeys(kind_, request_.settings), &error);
    if (text.empty()) return Usage(error);
    const int position = entry - 2, last = file_.Presets();
    const int code = ImportEntry(text, [&, position, last](adm::DialogDriver& d) {
      PresetAgent& agent = *agent_;
      DragEntry(agent, d, last, position);
      const std::vector<std::string> names = ListNames(d, Manager::kList);
      if (size_t(position) + 1 >= names.size() || names[size_t(position)] != name ||
          names[size_t(position) + 1] != old.name) {
        if (host_.dialogs().alerts().empty())  // else the move failed and said so
          agent.Check("the changed preset did not move to position " +
                      std::to_string(position));
        return;
      }
      SelectEntries(agent, d, Manager::kList, {position + 1});
      agent.Check(d.Press(Manager::kDelete));
    });
    const std::string oldName = old.name;
    if (code == kExitOk || ReadUserFile() != kExitOk) return code;
    if (file_.Presets() > last) {
      std::cerr << "versalix4: preset: the changed preset stands as preset " << last
                << "; \"" << oldName << "\" could not be replaced\n";
    } else if (const auto& alerts = host_.dialogs().alerts();
               std::any_of(alerts.begin(), alerts.end(), [](const host::adm::Alert& a) {
                 return a.kind == host::adm::Alert::Kind::Message;
               })) {
      // Importing one preset, the manager's only message is that the list is
      // full: the file holds the most presets it keeps.
      std::cerr << "versalix4: preset: update adds the changed preset before it removes \""
                << oldName << "\", and " << kind_.File() << " holds " << last
                << " presets, the most the preset manager keeps; delete one first (versalix4 "
                   "preset "
                << kind_.name << " delete NAME) and update again\n";
    }
    return code;
  }

  int Delete() {
    if (request_.args.empty()) return Usage("delete takes one or more presets");
    std::vector<int> positions;
    for (const std::string& which : request_.args) {
      const int entry = Entry(which, false);
      if (entry < 0) return kExitFailed;
      positions.push_back(entry - 2);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return Session([&](PresetAgent& agent) {
      agent.inManager = [&](adm::DialogDriver& d) {
        SelectEntries(agent, d, Manager::kList, positions);
        agent.Check(d.Press(Manager::kDelete));
      };
    });
  }

  int Move() {
    if (int code = Arguments(2, 2)) return code;
    const int from = Entry(request_.args[0], false);
    if (from < 0) return kExitFailed;
    const int to = Entry(request_.args[1], false);
    if (to < 0) return kExitFailed;
    return Session([&](PresetAgent& agent) {
      agent.inManager = [&](adm::DialogDriver& d) { DragEntry(agent, d, from - 2, to - 2); };
    });
  }

  int Transfer(bool import) {
    if (request_.args.empty()) return Usage(request_.action + " takes a folder");
    const fs::path folder = fs::absolute(request_.args[0]);
    const std::vector<std::string> wanted(request_.args.begin() + 1, request_.args.end());
    std::vector<int> positions;
    if (!import) {
      for (const std::string& which : wanted) {
        const int entry = Entry(which, false);
        if (entry < 0) return kExitFailed;
        positions.push_back(entry - 2);
      }
      if (wanted.empty())
        for (int i = 0; i < file_.Presets(); ++i) positions.push_back(i);
      if (positions.empty()) return Failure(kind_.File() + " has no presets to export");
    }
    // The plug-in exports into the kind's file of the folder: a folder
    // without one gets a new file with the header and the two fixed
    // entries, as the plug-in creates it, removed again if the export fails.
    const fs::path target = folder / kind_.File();
    std::error_code ec;
    const bool created = !import && !fs::exists(target, ec);
    if (created) {
      std::string error;
      if (!host::io::WriteOutput(target, file_.header + file_.entries[0].text + file_.entries[1].text,
                                 &error))
        return Failure(error);
    }
    const int code = Session([&](PresetAgent& agent) {
      agent.folder = folder.string();
      agent.inImportList = [&](adm::DialogDriver& d) {
        const std::vector<std::string> names = ListNames(d, res::PresetImport::kList);
        std::vector<int> chosen;
        for (const std::string& which : wanted) {
          auto it = std::find(names.begin(), names.end(), which);
          if (it == names.end())
            return agent.Check("no preset \"" + which + "\" in " + (folder / kind_.File()).string());
          chosen.push_back(int(it - names.begin()));
        }
        if (wanted.empty())
          for (int i = 0; i < int(names.size()); ++i) chosen.push_back(i);
        if (chosen.empty()) return agent.Check((folder / kind_.File()).string() + " has no presets");
        SelectEntries(agent, d, res::PresetImport::kList, chosen);
        agent.Check(d.Press(kADMDefaultItemID));
      };
      agent.inManager = [&](adm::DialogDriver& d) {
        if (!import) SelectEntries(agent, d, Manager::kList, positions);
        agent.Check(d.Press(import ? Manager::kImport : Manager::kExport));
      };
    });
    if (created && code != kExitOk) fs::remove(target, ec);
    return code;
  }

  // Runs the manager with the agent set up by `setUp`; every alert, error
  // dialog or refused action makes the command fail (they are printed).
  int Session(const std::function<void(PresetAgent&)>& setUp) {
    ConsoleAgent console(host_, std::cerr);
    PresetAgent agent(console, kind_);
    agent_ = &agent;
    setUp(agent);
    host_.dialogs().SetAgent(&agent);
    host_.dialogs().ClearAlerts();
    int code = OpenManager(host_, kind_, agent);
    host_.dialogs().SetAgent(&console);
    agent_ = nullptr;
    for (const std::string& why : agent.failures())
      std::cerr << "versalix4: preset: " << why << "\n";
    if (code == kExitOk &&
        (!agent.failures().empty() || !console.errors().empty() ||
         !host_.dialogs().alerts().empty()))
      code = kExitFailed;
    return code;
  }

  host::Host& host_;
  const PresetKind& kind_;
  const PresetRequest& request_;
  PresetFileText file_;
  PresetAgent* agent_ = nullptr;
};

int RunPresetCommand(const CommonOptions& common, const PresetRequest& request) {
  int failure = kExitInternal;
  auto host = MakeHost(common, &failure);
  if (!host) return failure;
  const std::optional<PresetKind> kind = FindPresetKind(*host->plugin(), request.kind);
  if (!kind) {
    std::string names;
    for (const PresetKind& k : PresetKinds(*host->plugin()))
      names += (names.empty() ? " " : ", ") + BothNames(k.title, k.name);
    return Usage("unknown kind \"" + request.kind + "\"; the kinds are:" + names);
  }
  // Taken before start-up, which may repair damaged preset files; a failed
  // command (an import from a missing folder) leaves the settings as they were.
  const SettingsSnapshot settings(host->settingsDir());
  if (int32_t err = host->Startup()) {
    settings.Restore();
    return ReportFailure("start-up", err);
  }
  int code = PresetCommand(*host, *kind, request).Run();
  host->Shutdown();
  if (code != kExitOk) settings.Restore();
  return code;
}

}  // namespace

int RunPresetList(const CommonOptions& common, const std::string& kind) {
  PresetRequest request;
  request.kind = kind;
  request.action = "list";
  return RunPresetCommand(common, request);
}

void SetUpPresetCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "preset",
      "List, show and edit the presets of one kind through the plug-in's preset manager");
  if (!SetsUpOptions(*cmd, common)) return;
  static PresetRequest request;
  cmd->footer(
      "Actions:\n"
      "  list                       the user presets, one a line: INDEX<TAB>NAME\n"
      "  show NAME|INDEX            the entry's fields as KEY<TAB>VALUE (also \"Default "
      "Setting\", \"Last Setting\", -2, -1)\n"
      "  new NAME [--set K=V ...]   a preset from Last Setting with the changes\n"
      "  update NAME|INDEX [--set K=V ...] [--name NEW]\n"
      "                             the preset with the changes, kept in its place\n"
      "  delete NAME|INDEX ...      removes presets\n"
      "  move FROM TO               moves preset FROM to position TO (names or indices)\n"
      "  import DIR [NAME ...]      imports presets (all when none named) from DIR's file of the "
      "kind\n"
      "  export DIR [NAME ...]      appends presets (all when none named) to DIR's file of the "
      "kind\n"
      "A name is looked up before an index; put -- before names that begin with \"-\".\n"
      "Values take the form that show prints.");
  cmd->add_option("kind", request.kind,
                  "The kind: <Name> of its file VERSALiX4_PST_<Name>.txt, any case "
                  "(Border, 3DSphere, Fractalize, WarpTool, ...)")
      ->required();
  cmd->add_option("action", request.action,
                  "list, show, new, update, delete, move, import or export")
      ->required();
  cmd->add_option("args", request.args, "The action's presets, positions or folder");
  cmd->add_option("--set", request.settings, "KEY=VALUE: a field of the entry by its key (new, update)");
  cmd->add_option("--name", request.rename, "A new name for the preset (update)");
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] { exitCode = RunPresetCommand(common, request); });
}

}  // namespace vx::app

#include "host/adm/user_agent.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

#include "host/adm/colour_text.h"
#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/art/plugin_group_updates.h"
#include "host/core/host.h"

namespace vx::host::adm {

namespace {
// Where a slider's knob stands for a value (the inverse of the default
// tracking, which maps the item's width onto its range).
ASPoint KnobAt(const Item& item, double value) {
  const int width = item.bounds.right - item.bounds.left;
  const double span = item.max() - item.min();
  const double t = span > 0 ? std::clamp((value - item.min()) / span, 0.0, 1.0) : 0.0;
  return {int32_t(std::lround(t * std::max(0, width - 1))),
          (item.bounds.bottom - item.bounds.top) / 2};
}
ADMDialogRef RefOf(Dialog& d) { return reinterpret_cast<ADMDialogRef>(&d); }

// One user action: what it changes in the current document is one undo
// step. An action between messages (on a palette) is followed, within that
// step, by the updates of the plug-in group art it changed, as after a
// message; inside a message (a modal dialog) the message's end sends them.
class UserAction {
 public:
  explicit UserAction(DialogManager& manager)
      : host_(manager.host()), step_(host_.documents()) {}
  ~UserAction() {
    if (step_.outermost()) art::SendPluginGroupUpdates(host_);
  }
  UserAction(const UserAction&) = delete;
  UserAction& operator=(const UserAction&) = delete;

 private:
  Host& host_;
  art::UndoStepScope step_;
};
}  // namespace

DialogDriver::DialogDriver(DialogManager& manager, Dialog& dialog)
    : manager_(manager), dialog_(dialog) {}

bool DialogDriver::ended() const {
  return !manager_.Find(RefOf(dialog_)) || dialog_.ended;
}

// Users know an item by its name, else by its own label (a button's or
// check box's text); only an item with neither goes by its number.
std::string DialogDriver::ItemName(int32_t itemId) const {
  if (itemId == kADMMenuItemID) return "the palette menu";
  const auto names = manager_.itemNames;
  if (const char* name = names ? names(dialog_.templateId(), itemId) : nullptr)
    return '"' + std::string(name) + '"';
  if (const Item* item = dialog_.GetItem(itemId)) {
    const ItemKind kind = item->kind();
    const std::string text = item->Text();
    if ((IsButton(kind) || IsToggle(kind) || IsRadio(kind)) && !text.empty())
      return '"' + text + '"';
  }
  return "item " + std::to_string(itemId);
}

Item* DialogDriver::Usable(int32_t itemId, std::string* error) {
  if (!manager_.Find(RefOf(dialog_))) {
    *error = "the dialog is closed";
    return nullptr;
  }
  if (dialog_.ended) {
    *error = "the dialog has ended";
    return nullptr;
  }
  if (!dialog_.visible) {
    *error = "the dialog is hidden";
    return nullptr;
  }
  Item* item = itemId == kADMMenuItemID && !dialog_.modal()
                   ? &dialog_.MenuItem()
                   : dialog_.GetItem(itemId);
  if (!item) {
    *error = "there is no item " + std::to_string(itemId);
    return nullptr;
  }
  if (itemId != kADMMenuItemID && !item->visible) {
    *error = ItemName(itemId) + " is hidden";
    return nullptr;
  }
  if (!item->enabled) {
    *error = ItemName(itemId) + " is disabled";
    return nullptr;
  }
  return item;
}

void DialogDriver::AfterAction() {
  manager_.currentModifiers = 0;
  manager_.PaintVisible();
}

std::string DialogDriver::SetValue(int32_t itemId, double value) {
  UserAction action(manager_);
  std::string error;
  Item* item = Usable(itemId, &error);
  if (!item) return error;
  if (!std::isfinite(value)) return "the value is not a number";
  const ItemKind kind = item->kind();
  if (HasList(kind) && kind != ItemKind::SpinEditPopup)
    return Choose(itemId, int32_t(value));
  if (manager_.trackingItem == reinterpret_cast<ADMItemRef>(item)) {
    // The button goes up where the value puts the knob; the value typed
    // is then exact.
    bool gone = false, aborted = false;
    TrackPoints(*item, {KnobAt(*item, value)}, 0, &gone);
    manager_.trackingItem = nullptr;
    if (!gone) manager_.Track(*item, KnobAt(*item, value), kADMMouseUpAction, 0, &aborted);
    if (gone || !manager_.Find(reinterpret_cast<ADMItemRef>(item))) {
      AfterAction();
      return "";
    }
  }
  if (IsToggle(kind) || IsRadio(kind)) {
    item->SetBooleanValue(value != 0);
  } else if (IsNumeric(kind)) {
    item->SetValue(value);
  } else if (kind == ItemKind::EditText) {
    std::ostringstream text;
    text << value;
    item->SetText(text.str());
  } else {
    return ItemName(itemId) + " takes no value";
  }
  manager_.NotifyItem(*item, kADMUserChangedNotifier);
  AfterAction();
  return "";
}

std::string DialogDriver::SetText(int32_t itemId, const std::string& text) {
  UserAction action(manager_);
  std::string error;
  Item* item = Usable(itemId, &error);
  if (!item) return error;
  const ItemKind kind = item->kind();
  if (!IsNumeric(kind) && kind != ItemKind::EditText &&
      kind != ItemKind::TextPopup && kind != ItemKind::MultilineText)
    return ItemName(itemId) + " takes no text";
  item->SetText(text);
  manager_.NotifyItem(*item, kADMUserChangedNotifier);
  AfterAction();
  return "";
}

std::string DialogDriver::Press(int32_t itemId, uint32_t modifiers) {
  UserAction action(manager_);
  std::string error;
  Item* item = Usable(itemId, &error);
  if (!item) return error;
  const ItemKind kind = item->kind();
  if (kind == ItemKind::User || kind == ItemKind::Picture) {
    const ASRect& b = item->bounds;
    return Drag(itemId, {{(b.right - b.left) / 2, (b.bottom - b.top) / 2}},
                modifiers);
  }
  if (!IsButton(kind) && !IsToggle(kind) && !IsRadio(kind))
    return ItemName(itemId) + " cannot be pressed";
  manager_.currentModifiers = modifiers;
  if (IsToggle(kind)) item->SetBooleanValue(!item->BooleanValue());
  if (IsRadio(kind)) item->SetBooleanValue(true);
  manager_.NotifyItem(*item, kADMUserChangedNotifier);
  AfterAction();
  return "";
}

std::string DialogDriver::PickColour(int32_t itemId, const AIColor& colour) {
  manager_.pendingColour = colour;
  std::string error = Press(itemId);
  if (manager_.pendingColour && error.empty())
    error = ItemName(itemId) + " opens no colour picker";
  manager_.pendingColour.reset();
  return error;
}

std::string DialogDriver::Choose(int32_t itemId, int32_t index,
                                 uint32_t modifiers) {
  UserAction action(manager_);
  std::string error;
  Item* item = Usable(itemId, &error);
  if (!item) return error;
  List* list = item->list();
  if (!list) return ItemName(itemId) + " has no list";
  Entry* entry = list->At(index);
  if (!entry) return ItemName(itemId) + " has no entry " + std::to_string(index);
  if (entry->separator || !entry->enabled)
    return "entry " + std::to_string(index) + " of " + ItemName(itemId) +
           " cannot be chosen";
  manager_.currentModifiers = modifiers;
  bool notify = true;
  if (item->trackProc) {
    // The choice is a click, on the entry's row in a list box, else in the
    // middle of the item; its tracker sees it with its modifiers.
    const ASPoint centre{(item->bounds.right - item->bounds.left) / 2,
                         list->multiple()
                             ? DialogManager::ListRowMiddle(index)
                             : (item->bounds.bottom - item->bounds.top) / 2};
    bool aborted = false;
    manager_.Track(*item, centre, kADMMouseDownAction, modifiers, &aborted);
    if (!aborted)
      notify = manager_.Track(*item, centre, kADMMouseUpAction, modifiers,
                              &aborted);
    if (aborted) notify = false;
    if (!manager_.Find(reinterpret_cast<ADMItemRef>(item))) {
      AfterAction();
      return "";
    }
  }
  const bool extend = list->multiple() &&
                      (modifiers & (kADMShiftKeyModifier | kADMMenuKeyModifier));
  if (extend) {
    list->Select(*entry, true);  // added to the selection (as tracking did)
  } else {
    if (list->multiple())
      for (int32_t i = 0; i < list->Count(); ++i) list->At(i)->selected = false;
    entry->selected = true;
    list->SetActive(entry);
  }
  if (notify) manager_.NotifyItem(*item, kADMUserChangedNotifier);
  AfterAction();
  return "";
}

std::string DialogDriver::DoubleClick(int32_t itemId, int32_t index,
                                      uint32_t modifiers) {
  UserAction action(manager_);
  if (std::string why = Choose(itemId, index, modifiers); !why.empty())
    return why;
  return Choose(itemId, index, modifiers | kADMDoubleClickModifier);
}

bool DialogDriver::TrackPoints(Item& item, const std::vector<ASPoint>& points,
                               uint32_t modifiers, bool* gone) {
  const ADMItemRef ref = reinterpret_cast<ADMItemRef>(&item);
  bool pressed = manager_.trackingItem == ref;
  bool notify = false, aborted = false;
  for (const ASPoint& p : points) {
    notify = manager_.Track(item, p, pressed ? kADMMouseMovedDownAction : kADMMouseDownAction,
                            modifiers, &aborted);
    pressed = true;
    if (aborted || !manager_.Find(ref)) break;
  }
  *gone = aborted || !manager_.Find(ref);
  return notify;
}

std::string DialogDriver::Drag(int32_t itemId, const std::vector<ASPoint>& points,
                               uint32_t modifiers) {
  return DragItem(itemId, points, modifiers, true);
}

std::string DialogDriver::TrackDrag(int32_t itemId, const std::vector<ASPoint>& points,
                                    uint32_t modifiers, bool live) {
  return DragItem(itemId, points, modifiers, false, live);
}

std::string DialogDriver::DragItem(int32_t itemId, const std::vector<ASPoint>& points,
                                   uint32_t modifiers, bool release, bool live) {
  UserAction action(manager_);
  std::string error;
  Item* item = Usable(itemId, &error);
  if (!item) return error;
  if (points.empty()) return "a drag needs at least one point";
  manager_.currentModifiers = modifiers;
  const ADMItemRef ref = reinterpret_cast<ADMItemRef>(item);
  bool gone = false, aborted = false;
  bool notify = TrackPoints(*item, points, modifiers, &gone);
  manager_.trackingItem = gone || release ? nullptr : ref;
  if (release && !gone)
    notify = manager_.Track(*item, points.back(), kADMMouseUpAction, modifiers, &aborted);
  if ((release || live) && notify && !gone && !aborted && manager_.Find(ref))
    manager_.NotifyItem(*item, kADMUserChangedNotifier);
  AfterAction();
  return "";
}

std::string DialogDriver::TrackValue(int32_t itemId, double value, bool live) {
  std::string error;
  Item* item = Usable(itemId, &error);
  if (!item) return error;
  if (item->kind() != ItemKind::Slider) return ItemName(itemId) + " is not a slider";
  if (!std::isfinite(value)) return "the value is not a number";
  return TrackDrag(itemId, {KnobAt(*item, value)}, 0, live);
}

std::string DialogDriver::Close() {
  UserAction action(manager_);
  if (!manager_.Find(RefOf(dialog_))) return "the dialog is closed";
  if (dialog_.modal()) {
    if (dialog_.ended) return "the dialog has ended";
    if (Item* cancel = dialog_.GetItem(dialog_.cancelItem))
      manager_.NotifyItem(*cancel, kADMUserChangedNotifier);
    if (manager_.Find(RefOf(dialog_)) && !dialog_.ended)
      manager_.EndModal(dialog_, dialog_.cancelItem);
    AfterAction();
    return "";
  }
  if (!dialog_.visible) return "the palette is hidden";
  manager_.NotifyDialog(dialog_, kADMCloseHitNotifier);
  // The close box hides a palette unless its handler did something else.
  if (manager_.Find(RefOf(dialog_)) && dialog_.visible)
    manager_.Show(dialog_, false);
  AfterAction();
  return "";
}

std::string DialogDriver::SetBounds(const ASRect& bounds) {
  UserAction action(manager_);
  if (!manager_.Find(RefOf(dialog_))) return "the dialog is closed";
  if (bounds.right <= bounds.left || bounds.bottom <= bounds.top)
    return "the bounds are empty";
  manager_.SetBounds(dialog_, bounds);
  AfterAction();
  return "";
}

// ---- script actions --------------------------------------------------------------
namespace {
bool ParseInt(std::string_view s, int32_t& out) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size();
}
bool ParseDouble(std::string_view s, double& out) {
  if (!s.empty() && s[0] == '+') s.remove_prefix(1);
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size();
}
bool ParseItem(std::string_view s, int32_t& out) {
  if (s == "menu") {
    out = kADMMenuItemID;
    return true;
  }
  return ParseInt(s, out);
}
std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> out(1);
  for (char c : s) {
    if (c == sep) out.emplace_back();
    else out.back() += c;
  }
  return out;
}
bool ParsePoint(const std::string& s, ASPoint& p) {
  auto xy = Split(s, ',');
  return xy.size() == 2 && ParseInt(xy[0], p.h) && ParseInt(xy[1], p.v);
}
}  // namespace

std::optional<AgentAction> ParseAgentAction(const std::string& text,
                                            std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<AgentAction> {
    if (error) *error = "\"" + text + "\": " + why;
    return std::nullopt;
  };
  std::istringstream in(text);
  std::string verb;
  in >> verb;
  AgentAction a;
  std::string rest;
  std::getline(in, rest);
  rest.erase(0, rest.find_first_not_of(' '));
  if (verb == "close") {
    a.kind = AgentAction::Kind::Close;
    return rest.empty() ? std::optional(a) : fail("close takes nothing");
  }
  if (verb == "bounds") {
    a.kind = AgentAction::Kind::Bounds;
    auto v = Split(rest, ',');
    if (v.size() != 4 || !ParseInt(v[0], a.bounds.left) ||
        !ParseInt(v[1], a.bounds.top) || !ParseInt(v[2], a.bounds.right) ||
        !ParseInt(v[3], a.bounds.bottom))
      return fail("expected bounds LEFT,TOP,RIGHT,BOTTOM");
    return a;
  }
  if (verb == "colour" || verb == "color") {
    a.kind = AgentAction::Kind::PickColour;
    size_t eq = rest.find('=');
    std::string why;
    if (eq == std::string::npos || !ParseItem(rest.substr(0, eq), a.item))
      return fail("expected colour ITEM=COLOUR");
    auto colour = ParseColourText(rest.substr(eq + 1), &why);
    if (!colour) return fail(why);
    a.colour = *colour;
    return a;
  }
  if (verb == "text") {
    a.kind = AgentAction::Kind::SetText;
    size_t eq = rest.find('=');
    if (eq == std::string::npos || !ParseItem(rest.substr(0, eq), a.item))
      return fail("expected text ITEM=TEXT");
    a.text = rest.substr(eq + 1);
    return a;
  }
  // The other actions end in optional modifier words.
  std::istringstream words(rest);
  std::string target, word;
  words >> target;
  while (words >> word) {
    if (word == "shift") a.modifiers |= kADMShiftKeyModifier;
    else if (word == "alt") a.modifiers |= kADMModKeyModifier;
    else if (word == "ctrl") a.modifiers |= kADMMenuKeyModifier;
    else return fail("unknown modifier " + word);
  }
  size_t eq = target.find('=');
  const std::string item = target.substr(0, eq);
  const std::string value = eq == std::string::npos ? "" : target.substr(eq + 1);
  if (!ParseItem(item, a.item)) return fail("expected an item id");
  if (verb == "press") {
    a.kind = AgentAction::Kind::Press;
    return eq == std::string::npos ? std::optional(a) : fail("press takes no value");
  }
  if (verb == "set") {
    a.kind = AgentAction::Kind::SetValue;
    return ParseDouble(value, a.value) ? std::optional(a)
                                       : fail("expected set ITEM=NUMBER");
  }
  if (verb == "choose" || verb == "double") {
    a.kind = verb == "choose" ? AgentAction::Kind::Choose
                              : AgentAction::Kind::DoubleClick;
    return ParseInt(value, a.index) ? std::optional(a)
                                    : fail("expected " + verb + " ITEM=INDEX");
  }
  if (verb == "drag") {
    a.kind = AgentAction::Kind::Drag;
    for (const std::string& p : Split(value, ':')) {
      ASPoint point;
      if (!ParsePoint(p, point)) return fail("expected drag ITEM=X,Y:X,Y...");
      a.points.push_back(point);
    }
    return a;
  }
  return fail("unknown action " + verb);
}

std::string Perform(DialogDriver& driver, const AgentAction& a) {
  switch (a.kind) {
    case AgentAction::Kind::SetValue: return driver.SetValue(a.item, a.value);
    case AgentAction::Kind::SetText: return driver.SetText(a.item, a.text);
    case AgentAction::Kind::Press: return driver.Press(a.item, a.modifiers);
    case AgentAction::Kind::Choose:
      return driver.Choose(a.item, a.index, a.modifiers);
    case AgentAction::Kind::DoubleClick:
      return driver.DoubleClick(a.item, a.index, a.modifiers);
    case AgentAction::Kind::Drag: return driver.Drag(a.item, a.points, a.modifiers);
    case AgentAction::Kind::Close: return driver.Close();
    case AgentAction::Kind::Bounds: return driver.SetBounds(a.bounds);
    case AgentAction::Kind::PickColour: return driver.PickColour(a.item, a.colour);
  }
  return "unknown action";
}

std::string PerformTracking(DialogDriver& driver, const AgentAction& a, bool live) {
  if (a.kind == AgentAction::Kind::SetValue) return driver.TrackValue(a.item, a.value, live);
  if (a.kind == AgentAction::Kind::Drag)
    return driver.TrackDrag(a.item, a.points, a.modifiers, live);
  return "only a slider's value or a drag can be sent while the button is down";
}

// ---- agents ----------------------------------------------------------------------
std::optional<std::string> UserAgent::ChooseFolder(const std::string&) {
  return std::nullopt;
}
bool UserAgent::AnswerYesNo(const std::string&) { return true; }
std::optional<AIColor> UserAgent::ChooseColour(const std::string&, const AIColor&) {
  return std::nullopt;
}

void DefaultAgent::RunModal(DialogDriver& dialog) {
  dialog.Press(dialog.dialog().defaultItem);
}

void ScriptedAgent::AddScript(const std::string& dialog,
                              std::vector<AgentAction> actions) {
  scripts_[dialog].push_back(std::move(actions));
}
void ScriptedAgent::AddFolderAnswer(std::optional<std::string> folder) {
  folders_.push_back(std::move(folder));
}
void ScriptedAgent::AddYesNoAnswer(bool yes) { answers_.push_back(yes); }
void ScriptedAgent::AddColourAnswer(std::optional<AIColor> colour) {
  colours_.push_back(colour);
}

void ScriptedAgent::RunModal(DialogDriver& driver) {
  Dialog& dialog = driver.dialog();
  std::string byId = "#";
  byId += std::to_string(dialog.templateId());
  seen_.push_back(dialog.name().empty() ? byId : dialog.name());
  auto it = scripts_.find(dialog.name());
  if (it == scripts_.end() || it->second.empty()) it = scripts_.find(byId);
  if (it == scripts_.end() || it->second.empty()) {
    driver.Press(dialog.defaultItem);
    return;
  }
  const std::vector<AgentAction> actions = std::move(it->second.front());
  it->second.pop_front();
  for (const AgentAction& action : actions) {
    if (driver.ended()) break;
    if (std::string why = Perform(driver, action); !why.empty())
      failures_.push_back(seen_.back() + ": " + why);
  }
}

std::optional<std::string> ScriptedAgent::ChooseFolder(const std::string&) {
  if (folders_.empty()) return std::nullopt;
  auto answer = std::move(folders_.front());
  folders_.pop_front();
  return answer;
}

bool ScriptedAgent::AnswerYesNo(const std::string&) {
  if (answers_.empty()) return true;
  bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}
std::optional<AIColor> ScriptedAgent::ChooseColour(const std::string&, const AIColor&) {
  if (colours_.empty()) return std::nullopt;
  auto answer = colours_.front();
  colours_.pop_front();
  return answer;
}

}  // namespace vx::host::adm

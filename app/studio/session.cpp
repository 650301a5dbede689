#include "app/studio/session.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <set>

#include <nlohmann/json.hpp>

#include "app/document_files.h"
#include "app/effect_session.h"
#include "app/studio/colour_swatches.h"
#include "app/item_names.h"
#include "app/studio/live_menu.h"
#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/art/geometry.h"
#include "host/art/hit_test.h"
#include "host/art/matching.h"
#include "host/core/messages.h"
#include "host/io/atomic_file.h"
#include "host/core/registrations.h"
#include "host/render/png_render.h"
#include "host/svg/svg_effect_art.h"
#include "host/tools/tool_driver.h"

namespace vx::app::studio {

using nlohmann::json;
namespace fs = std::filesystem;
namespace art = host::art;

// ---- the version ---------------------------------------------------------------

void Version::Bump() {
  {
    std::lock_guard lock(mutex_);
    ++value_;
  }
  changed_.notify_all();
}

uint64_t Version::WaitPast(uint64_t seen, std::chrono::milliseconds wait) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, wait, [&] { return value_ != seen || stopped_; });
  return value_;
}

void Version::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  changed_.notify_all();
}

// ---- helpers ----------------------------------------------------------------------

namespace {

constexpr const char* kUntitledSvg = "Untitled.svg";

Reply Error(int status, const std::string& error) {
  return {status, json{{"error", error}}.dump()};
}

Reply Png(const std::vector<uint8_t>& rgba, int width, int height) {
  host::render::Raster raster{width, height, rgba};
  return {200, host::render::EncodePng(raster), "image/png"};
}

Reply ImagePng(const host::adm::Image& image) {
  std::vector<uint8_t> rgba;
  rgba.reserve(image.pixels.size() * 4);
  for (const host::adm::Rgba& p : image.pixels) rgba.insert(rgba.end(), {p.r, p.g, p.b, p.a});
  return Png(rgba, image.width, image.height);
}

json RectJson(const ASRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// A name as one segment of a URL path ("VERSALiX 3D" -> "VERSALiX%203D").
std::string UrlSegment(const std::string& name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : name) {
    if (std::isalnum(c) || c == '-' || c == '_' || c == '.') {
      out += char(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

// What the page calls a dialog: its name, or "#TEMPLATE" for a nameless
// one (as scripts address modal dialogs).
std::string DialogKey(const host::adm::Dialog& dialog) {
  return dialog.name().empty() ? "#" + std::to_string(dialog.templateId()) : dialog.name();
}

host::adm::Dialog* FindDialog(host::adm::DialogManager& dialogs, const std::string& key) {
  for (host::adm::Dialog* d : dialogs.Dialogs())
    if (DialogKey(*d) == key) return d;
  return nullptr;
}

json EntriesJson(host::adm::List* list) {
  json entries = json::array();
  for (int32_t i = 0; list && i < list->Count(); ++i) {
    const host::adm::Entry* e = list->At(i);
    entries.push_back({{"text", e->text}, {"selected", e->selected}, {"enabled", e->enabled},
                       {"separator", e->separator}});
  }
  return entries;
}

// The top-level object (a child of its layer) holding art.
art::Art* TopLevel(art::Art* a) {
  while (a && a->parent() && !a->parent()->isLayerGroup()) a = a->parent();
  return a && a->parent() ? a : nullptr;
}

// Reads a required member of a request body; throws json errors, which the
// server answers 400.
template <typename T>
T Member(const json& body, const char* name) {
  if (!body.contains(name)) throw BadRequest(std::string("\"") + name + "\" is missing");
  return body.at(name).get<T>();
}

}  // namespace

Session::Session(host::Host& host, HostQueue& queue, Version& version, FileRule rule)
    : host_(host), queue_(queue), version_(version), rule_(std::move(rule)),
      questions_(queue, version) {
  host_.dialogs().SetAgent(this);
  host_.dialogs().onAlert = [this](const host::adm::Alert& alert) { message_ = alert.text; };
}

Session::~Session() {
  host_.dialogs().SetAgent(nullptr);
  host_.dialogs().onAlert = nullptr;
}

art::Document& Session::doc() { return *doc_; }

std::string Session::OpenDocument(const fs::path& path) {
  std::unique_ptr<host::svg::ImportResult> file;
  if (!path.empty()) {
    std::string bytes, error;
    if (!host::io::ReadFile(path.string(), &bytes, &error)) return error;
    auto imported = host::svg::ImportSvg(bytes, &error);
    if (!imported) return "cannot read " + path.string() + ": " + error;
    file = std::make_unique<host::svg::ImportResult>(std::move(*imported));
  }
  if (doc_) host_.documents().Close(doc_);
  if (file) {
    doc_ = &host_.documents().Adopt(std::move(file->document));
    host::svg::BindEffectArt(*doc_, file->kept, host_.registrations());
  } else {
    doc_ = &host_.documents().New(kUntitledSvg);
  }
  doc_->DeselectAll();
  doc_->ClearHistory();
  file_ = std::move(file);
  path_ = path;
  dirty_ = false;
  message_ = file_ && !file_->notes.empty() ? file_->notes.front() : "";
  NotifySelectionChanged(host_);
  return "";
}

Reply Session::Busy() const {
  return Error(422, "the dialog \"" + DialogKey(modal_.back()->dialog()) + "\" is open: finish it first");
}

Reply Session::Ok() { return {200, json{{"version", version_.now()}}.dump()}; }

Reply Session::Changed(const std::string& error) {
  version_.Bump();
  if (!error.empty()) {
    message_ = error;
    return {422, json{{"error", error}, {"version", version_.now()}}.dump()};
  }
  return {200, json{{"version", version_.now()}}.dump()};
}

AIRealPoint Session::ToPage(double x, double y) const {
  const double flipY = file_ ? file_->kept.flipY : doc_->artboard.top;
  return {AIReal(x), AIReal(flipY - y)};
}

// ---- state ---------------------------------------------------------------------------

json Session::DialogJson(host::adm::Dialog& dialog) {
  json items = json::array();
  for (host::adm::Item* item : dialog.Items()) {
    const bool user = item->kind() == host::adm::ItemKind::User;
    const std::string base =
        "/api/raster/" + UrlSegment(DialogKey(dialog)) + "/" + std::to_string(item->id());
    const char* itemName = ItemNameOf(dialog.templateId(), item->id());
    items.push_back({{"id", item->id()},
                     {"name", itemName ? json(itemName) : json()},
                     {"kind", host::adm::ItemKindName(item->kind())},
                     {"text", item->Text()},
                     {"value", item->Value()},
                     {"min", item->min()},
                     {"max", item->max()},
                     {"enabled", item->enabled},
                     {"visible", item->visible},
                     {"bounds", RectJson(item->bounds)},
                     {"entries", EntriesJson(item->list())},
                     {"picture", item->pictureId ? json(base + ".png") : json()},
                     {"raster", user ? json(base + ".png?v=" + std::to_string(dialog.paints))
                                     : json()}});
  }
  return {{"name", DialogKey(dialog)},
          {"templateId", dialog.templateId()},
          {"title", dialog.title},
          {"modal", dialog.modal()},
          {"bounds", RectJson(dialog.bounds)},
          // A palette's own menu (presets ...): "choose menu=N".
          {"menu", dialog.modal() ? json::array() : EntriesJson(dialog.MenuItem().list())},
          {"items", items}};
}

json Session::StateJson() {
  art::Document& d = doc();
  json document = {{"name", path_.empty() ? std::string(kUntitledSvg) : path_.filename().string()},
                   {"path", path_.string()},
                   {"width", d.artboard.right - d.artboard.left},
                   {"height", d.artboard.top - d.artboard.bottom},
                   {"dirty", dirty_}};
  json selection = json::array();
  art::BoundsBuilder bounds;
  ForEachObject(d, [&](const art::Art& a, const std::string& place, int depth) {
    if (depth != 0 || !art::ReadsSelected(a)) return;
    selection.push_back(ObjectId(a, place));
    bounds.Add(art::ArtBounds(a, nullptr, 0).Rect());
  });
  json layers = json::array();
  for (int i = 0; i < d.LayerCount(); ++i) {
    const art::Layer* l = d.LayerAt(i);
    layers.push_back({{"id", l->id.empty() ? "@" + std::to_string(i) : l->id},
                      {"name", l->title},
                      {"visible", l->visible},
                      {"locked", !l->editable}});
  }
  json menus = json::array();
  for (const host::Filter* f : host_.registrations().Filters())
    menus.push_back({{"menu", "Filter"}, {"title", f->title}, {"command", f->title}});
  for (const host::MenuItem* m : host_.registrations().MenuItems())
    if (m->group == "VERSALiX4_Gr" && m->text != "-")
      menus.push_back({{"menu", "Window > VERSALiX4"}, {"title", m->text}, {"command", m->text}});
  for (json& row : LiveEffectMenus(host_.registrations())) menus.push_back(std::move(row));
  menus.push_back({{"menu", "Help"}, {"title", "About VERSALiX4..."}, {"command", "About"}});
  json tools = json::array();
  for (const host::Tool* t : host_.registrations().Tools())
    tools.push_back({{"name", t->title},
                     {"title", t->title},
                     {"tip", t->tooltip},
                     {"icon", "/api/icon/" + UrlSegment(t->title) + ".png"}});
  const host::Tool* current =
      host_.registrations().FindTool(host_.tools().current());
  const host::tools::CursorState& cursor = host_.tools().cursor();
  json dialogs = json::array();
  for (host::adm::Dialog* dialog : host_.dialogs().Dialogs())
    if (dialog->visible || dialog->modal()) dialogs.push_back(DialogJson(*dialog));
  const double flipY = file_ ? file_->kept.flipY : d.artboard.top;
  const AIRealRect b = bounds.Rect();
  return {{"version", version_.now()},
          {"document", document},
          {"selection", selection},
          {"selectionBounds", bounds.empty ? json() : json{b.left, flipY - b.top, b.right,
                                                           flipY - b.bottom}},
          {"layers", layers},
          {"menus", menus},
          {"tools", tools},
          {"currentTool", current ? json(current->title) : json()},
          {"cursor", cursor.id ? json{{"id", cursor.id},
                                      {"url", "/api/cursor/" + std::to_string(cursor.id) + ".png"}}
                               : json()},
          {"dialogs", dialogs},
          {"canUndo", d.CompletedSteps() > 0},
          {"canRedo", d.RedoableSteps() > 0},
          {"question", questions_.Json()},
          {"message", message_}};
}

Reply Session::State() { return {200, StateJson().dump()}; }

Reply Session::DocumentSvg() {
  std::string text;
  if (ExportSvgText(doc(), file_ ? &file_->kept : nullptr, &text))
    return Error(422, "the document holds a number that is not finite; it cannot be shown");
  return {200, std::move(text), "image/svg+xml; charset=utf-8"};
}

namespace {
// Not a text/ type: the HTTP library would compress it, which costs far
// more than it saves on the loopback address.
constexpr const char* kDeltaType = "application/vnd.versalix4.canvas-delta; charset=utf-8";

double MsSince(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}
}  // namespace

Reply Session::Delta(const std::string& sinceText) {
  uint64_t since = 0;
  try {
    since = sinceText.empty() ? 0 : std::stoull(sinceText);
  } catch (const std::exception&) {
    return Error(400, "since is a canvas version");
  }
  std::string error;
  CanvasDelta::Answer delta = canvas_.Since(doc(), file_ ? &file_->kept : nullptr, since, &error);
  if (!error.empty()) return Error(422, error + "; it cannot be shown");
  return {200, delta.head.dump() + "\n" + delta.parts, kDeltaType};
}

Reply Session::Sync(const Reply& reply, uint64_t since, const std::string& stateTag,
                    double workMs) {
  json head = reply.body.empty() ? json::object() : json::parse(reply.body, nullptr, false);
  if (!head.is_object()) return reply;
  if (!head.contains("version")) head["version"] = version_.now();

  auto t0 = std::chrono::steady_clock::now();
  std::string error;
  CanvasDelta::Answer delta = canvas_.Since(doc(), file_ ? &file_->kept : nullptr, since, &error);
  if (!error.empty()) {
    message_ = error + "; it cannot be shown";
    head["canvasError"] = message_;
  } else {
    head["canvas"] = std::move(delta.head);
  }
  const double canvasMs = MsSince(t0);

  // The state, after the canvas (it shows a failure to write it): only the
  // members that changed since the tag the page holds.
  t0 = std::chrono::steady_clock::now();
  json state = StateJson();
  const std::string base = std::to_string(stateTag_);
  if (stateTag != base || !sentState_.is_object()) {
    stateTag_++;
    head["state"] = {{"tag", std::to_string(stateTag_)}, {"whole", state}};
  } else if (state != sentState_) {
    json changed = json::object();
    for (const auto& [name, value] : state.items())
      if (!sentState_.contains(name) || sentState_[name] != value) changed[name] = value;
    stateTag_++;
    head["state"] = {{"tag", std::to_string(stateTag_)}, {"base", base}, {"changed", changed}};
  }
  sentState_ = std::move(state);
  const double stateMs = MsSince(t0);

  head["serverMs"] = {{"work", workMs}, {"state", stateMs}, {"canvas", canvasMs}};
  return {reply.status, head.dump() + "\n" + delta.parts, kDeltaType};
}

// ---- selection and layers ------------------------------------------------------------

Reply Session::Select(const json& body) {
  if (!modal_.empty()) return Busy();
  art::Document& d = doc();
  const bool add = body.value("add", false);
  std::vector<art::Art*> chosen;
  if (body.contains("ids")) {
    for (const std::string& id : body.at("ids").get<std::vector<std::string>>()) {
      art::Art* a = d.FindById(id);
      ForEachObject(d, [&](const art::Art& o, const std::string& place, int) {
        if (!a && ObjectId(o, place) == id) a = const_cast<art::Art*>(&o);
      });
      if (!a) return Error(422, "the document has no object with the id \"" + id + "\"");
      chosen.push_back(TopLevel(a) ? TopLevel(a) : a);
    }
  } else if (body.contains("rect")) {
    const auto r = body.at("rect").get<std::vector<double>>();
    if (r.size() != 4) throw BadRequest("\"rect\" is [left, top, right, bottom]");
    const AIRealPoint a = ToPage(std::min(r[0], r[2]), std::max(r[1], r[3]));
    const AIRealPoint b = ToPage(std::max(r[0], r[2]), std::min(r[1], r[3]));
    // Like a rubber band in a drawing program: the objects wholly inside.
    for (int i = 0; i < d.LayerCount(); ++i) {
      const art::Layer* l = d.LayerAt(i);
      if (!l->visible || !l->editable) continue;
      for (art::Art* o = l->group->firstChild(); o; o = o->sibling()) {
        const art::BoundsBuilder ob = art::ArtBounds(*o, nullptr, 0);
        if (o->hidden() || o->locked() || ob.empty) continue;
        if (ob.left >= a.h && ob.right <= b.h && ob.bottom >= a.v && ob.top <= b.v)
          chosen.push_back(o);
      }
    }
  } else if (body.contains("point")) {
    const auto p = body.at("point").get<std::vector<double>>();
    if (p.size() != 2) throw BadRequest("\"point\" is [x, y]");
    const art::Hit hit = art::HitTest(d, nullptr, ToPage(p[0], p[1]), 2.0f);
    if (art::Art* top = TopLevel(hit.art); top && !top->locked()) chosen.push_back(top);
  } else {
    throw BadRequest("a selection names \"ids\", a \"rect\" or a \"point\"");
  }
  if (!add) d.DeselectAll();
  for (art::Art* a : chosen) d.Select(*a, true);
  NotifySelectionChanged(host_);
  return Changed();
}

Reply Session::Layer(const json& body) {
  if (!modal_.empty()) return Busy();
  art::Document& d = doc();
  const std::string id = Member<std::string>(body, "id");
  art::Layer* layer = nullptr;
  for (int i = 0; i < d.LayerCount() && !layer; ++i)
    if (d.LayerAt(i)->id == id || "@" + std::to_string(i) == id) layer = d.LayerAt(i);
  if (!layer) return Error(422, "the document has no layer \"" + id + "\"");
  d.BeginStep();
  if (body.contains("visible")) d.SetLayerVisible(layer, body.at("visible").get<bool>());
  if (body.contains("locked")) d.SetLayerEditable(layer, !body.at("locked").get<bool>());
  d.EndStep();
  dirty_ = true;
  return Changed();
}

// ---- menus and dialogs ---------------------------------------------------------------

Reply Session::Command(const json& body) {
  if (!modal_.empty()) return Busy();
  const std::string command = Member<std::string>(body, "command");
  host::Registrations& regs = host_.registrations();
  int32_t err = kNoErr;
  message_.clear();
  host_.dialogs().ClearAlerts();
  if (host::Filter* filter = regs.FilterTitled(command)) {
    auto handle = reinterpret_cast<AIFilterHandle>(filter);
    err = host::SendFilterGetParameters(host_, handle);
    if (err == kNoErr) err = host::SendFilterGo(host_, handle);
  } else if (command == "About") {
    err = host_.About();
  } else if (std::string why; RunLiveEffectMenu(host_, doc(), command, &err, &why)) {
    if (!why.empty()) return Error(422, why);
  } else {
    host::MenuItem* item = nullptr;
    for (const host::MenuItem* m : regs.MenuItems())
      if (m->group == "VERSALiX4_Gr" && m->text == command) item = const_cast<host::MenuItem*>(m);
    if (!item) return Error(422, "there is no menu command \"" + command + "\"");
    err = host::SendMenuGo(host_, reinterpret_cast<AIMenuItemHandle>(item));
  }
  dirty_ = dirty_ || doc().CompletedSteps() > 0;
  if (err == kCanceledErr) return Changed();
  if (err) {
    const host::adm::Alert* alert = host_.dialogs().LastAlert();
    return Changed(alert ? alert->text : command + " failed (" + CodeText(err) + ")");
  }
  return Changed();
}

void Session::RunModal(host::adm::DialogDriver& driver) {
  // The request that opened the dialog is answered now; the page then acts
  // on the dialog through requests that this loop runs.
  modal_.push_back(&driver);
  version_.Bump();
  queue_.ReplyEarly(
      {200, json{{"version", version_.now()}, {"modal", DialogKey(driver.dialog())}}.dump()});
  while (!driver.ended() && !quitting() && queue_.RunNext(std::chrono::milliseconds(100))) {
  }
  modal_.pop_back();
  version_.Bump();
}

std::optional<std::string> Session::ChooseFolder(const std::string& message) {
  return questions_.AskFolder(message, rule_, [this] { return quitting(); });
}

bool Session::AnswerYesNo(const std::string& text) {
  return questions_.AskYesNo(text, [this] { return quitting(); });
}

std::optional<AIColor> Session::ChooseColour(const std::string& message, const AIColor& current) {
  constexpr size_t kSwatches = 24;
  return questions_.AskColour(message, current, DocumentColours(doc(), kSwatches),
                              [this] { return quitting(); });
}

Reply Session::DialogAction(const json& body) {
  const std::string name = Member<std::string>(body, "dialog");
  const std::string text = Member<std::string>(body, "action");
  const bool tracking = body.value("tracking", false);
  const bool live = body.value("live", false);
  const std::string gesture =
      body.contains("gesture") ? name + "\x1f" + std::to_string(body.at("gesture").get<int64_t>()) : "";
  host::adm::Dialog* dialog = FindDialog(host_.dialogs(), name);
  if (!dialog) return Error(422, "there is no dialog \"" + name + "\"");
  std::string error;
  const auto named = WithItemId(dialog->templateId(), text, &error);
  if (!named) return Error(400, error);
  auto action = host::adm::ParseAgentAction(*named, &error);
  if (!action) return Error(400, error);
  host::adm::DialogDriver* modal = nullptr;
  for (host::adm::DialogDriver* d : modal_)
    if (&d->dialog() == dialog) modal = d;
  if (dialog->modal() && !modal) return Error(422, "the dialog \"" + name + "\" is not running");
  if (dialog != host_.dialogs().CurrentModal() && host_.dialogs().CurrentModal())
    return Error(422, "a modal dialog is open: \"" + DialogKey(*host_.dialogs().CurrentModal()) + "\"");
  host::adm::DialogDriver palette(host_.dialogs(), *dialog);
  host::adm::DialogDriver& driver = modal ? *modal : palette;
  host_.dialogs().ClearAlerts();
  message_.clear();
  const uint64_t stepBefore = doc().LastStep();
  error = tracking ? host::adm::PerformTracking(driver, *action, live)
                   : host::adm::Perform(driver, *action);
  JoinGesture(gesture, stepBefore);
  dirty_ = dirty_ || doc().CompletedSteps() > 0;
  return Changed(error);
}

// The merge lives here, where the page says which values belong to one
// drag; the document's history only joins two steps it is told to.
void Session::JoinGesture(const std::string& gesture, uint64_t stepBefore) {
  if (gesture.empty()) {
    gesture_ = {};
    return;
  }
  if (gesture != gesture_.name) gesture_ = {gesture, 0};
  if (doc().LastStep() == stepBefore) return;  // no step made
  if (gesture_.step && doc().JoinLastStep(gesture_.step)) return;
  gesture_.step = doc().LastStep();
}

Reply Session::Raster(const std::string& name, const std::string& itemText) {
  host::adm::Dialog* dialog = FindDialog(host_.dialogs(), name);
  int32_t id = 0;
  try {
    id = std::stoi(itemText);
  } catch (const std::exception&) {
    return Error(404, "no item \"" + itemText + "\"");
  }
  host::adm::Item* item = dialog ? dialog->GetItem(id) : nullptr;
  if (!item) return Error(404, "no item " + itemText + " in \"" + name + "\"");
  if (item->kind() != host::adm::ItemKind::User && item->pictureId) {
    auto picture = host_.dialogs().Picture(dialog->plugin(), item->pictureId);
    if (!picture) return Error(404, "the picture of item " + itemText + " is missing");
    return ImagePng(*picture);
  }
  host_.dialogs().Paint(*dialog);
  const ASRect& b = item->bounds;
  const int w = std::max(0, b.right - b.left), h = std::max(0, b.bottom - b.top);
  std::vector<uint8_t> rgba;
  rgba.reserve(size_t(w) * size_t(h) * 4);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const host::adm::Rgba p = dialog->raster().Get(b.left + x, b.top + y);
      rgba.insert(rgba.end(), {p.r, p.g, p.b, p.a});
    }
  return Png(rgba, w, h);
}

Reply Session::Icon(const std::string& title) {
  const host::Tool* tool = host_.registrations().ToolTitled(title);
  const host::adm::Icon* icon = tool ? host_.dialogs().Find(tool->icon) : nullptr;
  if (!icon || icon->image.empty()) return Error(404, "no icon for \"" + title + "\"");
  return ImagePng(icon->image);
}

Reply Session::Cursor(const std::string& idText) {
  const host::tools::CursorState& cursor = host_.tools().cursor();
  if (!cursor.id || std::to_string(cursor.id) != idText)
    return Error(404, "cursor " + idText + " is not the current cursor");
  auto text = host_.dialogs().Resource(cursor.module, kVxCursorResource, cursor.id);
  auto image = text ? host::adm::ParseImage(*text) : std::nullopt;
  if (!image || image->empty()) return Error(404, "cursor " + idText + " has no image");
  return ImagePng(*image);
}

// ---- tools -----------------------------------------------------------------------------

Reply Session::Tool(const json& body) {
  if (!modal_.empty()) return Busy();
  const std::string name = Member<std::string>(body, "name");
  host::tools::ToolDriver& driver = host_.tools();
  if (driver.buttonDown()) return Error(422, "a drag is in progress");
  host_.dialogs().ClearAlerts();
  message_.clear();
  int32_t err = kNoErr;
  if (name.empty()) {
    err = driver.DeselectTool();
  } else {
    const AIToolHandle tool = driver.ToolTitled(name);
    if (!tool) return Error(422, "there is no tool \"" + name + "\"");
    err = driver.SelectTool(tool);
  }
  return Changed(err ? (host_.dialogs().LastAlert() ? host_.dialogs().LastAlert()->text
                                                   : name + " failed (" + CodeText(err) + ")")
                     : "");
}

Reply Session::Pointer(const json& body) {
  if (!modal_.empty()) return Busy();
  const std::string event = Member<std::string>(body, "event");
  const AIRealPoint at = ToPage(Member<double>(body, "x"), Member<double>(body, "y"));
  if (!std::isfinite(at.h) || !std::isfinite(at.v))
    throw BadRequest("x and y are finite numbers");
  host::tools::Keys keys;
  for (const std::string& m : body.value("modifiers", std::vector<std::string>{})) {
    if (m == "shift") keys.shift = true;
    else if (m == "alt") keys.alt = true;
    else if (m == "cmd" || m == "ctrl") keys.ctrl = true;
    else if (m == "space") keys.space = true;
    else throw BadRequest("unknown modifier \"" + m + "\"");
  }
  host::tools::ToolDriver& driver = host_.tools();
  if (!driver.current()) return Error(422, "no tool is chosen");
  host_.dialogs().ClearAlerts();
  message_.clear();
  int32_t err = kNoErr;
  if (event == "track") {
    err = driver.MovePointer(at, keys);
  } else if (event == "down") {
    if (driver.buttonDown()) return Error(422, "the button is already down");
    // Every drag starts its tick clock afresh, as `versalix4 tool` does, so
    // the same drag gives the same result.
    driver.clock().Set(0, host::tools::TickClock::kDefaultStep);
    NotifySelectionChanged(host_);
    err = driver.MouseDown(at, keys);
  } else if (event == "drag" || event == "up") {
    if (!driver.buttonDown()) return Error(422, "the button is not down");
    // Space is only read as the button goes up (it takes the drag back).
    if (event == "drag") keys.space = false;
    err = event == "drag" ? driver.MouseDrag(at, keys) : driver.MouseUp(at, keys);
  } else {
    throw BadRequest("event is track, down, drag or up");
  }
  if (event != "track") dirty_ = true;
  if (err && driver.buttonDown()) driver.MouseUp(at, {});  // a failed event ends the drag
  return Changed(err ? (host_.dialogs().LastAlert() ? host_.dialogs().LastAlert()->text
                                                   : "the tool failed (" + CodeText(err) + ")")
                     : "");
}

// ---- history and files -----------------------------------------------------------------

Reply Session::Undo(bool redo) {
  if (!modal_.empty()) return Busy();
  if (host_.tools().buttonDown()) return Error(422, "a drag is in progress");
  if (!(redo ? doc().Redo() : doc().Undo()))
    return Error(422, redo ? "there is nothing to redo" : "there is nothing to undo");
  dirty_ = true;
  NotifySelectionChanged(host_);
  return Changed();
}

Reply Session::Open(const json& body) {
  std::string why;
  const fs::path path = rule_.Allow(Member<std::string>(body, "path"), ".svg", &why);
  if (path.empty()) return Error(403, why);
  if (!modal_.empty()) return Busy();
  // Changes not saved are not thrown away without asking.
  const std::string name = path_.empty() ? kUntitledSvg : path_.filename().string();
  if (dirty_ && !AnswerYesNo("\"" + name +
                             "\" has changes that are not saved. Open \"" +
                             path.filename().string() + "\" and lose them?"))
    return Changed();
  if (std::string error = OpenDocument(path); !error.empty()) return Error(422, error);
  return Changed();
}

std::string Session::WriteDocument(const fs::path& path) {
  std::string text, error;
  if (ExportSvgText(doc(), file_ ? &file_->kept : nullptr, &text))
    return "the document holds a number that is not finite; nothing was written";
  if (!host::io::WriteOutput(path.string(), text, &error)) return error;
  return "";
}

Reply Session::Save(const json& body) {
  if (!modal_.empty()) return Busy();
  fs::path path = path_;
  if (body.contains("path")) {
    std::string why;
    path = rule_.Allow(body.at("path").get<std::string>(), ".svg", &why);
    if (path.empty()) return Error(403, why);
  }
  if (path.empty()) return Error(422, "the document has no file yet: use Save As");
  if (std::string error = WriteDocument(path); !error.empty()) return Changed(error);
  path_ = path;
  dirty_ = false;
  return Changed();
}

Reply Session::Export(const json& body) {
  if (!modal_.empty()) return Busy();
  std::string why;
  const fs::path path = rule_.Allow(Member<std::string>(body, "path"), ".png", &why);
  if (path.empty()) return Error(403, why);
  const int width = Member<int>(body, "width");
  if (width < 1 || width > host::render::kMaxRasterSide)
    return Error(400, "width is 1 to " + std::to_string(host::render::kMaxRasterSide) + " pixels");
  std::string text, error;
  if (ExportSvgText(doc(), file_ ? &file_->kept : nullptr, &text))
    return Changed("the document holds a number that is not finite; nothing was written");
  auto raster = host::render::RenderSvg(text, width, &error, path_);
  if (!raster) return Changed("cannot render the document: " + error);
  if (!host::io::WriteOutput(path.string(), host::render::EncodePng(*raster), &error))
    return Changed(error);
  return Changed();
}

Reply Session::Quit() {
  quitting_ = true;
  return Ok();
}

}  // namespace vx::app::studio

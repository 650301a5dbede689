#include "host/adm/dialog_manager.h"

#include <algorithm>
#include <cmath>

#include "host/adm/colour_text.h"
#include "host/adm/font.h"
#include "host/adm/user_agent.h"
#include "host/core/host.h"

namespace vx::host::adm {

namespace {
template <typename Ref, typename T>
Ref RefOf(T* object) {
  return reinterpret_cast<Ref>(object);
}
ASRect LocalRect(const ASRect& r) {
  return {0, 0, r.right - r.left, r.bottom - r.top};
}
}  // namespace

DialogManager::DialogManager(Host& host)
    : host_(host), defaultAgent_(std::make_unique<DefaultAgent>()) {}

DialogManager::~DialogManager() {
  if (!dialogs_.empty())
    VX_LOG(host_, "dialog manager: " << dialogs_.size()
                                     << " dialog(s) left open are dropped");
  dialogs_.clear();
  icons_.clear();
}

void DialogManager::SetAgent(UserAgent* agent) { agent_ = agent; }
UserAgent& DialogManager::agent() {
  return agent_ ? *agent_ : *defaultAgent_;
}

// ---- dialogs -------------------------------------------------------------------
std::unique_ptr<Dialog> DialogManager::Make(SPPluginRef plugin,
                                            const char* name,
                                            int32_t templateId, int32_t style,
                                            bool modal, void* userData) {
  auto text = Resource(plugin, kVxDialogResource, templateId);
  if (!text) {
    VX_LOG(host_, "dialog template " << templateId << " not found");
    return nullptr;
  }
  std::string error;
  auto parsed = ParseDialogTemplate(*text, &error);
  if (!parsed) {
    VX_LOG(host_, "dialog template " << templateId << ": " << error);
    return nullptr;
  }
  auto dialog = std::make_unique<Dialog>(*this, plugin, name ? name : "",
                                         templateId, style, *parsed, modal);
  dialog->userData = userData;
  const int w = dialog->bounds.right, h = dialog->bounds.bottom;
  // Modal dialogs open in the middle of the screen, palettes near its top
  // left until the plug-in places them.
  int left = modal ? (screen_.right - w) / 2 : 100;
  int top = modal ? (screen_.bottom - h) / 2 : 100;
  dialog->bounds = {left, top, left + w, top + h};
  return dialog;
}

int32_t DialogManager::RunModal(SPPluginRef plugin, const char* name,
                                int32_t templateId, int32_t style,
                                ADMDialogInitProc init, void* userData) {
  auto made = Make(plugin, name, templateId, style, true, userData);
  if (!made) return -1;
  Dialog& dialog = *made;
  dialogs_.push_back(std::move(made));
  VX_LOG(host_, "modal dialog " << templateId << " \"" << dialog.name()
                                << "\" opens");
  dialog.initProc = init;
  modalStack_.push_back(&dialog);
  if (init) {
    if (ASErr err = init(RefOf<ADMDialogRef>(&dialog))) {
      VX_LOG(host_, "  init failed: " << err);
      modalStack_.pop_back();
      Destroy(dialog);
      return -1;
    }
  }
  if (!dialog.ended) {
    dialog.visible = true;
    dialog.active = true;
    NotifyDialog(dialog, kADMShowWindowNotifier);
    Paint(dialog);
    DialogDriver driver(*this, dialog);
    agent().RunModal(driver);
    if (!dialog.ended) {
      // The user walked away: the dialog is cancelled as by its cancel
      // button, and closed even when the plug-in does not end it then.
      VX_LOG(host_, "  left open by the user: cancelled");
      if (Item* cancel = dialog.GetItem(dialog.cancelItem);
          cancel && cancel->visible && cancel->enabled)
        NotifyItem(*cancel, kADMUserChangedNotifier);
      if (!dialog.ended) EndModal(dialog, dialog.cancelItem);
    }
  }
  modalStack_.pop_back();
  const int32_t result = dialog.modalResult;
  VX_LOG(host_, "modal dialog " << templateId << " ends with item " << result);
  dialog.visible = false;
  Destroy(dialog);
  return result;
}

Dialog* DialogManager::CreatePalette(SPPluginRef plugin, const char* name,
                                     int32_t templateId, int32_t style,
                                     ADMDialogInitProc init, void* userData) {
  auto made = Make(plugin, name, templateId, style, false, userData);
  if (!made) return nullptr;
  Dialog& dialog = *made;
  dialogs_.push_back(std::move(made));
  VX_LOG(host_, "palette " << templateId << " \"" << dialog.name()
                           << "\" created");
  dialog.initProc = init;
  if (init) {
    if (ASErr err = init(RefOf<ADMDialogRef>(&dialog))) {
      VX_LOG(host_, "  init failed: " << err);
      Destroy(dialog);
      return nullptr;
    }
  }
  return &dialog;
}

void DialogManager::Destroy(Dialog& dialog) {
  if (dialog.destroying) return;
  if (std::find(modalStack_.begin(), modalStack_.end(), &dialog) !=
      modalStack_.end()) {
    // A running modal dialog is closed by its loop, not from under it.
    if (!dialog.ended) EndModal(dialog, dialog.cancelItem);
    return;
  }
  dialog.destroying = true;
  if (dialog.destroyProc) dialog.destroyProc(RefOf<ADMDialogRef>(&dialog));
  Forget(dialog);
}

void DialogManager::Forget(Dialog& dialog) {
  auto it = std::find_if(dialogs_.begin(), dialogs_.end(),
                         [&](const auto& d) { return d.get() == &dialog; });
  if (it != dialogs_.end()) dialogs_.erase(it);
}

void DialogManager::EndModal(Dialog& dialog, int32_t itemId) {
  if (!dialog.modal() || dialog.ended) return;
  dialog.ended = true;
  dialog.modalResult = itemId;
}

std::vector<Dialog*> DialogManager::Dialogs() const {
  std::vector<Dialog*> out;
  for (const auto& d : dialogs_) out.push_back(d.get());
  return out;
}

Dialog* DialogManager::DialogNamed(std::string_view name) const {
  for (const auto& d : dialogs_)
    if (d->name() == name) return d.get();
  return nullptr;
}

Dialog* DialogManager::DialogWithTemplate(int32_t templateId) const {
  for (const auto& d : dialogs_)
    if (d->templateId() == templateId) return d.get();
  return nullptr;
}

Dialog* DialogManager::CurrentModal() const {
  return modalStack_.empty() ? nullptr : modalStack_.back();
}

// ---- what the user sees ------------------------------------------------------
void DialogManager::Show(Dialog& dialog, bool show) {
  if (dialog.visible == show) return;
  dialog.visible = show;
  NotifyDialog(dialog, show ? kADMShowWindowNotifier : kADMHideWindowNotifier);
  if (show && Find(RefOf<ADMDialogRef>(&dialog))) {
    dialog.needsFullPaint = true;
    Paint(dialog);
  }
}

void DialogManager::SetBounds(Dialog& dialog, const ASRect& bounds) {
  const ASRect old = dialog.bounds;
  if (old.left == bounds.left && old.top == bounds.top &&
      old.right == bounds.right && old.bottom == bounds.bottom)
    return;
  dialog.bounds = bounds;
  const int w = std::clamp(bounds.right - bounds.left, 1, 4096);
  const int h = std::clamp(bounds.bottom - bounds.top, 1, 4096);
  if (w != dialog.raster().width() || h != dialog.raster().height()) {
    dialog.raster() = Raster(w, h, Drawer::kBackground);
    dialog.needsFullPaint = true;
  }
  // A bounds handler that moves the window again is not told about it again.
  if (notifyingBounds_) return;
  notifyingBounds_ = true;
  NotifyDialog(dialog, kADMBoundsChangedNotifier);
  notifyingBounds_ = false;
}

void DialogManager::Paint(Dialog& dialog) {
  if (!agent().Watching() || !dialog.visible || dialog.destroying) return;
  const ADMDialogRef ref = RefOf<ADMDialogRef>(&dialog);
  const bool full = dialog.needsFullPaint;
  dialog.needsFullPaint = false;
  Raster& raster = dialog.raster();
  if (full) {
    raster.Fill(Drawer::kBackground);
    if (dialog.drawProc) {
      DrawSession session{Drawer(raster, LocalRect(dialog.bounds)), dialog.plugin()};
      Live(&session, Kind::Drawer, true);
      dialog.drawProc(ref, RefOf<ADMDrawerRef>(&session));
      Live(&session, Kind::Drawer, false);
      if (!Find(ref)) return;
    }
  }
  for (Item* item : dialog.Items()) {
    if (!item->visible || (!full && !item->dirty)) continue;
    DrawSession session{Drawer(raster, item->bounds), dialog.plugin()};
    if (!full) session.drawer.ClearRect(session.drawer.LocalBounds());
    item->dirty = false;
    Live(&session, Kind::Drawer, true);
    if (item->drawProc)
      item->drawProc(RefOf<ADMItemRef>(item), RefOf<ADMDrawerRef>(&session));
    else
      DefaultDraw(*item, RefOf<ADMDrawerRef>(&session));
    Live(&session, Kind::Drawer, false);
    if (!Find(ref)) return;  // a draw procedure closed the dialog
  }
  ++dialog.paints;
}

void DialogManager::PaintVisible() {
  for (Dialog* dialog : Dialogs())
    if (Find(RefOf<ADMDialogRef>(dialog)) && dialog->visible) Paint(*dialog);
}

void DialogManager::NotifyItem(Item& item, const char* type) {
  Notification n{&item, &item.dialog(), type};
  Live(&n, Kind::Notifier, true);
  if (item.notifyProc)
    item.notifyProc(RefOf<ADMItemRef>(&item), RefOf<ADMNotifierRef>(&n));
  else
    DefaultNotify(item, type);
  Live(&n, Kind::Notifier, false);
}

void DialogManager::NotifyDialog(Dialog& dialog, const char* type) {
  if (!dialog.notifyProc) return;
  Notification n{nullptr, &dialog, type};
  Live(&n, Kind::Notifier, true);
  dialog.notifyProc(RefOf<ADMDialogRef>(&dialog), RefOf<ADMNotifierRef>(&n));
  Live(&n, Kind::Notifier, false);
}

void DialogManager::DefaultNotify(Item& item, const char* type) {
  Dialog& dialog = item.dialog();
  if (type && std::string_view(type) == kADMUserChangedNotifier &&
      dialog.modal() &&
      (item.id() == dialog.defaultItem || item.id() == dialog.cancelItem))
    EndModal(dialog, item.id());
}

bool DialogManager::Track(Item& item, ASPoint point, int32_t action,
                          uint32_t modifiers, bool* aborted) {
  TrackSession t{&item, point, action, modifiers};
  Live(&t, Kind::Tracker, true);
  bool notify = item.trackProc
                    ? item.trackProc(RefOf<ADMItemRef>(&item),
                                     RefOf<ADMTrackerRef>(&t)) != 0
                    : DefaultTrack(item, point, action, modifiers);
  Live(&t, Kind::Tracker, false);
  if (aborted) *aborted = t.aborted;
  return notify;
}

int32_t DialogManager::ListRowAt(int y) {
  return y < kListMargin ? -1 : (y - kListMargin) / font::kLineHeight;
}

int DialogManager::ListRowMiddle(int32_t row) {
  return kListMargin + row * font::kLineHeight + font::kLineHeight / 2;
}

bool DialogManager::DefaultTrack(Item& item, ASPoint point, int32_t action,
                                 uint32_t modifiers) {
  if (item.kind() == ItemKind::ListBox && action == kADMMouseDownAction) {
    List& list = *item.list();
    if (Entry* entry = list.At(ListRowAt(point.v));
        entry && !entry->separator && entry->enabled) {
      if (modifiers & (kADMShiftKeyModifier | kADMMenuKeyModifier)) {
        list.Select(*entry, true);
      } else {
        for (int32_t i = 0; i < list.Count(); ++i) list.At(i)->selected = false;
        entry->selected = true;
        list.SetActive(entry);
      }
    }
  }
  if (item.kind() == ItemKind::Slider) {
    // The knob follows the pointer across the item's width.
    const int width = item.bounds.right - item.bounds.left;
    double t = width > 1 ? double(point.h) / double(width - 1) : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    item.SetValue(item.min() + t * (item.max() - item.min()));
  }
  return action == kADMMouseUpAction || action == kADMMouseDownAction ||
         action == kADMMouseMovedDownAction;
}

void DialogManager::DefaultDraw(Item& item, ADMDrawerRef ref) {
  DrawSession* session = Find(ref);
  if (!session) return;
  Drawer& d = session->drawer;
  const ASRect r = d.LocalBounds();
  const int w = r.right, h = r.bottom;
  const ADMRGBColor ink = item.enabled ? 0x000000 : 0x808080;
  const int baseline = std::min(h - 1, (h + font::kAscent) / 2);
  const int32_t savedMode = d.mode();
  d.SetMode(kADMNormalMode);
  d.SetColor(ink);
  auto picture = [&](int32_t id) {
    if (auto image = Picture(session->plugin, id)) d.Picture(*image, {0, 0});
  };
  switch (item.kind()) {
    case ItemKind::Button:
    case ItemKind::DefaultButton:
    case ItemKind::CancelButton: {
      d.Rect(r);
      if (item.id() == item.dialog().defaultItem) d.Rect({1, 1, w - 1, h - 1});
      const std::string text = item.Text();
      d.Text(text, {(w - font::TextWidth(text)) / 2, baseline});
      break;
    }
    case ItemKind::StaticText:
      d.Text(item.Text(), {0, std::min(h - 1, font::kAscent + 1)});
      break;
    case ItemKind::MultilineText:
      d.TextInBox(r, item.Text());
      break;
    case ItemKind::EditText:
    case ItemKind::EditInt:
    case ItemKind::EditReal:
    case ItemKind::SpinEdit:
    case ItemKind::SpinEditPopup:
    case ItemKind::TextPopup:
      d.SetColor(0xFFFFFF);
      d.FillRect(r);
      d.SetColor(ink);
      d.Rect(r);
      d.Text(item.Text() + (item.units.empty() ? "" : " " + item.units),
             {3, baseline});
      break;
    case ItemKind::PopupList:
    case ItemKind::PopupMenu:
      d.Rect(r);
      d.Text(item.Text(), {3, baseline});
      d.Line({w - 10, h / 2 - 2}, {w - 3, h / 2 - 2});  // the popup's arrow
      d.Line({w - 9, h / 2 - 1}, {w - 4, h / 2 - 1});
      d.Line({w - 8, h / 2}, {w - 5, h / 2});
      break;
    case ItemKind::ListBox: {
      d.SetColor(0xFFFFFF);
      d.FillRect(r);
      d.SetColor(ink);
      d.Rect(r);
      List& list = *item.list();
      for (int32_t i = 0; i < list.Count(); ++i) {
        const Entry& e = *list.At(i);
        const int top = ListRowMiddle(i) - font::kLineHeight / 2;
        if (top + font::kLineHeight > h) break;
        if (e.selected) {
          d.SetColor(0x800000);
          d.FillRect({1, top, w - 1, top + font::kLineHeight});
          d.SetColor(0xFFFFFF);
        }
        d.Text(e.text, {3, top + font::kAscent + 1});
        d.SetColor(ink);
      }
      break;
    }
    case ItemKind::Checkbox:
      d.Rect({0, (h - 10) / 2, 10, (h - 10) / 2 + 10});
      if (item.BooleanValue()) {
        d.Line({2, (h - 10) / 2 + 2}, {8, (h - 10) / 2 + 8});
        d.Line({7, (h - 10) / 2 + 2}, {1, (h - 10) / 2 + 8});
      }
      d.Text(item.Text(), {14, baseline});
      break;
    case ItemKind::Radio:
      d.Oval({0, (h - 10) / 2, 10, (h - 10) / 2 + 10});
      if (item.BooleanValue()) d.FillOval({3, (h - 10) / 2 + 3, 7, (h - 10) / 2 + 7});
      d.Text(item.Text(), {14, baseline});
      break;
    case ItemKind::Picture:
    case ItemKind::PictureButton:
    case ItemKind::PictureCheck:
    case ItemKind::PictureRadio:
      picture(item.pictureId);
      if ((IsToggle(item.kind()) || IsRadio(item.kind())) && item.BooleanValue())
        d.Rect(r);  // a pressed picture button shows its frame
      break;
    case ItemKind::Slider: {
      d.Line({0, h / 2}, {w, h / 2});
      const double span = item.max() - item.min();
      const double t = span > 0 ? (item.Value() - item.min()) / span : 0.0;
      const int x = int(std::lround(t * (w - 1)));
      d.FillRect({x - 2, 0, x + 3, h});
      break;
    }
    case ItemKind::Frame:
      d.Rect(r);
      break;
    case ItemKind::Separator:
      if (w >= h) d.Line({0, h / 2}, {w, h / 2});
      else d.Line({w / 2, 0}, {w / 2, h});
      break;
    case ItemKind::User:
      break;
  }
  d.SetMode(savedMode);
}

// ---- alerts ----------------------------------------------------------------
void DialogManager::ShowAlert(Alert::Kind kind, std::string text) {
  VX_LOG(host_, (kind == Alert::Kind::Error ? "error alert \"" : "message alert \"")
                    << text << "\"");
  alerts_.push_back({kind, std::move(text), true});
  if (onAlert) onAlert(alerts_.back());
}

bool DialogManager::AskYesNo(std::string text) {
  const bool yes = agent().AnswerYesNo(text);
  VX_LOG(host_, "yes/no alert \"" << text << "\" -> " << (yes ? "yes" : "no"));
  alerts_.push_back({Alert::Kind::YesNo, std::move(text), yes});
  if (onAlert) onAlert(alerts_.back());
  return yes;
}

std::optional<AIColor> DialogManager::PickColour(const std::string& message,
                                                const AIColor& current) {
  std::optional<AIColor> colour;
  std::swap(colour, pendingColour);
  if (!colour) colour = agent().ChooseColour(message, current);
  VX_LOG(host_, "colour picker \"" << message << "\" -> "
                                    << (colour ? FormatColourText(*colour) : "(cancelled)"));
  return colour;
}

// ---- resources ---------------------------------------------------------------
const PluginModule* DialogManager::ModuleOf(SPPluginRef plugin) const {
  return plugin && plugin == host_.pluginRef() ? host_.plugin() : nullptr;
}

std::optional<std::string_view> DialogManager::Resource(SPPluginRef plugin,
                                                        uint32_t type,
                                                        int32_t id) const {
  const PluginModule* module = ModuleOf(plugin);
  if (!module) return std::nullopt;
  const VxResource* found = module->FindResource(type, id);
  if (!found || !found->data) return std::nullopt;
  return std::string_view(static_cast<const char*>(found->data), found->size);
}

std::string DialogManager::IndexString(SPPluginRef plugin, int32_t tableId,
                                       int32_t index) const {
  auto text = Resource(plugin, kVxStringResource, tableId + index);
  return text ? std::string(*text) : std::string();
}

std::vector<std::string> DialogManager::Menu(SPPluginRef plugin,
                                             int32_t menuId) const {
  auto text = Resource(plugin, kVxMenuResource, menuId);
  return text ? MenuLines(*text) : std::vector<std::string>{};
}

std::optional<Image> DialogManager::Picture(SPPluginRef plugin,
                                            int32_t pictureId) const {
  auto text = Resource(plugin, kVxPictureResource, pictureId);
  return text ? ParseImage(*text) : std::nullopt;
}

// ---- icons -------------------------------------------------------------------
Icon* DialogManager::LoadIcon(SPPluginRef plugin, int32_t iconId) {
  auto icon = std::make_unique<Icon>();
  icon->id = iconId;
  if (auto text = Resource(plugin, kVxIconResource, iconId))
    if (auto image = ParseImage(*text)) icon->image = std::move(*image);
  icons_.push_back(std::move(icon));
  Live(icons_.back().get(), Kind::Icon, true);
  return icons_.back().get();
}

void DialogManager::DestroyIcon(Icon* icon) {
  auto it = std::find_if(icons_.begin(), icons_.end(),
                         [&](const auto& i) { return i.get() == icon; });
  if (it == icons_.end()) return;
  Live(icon, Kind::Icon, false);
  icons_.erase(it);
}

// ---- references ----------------------------------------------------------------
void DialogManager::Live(const void* object, Kind kind, bool alive) {
  if (alive) live_[object] = kind;
  else live_.erase(object);
}

namespace {
template <typename T>
T* Lookup(const std::unordered_map<const void*, DialogManager::Kind>& live,
          const void* ref, DialogManager::Kind kind) {
  auto it = live.find(ref);
  return it != live.end() && it->second == kind
             ? static_cast<T*>(const_cast<void*>(ref))
             : nullptr;
}
}  // namespace

Dialog* DialogManager::Find(ADMDialogRef ref) const {
  return Lookup<Dialog>(live_, ref, Kind::Dialog);
}
Item* DialogManager::Find(ADMItemRef ref) const {
  return Lookup<Item>(live_, ref, Kind::Item);
}
List* DialogManager::Find(ADMListRef ref) const {
  return Lookup<List>(live_, ref, Kind::List);
}
Entry* DialogManager::Find(ADMEntryRef ref) const {
  return Lookup<Entry>(live_, ref, Kind::Entry);
}
DrawSession* DialogManager::Find(ADMDrawerRef ref) const {
  return Lookup<DrawSession>(live_, ref, Kind::Drawer);
}
TrackSession* DialogManager::Find(ADMTrackerRef ref) const {
  return Lookup<TrackSession>(live_, ref, Kind::Tracker);
}
Notification* DialogManager::Find(ADMNotifierRef ref) const {
  return Lookup<Notification>(live_, ref, Kind::Notifier);
}
Icon* DialogManager::Find(ADMIconRef ref) const {
  return Lookup<Icon>(live_, ref, Kind::Icon);
}

}  // namespace vx::host::adm

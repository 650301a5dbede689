#include "host/adm/dialog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "host/adm/dialog_manager.h"

namespace vx::host::adm {

namespace {
DialogManager& ManagerOf(Item& item) { return item.dialog().manager(); }
constexpr double kNoLimit = 1e30;
}  // namespace

// ---- entries and lists -------------------------------------------------------
Entry::Entry(List& list) : list_(list) {
  ManagerOf(list.item()).Live(this, DialogManager::Kind::Entry, true);
}
Entry::~Entry() {
  ManagerOf(list_.item()).Live(this, DialogManager::Kind::Entry, false);
}

List::List(Item& item) : item_(item) {
  ManagerOf(item).Live(this, DialogManager::Kind::List, true);
}
List::~List() {
  Clear();
  ManagerOf(item_).Live(this, DialogManager::Kind::List, false);
}

bool List::multiple() const { return item_.kind() == ItemKind::ListBox; }

Entry& List::Insert(int32_t index) {
  if (index < 0 || index > Count()) index = Count();
  auto entry = std::make_unique<Entry>(*this);
  entry->id = index;
  Entry& made = *entry;
  entries_.insert(entries_.begin() + index, std::move(entry));
  item_.Invalidate();
  return made;
}

void List::Remove(int32_t index) {
  if (index < 0 || index >= Count()) return;
  if (active_ == entries_[size_t(index)].get()) active_ = nullptr;
  entries_.erase(entries_.begin() + index);
  item_.Invalidate();
}

void List::Clear() {
  active_ = nullptr;
  entries_.clear();
  item_.Invalidate();
}

Entry* List::At(int32_t index) const {
  return index >= 0 && index < Count() ? entries_[size_t(index)].get() : nullptr;
}

Entry* List::WithID(int32_t id) const {
  for (const auto& e : entries_)
    if (e->id == id) return e.get();
  return nullptr;
}

int32_t List::IndexOf(const Entry& entry) const {
  for (size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].get() == &entry) return int32_t(i);
  return -1;
}

void List::SetActive(Entry* entry) {
  active_ = entry;
  if (entry && !multiple()) Select(*entry, true);
  item_.Invalidate();
}

void List::Select(Entry& entry, bool select) {
  if (select && !multiple()) {
    for (auto& e : entries_) e->selected = false;
    active_ = &entry;
  }
  entry.selected = select;
  item_.Invalidate();
}

void List::SetMenu(int32_t menuId, const std::vector<std::string>& lines) {
  Clear();
  menuId_ = menuId;
  for (const std::string& line : lines) {
    Entry& e = Insert(Count());
    e.text = line;
    e.separator = line == "-";
  }
}

// ---- items -------------------------------------------------------------------
Item::Item(Dialog& dialog, const ItemTemplate& from)
    : dialog_(dialog),
      id_(from.id),
      kind_(from.kind),
      min_(-kNoLimit),
      max_(kNoLimit) {
  dialog.manager().Live(this, DialogManager::Kind::Item, true);
  bounds = from.bounds;
  if (HasList(kind_)) list_ = std::make_unique<List>(*this);
  if (auto v = from.Number("min")) min_ = *v;
  if (auto v = from.Number("max")) max_ = *v;
  if (auto v = from.Number("precision")) precision = int32_t(*v);
  else if (kind_ == ItemKind::EditReal) precision = 2;
  if (auto v = from.Number("picture")) pictureId = int32_t(*v);
  if (auto v = from.Number("group")) group = int32_t(*v);
  if (auto v = from.Number("hidden")) visible = *v == 0;
  if (auto v = from.Number("disabled")) enabled = *v == 0;
  if (auto it = from.options.find("units"); it != from.options.end())
    units = it->second;
  if (auto v = from.Number("menu"); v && list_)
    list_->SetMenu(int32_t(*v), dialog.manager().Menu(dialog.plugin(), int32_t(*v)));
  if (IsNumeric(kind_)) {
    value_ = std::clamp(from.Number("value").value_or(0.0), min_, max_);
  } else {
    text_ = from.text;
    if (auto v = from.Number("value")) SetValue(*v);
  }
}

Item::~Item() {
  list_.reset();
  dialog_.manager().Live(this, DialogManager::Kind::Item, false);
}

std::string Item::FormatValue() const {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(precision, 0, 9),
                value_);
  std::string out = buffer;
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  if (out == "-0") out = "0";
  return out;
}

std::string Item::Text() const {
  if (IsNumeric(kind_)) return FormatValue();
  if (list_ && kind_ != ItemKind::TextPopup && list_->Active() &&
      kind_ != ItemKind::PopupMenu)
    return list_->Active()->text;
  return text_;
}

void Item::SetText(std::string text) {
  if (maxTextLength >= 0 && text.size() > size_t(maxTextLength))
    text.resize(size_t(maxTextLength));
  if (IsNumeric(kind_)) {
    const char* b = text.data();
    const char* e = b + text.size();
    while (b < e && *b == ' ') ++b;
    if (b < e && *b == '+') ++b;
    double number = 0;
    auto [stop, ec] = std::from_chars(b, e, number, std::chars_format::fixed);
    if (ec == std::errc() && stop != b) SetValue(number);
    return;
  }
  text_ = std::move(text);
  Invalidate();
}

double Item::Value() const {
  if (list_ && kind_ != ItemKind::SpinEditPopup) {
    Entry* active = list_->Active();
    return active ? list_->IndexOf(*active) : -1;
  }
  return value_;
}

void Item::SetValue(double value) {
  if (!std::isfinite(value)) return;
  if (list_ && kind_ != ItemKind::SpinEditPopup) {
    list_->SetActive(list_->At(int32_t(value)));
    return;
  }
  if (IsNumeric(kind_)) value = std::clamp(value, min_, max_);
  if (IsRadio(kind_) && value != 0) {
    SetBooleanValue(true);
    return;
  }
  value_ = value;
  Invalidate();
}

void Item::SetBooleanValue(bool on) {
  if (IsRadio(kind_) && on)
    for (Item* other : dialog_.Items())
      if (other != this && IsRadio(other->kind()) && other->group == group &&
          other->value_ != 0) {
        other->value_ = 0;
        other->Invalidate();
      }
  value_ = on ? 1 : 0;
  Invalidate();
}

void Item::SetMin(double min) {
  min_ = min;
  if (max_ < min_) max_ = min_;
  if (IsNumeric(kind_)) SetValue(value_);
}

void Item::SetMax(double max) {
  max_ = max;
  if (min_ > max_) min_ = max_;
  if (IsNumeric(kind_)) SetValue(value_);
}

void Item::Invalidate() { dirty = true; }

// ---- dialogs -----------------------------------------------------------------
Dialog::Dialog(DialogManager& manager, SPPluginRef plugin, std::string name,
               int32_t templateId, int32_t style, const DialogTemplate& from,
               bool modal)
    : manager_(manager),
      plugin_(plugin),
      name_(std::move(name)),
      templateId_(templateId),
      style_(style),
      modal_(modal),
      raster_(std::clamp(from.width, 1, 4096), std::clamp(from.height, 1, 4096)) {
  manager.Live(this, DialogManager::Kind::Dialog, true);
  title = from.title;
  bounds = {0, 0, raster_.width(), raster_.height()};
  for (const ItemTemplate& t : from.items)
    items_.push_back(std::make_unique<Item>(*this, t));
}

Dialog::~Dialog() {
  menuItem_.reset();
  items_.clear();
  manager_.Live(this, DialogManager::Kind::Dialog, false);
}

Item* Dialog::GetItem(int32_t id) const {
  if (id == kADMMenuItemID) return menuItem_.get();
  for (const auto& item : items_)
    if (item->id() == id) return item.get();
  return nullptr;
}

std::vector<Item*> Dialog::Items() const {
  std::vector<Item*> out;
  for (const auto& item : items_) out.push_back(item.get());
  return out;
}

Item& Dialog::MenuItem() {
  if (!menuItem_) {
    ItemTemplate t;
    t.id = kADMMenuItemID;
    t.kind = ItemKind::PopupMenu;
    menuItem_ = std::make_unique<Item>(*this, t);
    menuItem_->visible = false;  // drawn by the window frame, not the raster
  }
  return *menuItem_;
}

}  // namespace vx::host::adm

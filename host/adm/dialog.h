// Dialogs and palettes as the headless dialog manager keeps them: each
// item's state (kind, bounds, text, value, range, enabled, visible,
// pictures, style, list entries, procedures and user data) and the raster
// the dialog is painted into. References given to the plug-in are the
// addresses of these objects; the dialog manager knows which are alive.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/adm/dialog_template.h"
#include "host/adm/raster.h"
#include "vx_sdk.h"

namespace vx::host::adm {

class Dialog;
class DialogManager;
class Item;
class List;

class Entry {
 public:
  explicit Entry(List& list);
  ~Entry();
  Entry(const Entry&) = delete;
  Entry& operator=(const Entry&) = delete;

  List& list() { return list_; }
  int32_t id = 0;
  std::string text;
  bool selected = false;
  bool enabled = true;
  bool checked = false;
  bool separator = false;
  int32_t pictureId = 0;

 private:
  List& list_;
};

class List {
 public:
  explicit List(Item& item);
  ~List();
  List(const List&) = delete;
  List& operator=(const List&) = delete;

  Item& item() { return item_; }
  // Single-choice lists (popups) keep one selected entry, the active one;
  // list boxes may select several.
  bool multiple() const;

  Entry& Insert(int32_t index);  // index past the end (or < 0) appends
  void Remove(int32_t index);
  void Clear();
  int32_t Count() const { return int32_t(entries_.size()); }
  Entry* At(int32_t index) const;
  Entry* WithID(int32_t id) const;
  int32_t IndexOf(const Entry& entry) const;
  Entry* Active() const { return active_; }
  void SetActive(Entry* entry);
  void Select(Entry& entry, bool select);
  // Fills the list from a menu's lines; ids are the positions.
  void SetMenu(int32_t menuId, const std::vector<std::string>& lines);
  int32_t menuId() const { return menuId_; }

 private:
  Item& item_;
  std::vector<std::unique_ptr<Entry>> entries_;
  Entry* active_ = nullptr;
  int32_t menuId_ = 0;
};

class Item {
 public:
  Item(Dialog& dialog, const ItemTemplate& from);
  ~Item();
  Item(const Item&) = delete;
  Item& operator=(const Item&) = delete;

  Dialog& dialog() { return dialog_; }
  const Dialog& dialog() const { return dialog_; }
  int32_t id() const { return id_; }
  ItemKind kind() const { return kind_; }
  List* list() { return list_.get(); }

  // ---- text and value --------------------------------------------------
  // A number item's text is its value written with its precision; setting
  // its text reads the number (text without a number leaves the value).
  std::string Text() const;
  void SetText(std::string text);
  int32_t maxTextLength = 255;
  double Value() const;
  void SetValue(double value);  // clamped to the range of number items
  bool BooleanValue() const { return Value() != 0; }
  void SetBooleanValue(bool on);  // radio buttons turn their group off
  void SetMin(double min);
  void SetMax(double max);
  double min() const { return min_; }
  double max() const { return max_; }
  int32_t precision = 0;
  std::string units;

  // ---- looks -------------------------------------------------------------
  ASRect bounds{};  // in dialog coordinates
  bool enabled = true;
  bool visible = true;
  int32_t style = 0;
  int32_t pictureId = 0;
  std::string pictureName;
  int32_t group = 0;  // radio group

  // ---- the plug-in's procedures ----------------------------------------
  ADMItemNotifyProc notifyProc = nullptr;
  ADMItemDrawProc drawProc = nullptr;
  ADMItemTrackProc trackProc = nullptr;
  void* userData = nullptr;

  // Painting: a changed item is painted again at the next paint.
  void Invalidate();
  bool dirty = true;

 private:
  std::string FormatValue() const;

  Dialog& dialog_;
  int32_t id_;
  ItemKind kind_;
  std::string text_;
  double value_ = 0;
  double min_, max_;
  std::unique_ptr<List> list_;
};

class Dialog {
 public:
  Dialog(DialogManager& manager, SPPluginRef plugin, std::string name,
         int32_t templateId, int32_t style, const DialogTemplate& from,
         bool modal);
  ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  DialogManager& manager() { return manager_; }
  SPPluginRef plugin() const { return plugin_; }
  const std::string& name() const { return name_; }
  int32_t templateId() const { return templateId_; }
  int32_t style() const { return style_; }
  bool modal() const { return modal_; }

  Item* GetItem(int32_t id) const;
  std::vector<Item*> Items() const;
  // The palette's own menu (kADMMenuItemID), made on first use.
  Item& MenuItem();

  std::string title;
  ASRect bounds{};  // screen coordinates
  bool visible = false;
  bool active = false;
  bool collapsed = false;
  void* userData = nullptr;
  int32_t defaultItem = kADMDefaultItemID;
  int32_t cancelItem = kADMCancelItemID;
  std::string groupName;  // docking group
  int32_t groupCode = 0;

  ADMDialogNotifyProc notifyProc = nullptr;
  ADMDialogDestroyProc destroyProc = nullptr;
  ADMDialogDrawProc drawProc = nullptr;
  ADMDialogInitProc initProc = nullptr;

  // Modal state.
  bool ended = false;
  int32_t modalResult = 0;
  bool destroying = false;

  // Painting.
  Raster& raster() { return raster_; }
  bool needsFullPaint = true;
  int paints = 0;  // how many times the dialog was painted (tests)

 private:
  DialogManager& manager_;
  SPPluginRef plugin_;
  std::string name_;
  int32_t templateId_;
  int32_t style_;
  bool modal_;
  std::vector<std::unique_ptr<Item>> items_;
  std::unique_ptr<Item> menuItem_;
  Raster raster_;
};

}  // namespace vx::host::adm

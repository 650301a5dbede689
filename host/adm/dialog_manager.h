// The headless dialog manager: makes dialogs and palettes from the
// plug-in's templates, runs modal dialogs with a user agent acting on them,
// records alerts, keeps icons, and calls the plug-in's init, notify, draw,
// track and destroy procedures when a real dialog manager would.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/adm/dialog.h"
#include "host/adm/drawer.h"
#include "host/adm/image.h"
#include "vx_sdk.h"

namespace vx::host {
class Host;
class PluginModule;
}  // namespace vx::host

namespace vx::host::adm {

class UserAgent;

struct Alert {
  enum class Kind { Error, Message, YesNo };
  Kind kind = Kind::Message;
  std::string text;
  bool answer = true;  // what the user answered a yes/no alert
};

struct Icon {
  int32_t id = 0;
  Image image;
};

// What ADMDrawerRef, ADMTrackerRef and ADMNotifierRef point at while the
// plug-in's draw, track or notify procedure runs.
struct DrawSession {
  Drawer drawer;
  SPPluginRef plugin;
};
struct TrackSession {
  Item* item;
  ASPoint point;
  int32_t action;
  uint32_t modifiers;
  bool aborted = false;
};
struct Notification {
  Item* item;      // null for a dialog's notification
  Dialog* dialog;
  std::string type;
};

class DialogManager {
 public:
  explicit DialogManager(Host& host);
  // Dialogs still open are dropped without calling the plug-in (which has
  // shut down by then).
  ~DialogManager();
  DialogManager(const DialogManager&) = delete;
  DialogManager& operator=(const DialogManager&) = delete;

  Host& host() { return host_; }

  // ---- the user ------------------------------------------------------------
  // Who acts on modal dialogs; null restores the default agent, which
  // presses the default button. The agent must outlive its use.
  void SetAgent(UserAgent* agent);
  UserAgent& agent();
  // The name users give an item of a dialog (made from template
  // dialogTemplate), or null: the name the program's user actions accept,
  // so that a message about an item says "Apply", not its number. The host
  // knows no names; the program installs them.
  const char* (*itemNames)(int32_t dialogTemplate, int32_t item) = nullptr;

  // ---- dialogs --------------------------------------------------------------
  // Runs a modal dialog: init, the agent, until EndModal; answers the id of
  // the item that ended it, or -1 when the dialog could not be made or its
  // init failed.
  int32_t RunModal(SPPluginRef plugin, const char* name, int32_t templateId,
                   int32_t style, ADMDialogInitProc init, void* userData);
  // Makes a palette, hidden, and runs its init; null on failure.
  Dialog* CreatePalette(SPPluginRef plugin, const char* name,
                        int32_t templateId, int32_t style,
                        ADMDialogInitProc init, void* userData);
  // Calls the destroy procedure, then forgets the dialog.
  void Destroy(Dialog& dialog);
  void EndModal(Dialog& dialog, int32_t itemId);

  std::vector<Dialog*> Dialogs() const;  // in creation order
  Dialog* DialogNamed(std::string_view name) const;
  Dialog* DialogWithTemplate(int32_t templateId) const;
  Dialog* CurrentModal() const;  // the innermost running modal dialog

  // ---- what the user sees and does ----------------------------------------
  void Show(Dialog& dialog, bool show);  // notifies show / hide
  void SetBounds(Dialog& dialog, const ASRect& bounds);  // notifies bounds
  // Paints what changed (everything after a full invalidation): the
  // dialog's draw procedure, then each visible item's, or its default look.
  void Paint(Dialog& dialog);
  // Paints every visible dialog that has changed (after each user action).
  void PaintVisible();
  // Sends a notification to the item: its notify procedure, or the default
  // handling (which ends a modal dialog from its default or cancel button).
  void NotifyItem(Item& item, const char* type);
  void NotifyDialog(Dialog& dialog, const char* type);
  void DefaultNotify(Item& item, const char* type);
  // A mouse event in an item; answers whether a notification should follow.
  bool Track(Item& item, ASPoint point, int32_t action, uint32_t modifiers,
             bool* aborted);
  // A slider's knob follows the pointer; a press in a list box selects the
  // entry in that row (Shift or Ctrl adds it to the selection).
  bool DefaultTrack(Item& item, ASPoint point, int32_t action,
                    uint32_t modifiers);
  // List boxes show one entry per row of font::kLineHeight pixels below a
  // margin of kListMargin: the row of a point and the middle of a row.
  static constexpr int kListMargin = 2;
  static int32_t ListRowAt(int y);
  static int ListRowMiddle(int32_t row);
  void DefaultDraw(Item& item, ADMDrawerRef drawer);

  // ---- alerts ---------------------------------------------------------------
  void ShowAlert(Alert::Kind kind, std::string text);
  bool AskYesNo(std::string text);
  // The colour picker: the colour a user action set aside for it
  // (DialogDriver::PickColour), else the agent's answer; nothing when
  // cancelled.
  std::optional<AIColor> PickColour(const std::string& message, const AIColor& current);
  // Taken by the next colour picker.
  std::optional<AIColor> pendingColour;
  const std::vector<Alert>& alerts() const { return alerts_; }
  const Alert* LastAlert() const { return alerts_.empty() ? nullptr : &alerts_.back(); }
  void ClearAlerts() { alerts_.clear(); }
  // Called for every alert as it is shown (the command line prints them).
  std::function<void(const Alert&)> onAlert;

  // ---- resources of the plug-in --------------------------------------------
  const PluginModule* ModuleOf(SPPluginRef plugin) const;
  // The text of resource (type, id), or null.
  std::optional<std::string_view> Resource(SPPluginRef plugin, uint32_t type,
                                           int32_t id) const;
  std::string IndexString(SPPluginRef plugin, int32_t tableId, int32_t index) const;
  std::vector<std::string> Menu(SPPluginRef plugin, int32_t menuId) const;
  std::optional<Image> Picture(SPPluginRef plugin, int32_t pictureId) const;

  // ---- icons ----------------------------------------------------------------
  Icon* LoadIcon(SPPluginRef plugin, int32_t iconId);
  void DestroyIcon(Icon* icon);
  size_t LiveIcons() const { return icons_.size(); }

  // ---- references handed to the plug-in -------------------------------------
  Dialog* Find(ADMDialogRef ref) const;
  Item* Find(ADMItemRef ref) const;
  List* Find(ADMListRef ref) const;
  Entry* Find(ADMEntryRef ref) const;
  DrawSession* Find(ADMDrawerRef ref) const;
  TrackSession* Find(ADMTrackerRef ref) const;
  Notification* Find(ADMNotifierRef ref) const;
  Icon* Find(ADMIconRef ref) const;

  // Modifier keys (kADM...KeyModifier) held during the current user action.
  uint32_t currentModifiers = 0;
  // The item a tracking drag holds the button down in (DialogDriver::
  // TrackValue, TrackDrag), or null; checked with Find before use.
  ADMItemRef trackingItem = nullptr;
  // Kept by the objects themselves as they are made and destroyed.
  enum class Kind { Dialog, Item, List, Entry, Drawer, Tracker, Notifier, Icon };
  void Live(const void* object, Kind kind, bool alive);

  ASRect screen() const { return screen_; }

 private:
  std::unique_ptr<Dialog> Make(SPPluginRef plugin, const char* name,
                               int32_t templateId, int32_t style, bool modal,
                               void* userData);
  void Forget(Dialog& dialog);

  Host& host_;
  std::unique_ptr<UserAgent> defaultAgent_;
  UserAgent* agent_ = nullptr;
  std::vector<std::unique_ptr<Dialog>> dialogs_;
  std::vector<Dialog*> modalStack_;
  std::vector<Alert> alerts_;
  std::vector<std::unique_ptr<Icon>> icons_;
  std::unordered_map<const void*, Kind> live_;
  ASRect screen_{0, 0, 1600, 1200};
  bool notifyingBounds_ = false;
};

}  // namespace vx::host::adm

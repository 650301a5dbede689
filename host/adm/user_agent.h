// The user, as the dialog manager sees one: a user agent decides what
// happens while a modal dialog runs (it gets the dialog after its init and
// acts on it through a DialogDriver), answers folder choosers and yes/no
// alerts. The same driver acts on floating palettes between messages.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "vx_sdk.h"

namespace vx::host::adm {

class Dialog;
class DialogManager;
class Item;

// What a user can do to a dialog. Each action reaches the plug-in the way
// the real dialog manager would deliver it ("ADM User Changed Notifier" to
// the item's notify procedure, mouse events to its track procedure) and
// answers "" or a message saying why it could not be done. An action is one
// undo step; on a palette, between messages, the host then updates the
// plug-in group art the action changed ("AI Notify Edits", "AI Update").
class DialogDriver {
 public:
  DialogDriver(DialogManager& manager, Dialog& dialog);

  Dialog& dialog() { return dialog_; }
  // A modal dialog that has been ended (EndModal).
  bool ended() const;

  // Types a number into a number item, moves a slider, or sets a check box
  // or radio button (non-zero = on); for a list, chooses entry int(value).
  std::string SetValue(int32_t itemId, double value);
  // Types text into an item.
  std::string SetText(int32_t itemId, const std::string& text);
  // Clicks a button, check box or radio button (or a user item, at its
  // centre).
  std::string Press(int32_t itemId, uint32_t modifiers = 0);
  // Chooses entry index of a list or popup (the palette's menu is item
  // kADMMenuItemID).
  std::string Choose(int32_t itemId, int32_t index, uint32_t modifiers = 0);
  // Double-clicks entry index of a list box: a click, then a second one
  // that carries kADMDoubleClickModifier.
  std::string DoubleClick(int32_t itemId, int32_t index,
                          uint32_t modifiers = 0);
  // Presses at the first point, moves through the others, releases at the
  // last; points in item coordinates.
  std::string Drag(int32_t itemId, const std::vector<ASPoint>& points,
                   uint32_t modifiers = 0);
  // While the user drags a slider's knob or in a user item (a dial) and
  // has not released the button yet: the first call presses, later ones
  // move with the button down, so the item's track procedure sees every
  // intermediate position. A slider's knob goes to the value. The next
  // SetValue or Drag on the same item moves there and releases.
  // With `live`, the plug-in is notified after the moves when the item's
  // track procedure asks for it (as it would be at the release), so that
  // what follows the item (Live Update) follows the hand.
  std::string TrackValue(int32_t itemId, double value, bool live = false);
  std::string TrackDrag(int32_t itemId, const std::vector<ASPoint>& points,
                        uint32_t modifiers = 0, bool live = false);
  // Presses an item that opens the colour picker and answers the picker
  // with colour; an item that opens none is an error.
  std::string PickColour(int32_t itemId, const AIColor& colour);
  // The palette's close box.
  std::string Close();
  // Moves / resizes the window as the user would.
  std::string SetBounds(const ASRect& bounds);

 private:
  // How messages name the item: "Apply", else "item 12".
  std::string ItemName(int32_t itemId) const;
  // The item when a user could act on it, else sets *error.
  Item* Usable(int32_t itemId, std::string* error);
  // Sends the track events of points to the item (a press first unless a
  // tracking drag of it is under way); answers whether the last asked for
  // a notification. *gone: the item went away or the tracker aborted.
  bool TrackPoints(Item& item, const std::vector<ASPoint>& points,
                   uint32_t modifiers, bool* gone);
  // Drag and TrackDrag: with `release`, the button goes up at the end.
  std::string DragItem(int32_t itemId, const std::vector<ASPoint>& points,
                       uint32_t modifiers, bool release, bool live = false);
  void AfterAction();

  DialogManager& manager_;
  Dialog& dialog_;
};

// The text form of an action on one item, for scripts written with the
// item names of the resource sources: ItemAction("press", kApply) is
// "press 37", ItemAction("set", kOffset, "=50") is "set 13=50".
inline std::string ItemAction(const char* verb, int32_t item, const std::string& rest = "") {
  return std::string(verb) + " " + std::to_string(item) + rest;
}

// One action of a script, in the text form "set 7=50", "text 2=Preset 1",
// "press 1", "press 4 alt", "choose 9=3", "choose menu=4 alt",
// "double 2=3", "drag 16=0,0:10,10 shift", "close", "bounds 10,10,200,300",
// "colour 16=#ff8000" (press 16 and choose that colour in the picker).
struct AgentAction {
  enum class Kind {
    SetValue, SetText, Press, Choose, Drag, Close, Bounds, DoubleClick, PickColour
  };
  Kind kind = Kind::Press;
  int32_t item = 0;
  double value = 0;
  std::string text;
  int32_t index = 0;
  std::vector<ASPoint> points;
  uint32_t modifiers = 0;
  ASRect bounds{};
  AIColor colour{};
};
std::optional<AgentAction> ParseAgentAction(const std::string& text,
                                            std::string* error);
// Carries out one action on the dialog; answers "" or why it failed.
std::string Perform(DialogDriver& driver, const AgentAction& action);
// The intermediate form of an action while the button is still down:
// "set" of a slider and "drag" (TrackValue, TrackDrag, `live` as there);
// any other action cannot be tracked.
std::string PerformTracking(DialogDriver& driver, const AgentAction& action,
                            bool live = false);

class UserAgent {
 public:
  virtual ~UserAgent() = default;
  // Acts on a modal dialog after its init. If the dialog is still open
  // when this returns, the dialog manager presses its cancel button.
  virtual void RunModal(DialogDriver& dialog) = 0;
  // Answers a folder chooser: the path, or nothing when cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& message);
  virtual bool AnswerYesNo(const std::string& text);
  // Answers the colour picker opened on current: the colour, or nothing
  // when cancelled (the default).
  virtual std::optional<AIColor> ChooseColour(const std::string& message,
                                              const AIColor& current);
  // Whether the user looks at the screen: while not, nothing is painted
  // and what changed is shown all at once at the next paint.
  virtual bool Watching() const { return true; }
};

// Presses the default button of every modal dialog; cancels folder
// choosers; answers yes.
class DefaultAgent : public UserAgent {
 public:
  void RunModal(DialogDriver& dialog) override;
};

// Acts from scripts: each modal dialog, found by its name or by "#<template
// id>", takes the next script queued for it; a dialog without one gets its
// default button pressed. Folder choosers, yes/no alerts and colour pickers
// take the next queued answer.
class ScriptedAgent : public UserAgent {
 public:
  void AddScript(const std::string& dialog, std::vector<AgentAction> actions);
  void AddFolderAnswer(std::optional<std::string> folder);
  void AddYesNoAnswer(bool yes);
  void AddColourAnswer(std::optional<AIColor> colour);

  void RunModal(DialogDriver& dialog) override;
  std::optional<std::string> ChooseFolder(const std::string& message) override;
  bool AnswerYesNo(const std::string& text) override;
  std::optional<AIColor> ChooseColour(const std::string& message,
                                      const AIColor& current) override;

  // Actions that could not be carried out, with the reason.
  const std::vector<std::string>& failures() const { return failures_; }
  // Modal dialogs seen, by name (or "#id" when nameless), in order.
  const std::vector<std::string>& seen() const { return seen_; }

 private:
  std::map<std::string, std::deque<std::vector<AgentAction>>> scripts_;
  std::deque<std::optional<std::string>> folders_;
  std::deque<bool> answers_;
  std::deque<std::optional<AIColor>> colours_;
  std::vector<std::string> failures_;
  std::vector<std::string> seen_;
};

}  // namespace vx::host::adm

// Dialog templates (DLOG resources of the plug-in) read into items:
//   DIALOG <width> <height> "<title>"
//   ITEM <id> <kind> <left> <top> <right> <bottom> "<text>" [key=value ...]
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vx_sdk.h"

namespace vx::host::adm {

enum class ItemKind {
  Button, DefaultButton, CancelButton, StaticText, MultilineText, EditText,
  EditInt, EditReal, SpinEdit, SpinEditPopup, PopupList, PopupMenu, Checkbox,
  Radio, Picture, PictureButton, PictureCheck, PictureRadio, User, Slider,
  ListBox, Frame, Separator, TextPopup
};

std::optional<ItemKind> ItemKindNamed(std::string_view name);
const char* ItemKindName(ItemKind kind);

// What a kind of item is like.
bool IsNumeric(ItemKind kind);   // has a number value shown as text
bool HasList(ItemKind kind);     // has a list of entries
bool IsToggle(ItemKind kind);    // check box: a click flips it
bool IsRadio(ItemKind kind);     // a click turns it on, the others of its group off
bool IsButton(ItemKind kind);    // a click notifies and nothing else

struct ItemTemplate {
  int32_t id = 0;
  ItemKind kind = ItemKind::User;
  ASRect bounds{};
  std::string text;
  std::map<std::string, std::string> options;  // picture=, menu=, min= ...
  std::optional<double> Number(const std::string& key) const;
};

struct DialogTemplate {
  int32_t width = 0, height = 0;
  std::string title;
  std::vector<ItemTemplate> items;
};

// Null and *error set when the text is not a valid template.
std::optional<DialogTemplate> ParseDialogTemplate(std::string_view text,
                                                  std::string* error);

// A menu resource's entries, one a line; none for an empty text.
std::vector<std::string> MenuLines(std::string_view text);

}  // namespace vx::host::adm

// Declarative palette binding: what each item of a palette shows of its
// record, in which unit, under which action key, and which items follow
// which field. One table per palette drives showing a record, the item
// notifiers and, for the live effects, the action registration and
// recording and playing back the effect's action. The live effects' and the
// tools' option palettes share it (tools/tool_palette.h says how a tool
// binds its palette). Ranges, precision and menus are the template's: the
// table never restates them.
//
// How an effect binds its palette (see border.h):
//   1. Name the palette's items in its template (plugin/resources/dialogs).
//   2. In the effect's record header, list one PaletteField per record
//      field shown in the palette, IN THE ORDER OF THE ACTION'S KEYS:
//        {"shadow-offset", BorderItems::kShadowOffset, VX_BOUND_FIELD(BorderPGParams,
//         shadowOffset), Unit::Points, ActionKey("shOf"), kWhenShadow}
//      The name is what the command line takes (--set shadow-offset=4); the
//      unit is what the palette shows (percent items show the fraction x 100,
//      degrees items show radians in degrees); the rule index names an
//      EnableRule of the same header.
//   3. List the EnableRules: items first..last are enabled while the rule
//      holds, and a field bound to a rule is left out of recorded actions
//      (and not read on playback) while it does not.
//   4. Put both in a PaletteBinding and name it in the effect's row; anything
//      the table cannot say (Border's arc picture buttons, its steps text in
//      actions) goes into the binding's hooks or a field's ActionHook.
//   static_assert(BindingIsValid(kMyBinding)) checks field types and rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "vx_sdk.h"

namespace vx {

// What the user sees of a field.
enum class Unit : uint8_t {
  Percent,  // float fraction, shown x 100; action unit real '#Prc'
  Degrees,  // float radians, shown in degrees; action unit real '#Ang'
  Points,   // float points; action unit real '#Pxl'
  Integer,  // int32 in a number field; action 'long'
  Flag,     // int32 0/1 in a check box; action 'bool'
  Choice,   // int32 index of a popup list's entry; action 'enum'
  Radio,    // int32 index of the radio button that is on; action 'enum'
  Colour,   // the host's colour record in a swatch (a user item that opens
            // the colour picker); tools only, no action
  Number,   // float shown as it is, without a unit (a count kept as a real,
            // wave cycles); action real, no unit
};

constexpr bool IsFloatUnit(Unit u) {
  return u == Unit::Percent || u == Unit::Degrees || u == Unit::Points ||
         u == Unit::Number;
}

// A record field: its offset, whether it is a float32, and its size. Whole
// numbers are int32, int16 (tool records; sign-extended) or uint32 (read
// and written as its int32 bits; templates keep such fields below 2^31).
struct FieldRef {
  uint16_t offset;
  bool isFloat;
  uint8_t size = 4;
};

template <typename T>
constexpr FieldRef FieldOf(size_t offset) {
  static_assert(std::is_same_v<T, float> || std::is_same_v<T, int32_t> ||
                    std::is_same_v<T, int16_t> || std::is_same_v<T, uint32_t> ||
                    std::is_same_v<T, AIColor>,
                "palette fields are float32, int32, int16, uint32 or colours");
  return {uint16_t(offset), std::is_same_v<T, float>, uint8_t(sizeof(T))};
}
#define VX_BOUND_FIELD(Record, member) \
  ::vx::FieldOf<decltype(Record::member)>(offsetof(Record, member))

constexpr uint32_t ActionKey(const char (&s)[5]) {
  return (uint32_t(uint8_t(s[0])) << 24) | (uint32_t(uint8_t(s[1])) << 16) |
         (uint32_t(uint8_t(s[2])) << 8) | uint32_t(uint8_t(s[3]));
}

// Items first..last are enabled (with `shows`: shown) while the whole-number
// field `on` passes the test.
struct EnableRule {
  enum Test : uint8_t { NonZero, Equals, NotEquals };
  int32_t firstItem;
  int32_t lastItem;
  FieldRef on;
  Test test;
  int32_t value;
  bool shows = false;
  bool Holds(const void* record) const;
};

// A whole-number field of a record (int16 sign-extended), and its store.
int32_t ReadIntField(const void* record, FieldRef field);
void WriteIntField(void* record, FieldRef field, int32_t value);

// Replaces the standard reading and writing of one field's action key.
struct ActionHook {
  ASErr (*read)(AIActionParamValueRef value, void* record);
  ASErr (*write)(SPPluginRef plugin, AIActionParamValueRef value, const void* record);
};

struct PaletteField {
  const char* name;   // as the command line takes it ("shadow-offset")
  int32_t item;       // the item showing it (Radio: unused, see radios)
  FieldRef field;
  Unit unit;
  uint32_t actionKey; // 0: not in the action
  int8_t rule = -1;   // index of the EnableRule it follows, -1 none
  // Percent: a slider showing the same value; Degrees: its AngleDial.
  int32_t partner = 0;
  // Radio: the item of each value, value 0 first.
  const int32_t* radios = nullptr;
  int32_t radioCount = 0;
  // Choice and Radio: index, in the action's string table, of the name of
  // value 0 (value v is named by index + v); 0 records an empty name.
  int32_t actionNames = 0;
  bool hiddenInAction = false;    // registered without a label
  bool optionalInAction = false;  // a missing key on playback keeps the record's value
  const ActionHook* hook = nullptr;
  // The action's type when it is not the unit's: a Choice recorded as a
  // plain 'long' (its index), an Integer its hook records as text 'strn'.
  uint32_t actionType = 0;
};

struct PaletteBinding {
  const PaletteField* fields;
  int32_t fieldCount;
  const EnableRule* rules;
  int32_t ruleCount;
  // Sets up what the table cannot say (optional).
  void (*setUpExtra)(ADMDialogRef dialog);
  // Shows what follows the record beyond the fields, after a refresh and
  // after every change (optional).
  void (*showExtra)(ADMDialogRef dialog, const void* record);

  const PaletteField* begin() const { return fields; }
  const PaletteField* end() const { return fields + fieldCount; }
  // The field shown by item id (its item, partner or one of its radios).
  const PaletteField* FieldOfItem(int32_t item) const;
  const PaletteField* FieldNamed(const char* name) const;
};

// ---- the binding at work, for any palette over its record ------------------------

// Shows the record in every bound item, then applies the rules and
// showExtra.
void ShowBoundFields(const PaletteBinding& b, ADMDialogRef dialog, const void* record);
// Enables and shows items by the rules, then runs showExtra.
void ApplyBindingRules(const PaletteBinding& b, ADMDialogRef dialog, const void* record);
// Stores the value the user gave `item` (a bound item, slider or radio) into
// the record; false when the item is not bound or the record does not
// change by it.
bool StoreBoundItem(const PaletteBinding& b, ADMItemRef item, void* record);
// Installs `notify` on every bound item and radio button (sliders and dials
// are the effects' own) and runs the binding's setUpExtra.
void ConnectBoundItems(const PaletteBinding& b, ADMDialogRef dialog, ADMItemNotifyProc notify);

// One parameter of an effect's (or Fractalize's) action event.
struct ActionKeySpec {
  uint32_t key;   // four-character key such as 'styl'
  uint32_t type;  // 'enum', 'real', 'bool', 'long', 'strn', 'tdta'
  bool shown;     // hidden keys are registered with an empty label
};

// The action key's type: the field's own (a hook recording text says
// 'strn'), else its unit's. No pointer is compared here: under the
// undefined-behaviour sanitizer an address compared with null is not a
// constant expression.
constexpr uint32_t ActionTypeOf(const PaletteField& f) {
  if (f.actionType) return f.actionType;
  switch (f.unit) {
    case Unit::Percent:
    case Unit::Degrees:
    case Unit::Points:
    case Unit::Number: return ActionKey("real");
    case Unit::Integer: return ActionKey("long");
    case Unit::Flag: return ActionKey("bool");
    default: return ActionKey("enum");
  }
}

// The action keys of a binding's fields, in order, for registration. A
// record field shown by two items (a relative and an absolute spacing, each
// under its own rule) lists its key twice: it is registered once.
template <size_t N>
struct ActionKeyList {
  ActionKeySpec keys[N];
  int count;
};
template <size_t N>
constexpr ActionKeyList<N> ActionKeysOf(const PaletteField (&fields)[N]) {
  ActionKeyList<N> out{};
  for (size_t i = 0; i < N; ++i) {
    bool repeated = false;
    for (size_t j = 0; j < i; ++j) repeated = repeated || fields[j].actionKey == fields[i].actionKey;
    if (!repeated)
      out.keys[out.count++] = {fields[i].actionKey, ActionTypeOf(fields[i]),
                               !fields[i].hiddenInAction};
  }
  return out;
}

// Compile-time check of a binding table: every unit on a field of its
// type, every rule (of ruleCount) on an int32 field and in range, radios
// listed.
template <size_t N>
constexpr bool FieldsAreValid(const PaletteField (&fields)[N], const EnableRule* rules,
                              size_t ruleCount) {
  for (size_t i = 0; i < ruleCount; ++i)
    if (rules[i].on.isFloat || rules[i].on.size > 4 || rules[i].firstItem > rules[i].lastItem)
      return false;
  for (const PaletteField& f : fields) {
    if (IsFloatUnit(f.unit) != f.field.isFloat) return false;
    if ((f.unit == Unit::Colour) != (f.field.size == sizeof(AIColor))) return false;
    if (f.rule >= int(ruleCount)) return false;
    if (f.unit == Unit::Radio && f.radioCount < 2) return false;
    if (!f.name || !f.name[0]) return false;
  }
  return true;
}
// Effects record every bound field in their action.
template <size_t N>
constexpr bool FieldsHaveActionKeys(const PaletteField (&fields)[N]) {
  for (const PaletteField& f : fields)
    if (!f.actionKey) return false;
  return true;
}
template <size_t N, size_t R>
constexpr bool BindingIsValid(const PaletteField (&fields)[N], const EnableRule (&rules)[R]) {
  return FieldsAreValid(fields, rules, R) && FieldsHaveActionKeys(fields);
}
// A palette without enabling rules.
template <size_t N>
constexpr bool BindingIsValid(const PaletteField (&fields)[N]) {
  return FieldsAreValid(fields, nullptr, 0) && FieldsHaveActionKeys(fields);
}

}  // namespace vx

// The bound items of a palette: showing a record, storing one item's value,
// and, for the live effects, the notifiers that live-update and the
// effect's action written from and read into the record, all driven by the
// palette's binding table.
#include "palettes/palette_binding.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "effects/angle_dial.h"
#include "effects/effect_framework.h"
#include "presets/param_record.h"
#include "shell/error_report.h"
#include "shell/suites.h"
#include "vx_effects.h"

namespace vx {

int32_t ReadIntField(const void* record, FieldRef field) {
  const uint8_t* at = static_cast<const uint8_t*>(record) + field.offset;
  if (field.size == sizeof(int16_t)) {
    int16_t v = 0;
    std::memcpy(&v, at, sizeof v);
    return v;
  }
  int32_t v = 0;
  std::memcpy(&v, at, sizeof v);
  return v;
}

void WriteIntField(void* record, FieldRef field, int32_t value) {
  uint8_t* at = static_cast<uint8_t*>(record) + field.offset;
  if (field.size == sizeof(int16_t)) {
    const int16_t v = int16_t(value);
    std::memcpy(at, &v, sizeof v);
  } else {
    std::memcpy(at, &value, sizeof value);
  }
}

bool EnableRule::Holds(const void* record) const {
  return VxFieldEnabled(int32_t(test), ReadIntField(record, on), value) != 0;
}

const PaletteField* PaletteBinding::FieldOfItem(int32_t item) const {
  for (const PaletteField& f : *this) {
    if (f.item == item || (f.partner && f.partner == item)) return &f;
    for (int32_t k = 0; k < f.radioCount; ++k)
      if (f.radios[k] == item) return &f;
  }
  return nullptr;
}

const PaletteField* PaletteBinding::FieldNamed(const char* name) const {
  for (const PaletteField& f : *this)
    if (std::strcmp(f.name, name) == 0) return &f;
  return nullptr;
}

namespace {

// A float field as a value that can be assigned. Tool records are packed on
// 2-byte boundaries, so the field is copied, never referenced in place.
class FloatField {
 public:
  explicit FloatField(uint8_t* at) : at_(at) {}
  operator float() const {
    float value;
    std::memcpy(&value, at_, sizeof value);
    return value;
  }
  FloatField& operator=(float value) {
    std::memcpy(at_, &value, sizeof value);
    return *this;
  }

 private:
  uint8_t* at_;
};
FloatField FloatAt(void* record, const PaletteField& f) {
  return FloatField(static_cast<uint8_t*>(record) + f.field.offset);
}
// A whole-number field as an int32 value that can be assigned (int16
// fields are read sign-extended and stored truncated).
class IntField {
 public:
  IntField(void* record, FieldRef field) : record_(record), field_(field) {}
  operator int32_t() const { return ReadIntField(record_, field_); }
  IntField& operator=(int32_t value) {
    WriteIntField(record_, field_, value);
    return *this;
  }

 private:
  void* record_;
  FieldRef field_;
};
IntField IntAt(void* record, const PaletteField& f) { return {record, f.field}; }
float FloatAt(const void* record, const PaletteField& f) {
  return FloatAt(const_cast<void*>(record), f);
}
int32_t IntAt(const void* record, const PaletteField& f) {
  return ReadIntField(record, f.field);
}

ADMItemRef Item(ADMDialogRef dialog, int32_t id) {
  return id ? sADMDialog->GetItem(dialog, id) : nullptr;
}

void SetFloat(ADMDialogRef dialog, int32_t id, float value) {
  if (ADMItemRef item = Item(dialog, id)) sADMItem->SetFloatValue(item, value);
}

// The float as the palette shows it, and the shown number as stored.
float Shown(Unit unit, float stored) {
  switch (unit) {
    case Unit::Percent: return stored * 100.0f;
    case Unit::Degrees: return ShownDegrees(stored);
    default: return stored;
  }
}
float Stored(Unit unit, float shown) {
  switch (unit) {
    case Unit::Percent: return shown * 0.01f;
    case Unit::Degrees: return RecordRadians(shown);
    default: return shown;
  }
}

// "-0.00" reads as "0.00".
const char* WithoutNegativeZero(const char* text) {
  if (text[0] != '-') return text;
  for (const char* c = text + 1; *c; ++c)
    if (*c != '0' && *c != '.') return text;
  return text + 1;
}

// Whether the number the user gave the item is the one it showed: the same
// text at the item's precision. Converting a shown (rounded) number back
// would move the stored float by a step, so such a value changes nothing.
bool TypedAsShown(ADMItemRef item, float shown) {
  const int digits = std::clamp(int(sADMItem->GetPrecision(item)), 0, 9);
  char given[64], showing[64];
  std::snprintf(given, sizeof given, "%.*f", digits, double(sADMItem->GetFloatValue(item)));
  std::snprintf(showing, sizeof showing, "%.*f", digits, double(shown));
  return std::strcmp(WithoutNegativeZero(given), WithoutNegativeZero(showing)) == 0;
}

ActionParamUnitID ActionUnit(Unit unit) {
  switch (unit) {
    case Unit::Percent: return unitPercent;
    case Unit::Degrees: return unitAngle;
    default: return unitPixels;
  }
}

const PaletteBinding* BindingOf(int effect) {
  return effect < 0 ? nullptr : Effect(effect).palette;
}

void ApplyRules(const PaletteBinding& b, ADMDialogRef dialog, const void* record) {
  for (int32_t r = 0; r < b.ruleCount; ++r) {
    const EnableRule& rule = b.rules[r];
    const bool on = rule.Holds(record);
    for (int32_t id = rule.firstItem; id <= rule.lastItem; ++id) {
      ADMItemRef item = Item(dialog, id);
      if (!item) continue;
      if (rule.shows) sADMItem->Show(item, on);
      else sADMItem->Enable(item, on);
    }
  }
  if (b.showExtra) b.showExtra(dialog, record);
}

void ShowField(const PaletteField& f, ADMDialogRef dialog, const void* record) {
  ADMItemRef item = Item(dialog, f.item);
  switch (f.unit) {
    case Unit::Percent:
    case Unit::Degrees:
    case Unit::Points:
    case Unit::Number:
      SetFloat(dialog, f.item, Shown(f.unit, FloatAt(record, f)));
      if (f.unit == Unit::Degrees && !f.partnerIsSlider) {
        if (ADMItemRef dial = Item(dialog, f.partner)) sADMItem->Invalidate(dial);
      } else {
        SetFloat(dialog, f.partner, Shown(f.unit, FloatAt(record, f)));
      }
      break;
    case Unit::Integer:
      if (item) sADMItem->SetIntValue(item, IntAt(record, f));
      break;
    case Unit::Flag:
      if (item) sADMItem->SetBooleanValue(item, IntAt(record, f) != 0);
      break;
    case Unit::Choice:
      if (ADMListRef list = item ? sADMItem->GetList(item) : nullptr)
        if (ADMEntryRef entry = sADMList->IndexEntry(list, IntAt(record, f)))
          sADMEntry->Select(entry, true);
      break;
    case Unit::Radio:
      for (int32_t k = 0; k < f.radioCount; ++k)
        if (ADMItemRef radio = Item(dialog, f.radios[k]))
          sADMItem->SetBooleanValue(radio, IntAt(record, f) == k);
      break;
    case Unit::Colour:
    case Unit::Grid:
      if (item) sADMItem->Invalidate(item);  // drawn from the record
      break;
  }
}

// Stores the value of `item` (the field's item, partner or radio) into the
// record; false when the record does not change by it. A value the field's
// own item already shows leaves the record as it is. Sliders, dials,
// swatches and pickers are not tested so: their tracking stored the value
// before the notification.
bool StoreField(const PaletteField& f, ADMItemRef item, void* record) {
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  const int32_t id = sADMItem->GetID(item);
  if (id == f.item && IsFloatUnit(f.unit) && TypedAsShown(item, Shown(f.unit, FloatAt(record, f))))
    return false;
  switch (f.unit) {
    case Unit::Percent:
    case Unit::Points:
    case Unit::Number:
      FloatAt(record, f) = Stored(f.unit, sADMItem->GetFloatValue(item));
      // The twin item (field or slider) shows the new value.
      SetFloat(dialog, id == f.item ? f.partner : f.item, Shown(f.unit, FloatAt(record, f)));
      return true;
    case Unit::Degrees:
      if (id == f.partner && !f.partnerIsSlider) {
        // A dial's notify takes the (rounded) value its spin edit shows.
        ADMItemRef spin = Item(dialog, f.item);
        if (!spin) return false;
        FloatAt(record, f) = RecordRadians(sADMItem->GetFloatValue(spin));
      } else {
        FloatAt(record, f) = RecordRadians(sADMItem->GetFloatValue(item));
        if (f.partnerIsSlider)
          SetFloat(dialog, id == f.item ? f.partner : f.item, ShownDegrees(FloatAt(record, f)));
        else if (ADMItemRef dial = Item(dialog, f.partner))
          sADMItem->Invalidate(dial);
      }
      return true;
    case Unit::Integer:
    case Unit::Flag: {
      const int32_t value = f.unit == Unit::Integer ? sADMItem->GetIntValue(item)
                                                    : sADMItem->GetBooleanValue(item) ? 1 : 0;
      if (value == IntAt(record, f)) return false;
      IntAt(record, f) = value;
      return true;
    }
    case Unit::Choice: {
      ADMEntryRef entry = sADMList->GetActiveEntry(sADMItem->GetList(item));
      if (!entry) return false;
      const int32_t index = sADMEntry->GetIndex(entry);
      if (index == IntAt(record, f)) return false;  // the same entry again
      IntAt(record, f) = index;
      return true;
    }
    case Unit::Radio:
      if (!sADMItem->GetBooleanValue(item)) return false;
      for (int32_t k = 0; k < f.radioCount; ++k)
        if (f.radios[k] == id && IntAt(record, f) != k) {
          IntAt(record, f) = k;
          return true;
        }
      return false;
    case Unit::Colour:
    case Unit::Grid:
      // Their tracking stored the colour picked or the cell clicked.
      sADMItem->Invalidate(item);
      return true;
  }
  return false;
}

// The field and record of a bound item, or false.
bool Locate(ADMItemRef item, int* effect, const PaletteField** field, void** record) {
  *effect = EffectOfDialog(sADMItem->GetDialog(item));
  const PaletteBinding* b = BindingOf(*effect);
  if (!b) return false;
  *field = b->FieldOfItem(sADMItem->GetID(item));
  *record = gGlobals->effectRecords[*effect];
  return *field && *record;
}

void BoundItemNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
  int effect = -1;
  const PaletteField* f = nullptr;
  void* record = nullptr;
  if (!Locate(item, &effect, &f, &record)) return;
  if (!StoreField(*f, item, record)) return;
  const PaletteBinding& b = *Effect(effect).palette;
  if (b.derive) b.derive(record);
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  ApplyRules(b, dialog, record);
  if (b.showExtra) b.showExtra(dialog, record);
  if (ASErr err = LiveUpdateSelection(effect)) ReportError(gGlobals->PluginRef, err);
}

// A slider twinned with a percent field: while dragging, the record and
// both items follow the pointer, but no art is written until the host
// reports the change.
ASBoolean SliderTrack(ADMItemRef item, ADMTrackerRef tracker) {
  const ASBoolean notify = sADMItem->DefaultTrack(item, tracker);
  int effect = -1;
  const PaletteField* f = nullptr;
  void* record = nullptr;
  if (Locate(item, &effect, &f, &record)) {
    FloatAt(record, *f) = Stored(f->unit, sADMItem->GetFloatValue(item));
    if (const PaletteBinding* b = BindingOf(effect); b->derive) b->derive(record);
    ShowField(*f, sADMItem->GetDialog(item), record);
  }
  return notify;
}

// The cell of a three-by-three picker under the pointer, row by row.
int32_t GridCellAt(const ASRect& bounds, ASPoint p) {
  const int32_t w = std::max(1, int32_t(bounds.right - bounds.left));
  const int32_t h = std::max(1, int32_t(bounds.bottom - bounds.top));
  const int32_t col = std::clamp(int32_t(p.h) * 3 / w, 0, 2);
  const int32_t row = std::clamp(int32_t(p.v) * 3 / h, 0, 2);
  return row * 3 + col;
}

ASBoolean GridTrack(ADMItemRef item, ADMTrackerRef tracker) {
  sADMItem->DefaultTrack(item, tracker);
  if (sADMTracker->GetAction(tracker) != kADMMouseUpAction) return false;
  int effect = -1;
  const PaletteField* f = nullptr;
  void* record = nullptr;
  if (!Locate(item, &effect, &f, &record)) return false;
  ASPoint p{};
  sADMTracker->GetPoint(tracker, &p);
  ASRect r{};
  sADMItem->GetBoundsRect(item, &r);
  IntAt(record, *f) = GridCellAt(r, p);
  return true;  // the notify stores nothing more and live-updates
}

// Nine cells, the record's one filled.
void GridDraw(ADMItemRef item, ADMDrawerRef drawer) {
  ASRect r{};
  sADMDrawer->GetBoundsRect(drawer, &r);
  sADMDrawer->ClearRect(drawer, &r);
  sADMDrawer->SetRGBColor(drawer, 0x000000);
  int effect = -1;
  const PaletteField* f = nullptr;
  void* record = nullptr;
  const int32_t chosen = Locate(item, &effect, &f, &record) ? IntAt(record, *f) : -1;
  const int32_t w = r.right - r.left, h = r.bottom - r.top;
  for (int32_t cell = 0; cell < 9; ++cell) {
    const ASRect c{int32_t(r.left + w * (cell % 3) / 3), int32_t(r.top + h * (cell / 3) / 3),
                   int32_t(r.left + w * (cell % 3 + 1) / 3), int32_t(r.top + h * (cell / 3 + 1) / 3)};
    if (cell == chosen) sADMDrawer->FillRect(drawer, &c);
    else sADMDrawer->DrawRect(drawer, &c);
  }
}

void SetNotify(ADMDialogRef dialog, int32_t id, ADMItemNotifyProc notify) {
  if (ADMItemRef item = Item(dialog, id)) sADMItem->SetNotifyProc(item, notify);
}

ASErr ReadUnitReal(AIActionParamValueRef v, uint32_t key, float* out) {
  ActionParamUnitID unit = 0;
  return sActionManager->AIActionGetUnitReal(v, key, &unit, out);
}

ASErr WriteField(const PaletteField& f, SPPluginRef plugin, int32_t names,
                 AIActionParamValueRef v, const void* record) {
  const AIActionManagerSuite& a = *sActionManager;
  switch (f.unit) {
    case Unit::Percent:
    case Unit::Degrees:
    case Unit::Points:
      return a.AIActionSetUnitReal(v, f.actionKey, ActionUnit(f.unit),
                                   Shown(f.unit, FloatAt(record, f)));
    case Unit::Number:
      return a.AIActionSetReal(v, f.actionKey, FloatAt(record, f));
    case Unit::Integer:
      return a.AIActionSetInteger(v, f.actionKey, IntAt(record, f));
    case Unit::Flag:
      return a.AIActionSetBoolean(v, f.actionKey, IntAt(record, f) != 0);
    case Unit::Colour:
      return a.AIActionSetRawData(v, f.actionKey, sizeof(AIColor),
                                  static_cast<const uint8_t*>(record) + f.field.offset);
    case Unit::Choice:
    case Unit::Radio:
    case Unit::Grid: {
      if (f.actionType == ActionKey("long"))
        return a.AIActionSetInteger(v, f.actionKey, IntAt(record, f));
      char name[256] = "";
      if (f.actionNames)
        sADMBasic->GetIndexString(plugin, names, f.actionNames + IntAt(record, f), name,
                                  sizeof name);
      return a.AIActionSetEnumerated(v, f.actionKey, name, IntAt(record, f));
    }
  }
  return kNoErr;
}

ASErr ReadField(const PaletteField& f, AIActionParamValueRef v, void* record) {
  const AIActionManagerSuite& a = *sActionManager;
  switch (f.unit) {
    case Unit::Percent:
    case Unit::Degrees:
    case Unit::Points: {
      float value = 0;
      if (ASErr err = ReadUnitReal(v, f.actionKey, &value)) return err;
      FloatAt(record, f) = Stored(f.unit, value);
      return kNoErr;
    }
    case Unit::Number:
    {
      float value = 0;
      if (ASErr err = a.AIActionGetReal(v, f.actionKey, &value)) return err;
      FloatAt(record, f) = value;
      return kNoErr;
    }
    case Unit::Integer: {
      int32_t value = 0;
      if (ASErr err = a.AIActionGetInteger(v, f.actionKey, &value)) return err;
      IntAt(record, f) = value;
      return kNoErr;
    }
    case Unit::Flag: {
      ASBoolean on = false;
      if (ASErr err = a.AIActionGetBoolean(v, f.actionKey, &on)) return err;
      IntAt(record, f) = on ? 1 : 0;
      return kNoErr;
    }
    case Unit::Colour: {
      // The whole colour record, or an error: a partial one is no colour.
      int32_t size = 0;
      if (ASErr err = a.AIActionGetRawDataSize(v, f.actionKey, &size)) return err;
      if (size != int32_t(sizeof(AIColor))) return kSPBadParameterError;
      return a.AIActionGetRawData(v, f.actionKey,
                                  static_cast<uint8_t*>(record) + f.field.offset);
    }
    case Unit::Choice:
    case Unit::Radio:
    case Unit::Grid: {
      int32_t value = 0;
      if (f.actionType == ActionKey("long")) {
        if (ASErr err = a.AIActionGetInteger(v, f.actionKey, &value)) return err;
        IntAt(record, f) = value;
        return kNoErr;
      }
      char name[256];
      if (ASErr err = a.AIActionGetEnumerated(v, f.actionKey, name, sizeof name, &value))
        return err;
      IntAt(record, f) = value;
      return kNoErr;
    }
  }
  return kNoErr;
}

}  // namespace

void ShowBoundFields(const PaletteBinding& b, ADMDialogRef dialog, const void* record) {
  for (const PaletteField& f : b) ShowField(f, dialog, record);
  ApplyRules(b, dialog, record);
}

void ApplyBindingRules(const PaletteBinding& b, ADMDialogRef dialog, const void* record) {
  ApplyRules(b, dialog, record);
}

bool StoreBoundItem(const PaletteBinding& b, ADMItemRef item, void* record) {
  const PaletteField* f = b.FieldOfItem(sADMItem->GetID(item));
  return f && StoreField(*f, item, record);
}

void ConnectBoundItems(const PaletteBinding& b, ADMDialogRef dialog, ADMItemNotifyProc notify) {
  for (const PaletteField& f : b) {
    SetNotify(dialog, f.item, notify);
    for (int32_t k = 0; k < f.radioCount; ++k) SetNotify(dialog, f.radios[k], notify);
  }
  if (b.setUpExtra) b.setUpExtra(dialog);
}

void SetUpBoundItems(int effect, ADMDialogRef dialog) {
  const PaletteBinding* b = BindingOf(effect);
  if (!b) return;
  for (const PaletteField& f : *b) {
    if (f.unit == Unit::Grid)
      if (ADMItemRef grid = Item(dialog, f.item)) {
        sADMItem->SetTrackProc(grid, GridTrack);
        sADMItem->SetDrawProc(grid, GridDraw);
      }
    ADMItemRef partner = Item(dialog, f.partner);
    if (!partner) continue;
    if (f.unit == Unit::Degrees && !f.partnerIsSlider) {
      SetUpAngleDial(partner, f.field.offset, f.item, BoundItemNotify);
    } else {
      sADMItem->SetTrackProc(partner, SliderTrack);
      sADMItem->SetNotifyProc(partner, BoundItemNotify);
    }
  }
  ConnectBoundItems(*b, dialog, BoundItemNotify);
}

void ShowBoundRecord(int effect, ADMDialogRef dialog, const void* record) {
  if (const PaletteBinding* b = BindingOf(effect)) ShowBoundFields(*b, dialog, record);
}

ASErr WriteBoundAction(int effect, SPPluginRef plugin, AIActionParamValueRef value,
                       const void* record) {
  const PaletteBinding* b = BindingOf(effect);
  if (!b) return kNoErr;
  for (const PaletteField& f : *b) {
    if (!f.actionKey) continue;
    ASErr err = kNoErr;
    if (f.hook)
      err = f.hook->write(plugin, value, record);
    else if (f.rule < 0 || b->rules[f.rule].Holds(record))
      err = WriteField(f, plugin, Effect(effect).action.stringTable, value, record);
    if (err) return err;
  }
  return kNoErr;
}

ASErr ReadBoundAction(int effect, AIActionParamValueRef value, void* record) {
  const PaletteBinding* b = BindingOf(effect);
  if (!b) return kNoErr;
  for (const PaletteField& f : *b) {
    if (!f.actionKey) continue;
    if (f.hook) {
      if (ASErr err = f.hook->read(value, record)) return err;
      continue;
    }
    if (f.rule >= 0 && !b->rules[f.rule].Holds(record)) continue;
    if (f.optionalInAction) {
      // A missing key keeps the record's value.
      int32_t kept = 0;
      std::memcpy(&kept, static_cast<uint8_t*>(record) + f.field.offset, sizeof kept);
      if (ReadField(f, value, record))
        std::memcpy(static_cast<uint8_t*>(record) + f.field.offset, &kept, sizeof kept);
      continue;
    }
    if (ASErr err = ReadField(f, value, record)) return err;
  }
  if (b->derive) b->derive(record);
  return kNoErr;
}

}  // namespace vx

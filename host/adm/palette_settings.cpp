#include "host/adm/palette_settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

#include "host/adm/user_agent.h"

namespace vx::host::adm {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

const char* UnitText(int32_t unit) {
  switch (unit) {
    case kVxUnitPercent: return " %";
    case kVxUnitDegrees: return " degrees";
    case kVxUnitPoints: return " pt";
    default: return "";
  }
}

// The texts a field's value can be given by: popup entries or radio buttons.
std::vector<std::string> Choices(Dialog& palette, const VxEffectField& f) {
  std::vector<std::string> names;
  if (f.unit == kVxUnitRadio) {
    for (int32_t k = 0; k < f.radioCount; ++k) {
      Item* item = palette.GetItem(f.radios[k]);
      names.push_back(item ? item->Text() : "");
    }
  } else if (Item* item = palette.GetItem(f.item); item && item->list()) {
    for (int32_t i = 0; i < item->list()->Count(); ++i)
      names.push_back(item->list()->At(i)->text);
  }
  return names;
}

// "one of "A", "B" or its number, 0 to 1"; picture buttons have no text.
std::string ChoiceText(const std::vector<std::string>& names) {
  std::string listed;
  for (const std::string& n : names)
    if (!n.empty()) listed += (listed.empty() ? "\"" : ", \"") + n + "\"";
  const std::string numbers = "0 to " + std::to_string(int(names.size()) - 1);
  return listed.empty() ? numbers : "one of " + listed + " or its number, " + numbers;
}

bool Number(const std::string& text, double* value) {
  char* end = nullptr;
  *value = std::strtod(text.c_str(), &end);
  return !text.empty() && !*end && std::isfinite(*value);
}

}  // namespace

const VxEffectField* FieldNamed(std::span<const VxEffectField> fields, const std::string& name) {
  for (const VxEffectField& f : fields)
    if (Lower(f.name) == Lower(name)) return &f;
  return nullptr;
}

std::string FieldAction(Dialog& palette, std::span<const VxEffectField> fields,
                        const std::string& setting, std::string* error) {
  const auto eq = setting.find('=');
  if (eq == std::string::npos) {
    *error = "--set takes FIELD=VALUE, not \"" + setting + "\"";
    return "";
  }
  const std::string name = setting.substr(0, eq), value = setting.substr(eq + 1);
  const VxEffectField* f = FieldNamed(fields, name);
  if (!f) {
    *error = "the palette has no field \"" + name + "\"; its fields are:";
    for (const VxEffectField& each : fields) *error += std::string(" ") + each.name;
    return "";
  }
  double number = 0;
  const bool isNumber = Number(value, &number);
  switch (f->unit) {
    case kVxUnitFlag: {
      const std::string v = Lower(value);
      if (v == "on" || v == "1" || v == "yes" || v == "true") return ItemAction("set", f->item, "=1");
      if (v == "off" || v == "0" || v == "no" || v == "false") return ItemAction("set", f->item, "=0");
      *error = f->name + std::string(" takes on or off, not \"") + value + "\"";
      return "";
    }
    case kVxUnitChoice:
    case kVxUnitRadio: {
      const std::vector<std::string> names = Choices(palette, *f);
      int32_t index = -1;
      for (size_t i = 0; i < names.size() && index < 0; ++i)
        if (!value.empty() && Lower(names[i]).find(Lower(value)) != std::string::npos)
          index = int32_t(i);
      if (index < 0 && isNumber && number == std::floor(number) && number >= 0 &&
          number < double(names.size()))
        index = int32_t(number);
      if (index < 0) {
        *error = f->name + std::string(" takes ") + ChoiceText(names) + ", not \"" + value + "\"";
        return "";
      }
      return f->unit == kVxUnitRadio ? ItemAction("press", f->radios[index])
                                     : ItemAction("choose", f->item, "=" + std::to_string(index));
    }
    default: {
      Item* item = palette.GetItem(f->item);
      if (!isNumber || (f->unit == kVxUnitInteger && number != std::floor(number))) {
        *error = f->name + std::string(" takes a number, not \"") + value + "\"";
        return "";
      }
      if (item && (number < item->min() || number > item->max())) {
        std::ostringstream range;
        range << f->name << " takes " << item->min() << " to " << item->max()
              << UnitText(f->unit) << ", not " << value;
        *error = range.str();
        return "";
      }
      return ItemAction("set", f->item, "=" + value);
    }
  }
}

std::string DescribeFields(Dialog& palette, std::span<const VxEffectField> fields) {
  std::ostringstream out;
  for (const VxEffectField& f : fields) {
    out << "  " << f.name << std::string(f.name && std::strlen(f.name) < 16 ? 16 - std::strlen(f.name) : 1, ' ');
    if (f.unit == kVxUnitFlag) {
      out << "on or off";
    } else if (f.unit == kVxUnitChoice || f.unit == kVxUnitRadio) {
      out << ChoiceText(Choices(palette, f));
    } else if (Item* item = palette.GetItem(f.item)) {
      out << item->min() << " to " << item->max() << UnitText(f.unit);
    }
    if (f.enabledBy) out << " (follows " << f.enabledBy << ")";
    out << "\n";
  }
  return out.str();
}

}  // namespace vx::host::adm

#include "presets/preset_codec.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "presets/param_record.h"
#include "shell/suites.h"

namespace vx {
namespace {

// ---- writing ---------------------------------------------------------------

// Appends to a fixed buffer; remembers when anything did not fit.
class TextWriter {
 public:
  TextWriter(char* text, std::size_t capacity) : text_(text), cap_(capacity) {}

  void Put(const char* s, std::size_t n) {
    // One byte stays reserved for the terminator.
    if (cap_ == 0 || n > cap_ - 1 - len_) {
      overflow_ = true;
      n = cap_ == 0 ? 0 : cap_ - 1 - len_;
    }
    std::memcpy(text_ + len_, s, n);
    len_ += n;
  }
  void Put(const char* s) { Put(s, std::strlen(s)); }
  void PutChar(char c) { Put(&c, 1); }

  // Writes text that must stay on one line: TAB, CR and LF become spaces.
  void PutLineText(const char* s, std::size_t maxBytes) {
    for (std::size_t i = 0; i < maxBytes && s[i]; ++i) {
      char c = s[i];
      PutChar(c == '\t' || c == '\r' || c == '\n' ? ' ' : c);
    }
  }

  void PutInteger(long long value) {
    char digits[24];
    auto res = std::to_chars(digits, digits + sizeof digits, value);
    Put(digits, std::size_t(res.ptr - digits));
  }
  void PutUnsigned(unsigned long long value) {
    char digits[24];
    auto res = std::to_chars(digits, digits + sizeof digits, value);
    Put(digits, std::size_t(res.ptr - digits));
  }
  // The "%.6f" form of a float (promoted to double as printf does).
  void PutReal(float value) {
    char digits[64];
    auto res = std::to_chars(digits, digits + sizeof digits, double(value),
                             std::chars_format::fixed, 6);
    Put(digits, std::size_t(res.ptr - digits));
  }

  std::size_t Finish() {
    if (cap_ > 0) text_[len_] = '\0';
    return len_;
  }
  bool overflow() const { return overflow_; }

 private:
  char* text_;
  std::size_t cap_;
  std::size_t len_ = 0;
  bool overflow_ = false;
};

template <typename T>
T Load(const void* record, uint16_t offset) {
  T value;
  std::memcpy(&value, static_cast<const char*>(record) + offset, sizeof value);
  return value;
}

template <typename T>
void Store(void* record, uint16_t offset, T value) {
  std::memcpy(static_cast<char*>(record) + offset, &value, sizeof value);
}

float FixedToFloat(int32_t fixed) {
  if (sRealMath && sRealMath->FixedToReal) return sRealMath->FixedToReal(fixed);
  return float(fixed) / 65536.0f;
}

void EncodeValue(TextWriter& w, const PresetField& f, const void* record) {
  switch (f.type) {
    case kPresetLong:
    case kPresetInt:
      w.PutInteger(Load<int32_t>(record, f.offset));
      break;
    case kPresetShort:
      w.PutInteger(Load<int16_t>(record, f.offset));
      break;
    case kPresetText:
      w.PutLineText(static_cast<const char*>(record) + f.offset, f.size);
      break;
    case kPresetCountedText: {
      const auto* field =
          reinterpret_cast<const unsigned char*>(record) + f.offset;
      std::size_t n = field[0];
      if (f.size > 0 && n > std::size_t(f.size) - 1) n = f.size - 1;
      // The characters may hold a NUL; the text stops there like the
      // plain-text form that is written.
      w.PutLineText(reinterpret_cast<const char*>(field + 1), n);
      break;
    }
    case kPresetFlag:
      w.PutChar(Load<int32_t>(record, f.offset) ? '1' : '0');
      break;
    case kPresetReal:
      w.PutReal(Load<float>(record, f.offset));
      break;
    case kPresetFixed:
      w.PutReal(FixedToFloat(Load<int32_t>(record, f.offset)));
      break;
    case kPresetULong:
      w.PutUnsigned(Load<uint32_t>(record, f.offset));
      break;
    case kPresetPoint: {
      AIRealPoint p = Load<AIRealPoint>(record, f.offset);
      w.PutReal(p.h);
      w.PutChar(',');
      w.PutReal(p.v);
      break;
    }
    case kPresetColour: {
      AIColor c = Load<AIColor>(record, f.offset);
      float v[4] = {0, 0, 0, 0};
      if (c.kind == kGrayColor) {
        v[0] = c.c.g.gray;
      } else if (c.kind == kFourColor) {
        v[0] = c.c.f.cyan, v[1] = c.c.f.magenta, v[2] = c.c.f.yellow;
        v[3] = c.c.f.black;
      } else if (c.kind == kThreeColor) {
        v[0] = c.c.rgb.red, v[1] = c.c.rgb.green, v[2] = c.c.rgb.blue;
      }
      w.PutInteger(int16_t(c.kind));
      for (float x : v) {
        w.PutChar(',');
        w.PutReal(x);
      }
      break;
    }
  }
}

// ---- reading ---------------------------------------------------------------
// The readers follow scanf's rules: leading white space is skipped, a number
// is the longest prefix that reads as one, and literal separators must match.

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' ||
         c == '\v';
}

// Reads a decimal integer; values beyond the 64-bit range saturate.
bool ReadInteger(const char*& p, long long& value) {
  while (IsSpace(*p)) ++p;
  const char* s = p;
  bool negative = false;
  if (*s == '+' || *s == '-') negative = *s++ == '-';
  if (*s < '0' || *s > '9') return false;
  unsigned long long magnitude = 0;
  bool saturated = false;
  for (; *s >= '0' && *s <= '9'; ++s) {
    unsigned digit = unsigned(*s - '0');
    if (magnitude > (std::numeric_limits<unsigned long long>::max() - digit) / 10)
      saturated = true;
    else
      magnitude = magnitude * 10 + digit;
  }
  p = s;
  constexpr unsigned long long kMax = std::numeric_limits<long long>::max();
  if (saturated || magnitude > kMax)
    value = negative ? std::numeric_limits<long long>::min()
                     : std::numeric_limits<long long>::max();
  else
    value = negative ? -static_cast<long long>(magnitude)
                     : static_cast<long long>(magnitude);
  return true;
}

// strtol on a 32-bit long: saturates at the 32-bit range.
int32_t ClampToInt32(long long v) {
  if (v > std::numeric_limits<int32_t>::max())
    return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min())
    return std::numeric_limits<int32_t>::min();
  return int32_t(v);
}

// strtoul on a 32-bit long: a negative number wraps, overflow saturates.
uint32_t ToUInt32(long long v) {
  constexpr long long kMax = std::numeric_limits<uint32_t>::max();
  if (v > kMax || v < -kMax) return std::numeric_limits<uint32_t>::max();
  return v < 0 ? uint32_t(0u - uint32_t(-v)) : uint32_t(v);
}

// The power of ten of a decimal number's leading digit (mantissa position
// plus exponent), enough to tell overflow from underflow.
long long DecimalExponent(const char* s, const char* end) {
  if (s < end && (*s == '-' || *s == '+')) ++s;
  long long position = 0;
  bool seenDigit = false, afterPoint = false;
  long long exp10 = 0;
  for (; s < end && *s != 'e' && *s != 'E'; ++s) {
    if (*s == '.') {
      afterPoint = true;
      continue;
    }
    if (!seenDigit && *s == '0') {
      if (afterPoint) --position;
      continue;
    }
    if (!seenDigit) {
      seenDigit = true;
      exp10 = afterPoint ? position - 1 : 0;
    } else if (!afterPoint) {
      ++exp10;
    }
  }
  if (s < end) {
    const char* e = s + 1;
    long long exponent = 0;
    if (ReadInteger(e, exponent)) {
      if (exponent > (1LL << 40)) exponent = 1LL << 40;
      if (exponent < -(1LL << 40)) exponent = -(1LL << 40);
      exp10 += exponent;
    }
  }
  return exp10;
}

bool ReadReal(const char*& p, float& value) {
  while (IsSpace(*p)) ++p;
  const char* s = p;
  if (*s == '+' && s[1] != '-' && s[1] != '+') ++s;
  const char* end = s + std::strlen(s);
  double d = 0;
  auto res = std::from_chars(s, end, d, std::chars_format::general);
  if (res.ptr == s) return false;
  if (res.ec == std::errc::result_out_of_range) {
    // Beyond the double range: infinity or zero, as strtod answers.
    d = DecimalExponent(s, res.ptr) > 0 ? std::numeric_limits<double>::infinity()
                                        : 0.0;
    if (*s == '-') d = -d;
  }
  p = res.ptr;
  constexpr double kFloatMax = std::numeric_limits<float>::max();
  if (d > kFloatMax)
    value = std::numeric_limits<float>::infinity();
  else if (d < -kFloatMax)
    value = -std::numeric_limits<float>::infinity();
  else
    value = float(d);
  return true;
}

bool ReadComma(const char*& p) {
  if (*p != ',') return false;
  ++p;
  return true;
}

// "%f" times 65536, truncated toward zero, kept inside the 32-bit range.
int32_t RealToFixed(float value) {
  double scaled = double(value) * 65536.0;
  if (std::isnan(scaled)) return 0;
  if (scaled >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (scaled <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return int32_t(scaled);
}

}  // namespace

void DecodeFieldValue(const PresetField& f, const char* value, void* record) {
  const char* p = value;
  switch (f.type) {
    case kPresetLong:
    case kPresetInt: {
      long long v;
      if (ReadInteger(p, v)) Store<int32_t>(record, f.offset, ClampToInt32(v));
      break;
    }
    case kPresetShort: {
      long long v;
      if (ReadInteger(p, v))
        Store<int16_t>(record, f.offset,
                       int16_t(uint16_t(uint32_t(ClampToInt32(v)))));
      break;
    }
    case kPresetText: {
      if (f.size == 0) break;
      char* field = static_cast<char*>(record) + f.offset;
      std::size_t n = std::strlen(value);
      if (n > std::size_t(f.size) - 1) n = f.size - 1;
      std::memcpy(field, value, n);
      field[n] = '\0';
      break;
    }
    case kPresetCountedText: {
      if (f.size == 0) break;
      auto* field = reinterpret_cast<unsigned char*>(record) + f.offset;
      std::size_t n = std::strlen(value);
      std::size_t room = std::size_t(f.size) - 1;
      if (room > 255) room = 255;
      if (n > room) n = room;
      std::memcpy(field + 1, value, n);
      field[0] = static_cast<unsigned char>(n);
      break;
    }
    case kPresetFlag:
      Store<int32_t>(record, f.offset, std::strcmp(value, "0") == 0 ? 0 : 1);
      break;
    case kPresetReal: {
      float v;
      if (ReadReal(p, v)) Store<float>(record, f.offset, v);
      break;
    }
    case kPresetFixed: {
      float v;
      if (ReadReal(p, v)) Store<int32_t>(record, f.offset, RealToFixed(v));
      break;
    }
    case kPresetULong: {
      long long v;
      if (ReadInteger(p, v)) Store<uint32_t>(record, f.offset, ToUInt32(v));
      break;
    }
    case kPresetPoint: {
      AIRealPoint pt = Load<AIRealPoint>(record, f.offset);
      if (ReadReal(p, pt.h) && ReadComma(p)) ReadReal(p, pt.v);
      Store<AIRealPoint>(record, f.offset, pt);
      break;
    }
    case kPresetColour: {
      long long kind;
      if (!ReadInteger(p, kind)) break;
      float v[4];
      int count = 0;
      while (count < 4 && ReadComma(p) && ReadReal(p, v[count])) ++count;
      AIColor c = Load<AIColor>(record, f.offset);
      c.kind = int16_t(uint16_t(uint32_t(ClampToInt32(kind))));
      if (c.kind == kGrayColor) {
        if (count > 0) c.c.g.gray = v[0];
      } else if (c.kind == kFourColor) {
        float* dst[4] = {&c.c.f.cyan, &c.c.f.magenta, &c.c.f.yellow,
                         &c.c.f.black};
        for (int i = 0; i < count; ++i) *dst[i] = v[i];
      } else if (c.kind == kThreeColor) {
        float* dst[3] = {&c.c.rgb.red, &c.c.rgb.green, &c.c.rgb.blue};
        for (int i = 0; i < count && i < 3; ++i) *dst[i] = v[i];
      }
      Store<AIColor>(record, f.offset, c);
      break;
    }
  }
}

ASErr EncodeRecord(const PresetKind& kind, const void* record, char* text,
                   std::size_t capacity, std::size_t* length) {
  TextWriter w(text, capacity);
  w.Put("$\t");
  w.PutLineText(static_cast<const char*>(record), kParamNameSize);
  w.Put("\r\n");
  for (uint16_t i = 0; i < kind.fieldCount; ++i) {
    const PresetField& f = kind.fields[i];
    w.Put(f.key);
    w.PutChar('\t');
    EncodeValue(w, f, record);
    w.Put("\r\n");
  }
  std::size_t n = w.Finish();
  if (length) *length = n;
  return w.overflow() ? -1 : kNoErr;
}

bool FindPresetValue(const char* text, std::size_t length, const char* key,
                     char* out, std::size_t outSize) {
  if (!text || length < 2 || !out || outSize == 0) return false;
  const std::size_t keyLength = std::strlen(key);
  std::size_t pos = 1;  // past the entry's own "$"
  while (pos < length) {
    if (text[pos] == '$') break;
    std::size_t end = pos;
    while (end < length && text[end] != '\r' && text[end] != '\n') ++end;
    std::size_t tab = pos;
    while (tab < end && text[tab] != '\t') ++tab;
    if (tab < end && tab - pos == keyLength &&
        std::memcmp(text + pos, key, keyLength) == 0) {
      std::size_t n = end - tab - 1;
      if (n > outSize - 1) n = outSize - 1;
      std::memcpy(out, text + tab + 1, n);
      out[n] = '\0';
      return true;
    }
    pos = end;
    if (pos < length && text[pos] == '\r') ++pos;
    if (pos < length && text[pos] == '\n') ++pos;
  }
  return false;
}

void DecodeRecord(const PresetKind& kind, const char* text, std::size_t length,
                  void* record) {
  char value[kPresetValueBufferSize];
  for (uint16_t i = 0; i < kind.fieldCount; ++i) {
    const PresetField& f = kind.fields[i];
    if (FindPresetValue(text, length, f.key, value, sizeof value))
      DecodeFieldValue(f, value, record);
  }
}

}  // namespace vx

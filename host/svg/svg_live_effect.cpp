#include "host/svg/svg_live_effect.h"

#include <charconv>
#include <cstdint>
#include <type_traits>

namespace vx::host::svg {
namespace {

constexpr const char* kRole = "live-effect";
constexpr const char* kEffectAttribute = "vx:live-effect";
constexpr const char* kParametersAttribute = "vx:parameters";
constexpr const char* kInstanceAttribute = "vx:instance";

bool NeedsEscape(char c) {
  return c == '%' || c == ';' || c == '=' || c == ':' || static_cast<unsigned char>(c) < 0x20;
}

void AppendEscaped(std::string& out, std::string_view text) {
  constexpr char kHex[] = "0123456789ABCDEF";
  for (char c : text) {
    if (!NeedsEscape(c)) {
      out += c;
      continue;
    }
    const auto u = static_cast<unsigned char>(c);
    out += '%';
    out += kHex[u >> 4];
    out += kHex[u & 15];
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int hi = HexDigit(text[i + 1]), lo = HexDigit(text[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += char(hi << 4 | lo);
    i += 2;
  }
  return out;
}

template <typename Number>
void AppendNumber(std::string& out, Number value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, ec == std::errc() ? end : buffer);
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<art::Dictionary::Value> DecodeValue(std::string_view typed) {
  if (typed.size() < 2 || typed[1] != ':') return std::nullopt;
  const std::string_view text = typed.substr(2);
  switch (typed[0]) {
    case 'i':
      if (auto v = ParseNumber<int32_t>(text)) return *v;
      return std::nullopt;
    case 'r':
      if (auto v = ParseNumber<AIReal>(text)) return *v;
      return std::nullopt;
    case 'b':
      if (text == "0" || text == "1") return text == "1";
      return std::nullopt;
    case 's':
      if (auto v = Unescape(text)) return *v;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::string EncodeDictionary(const art::Dictionary& dictionary) {
  std::string out;
  for (const auto& [key, value] : dictionary.entries()) {
    if (!out.empty()) out += ';';
    AppendEscaped(out, key);
    out += '=';
    std::visit(
        [&out](const auto& v) {
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, int32_t>) {
            out += "i:";
            AppendNumber(out, v);
          } else if constexpr (std::is_same_v<T, AIReal>) {
            out += "r:";
            AppendNumber(out, v);
          } else if constexpr (std::is_same_v<T, bool>) {
            out += v ? "b:1" : "b:0";
          } else {
            out += "s:";
            AppendEscaped(out, v);
          }
        },
        value);
  }
  return out;
}

std::optional<art::Dictionary> DecodeDictionary(std::string_view text) {
  art::Dictionary out;
  while (!text.empty()) {
    const size_t end = text.find(';');
    const std::string_view entry = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const size_t equals = entry.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    auto key = Unescape(entry.substr(0, equals));
    auto value = DecodeValue(entry.substr(equals + 1));
    if (!key || key->empty() || !value || out.Has(*key)) return std::nullopt;
    out.Set(*key, std::move(*value));
  }
  return out;
}

bool IsLiveEffectElement(const pugi::xml_node& node) {
  return std::string_view(node.attribute("vx:role").value()) == kRole;
}

void WriteLiveEffectAttributes(pugi::xml_node element,
                               const live::LiveEffectInstance& instance) {
  element.append_attribute("vx:role") = kRole;
  element.append_attribute(kEffectAttribute) = instance.effect.c_str();
  element.append_attribute(kParametersAttribute) = EncodeDictionary(instance.parameters).c_str();
  element.append_attribute(kInstanceAttribute) = EncodeDictionary(instance.instanceInfo).c_str();
}

std::optional<live::LiveEffectInstance> ReadLiveEffect(const pugi::xml_node& node,
                                                       std::string* error) {
  live::LiveEffectInstance instance;
  instance.effect = node.attribute(kEffectAttribute).value();
  if (instance.effect.empty()) {
    *error = "without the name of its effect (vx:live-effect)";
    return std::nullopt;
  }
  auto parameters = DecodeDictionary(node.attribute(kParametersAttribute).value());
  auto info = DecodeDictionary(node.attribute(kInstanceAttribute).value());
  if (!parameters || !info) {
    *error = std::string("with a damaged ") + (parameters ? kInstanceAttribute : kParametersAttribute);
    return std::nullopt;
  }
  instance.parameters = std::move(*parameters);
  instance.instanceInfo = std::move(*info);
  return instance;
}

}  // namespace vx::host::svg

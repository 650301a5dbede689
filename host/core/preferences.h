// The host's preferences: typed values under a prefix and a suffix, kept in
// a text file in the user settings folder. Every change is written at once
// (to a temporary file renamed over the old one), so nothing is lost when
// the program ends abruptly.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "vx_sdk.h"

namespace vx::host {

class Preferences {
 public:
  enum class Type { Integer, Boolean, Real, String, Point };
  struct Value {
    Type type = Type::Integer;
    int32_t integer = 0;  // also the boolean
    double real = 0;
    std::string text;
    ASPoint point{};
  };

  // The file is read on first use.
  explicit Preferences(std::filesystem::path file);

  // The value under (prefix, suffix) when it exists with that type.
  std::optional<Value> Get(const std::string& prefix, const std::string& suffix,
                           Type type);
  // Stores and writes the file; answers 0 or the error of writing it.
  int32_t Put(const std::string& prefix, const std::string& suffix, Value value);

  const std::filesystem::path& file() const { return file_; }

 private:
  void Load();
  int32_t Save() const;

  std::filesystem::path file_;
  bool loaded_ = false;
  std::map<std::pair<std::string, std::string>, Value> values_;
};

}  // namespace vx::host

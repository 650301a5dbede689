// A stand-in plug-in module for tests of the host itself: its entry point
// runs whatever the test installs, and its resources are the ones the test
// adds (dialog templates, strings, menus, icons, pictures), so host tests do
// not depend on the real plug-in's behaviour or resources.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "host/core/host.h"

namespace vx::test {

class FakePlugin {
 public:
  using Main =
      std::function<ASErr(const char* caller, const char* selector, void* message)>;

  // Installs the entry point (null: every message answers 0) and empties the
  // resources.
  static void Reset(Main main = nullptr);
  static void SetMain(Main main);
  // Adds or replaces resource (type, id); visible to a host already made.
  static void AddResource(uint32_t type, int32_t id, std::string data);
  // A host (not started) over the fake module, in a fresh settings folder.
  static std::unique_ptr<host::Host> MakeHost(host::HostOptions options = {});

  // The suite table (name, version) of the current host, as the plug-in
  // acquires it; null when the host lacks it.
  template <typename Suite>
  static const Suite* Acquire(const char* name, int32_t version) {
    const void* table = nullptr;
    if (host::Host::Current().suites().Acquire(name, version, &table))
      return nullptr;
    return static_cast<const Suite*>(table);
  }
};

}  // namespace vx::test

// The fixture every test of the plug-in runs on: a host with the plug-in
// linked in, started, and at the end shut down with a census proving that no
// block of the host's allocator is left live.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "host/core/host.h"

namespace vx::test {

// A fresh, empty settings folder under the build tree, unique per test.
std::filesystem::path FreshSettingsDir();

// Makes a host over the statically linked plug-in (not started).
std::unique_ptr<host::Host> MakeLinkedHost(host::HostOptions options = {});

class HostTest : public ::testing::Test {
 protected:
  // Options the host is made with; a test may change them before StartHost.
  host::HostOptions options_;
  std::unique_ptr<host::Host> host_;

  void SetUp() override;
  void TearDown() override;

  // Makes the host (if not made yet) and sends Startup; returns its result.
  int32_t StartHost();
  host::Host& host() { return *host_; }
  // Shuts down (if started) and checks that no block is left live.
  void ExpectCleanShutdown();
};

}  // namespace vx::test

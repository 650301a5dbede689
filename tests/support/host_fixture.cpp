#include "support/host_fixture.h"

#include <atomic>
#include <unistd.h>

extern "C" ASErr PluginMain(const char* caller, const char* selector,
                            void* message);
extern "C" const VxResourceDirectory* VxModuleResources(void);
extern "C" const VxToolTable* VxModuleTools(void);

namespace vx::test {

std::filesystem::path FreshSettingsDir() {
  static std::atomic<int> counter{0};
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name()
                          : "no-test";
  for (char& c : name)
    if (c == '/') c = '_';
  auto dir = std::filesystem::temp_directory_path() /
             ("vx-test-" + std::to_string(getpid())) /
             (name + "-" + std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

std::unique_ptr<host::Host> MakeLinkedHost(host::HostOptions options) {
  if (options.settingsDir.empty()) options.settingsDir = FreshSettingsDir();
  auto h = std::make_unique<host::Host>(std::move(options));
  h->AttachPlugin(host::PluginModule::Linked(PluginMain, VxModuleResources,
                                             VX_PLUGIN_MODULE_PATH, nullptr, VxModuleTools));
  return h;
}

void HostTest::SetUp() {}

void HostTest::TearDown() {
  if (host_) ExpectCleanShutdown();
  host_.reset();
}

int32_t HostTest::StartHost() {
  if (!host_) host_ = MakeLinkedHost(options_);
  return host_->Startup();
}

void HostTest::ExpectCleanShutdown() {
  if (host_->started()) {
    EXPECT_EQ(0, host_->Shutdown());
  }
  EXPECT_EQ(0u, host_->blocks().LiveCount())
      << "blocks left live after shutdown:\n"
      << host_->blocks().LiveReport();
}

}  // namespace vx::test

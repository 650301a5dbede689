#include "support/fake_plugin.h"

#include <algorithm>
#include <list>
#include <vector>

#include "support/host_fixture.h"

namespace vx::test {
namespace {

FakePlugin::Main gMain;
std::list<std::string> gData;  // stable storage of the resources' bytes
std::vector<VxResource> gResources;
VxResourceDirectory gDirectory{nullptr, 0};

ASErr FakeMain(const char* caller, const char* selector, void* message) {
  return gMain ? gMain(caller, selector, message) : kNoErr;
}
const VxResourceDirectory* FakeResources() { return &gDirectory; }

}  // namespace

void FakePlugin::Reset(Main main) {
  gMain = std::move(main);
  gResources.clear();
  gData.clear();
  gDirectory = {nullptr, 0};
}

void FakePlugin::SetMain(Main main) { gMain = std::move(main); }

void FakePlugin::AddResource(uint32_t type, int32_t id, std::string data) {
  gResources.erase(std::remove_if(gResources.begin(), gResources.end(),
                                  [&](const VxResource& r) {
                                    return r.type == type && r.id == id;
                                  }),
                   gResources.end());
  gData.push_back(std::move(data));
  gResources.push_back({type, id, gData.back().c_str(),
                        static_cast<uint32_t>(gData.back().size())});
  std::sort(gResources.begin(), gResources.end(),
            [](const VxResource& a, const VxResource& b) {
              return a.type != b.type ? a.type < b.type : a.id < b.id;
            });
  gDirectory = {gResources.data(), static_cast<uint32_t>(gResources.size())};
}

std::unique_ptr<host::Host> FakePlugin::MakeHost(host::HostOptions options) {
  if (options.settingsDir.empty()) options.settingsDir = FreshSettingsDir();
  auto h = std::make_unique<host::Host>(std::move(options));
  h->AttachPlugin(host::PluginModule::Linked(FakeMain, FakeResources, "fake"));
  return h;
}

}  // namespace vx::test

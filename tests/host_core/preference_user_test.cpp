// Preferences persist across hosts; folders, the user suite's progress and
// number texts, and the URL suite without a browser.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <cstring>
#include <tuple>

#include "host/core/core_suites.h"
#include "host/core/user_interaction.h"
#include "support/checked_out.h"
#include "support/fake_plugin.h"
#include "support/host_fixture.h"

namespace vx::host {
namespace {

using test::FakePlugin;

// A host over the fake plug-in, and one of its suites as the plug-in holds it.
template <class Suite>
struct Over {
  std::unique_ptr<Host> host;
  const Suite* suite;
  Over(const char* name, int32_t version, HostOptions options = {})
      : host((FakePlugin::Reset(), FakePlugin::MakeHost(options))),
        suite(FakePlugin::Acquire<Suite>(name, version)) {
    EXPECT_NE(nullptr, suite);
  }
  const Suite* operator->() const { return suite; }
};

TEST(Preferences, EveryTypePersistsAcrossHosts) {
  HostOptions options;
  options.settingsDir = test::FreshSettingsDir();
  {
    Over<AIPreferenceSuite> p(kAIPreferenceSuite, kAIPreferenceSuiteVersion, options);
    EXPECT_EQ(0, p->PutIntegerPreference("QVR-VsX4LiveBorder", "DockCode", 0x1C00));
    EXPECT_EQ(0, p->PutBooleanPreference("QVR-VsX4Help", "Visible", 1));
    EXPECT_EQ(0, p->PutRealPreference("a", "r", 0.1f));
    EXPECT_EQ(0, p->PutStringPreference("QVR-VsX4LiveBorder", "DockGroup",
                                        "tab\there\\ and\nnewline"));
    EXPECT_EQ(0, p->PutPointPreference("QVR-VsX4Help", "Location", {-12, 340}));
    // A value put again as it is leaves the file untouched; a new one writes it.
    namespace fs = std::filesystem;
    const fs::path file = options.settingsDir / kPreferencesFile;
    const auto yesterday = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(file, yesterday);
    EXPECT_EQ(0, p->PutRealPreference("a", "r", 0.1f));
    EXPECT_EQ(yesterday, fs::last_write_time(file));
    EXPECT_EQ(0, p->PutRealPreference("a", "r", 0.1f + 1e-6f));
    EXPECT_NE(yesterday, fs::last_write_time(file));
    EXPECT_EQ(0, p->PutRealPreference("a", "r", 0.1f));
  }
  Over<AIPreferenceSuite> p(kAIPreferenceSuite, kAIPreferenceSuiteVersion, options);
  using test::Out;
  EXPECT_EQ(0x1C00, Out<int32_t>([&](auto* v) { return p->GetIntegerPreference("QVR-VsX4LiveBorder", "DockCode", v); }));
  EXPECT_EQ(1, Out<ASBoolean>([&](auto* v) { return p->GetBooleanPreference("QVR-VsX4Help", "Visible", v); }));
  EXPECT_EQ(0.1f, Out<AIReal>([&](auto* v) { return p->GetRealPreference("a", "r", v); }));
  char text[64];
  EXPECT_EQ(0, p->GetStringPreference("QVR-VsX4LiveBorder", "DockGroup", text, 64));
  EXPECT_STREQ("tab\there\\ and\nnewline", text);
  const ASPoint where = Out<ASPoint>([&](auto* v) { return p->GetPointPreference("QVR-VsX4Help", "Location", v); });
  EXPECT_EQ(-12, where.h);
  EXPECT_EQ(340, where.v);
  // Missing values, and values of another type, leave the variable alone.
  int32_t untouched = 77;
  EXPECT_EQ(0, p->GetIntegerPreference("QVR-VsX4Help", "Visible", &untouched));
  EXPECT_EQ(0, p->GetIntegerPreference("none", "none", &untouched));
  EXPECT_EQ(77, untouched);
}

TEST(Folders, UserSettingsRootIsTheSettingsFolder) {
  HostOptions options;
  options.settingsDir = test::FreshSettingsDir() / "not-yet";
  Over<AIFoldersSuite> f(kAIFoldersSuite, kAIFoldersSuiteVersion, options);
  char path[1024];
  ASSERT_EQ(0, f->FindFolder(kAIUserSupportFolderType, 0, path, sizeof path));
  EXPECT_EQ(options.settingsDir.string(), path);
  EXPECT_FALSE(std::filesystem::exists(options.settingsDir));
  ASSERT_EQ(0, f->FindFolder(kAIUserSupportFolderType, 1, path, sizeof path));
  EXPECT_TRUE(std::filesystem::is_directory(options.settingsDir));
  EXPECT_NE(0, f->FindFolder(3, 0, path, sizeof path));
  EXPECT_NE(0, f->FindFolder(kAIUserSupportFolderType, 0, path, 4));  // too short
}

TEST(UserSuite, BeepsProgressCancelAndTicks) {
  Over<AIUserSuite> u(kAIUserSuite, kAIUserSuiteVersion);
  UserInteraction& user = u.host->user();
  u->SysBeep();
  u->SysBeep();
  EXPECT_EQ(2, user.beeps());
  user.CancelAfterUpdates(3);
  u->SetProgressText("Fractalize");
  for (int i = 1; i <= 2; ++i) {
    u->UpdateProgress(i, 10);
    EXPECT_EQ(0, u->Cancelled()) << i;
  }
  u->UpdateProgress(3, 10);
  EXPECT_EQ(1, u->Cancelled());
  EXPECT_EQ("Fractalize", user.progressText());
  EXPECT_EQ(3, user.progressCurrent());
  u->CloseProgress();
  EXPECT_FALSE(user.progressOpen());
  user.FixTickCount(123456u);
  EXPECT_EQ(123456u, u->GetTickCount());
}

TEST(UserSuite, NumberTextsReadAndWriteAsNumberFields) {
  Over<AIUserSuite> u(kAIUserSuite, kAIUserSuiteVersion);
  struct Case {
    const char* text;
    bool ok;
    AIReal value;
  };
  const Case cases[] = {{"12", true, 12},       {"  -3.5", true, -3.5f},
                        {"+7", true, 7},        {"45 pt", true, 45},
                        {"33.33%", true, 33.33f}, {".5", true, 0.5f},
                        {"", false, 0},         {"pt", false, 0},
                        {"-", false, 0}};
  for (const Case& c : cases) {
    AIReal value = -999;
    ASErr err = u->StringToNumber(c.text, &value);
    EXPECT_EQ(c.ok, err == 0) << c.text;
    if (c.ok) {
      EXPECT_EQ(c.value, value) << c.text;
    } else {
      EXPECT_EQ(-999, value) << c.text;
    }
  }
  for (auto [value, decimals, written] : {std::tuple{33.333f, 2, "33.33"}, {45.0f, 2, "45"},
                                          {-0.001f, 1, "0"}}) {
    char text[32];
    ASSERT_EQ(0, u->NumberToString(value, decimals, text, 32));
    EXPECT_STREQ(written, text);
  }
}

TEST(URLSuite, NoBrowserHere) {
  Over<AIURLSuite> url(kAIURLSuite, kAIURLSuiteVersion);
  EXPECT_EQ(0, url->IsBrowserAvailable());
  EXPECT_EQ(0, url->OpenURL("http://example.com/"));
  ASSERT_EQ(1u, url.host->user().openedURLs().size());
}

}  // namespace
}  // namespace vx::host

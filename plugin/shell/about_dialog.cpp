#include "shell/about_dialog.h"

#include "generated/resource_ids.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

namespace Items = res::AboutDialog;
constexpr int32_t kSeparatorStyle = 4;

// Opens the button's web address through the host's URL suite, when the host
// has a browser; otherwise the button does nothing.
void LinkNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
  const SPBasicSuite* basic = gGlobals ? gGlobals->BasicSuite : nullptr;
  const void* suite = nullptr;
  if (!basic || basic->AcquireSuite(kAIURLSuite, kAIURLSuiteVersion, &suite))
    return;
  auto* url = static_cast<const AIURLSuite*>(suite);
  if (url->IsBrowserAvailable && url->IsBrowserAvailable()) {
    char address[256] = "";
    sADMItem->GetText(item, address, sizeof address);
    url->OpenURL(address);
  }
  basic->ReleaseSuite(kAIURLSuite, kAIURLSuiteVersion);
}

void OkNotify(ADMItemRef item, ADMNotifierRef notifier) {
  sADMItem->DefaultNotify(item, notifier);
}

ASErr InitAbout(ADMDialogRef dialog) {
  sADMItem->SetItemStyle(sADMDialog->GetItem(dialog, Items::kSeparator),
                         kSeparatorStyle);
  sADMItem->SetNotifyProc(sADMDialog->GetItem(dialog, Items::kLink), LinkNotify);
  sADMItem->SetNotifyProc(sADMDialog->GetItem(dialog, Items::kOk), OkNotify);
  return kNoErr;
}

}  // namespace

ASErr ShowAboutDialog(SPPluginRef plugin) {
  if (sADMDialog)
    sADMDialog->Modal(plugin, "About Dialog", res::kAboutDialog,
                      kADMModalDialogStyle, InitAbout, nullptr, 0);
  return kNoErr;
}

}  // namespace vx

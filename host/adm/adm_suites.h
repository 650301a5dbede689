// The dialog manager's suites, published by the host: basic, dialog, dialog
// group, item, list, entry, drawer, icon, tracker and notifier. Each is a
// table of plain functions over Host::Current().dialogs().
#pragma once

namespace vx::host {
class Host;
}

namespace vx::host::adm {

class DialogManager;

void RegisterAdmSuites(Host& host);

// One per file.
void RegisterBasicSuite(Host& host);
void RegisterDialogSuites(Host& host);   // dialog, dialog group
void RegisterItemSuite(Host& host);
void RegisterListSuites(Host& host);     // list, entry
void RegisterDrawingSuites(Host& host);  // drawer, icon, tracker, notifier

// The dialog manager of the current host.
DialogManager& Manager();

}  // namespace vx::host::adm

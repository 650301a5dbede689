// Showing a failed operation's result to the user: the error dialog with the
// message of the error string table and the code, and the effects' alert.
#pragma once

#include "vx_sdk.h"

namespace vx {

// "-108" for small codes, "SEGM" for four-character codes.
void FormatResultCode(ASErr code, char* text, int size);

// Looks the code up in the error string table: writes its message (the last
// message of the table when no row matches). Answers false when the message
// cannot be read.
bool LookUpErrorMessage(SPPluginRef plugin, ASErr code, char* message,
                        int size);

// Shows the error dialog for a non-zero code other than "STOP"; nothing when
// the dialog manager's basic or dialog suite is absent.
void ReportError(SPPluginRef plugin, ASErr code);

// Shows entry n of the effects' alert table through the basic error alert.
void ShowEffectAlert(SPPluginRef plugin, int32_t n);

}  // namespace vx

#include "shell/error_report.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "generated/resource_ids.h"
#include "shell/suites.h"

namespace vx {
namespace {

constexpr int kTextSize = 256;

namespace Items = res::ErrorDialog;

struct ErrorDialogTexts {
  const char* message;
  const char* code;
};

// A code text that begins with "-" or a digit is a decimal number taken as a
// signed 16-bit value; any other is a four-character code.
ASErr ParseCodeText(const char* text) {
  if (text[0] == '-' || (text[0] >= '0' && text[0] <= '9'))
    return static_cast<int16_t>(std::strtol(text, nullptr, 10));
  char c[4] = {0, 0, 0, 0};
  for (int i = 0; i < 4 && text[i]; ++i) c[i] = text[i];
  return VX_FOURCC(c[0], c[1], c[2], c[3]);
}

ASErr InitErrorDialog(ADMDialogRef dialog) {
  auto* texts = static_cast<const ErrorDialogTexts*>(
      sADMDialog->GetUserData(dialog));
  if (!texts) return kNoErr;
  sADMItem->SetText(sADMDialog->GetItem(dialog, Items::kMessage), texts->message);
  sADMItem->SetText(sADMDialog->GetItem(dialog, Items::kCode), texts->code);
  return kNoErr;
}

}  // namespace

void FormatResultCode(ASErr code, char* text, int size) {
  int32_t high = code >> 16;
  if (high == 0 || high == -1) {
    std::snprintf(text, size, "%d", static_cast<int>(code));
    return;
  }
  uint32_t u = static_cast<uint32_t>(code);
  std::snprintf(text, size, "%c%c%c%c", char(u >> 24), char(u >> 16),
                char(u >> 8), char(u));
}

bool LookUpErrorMessage(SPPluginRef plugin, ASErr code, char* message,
                        int size) {
  char codeText[kTextSize];
  int32_t index = 1;
  for (;; index += 2) {
    codeText[0] = '\0';
    if (sADMBasic->GetIndexString(plugin, res::kErrorTexts, index, codeText,
                                  kTextSize))
      codeText[0] = '\0';
    if (codeText[0] == '\0') break;
    if (ParseCodeText(codeText) == code) {
      ++index;  // the message follows its code
      message[0] = '\0';
      return sADMBasic->GetIndexString(plugin, res::kErrorTexts, index,
                                       message, size) == kNoErr &&
             message[0] != '\0';
    }
  }
  // No row matched: the last message of the table.
  if (index < 2) return false;
  message[0] = '\0';
  return sADMBasic->GetIndexString(plugin, res::kErrorTexts, index - 1,
                                   message, size) == kNoErr &&
         message[0] != '\0';
}

void ReportError(SPPluginRef plugin, ASErr code) {
  if (code == kNoErr || code == kCanceledErr) return;
  if (!sADMBasic || !sADMDialog) return;
  char message[kTextSize];
  if (!LookUpErrorMessage(plugin, code, message, kTextSize)) return;
  char codeText[16];
  FormatResultCode(code, codeText, sizeof codeText);
  ErrorDialogTexts texts{message, codeText};
  sADMDialog->Modal(plugin, "Error Dialog", res::kErrorDialog,
                    kADMModalDialogStyle, InitErrorDialog, &texts, 0);
}

void ShowEffectAlert(SPPluginRef plugin, int32_t n) {
  if (!sADMBasic) return;
  char text[kTextSize] = "";
  if (sADMBasic->GetIndexString(plugin, res::kEffectAlerts, n, text,
                                kTextSize))
    return;
  sADMBasic->ErrorAlert(text);
}

}  // namespace vx

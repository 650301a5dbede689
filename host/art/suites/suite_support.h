// Helpers shared by the document model's suite functions: the current
// document, handle checks and copying text out to the plug-in.
#pragma once

#include <string>

#include "host/art/art.h"
#include "host/art/document.h"
#include "host/art/document_set.h"
#include "host/core/host.h"

namespace vx::host::art {

inline DocumentSet& Documents() { return Host::Current().documents(); }
inline Document* CurrentDocument() { return Documents().current(); }

// The art of a handle in the current document, or null (no document, a
// null, stale or foreign handle).
inline Art* ArtFrom(AIArtHandle handle) {
  Document* doc = CurrentDocument();
  return doc ? doc->FromHandle(handle) : nullptr;
}

// Copies text into a buffer of maxLength bytes, NUL included.
void CopyText(const std::string& text, char* out, int32_t maxLength);

}  // namespace vx::host::art

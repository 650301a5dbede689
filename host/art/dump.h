// A complete text dump of a document's structure and content: layers, every
// art object with its handle, ids, attributes and content (segments,
// selection, styles field by field), resources and the current style.
// Two documents dump alike exactly when they are alike; tests compare dumps
// before and after undo, and the command line prints them for debugging.
#pragma once

#include <string>

namespace vx::host::art {

class Art;
class Document;

std::string DumpDocument(const Document& doc);
std::string DumpArt(const Art& art);  // the subtree of art

}  // namespace vx::host::art

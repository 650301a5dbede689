// Reading SVG text as XML, strictly and within bounds: text that is not
// well-formed XML (with namespaces) is refused, internal DTD entities are
// expanded up to a bound, external entities are never read, and nesting
// deeper than a bound is refused. The parsed tree keeps everything the text
// held (declaration, doctype, comments, processing instructions, white
// space) so that it can be written back as it was.
#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace vx::host::svg {

struct XmlLimits {
  int maxDepth = 256;                             // nested elements
  std::size_t maxEntityGrowth = std::size_t(16) << 20;  // bytes entities may add
};

// False with one line in `error` (naming the byte offset where it helps).
// `elements` (may be null) is set to the number of elements; `asRead` (may
// be null) to whether the document was parsed from `text` itself (UTF-8, no
// entity expanded), so that node offsets index `text`.
bool LoadXml(std::string_view text, pugi::xml_document& document, const XmlLimits& limits,
             std::string* error, std::size_t* elements = nullptr, bool* asRead = nullptr);

// Collects what pugixml writes into a string.
class StringWriter : public pugi::xml_writer {
 public:
  explicit StringWriter(std::string& out) : out_(out) {}
  void write(const void* data, std::size_t size) override {
    out_.append(static_cast<const char*>(data), size);
  }

 private:
  std::string& out_;
};

// The bytes [*begin, *end) of `text` that `node` (an element with everything
// in it, character data, a comment, a CDATA section or a processing
// instruction) was parsed from, when its document was parsed from `text`
// itself (LoadXml's `asRead`). False when that cannot be told exactly: the
// node was made or changed after parsing, or the text around it is not
// what the parser read.
bool SpanOf(const pugi::xml_node& node, std::string_view text, std::size_t* begin,
            std::size_t* end);

// The same for an element's start tag alone, when it is not an empty-element
// tag ("<g ...>", not "<g .../>").
bool StartTagSpanOf(const pugi::xml_node& element, std::string_view text, std::size_t* begin,
                    std::size_t* end);

// The root element's start tag as the text spells it ("<svg ...>"), after
// the declaration, comments, processing instructions and document type;
// empty when the text is not one-byte based (UTF-16) or has no such tag.
std::string_view RootStartTag(std::string_view text);

}  // namespace vx::host::svg

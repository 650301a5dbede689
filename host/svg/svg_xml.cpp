#include "host/svg/svg_xml.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vx::host::svg {

namespace {

bool IsNameStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' ||
         (static_cast<unsigned char>(c) >= 0x80);
}
bool IsNameChar(char c) {
  return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct Entity {
  std::string value;
  bool external = false;
};
using Entities = std::unordered_map<std::string, Entity>;

// The general entities declared in the doctype's internal subset
// ([start, end) of the text). Parameter entities are not supported.
bool ReadEntityDeclarations(std::string_view subset, Entities* entities, std::string* error) {
  size_t pos = 0;
  while ((pos = subset.find("<!ENTITY", pos)) != std::string_view::npos) {
    pos += 8;
    while (pos < subset.size() && IsSpace(subset[pos])) ++pos;
    if (pos < subset.size() && subset[pos] == '%') {
      *error = "parameter entities in the document type are not supported";
      return false;
    }
    size_t nameStart = pos;
    while (pos < subset.size() && IsNameChar(subset[pos])) ++pos;
    std::string name(subset.substr(nameStart, pos - nameStart));
    while (pos < subset.size() && IsSpace(subset[pos])) ++pos;
    if (pos >= subset.size() || name.empty()) break;
    Entity entity;
    if (subset[pos] == '"' || subset[pos] == '\'') {
      size_t close = subset.find(subset[pos], pos + 1);
      if (close == std::string_view::npos) break;
      entity.value = std::string(subset.substr(pos + 1, close - pos - 1));
      pos = close + 1;
    } else {
      entity.external = true;  // SYSTEM or PUBLIC: never read
    }
    entities->emplace(std::move(name), std::move(entity));  // the first declaration binds
  }
  return true;
}

// Where the tag that starts at `open` ends: its first '>' outside a quoted
// attribute value (the text's end if none).
size_t TagEnd(std::string_view text, size_t open) {
  char quote = 0;
  for (size_t i = open + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return i;
    }
  }
  return text.size();
}

class EntityExpander {
 public:
  EntityExpander(const Entities& entities, std::size_t budget)
      : entities_(entities), budget_(budget) {}

  // Appends `text` to `out` with every entity reference outside comments,
  // CDATA sections and processing instructions expanded.
  bool Expand(std::string_view text, std::string& out, int depth, size_t base,
              std::string* error) {
    if (depth > 8) {
      *error = "entities nested more than 8 levels deep";
      return false;
    }
    size_t pos = 0;
    size_t tagEnd = 0;  // the '>' that ends the tag being read
    while (pos < text.size()) {
      size_t amp = text.find_first_of("&<", pos);
      if (amp == std::string_view::npos) break;
      if (text[amp] == '<') {
        // A '<' inside a tag (in an attribute value, say) is not XML; left
        // alone it would be taken below for the start of a comment or CDATA
        // section and hide the references after it from this check.
        if (amp < tagEnd) {
          *error = "a '<' inside a tag at byte " + std::to_string(base + amp);
          return false;
        }
        // Skip markup in which '&' is not a reference.
        const char* close = nullptr;
        if (text.substr(amp).starts_with("<!--")) close = "-->";
        else if (text.substr(amp).starts_with("<![CDATA[")) close = "]]>";
        else if (text.substr(amp).starts_with("<?")) close = "?>";
        if (!close) {
          tagEnd = TagEnd(text, amp);
          out.append(text.substr(pos, amp + 1 - pos));
          pos = amp + 1;
          continue;
        }
        size_t end = text.find(close, amp);
        end = end == std::string_view::npos ? text.size() : end + std::strlen(close);
        out.append(text.substr(pos, end - pos));
        pos = end;
        continue;
      }
      out.append(text.substr(pos, amp - pos));
      size_t semi = amp + 1;
      if (semi < text.size() && text[semi] == '#') {
        out += '&';
        pos = amp + 1;
        continue;
      }
      while (semi < text.size() && IsNameChar(text[semi])) ++semi;
      std::string_view name = text.substr(amp + 1, semi - amp - 1);
      if (name.empty() || semi >= text.size() || text[semi] != ';') {
        *error = "a '&' that starts no entity reference at byte " + std::to_string(base + amp);
        return false;
      }
      if (name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos") {
        out.append(text.substr(amp, semi + 1 - amp));
        pos = semi + 1;
        continue;
      }
      auto it = entities_.find(std::string(name));
      if (it == entities_.end()) {
        *error = "the entity &" + std::string(name) + "; is not declared (byte " +
                 std::to_string(base + amp) + ")";
        return false;
      }
      if (it->second.external) {
        *error = "the entity &" + std::string(name) + "; is external; external entities are never read";
        return false;
      }
      size_t before = out.size();
      expanded_ = true;
      if (!Expand(it->second.value, out, depth + 1, base + amp, error)) return false;
      grown_ += out.size() - before;
      if (grown_ > budget_) {
        *error = "entities expand to more than " + std::to_string(budget_ >> 20) + " MB";
        return false;
      }
      pos = semi + 1;
    }
    out.append(text.substr(pos));
    return true;
  }
  // Whether a declared entity was expanded (the copy differs from the text).
  bool expanded() const { return expanded_; }

 private:
  const Entities& entities_;
  std::size_t budget_;
  std::size_t grown_ = 0;
  bool expanded_ = false;
};

// The doctype's internal subset, if any: [open bracket + 1, close bracket).
bool FindInternalSubset(std::string_view text, size_t* start, size_t* end, size_t* after) {
  size_t doctype = text.find("<!DOCTYPE");
  if (doctype == std::string_view::npos) return false;
  size_t root = text.find('<', doctype + 9);
  size_t open = text.find('[', doctype);
  if (open == std::string_view::npos || (root != std::string_view::npos && root < open)) return false;
  size_t close = text.find("]", open);
  // Declarations may hold ']' inside quotes; the subset ends at "]" + ">".
  while (close != std::string_view::npos) {
    size_t p = close + 1;
    while (p < text.size() && IsSpace(text[p])) ++p;
    if (p < text.size() && text[p] == '>') break;
    close = text.find(']', close + 1);
  }
  if (close == std::string_view::npos) return false;
  *start = open + 1;
  *end = close;
  *after = text.find('>', close) + 1;
  return true;
}

// Namespace prefixes must be declared; attributes must not repeat.
bool CheckTree(const pugi::xml_document& document, const XmlLimits& limits, std::string* error,
               std::size_t* elements) {
  struct Frame {
    pugi::xml_node node;
    size_t prefixes;  // declared prefixes when the element was entered
    int depth;
  };
  std::vector<std::string_view> declared{"xml", "xmlns"};
  std::vector<Frame> stack;
  std::unordered_set<std::string_view> seen;
  std::vector<const char*> names;
  for (pugi::xml_node c = document.last_child(); c; c = c.previous_sibling()) {
    if (c.type() == pugi::node_element) stack.push_back({c, declared.size(), 1});
  }
  auto prefixOf = [](const char* name) {
    const char* colon = std::strchr(name, ':');
    return colon ? std::string_view(name, size_t(colon - name)) : std::string_view();
  };
  auto isDeclared = [&declared](std::string_view prefix) {
    for (auto it = declared.rbegin(); it != declared.rend(); ++it) {
      if (*it == prefix) return true;
    }
    return false;
  };
  while (!stack.empty()) {
    Frame frame = stack.back();
    stack.pop_back();
    ++*elements;
    declared.resize(frame.prefixes);
    if (frame.depth > limits.maxDepth) {
      *error = "elements nested deeper than " + std::to_string(limits.maxDepth) +
               " levels (the limit)";
      return false;
    }
    // One walk over the attributes (each step is a call into the parser's
    // library): their names, and the prefixes they declare.
    names.clear();
    for (pugi::xml_attribute a = frame.node.first_attribute(); a; a = a.next_attribute()) {
      const char* name = a.name();
      names.push_back(name);
      if (name[0] == 'x' && std::strncmp(name, "xmlns:", 6) == 0) declared.push_back(name + 6);
    }
    // Pairwise for the usual few attributes, a set for many.
    if (names.size() > 16) seen.clear();
    for (size_t i = 0; i < names.size(); ++i) {
      const char* name = names[i];
      bool twice = false;
      if (names.size() > 16) {
        twice = !seen.insert(name).second;
      } else {
        for (size_t j = i + 1; j < names.size() && !twice; ++j)
          twice = name[0] == names[j][0] && std::strcmp(name, names[j]) == 0;
      }
      if (twice) {
        *error = "not a well-formed XML document: the attribute " + std::string(name) +
                 " appears twice on <" + frame.node.name() + ">";
        return false;
      }
      std::string_view prefix = prefixOf(name);
      if (!prefix.empty() && !isDeclared(prefix)) {
        *error = "not a well-formed XML document: the namespace prefix of " + std::string(name) + " is not declared";
        return false;
      }
    }
    std::string_view prefix = prefixOf(frame.node.name());
    if (!prefix.empty() && !isDeclared(prefix)) {
      *error = "not a well-formed XML document: the namespace prefix of <" + std::string(frame.node.name()) + "> is not declared";
      return false;
    }
    size_t mark = declared.size();
    for (pugi::xml_node c = frame.node.last_child(); c; c = c.previous_sibling()) {
      if (c.type() == pugi::node_element) stack.push_back({c, mark, frame.depth + 1});
    }
  }
  return true;
}

}  // namespace

bool LoadXml(std::string_view text, pugi::xml_document& document, const XmlLimits& limits,
             std::string* error, std::size_t* elements, bool* asRead) {
  if (asRead) *asRead = false;
  Entities entities;
  size_t subsetStart = 0, subsetEnd = 0, after = 0;
  bool hasSubset = FindInternalSubset(text, &subsetStart, &subsetEnd, &after);
  if (hasSubset &&
      !ReadEntityDeclarations(text.substr(subsetStart, subsetEnd - subsetStart), &entities, error)) {
    return false;
  }
  // Every reference is checked and expanded in a copy; text without any
  // '&' has none and is parsed as it is.
  std::string expanded;
  size_t bodyStart = hasSubset ? after : 0;
  std::string_view body = text.substr(bodyStart);
  std::string_view parse = text;
  if (body.find('&') != std::string_view::npos) {
    EntityExpander expander(entities, limits.maxEntityGrowth);
    expanded.reserve(text.size());
    expanded.append(text.substr(0, bodyStart));
    if (!expander.Expand(body, expanded, 0, bodyStart, error)) {
      *error = "not a well-formed XML document: " + *error;
      return false;
    }
    // Only the predefined ones and character references: the copy is the
    // text itself, which is parsed so that node offsets index it.
    if (expander.expanded()) parse = expanded;
  }
  pugi::xml_parse_result parsed = document.load_buffer(
      parse.data(), parse.size(), pugi::parse_full | pugi::parse_ws_pcdata);
  if (!parsed) {
    *error = std::string("not a well-formed XML document: ") + parsed.description() +
             " at byte " + std::to_string(parsed.offset);
    return false;
  }
  if (!document.document_element()) {
    *error = "not a well-formed XML document: no root element";
    return false;
  }
  // The parser takes more than XML allows around the root: a second root
  // element, text, or a document type declaration after it. Written back,
  // such a file would not read again.
  bool afterRoot = false;
  for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
    const char* what = nullptr;
    if (node.type() == pugi::node_element) what = afterRoot ? "a second root element" : nullptr;
    else if (node.type() == pugi::node_doctype && afterRoot) what = "a document type declaration after the root element";
    else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
      what = std::string_view(node.value()).find_first_not_of(" \t\r\n") == std::string_view::npos
                 ? nullptr
                 : "text outside the root element";
    if (what) {
      *error = std::string("not a well-formed XML document: ") + what;
      return false;
    }
    afterRoot = afterRoot || node.type() == pugi::node_element;
  }
  std::size_t count = 0;
  bool ok = CheckTree(document, limits, error, &count);
  if (elements) *elements = count;
  if (asRead) *asRead = ok && parse.data() == text.data() && parsed.encoding == pugi::encoding_utf8;
  return ok;
}

namespace {

// Where the parser's copy of the text begins (node offsets count from there).
const char* BufferOf(const pugi::xml_node& node, ptrdiff_t offset) {
  const bool named = node.type() == pugi::node_element || node.type() == pugi::node_pi;
  return (named ? node.name() : node.value()) - offset;
}

// Where a node begins in the text: the offset of its name or value less the
// markup before it. npos when the text there is not that markup.
size_t BeginOf(const pugi::xml_node& node, std::string_view text) {
  constexpr size_t npos = std::string_view::npos;
  const ptrdiff_t offset = node.offset_debug();
  if (offset < 0 || size_t(offset) > text.size()) return npos;
  std::string_view lead;
  switch (node.type()) {
    case pugi::node_element: lead = "<"; break;
    case pugi::node_pi: lead = "<?"; break;
    case pugi::node_comment: lead = "<!--"; break;
    case pugi::node_cdata: lead = "<![CDATA["; break;
    case pugi::node_pcdata: break;
    default: return npos;
  }
  const size_t begin = size_t(offset) - std::min(lead.size(), size_t(offset));
  return text.substr(begin, lead.size()) == lead && begin + lead.size() == size_t(offset) ? begin
                                                                                        : npos;
}

// Past "</name>" at `*at` (white space may precede the '>').
bool SkipEndTag(std::string_view text, const char* name, size_t* at) {
  const size_t length = std::strlen(name);
  size_t p = *at;
  if (text.substr(p, 2) != "</" || text.substr(p + 2, length) != name) return false;
  for (p += 2 + length; p < text.size() && IsSpace(text[p]);) ++p;
  if (p >= text.size() || text[p] != '>') return false;
  *at = p + 1;
  return true;
}

// Past the '>' or "/>" that ends the start tag of the element at `begin`.
// The tag ends after its last attribute's closing quote (a value never
// holds its own quote), found from the value's place in the parser's copy:
// no scan over the tag.
bool SkipStartTag(const pugi::xml_node& element, std::string_view text, size_t begin, size_t* end,
                  bool* empty) {
  size_t p = begin + 1 + std::strlen(element.name());
  if (const pugi::xml_attribute last = element.last_attribute()) {
    const char* buffer = BufferOf(element, ptrdiff_t(begin + 1));
    const char* value = last.value();
    if (value <= buffer || value > buffer + text.size()) return false;
    const size_t at = size_t(value - buffer);
    const char quote = text[at - 1];
    if (quote != '"' && quote != '\'') return false;
    const void* close = std::memchr(text.data() + at, quote, text.size() - at);
    if (!close) return false;
    p = size_t(static_cast<const char*>(close) - text.data()) + 1;
  }
  while (p < text.size() && IsSpace(text[p])) ++p;
  if (p >= text.size()) return false;
  *empty = text.substr(p, 2) == "/>";
  if (!*empty && text[p] != '>') return false;
  *end = p + (*empty ? 2 : 1);
  return true;
}

// Where a node without children ends.
bool EndOfLeaf(const pugi::xml_node& node, std::string_view text, size_t begin, size_t* end) {
  // The close is looked for after the opening markup.
  auto past = [&](size_t open, std::string_view close) {
    const size_t at = text.find(close, begin + open);
    if (at == std::string_view::npos) return false;
    *end = at + close.size();
    return true;
  };
  switch (node.type()) {
    case pugi::node_pcdata: {
      const void* lt = std::memchr(text.data() + begin, '<', text.size() - begin);
      if (!lt) return false;
      *end = size_t(static_cast<const char*>(lt) - text.data());
      return true;
    }
    case pugi::node_comment: return past(4, "-->");
    case pugi::node_cdata: return past(9, "]]>");
    case pugi::node_pi: return past(2, "?>");
    case pugi::node_element: break;
    default: return false;
  }
  bool empty = false;
  if (!SkipStartTag(node, text, begin, end, &empty)) return false;
  if (empty) return true;
  return SkipEndTag(text, node.name(), end);
}

}  // namespace

bool SpanOf(const pugi::xml_node& node, std::string_view text, size_t* begin, size_t* end) {
  *begin = BeginOf(node, text);
  if (*begin == std::string_view::npos) return false;
  // The last node inside ends where the end tags of the elements around it
  // begin.
  pugi::xml_node leaf = node;
  while (leaf.type() == pugi::node_element && leaf.last_child()) leaf = leaf.last_child();
  const size_t leafBegin = leaf == node ? *begin : BeginOf(leaf, text);
  if (leafBegin == std::string_view::npos || !EndOfLeaf(leaf, text, leafBegin, end)) return false;
  for (pugi::xml_node e = leaf; e != node;) {
    e = e.parent();
    if (!SkipEndTag(text, e.name(), end)) return false;
  }
  // What follows begins where this ends.
  const pugi::xml_node next = node.next_sibling();
  return !next || BeginOf(next, text) == *end;
}

bool StartTagSpanOf(const pugi::xml_node& element, std::string_view text, size_t* begin,
                    size_t* end) {
  bool empty = false;
  *begin = BeginOf(element, text);
  return element.type() == pugi::node_element && *begin != std::string_view::npos &&
         SkipStartTag(element, text, *begin, end, &empty) && !empty;
}

std::string_view RootStartTag(std::string_view text) {
  constexpr size_t npos = std::string_view::npos;
  // From `from` to just past the first `close` outside quoted text and
  // (with brackets) outside an internal subset; npos when there is none.
  auto skip = [&](size_t from, char close, bool brackets) {
    int depth = 0;
    for (size_t p = from; p < text.size(); ++p) {
      const char c = text[p];
      if (c == '"' || c == '\'') {
        p = text.find(c, p + 1);
        if (p == npos) return npos;
      } else if (brackets && c == '[') {
        ++depth;
      } else if (brackets && c == ']') {
        --depth;
      } else if (c == close && depth <= 0) {
        return p + 1;
      }
    }
    return npos;
  };
  for (size_t p = text.find('<'); p != npos && p + 1 < text.size(); p = text.find('<', p)) {
    if (text.substr(p, 4) == "<!--") {
      p = text.find("-->", p + 4);
      if (p == npos) return {};
      p += 3;
    } else if (text[p + 1] == '?') {
      p = text.find("?>", p + 2);
      if (p == npos) return {};
      p += 2;
    } else if (text[p + 1] == '!') {
      p = skip(p + 2, '>', true);
      if (p == npos) return {};
    } else {
      const size_t end = skip(p + 1, '>', false);
      if (end == npos) return {};
      const std::string_view tag = text.substr(p, end - p);
      return tag.find('\0') == npos ? tag : std::string_view();
    }
  }
  return {};
}

}  // namespace vx::host::svg

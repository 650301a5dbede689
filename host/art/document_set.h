// The open documents of a host, the current one, and the host-wide state of
// the model's suites (the random generator).
#pragma once

#include <memory>
#include <vector>

#include "host/art/document.h"
#include "host/art/random.h"

namespace vx::host::art {

class DocumentSet {
 public:
  // A new empty document with one layer ("Layer 1"), made current.
  Document& New(const std::string& title = "Untitled");
  // Adds a document made elsewhere (an SVG import) and makes it current.
  Document& Adopt(std::unique_ptr<Document> document);
  void Close(Document* document);
  Document* current() const { return current_; }
  void SetCurrent(Document* document);
  int count() const { return int(documents_.size()); }
  Document* At(int index) const { return documents_[index].get(); }
  Document* FromHandle(AIDocumentHandle handle) const;

  Random& random() { return random_; }

 private:
  friend class MessageScope;
  std::vector<std::unique_ptr<Document>> documents_;
  Document* current_ = nullptr;
  Random random_;
  int messageDepth_ = 0;
  Document* dragDocument_ = nullptr;  // the document of an open tool drag
};

// The undo step of one message the host sends. Every message's changes form
// one step (nested messages join it), except that a tool drag, from "AI
// Mouse Down" to "AI Mouse Up", is one step as a whole: the tools revert
// their previous drag move with the undo suite's UndoChanges. Each mouse
// event of a drag is an event of that step: one that fails is rolled back,
// leaving the artwork as the last successful event left it.
class MessageScope {
 public:
  MessageScope(DocumentSet& documents, const char* caller, const char* selector);
  ~MessageScope();
  MessageScope(const MessageScope&) = delete;
  MessageScope& operator=(const MessageScope&) = delete;
  // Whether this is a plug-in message not nested in another one, after
  // which the host updates the plug-in group art it changed (not start-up,
  // shutdown, unload or reload, around which the plug-in holds no state).
  bool outermost() const { return outermost_; }
  // The plug-in answered an error: a mouse event of a drag is rolled back.
  void Failed();

 private:
  bool Live() const;

  DocumentSet* documents_;
  Document* document_;
  bool outermost_;
  bool mouseUp_;
  bool dragEvent_ = false;
};

// Opens one undo step on the current document for its lifetime (no-op
// without a document); nested scopes join the outer step.
class UndoStepScope {
 public:
  explicit UndoStepScope(DocumentSet& documents);
  ~UndoStepScope();
  UndoStepScope(const UndoStepScope&) = delete;
  UndoStepScope& operator=(const UndoStepScope&) = delete;
  // Whether this scope opened the step (it is not nested in another).
  bool outermost() const { return outermost_; }

 private:
  DocumentSet* documents_;
  Document* document_;
  bool outermost_ = false;
};

}  // namespace vx::host::art

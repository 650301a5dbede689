#include "host/art/document_set.h"

#include <algorithm>
#include <cstring>

namespace vx::host::art {

Document& DocumentSet::New(const std::string& title) {
  return Adopt(std::make_unique<Document>(title));
}

Document& DocumentSet::Adopt(std::unique_ptr<Document> document) {
  documents_.push_back(std::move(document));
  current_ = documents_.back().get();
  return *current_;
}

void DocumentSet::Close(Document* document) {
  auto it = std::find_if(documents_.begin(), documents_.end(),
                         [document](const auto& d) { return d.get() == document; });
  if (it == documents_.end()) return;
  if (dragDocument_ == document) dragDocument_ = nullptr;
  documents_.erase(it);
  if (current_ == document)
    current_ = documents_.empty() ? nullptr : documents_.back().get();
}

void DocumentSet::SetCurrent(Document* document) {
  if (!document || FromHandle(document->handle())) current_ = document;
}

Document* DocumentSet::FromHandle(AIDocumentHandle handle) const {
  for (const auto& d : documents_)
    if (d->handle() == handle) return d.get();
  return nullptr;
}

UndoStepScope::UndoStepScope(DocumentSet& documents)
    : documents_(&documents), document_(documents.current()) {
  if (!document_) return;
  outermost_ = !document_->stepOpen();
  document_->BeginStep();
}

UndoStepScope::~UndoStepScope() {
  // The document may have been closed meanwhile.
  if (document_ && documents_->FromHandle(document_->handle()))
    document_->EndStep();
}

namespace {
bool Is(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }
}  // namespace

MessageScope::MessageScope(DocumentSet& documents, const char* caller,
                           const char* selector)
    : documents_(&documents),
      document_(documents.current()),
      outermost_(documents.messageDepth_++ == 0 && !Is(caller, kSPInterfaceCaller) &&
                 !Is(caller, kSPAccessCaller)),
      mouseUp_(Is(caller, kCallerAITool) && Is(selector, kSelectorAIToolMouseUp)) {
  if (Is(caller, kCallerAITool) && Is(selector, kSelectorAIToolMouseDown)) {
    // A drag whose mouse up never came ends here.
    if (Document* open = documents.dragDocument_) open->EndStep();
    documents.dragDocument_ = document_;
    if (document_) document_->BeginStep();
  }
  if (document_) document_->BeginStep();
  dragEvent_ = document_ && document_ == documents.dragDocument_ &&
               Is(caller, kCallerAITool) &&
               (Is(selector, kSelectorAIToolMouseDown) ||
                Is(selector, kSelectorAIToolMouseDrag) || mouseUp_);
  if (dragEvent_) document_->BeginEvent();
}

bool MessageScope::Live() const {
  // The document may have been closed by the message.
  return document_ && documents_->FromHandle(document_->handle());
}

void MessageScope::Failed() {
  if (dragEvent_ && Live()) document_->RollBackEvent();
  dragEvent_ = false;
}

MessageScope::~MessageScope() {
  DocumentSet& set = *documents_;
  bool live = Live();
  if (live && dragEvent_) document_->EndEvent();
  if (live) document_->EndStep();
  if (mouseUp_ && set.dragDocument_) {
    set.dragDocument_->EndStep();
    set.dragDocument_ = nullptr;
  }
  --set.messageDepth_;
}

}  // namespace vx::host::art

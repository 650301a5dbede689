// A started host with the plug-in's suites acquired and a parameter block for
// one of its filters, kept for a whole benchmark program.
#pragma once

#include <cstddef>
#include <memory>

#include "host/art/document_set.h"
#include "host/core/host.h"
#include "host/core/registrations.h"
#include "shell/suites.h"
#include "support/host_fixture.h"

namespace vx::bench {

class FilterEnvironment {
 public:
  FilterEnvironment(const char* filterTitle, size_t parameterSize) {
    host->Startup();
    AcquireSuites(host->basic());
    filter = host->registrations().FilterTitled(filterTitle);
    AIMdMemoryHandle handle = nullptr;
    sMdMemory->MdMemoryNewHandle(parameterSize, &handle);
    filter->parameters = handle;
  }
  ~FilterEnvironment() {
    sMdMemory->MdMemoryDisposeHandle(static_cast<AIMdMemoryHandle>(filter->parameters));
    filter->parameters = nullptr;
    CloseDocuments();
    ReleaseSuites(host->basic());
    host->Shutdown();
  }
  FilterEnvironment(const FilterEnvironment&) = delete;
  FilterEnvironment& operator=(const FilterEnvironment&) = delete;

  // Closes every document, for a fresh one.
  void CloseDocuments() {
    auto& docs = host->documents();
    while (docs.count()) docs.Close(docs.At(0));
  }

  std::unique_ptr<host::Host> host = test::MakeLinkedHost();
  host::Filter* filter = nullptr;
};

}  // namespace vx::bench

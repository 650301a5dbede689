// The suites the host publishes, by name and version, as the basic suite's
// AcquireSuite finds them. Tests can make the host lack any suite.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace vx::host {

class SuiteRegistry {
 public:
  // Publishes a suite table; the table must outlive the registry.
  void Add(const std::string& name, int32_t version, const void* table);
  // 0 and the table, or 'S!Fd' when the suite is absent or made missing.
  int32_t Acquire(const char* name, int32_t version, const void** table);
  int32_t Release(const char* name, int32_t version);

  // Test switch: the host behaves as if it lacked this suite.
  void MakeMissing(const std::string& name, int32_t version);
  void ClearMissing() { missing_.clear(); }
  // Makes Release of this suite fail (for failure paths of the plug-in).
  void MakeReleaseFail(const std::string& name, int32_t version, int32_t error);

  bool Has(const std::string& name, int32_t version) const;
  // Acquisitions not yet released, over all suites.
  long OutstandingAcquisitions() const;
  long AcquisitionsOf(const std::string& name, int32_t version) const;

  // Publishes an all-null table for every suite of the plug-in interface
  // that has not been added yet, so that each can be acquired by name.
  void AddPlaceholdersForKnownSuites();

 private:
  using Key = std::pair<std::string, int32_t>;
  std::map<Key, const void*> tables_;
  std::set<Key> missing_;
  std::map<Key, int32_t> releaseErrors_;
  std::map<Key, long> held_;
};

}  // namespace vx::host

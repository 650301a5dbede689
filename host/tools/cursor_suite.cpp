// The platform cursor suite: cursors of a module's resources, and the
// current cursor, kept by the host's tool driver.
#include "host/core/host.h"
#include "host/tools/tool_driver.h"

namespace vx::host::tools {
namespace {

ToolDriver& Driver() { return Host::Current().tools(); }

const LoadedCursor* Find(VxCursorRef ref) { return reinterpret_cast<const LoadedCursor*>(ref); }

VxCursorRef ToRef(const LoadedCursor* cursor) {
  return reinterpret_cast<VxCursorRef>(const_cast<LoadedCursor*>(cursor));
}

VxCursorRef LoadCursor(SPPlatformAccessRef module, int32_t cursorID) {
  // The access suite's module reference is the plug-in's own reference.
  return ToRef(Driver().LoadCursor(reinterpret_cast<SPPluginRef>(module), cursorID));
}

VxCursorRef SetCursor(VxCursorRef ref) {
  ToolDriver& driver = Driver();
  const CursorState before = driver.cursor();
  const LoadedCursor* previous = before.id ? driver.LoadCursor(before.module, before.id) : nullptr;
  if (ref) driver.SetCursor(Find(ref));
  return ToRef(previous);
}

const VxPlatformCursorSuite kCursor = {LoadCursor, SetCursor};

}  // namespace

void RegisterPlatformCursorSuite(Host& host) {
  host.suites().Add(kVxPlatformCursorSuite, kVxPlatformCursorSuiteVersion, &kCursor);
}

}  // namespace vx::host::tools

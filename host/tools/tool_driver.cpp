#include "host/tools/tool_driver.h"

#include <algorithm>
#include <cctype>

#include "host/adm/dialog_manager.h"
#include "host/adm/image.h"
#include "host/core/host.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"

namespace vx::host::tools {

uint16_t Keys::EventModifiers() const {
  return uint16_t((ctrl ? kAIEventCtrlKey : 0) | (shift ? kAIEventShiftKey : 0) |
                  (alt ? kAIEventAltKey : 0));
}

uint32_t Keys::TrackerModifiers() const {
  return (space ? uint32_t(kADMSpaceKeyModifier) : 0u) |
         (ctrl ? uint32_t(kADMMenuKeyModifier) : 0u) | (alt ? uint32_t(kADMModKeyModifier) : 0u);
}

uint32_t Keys::KeyStateModifiers() const {
  return (shift ? uint32_t(kADMShiftKeyModifier) : 0u) |
         (ctrl ? uint32_t(kADMMenuKeyModifier) : 0u) | (alt ? uint32_t(kADMModKeyModifier) : 0u);
}

void TickClock::Set(uint32_t start, uint32_t step) {
  now_ = start;
  step_ = step;
}

uint32_t TickClock::Advance() { return now_ += step_; }

std::vector<AIRealPoint> DragEventPoints(const std::vector<AIRealPoint>& points,
                                         int steps) {
  std::vector<AIRealPoint> events;
  for (size_t i = 1; i < points.size(); ++i) {
    const AIRealPoint a = points[i - 1], b = points[i];
    for (int k = 1; k <= steps; ++k) {
      const AIReal t = AIReal(k) / AIReal(steps + 1);
      events.push_back({a.h + (b.h - a.h) * t, a.v + (b.v - a.v) * t});
    }
    events.push_back(b);
  }
  return events;
}

ToolDriver::ToolDriver(Host& host) : host_(host) {}
ToolDriver::~ToolDriver() = default;

AIToolHandle ToolDriver::ToolTitled(const std::string& title) const {
  auto lower = [](std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  for (const Tool* tool : host_.registrations().Tools())
    if (lower(tool->title) == lower(title))
      return reinterpret_cast<AIToolHandle>(const_cast<Tool*>(tool));
  return nullptr;
}

int32_t ToolDriver::Send(const char* selector, AIToolHandle tool, AIRealPoint where,
                         Keys keys, AIReal pressure) {
  AIEvent event{};
  event.when = clock_.now();
  event.where = where;
  event.modifiers = keys.EventModifiers();
  // The keys are the toolkit's state only while the message runs.
  adm::DialogManager& dialogs = host_.dialogs();
  const uint32_t keyState = dialogs.currentModifiers;
  dialogs.currentModifiers = keys.KeyStateModifiers();
  trackerModifiers_ = keys.TrackerModifiers();
  VX_LOG(host_, "tool event at " << where.h << "," << where.v << " time " << event.when
                                 << " modifiers " << event.modifiers << " tracker "
                                 << trackerModifiers_);
  const int32_t result = SendToolEvent(host_, selector, tool, event, pressure);
  trackerModifiers_ = 0;
  dialogs.currentModifiers = keyState;
  return result;
}

int32_t ToolDriver::SelectTool(AIToolHandle tool) {
  if (tool == current_) return kNoErr;
  int32_t first = DeselectTool();
  current_ = tool;
  if (!tool) return first;
  const int32_t selected = Send(kSelectorAISelectTool, tool, {}, {}, 1.0f);
  return first ? first : selected;
}

int32_t ToolDriver::DeselectTool() {
  if (!current_) return kNoErr;
  const AIToolHandle tool = current_;
  current_ = nullptr;
  return Send(kSelectorAIDeselectTool, tool, {}, {}, 1.0f);
}

int32_t ToolDriver::DoubleClick(AIToolHandle tool) {
  if (!tool) return kSPBadParameterError;
  if (int32_t err = SelectTool(tool)) return err;
  return Send(kSelectorAIEditToolOptions, tool, {}, {}, 1.0f);
}

int32_t ToolDriver::PointerEvent(const char* selector, AIRealPoint where, Keys keys,
                                 AIReal pressure) {
  if (!current_) return kSPBadParameterError;
  int32_t result = Send(kSelectorAITrackToolCursor, current_, where, keys, pressure);
  if (selector) result = Send(selector, current_, where, keys, pressure);
  clock_.Advance();
  return result;
}

int32_t ToolDriver::MovePointer(AIRealPoint where, Keys keys) {
  keys.space = false;
  return PointerEvent(nullptr, where, keys, 1.0f);
}

int32_t ToolDriver::MouseDown(AIRealPoint where, Keys keys, AIReal pressure) {
  keys.space = false;
  if (!current_) return kSPBadParameterError;
  buttonDown_ = true;
  return PointerEvent(kSelectorAIToolMouseDown, where, keys, pressure);
}

int32_t ToolDriver::MouseDrag(AIRealPoint where, Keys keys, AIReal pressure) {
  keys.space = false;
  return PointerEvent(kSelectorAIToolMouseDrag, where, keys, pressure);
}

int32_t ToolDriver::MouseUp(AIRealPoint where, Keys keys, AIReal pressure) {
  buttonDown_ = false;
  return PointerEvent(kSelectorAIToolMouseUp, where, keys, pressure);
}

int32_t ToolDriver::Drag(const DragSpec& drag) {
  if (!current_ || drag.points.empty()) return kSPBadParameterError;
  Keys keys = drag.keys;
  keys.space = false;
  AIRealPoint at = drag.points.front();
  int32_t result = MouseDown(at, keys, drag.pressure);
  if (!result) {
    for (const AIRealPoint& p : DragEventPoints(drag.points, drag.steps)) {
      at = p;
      if ((result = MouseDrag(at, keys, drag.pressure))) break;
    }
  }
  // The button goes up where the pointer is; after a failure at once and
  // without Space.
  Keys release = keys;
  release.space = !result && drag.spaceAtRelease;
  const int32_t up = MouseUp(at, release, drag.pressure);
  return result ? result : up;
}

const LoadedCursor* ToolDriver::LoadCursor(SPPluginRef module, int32_t id) {
  auto& slot = cursors_[{module, id}];
  if (!slot) {
    auto text = host_.dialogs().Resource(module, kVxCursorResource, id);
    auto image = text ? adm::ParseImage(*text) : std::nullopt;
    if (!image || image->empty()) {
      cursors_.erase({module, id});
      VX_LOG(host_, "LoadCursor " << id << " -> none");
      return nullptr;
    }
    slot = std::make_unique<LoadedCursor>(LoadedCursor{id, module});
  }
  return slot.get();
}

bool ToolDriver::SetCursor(const LoadedCursor* cursor) {
  // A handle is checked against the cursors loaded before it is read: a
  // foreign pointer is refused without being touched.
  if (cursor && std::none_of(cursors_.begin(), cursors_.end(),
                             [&](const auto& loaded) { return loaded.second.get() == cursor; }))
    return false;
  cursor_.id = cursor ? cursor->id : 0;
  cursor_.module = cursor ? cursor->module : nullptr;
  ++cursor_.sets;
  VX_LOG(host_, "cursor " << cursor_.id);
  return true;
}

}  // namespace vx::host::tools

// Questions asked of the user in the middle of a plug-in call: the yes/no
// alert, the colour picker and the folder chooser. The page shows the open question as a modal
// question; the host thread runs the page's requests in a nested loop (as
// for a modal dialog) until the answer comes, so the plug-in call that
// asked simply gets its answer. Only one question is open at a time: while
// it is, the server refuses every request that could change something.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "app/studio/file_rule.h"
#include "app/studio/host_queue.h"
#include "vx_sdk.h"

namespace vx::app::studio {

class Version;

class Questions {
 public:
  Questions(HostQueue& queue, Version& version);

  // Host thread: asks and waits for the page's answer. The request that
  // led to the question is answered at once with {version, question: ID}.
  // When `ending` turns true before an answer, a yes/no is answered no and
  // the colour picker is cancelled.
  bool AskYesNo(const std::string& text, const std::function<bool()>& ending);
  // `swatches`: colours offered beside the chooser (the document's own).
  std::optional<AIColor> AskColour(const std::string& message, const AIColor& current,
                                   std::vector<AIColor> swatches,
                                   const std::function<bool()>& ending);
  // The folder chooser, shown as the page's file browser: a folder the
  // file rule allows (its absolute path), or nothing when cancelled.
  std::optional<std::string> AskFolder(const std::string& message, const FileRule& rule,
                                       const std::function<bool()>& ending);

  bool open() const { return open_.has_value(); }
  // The open question as STATE shows it, or null.
  nlohmann::json Json() const;
  // POST /api/answer: {id, yes} for a yes/no, {id, colour: TEXT} or
  // {id, cancel: true} for the colour picker, {id, folder: REL} or
  // {id, cancel: true} for the folder chooser. Throws BadRequest for a body
  // that does not fit the question.
  Reply Answer(const nlohmann::json& body);

 private:
  enum class Kind { YesNo, Colour, Folder };
  struct Open {
    uint64_t id = 0;
    Kind kind = Kind::YesNo;
    std::string text;
    AIColor current{};
    std::vector<AIColor> swatches;
    const FileRule* rule = nullptr;  // the folder chooser's
    bool answered = false;
    bool yes = false;
    std::optional<AIColor> colour;
    std::optional<std::string> folder;
  };
  // Shows `question`, waits, and answers it (nothing when the studio ends
  // first or another question is open already).
  std::optional<Open> Ask(Open question, const std::function<bool()>& ending);

  HostQueue& queue_;
  Version& version_;
  std::optional<Open> open_;
  uint64_t lastId_ = 0;
};

}  // namespace vx::app::studio

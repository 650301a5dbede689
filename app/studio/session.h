// The studio's document session, run on the host thread only: the host
// with one open document, the state the page draws (as JSON), and every
// request the page can make, each turned into the same user action the
// command line and the scripts use. An action that fails answers 422 with
// the host's or the plug-in's own words and leaves the document as it was.
#pragma once

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "app/cli.h"
#include "app/studio/canvas_delta.h"
#include "app/studio/file_rule.h"
#include "app/studio/host_queue.h"
#include "app/studio/questions.h"
#include "host/adm/user_agent.h"
#include "host/svg/svg_import.h"

namespace vx::app::studio {

// A request the page should not have sent (the server answers 400).
struct BadRequest : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The state version every answer carries; the event stream waits on it.
class Version {
 public:
  uint64_t now() const { return value_; }
  void Bump();
  // Waits until the version passes `seen` or `wait` passes; answers now().
  uint64_t WaitPast(uint64_t seen, std::chrono::milliseconds wait);
  // Wakes every waiter for good (the studio is ending).
  void Stop();
  bool stopped() const { return stopped_; }

 private:
  std::atomic<uint64_t> value_{1};
  std::atomic<bool> stopped_{false};
  std::mutex mutex_;
  std::condition_variable changed_;
};

class Session : public host::adm::UserAgent {
 public:
  Session(host::Host& host, HostQueue& queue, Version& version, FileRule rule);
  ~Session() override;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Opens the document (an empty untitled one when path is empty); answers
  // "" or why not.
  std::string OpenDocument(const std::filesystem::path& path);

  // ---- requests (host thread) -------------------------------------------------
  Reply State();
  Reply DocumentSvg();
  // What changed on the canvas since the canvas version the page shows.
  Reply Delta(const std::string& since);
  // `reply` (GET /api/sync: just the version) with what the page needs to
  // show it, so that one round trip does: the state's members that changed
  // since the page's state tag (all of them for another tag) and the canvas
  // delta since its canvas version, in the canvas delta's form. `workMs`:
  // how long the request's own work took, reported with the sync's parts.
  Reply Sync(const Reply& reply, uint64_t canvas, const std::string& stateTag, double workMs);
  Reply Select(const nlohmann::json& body);
  Reply Layer(const nlohmann::json& body);
  Reply Command(const nlohmann::json& body);
  Reply DialogAction(const nlohmann::json& body);
  Reply Raster(const std::string& dialog, const std::string& item);
  Reply Icon(const std::string& tool);
  Reply Cursor(const std::string& id);
  Reply Tool(const nlohmann::json& body);
  Reply Pointer(const nlohmann::json& body);
  Reply Undo(bool redo);  // Redo with `redo`
  Reply Open(const nlohmann::json& body);
  Reply Save(const nlohmann::json& body);
  Reply Export(const nlohmann::json& body);
  Reply Files(const std::string& folder);  // GET /api/files (files.cpp)
  Reply Answer(const nlohmann::json& body) { return questions_.Answer(body); }
  // A yes/no question or the colour picker waits for the page's answer.
  bool asking() const { return questions_.open(); }
  Reply Quit();
  bool quitting() const { return quitting_ || (interrupted && interrupted()); }
  // Whether the program was told to end (a signal); a running modal dialog
  // is then cancelled.
  std::function<bool()> interrupted;

  // ---- the user agent: modal dialogs take their actions from the page ------
  void RunModal(host::adm::DialogDriver& driver) override;
  std::optional<std::string> ChooseFolder(const std::string& message) override;
  // Asked in the page (questions.h); folders only inside the start folder.
  bool AnswerYesNo(const std::string& text) override;
  std::optional<AIColor> ChooseColour(const std::string& message, const AIColor& current) override;

 private:
  host::art::Document& doc();
  // Every answer of a request that may have changed something: bumps the
  // version and answers it (with the error, when there is one).
  Reply Changed(const std::string& error = "");
  Reply Ok();
  // The refusal of a request that would change the document behind a
  // running modal dialog.
  Reply Busy() const;
  nlohmann::json StateJson();
  nlohmann::json DialogJson(host::adm::Dialog& dialog);
  // The page's coordinates (SVG user units, y down) to the host's page points.
  AIRealPoint ToPage(double x, double y) const;
  std::string WriteDocument(const std::filesystem::path& path);
  // After a dialog action of the drag the page names `gesture` (its dialog
  // and number; empty: none) that made its undo step after `stepBefore`:
  // joins that step to the step the drag made before, so that one drag is
  // one undo step, as long as no other step came between.
  void JoinGesture(const std::string& gesture, uint64_t stepBefore);

  host::Host& host_;
  HostQueue& queue_;
  Version& version_;
  FileRule rule_;
  std::unique_ptr<host::svg::ImportResult> file_;  // the kept XML of the document
  host::art::Document* doc_ = nullptr;
  std::filesystem::path path_;  // empty: never saved
  bool dirty_ = false;  // changed since read or saved
  std::vector<host::adm::DialogDriver*> modal_;  // running modal dialogs, innermost last
  std::string message_;  // the last alert or failure, for the page to show
  Questions questions_;
  bool quitting_ = false;
  CanvasDelta canvas_;
  struct Gesture {
    std::string name;
    uint64_t step = 0;  // the undo step it made (0: none yet)
  } gesture_;
  nlohmann::json sentState_;  // the state as the last sync sent it
  uint64_t stateTag_ = 0;     // names sentState_
};

}  // namespace vx::app::studio

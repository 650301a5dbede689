#include "app/studio/questions.h"

#include <nlohmann/json.hpp>

#include "app/studio/session.h"
#include "host/adm/colour_text.h"
#include "host/svg/svg_paint.h"

namespace vx::app::studio {

using nlohmann::json;

Questions::Questions(HostQueue& queue, Version& version) : queue_(queue), version_(version) {}

std::optional<Questions::Open> Questions::Ask(Open question, const std::function<bool()>& ending) {
  // The server lets nothing but answers through while a question is open,
  // so a second one cannot come from the page; refuse it rather than nest.
  if (open_) return std::nullopt;
  question.id = ++lastId_;
  open_ = std::move(question);
  version_.Bump();
  queue_.ReplyEarly({200, json{{"version", version_.now()}, {"question", open_->id}}.dump()});
  while (!open_->answered && !ending() && queue_.RunNext(std::chrono::milliseconds(100))) {
  }
  std::optional<Open> done = std::move(open_);
  open_.reset();
  version_.Bump();
  if (!done->answered) return std::nullopt;
  return done;
}

bool Questions::AskYesNo(const std::string& text, const std::function<bool()>& ending) {
  Open question;
  question.kind = Kind::YesNo;
  question.text = text;
  const auto answer = Ask(std::move(question), ending);
  return answer && answer->yes;
}

std::optional<AIColor> Questions::AskColour(const std::string& message, const AIColor& current,
                                            std::vector<AIColor> swatches,
                                            const std::function<bool()>& ending) {
  Open question;
  question.kind = Kind::Colour;
  question.text = message;
  question.current = current;
  question.swatches = std::move(swatches);
  const auto answer = Ask(std::move(question), ending);
  return answer ? answer->colour : std::nullopt;
}

std::optional<std::string> Questions::AskFolder(const std::string& message, const FileRule& rule,
                                               const std::function<bool()>& ending) {
  Open question;
  question.kind = Kind::Folder;
  question.text = message;
  question.rule = &rule;
  const auto answer = Ask(std::move(question), ending);
  return answer ? answer->folder : std::nullopt;
}

namespace {

// A colour for the page: as typed ("#rrggbb", "cmyk(...)", "gray(...)") and
// as the sRGB the native chooser shows; null for a colour of no such kind.
json ColourJson(const AIColor& colour) {
  if (colour.kind != kThreeColor && colour.kind != kFourColor && colour.kind != kGrayColor)
    return json();
  return {{"text", host::adm::FormatColourText(colour)}, {"rgb", host::svg::HexOf(colour)}};
}

}  // namespace

json Questions::Json() const {
  if (!open_) return json();
  if (open_->kind != Kind::Colour)
    return {{"id", open_->id},
            {"kind", open_->kind == Kind::YesNo ? "yesno" : "folder"},
            {"text", open_->text}};
  json swatches = json::array();
  for (const AIColor& c : open_->swatches) swatches.push_back(ColourJson(c));
  return {{"id", open_->id},
          {"kind", "colour"},
          {"text", open_->text},
          {"current", ColourJson(open_->current)},
          {"swatches", swatches}};
}

Reply Questions::Answer(const json& body) {
  const json& idField = body.contains("id") ? body.at("id") : json();
  if (!idField.is_number_unsigned()) throw BadRequest("\"id\" names the question answered");
  if (!open_ || open_->id != idField.get<uint64_t>())
    return {422, json{{"error", "question " + idField.dump() + " is not open"}}.dump()};
  // Each kind has its own answer field; the picker and the chooser may be
  // cancelled instead.
  const char* field = open_->kind == Kind::YesNo ? "yes" : open_->kind == Kind::Colour ? "colour" : "folder";
  const bool cancellable = open_->kind != Kind::YesNo;
  const bool cancel = body.value("cancel", false);
  bool foreign = !cancellable && body.contains("cancel");
  for (const char* other : {"yes", "colour", "folder"})
    foreign = foreign || (other != std::string(field) && body.contains(other));
  if (foreign || cancel == body.contains(field))
    throw BadRequest(std::string("this question is answered with \"") + field + "\"" +
                     (cancellable ? " or \"cancel\": true" : ""));
  std::string why;
  if (cancel) {
    // Nothing chosen: the plug-in hears that the user cancelled.
  } else if (open_->kind == Kind::YesNo) {
    open_->yes = body.at("yes").get<bool>();
  } else if (open_->kind == Kind::Colour) {
    open_->colour = host::adm::ParseColourText(body.at("colour").get<std::string>(), &why);
    // A mistyped colour leaves the picker open for another try.
    if (!open_->colour) return {422, json{{"error", why}}.dump()};
  } else {
    const auto folder = open_->rule->AllowFolder(body.at("folder").get<std::string>(), &why);
    // A folder the page may not use leaves the chooser open for another.
    if (folder.empty()) return {403, json{{"error", why}}.dump()};
    open_->folder = folder.string();
  }
  open_->answered = true;
  return {200, json{{"version", version_.now()}}.dump()};
}

}  // namespace vx::app::studio

#include "app/studio/server.h"

#include <httplib.h>

#include <charconv>
#include <chrono>
#include <optional>
#include <initializer_list>
#include <random>
#include <set>

#include <nlohmann/json.hpp>

#include "app/studio/page_files.h"

namespace vx::app::studio {

using nlohmann::json;

std::string MakeToken() {
  std::random_device source;  // /dev/urandom on Linux
  std::string token;
  static constexpr char kHex[] = "0123456789abcdef";
  for (int i = 0; i < 4; ++i) {  // 4 words of 32 bits: 32 digits
    uint32_t word = source();
    for (int j = 0; j < 4; ++j, word >>= 8) {
      token += kHex[(word >> 4) & 15];
      token += kHex[word & 15];
    }
  }
  return token;
}

namespace {

void Answer(httplib::Response& res, const Reply& reply) {
  res.status = reply.status;
  res.set_header("Cache-Control", "no-store");
  res.set_content(reply.body, reply.contentType.c_str());
}

void Refuse(httplib::Response& res, int status, const std::string& why) {
  Answer(res, {status, json{{"error", why}}.dump()});
}

// The page's placeholder while the program holds no page of its own.
constexpr const char* kPlaceholder =
    "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>VERSALiX4 Studio</title></head>"
    "<body><h1>VERSALiX4 Studio</h1><p>This program was built without its page; the "
    "protocol is served under /api/.</p></body></html>";

// The canvas version a request names (0 without one); nothing when it is
// not a number.
std::optional<uint64_t> CanvasParam(const httplib::Request& req) {
  const std::string text = req.get_param_value("canvas");
  uint64_t since = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), since);
  if (!text.empty() && (error != std::errc() || end != text.data() + text.size())) return std::nullopt;
  return since;
}

}  // namespace

Server::Server(HostQueue& queue, Session& session, Version& version, std::string token)
    : queue_(queue), session_(session), version_(version), token_(std::move(token)),
      http_(std::make_unique<httplib::Server>()) {}

Server::~Server() { Stop(); }

int Server::Start(int port) {
  http_->set_payload_max_length(kMaxBodyBytes);
  // Answers go out at once: with Nagle's algorithm a small answer written in
  // two parts waits for the page's delayed acknowledgement (about 40 ms).
  http_->set_tcp_nodelay(true);
  // The event streams hold a thread each while open.
  http_->new_task_queue = [] { return new httplib::ThreadPool(16); };
  Routes();
  port_ = port == 0 ? http_->bind_to_any_port("127.0.0.1") : (http_->bind_to_port("127.0.0.1", port) ? port : -1);
  if (port_ < 0) return -1;
  thread_ = std::thread([this] { http_->listen_after_bind(); });
  return port_;
}

void Server::Stop() {
  version_.Stop();
  if (http_) http_->stop();
  if (thread_.joinable()) thread_.join();
}

void Server::Routes() {
  // Checked before any route: a request from another origin, under another
  // host name (DNS rebinding) or without the session's token is refused.
  http_->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
    const std::string self = std::to_string(port_);
    const std::string host = req.get_header_value("Host");
    if (host != "127.0.0.1:" + self && host != "localhost:" + self) {
      Refuse(res, 403, "the Host header must name this studio's loopback address");
      return httplib::Server::HandlerResponse::Handled;
    }
    if (req.has_header("Origin")) {
      const std::string origin = req.get_header_value("Origin");
      if (origin != "http://127.0.0.1:" + self && origin != "http://localhost:" + self) {
        Refuse(res, 403, "requests from other origins are refused");
        return httplib::Server::HandlerResponse::Handled;
      }
    }
    const std::string token = req.has_header("X-VX-Token") ? req.get_header_value("X-VX-Token")
                                                           : req.get_param_value("token");
    if (token != token_) {
      Refuse(res, 403, "the session token is missing or wrong");
      return httplib::Server::HandlerResponse::Handled;
    }
    return httplib::Server::HandlerResponse::Unhandled;
  });

  auto page = [](const httplib::Request& req, httplib::Response& res) {
    const std::string path = req.path == "/" ? "/index.html" : req.path;
    if (const PageFile* file = FindPageFile(path)) {
      res.set_content(std::string(file->bytes), std::string(file->contentType).c_str());
    } else if (path == "/index.html") {
      res.set_content(kPlaceholder, "text/html; charset=utf-8");
    } else {
      Refuse(res, 404, "no file " + path);
    }
  };
  http_->Get("/", page);
  http_->Get(R"(/[A-Za-z0-9_.-]+\.(html|js|css|png|svg))", page);

  // A GET that reads state on the host thread.
  auto read = [this](const char* pattern, std::function<Reply(const httplib::Request&)> work) {
    http_->Get(pattern, [this, work](const httplib::Request& req, httplib::Response& res) {
      Answer(res, queue_.Call([&] { return work(req); }));
    });
  };
  read("/api/state", [this](const httplib::Request&) { return session_.State(); });
  read("/api/document.svg", [this](const httplib::Request&) { return session_.DocumentSvg(); });
  read("/api/delta", [this](const httplib::Request& req) {
    return session_.Delta(req.get_param_value("since"));
  });
  read("/api/sync", [this](const httplib::Request& req) {
    const auto since = CanvasParam(req);
    if (!since) return Reply{400, json{{"error", "canvas is a canvas version"}}.dump()};
    return session_.Sync({}, *since, req.get_param_value("state"), 0);
  });
  read(R"(/api/raster/([^/]+)/(-?\d+)\.png)", [this](const httplib::Request& req) {
    return session_.Raster(req.matches[1], req.matches[2]);
  });
  read(R"(/api/icon/([^/]+)\.png)",
       [this](const httplib::Request& req) { return session_.Icon(req.matches[1]); });
  read(R"(/api/cursor/(\d+)\.png)",
       [this](const httplib::Request& req) { return session_.Cursor(req.matches[1]); });
  read("/api/files",
       [this](const httplib::Request& req) { return session_.Files(req.get_param_value("folder")); });

  http_->Get("/api/events", [this](const httplib::Request&, httplib::Response& res) {
    res.set_header("Cache-Control", "no-store");
    auto seen = std::make_shared<uint64_t>(0);
    res.set_chunked_content_provider(
        "text/event-stream", [this, seen](size_t, httplib::DataSink& sink) {
          const uint64_t now = version_.WaitPast(*seen, std::chrono::seconds(10));
          if (version_.stopped()) return false;
          const std::string event = now != *seen
                                        ? "data: " + json{{"version", now}}.dump() + "\n\n"
                                        : std::string(": still here\n\n");
          *seen = now;
          return sink.write(event.data(), event.size());
        });
  });

  // A POST with a JSON object body of known fields, run on the host thread.
  using Action = Reply (Session::*)(const json&);
  auto act = [this](const char* path, std::initializer_list<const char*> fields,
                    std::function<Reply(const json&)> work) {
    std::set<std::string> known(fields.begin(), fields.end());
    // While a question waits for its answer only the answer and quitting go through.
    const bool duringQuestion = std::string(path) == "/api/answer" || std::string(path) == "/api/quit";
    http_->Post(path, [this, known, work, duringQuestion](const httplib::Request& req,
                                                          httplib::Response& res) {
      json body;
      if (!req.body.empty()) {
        body = json::parse(req.body, nullptr, false);
        if (body.is_discarded()) return Refuse(res, 400, "the request body is not JSON");
      } else {
        body = json::object();
      }
      if (!body.is_object()) return Refuse(res, 400, "the request body is not a JSON object");
      for (const auto& [name, value] : body.items())
        if (!known.count(name)) return Refuse(res, 400, "unknown field \"" + name + "\"");
      const auto since = CanvasParam(req);
      if (!since) return Refuse(res, 400, "canvas is a canvas version");
      // Copied: once a modal dialog has answered the request early, the
      // request is gone while its job still runs.
      const bool sync = req.has_param("canvas");
      const std::string stateTag = req.get_param_value("state");
      Answer(res, queue_.Call([&, sync, stateTag, since = *since]() -> Reply {
        if (!duringQuestion && session_.asking())
          return {422, json{{"error", "a question is open: answer it first"}}.dump()};
        try {
          // With the page's canvas version and state tag, the answer
          // carries what changed (unless a modal dialog took the answer).
          const auto t0 = std::chrono::steady_clock::now();
          Reply reply = work(body);
          if (queue_.repliedEarly() || !sync) return reply;
          return session_.Sync(reply, since, stateTag,
                               std::chrono::duration<double, std::milli>(
                                   std::chrono::steady_clock::now() - t0).count());
        } catch (const BadRequest& e) {
          return {400, json{{"error", e.what()}}.dump()};
        } catch (const json::exception& e) {
          return {400, json{{"error", std::string("a field has the wrong type: ") + e.what()}}.dump()};
        }
      }));
    });
  };
  auto bind = [this](Action action) {
    return [this, action](const json& body) { return (session_.*action)(body); };
  };
  act("/api/select", {"ids", "rect", "point", "add"}, bind(&Session::Select));
  act("/api/layer", {"id", "visible", "locked"}, bind(&Session::Layer));
  act("/api/command", {"command"}, bind(&Session::Command));
  act("/api/dialog", {"dialog", "action", "tracking", "live", "gesture"}, bind(&Session::DialogAction));
  act("/api/tool", {"name"}, bind(&Session::Tool));
  act("/api/pointer", {"event", "x", "y", "modifiers"}, bind(&Session::Pointer));
  act("/api/undo", {}, [this](const json&) { return session_.Undo(false); });
  act("/api/redo", {}, [this](const json&) { return session_.Undo(true); });
  act("/api/open", {"path"}, bind(&Session::Open));
  act("/api/save", {}, bind(&Session::Save));
  act("/api/saveas", {"path"}, bind(&Session::Save));
  act("/api/export", {"path", "width"}, bind(&Session::Export));
  act("/api/quit", {}, [this](const json&) { return session_.Quit(); });
  act("/api/answer", {"id", "yes", "colour", "folder", "cancel"}, bind(&Session::Answer));
}

}  // namespace vx::app::studio

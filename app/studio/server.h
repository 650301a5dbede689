// The studio's HTTP face: listens on the loopback address only, checks
// every request (session token, Host and Origin headers, body size, JSON)
// before anything runs, serves the page from the program itself, and hands
// every other request to the host thread (HostQueue).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <thread>

#include "app/studio/host_queue.h"
#include "app/studio/session.h"

namespace httplib {
class Server;
}

namespace vx::app::studio {

// Request bodies above this are refused (413).
inline constexpr std::size_t kMaxBodyBytes = std::size_t(1) << 20;

// 32 hexadecimal digits from the system's random source.
std::string MakeToken();

class Server {
 public:
  Server(HostQueue& queue, Session& session, Version& version, std::string token);
  ~Server();
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Binds 127.0.0.1:port (0: any free port) and serves on a thread of its
  // own; answers the port, or -1 when it cannot bind.
  int Start(int port);
  // Stops listening and waits for the handler threads.
  void Stop();
  const std::string& token() const { return token_; }

 private:
  void Routes();

  HostQueue& queue_;
  Session& session_;
  Version& version_;
  std::string token_;
  int port_ = -1;
  std::unique_ptr<httplib::Server> http_;
  std::thread thread_;
};

}  // namespace vx::app::studio

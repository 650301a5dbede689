// The studio's one host thread: HTTP handler threads never touch the host,
// they hand a job to the host thread and wait for its reply. While a modal
// dialog runs inside a plug-in call, the dialog's user agent keeps taking
// jobs from the same queue, so requests reach the open dialog.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>

namespace vx::app::studio {

// An HTTP answer made on the host thread.
struct Reply {
  int status = 200;
  std::string body;
  // With a charset parameter: the HTTP library compresses only bare JSON and
  // SVG types, and compressing large documents costs far more time than it
  // saves on the loopback address.
  std::string contentType = "application/json; charset=utf-8";
};

class HostQueue {
 public:
  using Work = std::function<Reply()>;

  // From a handler thread: runs `work` on the host thread and answers its
  // reply (or an earlier one given with ReplyEarly). Once the queue is
  // closed the answer is 503.
  Reply Call(Work work);

  // Host thread: runs the next job, waiting at most `wait`; false once the
  // queue is closed and empty.
  bool RunNext(std::chrono::milliseconds wait);
  // Host thread, inside a job: answers the job now; its own reply is then
  // dropped (a menu command answers as its modal dialog opens).
  void ReplyEarly(const Reply& reply);
  // Host thread, inside a job: whether it has been answered already.
  bool repliedEarly() const { return running_ && running_->replied; }
  // Refuses new jobs and answers waiting ones with 503.
  void Close();
  bool closed() const { return closed_; }

 private:
  struct Job {
    Work work;
    std::promise<Reply> promise;
    bool replied = false;
  };
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::shared_ptr<Job>> jobs_;
  std::shared_ptr<Job> running_;  // the innermost job the host thread runs
  std::atomic<bool> closed_{false};
};

}  // namespace vx::app::studio

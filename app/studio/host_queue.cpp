#include "app/studio/host_queue.h"

#include <nlohmann/json.hpp>

namespace vx::app::studio {

namespace {
Reply Unavailable() { return {503, R"({"error":"the studio is shutting down"})"}; }
}  // namespace

Reply HostQueue::Call(Work work) {
  auto job = std::make_shared<Job>();
  job->work = std::move(work);
  std::future<Reply> answer = job->promise.get_future();
  {
    std::lock_guard lock(mutex_);
    if (closed_) return Unavailable();
    jobs_.push_back(job);
  }
  ready_.notify_one();
  return answer.get();
}

bool HostQueue::RunNext(std::chrono::milliseconds wait) {
  std::shared_ptr<Job> job;
  {
    std::unique_lock lock(mutex_);
    ready_.wait_for(lock, wait, [this] { return !jobs_.empty() || closed_; });
    if (jobs_.empty()) return !closed_;
    job = jobs_.front();
    jobs_.pop_front();
  }
  // Jobs nest while a modal dialog runs: the outer one is restored after.
  std::shared_ptr<Job> outer = std::exchange(running_, job);
  Reply reply;
  try {
    reply = job->work();
  } catch (const std::exception& e) {
    reply = {500, nlohmann::json{{"error", std::string("internal error: ") + e.what()}}.dump()};
  }
  if (!job->replied) {
    job->replied = true;
    job->promise.set_value(std::move(reply));
  }
  running_ = outer;
  return true;
}

void HostQueue::ReplyEarly(const Reply& reply) {
  if (!running_ || running_->replied) return;
  running_->replied = true;
  running_->promise.set_value(reply);
}

void HostQueue::Close() {
  std::deque<std::shared_ptr<Job>> left;
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
    left.swap(jobs_);
  }
  for (auto& job : left) job->promise.set_value(Unavailable());
  ready_.notify_all();
}

}  // namespace vx::app::studio

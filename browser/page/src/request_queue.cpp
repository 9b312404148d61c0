#include "browser/page/request_queue.h"

#include <algorithm>

namespace browser {

bool PageRequestQueue::ChangesPage(const PageRequest& request) {
  return request.kind != PageRequest::Kind::kExit;
}

void PageRequestQueue::Push(PageRequest request) {
  if (ChangesPage(request)) {
    std::erase_if(requests_, [](const PageRequest& waiting) { return ChangesPage(waiting); });
  }
  requests_.push_back(std::move(request));
}

std::optional<PageRequest> PageRequestQueue::Pop() {
  if (requests_.empty()) return std::nullopt;
  PageRequest front = std::move(requests_.front());
  requests_.pop_front();
  return front;
}

}  // namespace browser

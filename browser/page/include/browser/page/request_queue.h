#pragma once

#include <deque>
#include <optional>

#include "browser/script/script_host.h"

namespace browser {

// The page requests scripts posted, waiting to be handled one at a time in the order they
// came. Only the last page change still waiting is kept (a page the window would leave at
// once is never loaded): a document whose OnLoad and OnUnload scripts both change pages
// holds one request, not twice as many with every load.
class PageRequestQueue {
 public:
  void Push(PageRequest request);
  std::optional<PageRequest> Pop();
  bool empty() const { return requests_.empty(); }
  size_t size() const { return requests_.size(); }

  // Open, next, previous and reload load a page; exit does not.
  static bool ChangesPage(const PageRequest& request);

 private:
  std::deque<PageRequest> requests_;
};

}  // namespace browser

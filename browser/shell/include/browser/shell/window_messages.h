#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>

namespace browser::shell {

// Messages other programs post to the main window: X11 client messages of type
// VTRL_WINDOW_MESSAGE (format 32: message, wparam, lparam) sent to the window whose id
// `window()` answers. Installed on the application while it lives.
class WindowMessages : public QAbstractNativeEventFilter {
 public:
  using Handler = std::function<void(uint32_t message, uint32_t wparam, int32_t lparam)>;
  WindowMessages(std::function<uint32_t()> window, Handler handler);
  ~WindowMessages() override;

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  std::function<uint32_t()> window_;
  Handler handler_;
  uint32_t atom_ = 0;  // 0 until interned
};

}  // namespace browser::shell

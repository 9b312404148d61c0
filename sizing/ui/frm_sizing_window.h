// The Qt window of the vent sizing program: mirrors the headless FrmSizing and forwards the
// user's edits, clicks and focus changes to its event handlers.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "formkit/host.h"
#include "sizing/frm_sizing.h"

namespace Ui {
class FrmSizingWindow;
}

namespace sizing {

class FrmSizingWindow : public QMainWindow, private formkit::Host {
  Q_OBJECT

 public:
  explicit FrmSizingWindow(QWidget* parent = nullptr);
  ~FrmSizingWindow() override;

  FrmSizing& form() { return form_; }

  // Replaces the modal message box (tests record the messages instead).
  using MessageHandler = std::function<void(const std::string& text, const std::string& caption)>;
  void setMessageHandler(MessageHandler handler) { message_handler_ = std::move(handler); }

  // Unloads every form of the program; the program ends when the last one is gone.
  void EndProgram();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void MsgBox(const std::string& text, const std::string& caption) override;
  void connectControls();
  void connectMenus();
  void applyBackColor(const QColor& color);
  void mirror(const std::string& name);
  void mirrorAll();

  std::unique_ptr<Ui::FrmSizingWindow> ui_;
  FrmSizing form_;
  MessageHandler message_handler_;
  bool mirroring_ = false;
  bool ending_ = false;
};

// The design colour of the forms and their option buttons and check box (&H00E0E0E0).
inline constexpr unsigned kDesignBackColor = 0xE0E0E0;

}  // namespace sizing

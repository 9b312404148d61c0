// The web control's events as documents script them, one declaration for the view that
// raises them in the engine's process and the control that raises them again in the browser.
#pragma once

#include <QString>
#include <QWidget>

namespace panorel_web {

class WebEvents : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

 signals:
  void BeforeNavigate2(const QString& URL);
  void NavigateComplete2(const QString& URL);
  void DocumentComplete(const QString& URL);
  void TitleChange(const QString& Text);
  // A link with target=_blank or window.open asked for a new window with URL: the control
  // opens none, and the host hands the address to the desktop's web browser.
  void NewWindowRequested(const QString& URL);
};

}  // namespace panorel_web

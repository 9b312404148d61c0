#include "frm_splash.h"

#include "company_logo.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace sizing {
namespace {

constexpr const char* kTitle = "Pipe Sizing";

QLabel* MakeLabel(const QString& name, const QString& text, qreal scale, bool bold,
                  QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * scale);
  font.setBold(bold);
  label->setFont(font);
  return label;
}

}  // namespace

FrmSplash::FrmSplash(int major, int minor, int revision, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setFocusPolicy(Qt::StrongFocus);
  createControls();
  Form_Load(major, minor, revision);
}

void FrmSplash::createControls() {
  frame_ = new QFrame(this);
  frame_->setObjectName(QStringLiteral("Frame1"));
  frame_->setFrameShape(QFrame::Box);
  frame_->setFrameShadow(QFrame::Sunken);

  logo_ = new QLabel(frame_);
  logo_->setObjectName(QStringLiteral("imgLogo"));
  logo_->setPixmap(CompanyLogo(kLogoSize, devicePixelRatioF()));

  auto* company_product = MakeLabel(QStringLiteral("lblCompanyProduct"),
                                    QStringLiteral("CORVANE INC"), 1.6, true, frame_);
  lbl_product_name_ = MakeLabel(QStringLiteral("lblProductName"), QString(), 2.6, true, frame_);
  auto* platform =
      MakeLabel(QStringLiteral("lblPlatform"), QStringLiteral("WINDOWS"), 1.4, true, frame_);
  lbl_version_ = MakeLabel(QStringLiteral("lblVersion"), QString(), 1.1, true, frame_);
  auto* warning = MakeLabel(
      QStringLiteral("lblWarning"),
      QStringLiteral("Sizing computations contained herein are based on data provided in the "
                     "2012 ASHRAE HANDBOOK HVAC Systems and Equipment.  User assumes all "
                     "responsibility for accuracy."),
      0.9, false, frame_);
  warning->setWordWrap(true);
  auto* company =
      MakeLabel(QStringLiteral("lblCompany"), QStringLiteral("CORVANE INC"), 1.0, false, frame_);
  for (QLabel* right : {platform, lbl_version_, company})
    right->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto* grid = new QGridLayout(frame_);
  grid->setContentsMargins(18, 18, 18, 18);
  grid->setHorizontalSpacing(24);
  grid->setVerticalSpacing(8);
  grid->addWidget(company_product, 0, 0, 1, 2);
  grid->addWidget(logo_, 1, 0, 3, 1, Qt::AlignCenter);
  grid->addWidget(lbl_product_name_, 1, 1, Qt::AlignRight | Qt::AlignBottom);
  grid->addWidget(platform, 2, 1);
  grid->addWidget(lbl_version_, 3, 1, Qt::AlignRight | Qt::AlignTop);
  grid->addWidget(warning, 4, 0, 1, 2);
  grid->addWidget(company, 5, 0, 1, 2);
  grid->setRowMinimumHeight(4, 60);
  grid->setColumnMinimumWidth(1, 300);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(frame_);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  frame_->installEventFilter(this);
  for (QLabel* label : frame_->findChildren<QLabel*>()) label->installEventFilter(this);
}

void FrmSplash::Form_Load(int major, int minor, int revision) {
  lbl_version_->setText(QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision));
  lbl_product_name_->setText(QString::fromLatin1(kTitle));
  setWindowTitle(QString::fromLatin1(kTitle));
}

void FrmSplash::showEvent(QShowEvent* event) {
  // Drawn for the pixels of the screen it shows on, so it stays sharp at any scaling.
  logo_->setPixmap(CompanyLogo(kLogoSize, devicePixelRatioF()));
  adjustSize();
  // Centred on the screen's work area, as a splash form opens.
  if (QScreen* shown_on = screen()) {
    const QRect area = shown_on->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  QWidget::showEvent(event);
}

void FrmSplash::keyPressEvent(QKeyEvent* /*event*/) { Switch(); }

bool FrmSplash::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    Switch();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void FrmSplash::Switch() {
  // A second key or click before the caller has closed the splash must not open the main
  // form twice.
  if (switched_) return;
  switched_ = true;
  emit switchToMain();
}

}  // namespace sizing

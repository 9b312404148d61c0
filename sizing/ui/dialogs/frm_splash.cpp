#include "frm_splash.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVBoxLayout>

namespace sizing {
namespace {

constexpr const char* kTitle = "Pipe Sizing";

// The company mark: a vent stack with its cap, rising out of a blue disc.
QPixmap DrawLogo(int size) {
  QPixmap logo(size, size);
  logo.fill(Qt::transparent);
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1F, 0x4E, 0x8C));
  p.drawEllipse(QRectF(0.04 * s, 0.04 * s, 0.92 * s, 0.92 * s));

  p.setBrush(Qt::white);
  // The stack: a pipe with two joint bands.
  const QRectF pipe(0.42 * s, 0.36 * s, 0.16 * s, 0.50 * s);
  p.drawRect(pipe);
  p.setBrush(QColor(0xC8, 0xD6, 0xE8));
  p.drawRect(QRectF(0.40 * s, 0.52 * s, 0.20 * s, 0.04 * s));
  p.drawRect(QRectF(0.40 * s, 0.70 * s, 0.20 * s, 0.04 * s));
  // The cap: a cone held above the pipe.
  p.setBrush(Qt::white);
  QPainterPath cap;
  cap.moveTo(0.28 * s, 0.30 * s);
  cap.lineTo(0.50 * s, 0.16 * s);
  cap.lineTo(0.72 * s, 0.30 * s);
  cap.closeSubpath();
  p.drawPath(cap);
  p.drawRect(QRectF(0.46 * s, 0.30 * s, 0.02 * s, 0.06 * s));
  p.drawRect(QRectF(0.52 * s, 0.30 * s, 0.02 * s, 0.06 * s));
  return logo;
}

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

  auto* logo = new QLabel(frame_);
  logo->setObjectName(QStringLiteral("imgLogo"));
  logo->setPixmap(DrawLogo(140));

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
  grid->addWidget(logo, 1, 0, 3, 1, Qt::AlignCenter);
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

#include "ui/skin.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

#include "ui/look.h"
#include "ui/pump.h"

namespace quorbis::ui {
namespace {

constexpr char kBorderRadius[] = "quorbisBorderRadius";
constexpr char kRegionRadius[] = "quorbisRegionRadius";

// The offscreen platform (tests, benchmarks) has no window masks, opacity or
// stacking; asking for them there only fills the log.
bool RealScreen() {
  static const bool real = QGuiApplication::platformName() != QStringLiteral("offscreen");
  return real;
}

bool ValidUnit(int unit) {
  return unit == kTwipsUnit || unit == kPixelUnit;
}

// The region of a rounded window: corner ellipses of radius x radius, as the
// classic rounded-rectangle regions are measured.
QRegion RoundedRegion(QSize size, int radius) {
  QBitmap bits(size);
  bits.fill(Qt::color0);
  QPainter p(&bits);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::color1);
  p.drawRoundedRect(QRect(QPoint(0, 0), size), radius / 2.0, radius / 2.0);
  p.end();
  return QRegion(bits);
}

void ApplyRegion(QWidget* w) {
  const QVariant r = w->property(kRegionRadius);
  if (!r.isValid() || w->width() <= 0 || w->height() <= 0 || !RealScreen()) return;
  w->setMask(RoundedRegion(w->size(), r.toInt()));
}

// Moves a window with the mouse where the window system cannot do it for us
// (no system move on this platform): follows the pointer until release.
class ManualDrag : public QObject {
 public:
  explicit ManualDrag(QWidget* w) : QObject(w), window_(w) {
    offset_ = QCursor::pos() - w->pos();
    w->grabMouse();
    w->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::MouseMove) {
      window_->move(static_cast<QMouseEvent*>(e)->globalPosition().toPoint() - offset_);
      return true;
    }
    if (e->type() == QEvent::MouseButtonRelease) {
      window_->releaseMouse();
      window_->removeEventFilter(this);
      deleteLater();
      return true;
    }
    return false;
  }

 private:
  QWidget* window_;
  QPoint offset_;
};

void Fade(QWidget* w, int step_ms, bool out) {
  for (int i = 1; i <= 8; ++i) {
    WaitMs(Scaled(step_ms));
    if (!w->isVisible()) return;
    SetWindowOpacity(w, out ? std::min(255, 256 - 32 * i) : 32 * i - 1, QColor(), 0);
    PumpEvents();
  }
}

}  // namespace

void RoundForm(QWidget* w, int radius, int unit) {
  if (!w || !ValidUnit(unit)) return;
  w->setProperty(kRegionRadius, radius);
  ApplyRegion(w);
  w->update();
}

void RoundFormBordered(QWidget* w, int radius, int unit) {
  if (!w || !ValidUnit(unit)) return;
  w->setProperty(kBorderRadius, radius);
  RoundForm(w, radius, unit);
}

void RoundPanelBorder(QWidget* w, int radius, int unit) {
  if (!w || !ValidUnit(unit)) return;
  w->setProperty(kBorderRadius, radius);
  w->update();
}

void PaintSkinBorder(QPainter& p, const QWidget* w) {
  const QVariant r = w->property(kBorderRadius);
  if (!r.isValid()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(w->palette().color(QPalette::WindowText), 1.5));
  const double half = r.toInt() / 2.0;
  p.drawRoundedRect(QRectF(w->rect()).adjusted(0.75, 0.75, -0.75, -0.75), half, half);
  p.restore();
}

int SetWindowOpacity(QWidget* w, int alpha, QColor key, int mode) {
  if (alpha < 0 || alpha > 255) return 1;
  if (!w) return 2;
  if (!RealScreen()) return 0;
  if (mode == 0) {
    w->setWindowOpacity(alpha / 255.0);
    return 0;
  }
  // The colour key: every pixel of that colour is cut out of the window.
  const QPixmap shot = w->grab();
  if (shot.isNull()) return 2;
  w->setMask(shot.createMaskFromColor(key, Qt::MaskInColor));
  return 0;
}

void DragForm(QWidget* w) {
  if (!w) return;
  QWidget* top = w->window();
  if (QWindow* handle = top->windowHandle(); handle && handle->startSystemMove()) return;
  new ManualDrag(top);
}

void FadeOutForm(QWidget* w) {
  if (w) Fade(w, 50, true);
}

void FadeInForm(QWidget* w) {
  if (w) Fade(w, 30, false);
}

bool HasRealScreen() {
  return RealScreen();
}

void RaiseWindow(QWidget* w) {
  if (w && RealScreen()) w->raise();
}

// --- SkinnedWindow -------------------------------------------------------

SkinnedWindow::SkinnedWindow(QWidget* owner, QSize size, int radius)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint), fill_(kDialogColor), radius_(radius) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFixedSize(size);
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  setPalette(pal);
  RoundForm(this, radius, kPixelUnit);
}

void SkinnedWindow::SetBackground(const QPixmap& picture, QColor fill) {
  background_ = picture;
  fill_ = fill;
  update();
}

void SkinnedWindow::CentreOverBoard() {
  QWidget* owner = parentWidget();
  if (!owner) return;
  const QWidget* main = owner->window();
  const QPoint origin = main->mapToGlobal(QPoint(0, 0));
  const int map_width = main->width();
  const int map_height = main->height();
  move(origin.x() + ((map_width - 270) - width()) / 2, origin.y() + (map_height - height()) / 2);
}

void SkinnedWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!background_.isNull()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), background_);
  } else {
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, fill_.lighter(125));
    shade.setColorAt(1, fill_);
    p.fillRect(rect(), shade);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kPanelBorder, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius_ / 2.0, radius_ / 2.0);
  }
  PaintSkinBorder(p, this);
}

void SkinnedWindow::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) DragForm(this);
}

void SkinnedWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  ApplyRegion(this);
}

void SkinnedWindow::closeEvent(QCloseEvent* e) {
  if (e->spontaneous() && !user_closable_) {
    e->ignore();
    return;
  }
  QWidget::closeEvent(e);
  if (!closed_sent_) {
    closed_sent_ = true;
    emit closed();
  }
}

// --- LabelButton ---------------------------------------------------------

LabelButton::LabelButton(const QString& caption, QWidget* parent, double points)
    : QAbstractButton(parent) {
  setText(caption);
  setFont(Arial(points, true));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

QSize LabelButton::sizeHint() const {
  QString shown = text();
  shown.remove('&');
  const QFontMetrics fm(font());
  return QSize(fm.horizontalAdvance(shown) + 8, fm.height() + 4);
}

void LabelButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QColor c = isEnabled() ? (hover_ ? QColor(255, 214, 110) : kButtonText) : QColor(150, 150, 150);
  p.setFont(font());
  // A soft shadow keeps white captions readable on light backgrounds.
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(rect().translated(1, 1), Qt::AlignCenter | Qt::TextShowMnemonic, text());
  p.setPen(c);
  p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void LabelButton::enterEvent(QEnterEvent*) {
  hover_ = true;
  update();
}

void LabelButton::leaveEvent(QEvent*) {
  hover_ = false;
  update();
}

// --- PictureButton -------------------------------------------------------

PictureButton::PictureButton(const QPixmap& picture, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
  setText(caption);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!picture_.isNull()) {
    const bool hovered = hover_ && isEnabled();
    if (hovered && !hover_picture_.isNull()) {
      p.drawPixmap(rect(), hover_picture_);
      return;
    }
    p.drawPixmap(rect(), picture_);
    if (lit_ || hovered) {
      // Lighten only the button's own pixels, not its transparent corners.
      p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
      p.fillRect(rect(), QColor(255, 255, 255, lit_ ? 70 : 35));
    }
    return;
  }
  p.setRenderHint(QPainter::Antialiasing);
  QColor plate = plate_;
  if (lit_)
    plate = plate.lighter(150);
  else if (hover_ && isEnabled())
    plate = plate.lighter(120);
  if (!isEnabled()) plate = plate.darker(130);
  QLinearGradient shade(0, 0, 0, height());
  shade.setColorAt(0, plate.lighter(130));
  shade.setColorAt(1, plate);
  p.setBrush(shade);
  p.setPen(QPen(QColor(255, 200, 120), 1.5));
  const double r = qMin(height() / 4.0, 10.0);
  p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), r, r);
  QFont f = Arial(qBound(8.0, height() / 2.6, 18.0), true);
  p.setFont(f);
  p.setPen(isEnabled() ? Qt::white : QColor(190, 190, 190));
  p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void PictureButton::enterEvent(QEnterEvent*) {
  hover_ = true;
  update();
}

void PictureButton::leaveEvent(QEvent*) {
  hover_ = false;
  update();
}

}  // namespace quorbis::ui

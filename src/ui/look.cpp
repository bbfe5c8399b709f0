#include "ui/look.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace quorbis::ui {
namespace {

QString& Root() {
  static QString root;
  return root;
}

QHash<QString, QPixmap>& Cache() {
  static QHash<QString, QPixmap> cache;
  return cache;
}

QFont MakeFont(const QString& family, double points, bool bold) {
  QFont f(family);
  f.setPixelSize(qMax(1, qRound(points * 96.0 / 72.0)));
  f.setBold(bold);
  return f;
}

}  // namespace

QFont Arial(double points, bool bold) {
  return MakeFont(QStringLiteral("Liberation Sans"), points, bold);
}

QFont Tahoma(double points, bool bold) {
  return MakeFont(QStringLiteral("DejaVu Sans"), points, bold);
}

QColor ToColor(Rgb c) {
  return QColor(static_cast<int>(RedOf(c)), static_cast<int>(GreenOf(c)),
                static_cast<int>(BlueOf(c)));
}

void SetPictureRoot(const QString& app_path) {
  Root() = app_path;
  if (!Root().isEmpty() && !Root().endsWith('/')) Root() += '/';
  ForgetPictures();
}

QString PictureRoot() {
  return Root();
}

QPixmap Picture(const QString& relative) {
  auto it = Cache().find(relative);
  if (it != Cache().end()) return *it;
  QPixmap pix;
  const QString path = Root() + relative;
  if (QFile::exists(path)) pix.load(path);
  Cache().insert(relative, pix);
  return pix;
}

void ForgetPictures() {
  Cache().clear();
}

QPixmap Portrait(int icon) {
  if (icon < 0 || icon > 11) icon = 0;
  QPixmap pix = Picture(QStringLiteral("appdata/%1.jpg").arg(icon + 1));
  if (!pix.isNull()) return pix;
  // A plain face on a coloured disc, so that a missing file still tells the
  // portraits apart.
  static const QColor kShades[12] = {{231, 76, 60},  {155, 89, 182}, {52, 152, 219}, {26, 188, 156},
                                     {241, 196, 15}, {230, 126, 34}, {41, 128, 185}, {39, 174, 96},
                                     {192, 57, 43},  {142, 68, 173}, {22, 160, 133}, {211, 84, 0}};
  QPixmap plain(64, 64);
  plain.fill(QColor(200, 200, 200));
  QPainter p(&plain);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(kShades[icon]);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(6, 6, 52, 52));
  p.setPen(Qt::white);
  p.setFont(Arial(18, true));
  p.drawText(plain.rect(), Qt::AlignCenter, QString::number(icon + 1));
  return plain;
}

QPixmap SquarePicture(int square) {
  return Picture(QStringLiteral("maps/new york/image/%1.jpg").arg(square));
}

}  // namespace quorbis::ui

// The pictures of the windows: portraits, title screen, action bar, buttons,
// icons and dialog backgrounds, all in the board's palette.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "art.h"
#include "paint_kit.h"
#include "render/sprites.h"
#include "state/board.h"

using namespace quorbis;

namespace artgen {

namespace {

// --- Shared pieces -------------------------------------------------------------

// A picture button: a glossy pill with an outlined caption.
QImage Button(int w, int h, const QString& text, const QColor& base, bool lit, double font_px,
              const QString& emoji = QString()) {
  return Render(
      w, h,
      [&](QPainter& p) {
        const QRectF r(1.5, 1.5, w - 3, h - 4.5);
        const double radius = std::min(h * 0.42, 16.0);
        if (lit) {
          QRadialGradient glow(r.center(), w * 0.6);
          glow.setColorAt(0, QColor(255, 230, 120, 120));
          glow.setColorAt(1, QColor(255, 230, 120, 0));
          p.fillRect(QRectF(0, 0, w, h), glow);
        }
        const QColor top = lit ? base.lighter(150) : base.lighter(118);
        const QColor bottom = lit ? base.lighter(105) : base.darker(135);
        Panel(p, r, radius, top, bottom, lit ? QColor(255, 240, 170) : pal::kGold,
              std::max(1.5, h / 22.0));
        // Upper gloss.
        QPainterPath gloss;
        gloss.addRoundedRect(r.adjusted(4, 3, -4, -r.height() * 0.52), radius * 0.8, radius * 0.8);
        QLinearGradient gg(r.topLeft(), QPointF(r.left(), r.center().y()));
        gg.setColorAt(0, QColor(255, 255, 255, 110));
        gg.setColorAt(1, QColor(255, 255, 255, 10));
        p.fillPath(gloss, gg);
        QRectF text_box = r;
        if (!emoji.isEmpty()) {
          const double s = r.height() * 0.72;
          DrawEmoji(p, QRectF(r.left() + r.height() * 0.2, r.center().y() - s / 2, s, s), emoji);
          text_box.setLeft(r.left() + r.height() * 0.2 + s);
        }
        QFont f = Display(font_px);
        OutlinedText(p, text_box, text, f, Qt::white, base.darker(230),
                     std::max(1.2, font_px / 12));
      },
      3, true);
}

// A dialog's background: a deep gradient, a faint skyline, a gold frame and,
// where the window has one, a title band.
void DialogBase(QPainter& p, int w, int h, const QColor& top, const QColor& bottom, uint32_t seed) {
  VGradient(p, QRectF(0, 0, w, h), top, bottom);
  QRadialGradient light(QPointF(w * 0.3, h * 0.1), std::max(w, h) * 0.8);
  light.setColorAt(0, QColor(255, 255, 255, 40));
  light.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(0, 0, w, h), light);
  DrawSkyline(p, QRectF(0, h * 0.72, w, h * 0.28), seed, QColor(255, 255, 255, 18),
              QColor(255, 230, 160, 40), 0.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(pal::kGold, 3));
  p.drawRoundedRect(QRectF(4, 4, w - 8, h - 8), 12, 12);
  p.setPen(QPen(QColor(255, 255, 255, 60), 1));
  p.drawRoundedRect(QRectF(9, 9, w - 18, h - 18), 9, 9);
}

void Plate(QPainter& p, const QRectF& r, const QColor& c, double alpha = 1.0) {
  QColor top = c.lighter(112), bottom = c.darker(112);
  top.setAlphaF(alpha);
  bottom.setAlphaF(alpha);
  p.save();
  p.setPen(QPen(QColor(0, 0, 0, 70), 1));
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setBrush(g);
  p.drawRoundedRect(r, 8, 8);
  p.restore();
}

void Title(QPainter& p, const QRectF& r, const QString& text, double px) {
  OutlinedText(p, r, text, Display(px), pal::kGold, pal::kNavyDeep, std::max(1.5, px / 14));
}

QImage Dialog(int w, int h, const std::function<void(QPainter&)>& extra,
              const QColor& top = QColor(44, 70, 120), const QColor& bottom = pal::kNavyDeep,
              uint32_t seed = 7) {
  return Render(w, h, [&](QPainter& p) {
    DialogBase(p, w, h, top, bottom, seed);
    extra(p);
  });
}

// --- Portraits -------------------------------------------------------------------

}  // namespace

void MakePortraits(const QString& app_dir) {
  // Indices 0-4 and 5 are women, 6-10 and 11 men: friendly drawn faces.
  static const char* const kFaces[12] = {
      "\U0001F469\U0001F3FB",
      "\U0001F469\U0001F3FD\u200D\U0001F9B1",
      "\U0001F469\U0001F3FC\u200D\U0001F9B0",
      "\U0001F471\U0001F3FC\u200D\u2640\uFE0F",
      "\U0001F469\U0001F3FF",
      "\U0001F475\U0001F3FD",
      "\U0001F468\U0001F3FB",
      "\U0001F9D4\U0001F3FD",
      "\U0001F468\U0001F3FE\u200D\U0001F9B1",
      "\U0001F471\U0001F3FB\u200D\u2642\uFE0F",
      "\U0001F468\U0001F3FC\u200D\U0001F9B0",
      "\U0001F474\U0001F3FF",
  };
  static const QColor kBacks[12] = {
      QColor(255, 170, 120), QColor(120, 200, 170), QColor(150, 170, 240), QColor(250, 200, 90),
      QColor(230, 130, 170), QColor(140, 210, 230), QColor(120, 170, 230), QColor(250, 180, 90),
      QColor(150, 210, 130), QColor(230, 140, 120), QColor(180, 150, 230), QColor(120, 200, 200),
  };
  for (int i = 0; i < 12; ++i) {
    const QImage img = Render(128, 128, [i](QPainter& p) {
      QRadialGradient g(QPointF(50, 40), 110);
      g.setColorAt(0, kBacks[i].lighter(135));
      g.setColorAt(1, kBacks[i].darker(125));
      p.fillRect(QRectF(0, 0, 128, 128), g);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 50));
      p.drawEllipse(QPointF(64, 138), 70, 44);  // shoulders' light
      DrawEmoji(p, QRectF(14, 16, 100, 104), QString::fromUtf8(kFaces[i]));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(pal::kCream, 4));
      p.drawRect(QRectF(2, 2, 124, 124));
    });
    SaveJpg(img, app_dir + QString::number(i + 1) + ".jpg");
  }
}

// --- Title screen ------------------------------------------------------------------

void MakeTitlePictures(const QString& app_dir) {
  constexpr int W = 1920, H = 1200;
  const QImage cover = Render(
      W, H,
      [](QPainter& p) {
        QLinearGradient sky(0, 0, 0, H);
        sky.setColorAt(0, QColor(12, 20, 46));
        sky.setColorAt(0.45, QColor(44, 70, 132));
        sky.setColorAt(0.72, QColor(200, 120, 130));
        sky.setColorAt(0.86, QColor(255, 180, 120));
        sky.setColorAt(1, QColor(40, 50, 90));
        p.fillRect(QRectF(0, 0, W, H), sky);
        Dice d(2024);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 260; ++i) {
          p.setBrush(QColor(255, 255, 240, d.Int(60, 220)));
          const double s = d.Range(0.8, 2.6);
          p.drawEllipse(QPointF(d.Unit() * W, d.Unit() * H * 0.5), s, s);
        }
        // Searchlights.
        for (int k = 0; k < 2; ++k) {
          QPainterPath beam;
          const double x = W * (k == 0 ? 0.22 : 0.78);
          beam.moveTo(x - 10, H * 0.82);
          beam.lineTo(x + (k == 0 ? -380 : 380), 0);
          beam.lineTo(x + (k == 0 ? -200 : 200), 0);
          beam.lineTo(x + 10, H * 0.82);
          QLinearGradient bg(0, H * 0.82, 0, 0);
          bg.setColorAt(0, QColor(255, 240, 200, 70));
          bg.setColorAt(1, QColor(255, 240, 200, 0));
          p.fillPath(beam, bg);
        }
        DrawSkyline(p, QRectF(0, H * 0.6, W, H * 0.26), 77, QColor(70, 70, 120, 190),
                    QColor(255, 226, 160, 120), 0.7);
        TowerStyle empire{QColor(60, 62, 104),
                          QColor(110, 116, 160),
                          QColor(255, 214, 130),
                          4,
                          0.5,
                          0.95,
                          0.0,
                          Crown::Spire,
                          true,
                          false};
        DrawTower(p, QRectF(W * 0.07, H * 0.4, 200, H * 0.46), empire);
        TowerStyle chrysler{QColor(76, 80, 116),
                            QColor(200, 204, 226),
                            QColor(255, 214, 130),
                            3,
                            0.45,
                            0.93,
                            0.0,
                            Crown::Arches,
                            true,
                            false};
        DrawTower(p, QRectF(W * 0.82, H * 0.44, 190, H * 0.42), chrysler);
        DrawSkyline(p, QRectF(0, H * 0.72, W, H * 0.16), 4711, QColor(22, 28, 58),
                    QColor(255, 210, 120, 210), 1.0);
        QLinearGradient river(0, H * 0.88, 0, H);
        river.setColorAt(0, QColor(30, 44, 86));
        river.setColorAt(1, QColor(14, 20, 44));
        p.fillRect(QRectF(0, H * 0.88, W, H * 0.12), river);
        for (int i = 0; i < 160; ++i) {
          p.setBrush(QColor(255, 214, 140, d.Int(30, 120)));
          p.drawRect(QRectF(d.Unit() * W, H * 0.89 + d.Unit() * H * 0.1, d.Range(10, 60), 2));
        }
        // The band where the title buttons stand stays calm and readable.
        QLinearGradient band(0, H * 0.5, 0, H * 0.66);
        band.setColorAt(0, QColor(10, 16, 36, 0));
        band.setColorAt(0.5, QColor(10, 16, 36, 120));
        band.setColorAt(1, QColor(10, 16, 36, 0));
        p.fillRect(QRectF(0, H * 0.48, W, H * 0.2), band);
        // The title.
        DrawEmoji(p, QRectF(W * 0.5 - 790, H * 0.12, 160, 160), "\U0001F3B2");
        DrawEmoji(p, QRectF(W * 0.5 + 630, H * 0.14, 160, 160), "\U0001F4B5");
        OutlinedText(p, QRectF(0, H * 0.1, W, H * 0.22), "QUORBIS", Display(250), pal::kGold,
                     pal::kNavyDeep, 10);
        const QRectF ribbon(W * 0.5 - 430, H * 0.33, 860, 96);
        Panel(p, ribbon, 40, QColor(230, 64, 60), QColor(160, 26, 38), pal::kGold, 6);
        QFont sub = Display(70);
        sub.setLetterSpacing(QFont::AbsoluteSpacing, 10);
        OutlinedText(p, ribbon, "OF NEW YORK", sub, pal::kCream, QColor(110, 10, 20), 3);
        OutlinedText(p, QRectF(0, H * 0.42, W, 50), "THE PROPERTY TRADING GAME", Sans(34),
                     pal::kCream, pal::kNavyDeep, 2.5);
      },
      1);
  SaveJpg(cover, app_dir + "cover.jpg");

  struct TitleButton {
    const char* file;
    const char* text;
    const char* emoji;
    QColor colour;
  };
  const TitleButton buttons[] = {
      {"title_newgame", "NEW GAME", "\U0001F3B2", QColor(214, 48, 49)},
      {"title_options", "OPTIONS", "\u2699\uFE0F", QColor(47, 95, 208)},
      {"title_help", "HELP", "\u2753", QColor(46, 150, 80)},
      {"title_exit", "EXIT", "\U0001F6AA", QColor(110, 110, 130)},
  };
  for (const TitleButton& b : buttons) {
    SavePng(Button(218, 53, b.text, b.colour, false, 24, QString::fromUtf8(b.emoji)),
            app_dir + b.file + ".png");
    SavePng(Button(218, 53, b.text, b.colour, true, 24, QString::fromUtf8(b.emoji)),
            app_dir + b.file + "_hi.png");
  }

  const QImage backdrop = Render(
      W, H,
      [](QPainter& p) {
        QLinearGradient g(0, 0, 0, H);
        g.setColorAt(0, QColor(70, 108, 166));
        g.setColorAt(0.6, pal::kSteel);
        g.setColorAt(1, QColor(62, 94, 148));
        p.fillRect(QRectF(0, 0, W, H), g);
        // Soft diagonal light and a faint city along the bottom.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 7; ++i) {
          QPainterPath ray;
          const double x = -400 + i * 380;
          ray.moveTo(x, 0);
          ray.lineTo(x + 160, 0);
          ray.lineTo(x + 160 + H * 0.6, H);
          ray.lineTo(x + H * 0.6, H);
          p.fillPath(ray, QColor(255, 255, 255, 10 + (i % 2) * 6));
        }
        DrawSkyline(p, QRectF(0, H * 0.7, W, H * 0.3), 99, QColor(30, 50, 100, 50),
                    QColor(255, 240, 200, 40), 0.4);
        QRadialGradient vignette(QPointF(W / 2.0, H / 2.0), W * 0.7);
        vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
        vignette.setColorAt(1, QColor(0, 0, 30, 90));
        p.fillRect(QRectF(0, 0, W, H), vignette);
      },
      1);
  SaveJpg(backdrop, app_dir + "backdrop.jpg");

  const QImage icon = Render(
      256, 256,
      [](QPainter& p) {
        Panel(p, QRectF(8, 8, 240, 240), 48, QColor(60, 96, 160), pal::kNavyDeep, pal::kGold, 8);
        OutlinedText(p, QRectF(8, 40, 240, 140), "Q", Display(170), pal::kGold, pal::kNavyDeep, 6);
        DrawEmoji(p, QRectF(150, 150, 80, 80), "\U0001F3B2");
      },
      2, true);
  SavePng(icon, app_dir + "app_icon.png");
}

// --- Game screen ----------------------------------------------------------------------

namespace {

QImage AssetIcon(const QColor& colour, int kind, const QString& emoji = QString()) {
  // kind: 0 owned plain, 1 mortgaged, 3..5 star class, 10 emoji, 20 other's, 48 not owned.
  return Render(
      22, 24,
      [&](QPainter& p) {
        const QRectF r(1, 1, 20, 22);
        if (kind == 48) {
          p.setPen(QPen(QColor(255, 255, 255, 170), 1.2, Qt::DashLine));
          p.setBrush(QColor(255, 255, 255, 40));
          p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
          return;
        }
        if (kind == 20) {
          Panel(p, r, 4, QColor(96, 100, 116), QColor(60, 62, 74), QColor(40, 40, 50), 1);
          p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
          for (double x = -20; x < 22; x += 5) p.drawLine(QPointF(x, 24), QPointF(x + 24, 0));
          return;
        }
        const QColor face = kind == 1 ? QColor(150, 150, 160) : colour;
        Panel(p, r, 4, face.lighter(125), face.darker(125), face.darker(200), 1);
        if (kind == 10) {
          DrawEmoji(p, r.adjusted(2.5, 3, -2.5, -3), emoji);
        } else if (kind == 0) {
          QPainterPath house;
          house.moveTo(11, 5.5);
          house.lineTo(17.5, 11.5);
          house.lineTo(15.5, 11.5);
          house.lineTo(15.5, 18);
          house.lineTo(6.5, 18);
          house.lineTo(6.5, 11.5);
          house.lineTo(4.5, 11.5);
          house.closeSubpath();
          p.setPen(QPen(face.darker(220), 0.8));
          p.setBrush(Qt::white);
          p.drawPath(house);
        } else if (kind >= 3) {
          p.setPen(Qt::NoPen);
          p.setBrush(QColor(255, 255, 255, 200));
          p.drawEllipse(QPointF(11, 12), 8, 8);
          OutlinedText(p, QRectF(1, 2, 20, 20), QString::number(kind), Sans(13), face.darker(180),
                       Qt::white, 0, Qt::AlignCenter, false);
          // Stars along the top edge, one per class above two.
          p.setBrush(pal::kGold);
          p.setPen(QPen(QColor(120, 70, 0), 0.4));
          for (int i = 0; i < kind - 2; ++i)
            p.drawEllipse(QPointF(11 + (i - (kind - 3) / 2.0) * 4.2, 3.2), 1.7, 1.7);
        }
        if (kind == 1) {  // pledged: a red band across the corner
          p.setPen(QPen(QColor(210, 30, 40), 3.2));
          p.drawLine(QPointF(2, 21), QPointF(20, 3));
        }
      },
      4, true);
}

const char* TrustEmoji(int sq) {
  switch (sq) {
    case 1:
      return "\U0001F37D\uFE0F";
    case 13:
      return "\U0001F354";
    case 25:
      return "\u2615";
    case 37:
      return "\U0001F357";
    case 7:
      return "\U0001F68C";
    case 19:
      return "\U0001F687";
    case 31:
      return "\U0001F695";
    case 43:
      return "\u2708\uFE0F";
    case 15:
      return "\u26A1";
    case 39:
      return "\U0001F4A7";
    default:
      return "\U0001F6E2\uFE0F";  // the oil trust
  }
}

}  // namespace

void MakeGamePictures(const QString& app_dir, const Game& board) {
  // Action bar.
  SavePng(Render(640, 31,
                 [](QPainter& p) {
                   VGradient(p, QRectF(0, 0, 640, 31), QColor(70, 104, 160), QColor(40, 62, 104));
                   p.setPen(QPen(pal::kGold, 1));
                   p.drawLine(QPointF(0, 0.5), QPointF(640, 0.5));
                 }),
          app_dir + "bar.png");
  struct BarButton {
    const char* file;
    const char* text;
    int width;
    QColor colour;
  };
  const BarButton bar[] = {
      {"bar_menu", "MENU", 78, QColor(27, 42, 71)},
      {"bar_upgrade", "UPGRADE", 116, QColor(46, 150, 80)},
      {"bar_sell", "SELL", 68, QColor(214, 48, 49)},
      {"bar_mortgage", "MORTGAGE", 135, QColor(200, 110, 20)},
      {"bar_unmortgage", "UNMORTGAGE", 160, QColor(47, 95, 208)},
  };
  for (const BarButton& b : bar) {
    SavePng(Button(b.width, 29, b.text, b.colour, false, 15), app_dir + b.file + ".png");
    SavePng(Button(b.width, 29, b.text, QColor(120, 130, 150), false, 15),
            app_dir + b.file + "_off.png");
  }
  SavePng(Button(292, 53, "DECLARE BANKRUPTCY", QColor(180, 20, 30), false, 18,
                 QString::fromUtf8("\U0001F4B8")),
          app_dir + "bankrupt.png");

  // Dice window.
  SaveJpg(Dialog(242, 98, [](QPainter& p) { DrawEmoji(p, QRectF(14, 30, 56, 56), "\U0001F3B2"); }),
          app_dir + "dice_dialog.jpg");
  SavePng(Button(152, 61, "ROLL DICE", QColor(214, 48, 49), false, 22), app_dir + "dice_roll.png");
  SavePng(Button(152, 61, "ROLL DICE", QColor(214, 48, 49), true, 22),
          app_dir + "dice_roll_lit.png");
  SavePng(Button(152, 61, "FINISH TURN", QColor(46, 120, 200), false, 20),
          app_dir + "dice_finish.png");
  SavePng(Button(152, 61, "FINISH TURN", QColor(46, 120, 200), true, 20),
          app_dir + "dice_finish_lit.png");

  // Turn marker: an arrow with a star.
  SavePng(Render(
              32, 24,
              [](QPainter& p) {
                QPainterPath arrow;
                arrow.moveTo(2, 7);
                arrow.lineTo(16, 7);
                arrow.lineTo(16, 2);
                arrow.lineTo(30, 12);
                arrow.lineTo(16, 22);
                arrow.lineTo(16, 17);
                arrow.lineTo(2, 17);
                arrow.closeSubpath();
                QLinearGradient g(0, 2, 0, 22);
                g.setColorAt(0, QColor(255, 230, 120));
                g.setColorAt(1, QColor(255, 140, 0));
                p.setPen(QPen(pal::kNavyDeep, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(g);
                p.drawPath(arrow);
              },
              4, true),
          app_dir + "turn.png");
  // A kept jail card.
  SavePng(Render(
              36, 24,
              [](QPainter& p) {
                Panel(p, QRectF(1, 1, 34, 22), 4, QColor(255, 200, 90), QColor(230, 130, 30),
                      pal::kNavyDeep, 1.2);
                p.setPen(QPen(pal::kNavyDeep, 1.6));
                for (double x = 8; x < 30; x += 5) p.drawLine(QPointF(x, 5), QPointF(x, 19));
                DrawEmoji(p, QRectF(11, 6, 14, 12), "\U0001F511");
              },
              4, true),
          app_dir + "jailcard.png");

  // Asset icons.
  static const char* const kGroupNames[7] = {"", "green", "red", "blue", "yellow", "pink", "brown"};
  for (int group = 1; group <= 6; ++group) {
    for (int k : {0, 1, 3, 4, 5})
      SavePng(AssetIcon(GroupColor(group), k),
              app_dir + QStringLiteral("asset_%1_%2.png").arg(kGroupNames[group]).arg(k));
  }
  SavePng(AssetIcon(QColor(150, 150, 160), 1, QString()), app_dir + "asset_trust_1.png");
  for (int sq = 1; sq < kSquareCount; ++sq) {
    const Square& s = board.Squares[sq];
    if (s.Kind != kProperty) continue;
    const QImage icon = s.TrustType == kBuilding ? AssetIcon(GroupColor(BuildingGroup(sq)), 0)
                                                 : AssetIcon(QColor(240, 236, 220), 10,
                                                             QString::fromUtf8(TrustEmoji(sq)));
    SavePng(icon, app_dir + QStringLiteral("asset_own_%1.png").arg(sq));
  }
  SavePng(AssetIcon(QColor(), 20), app_dir + "asset_own_0.png");
  SavePng(AssetIcon(QColor(), 48), app_dir + "asset_own_48.png");
}

// --- Dialogs -------------------------------------------------------------------------

void MakeDialogPictures(const QString& app_dir) {
  // Property card (462 x 459): title band for the owner and name, a window
  // for the square's picture at 29,202 (138 x 185), a text panel beside it.
  SaveJpg(Dialog(462, 459,
                 [](QPainter& p) {
                   Plate(p, QRectF(20, 20, 422, 60), QColor(255, 128, 0));
                   Plate(p, QRectF(20, 92, 422, 96), QColor(20, 30, 56), 0.7);
                   p.fillRect(QRectF(25, 198, 146, 193), pal::kGold);
                   p.fillRect(QRectF(29, 202, 138, 185), pal::kNavyDeep);
                   Plate(p, QRectF(182, 198, 260, 193), QColor(20, 30, 56), 0.7);
                   Plate(p, QRectF(20, 404, 422, 40), QColor(20, 30, 56), 0.7);
                 }),
          app_dir + "property_card.jpg");
  SaveJpg(Dialog(432, 319,
                 [](QPainter& p) {
                   Plate(p, QRectF(14, 14, 404, 50), QColor(255, 128, 0));
                   Plate(p, QRectF(14, 72, 404, 38), QColor(20, 30, 56), 0.7);
                   p.fillRect(QRectF(10, 112, 146, 193), pal::kGold);
                   p.fillRect(QRectF(14, 116, 138, 185), pal::kNavyDeep);
                   Plate(p, QRectF(166, 116, 252, 185), QColor(20, 30, 56), 0.7);
                 }),
          app_dir + "hover_card.jpg");
  SaveJpg(Dialog(417, 212,
                 [](QPainter& p) {
                   Plate(p, QRectF(20, 20, 377, 172), QColor(20, 30, 56), 0.55);
                   DrawEmoji(p, QRectF(360, 150, 44, 44), "\U0001F4AC", 0.8);
                 }),
          app_dir + "tip.jpg");

  // Set-up dialog (680 x 480): four player columns.
  SaveJpg(Dialog(680, 480,
                 [](QPainter& p) {
                   Title(p, QRectF(0, 10, 680, 44), "NEW GAME", 34);
                   for (int c = 0; c < 4; ++c) {
                     const double cx = 130 + 145 * c;
                     Plate(p, QRectF(cx - 66, 50, 132, 300), QColor(20, 30, 56), 0.55);
                   }
                   Plate(p, QRectF(24, 362, 632, 96), QColor(20, 30, 56), 0.55);
                 }),
          app_dir + "setup.jpg");
  SavePng(Render(
              48, 48,
              [](QPainter& p) {
                Panel(p, QRectF(3, 3, 42, 42), 10, QColor(255, 250, 235), QColor(230, 220, 200),
                      pal::kNavy, 2);
                QPainterPath tick;
                tick.moveTo(12, 25);
                tick.lineTo(21, 34);
                tick.lineTo(37, 13);
                p.setPen(QPen(QColor(210, 30, 40), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                p.drawPath(tick);
              },
              4, true),
          app_dir + "tick.png");
  SavePng(Render(
              48, 48,
              [](QPainter& p) {
                Panel(p, QRectF(3, 3, 42, 42), 10, QColor(235, 235, 240), QColor(200, 200, 210),
                      pal::kNavy, 2);
                p.setPen(QPen(QColor(210, 30, 40), 6, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(15, 15), QPointF(33, 33));
                p.drawLine(QPointF(33, 15), QPointF(15, 33));
              },
              4, true),
          app_dir + "cross.png");
  for (int dir : {-1, 1}) {
    SavePng(Render(
                32, 32,
                [dir](QPainter& p) {
                  Panel(p, QRectF(2, 2, 28, 28), 14, QColor(255, 170, 60), QColor(220, 100, 0),
                        pal::kNavyDeep, 1.5);
                  QPainterPath tri;
                  tri.moveTo(16 + dir * 7, 16);
                  tri.lineTo(16 - dir * 5, 9);
                  tri.lineTo(16 - dir * 5, 23);
                  tri.closeSubpath();
                  p.fillPath(tri, Qt::white);
                },
                4, true),
            app_dir + (dir < 0 ? "arrow_left.png" : "arrow_right.png"));
  }

  SaveJpg(Dialog(431, 319,
                 [](QPainter& p) {
                   Title(p, QRectF(0, 12, 431, 40), "MY ASSETS", 28);
                   p.fillRect(QRectF(20, 74, 146, 193), pal::kGold);
                   p.fillRect(QRectF(24, 78, 138, 185), pal::kNavyDeep);
                   Plate(p, QRectF(176, 60, 240, 240), QColor(20, 30, 56), 0.55);
                 }),
          app_dir + "manage.jpg");
  SaveJpg(Dialog(
              480, 356,
              [](QPainter& p) {
                Plate(p, QRectF(20, 20, 440, 316), QColor(20, 30, 56), 0.45);
                DrawEmoji(p, QRectF(360, 30, 90, 90), "\U0001F3E6", 0.9);
                DrawEmoji(p, QRectF(380, 250, 70, 70), "\U0001F4B0", 0.85);
              },
              QColor(30, 90, 70), QColor(10, 34, 30), 21),
          app_dir + "bank.jpg");

  // Card faces (396 x 356): name band, title, text panel, OK plate.
  auto card = [](const QColor& colour, const char* title, const char* icon, QRectF text,
                 QPointF title_at) {
    return Render(396, 356, [=](QPainter& p) {
      VGradient(p, QRectF(0, 0, 396, 356), colour.lighter(120), colour.darker(140));
      Dice d(uint32_t(colour.rgb()));
      p.setPen(Qt::NoPen);
      for (int i = 0; i < 40; ++i) {  // confetti of small shapes
        p.setBrush(QColor(255, 255, 255, d.Int(20, 50)));
        p.drawEllipse(QPointF(d.Unit() * 396, d.Unit() * 356), d.Range(3, 9), d.Range(3, 9));
      }
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(pal::kCream, 6));
      p.drawRoundedRect(QRectF(6, 6, 384, 344), 18, 18);
      p.setPen(QPen(QColor(255, 255, 255, 120), 2, Qt::DashLine));
      p.drawRoundedRect(QRectF(16, 16, 364, 324), 12, 12);
      Plate(p, QRectF(70, 32, 256, 42), colour.darker(170));
      Plate(p, text.adjusted(-10, -10, 10, 10), pal::kCream);
      DrawEmoji(p, QRectF(title_at.x() - 4, title_at.y() + 36, 96, 96), QString::fromUtf8(icon));
      OutlinedText(p, QRectF(title_at.x() - 20, title_at.y() - 8, 140, 40), title,
                   Serif(26, true, true), Qt::white, colour.darker(200), 2,
                   Qt::AlignLeft | Qt::AlignVCenter);
      Plate(p, QRectF(140, 306, 116, 34), colour.darker(170));
    });
  };
  SaveJpg(
      card(QColor(46, 160, 80), "Luck", "\U0001F340", QRectF(162, 114, 193, 163), QPointF(44, 106)),
      app_dir + "card_luck.jpg");
  SaveJpg(
      card(QColor(240, 120, 0), "Chance", "\u2753", QRectF(140, 128, 211, 147), QPointF(40, 96)),
      app_dir + "card_chance.jpg");

  // Casino table (489 x 381): five fields L U C K Y of 100 x 200 each.
  SaveJpg(Render(489, 381,
                 [](QPainter& p) {
                   QRadialGradient felt(QPointF(244, 190), 330);
                   felt.setColorAt(0, QColor(30, 140, 80));
                   felt.setColorAt(1, QColor(8, 70, 40));
                   p.fillRect(QRectF(0, 0, 489, 381), felt);
                   const int xs[5] = {0, 98, 194, 292, 390};
                   for (int i = 0; i < 5; ++i) {
                     const QRectF field(xs[i] + 4, 6, 92, 190);
                     p.setPen(QPen(pal::kGold, 2.5));
                     p.setBrush(QColor(0, 0, 0, 40));
                     p.drawRoundedRect(field, 10, 10);
                     p.setPen(Qt::NoPen);
                     QRadialGradient disc(QPointF(xs[i] + 50, 64), 40);
                     disc.setColorAt(0, pal::kCream);
                     disc.setColorAt(1, QColor(230, 214, 180));
                     p.setBrush(disc);
                     p.drawEllipse(QPointF(xs[i] + 50, 64), 38, 38);
                     p.setBrush(QColor(255, 255, 255, 30));
                     for (int k = 0; k < 3; ++k)
                       p.drawEllipse(QPointF(xs[i] + 50, 140 + k * 14), 22 - k * 4, 5);
                   }
                   p.setPen(QPen(QColor(255, 255, 255, 60), 2, Qt::DashLine));
                   p.drawLine(QPointF(10, 206), QPointF(479, 206));
                   DrawEmoji(p, QRectF(200, 290, 80, 80), "\U0001F3B0", 0.35);
                   p.setPen(QPen(QColor(110, 60, 20), 10));
                   p.setBrush(Qt::NoBrush);
                   p.drawRoundedRect(QRectF(5, 5, 479, 371), 14, 14);
                   p.setPen(QPen(pal::kGold, 2));
                   p.drawRoundedRect(QRectF(11, 11, 467, 359), 10, 10);
                 }),
          app_dir + "casino.jpg");
  SavePng(Render(
              64, 64,
              [](QPainter& p) {
                QRadialGradient g(QPointF(24, 22), 40);
                g.setColorAt(0, QColor(255, 240, 160));
                g.setColorAt(0.7, QColor(240, 180, 40));
                g.setColorAt(1, QColor(180, 110, 10));
                p.setPen(QPen(QColor(140, 80, 0), 2));
                p.setBrush(g);
                p.drawEllipse(QRectF(3, 3, 58, 58));
                p.setPen(QPen(QColor(200, 130, 20), 2));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QRectF(10, 10, 44, 44));
                OutlinedText(p, QRectF(3, 5, 58, 56), "$", Display(36), QColor(255, 236, 150),
                             QColor(150, 90, 0), 1.5, Qt::AlignCenter, false);
              },
              4, true),
          app_dir + "coin.png");

  // Jail (454 x 460): name band, the cell, and the button row at y 406.
  SaveJpg(Render(454, 460,
                 [](QPainter& p) {
                   DialogBase(p, 454, 460, QColor(70, 76, 92), QColor(24, 26, 34), 13);
                   Plate(p, QRectF(54, 60, 345, 44), QColor(150, 20, 30));
                   const QRectF cell(60, 120, 334, 262);
                   Panel(p, cell, 10, QColor(54, 60, 80), QColor(20, 22, 32), pal::kNavyDeep, 3);
                   DrawEmoji(p, cell.adjusted(90, 40, -90, -30), "\U0001F61F");
                   p.setPen(QPen(QColor(190, 196, 210), 9, Qt::SolidLine, Qt::RoundCap));
                   for (int i = 1; i <= 7; ++i) {
                     const double x = cell.left() + cell.width() * i / 8.0;
                     p.drawLine(QPointF(x, cell.top() + 10), QPointF(x, cell.bottom() - 10));
                   }
                   p.setPen(QPen(QColor(150, 156, 170), 8));
                   p.drawLine(QPointF(cell.left() + 10, cell.top() + 60),
                              QPointF(cell.right() - 10, cell.top() + 60));
                   p.drawLine(QPointF(cell.left() + 10, cell.bottom() - 60),
                              QPointF(cell.right() - 10, cell.bottom() - 60));
                   Plate(p, QRectF(20, 396, 414, 44), QColor(20, 30, 56), 0.8);
                 }),
          app_dir + "jail.jpg");

  // Pop-up menu and its highlight.
  SaveJpg(Render(165, 235,
                 [](QPainter& p) {
                   VGradient(p, QRectF(0, 0, 165, 235), pal::kCream, QColor(240, 222, 186));
                   p.setPen(QPen(pal::kOrange, 3));
                   p.setBrush(Qt::NoBrush);
                   p.drawRect(QRectF(1.5, 1.5, 162, 232));
                   p.setPen(QPen(QColor(0, 0, 0, 30), 1));
                   for (int k = 1; k < 6; ++k)
                     p.drawLine(QPointF(16, 10 + 36 * k), QPointF(149, 10 + 36 * k));
                 }),
          app_dir + "popmenu.jpg");
  SavePng(Render(
              145, 35,
              [](QPainter& p) {
                Panel(p, QRectF(1, 1, 143, 32), 10, QColor(255, 200, 90), QColor(255, 128, 0),
                      QColor(170, 80, 0), 1.5);
              },
              3, true),
          app_dir + "popmenu_hi.png");

  SaveJpg(Dialog(431, 319,
                 [](QPainter& p) {
                   Title(p, QRectF(0, 12, 431, 40), "OPTIONS", 28);
                   Plate(p, QRectF(20, 60, 391, 239), QColor(20, 30, 56), 0.5);
                   DrawEmoji(p, QRectF(360, 14, 40, 40), "\u2699\uFE0F", 0.9);
                 }),
          app_dir + "options.jpg");
  SaveJpg(Dialog(
              422, 290,
              [](QPainter& p) {
                Title(p, QRectF(0, 8, 422, 30), "HELP", 24);
                DrawEmoji(p, QRectF(366, 230, 44, 44), "\u2753", 0.6);
              },
              QColor(209, 234, 219), QColor(170, 206, 186)),
          app_dir + "help.jpg");
  SaveJpg(Dialog(503, 368,
                 [](QPainter& p) {
                   Plate(p, QRectF(10, 40, 366, 316), QColor(20, 30, 56), 0.45);
                   Plate(p, QRectF(392, 66, 94, 94), QColor(255, 128, 0));
                 }),
          app_dir + "icon_picker.jpg");

  // Credits (640 x 481).
  SaveJpg(Dialog(640, 481,
                 [](QPainter& p) {
                   Title(p, QRectF(0, 16, 640, 56), "QUORBIS OF NEW YORK", 40);
                   OutlinedText(p, QRectF(0, 70, 640, 26), "CREDITS", Sans(20), pal::kCream,
                                pal::kNavyDeep, 1.5);
                   Plate(p, QRectF(34, 104, 572, 112), QColor(20, 30, 56), 0.6);
                   Plate(p, QRectF(34, 228, 572, 196), QColor(20, 30, 56), 0.6);
                   auto line = [&p](double y, const QString& left, const QString& right,
                                    bool head = false) {
                     p.setFont(Sans(head ? 17 : 15, head));
                     p.setPen(head ? pal::kGold : pal::kCream);
                     p.drawText(QRectF(54, y, 300, 22), Qt::AlignLeft | Qt::AlignVCenter, left);
                     p.setPen(QColor(190, 210, 235));
                     p.drawText(QRectF(300, y, 286, 22), Qt::AlignRight | Qt::AlignVCenter, right);
                   };
                   line(110, "Made by", "the Quorbis of New York team", true);
                   line(136, "Game rules and computer players", "Quorbis team");
                   line(158, "Board, pictures and windows", "Quorbis team");
                   line(180, "Sound effects and music", "Quorbis team");
                   line(234, "Built with", "licence", true);
                   line(260, "Qt 6", "LGPLv3");
                   line(282, "SDL2 and SDL2_mixer", "zlib licence");
                   line(304, "GoogleTest", "BSD-3-Clause");
                   line(326, "Google Benchmark", "Apache-2.0");
                   line(348, "Liberation fonts", "SIL Open Font Licence");
                   line(370, "DejaVu fonts", "free licence (Bitstream Vera)");
                   line(392, "Noto Color Emoji", "SIL Open Font Licence");
                   p.setFont(Sans(12, false, true));
                   p.setPen(QColor(190, 210, 235));
                   p.drawText(QRectF(34, 436, 460, 32), Qt::AlignLeft | Qt::AlignVCenter,
                              "All pictures, sounds and music are made by the game's own "
                              "generators.");
                   Plate(p, QRectF(516, 440, 103, 27), QColor(255, 128, 0));
                 }),
          app_dir + "credits.jpg");
}

}  // namespace artgen

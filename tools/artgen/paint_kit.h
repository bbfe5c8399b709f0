// Drawing helpers shared by every picture of the art generator: the palette,
// fonts, emoji motifs, skylines, towers and file output.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>

namespace artgen {

// The game's palette.
namespace pal {
inline const QColor kNavy(27, 42, 71);
inline const QColor kNavyDeep(15, 24, 44);
inline const QColor kSteel(90, 131, 187);
inline const QColor kSky(124, 173, 203);
inline const QColor kMint(209, 234, 219);
inline const QColor kOrange(255, 128, 0);
inline const QColor kGold(255, 201, 60);
inline const QColor kCream(255, 246, 224);
inline const QColor kInk(34, 38, 48);
inline const QColor kRed(214, 48, 49);
}  // namespace pal

// A small deterministic generator, so that every run draws the same pictures.
class Dice {
 public:
  explicit Dice(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  double Unit() { return (Next() & 0xFFFFFF) / double(0x1000000); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  int Int(int lo, int hi) { return lo + int(Next() % uint32_t(hi - lo + 1)); }

 private:
  uint32_t state_;
};

QFont Sans(double px, bool bold = true, bool italic = false);  // Liberation Sans
QFont Display(double px);                                      // DejaVu Sans Bold, condensed
QFont Serif(double px, bool bold = true, bool italic = false);

// Draws `w` x `h` at `scale` times the size and scales down smoothly: crisp
// edges at small sizes.
QImage Render(int w, int h, const std::function<void(QPainter&)>& draw, int scale = 2,
              bool transparent = false);

void SaveJpg(const QImage& img, const QString& path);
void SavePng(const QImage& img, const QString& path);

// An emoji of Noto Color Emoji, trimmed to its drawn pixels and fitted into
// `box` keeping its shape.
void DrawEmoji(QPainter& p, const QRectF& box, const QString& emoji, double opacity = 1.0);

// Text fitted into a box: the font shrinks until the text fits.
void FitText(QPainter& p, const QRectF& box, const QString& text, QFont font, const QColor& color,
             int flags = Qt::AlignCenter);
// Text with an outline (and optional drop shadow), for titles.
void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  const QColor& fill, const QColor& outline, double outline_width,
                  int flags = Qt::AlignCenter, bool shadow = true);

// A vertical gradient fill.
void VGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);

// A row of city buildings along the bottom of `area`, with lit windows.
void DrawSkyline(QPainter& p, const QRectF& area, uint32_t seed, const QColor& body,
                 const QColor& window, double density = 1.0);

// A skyscraper of the board, in its style, standing on `ground` (its width is
// the lot; its height the space above).
enum class Crown { Flat, Spire, Antenna, Dome, Pyramid, Arches, Gothic, Slant, Lantern };
struct TowerStyle {
  QColor facade;
  QColor trim;
  QColor glass;          // window colour
  int tiers = 1;         // setbacks
  double width = 0.45;   // of the lot
  double height = 0.75;  // of the space above the ground
  double taper = 0.0;    // 0 straight, up to 0.4 narrowing towards the top
  Crown crown = Crown::Flat;
  bool vertical_lines = false;
  bool glass_curtain = false;
};
void DrawTower(QPainter& p, const QRectF& space, const TowerStyle& s);

// A rounded panel with a soft shadow, used by dialogs and buttons.
void Panel(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom,
           const QColor& border, double border_width);

}  // namespace artgen

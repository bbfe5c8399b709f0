// Skinned windows: the rounded, borderless windows of the game, their
// outline, dragging by the background, fading, and the two kinds of buttons
// the dialogs use (text labels and pictures).
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace quorbis::ui {

// Units of the radius routines: 1 twips, 3 pixels. Qt windows are sized in
// pixels either way; any other unit leaves the window as it is.
enum SkinUnit { kTwipsUnit = 1, kPixelUnit = 3 };

// The window's visible region becomes a rounded rectangle (a window mask, so
// a window manager without compositing still shows it whole and usable).
void RoundForm(QWidget* w, int radius, int unit);
// The same, with the rounded outline drawn on the window.
void RoundFormBordered(QWidget* w, int radius, int unit);
// Only the rounded outline, in the widget's foreground colour (a panel).
void RoundPanelBorder(QWidget* w, int radius, int unit);
// Draws the outline asked for by the two routines above; the game's widgets
// call it at the end of their paint.
void PaintSkinBorder(QPainter& p, const QWidget* w);
// Whole-window opacity (mode 0) or a transparent colour key (mode 1).
// Returns 0 done, 1 alpha outside 0..255, 2 the window could not take it.
int SetWindowOpacity(QWidget* w, int alpha, QColor key, int mode);
// Starts moving the window with the mouse until the button is released.
void DragForm(QWidget* w);
// Fades the window out in 8 steps of 50 ms (the caller closes it after).
void FadeOutForm(QWidget* w);
// Fades in in 8 steps of 30 ms.
void FadeInForm(QWidget* w);
// False on the offscreen platform, which has no masks, opacity or stacking.
bool HasRealScreen();
// Brings a top-level window to the front (where the platform can).
void RaiseWindow(QWidget* w);

// A borderless game window: a background picture (or a plain fill when the
// file is missing), rounded corners, not in the task bar, owned by the main
// window, dragged by its background.
class SkinnedWindow : public QWidget {
  Q_OBJECT
 public:
  SkinnedWindow(QWidget* owner, QSize size, int radius);
  void SetBackground(const QPixmap& picture, QColor fill);
  // Centres the window over the board part of the owner's client area.
  void CentreOverBoard();
  // Whether the window system may close the window (a close box, Alt+F4).
  // Game windows close only through their own buttons, so that no turn is
  // left waiting on a window that has gone.
  void SetUserClosable(bool closable) { user_closable_ = closable; }

 signals:
  void closed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  QPixmap background_;
  QColor fill_;
  int radius_;
  bool closed_sent_ = false;
  bool user_closable_ = false;
};

// A caption label acting as a button (white, bold, hand cursor); "&" marks
// its key. Disabled is how an action is refused.
class LabelButton : public QAbstractButton {
  Q_OBJECT
 public:
  LabelButton(const QString& caption, QWidget* parent, double points = 12);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  bool hover_ = false;
};

// A picture acting as a button; without its picture it draws a rounded plate
// with its caption, so the window stays usable and tidy.
class PictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  PictureButton(const QPixmap& picture, const QString& caption, QWidget* parent);
  void SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
  }
  void SetLit(bool lit) {
    lit_ = lit;
    update();
  }
  void SetPlateColor(QColor c) { plate_ = c; }
  // The picture shown while the mouse rests on the button.
  void SetHoverPicture(const QPixmap& picture) { hover_picture_ = picture; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  QPixmap picture_;
  QPixmap hover_picture_;
  QColor plate_{30, 70, 140};
  bool lit_ = false;
  bool hover_ = false;
};

}  // namespace quorbis::ui

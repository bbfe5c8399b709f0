// F7 and Esc as global keys on an X11 desktop: passive grabs on the root
// window, so that the keys reach the game whichever window has the focus.
// Without X11 (Wayland, the offscreen platform, a build without xcb) it
// reports that it is unavailable and grabs nothing.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QString>
#include <cstdint>
#include <functional>

namespace quorbis {

enum class HotKey { Mute, Boss };

class X11KeyGrab final : public QAbstractNativeEventFilter {
 public:
  // `on_key` runs from the event loop, after the key's event has been handled.
  explicit X11KeyGrab(std::function<void(HotKey)> on_key);
  ~X11KeyGrab() override;
  X11KeyGrab(const X11KeyGrab&) = delete;
  X11KeyGrab& operator=(const X11KeyGrab&) = delete;

  // Empty when global keys can be had here, otherwise why not.
  static QString Unavailable();

  // Grabs both keys, or neither: false with the reason when another program
  // holds one of them.
  bool Grab(QString* why);
  void Release();
  bool Grabbed() const { return grabbed_; }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  std::function<void(HotKey)> on_key_;
  bool grabbed_ = false;
  uint32_t root_ = 0;
  uint8_t keycodes_[2] = {0, 0};  // F7, Esc
  bool down_[2] = {false, false};
  uint32_t released_at_[2] = {0, 0};
};

}  // namespace quorbis

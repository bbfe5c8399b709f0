#include "media/x11_key_grab.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>

#ifdef QUORBIS_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace quorbis {

#ifdef QUORBIS_HAVE_XCB
namespace {

constexpr uint32_t kKeysyms[2] = {0xffc4 /* F7 */, 0xff1b /* Escape */};
// The keys count without modifiers, whatever the state of Caps Lock and
// Num Lock (usually Mod2): each is grabbed under the four combinations.
constexpr uint16_t kLockMasks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                   XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

xcb_connection_t* Connection() {
  auto* app = qGuiApp;
  if (!app) return nullptr;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

// The keycode that carries `keysym` in the current keyboard map, 0 if none.
uint8_t KeycodeOf(xcb_connection_t* c, uint32_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  const uint8_t first = setup->min_keycode;
  const int count = setup->max_keycode - first + 1;
  xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
      c, xcb_get_keyboard_mapping(c, first, uint8_t(count)), nullptr);
  if (!map) return 0;
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
  const int per = map->keysyms_per_keycode;
  uint8_t found = 0;
  for (int k = 0; k < count && !found; ++k)
    for (int j = 0; j < per; ++j)
      if (syms[k * per + j] == keysym) {
        found = uint8_t(first + k);
        break;
      }
  std::free(map);
  return found;
}

}  // namespace
#endif

X11KeyGrab::X11KeyGrab(std::function<void(HotKey)> on_key) : on_key_(std::move(on_key)) {}

X11KeyGrab::~X11KeyGrab() {
  Release();
}

QString X11KeyGrab::Unavailable() {
  const QString platform = QGuiApplication::platformName();
#ifdef QUORBIS_HAVE_XCB
  if (platform == QLatin1String("xcb") && Connection()) return {};
#endif
  if (platform.startsWith(QLatin1String("wayland")))
    return QStringLiteral("Wayland does not give programs global keys");
  if (platform == QLatin1String("xcb")) return QStringLiteral("this build has no X11 key support");
  return QStringLiteral("the %1 display has no global keys").arg(platform);
}

bool X11KeyGrab::Grab(QString* why) {
  if (grabbed_) return true;
#ifdef QUORBIS_HAVE_XCB
  xcb_connection_t* c = Connection();
  if (!c) {
    if (why) *why = Unavailable();
    return false;
  }
  root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  for (int k = 0; k < 2; ++k) keycodes_[k] = KeycodeOf(c, kKeysyms[k]);
  if (!keycodes_[0] || !keycodes_[1]) {
    if (why) *why = QStringLiteral("the keyboard map has no F7 or Esc key");
    return false;
  }
  bool refused = false;
  for (uint8_t key : keycodes_) {
    for (uint16_t mods : kLockMasks) {
      // Not owner_events: the presses come to the root window even while a
      // game window has the focus, so that they are always recognised here.
      xcb_void_cookie_t cookie =
          xcb_grab_key_checked(c, 0, root_, mods, key, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
      if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
        refused = true;
        std::free(error);
      }
    }
  }
  grabbed_ = true;
  if (refused) {
    Release();
    if (why) *why = QStringLiteral("another program holds F7 or Esc");
    return false;
  }
  down_[0] = down_[1] = false;
  QCoreApplication::instance()->installNativeEventFilter(this);
  return true;
#else
  if (why) *why = Unavailable();
  return false;
#endif
}

void X11KeyGrab::Release() {
  if (!grabbed_) return;
  grabbed_ = false;
  if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
#ifdef QUORBIS_HAVE_XCB
  if (xcb_connection_t* c = Connection()) {
    for (uint8_t key : keycodes_)
      for (uint16_t mods : kLockMasks) xcb_ungrab_key(c, key, root_, mods);
    xcb_flush(c);
  }
#endif
}

bool X11KeyGrab::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
#ifdef QUORBIS_HAVE_XCB
  if (!grabbed_ || type != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(message);
  const uint8_t kind = event->response_type & 0x7f;
  if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE) return false;
  auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
  if (key->event != root_) return false;
  const int k = key->detail == keycodes_[0] ? 0 : key->detail == keycodes_[1] ? 1 : -1;
  if (k < 0) return false;
  if (kind == XCB_KEY_RELEASE) {
    down_[k] = false;
    released_at_[k] = key->time;
    return true;
  }
  // A held key repeats: as presses without releases, or as release and press
  // pairs with one time stamp. Only the first press counts.
  const bool repeat = down_[k] || released_at_[k] == key->time;
  down_[k] = true;
  if (!repeat) {
    const HotKey hot = k == 0 ? HotKey::Mute : HotKey::Boss;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [cb = on_key_, hot] { cb(hot); }, Qt::QueuedConnection);
  }
  return true;
#else
  Q_UNUSED(type);
  Q_UNUSED(message);
  return false;
#endif
}

}  // namespace quorbis

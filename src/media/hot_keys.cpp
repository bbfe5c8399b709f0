#include "media/hot_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "media/game_audio.h"
#include "media/x11_key_grab.h"

namespace quorbis {
namespace {

// Menus and tool tips close by themselves; everything else is a game window.
bool IsGameWindow(const QWidget* w) {
  const Qt::WindowType type = w->windowType();
  return w->isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop;
}

bool IsModal(const QWidget* w) {
  return w->windowModality() != Qt::NonModal;
}

// How many windows own this one: owners come back before what they own.
int OwnerDepth(const QWidget* w) {
  int depth = 0;
  for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) ++depth;
  return depth;
}

void SayFocusOnlyOnce(const QString& why) {
  static bool said = false;
  if (said) return;
  said = true;
  qInfo("F7 and Esc work while the game has the focus: %s.", qPrintable(why));
}

}  // namespace

HotKeys::HotKeys(Game& g, GameAudio& audio, QObject* parent)
    : QObject(parent), g_(g), audio_(audio) {
  const QPointer<HotKeys> self(this);
  grab_ = std::make_unique<X11KeyGrab>([self](HotKey key) {
    if (!self) return;
    if (key == HotKey::Mute)
      self->ToggleMute();
    else
      self->ToggleBossKey();
  });
}

HotKeys::~HotKeys() {
  UnregisterGameHotKeys();
}

void HotKeys::RegisterGameHotKeys(QWidget* main_window) {
  UnregisterGameHotKeys();
  main_ = main_window;
  registered_ = true;
  qApp->installEventFilter(this);
  const QString why = X11KeyGrab::Unavailable();
  global_possible_ = why.isEmpty();
  if (!global_possible_) SayFocusOnlyOnce(why);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &HotKeys::OnApplicationState,
          Qt::UniqueConnection);
  UpdateScope();
}

void HotKeys::UnregisterGameHotKeys() {
  if (!registered_) return;
  registered_ = false;
  grab_->Release();
  // The application may be gone already when the game's objects go.
  if (QCoreApplication* app = QCoreApplication::instance()) {
    app->removeEventFilter(this);
    disconnect(qApp, &QGuiApplication::applicationStateChanged, this, &HotKeys::OnApplicationState);
  }
  scope_ = Scope::Off;
}

void HotKeys::UpdateScope() {
  if (!registered_) {
    scope_ = Scope::Off;
    return;
  }
  const bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
  const bool want_global = global_possible_ && (active || game_hidden_);
  if (want_global && !grab_->Grabbed()) {
    QString why;
    if (!grab_->Grab(&why)) SayFocusOnlyOnce(why);
  } else if (!want_global && grab_->Grabbed()) {
    grab_->Release();
  }
  scope_ = grab_->Grabbed() ? Scope::Global : Scope::Focus;
}

void HotKeys::OnApplicationState() {
  UpdateScope();
  if (game_hidden_ && main_minimised_) RestoreFromTaskBar();
}

void HotKeys::RestoreFromTaskBar() {
  // The user brought the minimised main window back: bring the rest too.
  if (game_hidden_ && main_minimised_ && main_ && !main_->isMinimized()) ToggleBossKey();
}

void HotKeys::ToggleMute() {
  audio_.ToggleMute();
  emit muteToggled(g_.Mute);
}

void HotKeys::ToggleBossKey() {
  if (!game_hidden_) {
    game_hidden_ = true;
    mute_before_hide_ = g_.Mute;
    paused_before_hide_ = g_.Paused;
    g_.Mute = true;
    audio_.MuteMusic();
    // Held rather than left running: a looping step sound would give the
    // hidden game away.
    audio_.HoldEffects(true);
    HideAllForms();
    g_.Paused = true;
    UpdateScope();
    emit bossKeyToggled(true);
    return;
  }
  game_hidden_ = false;
  g_.Mute = mute_before_hide_;
  // F7 may have switched the music on while hidden; the saved Mute decides.
  if (g_.Mute || g_.MusicOff)
    audio_.MuteMusic();
  else
    audio_.UnmuteMusic();
  audio_.HoldEffects(false);
  ShowAllForms();
  // A menu that was open stays open, and keeps the game paused.
  g_.Paused = paused_before_hide_;
  UpdateScope();
  emit bossKeyToggled(false);
}

void HotKeys::HideWindow(QWidget* w) {
  // Through the native window: QDialog::hide() would end a running exec().
  if (QWindow* handle = w->windowHandle()) handle->setVisible(false);
}

void HotKeys::HideAllForms() {
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  std::vector<QWidget*> windows;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != main_ && w->isVisible() && IsGameWindow(w)) windows.push_back(w);
  // The order they come back in: owners first, modal dialogs last (on top).
  std::stable_sort(windows.begin(), windows.end(), [](const QWidget* a, const QWidget* b) {
    if (IsModal(a) != IsModal(b)) return !IsModal(a);
    return OwnerDepth(a) < OwnerDepth(b);
  });
  hidden_.clear();
  main_minimised_ = false;
  if (main_ && main_->isVisible()) {
    hidden_.emplace_back(main_);
    main_state_before_hide_ = main_->windowState();
    if (scope_ == Scope::Global) {
      HideWindow(main_);
    } else {
      // Without global keys nothing could bring a hidden game back; the task
      // bar can bring back a minimised one.
      main_minimised_ = true;
      main_->showMinimized();
    }
  }
  for (QWidget* w : windows) {
    hidden_.emplace_back(w);
    HideWindow(w);
  }
}

void HotKeys::ShowAllForms() {
  for (const QPointer<QWidget>& w : hidden_) {
    // Gone, or closed by the game while it was hidden: not brought back.
    if (!w || w->isHidden()) continue;
    if (w == main_ && main_minimised_) {
      main_->setWindowState(main_state_before_hide_ & ~Qt::WindowMinimized);
      main_->show();
    } else if (QWindow* handle = w->windowHandle()) {
      handle->setVisible(true);
    }
  }
  hidden_.clear();
  main_minimised_ = false;
  QWidget* top = QApplication::activeModalWidget();
  if (!top) top = main_;
  // Mapped again in order, the windows already stack as they did; the
  // topmost takes the focus back.
  if (top && top->isVisible()) top->activateWindow();
}

bool HotKeys::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
      if (!registered_) break;
      auto* key = static_cast<QKeyEvent*>(event);
      const bool mute = key->key() == Qt::Key_F7;
      if (!mute && key->key() != Qt::Key_Escape) break;
      if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) break;
      // Claim the key before any shortcut or dialog (Esc would close it).
      event->accept();
      if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
        // Run after this event's delivery, not in the middle of it.
        QMetaObject::invokeMethod(this, mute ? &HotKeys::ToggleMute : &HotKeys::ToggleBossKey,
                                  Qt::QueuedConnection);
      }
      return true;
    }
    case QEvent::Show: {
      // A window the game opens while hidden stays out of sight until the
      // game comes back, and comes back with it.
      if (!game_hidden_ || !watched->isWidgetType()) break;
      auto* w = static_cast<QWidget*>(watched);
      if (!IsGameWindow(w) || w == main_) break;
      if (std::find(hidden_.begin(), hidden_.end(), w) == hidden_.end()) hidden_.emplace_back(w);
      QTimer::singleShot(0, w, [self = QPointer<HotKeys>(this), w] {
        if (self && self->game_hidden_ && w->isVisible()) self->HideWindow(w);
      });
      break;
    }
    case QEvent::WindowStateChange:
      if (watched == main_ && game_hidden_ && main_minimised_)
        QTimer::singleShot(0, this, &HotKeys::RestoreFromTaskBar);
      break;
    default:
      break;
  }
  return false;
}

}  // namespace quorbis

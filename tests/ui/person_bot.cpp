#include "person_bot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "economy/manage.h"
#include "ui/dice_window.h"
#include "ui/manage_window.h"
#include "ui/plain_windows.h"
#include "ui/property_window.h"

namespace quorbis::ui::testing {

PersonBot::PersonBot(GameOnScreen& game) : game_(game) {
  timer_.setInterval(8);
  connect(&timer_, &QTimer::timeout, this, &PersonBot::Tick);
}

void PersonBot::Tick() {
  if (before && before()) return;
  Act();
}

bool PersonBot::Click(QAbstractButton* b, const QString& what) {
  if (!b || !b->isVisible() || !b->isEnabled()) return false;
  last_action = what;
  ++clicks;
  b->click();
  return true;
}

bool PersonBot::Act() {
  Game& g = game_.g();
  // A refusal of the bank or the casino: acknowledge it.
  if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
    const QString title = box->windowTitle();
    if (title == QStringLiteral("Bank") || title == QStringLiteral("Bet")) {
      refused_ = true;
      return Click(box->button(QMessageBox::Ok), QStringLiteral("message ") + box->text());
    }
    return false;
  }
  if (game_.fe().Tip() && game_.fe().Tip()->isVisible()) return false;  // the game is talking
  if (auto* m = game_.Open<ManageWindow>(GameWindow::Manage)) {
    if (!m->isVisible()) return false;
    for (const ManageGridCell& c : ManageGrid()) {
      if (m->CardEnabled(c.square)) {
        // A person raising money sells or mortgages the first card offered.
        if (g.Players[g.ManagePlayer >= 0 ? g.ManagePlayer : g.CurPlayer].Cash < 0 ||
            m->giveUpButton()->isVisible()) {
          ++clicks;
          last_action = QStringLiteral("manage card");
          QTest::mouseClick(m, Qt::LeftButton, {}, m->CardRect(c.square).center());
          return true;
        }
        break;
      }
    }
    if (Click(m->giveUpButton(), QStringLiteral("give up"))) return true;
    return Click(m->doneButton(), QStringLiteral("done"));
  }
  if (auto* p = game_.Open<PropertyWindow>(GameWindow::Property)) {
    if (!buy && Click(p->button(kActCancel), QStringLiteral("cancel"))) return true;
    for (int i = 0; i < 4; ++i)
      if (Click(p->button(i), QStringLiteral("property %1").arg(i))) return true;
  }
  if (auto* c = game_.Open<CardWindow>(GameWindow::Card)) {
    if (Click(c->okButton(), QStringLiteral("card ok"))) return true;
  }
  if (auto* j = game_.Open<JailWindow>(GameWindow::Jail)) {
    for (int i = 0; i < 3; ++i)
      if (Click(j->button(i), QStringLiteral("jail %1").arg(i))) return true;
  }
  if (auto* b = game_.Open<BankWindow>(GameWindow::Bank)) {
    if (g.BankBusiness >= 0) {
      if (!banked_ && !refused_) {
        banked_ = true;
        return Click(b->okButton(), QStringLiteral("bank ok"));
      }
      return Click(b->backButton(), QStringLiteral("bank back"));
    }
    if (!banked_) {
      for (int i = 0; i < 3; ++i)
        if (Click(b->choice(i), QStringLiteral("bank choice %1").arg(i))) return true;
    }
    return Click(b->cancelButton(), QStringLiteral("bank cancel"));
  }
  banked_ = false;
  if (!game_.IsOpen(GameWindow::Casino)) refused_ = false;
  if (auto* c = game_.Open<CasinoWindow>(GameWindow::Casino)) {
    if (!bet_chosen_) {
      bet_chosen_ = true;
      ++clicks;
      last_action = QStringLiteral("casino field");
      QTest::mouseClick(c, Qt::LeftButton, {}, CasinoWindow::ZoneRect(0).center());
      return true;
    }
    // A player whose "&Play" does nothing after a few tries walks away.
    if (g.BetTotal == 0 && !refused_ && play_tries_ < 3 &&
        Click(c->playButton(), QStringLiteral("casino play"))) {
      ++play_tries_;
      return true;
    }
    return Click(c->cancelButton(), QStringLiteral("casino cancel"));
  }
  bet_chosen_ = false;
  play_tries_ = 0;
  if (!game_.IsOpen(GameWindow::Bank)) refused_ = false;
  // A debt with no dialog open: raise money from the action bar, or give up.
  if (game_.window().board()->bankruptButton()->isVisible()) {
    ActionBar* bar = game_.window().board()->actionBar();
    if (Click(bar->Button(3), QStringLiteral("bar mortgage"))) return true;
    if (Click(bar->Button(2), QStringLiteral("bar sell"))) return true;
    return Click(game_.window().board()->bankruptButton(), QStringLiteral("bankrupt"));
  }
  if (auto* d = game_.Open<DiceWindow>(GameWindow::Dice)) {
    if (Click(d->button(), d->mode() == 1 ? QStringLiteral("finish") : QStringLiteral("throw")))
      return true;
  }
  return false;
}

}  // namespace quorbis::ui::testing

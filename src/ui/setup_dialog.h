// The new-game dialog: four player columns (take part, name, portrait,
// colour, person or computer and its level), the starting cash and the map.
// Its rules live in GameSetup; this window only shows them.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <array>
#include <optional>

#include "state/new_game.h"
#include "ui/skin.h"

namespace quorbis::ui {

// The portrait picker: twelve portraits, female and male rows, a preview.
class IconPicker : public SkinnedWindow {
  Q_OBJECT
 public:
  IconPicker(Game& g, QWidget* owner, int icon);
  ~IconPicker() override;
  // The portrait chosen, or nothing when cancelled.
  std::optional<int> Run();
  int selected() const { return selected_; }
  void Select(int icon);
  void Accept();
  static QRect PortraitRect(int k);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  Game& g_;
  int selected_;
  bool accepted_ = false;
};

class SetupDialog : public SkinnedWindow {
  Q_OBJECT
 public:
  SetupDialog(Game& g, QWidget* owner);
  ~SetupDialog() override;
  // Shows the dialog modal; true when the player chose "&Play".
  bool Run();
  GameSetup& setup() { return setup_; }

  // The controls, for the keyboard and for tests.
  PictureButton* takePart(int i) const { return columns_[i].take_part; }
  QLineEdit* name(int i) const { return columns_[i].name; }
  QComboBox* kind(int i) const { return columns_[i].kind; }
  QComboBox* level(int i) const { return columns_[i].level; }
  QScrollBar* cashLevel() const { return cash_; }
  QLineEdit* cashText() const { return cash_text_; }
  LabelButton* playButton() const { return play_; }
  LabelButton* cancelButton() const { return cancel_; }
  QWidget* swatch(int i) const { return columns_[i].swatch; }
  QWidget* colorPicker() const { return picker_; }
  PictureButton* portrait(int i) const { return columns_[i].portrait; }
  PictureButton* arrow(int i, bool right) const {
    return right ? columns_[i].right : columns_[i].left;
  }
  void ChooseColor(int k);
  void OpenColorPicker(int column);
  // Opens the portrait picker for a column (tests answer it).
  void PickPortrait(int column);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void paintEvent(QPaintEvent*) override;

 private:
  struct Column {
    PictureButton* take_part = nullptr;
    QLineEdit* name = nullptr;
    PictureButton* portrait = nullptr;
    PictureButton* left = nullptr;
    PictureButton* right = nullptr;
    QWidget* swatch = nullptr;
    QComboBox* kind = nullptr;
    QComboBox* level = nullptr;
  };
  void Sync();

  Game& g_;
  GameSetup setup_;
  std::array<Column, kMaxPlayers> columns_;
  QWidget* picker_;
  QScrollBar* cash_;
  QLineEdit* cash_text_;
  LabelButton* play_;
  LabelButton* cancel_;
  int picker_column_ = 0;
  bool accepted_ = false;
};

}  // namespace quorbis::ui

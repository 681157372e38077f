#pragma once
// The painted pieces the record cards are laid out with: the light panels the fields
// sit on and the dark title strips, and the table of a card's sections that builds
// them. Each card keeps its own names, places, texts and sizes; these only paint them.
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <span>

namespace platform { class Form; }

namespace kit {

// The two fills of the card panels: the pale blue one of the details and the white
// one of the notes.
inline const QColor kDetailsTop(0xFA, 0xFC, 0xFF);
inline const QColor kDetailsBottom(0xE3, 0xEC, 0xF7);
inline const QColor kNotesTop(0xFF, 0xFF, 0xFF);
inline const QColor kNotesBottom(0xEE, 0xF2, 0xF6);

// A background panel: a vertical gradient with a thin sky-blue rule and, where it has
// one, a bold dark-blue title in a band from 10 pixels in, `titleTop` down and
// `titleHeight` high. The mouse is tracked over it, so moving onto it can empty a hint.
class CardPanel : public QFrame {
 public:
  CardPanel(QWidget* parent, const QString& name, const QColor& top = kDetailsTop,
            const QColor& bottom = kDetailsBottom);
  void setTitle(const QString& title, int titleTop, int titleHeight);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor top_, bottom_;
  QString title_;
  int titleTop_ = 0;
  int titleHeight_ = 0;
};

// How a title strip writes its title: white bold DejaVu Sans of `pixelSize`, from
// `left` pixels in, `width` wide (0: up to `left` pixels short of the right edge),
// centred vertically; word-wrapped and antialiased where asked.
struct StripText {
  int pixelSize = 22;
  int left = 14;
  int width = 0;
  bool wordWrap = false;
  bool antialiased = false;
};

// A dark-blue gradient strip with its title: a card's across its top, or a section's
// over its panel. The mouse is tracked over it.
class TitleStrip : public QLabel {
 public:
  TitleStrip(QWidget* parent, const QString& name, const QString& title, const StripText& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
  StripText text_;
};

// A round picture of `colour` with a white sign on it (the menus' help and exit).
QPixmap roundPicture(const QString& sign, const QColor& colour, const QSize& size);

// A section of a card: a panel named `name` at `at` on the card's container, with the
// pale blue fill of the details or the white one of the notes, and its title: none,
// painted in a band from `titleTop` down, `titleHeight` high, or on a title strip named
// `strip` across its top. The card's field rows name their section.
struct CardSection {
  const char* name = nullptr;
  QRect at = {};
  const char* title = nullptr;  // UTF-8; null: none
  int titleTop = 0;
  int titleHeight = 0;
  const char* strip = nullptr;  // null: the title is painted on the panel
  bool notes = false;
};

// Builds the sections on `parent`; the mouse over a panel or a strip empties the hint.
void buildSections(platform::Form& window, QWidget* parent, std::span<const CardSection> sections);

}  // namespace kit

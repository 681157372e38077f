#pragma once
// The calendar of the booking board: twelve month rows, each with its title and one
// cell per day of the board (February always 29). It is one painted widget: 732
// picture widgets would cost the program's start-up and every repaint more than the
// whole board. Each day still has its three named objects, found by name as the
// controls they stand for: the free picture "lib" + suffix and the booked picture
// "occ" + suffix (a `visible` property the calendar draws) and the booking text
// "mem" + suffix (a `text` property, never drawn).
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>

#include "planner/board_days.h"

namespace planner {

class DayCalendar;

// A picture of a day cell, drawn while it is visible.
class DayPicture : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool visible READ isVisible WRITE setVisible)
 public:
  DayPicture(DayCalendar* calendar, const QString& name, int index, bool visible);
  bool isVisible() const { return visible_; }
  void setVisible(bool visible);

 private:
  DayCalendar* calendar_;
  int index_;
  bool visible_;
};

// The booking text of a day, held for the board, its dialogs, summary and print.
class DayText : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)
 public:
  DayText(QObject* parent, const QString& name);
  QString text() const { return text_; }
  void setText(const QString& text) { text_ = text; }

 private:
  QString text_;
};

class DayCalendar : public QWidget {
  Q_OBJECT
 public:
  // `texts` holds the booking texts (the board's hidden panel).
  DayCalendar(QWidget* parent, QObject* texts);

  DayPicture* freePicture(int index) const { return free_[static_cast<std::size_t>(index)]; }
  DayPicture* bookedPicture(int index) const { return booked_[static_cast<std::size_t>(index)]; }
  DayText* bookingText(int index) const { return texts_[static_cast<std::size_t>(index)]; }

  // Where things are drawn, in the calendar's own coordinates.
  static QRect cellRect(const BoardDay& day);
  static QRect titleRect(int month);
  // The day whose visible picture lies under `pos`, or null.
  const BoardDay* dayAt(QPoint pos) const;

  // Redraws one day's cell (its pictures changed).
  void updateDay(int index);

 signals:
  // A click (press and release on the same day) on a day's visible picture.
  void dayClicked(int index);
  // The mouse moved onto a day's picture, or onto the calendar's background; over a
  // month title neither is said.
  void dayHovered();
  void backgroundHovered();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const QPixmap& cellPicture(int dayNumber, bool booked);
  void drawBackdrop();

  std::array<DayPicture*, kBoardDays> free_{};
  std::array<DayPicture*, kBoardDays> booked_{};
  std::array<DayText*, kBoardDays> texts_{};
  // The 31 day numbers on either ground, drawn at the first paint.
  std::array<std::array<QPixmap, 31>, 2> pictures_;
  QPixmap backdrop_;  // the ground and the twelve month titles
  qreal picturesRatio_ = 0;
  int pressed_ = -1;
};

}  // namespace planner

#pragma once
// The one routine through which the program hands a document, a web address or a
// mail link to the desktop, and the link texts of the help, about and splash windows.
#include <QColor>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

class QLabel;
class QPainter;
class QPixmap;
class QWidget;

class TMisc {
 public:
  // Opens `target` (a quoted file path, a web address or a "mailto:" link) with its
  // associated program. The caller is told nothing: a missing file or handler shows
  // no message of ours.
  static void Open(const QString& target);
};

namespace shell {

// Dark blue of a link at rest, orange while the mouse button is held on it.
inline constexpr const char* kLinkColour = "#00008B";
inline constexpr const char* kLinkPressedColour = "#FFA500";

// A link text and the picture paired with it: pressing the mouse button on either
// turns the text orange, releasing it turns it dark blue again, and a click (press
// and release over the same control) runs `action`.
class LinkPair : public QObject {
  Q_OBJECT
 public:
  LinkPair(QLabel* text, QLabel* picture, std::function<void()> action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setPressed(bool pressed);
  QLabel* text_;
  QLabel* picture_;
  std::function<void()> action_;
};

// Puts `picture` at `at` and `text` just right of it, centred on the picture's
// height, and makes them one link running `action`.
void placeLink(QLabel* text, QLabel* picture, QPoint at, std::function<void()> action);

// The look of a link text: underlined Tahoma, dark blue, hand cursor.
QLabel* makeLinkText(QWidget* parent, const QString& objectName, const QString& text);
// A picture that never takes the focus, with the hand cursor.
QLabel* makeLinkPicture(QWidget* parent, const QString& objectName, const QPixmap& pixmap);

// An empty picture of that size, transparent, to draw on.
QPixmap blankPicture(int width, int height);
// A transparent picture of `size` on which `paint` draws, antialiased, in the units of
// a canvas of `design` (scaled to fill the picture).
QPixmap drawnPicture(const QSize& size, const QSizeF& design, const std::function<void(QPainter&)>& paint);

// Small pictures drawn at run time for the three windows.
QPixmap pdfPicture(int size);
QPixmap mailPicture(int size);
QPixmap webPicture(int size);
QPixmap logoPicture(int width, int height);
// The same logo with its name in another colour (white on a dark background).
QPixmap logoPictureColoured(int width, int height, const QColor& textColour);

// The support address and the product's web page.
QString supportAddress();
QString productWebAddress();

}  // namespace shell

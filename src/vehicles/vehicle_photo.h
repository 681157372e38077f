#pragma once
// The vehicle photos: one picture per stored card, the JPEG file
// "Autoparco/Scheda_Veicolo_<n>.jpg" beside the executable, n the card's 1-based
// record number. Shown in a PhotoFrame on the card, the zoom and the slide show.
#include <QImage>
#include <QString>
#include <QWidget>

namespace vehicles {

// The photo file of the card numbered `position` (the trimmed position label). The
// folder is created when missing; an empty text when it cannot be, or when the
// position is not a record number.
QString photoPath(const QString& position);
// The stored photo of that card; a null image when there is none or it cannot be read.
QImage loadPhoto(const QString& position);
// Writes `image` as the card's photo file (JPEG), replacing the old one; false when
// it cannot be written, a full disk included (the old file is then left byte for byte
// as it was, never emptied).
bool savePhoto(const QImage& image, const QString& position);
// Writes `image` as JPEG under `path`, the same way; false on failure.
bool saveJpeg(const QImage& image, const QString& path);

// The two placeholders built into the windows: the card's blank picture and the
// picture the slide show starts with.
QImage blankPicture();
QImage slideshowPicture();

// A picture fitted into the frame keeping its proportions, centred. Clickable.
class PhotoFrame : public QWidget {
  Q_OBJECT
 public:
  PhotoFrame(QWidget* parent, const QString& objectName);
  void setImage(const QImage& image);
  QImage image() const { return image_; }
  // Frame and background (the card draws a white frame, the full-screen windows none).
  void setFramed(bool framed) { framed_ = framed; update(); }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage image_;
  bool framed_ = true;
};

}  // namespace vehicles

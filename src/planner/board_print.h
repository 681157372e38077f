#pragma once
// The board print and preview windows: a small dialog centred on the booking board,
// its explanations on a white panel, "Annulla" at the left and the action at the right.
// The action fills the board report from the board as it stands and prints it through
// the print dialog, or shows it in the print preview (modal, at 100 %), then closes the
// window; a cancelled print dialog prints nothing and closes it too. A failure shows its
// own message in an error box and leaves the window open.
#include "kit/card_print.h"

class QLabel;
class QWidget;

namespace planner {

class BoardPrintDialog : public kit::CardPrintDialog {
  Q_OBJECT
 public:
  BoardPrintDialog(QWidget* owner, kit::CardPrintSettings settings);

  QWidget* shpSfondo;  // the white panel behind the pictures

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The settings both windows share; `output` says which one.
kit::CardPrintSettings boardPrintSettings(kit::CardPrintOutput output);

// The pictures of the two windows, drawn at run time.
QPixmap readerPicture(int width, int height);
QPixmap printerPicture(int width, int height, bool magnifier);
QPixmap previewPicture(int width, int height);

// The texts the pictures carry.
extern const QString kPrintHeading;
extern const QString kPrintText;
extern const QString kPrintStart;
extern const QString kPreviewHeading;
extern const QString kPreviewText;
extern const QString kPreviewStart;

}  // namespace planner

// The board print window: "Stampa" prints the board report.
class TfrmStampaPlanning : public planner::BoardPrintDialog {
  Q_OBJECT
 public:
  explicit TfrmStampaPlanning(QWidget* owner);

  // imgLogo01 (the dialog's own picture) is a person reading.
  QLabel* icoInf01;      // the heading and what the print does
  QWidget* shpSepara;    // the separator bar
  QLabel* imgSezione04;  // a printer
  QLabel* icoInf02;      // how to start it
};

// The board preview window: "Mostra anteprima" shows the board report in the preview.
class TfrmAnteprimaPlanning : public planner::BoardPrintDialog {
  Q_OBJECT
 public:
  explicit TfrmAnteprimaPlanning(QWidget* owner);

  QLabel* imgLogo02;  // the heading, what the preview does, a reader, a printer with a magnifier
};

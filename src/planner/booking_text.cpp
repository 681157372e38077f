#include "planner/booking_text.h"

#include <stdexcept>

#include <QClipboard>
#include <QFont>
#include <QGuiApplication>

#include "planner/planner_pictures.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/qtext.h"
#include "platform/widgets.h"

namespace planner {

BookingTextRow addBookingTextRow(QWidget* parent, const QRect& band, int editWidth) {
  BookingTextRow row{};
  row.effPrenotazione = new platform::HighlightRect(parent, platform::kPaleYellow);
  row.effPrenotazione->setObjectName(QStringLiteral("effPrenotazione"));
  row.effPrenotazione->setGeometry(band);

  const int x = band.x() + 10, y = band.y() + 10;
  row.txtPrenotazione = new platform::FilteredEdit(parent, QStringLiteral("txtPrenotazione"));
  row.txtPrenotazione->setGeometry(x, y, editWidth, 22);
  row.txtPrenotazione->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
  row.txtPrenotazione->setInputLimit(kBookingTextLimit);
  row.txtPrenotazione->setInputFilter(platform::withoutControls);

  row.cmdClipboard = new platform::PictureButton(parent, QStringLiteral("cmdClipboard"));
  row.cmdClipboard->setPixmap(copyPicture(22));
  row.cmdClipboard->setGeometry(x + editWidth + 8, y, 22, 22);
  row.cmdCancella = new platform::PictureButton(parent, QStringLiteral("cmdCancella"));
  row.cmdCancella->setPixmap(eraserPicture(22));
  row.cmdCancella->setGeometry(x + editWidth + 38, y, 22, 22);
  for (platform::PictureButton* b : {row.cmdClipboard, row.cmdCancella}) b->setCursor(Qt::PointingHandCursor);
  return row;
}

void copyBookingText(QLineEdit* edit, QWidget* window) {
  const QString text = edit->text();
  if (platform::trim(text).isEmpty()) {
    platform::warning(QStringLiteral("Attenzione: il campo di testo non contiene nessun dato da copiare in memoria."),
                      window);
    edit->setFocus();
    return;
  }
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return;  // no clipboard on this platform: nothing to do, nothing said
  clipboard->setText(text);  // as typed, blanks at either end included
  // The clipboard is the desktop's: when it does not hold the text now, nothing was
  // copied, and saying so is all that is left (the program goes on).
  if (clipboard->text() != text) throw std::runtime_error("Impossibile copiare il testo negli appunti.");
  platform::information(QStringLiteral("Il contenuto del campo di testo è stato copiato in memoria."), window);
}

void clearBookingText(QLineEdit* edit) {
  edit->clear();
  edit->setFocus();
}

}  // namespace planner

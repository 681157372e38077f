#pragma once
// The booking text of the two booking dialogs: the edit of at most 50 characters (a
// day's field in the planner file) on its pale-yellow band, always shown, with the
// copy and clear pictures beside it, and what those two do.
#include <QRect>

class QLineEdit;
class QWidget;

namespace platform {
class FilteredEdit;
class HighlightRect;
class PictureButton;
}  // namespace platform

namespace planner {

struct BookingTextRow {
  platform::HighlightRect* effPrenotazione;
  platform::FilteredEdit* txtPrenotazione;
  platform::PictureButton* cmdClipboard;
  platform::PictureButton* cmdCancella;
};

inline constexpr int kBookingTextLimit = 50;

// The row on `parent`: the band at `band`, the edit `editWidth` wide 10 units inside
// it, the copy picture and then the clear picture (22 x 22) right of the edit. Control
// characters never enter the edit.
BookingTextRow addBookingTextRow(QWidget* parent, const QRect& band, int editWidth);

// The copy picture: a text that is blank once trimmed gives the warning "Attenzione: il
// campo di testo non contiene nessun dato da copiare in memoria." and the focus back on
// the edit; any other goes on the clipboard as typed (blanks at either end included),
// then the information "Il contenuto del campo di testo è stato copiato in memoria.".
// With no clipboard nothing happens. When the clipboard does not take the text, the
// failure escapes (the program's handler shows its message) and no information follows.
void copyBookingText(QLineEdit* edit, QWidget* window);
// The clear picture: the edit emptied, with the focus.
void clearBookingText(QLineEdit* edit);

}  // namespace planner

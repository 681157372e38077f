#pragma once
// The date of a yearly card, composed at Save from its day list, its month list and its
// year label into its hidden date label, and the two checks Save makes of it (the
// schedule card and the cost card).
class QComboBox;
class QLabel;
class QWidget;

namespace kit {

// True when the month box holds one of the twelve month names (trimmed, A-Z folded).
// Otherwise the warning "Attenzione: selezionare il mese dal menu a cascata." with the
// focus on the month, and false.
bool monthChosen(QComboBox* month, QWidget* window);

// `date` := trimmed day + "/" + the month's two digits + "/" + trimmed year. True when
// that is a date; otherwise the plain message "Attenzione: la data ... non esiste." with
// the focus on the day, and false (the label keeps the refused date).
bool composedDateExists(QComboBox* day, QComboBox* month, const QLabel* year, QLabel* date, QWidget* window);

}  // namespace kit

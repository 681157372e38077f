#include "kit/card_dates.h"

#include <QComboBox>
#include <QLabel>

#include "core/text.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"

namespace kit {

namespace {
const QString kValidDate = QStringLiteral("Per poter salvare la scheda è necessario indicare una data valida.");
}  // namespace

bool monthChosen(QComboBox* month, QWidget* window) {
  if (core::monthNumber(platform::toCore(month->currentText()))) return true;
  platform::warning(QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r") + kValidDate, window);
  month->setFocus(Qt::OtherFocusReason);
  return false;
}

bool composedDateExists(QComboBox* day, QComboBox* month, const QLabel* year, QLabel* date, QWidget* window) {
  date->setText(platform::fromCore(core::composeDate(platform::toCore(day->currentText()),
                                                     platform::toCore(month->currentText()),
                                                     platform::toCore(year->text()))));
  const QString text = platform::trim(date->text());
  if (platform::IsValidDateText(text)) return true;
  platform::plainMessage(QStringLiteral("Attenzione: la data ") + text + QStringLiteral(" non esiste.\n\r\n\r") +
                             kValidDate,
                         window);
  day->setFocus(Qt::OtherFocusReason);
  return false;
}

}  // namespace kit

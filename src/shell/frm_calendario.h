#pragma once
// The calendar dialog: the user picks a day and "Importa" writes it, as dd/mm/yyyy,
// into the date field of the card named by the key word in lblMemory.
#include <QDate>
#include <QString>
#include <span>

#include "platform/form.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

class TfrmCalendario : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmCalendario(QWidget* owner);

  // Where a key word delivers the date: the long-lived window's class and the
  // edit's name. Compared exactly as typed (no trimming, case-sensitive).
  struct Target {
    const char* keyWord;
    const char* window;
    const char* field;
  };
  static const Target* targetOf(const QString& keyWord);
  // The whole table (the wiring test walks it).
  static std::span<const Target> targets();

  // What a card's date field does: a fresh calendar owned by `card` with the
  // field's key word, shown modally and freed when it closes.
  static void open(QWidget* card, const QString& keyWord);

  // Controls, in the order of the window description.
  QLabel* lblCampo001;
  QCalendarWidget* calAppuntamenti;
  QPushButton* btnImportaData;
  QPushButton* btnAnnulla;

 public slots:
  void btnImportaDataClick();
  void btnAnnullaClick();
};

#pragma once
// What the schedule's window tests share: deadlines written straight into a year's
// archive, the sound recorded instead of played, and a fixture holding the schedule
// window as the program's long-lived one.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <map>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "core/clock.h"
#include "maintenance/frm_scadenzario.h"
#include "maintenance/schedule_record.h"
#include "platform/edits.h"
#include "platform/qtext.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "support/app/card_window.h"
#include "support/archive_files.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

// Texts in failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// A deadline's texts by field name; those left out are filled as the card would fill them.
using Deadline = std::map<std::string_view, QString>;

// A complete deadline on `date` (dd/mm/yyyy) with `warningDays`, due at 09:30, not done,
// not awaiting confirmation; `changes` replace or add fields.
inline Deadline deadline(const QString& date, const QString& warningDays, const Deadline& changes = {}) {
  static const char* const kMonths[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                        "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
  const int month = date.mid(3, 2).toInt();
  Deadline d = {
      {"Giorno", date.left(2)},
      {"Mese", month >= 1 && month <= 12 ? QString::fromLatin1(kMonths[month - 1]) : QString()},
      {"Anno", date.mid(6, 4)},
      {"Data", date},
      {"OreApp", "09"},
      {"MinutiApp", "30"},
      {"Ora", "09:30"},
      {"Avviso", warningDays},
      {"Conducente", "Mario Rossi"},
      {"Recapito", "0123456"},
      {"Veicolo", "Autovettura"},
      {"Marca", "Fiat"},
      {"Modello", "Panda"},
      {"Targa", "AB123CD"},
      {"Manutenzione", "Tagliando"},
      {"Costo", "0,00"},
      {"DaConfermare", "No"},
      {"Effettuata", "No"},
  };
  for (const auto& [name, text] : changes) d[name] = text;
  return d;
}

inline core::RecordBuffer deadlineRecord(const Deadline& d) { return recordOf(maintenance::scheduleLayout(), d); }

// Appends the deadlines to the archive `file` ("2024.sca") beside the executable,
// creating it (even for none).
inline void appendDeadlines(const QString& file, const std::vector<Deadline>& deadlines) {
  std::vector<core::RecordBuffer> records;
  for (const Deadline& d : deadlines) records.push_back(deadlineRecord(d));
  appendRecords(file, maintenance::MaintenanceDeadlineRecord::kSize, records);
}

// A date `days` from `day`, as dd/mm/yyyy.
inline QString dayText(const core::Date& day, int days = 0) {
  return platform::formatDate(core::Date::fromSerial(day.serial() + days));
}

// Records the sound the window would play, and each stop, for the object's life.
class SoundRecorder {
 public:
  SoundRecorder() {
    platform::setSoundOutput([this](const QString& path) { played << path; }, [this] { ++stops; });
  }
  ~SoundRecorder() { platform::setSoundOutput({}); }
  SoundRecorder(const SoundRecorder&) = delete;
  SoundRecorder& operator=(const SoundRecorder&) = delete;
  QStringList played;
  int stops = 0;
};

// The schedule window as the program's long-lived window, in a fresh executable folder,
// with the day pinned to 10/03/2024.
class ScheduleTest : public CardWindowTest<TfrmScadenzario, &App::frmScadenzario> {
 protected:
  // Shows the window and opens `year` on the card.
  void openYear(const QString& year = QStringLiteral("2024")) {
    showActive();
    w->txtAnno->setText(year);
    w->btnApriClick();
  }
  QString lastText() const { return host.boxes.empty() ? QString() : host.last().text; }

  const core::Date today{10, 3, 2024};
  core::PinnedClock clock{today};
  SoundRecorder sound;
};

#pragma once
// The search and list windows of every app, built once and configured by a table
// of settings (ListSettings): which archive, which filters, how a line is built, which
// records a list takes, what a double-click writes where, and the few switches in
// which the windows differ. A window class is its settings plus what is its own.
//
// A search window opens on its filter panel (panAvvio); "Cerca" scans the archive
// and switches for good to the result panel (panContainer). A list window has only
// the result panel and fills it when shown.
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <vector>

#include "core/record.h"
#include "core/search_filter.h"
#include "core/text.h"
#include "kit/archive_source.h"
#include "kit/list_print.h"
#include "kit/result_list.h"
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace platform { class HighlightRect; }

namespace kit {

// One filter of a search window.
struct ListFilter {
  QString edit;       // the filter edit's name ("txtTipo")
  QString caption;    // the label above it ("Tipo veicolo:")
  std::size_t field;  // the record field it searches
  QString highlight;  // its yellow highlight rectangle ("effCampo01")
};

// One control a double-click fills: the trimmed texts of the record fields joined by
// a blank ("Marca Modello").
struct ControlWrite {
  QString control;
  std::vector<std::size_t> fields;
};

// Where a double-clicked record goes for one key word.
struct PickTarget {
  QString keyWord = {};  // compared, case-sensitively, with the trimmed memory label; empty: always
  QString window = {};   // class of the long-lived window written into
  std::vector<ControlWrite> writes = {};
  bool setsPosition = false;  // lblPosizione := the record's 1-based number
  // Runs after the writes (the vehicle card loads the record's photo).
  std::function<void(platform::Form& target, const core::RecordBuffer& record, std::size_t number)> after = {};
};

// Which records a list window takes, looked at in file order.
using ListSelect = std::function<core::Verdict(const core::RecordBuffer& record, const core::Date& today)>;

struct ListSettings {
  QString windowClass;  // "TfrmTrovaAutomezzi"
  QString caption;      // " Trova schede veicoli in archivio"
  QSize size{862, 560};

  ArchiveSource archive;  // fixed, yearly or from a control, with the record layout
  core::LineFormat line;

  // A search window has its filters, in the Enter chain's order (laid out two per
  // row); a list window has none and `select` instead.
  std::vector<ListFilter> filters;
  ListSelect select;
  // A list window whose lines are not an archive's (the booking summary, from its
  // board): called each time the window is shown, in place of the archive scan, and
  // listed in the order given, not sorted. Lines it could make before a failure are
  // its to return; the window says nothing.
  std::function<core::LineList()> lines;

  QString explanation;  // lblRigo03
  // Texts the window's pictures carry: the result panel's heading (empty: the caption
  // in capitals, as on the filter panel), a strip on the filter panel explaining the
  // filters (imgSpiega) and a strip above the result list explaining list find
  // (imgTrova01); empty: no strip.
  QString resultHeading;
  QString filterStrip;
  QString findStrip;
  QString counter;      // lblTrovate, "%1" standing for the number of lines; empty: no counter
  QString printTitle;   // the title of the list print
  ListPrintOptions printOptions;
  // Computed when "Stampa" is pressed, where a window's print depends on what it
  // shows: a title in place of printTitle (the booking summary's, from its board),
  // and trailer lines added after the list lines (the summaries' totals).
  std::function<QString()> printTitleNow;
  std::function<QStringList()> printTrailer;

  bool findBox = true;              // txtTrova and "Trova"
  bool findHighlight = false;       // the yellow effTrova behind txtTrova while it has the focus
  bool keepLastFind = false;        // the last find text survives a new opening
  bool enterMovesToTrova = true;    // Enter in txtTrova moves the focus to "Trova"
  int itemWidth = 1600;
  bool doubleClick = false;         // whether a double-click reopens a record
  std::vector<PickTarget> targets;  // where it writes, found through the window directory
};

class SearchWindow : public platform::Form {
  Q_OBJECT
 public:
  SearchWindow(QWidget* owner, ListSettings listSettings);

  const ListSettings& listSettings() const { return listSettings_; }
  bool isSearch() const { return !listSettings_.filters.empty(); }
  // A filter edit by name (null when the window has none of that name).
  QLineEdit* filterEdit(const QString& name) const;

  // Filter panel (search windows only).
  QWidget* panAvvio = nullptr;
  QList<QLabel*> filterLabels;                // lblCampo01 .. lblCampo10
  QList<QLineEdit*> filterEdits;              // in the Enter chain's order
  QList<platform::HighlightRect*> highlights;
  QPushButton* btnCerca = nullptr;
  QPushButton* btnAnnulla = nullptr;
  QLabel* lblConta = nullptr;
  QLabel* lblAttendere = nullptr;

  // Result panel.
  QWidget* panContainer = nullptr;
  QLineEdit* txtTrova = nullptr;
  QPushButton* btnTrova = nullptr;
  ResultList* lstRecords = nullptr;
  QLabel* lblRigo03 = nullptr;
  QLabel* lblTrovate = nullptr;
  QPushButton* btnStampa = nullptr;
  QPushButton* btnChiudi = nullptr;

 public slots:
  void btnCercaMouseDown();
  void btnCercaClick();
  void lstRecordsDblClick();
  void btnTrovaClick();
  void btnStampaClick();
  void btnChiudiClick();
  void btnAnnullaClick();

 protected:
  void FormShow() override;
  void FormClose() override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildFilterPanel();
  void buildResultPanel();
  void fillList();  // a list window's fill when shown
  void setCounter(int lines);

  ListSettings listSettings_;
};

// The lines a search finds: the archive `source` scanned with the filters' texts as
// typed. Throws core::ArchiveError (ArchiveRefused for a refused yearly name).
core::LineList searchArchive(const ArchiveSource& source, const core::LineFormat& line,
                             const std::vector<ListFilter>& filters, const std::vector<core::Text>& texts);

// The lines a list window takes from its archive on `today`: its selection's records,
// or every record. Throws core::ArchiveError; `lines` keeps what was taken before a
// failing read.
void listArchive(const ListSettings& settings, const core::Date& today, core::LineList& lines);

// Sets the text of a window's control, whatever its kind: an edit, a combo edit (its
// text, also one not in its list), a label or a memo. False when there is no such control.
bool setControlText(QObject* window, const QString& name, const QString& text);
// Whether `window` has a control `name` that setControlText can fill.
bool canSetControlText(const QObject* window, const QString& name);

// What a double-click writes into `window`, the target's window (null: nothing).
void writePick(const PickTarget& target, platform::Form* window, const core::RecordBuffer& record,
               std::size_t number);

}  // namespace kit

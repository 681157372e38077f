#pragma once
// The date-range summaries (fuel and distance over the trips, costs over a year's
// payments), built once: a long-lived selection menu that takes a year, two filters
// and an interval of days and months, checks them (core::checkSummaryEntries), scans
// the archive (core::scanSummary) and opens the summary window, which lists the
// records of the interval with their totals and offers list find, print and help.
//
// A summary is its settings plus its own texts:
//
//   class TfrmMenuRiepCosti : public kit::SummaryMenu {
//    public:
//     explicit TfrmMenuRiepCosti(QWidget* owner) : SummaryMenu(owner, settings()) {}
//     static kit::SummarySettings settings();
//   };
//
// What varies: the archive (a fixed file, or the year + an extension through the
// menu's hidden lblFile), the two filters and the fields they search, the date field,
// the totals (each a record field summed, in the general number format or as an
// amount), the plate text when no plate is given, the print title and trailer
// captions, whether the filters survive a new showing of the menu, whether the
// edits show the focus with the yellow highlight rectangle, the names of the captions
// where a window names them its own way, and the summary window's gradient.
//
// Failures: a failed check shows its own message (core::SummaryCheck); an archive
// that cannot be opened or read shows the plain message "Attenzione: il file di
// archivio non risulta accessibile." and no summary opens; a record whose date or a
// summed number does not convert is left out whole (the totals are those of the lines
// shown). The wait label lblAttendere, shown when the mouse goes down on "Visualizza
// riepilogo", is hidden by every stop and by the summary's close.
#include <QColor>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include "core/record.h"
#include "core/search_filter.h"
#include "core/summary.h"
#include "kit/result_list.h"
#include "platform/form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class FilteredEdit;
class ListOnlyCombo;
class PictureButton;
}  // namespace platform

namespace kit {

// One of the menu's two filters.
struct SummaryFilter {
  QString edit = {};    // "txtCliente"
  QString caption = {};  // "Targa veicolo:"
  int maxLength = 0;    // what typing may reach
  std::size_t field = 0;  // the record field it searches (as typed, A-Z folded)
  bool upperCase = false;  // every change by the user leaves the trimmed text in capitals
  QStringList items = {};  // a combo edit offering these texts (free text still allowed); empty: an edit
  QString highlight = {};  // its yellow highlight rectangle ("effTipologia"); empty: none
  QString captionName = {};  // its caption label's name ("titTipologia"); empty: titCliente, titTarga
};

// One total of the summary window.
struct SummaryTotal {
  QString label = {};    // "lblLitriTot"
  QString caption = {};  // shown before it, "Totale litri carburante:"
  std::size_t field = 0;  // the record field added up
  core::TotalForm form = core::TotalForm::Shortest;
  QString trailer = {};  // the caption of its print trailer line, padded as printed
  QString captionName = {};  // its caption label's name; empty: "inf" + the label's name after "lbl"
};

struct SummarySettings {
  // ---- the menu --------------------------------------------------------------
  QString menuClass;    // "TfrmMenuRiepCosti"
  QString menuCaption;  // " Velmora 4.0 - Riepilogo consumi carburante e chilometri percorsi"
  QString heading;      // the heading picture's title
  QString headingText;  // and its explanation below the title
  QStringList instructions;  // lblCampo01 (year and filters), lblCampo02 (leave blank), lblCampo03 (interval)
  SummaryFilter plate;  // the plate filter, beside the vehicle picker's picture impCliente
  SummaryFilter other;  // the destination or the cause of payment
  // Opens the vehicle picker with this key word; it writes the plate into `plate.edit`.
  QString pickerKeyWord;
  std::function<void(QWidget* owner, const QString& keyWord)> openPicker = {};
  bool keepFilters = false;  // the filters keep their texts when the menu is shown again
  bool highlights = false;   // the yellow highlight rectangles (effAnno, ..., effTrova)

  // ---- the archive and the scan ----------------------------------------------
  const core::RecordLayout* layout = nullptr;
  QString archiveFile;      // a fixed archive beside the executable, or
  QString yearExtension;    // the year typed + this extension (".eur"), through lblFile
  std::size_t dateField = 0;  // the date that must lie in the interval
  core::LineFormat line;
  std::vector<SummaryTotal> totals;

  // ---- the summary window ----------------------------------------------------
  QString windowClass;    // "TfrmRiepCosti"
  QString windowCaption;
  QString plateCaption;   // "Targa veicolo:"
  QString emptyPlate;     // titTipologia when no plate is given: "- - -"
  QString printTitle;     // followed by the plate text as shown
  QString intervalTrailer;  // "INTERVALLO SELEZIONATO:" padded as printed
  QString helpTitle;
  QStringList helpParagraphs;
  std::function<void(QWidget* owner, const QString& title, const QStringList& paragraphs)> help = {};
  QColor windowGradientTop = {};  // the summary window's gradient from this to white; invalid: steel blue
};

// The texts of the summary the checks and the scan have produced.
struct SummaryData {
  QString plateFilter, otherFilter;  // as typed
  QString start, end;                // the interval's two dates, dd/mm/yyyy
  core::LineList lines;              // in file order
  std::vector<double> sums;          // one per total
};

// The summary of an archive as the menu asks for it: filters (as typed), the interval
// (both ends included). Throws core::ArchiveError when the archive cannot be opened
// or read.
SummaryData scanSummary(const SummarySettings& settings, const QString& archivePath, const QString& plateFilter,
                        const QString& otherFilter, const core::Date& start, const core::Date& end);

// The print of a summary: its title, and the trailer after the list lines (sixteen
// spaced hyphens, the interval, then one line per total), each value trimmed.
QString summaryPrintTitle(const SummarySettings& settings, const QString& plateShown);
QStringList summaryTrailer(const SummarySettings& settings, const QString& interval, const QStringList& totals);

// The interval of days and months a window takes (the date-range summaries' menu, the
// interval booking): a start group and an end group, each holding "Giorno:" and the day
// picker ("01" .. "31"), "Mese:" and the month picker ("Gennaio" .. "Dicembre", kept by
// a name compared with A-Z folded) and the year label "ANNO" beside them, and the two
// hidden labels of the composed dates. A window holding one derives from it, so the
// controls are its own, named as below:
//
//   class TfrmX : public platform::Form, public kit::IntervalPickers { ... };
//   addIntervalGroups(panel, {35, 96}, {399, 96});   // in the constructor
//   chainEnter(this, btnChiudi);                      // Enter from picker to picker, then on
//   if (!applyCheck(core::checkInterval(entries(), endings), this)) return;  // said, focused
struct IntervalPickers {
  QGroupBox* grpDataInizio = nullptr;
  platform::ListOnlyCombo* txtGiornoInizio = nullptr;
  platform::ListOnlyCombo* txtMeseInizio = nullptr;
  QLabel* lblAnnoInizio = nullptr;
  QGroupBox* grpDataFine = nullptr;
  platform::ListOnlyCombo* txtGiornoFine = nullptr;
  platform::ListOnlyCombo* txtMeseFine = nullptr;
  QLabel* lblAnnoFine = nullptr;
  QLabel* lblDataInizio = nullptr;  // hidden: the composed dates
  QLabel* lblDataFine = nullptr;

  // The two groups on `parent` (" Data inizio intervallo: " at `startAt`, " Data fine
  // intervallo: " at `endAt`, 318 x `height`) and the hidden date labels.
  void addIntervalGroups(QWidget* parent, QPoint startAt, QPoint endAt, int height = 96);
  // The four pickers in Enter order; Enter in the last moves to `after`.
  std::array<platform::ListOnlyCombo*, 4> pickers() const;
  void chainEnter(QObject* context, QWidget* after);
  // The yellow highlight behind each picker while it has the focus (effGiornoInizio ..).
  void addPickerHighlights();
  // Both year labels; the four pickers emptied, with no entry chosen.
  void setIntervalYear(const QString& year);
  void emptyPickers();
  // The entries as the checks take them, with `year` as the window's own year box.
  core::SummaryEntries entries(const QString& year = QString()) const;
  // The dates `check` composed into the hidden labels; when it failed, says why in its
  // kind of box over `window` and puts the focus on the control it names (the year:
  // `yearBox`; none: the focus stays). Returns whether it passed.
  bool applyCheck(const core::SummaryCheck& check, QWidget* window, QWidget* yearBox = nullptr);
};

class SummaryWindow;

class SummaryMenu : public platform::Form, public IntervalPickers {
  Q_OBJECT
 public:
  SummaryMenu(QWidget* owner, SummarySettings settings);
  ~SummaryMenu() override;

  const SummarySettings& settings() const { return settings_; }
  QLineEdit* plateFilter() const { return plateEdit_; }
  // The second filter's text as it stands (edit or combo).
  QString otherFilterText() const;

  // Controls, in Enter order.
  platform::FilteredEdit* txtAnno = nullptr;
  QWidget* txtOther = nullptr;  // the second filter: an edit, or a combo with its items
  QPushButton* btnVisualizza = nullptr;
  QPushButton* btnEsci = nullptr;

  platform::PictureButton* impCliente = nullptr;
  QLabel* lblFile = nullptr;        // hidden: the archive of the year (yearly summaries only)
  QLabel* lblAttendere = nullptr;

 public slots:
  void btnVisualizzaMouseDown();
  void btnVisualizzaClick();
  void btnEsciClick();
  void impClienteClick();

 protected:
  void FormShow() override;
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Shows the summary modally; a window of its own class overrides this.
  virtual void showSummary(SummaryData data);

 private:
  void buildControls();
  void copyYear();
  void stop();

  SummarySettings settings_;
  QWidget* panContainer_ = nullptr;
  QLineEdit* plateEdit_ = nullptr;
};

class SummaryWindow : public platform::Form {
  Q_OBJECT
 public:
  // `menu` is the selection window (its lblAttendere is hidden when this closes).
  SummaryWindow(SummaryMenu* menu, const SummarySettings& settings, SummaryData data);

  QLineEdit* txtTrova = nullptr;
  QPushButton* btnTrova = nullptr;
  ResultList* lstRecords = nullptr;
  QLabel* titTipologia = nullptr;
  QLabel* lblIntervallo = nullptr;
  std::vector<QLabel*> totals;  // in the settings' order (lblLitriTot, ...)
  QLabel* lblConta = nullptr;
  QPushButton* btnStampa = nullptr;
  QPushButton* btnEsci = nullptr;
  platform::PictureButton* imgGuida = nullptr;

  // A total's label by name.
  QLabel* total(const QString& name) const;
  // What "Stampa riepilogo" prints after the list lines, and its title, as the window
  // stands.
  QString printTitle() const;
  QStringList printTrailer() const;

 public slots:
  void btnTrovaClick();
  void btnStampaClick();
  void btnEsciClick();
  void imgGuidaClick();

 protected:
  void FormShow() override;
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void buildControls();

  QPointer<SummaryMenu> menu_;
  SummarySettings settings_;
  SummaryData data_;
  QWidget* panContainer_ = nullptr;
};

}  // namespace kit

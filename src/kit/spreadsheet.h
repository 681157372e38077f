#pragma once
// The export window every record-keeping app shares: a grid filled from an archive
// when the window opens, written on request into a spreadsheet file beside the
// executable (core/spreadsheet), which can then be opened with its program.
//
// An export window is a table of settings plus whatever is truly its own:
//
//   class TfrmExpServizi : public kit::SpreadsheetWindow {
//    public:
//     explicit TfrmExpServizi(QWidget* owner) : SpreadsheetWindow(owner, settings()) {}
//     static kit::ExportSettings settings();  // file, sheet, columns, archive, help
//   };
//
// A column names a record field, or composes its value from the record (two fields
// joined); `take` selects records; the archive read is any archive source (a fixed
// name, a yearly one, the path in another window's lblFile); `sortBy` puts the rows in
// the order of one column's texts, the keys taken as the records are read. A window
// that reorders otherwise overrides fillGrid() and passes fillFromArchive() the
// reordering, which runs on a successful fill before the grid is shown (one reset of a
// large grid's view, not two).
//
// The grid is a view over the archive (core::TextGrid): a row is its record's index,
// a cell is read from the record when it is painted or written, and only the cells the
// user edits are kept apart, so a window over a whole archive opens at once.
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "kit/messages.h"
#include "core/record.h"
#include "core/spreadsheet.h"
#include "kit/archive_source.h"
#include "platform/form.h"

class QLabel;
class QFrame;
class QPixmap;
class QTableView;

namespace platform { class PictureButton; }

namespace kit {

class ExportGridModel;


// One exported column (grid columns 1 to n; column 0 is the row number).
struct ExportColumn {
  QString name;         // colTipo: the column's name in the window description
  QString heading;      // written into the file, and shown on the grid unless gridHeading says otherwise
  int screenWidth = 0;  // on the grid, in pixels
  int fileWidth = 0;    // the width written into the file's heading cell
  // The record field shown, trimmed; or, left empty, `compose` makes the value.
  std::string_view field = {};
  std::function<std::u16string(const core::RecordBuffer&)> compose = {};
  bool editable = false;  // may be changed on the grid before exporting
  QString gridHeading = {};  // the grid's own header where it differs from the file's heading
};

struct ExportSettings {
  QString windowClass;  // TfrmExpAutoparco
  QString caption;    // " Esportazione archivio veicoli in Microsoft Excel"
  QString fileName;   // "Parco_Automezzi.xls", beside the executable
  QString sheetName;  // "Parco Automezzi"
  // The archive read when the window opens, with its record layout (which must
  // outlive the window).
  ArchiveSource archive;
  // Records shown; null shows every record, one row each, in file order.
  std::function<bool(const core::RecordBuffer&)> take = {};
  // The grid column (1 to n) whose texts order the rows once filled (A-Z folded, equal
  // texts in the order taken); 0: the order taken.
  std::size_t sortBy = 0;
  QString numberName = QStringLiteral("colNum");
  int numberWidth = 60;  // the "N." column
  std::vector<ExportColumn> columns;
  // The help button: its title and paragraphs, shown through `help` (the program's
  // help window, TfrmGuida::showHelp).
  QString helpTitle;
  QStringList helpParagraphs;
  std::function<void(QWidget* owner, const QString& title, const QStringList& paragraphs)> help = {};
  // The logo drawn at the bottom left; none when null.
  std::function<QPixmap(int width, int height)> logo = {};
};

class SpreadsheetWindow : public platform::Form {
  Q_OBJECT
 public:
  SpreadsheetWindow(QWidget* owner, ExportSettings settings);
  ~SpreadsheetWindow() override;

  static constexpr int kDesignRows = 10;
  static constexpr int kRowHeight = 21;

  const ExportSettings& settings() const { return settings_; }
  // The grid's texts: column 0 the row number, columns 1 to n the exported values.
  core::TextGrid& grid() { return grid_; }
  const core::TextGrid& grid() const { return grid_; }
  int rowCount() const;
  QString cell(int row, int column) const;
  // Call after changing grid() directly, so the screen shows it.
  void gridChanged();
  // The export file's full path.
  QString exportPath() const;

  // Controls, in the order of the window description.
  QTableView* grdRecords;
  platform::PictureButton* cmdEsporta;
  platform::PictureButton* cmdGuida;
  platform::PictureButton* cmdEsci;
  QLabel* panInfo;
  QLabel* imgLogo;
  QLabel* icoHand;

 public slots:
  // Asks, writes the file, then offers to open it.
  void cmdEsportaClick();
  void cmdGuidaClick();
  void cmdEsciClick();

 protected:
  void FormShow() override;
  // Fills the grid when the window opens; by default fillFromArchive().
  virtual void fillGrid();
  // Reads the settings' archive into the grid (core::fillGrid). A failure of the
  // archive is silent: the rows filled so far stay, and false is returned; but the
  // grid then never replaces an earlier export (Esporta says the export failed and
  // writes nothing). `arrange`, when given, reorders the grid after a successful fill,
  // before the view shows it (TextGrid::reorderRows); a failed fill is left unsorted.
  bool fillFromArchive(const std::function<void(core::TextGrid&)>& arrange = {});

 private:
  void buildControls();
  // Ends an edit in progress on the grid, keeping what was typed.
  void commitEdit();

  ExportSettings settings_;
  std::vector<core::GridSource> sources_;
  std::vector<std::u16string> headings_;
  std::vector<core::SheetColumn> sheetColumns_;
  std::u16string sheetName_;
  core::TextGrid grid_;
  bool archiveUnread_ = false;  // the last fill could not read the whole archive
  ExportGridModel* model_ = nullptr;
  QFrame* shpGriglia_ = nullptr;
  QFrame* shpComandi_ = nullptr;
};

// Writes the export file at `path` (platform/files): false, with the reason in *error
// when given, when it cannot be written; an earlier file then stays byte for byte.
bool writeSpreadsheet(const QString& path, const core::Sheet& sheet, const core::TextGrid& grid,
                      QString* error = nullptr);

// Pictures drawn at run time for the export windows.
QPixmap spreadsheetPicture(int size);
QPixmap helpPicture(int size);
QPixmap exitPicture(int size);
QPixmap handPicture(int size);

}  // namespace kit

// The schedule's grids: the imminent, daily and monthly deadlines in date and time order
// and the whole year in file order, and their four export files byte for byte.
#include <QCalendarWidget>

#include "maintenance/frm_scadenzario_grids.h"
#include "maintenance/schedule_support.h"
#include "support/export_file_bytes.h"

namespace {

// The 19 exported headings with their widths, then the sort key's.
const char* const kHeadings[][2] = {
    {"Data scadenza", "150"},       {"Ora appuntamento", "150"},      {"Conduttore", "250"},
    {"Codice fiscale", "200"},      {"Recapito preferenziale", "250"}, {"Tipo veicolo", "250"},
    {"Marca", "250"},               {"Modello", "250"},               {"Colore", "200"},
    {"Alimentazione", "200"},       {"Targa", "200"},                 {"Tipo manutenzione", "250"},
    {"Dettagli intervento", "300"}, {"Ricambi sostituiti", "300"},    {"Costo intervento", "200"},
    {"Meccanico esecutore", "250"}, {"Appuntamento da confermare", "250"}, {"Manutenzione effettuata", "250"},
    {"Note", "300"},                {"Codice univoco", "150"},
};

QByteArray headingRow(int columns) {
  QByteArray out = "<tr>";
  for (int c = 0; c < columns; ++c)
    out += QByteArray("<td style=\"text-align: left; font-weight: bold;\" width=") + kHeadings[c][1] + ">" +
           kHeadings[c][0] + "</td>";
  return out + "</tr>";
}

QByteArray dataRow(const QList<QByteArray>& cells) {
  QByteArray out = "<tr>";
  for (const QByteArray& c : cells) out += "<td style=\"text-align: left;\">" + c + "</td>";
  return out + "</tr>";
}

// The exported cells of a deadline made by deadline() with `note`, as the file holds them.
QList<QByteArray> cells(const QByteArray& date, const QByteArray& time, const QByteArray& note, const QByteArray& key) {
  QList<QByteArray> c = {date,    time,       "Mario Rossi", "",   "0123456", "Autovettura", "Fiat",
                         "Panda", "",         "",            "AB123CD", "Tagliando", "", "",
                         "0,00",  "",         "No",          "No", note};
  if (!key.isNull()) c << key;
  return c;
}

class ScheduleGrids : public ScheduleTest {
 protected:
  // Opens a grid from the schedule window and runs `script` while it is open.
  template <typename Window>
  void run(std::function<void(Window&)> script) {
    host.modalScripts.push_back([&](platform::Form& f) { script(static_cast<Window&>(f)); });
    Window window(w);
    window.showModalDialog();
  }
  // The grid's column `c`, every row.
  static QStringList column(const kit::SpreadsheetWindow& g, int c) {
    QStringList out;
    for (int r = 0; r < g.rowCount(); ++r) out << g.cell(r, c);
    return out;
  }
};

TEST_F(ScheduleGrids, TheImminentGridIsInDateAndTimeOrderWithFileOrderNumbers) {
  appendDeadlines("2024.sca", {
                                  deadline("20/03/2024", "15", {{"Note", "a"}}),
                                  deadline("12/03/2024", "5", {{"Note", "b"}, {"OreApp", "14"}, {"MinutiApp", "05"}}),
                                  deadline("11/03/2024", "x", {{"Note", "not a number"}}),
                                  deadline("12/03/2024", "5", {{"Note", "c"}, {"OreApp", "08"}}),
                                  deadline("09/03/2024", "5", {{"Note", "yesterday"}}),
                                  deadline("10/04/2024", "5", {{"Note", "far"}}),
                              });
  appendDeadlines("2023.sca", {deadline("10/03/2023", "0", {{"Note", "other year"}})});
  openYear("2023");  // the card shows another year; the imminent grid reads this one
  run<TfrmExpImminenti>([&](TfrmExpImminenti& g) {
    EXPECT_EQ(g.windowTitle(), " Scadenze imminenti");
    EXPECT_EQ(column(g, 19), QStringList({"c", "b", "a"}));
    EXPECT_EQ(column(g, 20), QStringList({"03120830", "03121405", "03200930"}));
    EXPECT_EQ(column(g, 0), QStringList({"3", "2", "1"}));
  });
}

TEST_F(ScheduleGrids, AnEmptyYearKeepsTheDesignRowsAndNoMatchGivesNone) {
  run<TfrmExpImminenti>([&](TfrmExpImminenti& g) { EXPECT_EQ(g.rowCount(), 10); });
  appendDeadlines("2024.sca", {deadline("01/01/2024", "0")});
  run<TfrmExpImminenti>([&](TfrmExpImminenti& g) { EXPECT_EQ(g.rowCount(), 0); });
}

TEST_F(ScheduleGrids, TheDayAndTheMonthComeFromTheCalendar) {
  appendDeadlines("2023.sca", {
                                  deadline("15/06/2023", "0", {{"Note", "a"}, {"OreApp", "16"}}),
                                  deadline("15/06/2023", "0", {{"Note", "b"}}),
                                  deadline("02/06/2023", "0", {{"Note", "c"}, {"Mese", "GIUGNO"}}),
                                  deadline("03/06/2023", "0", {{"Note", "d"}, {"Anno", "2022"}}),
                                  deadline("15/07/2023", "0", {{"Note", "e"}}),
                              });
  showActive();
  w->calAppuntamenti->setSelectedDate(QDate(2023, 6, 15));
  run<TfrmExpGiornaliere>([&](TfrmExpGiornaliere& g) {
    EXPECT_EQ(g.windowTitle(), " Scadenze del giorno");
    EXPECT_EQ(column(g, 19), QStringList({"b", "a"}));
  });
  run<TfrmExpMensili>([&](TfrmExpMensili& g) {
    EXPECT_EQ(g.windowTitle(), " Scadenze del mese");
    // A month stored in capitals matches; a record of another year does not.
    EXPECT_EQ(column(g, 19), QStringList({"c", "b", "a"}));
  });
}

TEST_F(ScheduleGrids, TheWholeYearGridIsTheOpenYearInFileOrder) {
  appendDeadlines("2023.sca", {deadline("20/03/2023", "1", {{"Note", "a"}}), deadline("01/01/2023", "1", {{"Note", "b"}})});
  openYear("2023");
  run<TfrmExpScadenzario>([&](TfrmExpScadenzario& g) {
    EXPECT_EQ(g.windowTitle(), " Esporta archivio scadenzario manutenzioni");
    EXPECT_EQ(g.grid().columnCount(), 20u);
    EXPECT_EQ(column(g, 0), QStringList({"1", "2"}));
    EXPECT_EQ(column(g, 19), QStringList({"a", "b"}));
  });
}

TEST_F(ScheduleGrids, EachGridExportsItsOwnFile) {
  appendDeadlines("2024.sca", {deadline("12/03/2024", "5", {{"Note", "x<y"}})});
  openYear("2024");
  struct Case {
    const char* file;
    const char* sheet;
    std::function<void()> open;
    int columns;
  } cases[] = {
      {"Scadenze_Imminenti.xls", "Scadenze imminenti",
       [&] { run<TfrmExpImminenti>([](TfrmExpImminenti& g) { click(g.cmdEsporta); }); }, 20},
      {"Scadenze_Giornaliere.xls", "Scadenze del giorno",
       [&] { run<TfrmExpGiornaliere>([](TfrmExpGiornaliere& g) { click(g.cmdEsporta); }); }, 20},
      {"Scadenze_Mensili.xls", "Scadenze del mese",
       [&] { run<TfrmExpMensili>([](TfrmExpMensili& g) { click(g.cmdEsporta); }); }, 20},
      {"Scadenzario_Manutenzioni.xls", "Scadenzario Manutenzioni",
       [&] { run<TfrmExpScadenzario>([](TfrmExpScadenzario& g) { click(g.cmdEsporta); }); }, 19},
  };
  w->calAppuntamenti->setSelectedDate(QDate(2024, 3, 12));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    host.clear();
    host.answers = {true, false};
    c.open();
    const QByteArray key = c.columns == 20 ? QByteArray("03120930") : QByteArray();
    const QByteArray expected = QByteArray::fromStdString(exportFileHead(c.sheet)) + headingRow(c.columns) +
                                dataRow(cells("12/03/2024", "09:30", "x&lt;y", key)) +
                                QByteArray::fromStdString(kExportFileTail);
    EXPECT_EQ(dir.read(c.file), expected);
  }
}

TEST_F(ScheduleGrids, AnEmptyYearExportsTenEmptyRows) {
  openYear("2023");
  host.answers = {true, false};
  run<TfrmExpScadenzario>([](TfrmExpScadenzario& g) { click(g.cmdEsporta); });
  QByteArray expected = QByteArray::fromStdString(exportFileHead("Scadenzario Manutenzioni")) + headingRow(19);
  for (int i = 0; i < 10; ++i) expected += dataRow(QList<QByteArray>(19, QByteArray()));
  expected += QByteArray::fromStdString(kExportFileTail);
  EXPECT_EQ(dir.read("Scadenzario_Manutenzioni.xls"), expected);
}

}  // namespace

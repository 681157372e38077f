// The three day lists of the gate card: which visits each takes on the pinned day,
// their lines, the print titles dated when printing, list find starting afresh at
// every opening, the double-click into the gate card and the failures.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "gate/gate_fixtures.h"
#include "core/clock.h"
#include "gate/day_lists.h"
#include "gate/frm_entrati_oggi.h"
#include "gate/frm_non_usciti.h"
#include "gate/frm_registro.h"
#include "gate/frm_usciti_oggi.h"
#include "gate/visit_days.h"
#include "gate/visit_record.h"
#include "support/archive_files.h"
#include "support/card_print_checks.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"

namespace {

const QString kArchive = kGateArchive;

FieldTexts visit(const QString& plate, const QString& entered, const QString& left, const QString& leftAt = "17:00") {
  return {{"DataEnt", entered}, {"OraEnt", "08:30"},  {"OperatoreEnt", "Bianchi"},     {"Veicolo", "Fiat Ducato"},
          {"Targa", plate},     {"DataUsc", left},    {"OraUsc", left.trimmed().isEmpty() ? QString() : leftAt},
          {"Conduttore", "Mario Rossi"}, {"Note", "nota " + plate}};
}

QString col(const QString& s, int n) { return listColumn(s, n); }
QString field(const FieldTexts& v, std::string_view name) {
  auto it = v.find(name);
  return it == v.end() ? QString() : it->second;
}
// The three lines, built here independently of the program.
QString exitedLine(const FieldTexts& v) {
  return col(field(v, "Veicolo"), 30) + "  Targa: " + col(field(v, "Targa"), 12) + "  Ora uscita: " +
         col(field(v, "OraUsc"), 5) + "  Entrata: " + col(field(v, "DataEnt"), 10) + "  Ora: " +
         col(field(v, "OraEnt"), 5) + "  Conduttore: " + field(v, "Conduttore").trimmed();
}
QString enteredLine(const FieldTexts& v) {
  return col(field(v, "Veicolo"), 30) + "  Targa: " + col(field(v, "Targa"), 12) + "  Ora entrata: " +
         col(field(v, "OraEnt"), 5) + "  Uscita: " + col(field(v, "DataUsc"), 10) + "  Ora: " +
         col(field(v, "OraUsc"), 5) + "  Conduttore: " + field(v, "Conduttore").trimmed();
}
QString insideLine(const FieldTexts& v) {
  return col(field(v, "Veicolo"), 30) + "  Targa: " + col(field(v, "Targa"), 12) + "  Entrata: " +
         col(field(v, "DataEnt"), 10) + "  Ora: " + col(field(v, "OraEnt"), 5) + "  Conduttore: " +
         field(v, "Conduttore").trimmed();
}

class DayLists : public GateCardTest {
 protected:

  template <typename W>
  std::unique_ptr<W> open() {
    auto w = std::make_unique<W>(card);
    w->show();
    return w;
  }
  void write(const std::vector<FieldTexts>& visits) { appendFieldRecords(kArchive, gate::visitLayout(), visits); }

  core::PinnedClock clock{core::DateTime{{5, 3, 2024}, 10, 0, 0}};
};

TEST_F(DayLists, EachListTakesItsVisitsOfTheDayByTheirExactText) {
  const FieldTexts in = visit("IN", "05/03/2024", "");
  const FieldTexts inAndOut = visit("INOUT", "05/03/2024", "05/03/2024");
  const FieldTexts outToday = visit("OUT", "01/03/2024", " 05/03/2024 ");
  const FieldTexts oneDigit = visit("ONEDIGIT", "5/3/2024", "5/3/2024");
  const FieldTexts dashes = visit("DASHES", "05-03-2024", "05-03-2024");
  const FieldTexts blanks = visit("BLANKS", "01/01/2024", "   ");
  const FieldTexts yesterday = visit("OLD", "04/03/2024", "04/03/2024");
  write({in, inAndOut, outToday, oneDigit, dashes, blanks, yesterday});

  auto usciti = open<TfrmUscitiOggi>();
  auto entrati = open<TfrmEntratiOggi>();
  auto dentro = open<TfrmNonUsciti>();
  EXPECT_EQ(listLines(usciti->lstRecords), QStringList({exitedLine(inAndOut), exitedLine(outToday)}));
  EXPECT_EQ(listLines(entrati->lstRecords), QStringList({enteredLine(in), enteredLine(inAndOut)}));
  // Every day of the year, today's too; an exit date of blanks only is no exit.
  EXPECT_EQ(listLines(dentro->lstRecords), QStringList({insideLine(blanks), insideLine(in)}));
  EXPECT_TRUE(host.boxes.empty());

  const QString exited = listLines(usciti->lstRecords)[0];
  EXPECT_EQ(exited.mid(117), "Mario Rossi");
  EXPECT_EQ(exited.mid(65, 5), "17:00");
  EXPECT_EQ(listLines(dentro->lstRecords)[0].mid(98), "Mario Rossi");
  EXPECT_EQ(listLines(entrati->lstRecords)[1].mid(81, 10), "05/03/2024");
}

TEST_F(DayLists, IsDateOfReadsStoredBytesExactly) {
  const core::Date day{5, 3, 2024};
  struct Case {
    const char* stored;
    bool today;
  } cases[] = {{"05/03/2024", true}, {"  05/03/2024\t", true}, {"5/3/2024", false}, {"05-03-2024", false},
               {"05/03/2023", false}, {"", false},            {"05/03/20245", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(gate::isDateOf(c.stored, day), c.today);
  }
}

TEST_F(DayLists, WindowsAsDesignedAndTitlesDatedWhenPrinting) {
  struct Case {
    std::unique_ptr<kit::SearchWindow> w;
    const char* className;
    const char* caption;
    const char* title;  // printed on the 6th, the lists having been filled on the 5th
  };
  Case cases[] = {
      {open<TfrmUscitiOggi>(), "TfrmUscitiOggi", " Veicoli usciti oggi", "Veicoli usciti in data 06/03/2024"},
      {open<TfrmEntratiOggi>(), "TfrmEntratiOggi", " Veicoli entrati oggi", "Veicoli entrati in data 06/03/2024"},
      {open<TfrmNonUsciti>(), "TfrmNonUsciti", " Veicoli non ancora usciti", "Veicoli non ancora usciti"},
  };
  EXPECT_TRUE(dir.exists(kArchive));  // a missing archive is created empty by the fill
  EXPECT_EQ(dir.read(kArchive).size(), 0);
  core::PinnedClock nextDay(core::DateTime{{6, 3, 2024}, 0, 1, 0});
  for (Case& c : cases) {
    SCOPED_TRACE(c.className);
    EXPECT_EQ(c.w->objectName(), c.className);
    EXPECT_EQ(c.w->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(c.w->kind(), platform::WindowKind::CentredOnScreen);
    EXPECT_EQ(c.w->size(), QSize(862, 560));
    EXPECT_EQ(c.w->lblTrovate, nullptr);
    EXPECT_EQ(c.w->findChild<QLabel*>("lblMemory"), nullptr);
    EXPECT_EQ(c.w->findChild<QWidget*>("effTrova"), nullptr);
    EXPECT_EQ(c.w->lblRigo03->text(), "Fare doppio clic sulla voce in elenco per richiamare la scheda");
    // An empty list: nothing to find, and the print still has its title.
    host.clear();
    click(c.w->btnTrova);
    EXPECT_EQ(host.texts(), QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});
    host.printPdfPath = dir.file(QString::fromLatin1(c.className) + ".pdf");
    click(c.w->btnStampa);
    ASSERT_TRUE(QFile::exists(host.printPdfPath));
    if (const std::optional<QString> pdf = pdfText(host.printPdfPath)) {
      EXPECT_TRUE(pdf->contains(QString::fromLatin1(c.title))) << pdf->toStdString();
      EXPECT_TRUE(pdf->contains("Stampa eseguita in data 06/03/2024"));
    }
    EXPECT_TRUE(c.w->isVisible());
  }
}

TEST_F(DayLists, FindStartsAfreshAtEveryOpening) {
  write({visit("AB1", "01/03/2024", ""), visit("AB2", "02/03/2024", ""), visit("CD3", "03/03/2024", "")});
  for (int opening = 0; opening < 2; ++opening) {
    SCOPED_TRACE(opening);
    auto w = open<TfrmNonUsciti>();
    EXPECT_TRUE(w->txtTrova->text().isEmpty());
    w->txtTrova->setText(QStringLiteral("targa: ab"));
    click(w->btnTrova);
    EXPECT_EQ(w->lstRecords->currentIndex().row(), 0);
    click(w->btnTrova);
    EXPECT_EQ(w->lstRecords->currentIndex().row(), 1);
  }
  auto w = open<TfrmNonUsciti>();
  activate(w.get());
  EXPECT_EQ(QApplication::focusWidget(), w->txtTrova);
  pressKey(w->txtTrova, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w->btnTrova);
}

// The exited-today line holds no exit date: a visit of another day with the same line
// is loaded, the last one in the file, with its number.
TEST_F(DayLists, DoubleClickLoadsTheLastEqualLineEvenFromOutsideTheList) {
  FieldTexts today = visit("AB123CD", "04/03/2024", "05/03/2024");
  FieldTexts otherDay = visit("AB123CD", "04/03/2024", "07/03/2024");
  otherDay["Note"] = "uscita un altro giorno";
  write({visit("ZZ", "01/03/2024", ""), today, otherDay});
  card->lblPosizione->setText(QStringLiteral("1"));
  card->txtMerce->setText(QStringLiteral("sul video"));
  auto w = open<TfrmUscitiOggi>();
  ASSERT_EQ(listCount(w->lstRecords), 1);
  selectLine(w->lstRecords, 0);
  w->lstRecordsDblClick();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(card->lblPosizione->text(), "3");
  EXPECT_EQ(card->txtDataUsc->text(), "07/03/2024");
  EXPECT_EQ(card->txtNote->text(), "uscita un altro giorno");
  EXPECT_TRUE(card->txtMerce->text().isEmpty());  // all sixteen edits replaced
  EXPECT_EQ(card->txtOperatoreEnt->text(), "Bianchi");

  // No line chosen: the window closes and writes nothing.
  card->cmdNuovoClick();
  auto dentro = open<TfrmNonUsciti>();
  dentro->lstRecordsDblClick();
  EXPECT_FALSE(dentro->isVisible());
  EXPECT_TRUE(card->lblPosizione->text().isEmpty());
}

// An archive that exists but cannot be opened is never replaced: the lists stay
// empty and say nothing. A print failure shows its own message and the list stays.
TEST_F(DayLists, AnUnopenableArchiveLeavesTheListsEmptyAndAPrintFailureIsAnErrorBox) {
  QDir(dir.path()).mkdir(kArchive);
  auto w = open<TfrmNonUsciti>();
  EXPECT_EQ(listCount(w->lstRecords), 0);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(QFileInfo(dir.file(kArchive)).isDir());

  host.printPdfPath = dir.file(QStringLiteral("manca/lista.pdf"));
  click(w->btnStampa);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Error);
  EXPECT_TRUE(host.last().text.contains(QStringLiteral("manca/lista.pdf")));
  EXPECT_TRUE(w->isVisible());
}

}  // namespace

// The three availability lists of the driver card: which drivers each takes, their
// lines, list find and print, and the double-click that loads the driver card.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <map>
#include <memory>

#include "drivers/driver_record.h"
#include "drivers/frm_anagrafica.h"
#include "drivers/frm_ferie.h"
#include "drivers/frm_servizio.h"
#include "drivers/frm_trasferte.h"
#include "platform/qtext.h"
#include "support/app/driver_archive.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"
#include "support/stand_in_windows.h"

namespace {

using Fields = DriverFields;

Fields driver(const QString& name, const QString& ferie, const QString& trasferte) {
  return {{"Conducente", name}, {"Recapito", "333 1234567"}, {"Marca", "Fiat"},    {"Modello", "Panda"},
          {"Targa", "AB123CD"}, {"Programma", "agosto"},     {"Note", "nota"},     {"Ferie", ferie},
          {"Trasferte", trasferte}};
}

// The availability line, built here independently of the program.
QString planLine(const Fields& d) {
  auto f = [&](std::string_view n) { auto it = d.find(n); return it == d.end() ? QString() : it->second; };
  auto col = [](const QString& s, int n) { return s.leftJustified(n, QLatin1Char(' '), true); };
  return col(f("Conducente"), 26) + "  Tel. " + col(f("Recapito"), 14) + "  " +
         col(f("Marca") + " " + f("Modello"), 26) + "  Targa: " + col(f("Targa"), 12) + "  " + f("Programma");
}

template <typename W>
std::unique_ptr<W> open() {
  auto w = std::make_unique<W>(nullptr);
  w->show();
  return w;
}

QStringList names(const QAbstractItemView* list, int width) {
  QStringList out;
  for (const QString& line : listLines(list)) out << platform::trim(line.left(width));
  return out;
}

class DriverLists : public ::testing::Test {
 protected:
  TempExeDir dir;
  ScriptedDialogHost host;
  StandInWindows windows;
};

TEST_F(DriverLists, EachListTakesItsFlagAndAnyOtherTextIsInNone) {
  appendDrivers({driver("Ferie Viaggia", "Sì", "Sì"), driver("Servizio Resta", "No", "No"),
                 driver("Strano Flag", "Xx", "si"), driver("Ferie Resta", " Sì", "No"),
                 driver("Servizio Viaggia", "No", "Sì")});
  auto ferie = open<TfrmFerie>();
  auto servizio = open<TfrmServizio>();
  auto trasferte = open<TfrmTrasferte>();
  EXPECT_EQ(names(ferie->lstRecords, 26), QStringList({"Ferie Resta", "Ferie Viaggia"}));
  EXPECT_EQ(names(servizio->lstRecords, 26), QStringList({"Servizio Resta", "Servizio Viaggia"}));
  EXPECT_EQ(names(trasferte->lstRecords, 30), QStringList({"Ferie Viaggia", "Servizio Viaggia"}));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DriverLists, WindowsAsDesigned) {
  struct Case {
    std::unique_ptr<kit::SearchWindow> w;
    const char* className;
    const char* caption;
    const char* printTitle;
  };
  Case cases[] = {
      {open<TfrmTrasferte>(), "TfrmTrasferte", " Riepilogo conduttori disponibili per trasferte",
       "Riepilogo conduttori disponibili per trasferte"},
      {open<TfrmFerie>(), "TfrmFerie", " Riepilogo conduttori in ferie", "Riepilogo conduttori in ferie"},
      {open<TfrmServizio>(), "TfrmServizio", " Riepilogo conduttori in servizio", "Riepilogo conduttori in servizio"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    EXPECT_EQ(c.w->objectName(), c.className);
    EXPECT_EQ(c.w->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(c.w->listSettings().printTitle, c.printTitle);
    EXPECT_EQ(c.w->kind(), platform::WindowKind::CentredOnScreen);
    EXPECT_EQ(c.w->lblTrovate, nullptr);  // no counter
    EXPECT_EQ(c.w->findChild<QLabel*>("lblMemory"), nullptr);
    EXPECT_EQ(c.w->lblRigo03->text(), "Fare doppio clic sulla voce in elenco per richiamare la scheda");
    EXPECT_NE(c.w->findChild<QWidget*>("effTrova"), nullptr);
    EXPECT_TRUE(c.w->panContainer->isVisible());
  }
}

TEST_F(DriverLists, ThePlanBeginsAtCharacter99AndTheNameIsCutAt26) {
  Fields longName = driver("Della Valle Bartolomei Giovanni", "Sì", "Sì");
  longName["Programma"] = QStringLiteral("dal 1 al 31 agosto, poi ") + QString(200, QLatin1Char('x'));
  appendDrivers({longName});
  auto ferie = open<TfrmFerie>();
  auto trasferte = open<TfrmTrasferte>();
  const QStringList lines = listLines(ferie->lstRecords);
  ASSERT_EQ(lines.size(), 1);
  EXPECT_EQ(lines[0], planLine(longName));
  EXPECT_EQ(lines[0].left(26), "Della Valle Bartolomei Gio");
  EXPECT_EQ(lines[0].mid(98), longName["Programma"]);  // whole, however long
  EXPECT_EQ(listLines(trasferte->lstRecords)[0].left(30), "Della Valle Bartolomei Giovann");
  EXPECT_EQ(listLines(trasferte->lstRecords)[0].mid(112), "nota");
}

// The double-click rebuilds every record's line whatever its flags: of two equal
// lines the later record is loaded, even when it is not on holiday.
TEST_F(DriverLists, DoubleClickLoadsTheLaterEqualLineWithoutTestingTheFlag) {
  Fields onHoliday = driver("Rossi Mario", "Sì", "No");
  Fields onDuty = driver("Rossi Mario", "No", "Sì");
  onDuty["Note"] = "diversa";  // not in the availability line
  appendDrivers({onHoliday, onDuty});
  auto* card = new TfrmAnagrafica(nullptr);
  windows.adopt(card);
  auto ferie = open<TfrmFerie>();
  ASSERT_EQ(listCount(ferie->lstRecords), 1);
  selectLine(ferie->lstRecords, 0);
  ferie->lstRecordsDblClick();
  EXPECT_FALSE(ferie->isVisible());
  EXPECT_EQ(card->lblPosizione->text(), "2");
  EXPECT_EQ(card->txtNote->text(), "diversa");
  EXPECT_FALSE(card->chkFerie->isChecked());
  EXPECT_TRUE(card->chkTrasferte->isChecked());

  // No line chosen: the window closes and nothing is written.
  card->cmdNuovoClick();
  auto servizio = open<TfrmServizio>();
  servizio->lstRecordsDblClick();
  EXPECT_FALSE(servizio->isVisible());
  EXPECT_TRUE(card->lblPosizione->text().isEmpty());
}

TEST_F(DriverLists, EmptyListsFindNothingToSearchAndStillPrint) {
  auto ferie = open<TfrmFerie>();
  EXPECT_TRUE(dir.exists(QStringLiteral("Conducenti.pro")));
  EXPECT_EQ(listCount(ferie->lstRecords), 0);
  click(ferie->btnTrova);
  EXPECT_EQ(host.texts(), QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});
  EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);

  host.printPdfPath = dir.file(QStringLiteral("ferie.pdf"));
  click(ferie->btnStampa);
  EXPECT_EQ(host.printDialogs, 1);
  QProcess pdftotext;
  pdftotext.start("pdftotext", {host.printPdfPath, "-"});
  if (pdftotext.waitForFinished(30000)) {
    EXPECT_TRUE(QString::fromUtf8(pdftotext.readAllStandardOutput()).contains("Riepilogo conduttori in ferie"));
  }
}

TEST_F(DriverLists, FindBoxHighlightAndListFind) {
  appendDrivers({driver("Rossi Mario", "Sì", "No"), driver("Bianchi Anna", "Sì", "No")});
  auto ferie = open<TfrmFerie>();
  activate(ferie.get());
  EXPECT_EQ(QApplication::focusWidget(), ferie->txtTrova);
  EXPECT_TRUE(find<QWidget>(ferie.get(), "effTrova")->isVisible());
  ferie->txtTrova->setText(QStringLiteral("ROSSI"));
  pressKey(ferie->txtTrova, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), ferie->btnTrova);
  EXPECT_FALSE(find<QWidget>(ferie.get(), "effTrova")->isVisible());
  click(ferie->btnTrova);
  EXPECT_EQ(ferie->lstRecords->currentIndex().row(), 1);
}

}  // namespace

// The driver search and picker: filters, the driver line, the counter, list find and
// print, and the double-click into the window its key word names.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>
#include <memory>

#include "drivers/driver_lines.h"
#include "drivers/driver_record.h"
#include "drivers/frm_anagrafica.h"
#include "drivers/frm_trova_anagrafica.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "support/app/driver_archive.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"
#include "support/stand_in_windows.h"

namespace {

using Fields = DriverFields;

Fields rossi() {
  return {{"Conducente", "Rossi Mario"}, {"Recapito", "333 1234567"}, {"Marca", "Fiat"},   {"Modello", "Panda"},
          {"Targa", "AB123CD"},          {"Note", "turno  notte"},    {"Citta", "Torino"}, {"CodFisc", "RSSMRA80A01L219X"},
          {"Patenti", "B C"},            {"Ferie", "No"},             {"Trasferte", "Sì"}};
}
Fields bianchi() {
  return {{"Conducente", "Bianchi Anna"}, {"Recapito", "011 555"}, {"Marca", "Iveco"}, {"Modello", "Daily"},
          {"Targa", "EF456GH"},           {"Citta", "Roma"},       {"Patenti", "B"},    {"Ferie", "Sì"}};
}

// The line as the list shows it, built here independently of the program.
QString lineOf(const Fields& d) {
  auto f = [&](std::string_view n) { auto it = d.find(n); return it == d.end() ? QString() : it->second; };
  auto col = [](const QString& s, int n) { return s.leftJustified(n, QLatin1Char(' '), true); };
  return col(f("Conducente"), 30) + "  Tel. " + col(f("Recapito"), 14) + "  " + col(f("Marca") + " " + f("Modello"), 30) +
         "  Targa: " + col(f("Targa"), 12) + "  Note: " + f("Note");
}

// A card standing in for a schedule card: the three fields the picker fills, one it
// must leave alone and its position label.
class StandInCard : public platform::Form {
 public:
  explicit StandInCard(const QString& className)
      : platform::Form(nullptr, className, platform::WindowKind::Maximized, QString(), 200, 200) {
    for (const char* name : {"txtConducente", "txtCodFisc", "txtRecapito", "txtMarca"}) {
      auto* e = new QLineEdit(this);
      e->setObjectName(QString::fromLatin1(name));
      e->setText(QStringLiteral("prima"));
    }
    auto* position = new QLabel(QStringLiteral("7"), this);
    position->setObjectName(QStringLiteral("lblPosizione"));
  }
  QString text(const char* name) { return findChild<QLineEdit*>(QString::fromLatin1(name))->text(); }
};

class TrovaAnagrafica : public ::testing::Test {
 protected:
  std::unique_ptr<TfrmTrovaAnagrafica> open(const QString& keyWord = {}) {
    auto w = std::make_unique<TfrmTrovaAnagrafica>(nullptr);
    w->setMemory(keyWord);
    w->show();
    return w;
  }
  void search(TfrmTrovaAnagrafica& w, const std::map<QString, QString>& filters = {}) {
    for (const auto& [name, text] : filters) w.filterEdit(name)->setText(text);
    click(w.btnCerca);
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  StandInWindows windows;
};

TEST_F(TrovaAnagrafica, OpensOnTenFiltersInTheirChain) {
  auto w = open();
  EXPECT_EQ(w->objectName(), "TfrmTrovaAnagrafica");
  EXPECT_EQ(w->windowTitle(), " Trova conduttori in archivio");
  EXPECT_EQ(w->kind(), platform::WindowKind::CentredOnScreen);
  const QStringList chain{"txtConducente", "txtCodFisc", "txtPatenti",  "txtCitta",     "txtVeicolo",
                          "txtTarga",      "txtMarca",   "txtModello",  "txtProgramma", "txtNote"};
  const QStringList captions{"Cognome e nome:", "Codice fiscale:", "Patenti di guida:", "Città:",
                             "Tipo veicolo assegnato:", "Targa:", "Marca:", "Modello:", "Programma ferie:", "Note:"};
  ASSERT_EQ(w->filterEdits.size(), 10);
  for (int i = 0; i < chain.size(); ++i) {
    EXPECT_EQ(w->filterEdits[i]->objectName(), chain[i]);
    EXPECT_EQ(w->filterLabels[i]->text(), captions[i]);
    EXPECT_EQ(w->highlights[i]->objectName(), QStringLiteral("effCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')));
  }
  activate(w.get());
  EXPECT_EQ(QApplication::focusWidget(), w->txtConducente);
  w->txtNote->setFocus();
  pressKey(w->txtNote, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w->txtConducente);
}

TEST_F(TrovaAnagrafica, TheLineCutsNameContactVehicleAndPlateButNeverTheNotes) {
  Fields longOne = rossi();
  longOne["Conducente"] = "Della Valle Bartolomei Giovanni Battista";
  longOne["Recapito"] = "+39 011 1234567 (ufficio)";
  longOne["Targa"] = "AB123CD-ESTERO";
  longOne["Note"] = QString(300, QLatin1Char('n')).left(250);
  Fields noMake = bianchi();
  noMake.erase("Marca");
  appendDrivers({longOne, noMake});
  auto w = open();
  search(*w);
  const QStringList lines = listLines(w->lstRecords);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[1], lineOf(longOne));
  EXPECT_EQ(lines[1].left(30), "Della Valle Bartolomei Giovann");
  EXPECT_EQ(lines[1].mid(112), longOne["Note"]);  // the notes from character 113
  EXPECT_EQ(lines[0].mid(53, 8), " Daily  ");  // an empty make: the vehicle begins with a blank
  EXPECT_EQ(lines[0], lineOf(noMake));
  EXPECT_EQ(w->lblTrovate->text(), "Il presente elenco contiene 2 schede.");
}

TEST_F(TrovaAnagrafica, NoFilterListsEveryCardWithItsCounter) {
  std::vector<Fields> twelve;
  for (int i = 0; i < 12; ++i) {
    Fields d = rossi();
    d["Conducente"] = QStringLiteral("Autista %1").arg(i, 2, 10, QLatin1Char('0'));
    twelve.push_back(d);
  }
  appendDrivers(twelve);
  auto w = open();
  search(*w);
  EXPECT_EQ(listCount(w->lstRecords), 12);
  EXPECT_EQ(w->lblTrovate->text(), "Il presente elenco contiene 12 schede.");
  EXPECT_EQ(w->lblConta->text(), "0");
  EXPECT_TRUE(w->panContainer->isVisible());
  EXPECT_FALSE(w->panAvvio->isVisible());
}

TEST_F(TrovaAnagrafica, FiltersFoldAToZEveryFilledOneMustMatchAndBlanksNeverDo) {
  Fields verdi = rossi();
  verdi["Conducente"] = "Verdi Luca";
  verdi["Citta"] = "Roma";
  appendDrivers({rossi(), bianchi(), verdi});
  struct Case {
    const char* name;
    std::map<QString, QString> filters;
    QStringList found;  // names, in list order
    const char* count;
  };
  const Case cases[] = {
      {"part of a surname, any case", {{"txtConducente", "ROSS"}}, {"Rossi Mario"}, "1"},
      {"name and town both", {{"txtConducente", "i"}, {"txtCitta", "roma"}}, {"Bianchi Anna", "Verdi Luca"}, "2"},
      {"name matches, town does not", {{"txtConducente", "rossi"}, {"txtCitta", "roma"}}, {}, "2"},
      // A filter of blanks neither counts nor matches: a note holding two blanks is
      // not found by it.
      {"blanks alone list everything",
       {{"txtNote", "  "}},
       {"Bianchi Anna", "Rossi Mario", "Verdi Luca"},
       "0"},
      {"a word and blanks", {{"txtCitta", "roma"}, {"txtNote", "  "}}, {"Bianchi Anna", "Verdi Luca"}, "1"},
      {"a filter is matched as typed", {{"txtNote", "o  n"}}, {"Rossi Mario", "Verdi Luca"}, "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = open();
    search(*w, c.filters);
    QStringList names;
    for (const QString& line : listLines(w->lstRecords)) names << platform::trim(line.left(30));
    EXPECT_EQ(names, c.found);
    EXPECT_EQ(w->lblConta->text(), c.count);
  }
}

// Each key word writes into the window the directory knows by that name: the
// schedule cards take name, tax code and contact only, and keep their position.
TEST_F(TrovaAnagrafica, EachKeyWordWritesItsFieldsAndNothingElse) {
  appendDrivers({rossi()});
  auto* scadenzario = new StandInCard(QStringLiteral("TfrmScadenzario"));
  auto* chilometrico = new StandInCard(QStringLiteral("TfrmChilometrico"));
  windows.adopt(scadenzario);
  windows.adopt(chilometrico);
  struct Case {
    QString keyWord;
    StandInCard* written;  // null: nobody
  };
  const Case cases[] = {{"scadenzario", scadenzario}, {" chilometrico ", chilometrico}, {"Scadenzario", nullptr},
                        {"", nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keyWord.toStdString());
    for (StandInCard* card : {scadenzario, chilometrico})
      for (const char* name : {"txtConducente", "txtCodFisc", "txtRecapito"})
        card->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QStringLiteral("prima"));
    auto w = open(c.keyWord);
    search(*w);
    selectLine(w->lstRecords, 0);
    w->lstRecordsDblClick();
    EXPECT_FALSE(w->isVisible());
    for (StandInCard* card : {scadenzario, chilometrico}) {
      const bool written = card == c.written;
      EXPECT_EQ(card->text("txtConducente"), written ? "Rossi Mario" : "prima");
      EXPECT_EQ(card->text("txtCodFisc"), written ? "RSSMRA80A01L219X" : "prima");
      EXPECT_EQ(card->text("txtRecapito"), written ? "333 1234567" : "prima");
      EXPECT_EQ(card->text("txtMarca"), "prima");
      EXPECT_EQ(card->findChild<QLabel*>("lblPosizione")->text(), "7");
    }
  }
}

TEST_F(TrovaAnagrafica, AnagraficaLoadsTheLaterOfTwoEqualLines) {
  Fields first = rossi();
  Fields second = rossi();
  second["Patenti"] = "D";  // not in the line
  second["Ferie"] = "Sì";
  second["File01"] = "patente.pdf";
  appendDrivers({bianchi(), first, second});
  auto* card = new TfrmAnagrafica(nullptr);
  windows.adopt(card);
  auto w = open(QStringLiteral("anagrafica"));
  search(*w);
  const QStringList lines = listLines(w->lstRecords);
  ASSERT_EQ(lines.size(), 3);
  selectLine(w->lstRecords, static_cast<int>(lines.indexOf(lineOf(rossi()))));
  w->lstRecordsDblClick();
  EXPECT_EQ(card->lblPosizione->text(), "3");
  EXPECT_EQ(card->txtPatenti->text(), "D");
  EXPECT_EQ(card->txtCitta->text(), "Torino");
  EXPECT_TRUE(card->chkFerie->isChecked());
  EXPECT_TRUE(card->chkTrasferte->isChecked());
  EXPECT_EQ(card->lblFile01->text(), "patente.pdf");
}

TEST_F(TrovaAnagrafica, NoSelectionClosesAndWritesNothing) {
  appendDrivers({rossi()});
  auto* scadenzario = new StandInCard(QStringLiteral("TfrmScadenzario"));
  windows.adopt(scadenzario);
  auto w = open(QStringLiteral("scadenzario"));
  search(*w);
  w->lstRecords->clearSelection();
  w->lstRecords->setCurrentIndex(QModelIndex());
  w->lstRecordsDblClick();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(scadenzario->text("txtConducente"), "prima");
}

TEST_F(TrovaAnagrafica, FindBoxHighlightListFindAndPrint) {
  appendDrivers({rossi(), bianchi()});
  auto w = open();
  activate(w.get());
  search(*w);
  QWidget* eff = find<QWidget>(w.get(), "effTrova");
  EXPECT_EQ(QApplication::focusWidget(), w->txtTrova);
  EXPECT_TRUE(eff->isVisible());
  w->txtTrova->setText(QStringLiteral("ef456"));
  pressKey(w->txtTrova, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w->btnTrova);
  EXPECT_FALSE(eff->isVisible());
  click(w->btnTrova);
  EXPECT_EQ(w->lstRecords->currentIndex().row(), 0);  // Bianchi's line holds the plate

  host.printPdfPath = dir.file(QStringLiteral("elenco.pdf"));
  click(w->btnStampa);
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(dir.exists(QStringLiteral("elenco.pdf")));
}

TEST_F(TrovaAnagrafica, AnArchiveThatCannotBeOpenedIsAPlainMessage) {
  QDir(dir.path()).mkdir(QStringLiteral("Conducenti.pro"));
  auto w = open();
  search(*w);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
  EXPECT_TRUE(host.last().text.startsWith("Attenzione: il sistema non permette di accedere all'archivio."));
  EXPECT_TRUE(w->panAvvio->isVisible());
}

TEST(DriverLines, FixedPartsEndAt112And98) {
  core::RecordBuffer r(drivers::driverLayout());
  r.set("Note", u"nota");
  r.set("Programma", u"agosto");
  const core::Text line = drivers::driverLine().build(r);
  EXPECT_EQ(line.size(), 116u);
  EXPECT_EQ(line.substr(112), u"nota");
  const core::Text plan = drivers::availabilityLine().build(r);
  EXPECT_EQ(plan.size(), 104u);
  EXPECT_EQ(plan.substr(98), u"agosto");
  EXPECT_EQ(plan.substr(26, 7), u"  Tel. ");
}

TEST(DriverLines, FlagsHoldTheirTextTrimmed) {
  const std::size_t ferie = drivers::driverLayout().indexOf("Ferie");
  struct Case {
    const char* bytes;
    bool yes, no;
  };
  const Case cases[] = {{"\x02S\xEC", true, false}, {"\x02No", false, true},  {"\x02 S", false, false},
                        {"\x00", false, false},     {"\x02si", false, false}, {"\x02S ", false, false},
                        {"\x02 \xEC", false, false}, {"\x05No", false, true}};  // a length past the width reads the width
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes + 1);
    core::RecordBuffer r(drivers::driverLayout());
    const std::size_t at = drivers::driverLayout().offset(ferie);
    r.data()[at] = static_cast<std::uint8_t>(c.bytes[0]);
    for (int i = 1; i <= std::min<int>(c.bytes[0], 2); ++i) r.data()[at + i] = static_cast<std::uint8_t>(c.bytes[i]);
    EXPECT_EQ(drivers::flagHolds(r, ferie, drivers::kYes), c.yes);
    EXPECT_EQ(drivers::flagHolds(r, ferie, drivers::kNo), c.no);
  }
}

}  // namespace

// The schedule's lists and search over the year open on the card: the line, which
// deadlines each list takes, the search's filters and key word, the double-click.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "drivers/driver_record.h"
#include "maintenance/frm_scadenzario_lists.h"
#include "maintenance/schedule_lines.h"
#include "maintenance/schedule_support.h"
#include "support/result_list.h"
#include "support/vehicle_archive.h"

using platform::MsgKind;

namespace {

class ScheduleLists : public ScheduleTest {
 protected:
  void SetUp() override {
    ScheduleTest::SetUp();
    openYear("2023");
    host.clear();
  }
  // Opens a list window as the card does and runs `script` while it is open.
  template <typename Window>
  void run(std::function<void(Window&)> script, const QString& keyWord = {}) {
    host.modalScripts.push_back([&](platform::Form& f) { script(static_cast<Window&>(f)); });
    Window window(w);
    if (!keyWord.isNull()) window.setMemory(keyWord);
    window.showModalDialog();
  }
};

TEST_F(ScheduleLists, TheLineHasFixedColumnsAndTheTypeAtCharacter133) {
  const core::RecordBuffer r = deadlineRecord(deadline(
      "03/05/2023", "1",
      {{"Marca", "Mercedes-Benz"}, {"Modello", "Sprinter 316 CDI Furgone"}, {"Conducente", "Mario Rossi"},
       {"Recapito", "0123456789012345"}, {"Manutenzione", "Cambio olio e filtri"}}));
  const QString line = platform::fromCore(maintenance::scheduleLineFormat().build(r));
  EXPECT_EQ(line,
            "Mercedes-Benz Sprinter 316 C  Targa: AB123CD       Data: 03/05/2023  Ora: 09:30  Mario Rossi"
            "                   Tel. 01234567890123  Cambio olio e filtri");
  EXPECT_EQ(line.indexOf("Cambio"), 132);
  // An empty make leaves the line starting with a blank.
  const core::RecordBuffer noMake = deadlineRecord(deadline("03/05/2023", "1", {{"Marca", ""}}));
  EXPECT_TRUE(platform::fromCore(maintenance::scheduleLineFormat().build(noMake)).startsWith(" Panda   "));
}

TEST_F(ScheduleLists, EachListTakesItsDeadlinesByTheExactFlag) {
  appendDeadlines("2023.sca", {
                                  deadline("01/01/2023", "1", {{"Marca", "A"}}),
                                  deadline("02/01/2023", "1", {{"Marca", "B"}, {"Effettuata", "Sì"}}),
                                  deadline("03/01/2023", "1", {{"Marca", "C"}, {"DaConfermare", "Sì"}}),
                                  deadline("04/01/2023", "1", {{"Marca", "D"}, {"Effettuata", "sì"}}),
                              });
  auto makes = [](QAbstractItemView* list) {
    QStringList out;
    for (const QString& l : listLines(list)) out << l.left(1);
    return out;
  };
  QStringList toDo, done, toConfirm;
  run<TfrmConfermati>([&](TfrmConfermati& l) {
    EXPECT_EQ(l.windowTitle(), " Riepilogo manutenzioni da effettuare");
    toDo = makes(l.lstRecords);
  });
  run<TfrmNonConfermati>([&](TfrmNonConfermati& l) {
    EXPECT_EQ(l.windowTitle(), " Riepilogo manutenzioni effettuate");
    done = makes(l.lstRecords);
  });
  run<TfrmDaConfermare>([&](TfrmDaConfermare& l) {
    EXPECT_EQ(l.windowTitle(), " Riepilogo appuntamenti da confermare");
    toConfirm = makes(l.lstRecords);
  });
  EXPECT_EQ(toDo, QStringList({"A", "C"}));
  EXPECT_EQ(done, QStringList({"B"}));
  EXPECT_EQ(toConfirm, QStringList({"C"}));
}

TEST_F(ScheduleLists, ADoubleClickLoadsTheLaterOfTwoEqualLinesIntoTheCard) {
  // Equal lines; the later record is not even one the list shows.
  appendDeadlines("2023.sca", {
                                  deadline("05/06/2023", "1", {{"DaConfermare", "Sì"}, {"Note", "prima"}}),
                                  deadline("05/06/2023", "1", {{"Note", "seconda"}}),
                              });
  run<TfrmDaConfermare>([&](TfrmDaConfermare& l) {
    ASSERT_EQ(listCount(l.lstRecords), 1);
    selectLine(l.lstRecords, 0);
    l.lstRecordsDblClick();
  });
  EXPECT_EQ(w->lblPosizione->text(), "2");
  EXPECT_EQ(w->txtNote->text(), "seconda");
  EXPECT_FALSE(w->chkDaConfermare->isChecked());
  EXPECT_EQ(w->txtGiorno->currentText(), "05");
  EXPECT_EQ(w->txtMese->currentText(), "Giugno");
  EXPECT_EQ(w->lblData->text(), "05/06/2023");
  EXPECT_EQ(w->lblOra->text(), "09:30");
}

TEST_F(ScheduleLists, AnEmptyYearGivesEmptyListsAndFindSaysSo) {
  run<TfrmConfermati>([&](TfrmConfermati& l) {
    EXPECT_EQ(listCount(l.lstRecords), 0);
    l.btnTrovaClick();
  });
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Plain);
  EXPECT_EQ(host.last().text, "Ricerca non applicabile: la lista non contiene nessuna voce.");
}

TEST_F(ScheduleLists, SearchingTheDateFindsADayOfAnyMonthAndAWholeMonth) {
  appendDeadlines("2023.sca", {
                                  deadline("03/01/2023", "1", {{"Marca", "A"}}),
                                  deadline("15/03/2023", "1", {{"Marca", "B"}}),
                                  deadline("30/03/2023", "1", {{"Marca", "C"}}),
                                  deadline("13/04/2023", "1", {{"Marca", "D"}}),
                              });
  run<TfrmTrovaScadenzario>(
      [&](TfrmTrovaScadenzario& s) {
        EXPECT_EQ(s.windowTitle(), " Trova scadenze manutenzioni in archivio");
        s.txtData->setText("03/");
        s.btnCercaClick();
        QStringList makes;
        for (const QString& l : listLines(s.lstRecords)) makes << l.left(1);
        EXPECT_EQ(makes, QStringList({"A", "B", "C"}));
        EXPECT_EQ(s.lblTrovate->text(), "Il presente elenco contiene 3 schede.");
      },
      "Scadenzario");
}

TEST_F(ScheduleLists, AFilterOfBlanksNeverMatches) {
  appendDeadlines("2023.sca", {
                                  deadline("03/01/2023", "1", {{"Targa", "AA111AA"}, {"Note", "due  spazi"}}),
                                  deadline("04/01/2023", "1", {{"Targa", "BB222BB"}}),
                              });
  run<TfrmTrovaScadenzario>(
      [&](TfrmTrovaScadenzario& s) {
        s.txtTarga->setText("bb2");
        s.txtNote->setText("  ");
        s.btnCercaClick();
        ASSERT_EQ(listCount(s.lstRecords), 1);
        EXPECT_TRUE(listLines(s.lstRecords).front().contains("BB222BB"));
      },
      "Scadenzario");
}

TEST_F(ScheduleLists, TheSearchWritesIntoTheCardOnlyUnderItsKeyWord) {
  appendDeadlines("2023.sca", {deadline("03/01/2023", "4", {{"Note", "trovata"}})});
  struct Case {
    const char* name;
    QString keyWord;
    bool writes;
  } cases[] = {{"Scadenzario", "Scadenzario", true}, {"small s", "scadenzario", false}, {"none", "", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    w->ClearScheduleCard();
    bool closed = false;
    run<TfrmTrovaScadenzario>(
        [&](TfrmTrovaScadenzario& s) {
          s.btnCercaClick();
          selectLine(s.lstRecords, 0);
          s.lstRecordsDblClick();
          closed = !s.isVisible();
        },
        c.keyWord);
    EXPECT_TRUE(closed);
    EXPECT_EQ(w->txtNote->text(), c.writes ? "trovata" : "");
    EXPECT_EQ(w->lblPosizione->text(), c.writes ? "1" : "");
  }
}

TEST_F(ScheduleLists, TheCardOpensEachWindowOnTheYearItShows) {
  appendDeadlines("2023.sca", {deadline("03/01/2023", "1")});
  appendDeadlines("2024.sca", {deadline("03/01/2024", "1"), deadline("04/01/2024", "1")});
  int lines = -1;
  host.modalScripts.push_back([&](platform::Form& f) { lines = listCount(static_cast<TfrmConfermati&>(f).lstRecords); });
  click(w->cmdDaEffettuare);
  EXPECT_EQ(lines, 1);
  QString keyWord;
  host.modalScripts.push_back([&](platform::Form& f) { keyWord = f.memory(); });
  click(w->cmdTrova);
  EXPECT_EQ(keyWord, "Scadenzario");
  click(w->cmdEffettuate);
  click(w->cmdDaConfermare);
  EXPECT_EQ(host.modalShown,
            QStringList({"TfrmConfermati", "TfrmTrovaScadenzario", "TfrmNonConfermati", "TfrmDaConfermare"}));
}

TEST_F(ScheduleLists, ThePickersCopyTheDriverAndTheVehicleIntoTheCard) {
  core::RecordBuffer driver(drivers::driverLayout());
  driver.set("Conducente", u"Luisa Verdi");
  driver.set("CodFisc", u"VRDLSU85M41F205X");
  driver.set("Recapito", u"347 7654321");
  driver.set("Note", u"non copiata");
  appendRecords("Conducenti.pro", drivers::driverLayout().size(), {driver});
  appendVehicles({{{"Tipo", "Furgone"}, {"Marca", "Iveco"}, {"Modello", "Daily"}, {"Colore", "Bianco"},
                   {"Alimentazione", "Gasolio"}, {"Targa", "EF456GH"}}});
  QString keyWord;
  auto pickFirst = [&](platform::Form& f) {
    auto& picker = static_cast<kit::SearchWindow&>(f);
    keyWord = f.memory();
    picker.btnCercaClick();
    selectLine(picker.lstRecords, 0);
    picker.lstRecordsDblClick();
  };
  host.modalScripts.push_back(pickFirst);
  click(w->impConduttore);
  EXPECT_EQ(keyWord, "scadenzario");
  EXPECT_EQ(w->txtConducente->text(), "Luisa Verdi");
  EXPECT_EQ(w->txtCodFisc->text(), "VRDLSU85M41F205X");
  EXPECT_EQ(w->txtRecapito->text(), "347 7654321");
  EXPECT_EQ(w->txtNote->text(), "");
  host.modalScripts.push_back(pickFirst);
  click(w->cmdImporta);
  EXPECT_EQ(keyWord, "scadenzario");
  EXPECT_EQ(w->txtVeicolo->text(), "Furgone");
  EXPECT_EQ(w->txtMarca->text(), "Iveco");
  EXPECT_EQ(w->txtModello->text(), "Daily");
  EXPECT_EQ(w->txtColore->text(), "Bianco");
  EXPECT_EQ(w->txtAlimentazione->text(), "Gasolio");
  EXPECT_EQ(w->txtTarga->text(), "EF456GH");
  EXPECT_EQ(host.modalShown, QStringList({"TfrmTrovaAnagrafica", "TfrmTrovaAutomezzi"}));
}

}  // namespace

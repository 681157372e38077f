// The key-word tables of the dialogs against the windows the program creates: every
// window a table names is one of the program's long-lived windows, and where the
// program has that window, the control the table writes exists and is of a kind the
// writer can fill. A table entry whose window is not built yet is checked as soon as
// it is.
#include <QCalendarWidget>
#include <QComboBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>

#include "app/app.h"
#include "costs/cost_record.h"
#include "costs/frm_costi.h"
#include "costs/frm_da_saldare.h"
#include "costs/frm_menu_costi.h"
#include "costs/frm_trova_costi.h"
#include "drivers/frm_ferie.h"
#include "drivers/frm_servizio.h"
#include "drivers/frm_trasferte.h"
#include "drivers/frm_trova_anagrafica.h"
#include "gate/frm_entrati_oggi.h"
#include "gate/frm_non_usciti.h"
#include "gate/frm_registro.h"
#include "gate/frm_trova_visite.h"
#include "gate/frm_usciti_oggi.h"
#include "gate/visit_record.h"
#include "kit/search_window.h"
#include "maintenance/frm_da_effettuare.h"
#include "maintenance/frm_effettuate.h"
#include "maintenance/frm_scadenzario_lists.h"
#include "maintenance/frm_scadute_km.h"
#include "maintenance/frm_trova_chilometrico.h"
#include "maintenance/mileage_record.h"
#include "maintenance/schedule_record.h"
#include "planner/board_days.h"
#include "shell/frm_allega_cartella.h"
#include "shell/frm_avvio.h"
#include "shell/frm_calendario.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "trips/frm_in_corso.h"
#include "trips/frm_trova_servizi.h"
#include "trips/trip_record.h"
#include "vehicles/frm_trova_automezzi.h"
#include "vehicles/vehicle_record.h"

namespace {

class WiringTest : public ::testing::Test {
 protected:
  void SetUp() override { app().createWindows(); }
  void TearDown() override { app().destroyWindows(); }

  // The window a table names: one of the program's, and created when it is built.
  static platform::Form* target(const QString& windowClass) {
    EXPECT_TRUE(App::longLivedClasses().contains(windowClass))
        << windowClass.toStdString() << " is not a long-lived window of the program";
    return app().window(windowClass);
  }
  static void expectControl(platform::Form* window, const QString& name, bool fits) {
    EXPECT_TRUE(fits) << window->objectName().toStdString() << " lacks " << name.toStdString()
                      << " of the kind its writer fills";
  }
  // Each of `targets` writes a whole record into its window: the text "scritta" of
  // `field` lands in the edit txt<field>, the record's position in lblPosizione.
  static void expectWholeRecordWritten(const std::vector<kit::PickTarget>& targets, const core::RecordLayout& layout,
                                       std::string_view field) {
    core::RecordBuffer record(layout);
    record.set(field, u"scritta");
    const QString edit = QStringLiteral("txt") + QString::fromLatin1(field.data(), qsizetype(field.size()));
    for (const kit::PickTarget& t : targets) {
      SCOPED_TRACE(t.keyWord.toStdString());
      platform::Form* window = target(t.window);
      ASSERT_NE(window, nullptr);
      kit::writePick(t, window, record, 3);
      expectControl(window, edit, window->findChild<QLineEdit*>(edit)->text() == "scritta");
      expectControl(window, "lblPosizione", window->findChild<QLabel*>("lblPosizione")->text() == "3");
    }
  }
};

TEST_F(WiringTest, CalendarKeyWordsNameADateEditOfTheirCard) {
  EXPECT_EQ(TfrmCalendario::targets().size(), 17u);
  for (const TfrmCalendario::Target& t : TfrmCalendario::targets()) {
    SCOPED_TRACE(t.keyWord);
    if (platform::Form* card = target(QLatin1String(t.window))) {
      const QString field = QLatin1String(t.field);
      expectControl(card, field, card->findChild<QLineEdit*>(field) != nullptr);
    }
  }
}

TEST_F(WiringTest, AttachmentKeyWordsNameACardWithItsSixHiddenLabels) {
  for (const TfrmAllegaCartella::Target& t : TfrmAllegaCartella::kTargets) {
    SCOPED_TRACE(t.keyWord);
    EXPECT_EQ(TfrmAllegaCartella::windowOf(QLatin1String(t.keyWord)), QLatin1String(t.window));
    if (platform::Form* card = target(QLatin1String(t.window))) {
      for (const char* label : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
        expectControl(card, label, card->findChild<QLabel*>(label) != nullptr);
    }
  }
}

TEST_F(WiringTest, VehiclePickerKeyWordsNameControlsTheirWindowsHave) {
  const std::vector<kit::PickTarget> targets = TfrmTrovaAutomezzi::pickTargets();
  EXPECT_EQ(targets.size(), 9u);
  for (const kit::PickTarget& t : targets) {
    SCOPED_TRACE(t.keyWord.toStdString());
    if (platform::Form* window = target(t.window)) {
      for (const kit::ControlWrite& w : t.writes) expectControl(window, w.control, kit::canSetControlText(window, w.control));
      if (t.setsPosition) expectControl(window, "lblPosizione", kit::canSetControlText(window, "lblPosizione"));
    }
  }
}

// The cost summary menu is long-lived, so the picker's "riepspese" reaches it: the
// plate lands in its plate filter and nothing else of the menu changes.
TEST_F(WiringTest, CostSummaryPickWritesThePlateIntoTheLongLivedMenu) {
  platform::Form* menu = target("TfrmMenuRiepSpese");
  ASSERT_NE(menu, nullptr);
  for (const kit::PickTarget& t : TfrmTrovaAutomezzi::pickTargets()) {
    if (t.keyWord != "riepspese") continue;
    core::RecordBuffer record(vehicles::vehicleLayout());
    record.set("Targa", u"AB123CD");
    record.set("Marca", u"Fiat");
    kit::writePick(t, menu, record, 2);
    EXPECT_EQ(menu->findChild<QLineEdit*>("txtTipologia")->text(), "AB123CD");
    EXPECT_EQ(menu->findChild<QComboBox*>("txtCausale")->currentText(), "");
    return;
  }
  ADD_FAILURE() << "no riepspese key word";
}

TEST_F(WiringTest, DriverPickerAndListsNameControlsTheirWindowsHave) {
  const std::vector<kit::PickTarget> picker = TfrmTrovaAnagrafica::pickTargets();
  ASSERT_EQ(picker.size(), 3u);
  EXPECT_EQ(picker[0].keyWord, "anagrafica");
  EXPECT_EQ(picker[1].keyWord, "scadenzario");
  EXPECT_EQ(picker[2].keyWord, "chilometrico");
  std::vector<kit::PickTarget> targets = picker;
  for (const kit::ListSettings& list : {TfrmTrasferte::settings(), TfrmFerie::settings(), TfrmServizio::settings()})
    targets.insert(targets.end(), list.targets.begin(), list.targets.end());
  for (const kit::PickTarget& t : targets) {
    SCOPED_TRACE(t.keyWord.toStdString());
    if (platform::Form* window = target(t.window)) {
      for (const kit::ControlWrite& w : t.writes) expectControl(window, w.control, kit::canSetControlText(window, w.control));
      if (t.setsPosition) expectControl(window, "lblPosizione", kit::canSetControlText(window, "lblPosizione"));
    }
  }
}

TEST_F(WiringTest, ScheduleListsAndSearchWriteAWholeCardIntoTheScheduleWindow) {
  std::vector<kit::PickTarget> targets = TfrmTrovaScadenzario::pickTargets();
  targets.push_back(maintenance::scheduleCardTarget(QString()));
  expectWholeRecordWritten(targets, maintenance::scheduleLayout(), "Note");
}

TEST_F(WiringTest, TripListsLoadAWholeTripIntoTheTripCard) {
  std::vector<kit::PickTarget> targets = TfrmTrovaServizi::pickTargets();
  ASSERT_EQ(targets.size(), 1u);
  EXPECT_EQ(targets.front().keyWord, QStringLiteral("servizi"));
  for (const kit::PickTarget& t : TfrmInCorso::pickTargets()) targets.push_back(t);
  expectWholeRecordWritten(targets, trips::tripLayout(), "Luogo");
}

TEST_F(WiringTest, MileageSearchAndListsWriteAWholeCardIntoTheMileageCard) {
  std::vector<kit::PickTarget> targets = TfrmTrovaChilometrico::pickTargets();
  ASSERT_EQ(targets.size(), 1u);
  EXPECT_EQ(targets.front().keyWord, QStringLiteral("chilometrico"));
  for (const kit::ListSettings& list : {TfrmEffettuate::settings(), TfrmDaEffettuare::settings(), TfrmScaduteKm::settings()}) {
    ASSERT_EQ(list.targets.size(), 1u);
    EXPECT_TRUE(list.targets.front().keyWord.isEmpty());  // a list writes into its own card, whatever the memory
    targets.push_back(list.targets.front());
  }
  expectWholeRecordWritten(targets, maintenance::mileageLayout(), "Note");
}

TEST_F(WiringTest, GateListsAndSearchLoadAWholeVisitIntoTheGateCard) {
  std::vector<kit::PickTarget> targets = TfrmTrovaVisite::pickTargets();
  ASSERT_EQ(targets.size(), 1u);
  EXPECT_EQ(targets.front().keyWord, QStringLiteral("registro"));
  for (const kit::ListSettings& list : {TfrmUscitiOggi::settings(), TfrmEntratiOggi::settings(), TfrmNonUsciti::settings()}) {
    ASSERT_EQ(list.targets.size(), 1u);
    EXPECT_TRUE(list.targets.front().keyWord.isEmpty());  // a day list writes into the gate card whatever the memory
    targets.push_back(list.targets.front());
  }
  expectWholeRecordWritten(targets, gate::visitLayout(), "Note");
}

// The calendar's "dataent" and "datausc" and the vehicle picker's "registro" write into
// the real gate card: the chosen day into its date edits; make and model, plate and
// driver into its vehicle fields, the rest of the card and its position untouched. A
// picked make and model of 101 characters is saved as its first 50.
TEST_F(WiringTest, CalendarAndVehiclePickerWriteIntoTheGateCard) {
  TempExeDir dir;
  ScriptedDialogHost host;
  auto* card = static_cast<TfrmRegistro*>(target(QStringLiteral("TfrmRegistro")));
  ASSERT_NE(card, nullptr);
  card->openYear(QStringLiteral("2024"));
  card->lblPosizione->setText(QStringLiteral("7"));
  card->txtNote->setText(QStringLiteral("resta"));
  for (const auto& [keyWord, edit] : {std::pair{"dataent", card->txtDataEnt}, std::pair{"datausc", card->txtDataUsc}}) {
    SCOPED_TRACE(keyWord);
    TfrmCalendario calendar(card);
    calendar.setMemory(QLatin1String(keyWord));
    calendar.calAppuntamenti->setSelectedDate(QDate(2024, 2, 29));
    calendar.btnImportaDataClick();
    EXPECT_EQ(edit->text(), QStringLiteral("29/02/2024"));
  }
  EXPECT_EQ(card->txtDataEnt->text(), card->txtDataUsc->text());

  const kit::PickTarget* registro = nullptr;
  const std::vector<kit::PickTarget> targets = TfrmTrovaAutomezzi::pickTargets();
  for (const kit::PickTarget& t : targets)
    if (t.keyWord == QStringLiteral("registro")) registro = &t;
  ASSERT_NE(registro, nullptr);
  EXPECT_EQ(registro->window, QStringLiteral("TfrmRegistro"));
  core::RecordBuffer vehicle(vehicles::vehicleLayout());
  vehicle.set("Marca", u" Fiat ");
  vehicle.set("Modello", u"");
  vehicle.set("Targa", u" AB123CD ");
  vehicle.set("Autista", u"Mario Rossi");
  kit::writePick(*registro, card, vehicle, 4);
  EXPECT_EQ(card->txtVeicolo->text(), QStringLiteral("Fiat "));  // the save trims the blank away
  EXPECT_EQ(card->txtTarga->text(), QStringLiteral("AB123CD"));
  EXPECT_EQ(card->txtConduttore->text(), QStringLiteral("Mario Rossi"));
  EXPECT_EQ(card->txtNote->text(), QStringLiteral("resta"));
  EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("7"));

  vehicle.set("Marca", std::u16string(50, u'M'));
  vehicle.set("Modello", std::u16string(50, u'm'));
  kit::writePick(*registro, card, vehicle, 4);
  card->cmdNuovoClick();
  kit::writePick(*registro, card, vehicle, 4);
  card->cmdSalvaClick();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Information);
  const QByteArray stored = dir.read(QStringLiteral("2024.vis"));
  ASSERT_EQ(stored.size(), 1366);
  EXPECT_EQ(stored.mid(68, 51), char(50) + QByteArray(50, 'M'));
}

TEST_F(WiringTest, CostListAndSearchLoadAWholeCostIntoTheCostCard) {
  std::vector<kit::PickTarget> targets = TfrmTrovaCosti::pickTargets();
  ASSERT_EQ(targets.size(), 1u);
  EXPECT_EQ(targets.front().keyWord, QStringLiteral("Costi"));
  auto* card = qobject_cast<TfrmCosti*>(target("TfrmCosti"));
  ASSERT_NE(card, nullptr);
  const kit::ListSettings unsettled = TfrmDaSaldare::settings(card->lblFile);
  ASSERT_EQ(unsettled.targets.size(), 1u);
  EXPECT_TRUE(unsettled.targets.front().keyWord.isEmpty());  // the list always writes into the cost card
  targets.push_back(unsettled.targets.front());
  expectWholeRecordWritten(targets, costs::costLayout(), "Note");
}

// The cost menu's "Apri" rows: each key word shows a long-lived window the program has.
TEST_F(WiringTest, CostMenuKeyWordsNameLongLivedWindows) {
  const kit::YearMenuSettings menu = TfrmMenuCosti::settings();
  QStringList keyWords;
  for (const kit::YearMenuOpen& open : menu.opens) {
    SCOPED_TRACE(open.keyWord.toStdString());
    keyWords << open.keyWord;
    EXPECT_NE(target(open.window), nullptr);
  }
  EXPECT_EQ(keyWords, QStringList({"costi", "RiepSpese", "stats"}));
}

TEST_F(WiringTest, LauncherButtonsNameLongLivedWindows) {
  for (const char* windowClass : TfrmAvvio::kAppWindows) {
    SCOPED_TRACE(windowClass);
    target(QLatin1String(windowClass));
  }
}

TEST_F(WiringTest, DayKeysNameTheThreePartsOfTheirDayCellOnTheBoard) {
  platform::Form* board = target(QStringLiteral("TfrmPlanning"));
  if (!board) return;
  for (const planner::BoardDay& day : planner::boardDays()) {
    const QString suffix = QString::fromLatin1(day.suffix.data(), qsizetype(day.suffix.size()));
    for (const char* part : {"lib", "occ"}) {
      QObject* picture = board->findChild<QObject*>(QLatin1String(part) + suffix);
      expectControl(board, QLatin1String(part) + suffix, picture && picture->property("visible").isValid());
    }
    QObject* text = board->findChild<QObject*>(QStringLiteral("mem") + suffix);
    expectControl(board, "mem" + suffix, text && text->property("text").isValid());
  }
}

TEST_F(WiringTest, AMissingControlIsAWiringErrorNotASilentNoOp) {
  platform::Form* card = app().window("TfrmAutoparco");
  ASSERT_NE(card, nullptr);
  kit::PickTarget broken{"autoparco", "TfrmAutoparco", {{"txtNonEsiste", {0}}}, false, {}};
  core::RecordBuffer record(vehicles::vehicleLayout());
  EXPECT_THROW(kit::writePick(broken, card, record, 1), platform::WiringError);
}

}  // namespace

// The planner menu: what every show resets and lists, taking a vehicle by click and by
// keys, the checks of "Apri" in their order, what "Apri" hands to the board, where
// closing goes, the help, and the vehicle archive read and never written.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/clock.h"
#include "kit/list_find.h"
#include "kit/messages.h"
#include "kit/result_list.h"
#include "planner/frm_menu_disponibili.h"
#include "planner/frm_planning.h"
#include "planner/planner_help.h"
#include "platform/widgets.h"
#include "shell/frm_avvio.h"
#include "shell/frm_guida.h"
#include "support/app/card_window.h"
#include "support/vehicle_archive.h"

using platform::MsgKind;

namespace {

const QString kEmptyList = QStringLiteral(
    "Attenzione: l'elenco dei veicoli non contiene nessuna voce.\n\r\n\r"
    "Per poter utilizzare il planner delle prenotazioni è necessario registrare almeno un veicolo nel parco "
    "automezzi.");
const QString kNoSelection =
    QStringLiteral("Attenzione: selezionare un veicolo dall'elenco prima di premere il pulsante Apri.");

const VehicleFields kPanda{{"Tipo", "Autovettura"}, {"Marca", "Fiat"},  {"Modello", "Panda"},
                           {"Targa", "AB123CD"},    {"Posti", "5"},     {"Alimentazione", "Benzina"}};
const VehicleFields kDaily{{"Tipo", "furgone"}, {"Marca", "Iveco"}, {"Modello", "Daily"}, {"Targa", "EF456GH"}};
const VehicleFields kCamper{{"Tipo", "Camper"}, {"Marca", "Elnagh"}, {"Modello", "Baron"}, {"Targa", "CZ998KL"}};

class MenuDisponibili : public CardWindowTest<TfrmMenuDisponibili, &App::frmMenuDisponibili> {
 protected:
  void SetUp() override {
    CardWindowTest::SetUp();
    launcher = new TfrmAvvio(nullptr);
    app().adopt(launcher);
    app().frmAvvio = launcher;
    board = new TfrmPlanning(nullptr);
    app().adopt(board);
    app().frmPlanning = board;
  }
  // A show as the launcher gives it (closing the menu first when it is open).
  void show() {
    if (w->isVisible()) w->closeForm();
    launcher->hide();
    showActive();
  }
  QStringList lines() const {
    QStringList out;
    for (int i = 0; i < w->lstRecords->count(); ++i) out << platform::fromCore(core::Text(w->lstRecords->line(i)));
    return out;
  }
  int rowStarting(const QString& start) const {
    const QStringList l = lines();
    for (int i = 0; i < l.size(); ++i)
      if (l[i].startsWith(start)) return i;
    ADD_FAILURE() << "no line starting " << start.toStdString();
    return -1;
  }
  void clickRow(int row) {
    const QRect r = w->lstRecords->visualRect(w->lstRecords->model()->index(row, 0));
    QTest::mouseClick(w->lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  }
  QStringList chosen() const {
    return {w->lblVeicolo->text(), w->lblMarca->text(), w->lblModello->text(), w->lblTarga->text()};
  }
  void apri() { click(w->button(QStringLiteral("btnApriFatture"))); }
  QLineEdit* year() const { return w->yearBox(); }

  core::PinnedClock clock{{{14, 3, 2024}, 9, 5, 0}};
  TfrmAvvio* launcher = nullptr;
  TfrmPlanning* board = nullptr;
};

TEST_F(MenuDisponibili, EveryShowListsTheVehiclesWithAPlateSortedAndStartsAfresh) {
  appendVehicles({kPanda, {{"Tipo", "Senza targa"}}, kDaily, kCamper});
  show();
  EXPECT_EQ(w->windowTitle(), " Velmora 4.0 - Planner Prenotazioni");
  // A-Z folded: "furgone" between "Camper" and nothing after it.
  ASSERT_EQ(lines().size(), 3);
  EXPECT_TRUE(lines()[0].startsWith("Autovettura"));
  EXPECT_TRUE(lines()[1].startsWith("Camper"));
  EXPECT_TRUE(lines()[2].startsWith("furgone"));
  EXPECT_EQ(kit::selectedRow(w->lstRecords), -1);
  EXPECT_EQ(year()->text(), "2024");
  EXPECT_EQ(w->memory(), "avvio");
  EXPECT_EQ(QApplication::focusWidget(), year());
  EXPECT_EQ(chosen(), QStringList({"", "", "", ""}));
  EXPECT_FALSE(w->icoMano->isVisible());

  clickRow(1);
  EXPECT_TRUE(w->icoMano->isVisible());
  year()->setText(QStringLiteral("20"));
  w->closeForm();
  EXPECT_TRUE(launcher->isVisible());

  // The next show forgets all of it and reads the archive again.
  appendVehicles({{{"Tipo", "Nuovo"}, {"Targa", "NN000NN"}}});
  show();
  EXPECT_EQ(lines().size(), 4);
  EXPECT_EQ(kit::selectedRow(w->lstRecords), -1);
  EXPECT_EQ(chosen(), QStringList({"", "", "", ""}));
  EXPECT_FALSE(w->icoMano->isVisible());
  EXPECT_EQ(year()->text(), "2024");
  EXPECT_EQ(w->memory(), "avvio");
}

TEST_F(MenuDisponibili, AClickAndAnArrowKeyTakeTheVehicleTheLastEqualOneWinning) {
  VehicleFields older = kCamper;
  older["Tipo"] = " Camper";  // the same line, stored earlier
  appendVehicles({older, kPanda, kCamper});
  show();
  ASSERT_EQ(lines().size(), 3);  // both campers are listed
  clickRow(rowStarting("Autovettura"));
  EXPECT_EQ(chosen(), QStringList({"Autovettura", "Fiat", "Panda", "AB123CD"}));
  EXPECT_TRUE(w->icoMano->isVisible());

  w->lstRecords->setFocus();
  pressKey(w->lstRecords, Qt::Key_Down);
  EXPECT_EQ(kit::selectedRow(w->lstRecords), rowStarting("Autovettura") + 1);
  EXPECT_EQ(chosen(), QStringList({"Camper", "Elnagh", "Baron", "CZ998KL"}));

  // A click on the empty part of a list with nothing selected changes nothing.
  show();
  QTest::mouseClick(w->lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(20, w->lstRecords->viewport()->height() - 5));
  EXPECT_EQ(chosen(), QStringList({"", "", "", ""}));
  EXPECT_FALSE(w->icoMano->isVisible());
  apri();
  EXPECT_EQ(host.texts(), QStringList{kNoSelection});
}

TEST_F(MenuDisponibili, ApriChecksTheYearTheEmptyListAndTheSelectionInThatOrder) {
  show();  // no vehicle archive: created empty, and the list is empty
  EXPECT_TRUE(dir.exists(kVehicleArchive));
  EXPECT_EQ(dir.read(kVehicleArchive).size(), 0);
  const struct {
    const char* year;
    bool listed;
    QString message;
  } cases[] = {
      {"202", false, kit::msg::kYearWarning},
      {"12 4", false, kit::msg::kYearWarning},  // four characters, not four digits
      {"２０２４", false, kit::msg::kYearWarning},
      {"2024", false, kEmptyList},
      {"0000", false, kEmptyList},
      {"2024", true, kNoSelection},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    if (c.listed && lines().isEmpty()) {
      appendVehicles({kPanda});
      show();
    }
    host.clear();
    year()->setText(QString::fromUtf8(c.year));
    w->lstRecords->setFocus();
    apri();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Warning);
    EXPECT_EQ(host.last().text, c.message);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(board->isVisible());
    EXPECT_EQ(w->memory(), "avvio");
    // Only the year's warning takes the focus back.
    EXPECT_EQ(QApplication::focusWidget() == year(), c.message == kit::msg::kYearWarning);
  }
}

TEST_F(MenuDisponibili, ApriNamesThePlannerFileAndOpensTheBoardForTheVehicleAndYear) {
  appendVehicles({kPanda, kDaily});
  show();
  clickRow(rowStarting("furgone"));
  year()->setText(QStringLiteral("2025"));
  // Enter in the year only moves to "Apri".
  year()->setFocus();
  pressKey(year(), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w->button(QStringLiteral("btnApriFatture")));
  EXPECT_TRUE(w->isVisible());

  apri();
  EXPECT_TRUE(host.boxes.empty());
  const QString file = dir.file(QStringLiteral("Prenotazioni veicolo targa EF456GH anno 2025.pln"));
  EXPECT_EQ(w->lblFile->text(), file);
  EXPECT_EQ(w->memory(), "planning");
  EXPECT_FALSE(w->isVisible());
  EXPECT_FALSE(launcher->isVisible());
  ASSERT_TRUE(board->isVisible());
  EXPECT_EQ(board->windowTitle(), " Velmora 4.0 - Planner prenotazioni anno 2025");
  EXPECT_EQ(board->txtAnno->text(), "2025");
  EXPECT_EQ(board->filePath(), file);
  EXPECT_EQ((QStringList{board->txtVeicolo->text(), board->txtMarca->text(), board->txtModello->text(),
                         board->txtTarga->text()}),
            QStringList({"furgone", "Iveco", "Daily", "EF456GH"}));
  EXPECT_TRUE(QFile::exists(file));

  // The board goes back to the launcher, not to the menu.
  board->closeForm();
  EXPECT_TRUE(launcher->isVisible());
  EXPECT_FALSE(w->isVisible());
}

TEST_F(MenuDisponibili, ALookUpThatFindsNothingOrFailsLeavesNoVehicleChosen) {
  appendVehicles({kPanda, kDaily});
  show();
  clickRow(rowStarting("Autovettura"));
  ASSERT_EQ(chosen()[3], "AB123CD");

  // The card changed since the list was read: its line is found no more.
  QFile::remove(dir.file(kVehicleArchive));
  appendVehicles({kDaily});
  clickRow(rowStarting("Autovettura"));
  EXPECT_EQ(chosen(), QStringList({"", "", "", ""}));
  EXPECT_FALSE(w->icoMano->isVisible());
  apri();
  EXPECT_EQ(host.texts(), QStringList{kNoSelection});
  EXPECT_FALSE(board->isVisible());

  // The archive cannot be read at all: nothing chosen either, nothing said.
  host.clear();
  clickRow(rowStarting("furgone"));
  ASSERT_EQ(chosen()[3], "EF456GH");
  QFile::remove(dir.file(kVehicleArchive));
  ASSERT_TRUE(QDir(dir.path()).mkdir(kVehicleArchive));
  clickRow(rowStarting("Autovettura"));
  EXPECT_EQ(chosen(), QStringList({"", "", "", ""}));
  EXPECT_FALSE(w->icoMano->isVisible());
  EXPECT_TRUE(host.boxes.empty());

  // A show over it lists nothing and says nothing.
  show();
  EXPECT_TRUE(lines().isEmpty());
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(year()->text(), "2024");
  EXPECT_EQ(w->memory(), "avvio");
}

TEST_F(MenuDisponibili, TheVehicleArchiveIsNeverWritten) {
  appendVehicles({kPanda, kDaily});
  QFile f(dir.file(kVehicleArchive));
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write("coda");  // a part record: read past, never cut away
  f.close();
  const QByteArray before = dir.read(kVehicleArchive);
  show();
  clickRow(rowStarting("Autovettura"));
  apri();
  board->closeForm();
  EXPECT_EQ(dir.read(kVehicleArchive), before);
}

TEST_F(MenuDisponibili, TheHelpIsThePlannersAndTheExitGoesBackToTheLauncher) {
  show();
  QString title, text;
  host.onModal = [&](platform::Form& f) {
    auto& help = static_cast<TfrmGuida&>(f);
    title = help.title();
    text = help.text();
  };
  click(w->imgGuida);
  EXPECT_EQ(host.modalShown, QStringList{"TfrmGuida"});
  EXPECT_EQ(title, "App Planner Prenotazioni");
  EXPECT_EQ(planner::helpParagraphs().size(), 7);
  EXPECT_EQ(text, planner::helpParagraphs().join("\r\n\r\n"));

  click(w->imgEsci);
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(launcher->isVisible());
  EXPECT_FALSE(board->isVisible());
}

}  // namespace

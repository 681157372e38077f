// The booking board: its show (clear, header, load), its close (save, launcher), the
// planner file it names and writes, what it says when the file fails it, the day-cell
// openers with the single-day dialog, the header edits and the status hint.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "app/app.h"
#include "kit/messages.h"
#include "planner/day_calendar.h"
#include "planner/frm_giorno.h"
#include "planner/frm_planning.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "shell/frm_avvio.h"
#include "shell/frm_guida.h"
#include "support/app/card_window.h"
#include "support/record_bytes.h"
#include "support/small_disk.h"

using platform::MsgKind;
using planner::BoardDay;

namespace {

const QString kFile = QStringLiteral("Prenotazioni veicolo targa AB123CD anno 2024.pln");

const BoardDay& dayOf(const char16_t* key) {
  const BoardDay* d = planner::dayOfKey(key);
  EXPECT_NE(d, nullptr);
  return *d;
}

class Planning : public CardWindowTest<TfrmPlanning, &App::frmPlanning> {
 protected:
  // What the planner menu's "Apri" does, then its close showing the board.
  void open(const QString& plate, const QString& year, planner::BoardVehicle vehicle = {}) {
    if (vehicle.targa.isEmpty()) vehicle = {"Autovettura", "Fiat", "Panda", plate};
    w->openFor(planner::plannerFilePath(plate, year), year, vehicle);
    w->showWindow();
  }
  void openDefault() { open(QStringLiteral("AB123CD"), QStringLiteral("2024")); }

  // The named parts of a day cell.
  bool shown(const QString& name) const {
    QObject* o = w->findChild<QObject*>(name);
    EXPECT_NE(o, nullptr) << name.toStdString();
    return o && o->property("visible").toBool();
  }
  QString memo(const QString& suffix) const {
    QObject* o = w->findChild<QObject*>(QStringLiteral("mem") + suffix);
    EXPECT_NE(o, nullptr) << suffix.toStdString();
    return o ? o->property("text").toString() : QString();
  }
  // Free: the free picture shown, the booked one hidden, no text; booked: the reverse.
  void expectDay(const QString& suffix, const QString& text) const {
    SCOPED_TRACE(suffix.toStdString());
    EXPECT_EQ(shown("lib" + suffix), text.isEmpty());
    EXPECT_EQ(shown("occ" + suffix), !text.isEmpty());
    EXPECT_EQ(memo(suffix), text);
  }
  int bookedDays() const {
    int n = 0;
    for (const BoardDay& d : planner::boardDays()) n += w->isDayBooked(d);
    return n;
  }
  void clickDay(const BoardDay& day) {
    QTest::mouseClick(w->calendar(), Qt::LeftButton, Qt::NoModifier, planner::DayCalendar::cellRect(day).center());
  }
  void mouseMove(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
  }
};

TEST_F(Planning, FirstShowCreatesAnEmptyFileAndTheCloseWritesOneRecord) {
  auto* launcher = new TfrmAvvio(nullptr);
  app().adopt(launcher);
  app().frmAvvio = launcher;

  openDefault();
  EXPECT_EQ(w->windowTitle(), " Velmora 4.0 - Planner prenotazioni anno 2024");
  EXPECT_EQ(w->txtAnno->text(), "2024");
  EXPECT_EQ(w->lblPosizione->text(), "1");
  EXPECT_TRUE(dir.exists(kFile));
  EXPECT_EQ(dir.read(kFile).size(), 0);
  EXPECT_EQ(bookedDays(), 0);
  expectDay("Feb_29", "");
  expectDay("Dic_31", "");

  click(w->cmdEsci);
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(launcher->isVisible());
  const QByteArray stored = dir.read(kFile);
  EXPECT_EQ(stored, handBuiltRecord(18850, {{0, "Autovettura"}, {51, "Fiat"}, {102, "Panda"}, {153, "AB123CD"}}));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Planning, ShowLoadsTheStoredDaysTrimmedAndBlanksAsFree) {
  dir.write(kFile, handBuiltRecord(18850, {{0, "Furgone"},
                                           {51, "Iveco"},  // another vehicle's header: never shown
                                           {184, "  Rossi 333 "},
                                           {3193, "Bisestile"},
                                           {3244 + 51 * 4, "     "},
                                           {18799, "Neri"}}));
  openDefault();
  expectDay("Gen_01", "Rossi 333");
  expectDay("Feb_29", "Bisestile");
  expectDay("Mar_05", "");
  expectDay("Dic_31", "Neri");
  expectDay("Gen_02", "");
  EXPECT_EQ(bookedDays(), 3);
  EXPECT_EQ(w->txtVeicolo->text(), "Autovettura");
  EXPECT_EQ(w->txtMarca->text(), "Fiat");
  EXPECT_EQ(w->txtModello->text(), "Panda");
  EXPECT_EQ(w->txtTarga->text(), "AB123CD");

  // Closing unchanged rewrites record 0 with the header shown and the blank day cleared.
  w->closeForm();
  const QByteArray stored = dir.read(kFile);
  EXPECT_EQ(storedField(stored, 51), "Fiat");
  EXPECT_EQ(storedField(stored, 184), "Rossi 333");
  EXPECT_EQ(storedField(stored, 3244 + 51 * 4), "");
  EXPECT_EQ(storedField(stored, 18799), "Neri");
}

TEST_F(Planning, NothingOfOneVehicleIsLeftOnTheNextVehiclesBoard) {
  dir.write(kFile, handBuiltRecord(18850, {{184, "Rossi"}, {18799, "Neri"}}));
  openDefault();
  EXPECT_EQ(bookedDays(), 2);
  w->closeForm();

  open(QStringLiteral("ZZ999ZZ"), QStringLiteral("2024"), {"Furgone", "Iveco", "Daily", "ZZ999ZZ"});
  EXPECT_EQ(bookedDays(), 0);
  expectDay("Gen_01", "");
  EXPECT_EQ(w->txtMarca->text(), "Iveco");
  w->closeForm();
  const QByteArray other = dir.read("Prenotazioni veicolo targa ZZ999ZZ anno 2024.pln");
  ASSERT_EQ(other.size(), 18850);
  EXPECT_EQ(storedField(other, 184), "");
  // The buffer is the run's one: bytes past a length are what it held before.
  EXPECT_EQ(other.mid(185, 5), "Rossi");
  EXPECT_EQ(storedField(dir.read(kFile), 184), "Rossi");
}

TEST_F(Planning, APlateThatCouldNameAnotherFolderStaysInTheExecutablesFolder) {
  const struct {
    const char* plate;
    const char* file;
  } cases[] = {
      {"X\\..\\..\\Y", "Prenotazioni veicolo targa X_.._.._Y anno 2024.pln"},
      {"AB/12", "Prenotazioni veicolo targa AB_12 anno 2024.pln"},
      {"AB\\12", "Prenotazioni veicolo targa AB_12 anno 2024.pln"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.plate);
    open(QString::fromLatin1(c.plate), QStringLiteral("2024"));
    w->setDay(dayOf(u"lug_14"), QStringLiteral("Bianchi"));
    w->closeForm();
    EXPECT_EQ(storedField(dir.read(QString::fromLatin1(c.file)), 184 + 51 * 195), "Bianchi");
    // The bookings survive: the same plate opens the same file.
    open(QString::fromLatin1(c.plate), QStringLiteral("2024"));
    expectDay("Lug_14", "Bianchi");
    w->closeForm();
  }
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
            QStringList({"Prenotazioni veicolo targa AB_12 anno 2024.pln",
                         "Prenotazioni veicolo targa X_.._.._Y anno 2024.pln"}));
}

TEST_F(Planning, AFailedLoadIsSaidAndTheCloseWritesNothing) {
  // Something that is no planner file stands where the file goes.
  ASSERT_TRUE(QDir(dir.path()).mkdir(kFile));
  openDefault();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Error);
  EXPECT_EQ(host.last().text, kit::msg::kAccessError);
  EXPECT_EQ(bookedDays(), 0);
  EXPECT_EQ(w->txtMarca->text(), "Fiat");

  w->setDay(dayOf(u"gen_10"), QStringLiteral("Rossi"));
  w->closeForm();
  EXPECT_FALSE(w->isVisible());
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.last().kind, MsgKind::Error);
  EXPECT_EQ(host.last().text, kit::msg::kAccessError);
  EXPECT_TRUE(QFileInfo(dir.file(kFile)).isDir());
  EXPECT_TRUE(QDir(dir.file(kFile)).isEmpty());

  // The next vehicle's board loads and saves again.
  host.clear();
  open(QStringLiteral("ZZ999ZZ"), QStringLiteral("2024"));
  w->closeForm();
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(dir.read("Prenotazioni veicolo targa ZZ999ZZ anno 2024.pln").size(), 18850);
}

TEST_F(Planning, AFailedSaveOnAFullDiskIsSaidLeavesTheFileAsItWasAndTheBoardCloses) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
  openDefault();
  ASSERT_EQ(disk.read(kFile).size(), 0);
  w->setDay(dayOf(u"ago_15"), QStringLiteral("Ferragosto"));
  disk.fill();

  w->closeForm();
  EXPECT_FALSE(w->isVisible());
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Error);
  EXPECT_EQ(host.last().text, kit::msg::kAccessError);
  EXPECT_EQ(disk.read(kFile).size(), 0);
  EXPECT_EQ(disk.entries(), QStringList({kFile, QString::fromLatin1(SmallDisk::kFiller)}));
}

TEST_F(Planning, TheDayCellsOpenTheSingleDayDialogFilledForTheirDay) {
  dir.write(kFile, handBuiltRecord(18850, {{184 + 51 * 252, "Rossi Mario"}}));
  openDefault();
  struct Case {
    const char16_t* key;
    const char* picture;  // the one shown, clicked
    const char* heading;
    const char* text;
  };
  const Case cases[] = {
      {u"set_09", "occSet_09", "Prenotazione del 9 settembre 2024", "Rossi Mario"},
      {u"set_10", "libSet_10", "Prenotazione del 10 settembre 2024", ""},
      {u"gen_01", "libGen_01", "Prenotazione del 1 gennaio 2024", ""},
      {u"mar_05", "libMar_05", "Prenotazione del 5 marzo 2024", ""},
      {u"ott_01", "libOtt_01", "Prenotazione del 1 ottobre 2024", ""},
      {u"nov_30", "libNov_30", "Prenotazione del 30 novembre 2024", ""},
      {u"dic_31", "libDic_31", "Prenotazione del 31 dicembre 2024", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picture);
    EXPECT_TRUE(shown(QString::fromLatin1(c.picture)));
    QString key, heading, vehicle, text, owner;
    bool freeShown = false;
    host.modalScripts.push_back([&](platform::Form& f) {
      auto& g = static_cast<TfrmGiorno&>(f);
      key = g.memory();
      heading = g.infGiorno->text();
      vehicle = g.infCamera->text();
      text = g.txtPrenotazione->text();
      freeShown = g.icoLibera->isVisibleTo(&g) && !g.icoOccupata->isVisibleTo(&g);
      owner = g.parentWidget()->objectName();
      click(g.btnAnnulla);
    });
    clickDay(dayOf(c.key));
    ASSERT_EQ(host.modalShown.size(), 1);
    EXPECT_EQ(host.modalShown.last(), "TfrmGiorno");
    host.modalShown.clear();
    EXPECT_EQ(key, QString::fromStdU16String(c.key));
    EXPECT_EQ(heading, c.heading);
    EXPECT_EQ(vehicle, "Fiat Panda");
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(freeShown, QString(c.text).isEmpty());
    EXPECT_EQ(owner, "TfrmPlanning");
  }
  // "Annulla" changed nothing.
  expectDay("Set_09", "Rossi Mario");
  EXPECT_EQ(bookedDays(), 1);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Planning, TheVehicleTextKeepsItsBlankWhateverIsMissing) {
  const struct {
    planner::BoardVehicle vehicle;
    const char* text;
  } cases[] = {{{"", "", "", "AB123CD"}, " "}, {{"", "", "Panda", "AB123CD"}, " Panda"}, {{"", "Fiat", "", "AB123CD"}, "Fiat "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    open(QStringLiteral("AB123CD"), QStringLiteral("2024"), c.vehicle);
    QString vehicle;
    host.modalScripts.push_back([&](platform::Form& f) { vehicle = static_cast<TfrmGiorno&>(f).infCamera->text(); });
    clickDay(dayOf(u"apr_10"));
    EXPECT_EQ(vehicle, c.text);
    w->closeForm();
  }
}

TEST_F(Planning, TheTwentyNinthOfFebruaryOpensOnlyInAYearThatHasIt) {
  // Whatever the system's date format, the date is dd/mm/yyyy with "/".
  const QLocale before;
  const struct {
    const char* year;
    bool opens;
  } cases[] = {{"2023", false}, {"1900", false}, {"2100", false}, {"2000", true}, {"2024", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    host.clear();
    // (each dialog sets the program's own formats again as it is created)
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    open(QStringLiteral("AB123CD"), QString::fromLatin1(c.year));
    QString key, heading;
    host.modalScripts.push_back([&](platform::Form& f) {
      key = f.memory();
      heading = static_cast<TfrmGiorno&>(f).infGiorno->text();
    });
    clickDay(dayOf(u"feb_29"));
    if (c.opens) {
      EXPECT_TRUE(host.boxes.empty());
      EXPECT_EQ(host.modalShown, QStringList("TfrmGiorno"));
      EXPECT_EQ(key, "feb_29");
      EXPECT_EQ(heading, QStringLiteral("Prenotazione del 29 febbraio ") + c.year);
    } else {
      host.modalScripts.clear();
      EXPECT_TRUE(host.modalShown.isEmpty());
      ASSERT_EQ(host.boxes.size(), 1u);
      EXPECT_EQ(host.last().kind, MsgKind::Warning);
      EXPECT_EQ(host.last().text, QStringLiteral("Attenzione: la data 29/02/") + c.year +
                                      QStringLiteral(" non esiste.\n\r\n\rPer poter effettuare la prenotazione "
                                                     "è necessario indicare una data valida."));
      // Any other day of a common year opens.
      clickDay(dayOf(u"feb_28"));
      EXPECT_EQ(host.modalShown, QStringList("TfrmGiorno"));
    }
    expectDay("Feb_29", "");
    w->closeForm();
  }
  QLocale::setDefault(before);
}

TEST_F(Planning, TheDialogBooksAndFreesTheDayAndTheCloseStoresIt) {
  openDefault();
  // Book 14 February with a text typed with blanks around it.
  host.modalScripts.push_back([](platform::Form& f) {
    auto& g = static_cast<TfrmGiorno&>(f);
    g.txtPrenotazione->setText(QStringLiteral("  Rossi Mario 333 123  "));
    click(g.btnChiudi);
  });
  clickDay(dayOf(u"feb_14"));
  expectDay("Feb_14", "Rossi Mario 333 123");
  // Its booked picture opens it again, filled, and a cleared text frees it.
  QString text;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& g = static_cast<TfrmGiorno&>(f);
    text = g.txtPrenotazione->text();
    click(g.cmdCancella);
    click(g.btnChiudi);
  });
  clickDay(dayOf(u"feb_14"));
  EXPECT_EQ(text, "Rossi Mario 333 123");
  expectDay("Feb_14", "");

  host.modalScripts.push_back([](platform::Form& f) {
    auto& g = static_cast<TfrmGiorno&>(f);
    g.txtPrenotazione->setText(QStringLiteral("Verdi"));
    click(g.btnChiudi);
  });
  clickDay(dayOf(u"dic_31"));
  w->closeForm();
  const QByteArray stored = dir.read(kFile);
  EXPECT_EQ(storedField(stored, 18799), "Verdi");
  EXPECT_EQ(storedField(stored, 184 + 51 * 44), "");
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Planning, AFailureWhileADayIsOpenIsShownAndTheBoardGoesOn) {
  openDefault();
  host.modalScripts.push_back([](platform::Form&) { throw std::runtime_error("Impossibile mostrare la finestra."); });
  clickDay(dayOf(u"mag_01"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Error);
  EXPECT_EQ(host.last().text, "Impossibile mostrare la finestra.");
  expectDay("Mag_01", "");
  // The next click works as ever.
  host.modalScripts.push_back([](platform::Form& f) {
    auto& g = static_cast<TfrmGiorno&>(f);
    g.txtPrenotazione->setText(QStringLiteral("Bianchi"));
    click(g.btnChiudi);
  });
  clickDay(dayOf(u"mag_01"));
  expectDay("Mag_01", "Bianchi");
}

TEST_F(Planning, ClicksBesideTheCellsOpenNothing) {
  openDefault();
  auto* calendar = w->calendar();
  const QRect first = planner::DayCalendar::cellRect(dayOf(u"gen_01"));
  const QPoint misses[] = {
      first.topLeft() - QPoint(1, 1),                                                  // the ground
      first.topRight() + QPoint(2, 5),                                                 // between two cells
      planner::DayCalendar::cellRect(dayOf(u"feb_29")).center() + QPoint(26, 0),       // where 30 February would be
      planner::DayCalendar::cellRect(dayOf(u"nov_30")).center() + QPoint(26, 0),       // where 31 November would be
      planner::DayCalendar::titleRect(3).center(),                                     // a month's title
  };
  for (QPoint p : misses) QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, p);
  // A press on one day released on another is no click either.
  QTest::mousePress(calendar, Qt::LeftButton, Qt::NoModifier, first.center());
  QTest::mouseRelease(calendar, Qt::LeftButton, Qt::NoModifier,
                      planner::DayCalendar::cellRect(dayOf(u"gen_02")).center());
  EXPECT_TRUE(host.modalShown.isEmpty());
}

TEST_F(Planning, TheCellsSitWhereTheBoardDrawsThemInTheirColours) {
  openDefault();
  w->setDay(dayOf(u"feb_29"), QStringLiteral("Rossi"));
  const QImage image = w->calendar()->grab().toImage();
  struct Case {
    const char16_t* key;
    QPoint panelTopLeft;  // in the board's panel
    QColor colour;
  };
  const Case cases[] = {
      {u"gen_01", {166, 152}, QColor(0xD9, 0xD2, 0xF0)},
      {u"feb_29", {166 + 26 * 28, 192}, QColor(0xFE, 0x05, 0x10)},
      {u"dic_31", {166 + 26 * 30, 152 + 40 * 11}, QColor(0xD9, 0xD2, 0xF0)},
  };
  for (const Case& c : cases) {
    const QRect cell = planner::DayCalendar::cellRect(dayOf(c.key));
    EXPECT_EQ(cell.topLeft() + w->calendar()->pos(), c.panelTopLeft);
    EXPECT_EQ(cell.size(), QSize(24, 33));
    EXPECT_EQ(image.pixelColor(cell.topLeft() + QPoint(1, 1)), c.colour);
  }
  EXPECT_EQ(w->calendar()->geometry(), QRect(16, 144, 962, 490));
}

TEST_F(Planning, HeaderEditsAreAliceBlueWithASkyBlueBorderFocusedOrNot) {
  openDefault();
  for (QLineEdit* e : {w->txtVeicolo, w->txtMarca, w->txtModello, w->txtTarga}) {
    SCOPED_TRACE(e->objectName().toStdString());
    EXPECT_TRUE(e->isReadOnly());
    e->setFocus();
    for (QPoint at : {QPoint(e->width() - 3, e->height() / 2)}) EXPECT_EQ(pixelAt(e, at), platform::kAliceBlue);
    EXPECT_EQ(pixelAt(e, QPoint(e->width() / 2, 0)), platform::kSkyBlue);
  }
  EXPECT_EQ(w->txtVeicolo->maxLength(), 50);
  EXPECT_EQ(w->txtMarca->maxLength(), 50);
  EXPECT_EQ(w->txtModello->maxLength(), 50);
  EXPECT_EQ(w->txtTarga->maxLength(), 30);
}

TEST_F(Planning, StatusHintsAndWhatClearsThem) {
  openDefault();
  const struct {
    platform::PictureButton* TfrmPlanning::*button;
    const char* hint;
  } buttons[] = {
      {&TfrmPlanning::cmdIntervallo, "Prenota intervallo di tempo."},
      {&TfrmPlanning::cmdRiepilogo, "Visualizza il riepilogo delle prenotazioni registrate."},
      {&TfrmPlanning::cmdAnteprima, "Visualizza l'anteprima di stampa del planning corrente."},
      {&TfrmPlanning::cmdStampa, "Stampa il planning corrente."},
      {&TfrmPlanning::cmdGuida, "Visualizza la guida in linea."},
      {&TfrmPlanning::cmdEsci, "Esci da questa schermata di lavoro."},
  };
  QEvent enter(QEvent::Enter);
  for (const auto& b : buttons) {
    QApplication::sendEvent(w->*b.button, &enter);
    EXPECT_EQ(w->panInfo->text(), b.hint);
  }
  // The header, the year and the status bar keep it.
  for (QWidget* keeps : {static_cast<QWidget*>(w->txtMarca), static_cast<QWidget*>(w->lblCampo002),
                         static_cast<QWidget*>(w->txtAnno), static_cast<QWidget*>(w->panInfo)}) {
    mouseMove(keeps, QPoint(2, 2));
    EXPECT_EQ(w->panInfo->text(), "Esci da questa schermata di lavoro.") << keeps->objectName().toStdString();
  }
  // A month's title keeps it too; a day picture shows the day hint; the calendar's
  // ground and the panel empty it.
  mouseMove(w->calendar(), planner::DayCalendar::titleRect(4).center());
  EXPECT_EQ(w->panInfo->text(), "Esci da questa schermata di lavoro.");
  mouseMove(w->calendar(), planner::DayCalendar::cellRect(dayOf(u"giu_02")).center());
  EXPECT_EQ(w->panInfo->text(), TfrmPlanning::kDayHint);
  EXPECT_EQ(TfrmPlanning::kDayHint, "Fai clic sul numero del giorno per inserire o cancellare una prenotazione.");
  mouseMove(w->calendar(), planner::DayCalendar::cellRect(dayOf(u"giu_02")).topLeft() - QPoint(1, 1));
  EXPECT_EQ(w->panInfo->text(), "");
  QApplication::sendEvent(w->cmdGuida, &enter);
  mouseMove(w->panContainer, QPoint(12, 12));
  EXPECT_EQ(w->panInfo->text(), "");
  QApplication::sendEvent(w->cmdGuida, &enter);
  mouseMove(w, QPoint(2, 2));
  EXPECT_EQ(w->panInfo->text(), "");
}

TEST_F(Planning, HelpAndTheFourPicturesOpenTheirWindows) {
  openDefault();
  QString title, text;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& g = static_cast<TfrmGuida&>(f);
    title = g.title();
    text = g.text();
  });
  click(w->cmdGuida);
  EXPECT_EQ(title, "App Planner Prenotazioni");
  const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
  ASSERT_EQ(paragraphs.size(), 7);
  EXPECT_TRUE(paragraphs[0].startsWith("L'app Planner Prenotazioni mette a disposizione un planning annuale, ossia un "
                                       "calendario nel quale annotare, per ciascun veicolo, le prenotazioni dei "
                                       "noleggi di ogni giorno dell'anno."));
  EXPECT_TRUE(paragraphs[2].startsWith("Il pulsante Intervallo consente di registrare velocemente una prenotazione "
                                       "che copre un arco di tempo di più giorni."));
  EXPECT_TRUE(paragraphs[6].startsWith("Il planning annuale relativo a ciascun mezzo può essere visualizzato in "
                                       "anteprima o stampato su carta per avere a disposizione il prospetto delle "
                                       "prenotazioni."));
  host.modalShown.clear();
  // The interval, the summary, the preview and the print, each a fresh window of its own.
  for (platform::PictureButton* b : {w->cmdIntervallo, w->cmdRiepilogo, w->cmdAnteprima, w->cmdStampa}) click(b);
  EXPECT_EQ(host.modalShown, QStringList({"TfrmIntervallo", "TfrmRiepPrenotazioni", "TfrmAnteprimaPlanning",
                                          "TfrmStampaPlanning"}));
  EXPECT_TRUE(w->isVisible());
}

}  // namespace

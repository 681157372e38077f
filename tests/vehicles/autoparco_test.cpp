// The vehicle card: its controls, its commands over the vehicle archive, its fields.
#include <QClipboard>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/app.h"
#include "kit/record_card.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "shell/frm_allega_cartella.h"
#include "shell/frm_calendario.h"
#include "shell/frm_guida.h"
#include "support/app/card_window.h"
#include "support/helpers.h"
#include "support/record_bytes.h"
#include "support/result_list.h"
#include "support/scripted_host.h"
#include "vehicles/frm_autoparco.h"
#include "vehicles/frm_trova_automezzi.h"
#include "vehicles/vehicle_photo.h"
#include "vehicles/vehicle_record.h"

using platform::MsgKind;
using vehicles::VehicleRecord;

namespace {

const QString kArchive = QStringLiteral("Parco_Automezzi.pro");
constexpr int kSize = 3370;

// A vehicle record built by hand: {offset, Windows-1252 bytes} per field set.
QByteArray vehicle(std::initializer_list<std::pair<int, QByteArray>> fields) { return handBuiltRecord(kSize, fields); }
QByteArray vehicleNamed(const QByteArray& tipo) {
  return vehicle({{0, tipo}, {102, "Fiat"}, {153, "Panda"}, {204, "AA000" + tipo.right(2)}});
}

class AutoparcoTest : public CardWindowTest<TfrmAutoparco, &App::frmAutoparco> {
 protected:

  // A card ready to save: the four required fields.
  void fillRequired(const QString& tipo = QStringLiteral("Autovettura")) {
    w->txtTipo->setText(tipo);
    w->txtMarca->setText(QStringLiteral("Fiat"));
    w->txtModello->setText(QStringLiteral("Panda"));
    w->txtTarga->setText(QStringLiteral("AB123CD"));
  }
};

TEST_F(AutoparcoTest, ControlsInRecordOrderWithTheirLimits) {
  EXPECT_EQ(w->windowTitle(), QStringLiteral(" Velmora 4.0 - Parco Automezzi"));
  EXPECT_EQ(w->objectName(), QStringLiteral("TfrmAutoparco"));
  ASSERT_EQ(w->edits().size(), 32u);
  QWidget* expectedNext = w->edits()[0];
  for (std::size_t i = 0; i < 32; ++i) {
    QLineEdit* e = w->edits()[i];
    const auto name = VehicleRecord::fields[i].name;
    SCOPED_TRACE(std::string(name));
    EXPECT_EQ(e->objectName(), QStringLiteral("txt") + QString::fromLatin1(name.data(), int(name.size())));
    auto* limited = qobject_cast<platform::FilteredEdit*>(e);
    ASSERT_NE(limited, nullptr);
    EXPECT_EQ(limited->inputLimit(), VehicleRecord::fields[i].width);
    EXPECT_EQ(e, expectedNext);  // tab order is record order
    expectedNext = e->nextInFocusChain();
    while (!(expectedNext->focusPolicy() & Qt::TabFocus)) expectedNext = expectedNext->nextInFocusChain();
    const bool date = name == "Lettura" || name.substr(0, 4) == "Scad";
    EXPECT_EQ(e->isReadOnly(), date);
  }
  EXPECT_EQ(expectedNext, w->btnFocus);
  // On screen the edits read in the same order: each one right of the previous on
  // its row, or on a row further down.
  for (std::size_t i = 1; i < 32; ++i) {
    const QPoint before = w->edits()[i - 1]->mapTo(w, QPoint(0, 0));
    const QPoint at = w->edits()[i]->mapTo(w, QPoint(0, 0));
    EXPECT_TRUE(at.y() > before.y() || (at.y() == before.y() && at.x() > before.x()))
        << w->edits()[i]->objectName().toStdString();
  }
  for (std::size_t i = 0; i < 6; ++i) {
    QLabel* l = w->attachmentLabels()[i];
    EXPECT_EQ(l->objectName().toStdString(), "lbl" + std::string(VehicleRecord::fields[32 + i].name));
    EXPECT_TRUE(l->isHidden());
  }
  for (auto* b : w->findChildren<platform::PictureButton*>()) EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
  for (auto* b : {w->cmdTrova, w->cmdStampa, w->cmdAnteprima, w->cmdEsporta}) EXPECT_TRUE(b->isEnabled());
  EXPECT_FALSE(w->btnFocus->autoDefault());
  EXPECT_EQ(w->panInfo->text(), QStringLiteral("Pronto per registrare una nuova scheda..."));

  // A typed chassis number stops at 10 characters.
  w->txtTelaio->setFocus();
  QTest::keyClicks(w->txtTelaio, QStringLiteral("ZFA1234567890"));
  EXPECT_EQ(w->txtTelaio->text(), QStringLiteral("ZFA1234567"));
}

// The commands themselves, over every state of the archive, are the record card's
// (tests/kit/record_card_test.cpp); here the card's pictures reach them and a read
// fills every edit.
TEST_F(AutoparcoTest, NavigationPicturesMoveThroughTheRecords) {
  dir.write(kArchive, vehicleNamed("Uno01") + vehicleNamed("Due02") + vehicleNamed("Tre03"));
  struct Step {
    platform::PictureButton* TfrmAutoparco::*picture;
    const char* label;
    const char* tipo;
  };
  const Step steps[] = {
      {&TfrmAutoparco::cmdAvanti, "1", "Uno01"},
      {&TfrmAutoparco::cmdUltimo, "3", "Tre03"},
      {&TfrmAutoparco::cmdIndietro, "2", "Due02"},
      {&TfrmAutoparco::cmdPrimo, "1", "Uno01"},
      {&TfrmAutoparco::cmdNuovo, "", ""},
  };
  for (const Step& s : steps) {
    click(w->*s.picture);
    EXPECT_EQ(w->lblPosizione->text(), QString::fromLatin1(s.label));
    EXPECT_EQ(w->txtTipo->text(), QString::fromLatin1(s.tipo));
    EXPECT_EQ(w->txtMarca->text(), s.tipo[0] ? QStringLiteral("Fiat") : QString());
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(AutoparcoTest, ReadingShowsEveryFieldTrimmedAndCapsCorruptLengths) {
  QByteArray rec = vehicle({{0, " Autocarro "}, {687, "Euro 6 \xE8"}, {1864, "libretto.pdf"}, {3119, "Polizza"}});
  rec[204] = char(200);  // a plate whose length byte runs past its 12 bytes
  rec.replace(205, 12, "ABCDEFGHIJKL");
  rec[217] = 4;
  rec.replace(218, 4, "2019");
  dir.write(kArchive, rec);
  w->cmdPrimoClick();
  EXPECT_EQ(w->txtTipo->text(), QStringLiteral("Autocarro"));
  EXPECT_EQ(w->txtAmbiente->text(), QStringLiteral("Euro 6 è"));
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral("ABCDEFGHIJKL"));
  EXPECT_EQ(w->txtAnno->text(), QStringLiteral("2019"));
  EXPECT_EQ(w->lblFile01->text(), QStringLiteral("libretto.pdf"));
  EXPECT_EQ(w->lblDesc03->text(), QStringLiteral("Polizza"));
}

TEST_F(AutoparcoTest, SaveAppendsAtTheEndThenOverwritesInPlace) {
  dir.write(kArchive, vehicleNamed("Uno01") + vehicleNamed("Due02"));
  fillRequired(QStringLiteral("  Autovettura "));
  w->txtAmbiente->setText(QStringLiteral("Compatibilità è"));
  w->lblDesc02->setText(QStringLiteral("assicurazione"));
  w->cmdSalvaClick();

  QByteArray file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 3 * kSize);
  const QByteArray third = vehicle({{0, "Autovettura"}, {102, "Fiat"}, {153, "Panda"}, {204, "AB123CD"},
                                    {687, "Compatibilit\xE0 \xE8"}, {2868, "assicurazione"}});
  EXPECT_EQ(file.mid(2 * kSize), third);  // at byte 2 x 3370; every other field of length 0
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("3"));
  EXPECT_EQ(host.texts(), QStringList({QStringLiteral("La scheda corrente è stata inserita in archivio.")}));
  EXPECT_EQ(host.last().kind, MsgKind::Information);

  w->txtModello->setText(QStringLiteral("Punto"));
  w->cmdSalvaClick();
  file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 3 * kSize);  // overwritten, not appended
  EXPECT_EQ(file.mid(2 * kSize + 153, 6), QByteArray("\x05Punto"));
  EXPECT_EQ(file.left(2 * kSize), vehicleNamed("Uno01") + vehicleNamed("Due02"));
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("3"));
  EXPECT_EQ(host.last().text, QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
}

TEST_F(AutoparcoTest, RequiredFieldsInOrderWithNothingOpened) {
  showActive();
  struct Case {
    QLineEdit* TfrmAutoparco::*field;
    const char* warning;
  };
  const Case cases[] = {
      {&TfrmAutoparco::txtTipo, "Attenzione: per salvare la scheda è necessario indicare il tipo di veicolo."},
      {&TfrmAutoparco::txtMarca, "Attenzione: per salvare la scheda è necessario indicare la marca del veicolo."},
      {&TfrmAutoparco::txtModello, "Attenzione: per salvare la scheda è necessario indicare il modello del veicolo."},
      {&TfrmAutoparco::txtTarga, "Attenzione: per salvare la scheda è necessario indicare la targa del veicolo."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.warning);
    fillRequired();
    (w->*c.field)->setText(QStringLiteral(" \t "));  // blanks only count as empty
    w->txtNote->setFocus();
    host.clear();
    w->cmdSalvaClick();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Warning);
    EXPECT_EQ(host.last().text, QString::fromUtf8(c.warning));
    EXPECT_EQ(w->focusWidget(), w->*c.field);
  }
  EXPECT_FALSE(dir.exists(kArchive));
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
}

TEST_F(AutoparcoTest, SaveMovesTheFocusToTheHiddenButtonFirst) {
  showActive();
  fillRequired();
  w->txtNote->setFocus();
  w->cmdSalvaClick();
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(w->focusWidget(), w->btnFocus);
}

TEST_F(AutoparcoTest, DuplicateKeepsTheEditsAndDropsAttachmentsAndPhoto) {
  showActive();
  w->cmdDuplicaClick();
  EXPECT_EQ(host.texts(), QStringList({QStringLiteral(
                              "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                              "stata inserita in archivio.")}));
  EXPECT_EQ(host.last().kind, MsgKind::Warning);

  fillRequired();
  w->lblFile01->setText(QStringLiteral("libretto.pdf"));
  w->lblDesc01->setText(QStringLiteral("Libretto"));
  w->imgFoto->setImage(QImage(QSize(64, 48), QImage::Format_RGB32));
  w->cmdSalvaClick();
  const QByteArray first = dir.read(kArchive);
  host.clear();
  w->txtNote->setFocus();
  w->cmdDuplicaClick();
  EXPECT_EQ(host.texts(), QStringList({QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                                                      "corrente.\n\r\n\rAl termine premere Salva per inserire la "
                                                      "scheda in archivio.")}));
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_TRUE(w->lblFile01->text().isEmpty());
  EXPECT_TRUE(w->lblDesc01->text().isEmpty());
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral("AB123CD"));
  EXPECT_EQ(w->focusWidget(), w->txtTipo);
  EXPECT_EQ(w->imgFoto->image(), w->imgBianco->image());  // the copy starts without photo

  w->cmdSalvaClick();
  EXPECT_EQ(QImage(dir.file(QStringLiteral("Autoparco/Scheda_Veicolo_2.jpg"))).size(), w->imgBianco->image().size());
  EXPECT_EQ(QImage(dir.file(QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg"))).size(), QSize(64, 48));
  const QByteArray file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 2 * kSize);
  EXPECT_EQ(file.left(kSize), first);  // the first card is unchanged
  EXPECT_EQ(file.mid(kSize + 204, 8), QByteArray("\x07" "AB123CD"));
  EXPECT_EQ(file.at(kSize + 1864), 0);  // no attachment in the copy
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("2"));
}

TEST_F(AutoparcoTest, NewCardStateOnShowAndOnNuovo) {
  dir.write(kArchive, vehicleNamed("Uno01"));
  w->cmdPrimoClick();
  w->lblFile02->setText(QStringLiteral("x.pdf"));
  showActive();  // every show starts a new card
  for (QLineEdit* e : w->edits()) EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString();
  for (QLabel* l : w->attachmentLabels()) EXPECT_TRUE(l->text().isEmpty());
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_EQ(w->focusWidget(), w->txtTipo);

  w->cmdPrimoClick();
  w->txtNote->setFocus();
  w->cmdNuovoClick();
  EXPECT_TRUE(w->txtTipo->text().isEmpty());
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_EQ(w->focusWidget(), w->txtTipo);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(AutoparcoTest, LockedOrShortArchiveShowsAnErrorBoxAndWritesNoPhoto) {
  const QString error = QStringLiteral(
      "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
      "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
  // On this card the access error is an error box, for every command.
  auto expectErrorBox = [&](std::initializer_list<void (TfrmAutoparco::*)()> commands, const QString& label) {
    w->lblPosizione->setText(label);
    for (auto command : commands) {
      host.clear();
      (w->*command)();
      ASSERT_EQ(host.boxes.size(), 1u);
      EXPECT_EQ(host.last().kind, MsgKind::Error);
      EXPECT_EQ(host.last().text, error);
    }
  };
  fillRequired();

  QDir(dir.path()).mkdir(kArchive);  // a folder in the archive's place
  expectErrorBox({&TfrmAutoparco::cmdPrimoClick, &TfrmAutoparco::cmdIndietroClick, &TfrmAutoparco::cmdAvantiClick,
                  &TfrmAutoparco::cmdUltimoClick, &TfrmAutoparco::cmdSalvaClick},
                 QStringLiteral("2"));
  EXPECT_FALSE(dir.exists(QStringLiteral("Autoparco/Scheda_Veicolo_2.jpg")));  // no photo after a failed save

  // A readable archive shorter than the card's position (replaced meanwhile).
  QDir(dir.path()).rmdir(kArchive);
  const QByteArray two = vehicleNamed("Uno01") + vehicleNamed("Due02");
  dir.write(kArchive, two);
  expectErrorBox({&TfrmAutoparco::cmdIndietroClick, &TfrmAutoparco::cmdSalvaClick}, QStringLiteral("9"));
  EXPECT_EQ(dir.read(kArchive), two);
  EXPECT_FALSE(dir.exists(QStringLiteral("Autoparco/Scheda_Veicolo_9.jpg")));
}

TEST_F(AutoparcoTest, EnterChainFollowsRecordOrderAndWraps) {
  showActive();
  for (std::size_t i = 0; i < 32; ++i) {
    QLineEdit* e = w->edits()[i];
    e->setFocus();
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), w->edits()[(i + 1) % 32]) << e->objectName().toStdString();
  }
  EXPECT_TRUE(host.modalShown.isEmpty());  // Enter in a date edit opens no calendar
}

TEST_F(AutoparcoTest, EditsTurnYellowWhileFocused) {
  showActive();
  w->btnFocus->setFocus();
  auto fill = [](QLineEdit* e) { return e->grab().toImage().pixelColor(e->width() / 2, e->height() - 4); };
  for (std::size_t i = 0; i < 32; ++i) {
    QLineEdit* e = w->edits()[i];
    SCOPED_TRACE(e->objectName().toStdString());
    const QColor normal = i < 23 ? platform::kAliceBlue : QColor(Qt::white);
    EXPECT_EQ(fill(e), normal);
    e->setFocus();
    EXPECT_EQ(fill(e), platform::kFocusYellow);
    w->btnFocus->setFocus();
    EXPECT_EQ(fill(e), normal);
  }
}

TEST_F(AutoparcoTest, DateEditsOpenTheCalendarAndTakeItsDate) {
  showActive();
  const char* keyWords[] = {"autoparco_lettura", "autoparco_scadrevisione", "autoparco_scadtagliando",
                            "autoparco_scadassicurazione", "autoparco_scadbollo"};
  QLineEdit* dates[] = {w->txtLettura, w->txtScadRevisione, w->txtScadTagliando, w->txtScadAssicurazione,
                        w->txtScadBollo};
  const QDate today = QDate::currentDate();
  const QString todayText = today.toString(QStringLiteral("dd/MM/yyyy"));
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(keyWords[i]);
    QString memory;
    host.modalScripts.push_back([&](platform::Form& f) {
      memory = f.memory();
      click(f.findChild<QPushButton*>(QStringLiteral("btnImportaData")));
    });
    dates[i]->setText(QStringLiteral("01/01/2020"));
    dates[i]->setFocus();
    QTest::keyClick(dates[i], Qt::Key_X);  // a letter opens the calendar and types nothing
    EXPECT_EQ(host.modalShown.last(), QStringLiteral("TfrmCalendario"));
    EXPECT_EQ(memory, QString::fromLatin1(keyWords[i]));
    EXPECT_EQ(dates[i]->text(), todayText);
    QTest::keyClick(dates[i], Qt::Key_Delete);
    EXPECT_TRUE(dates[i]->text().isEmpty());
  }
  // Cancelled: the date stays; Backspace empties it without a calendar.
  host.modalScripts.push_back([](platform::Form& f) { click(f.findChild<QPushButton*>(QStringLiteral("btnAnnulla"))); });
  w->txtScadBollo->setText(QStringLiteral("31/12/2025"));
  QTest::keyClick(w->txtScadBollo, Qt::Key_5);
  EXPECT_EQ(w->txtScadBollo->text(), QStringLiteral("31/12/2025"));
  const auto shown = host.modalShown.size();
  QTest::keyClick(w->txtScadBollo, Qt::Key_Backspace);
  EXPECT_TRUE(w->txtScadBollo->text().isEmpty());
  QTest::keyClick(w->txtScadBollo, Qt::Key_Shift);  // a modifier alone opens nothing
  EXPECT_EQ(host.modalShown.size(), shown);
}

TEST_F(AutoparcoTest, PlateRefusesSomeCharactersAndShowsCapitals) {
  showActive();
  w->txtTarga->setFocus();
  QTest::keyClicks(w->txtTarga, QStringLiteral("ab 1"));
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral("AB1"));  // the blank went at once
  for (const QString& c : {QStringLiteral("é"), QStringLiteral("&"), QStringLiteral("/"), QStringLiteral("<"),
                           QStringLiteral("£"), QStringLiteral("°"), QStringLiteral("Ü")})
    typeText(w->txtTarga, c);
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral("AB1"));
  typeText(w->txtTarga, QStringLiteral("ø-x.ß"));
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral("AB1ø-X.ß"));
  // A letter composed by an input method is refused as well; the rest of it stays.
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("èz"));
  QApplication::sendEvent(w->txtTarga, &composed);
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral("AB1ø-X.ßZ"));
  QTest::keyClick(w->txtTarga, Qt::Key_Return);
  EXPECT_EQ(w->focusWidget(), w->txtAnno);
}

// Pasting holds to the typing rules: what the plate refuses as a key it refuses in a
// paste, and control characters enter no edit of the card, whatever the way in.
TEST_F(AutoparcoTest, PastedTextKeepsTheTypingRules) {
  showActive();
  auto paste = [](QLineEdit* e, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    e->setFocus();
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
  };
  paste(w->txtTarga, QStringLiteral(" ab/1<2>3&c è "));
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral("AB123C"));
  w->txtTarga->clear();
  paste(w->txtTarga, QStringLiteral("/ < > &"));
  EXPECT_TRUE(w->txtTarga->text().isEmpty());

  const QString controls = QStringLiteral("x") + QChar(0) + QChar(1) + QStringLiteral("\t\r\ny") + QChar(0x1F) +
                           QChar(0x7F) + QChar(0x85) + QStringLiteral("z");
  for (QLineEdit* e : w->edits()) {
    SCOPED_TRACE(e->objectName().toStdString());
    e->clear();
    paste(e, controls);
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("w") + QChar(0) + QChar(0x7F));
    QApplication::sendEvent(e, &composed);
    // The date edits take nothing but the calendar's dates.
    EXPECT_EQ(e->text(), e->isReadOnly() ? QString() : e == w->txtTarga ? QStringLiteral("XYZW") : QStringLiteral("xyzw"));
  }
}

TEST_F(AutoparcoTest, AttachmentsTravelThroughTheDialogToTheNextSave) {
  w->lblFile01->setText(QStringLiteral(" vecchio.pdf "));
  w->lblDesc01->setText(QStringLiteral("Vecchio"));
  QString memory, shownFile;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& d = static_cast<TfrmAllegaCartella&>(f);
    memory = d.memory();
    shownFile = d.txtFile[0]->text();
    d.txtFile[2]->setText(QStringLiteral("bollo.pdf"));
    d.txtDesc[2]->setText(QStringLiteral(" Ricevuta bollo "));
    click(d.btnApplica);
  });
  w->cmdFileClick();
  EXPECT_EQ(host.modalShown, QStringList({QStringLiteral("TfrmAllegaCartella")}));
  EXPECT_EQ(memory, QStringLiteral("autoparco"));
  EXPECT_EQ(shownFile, QStringLiteral("vecchio.pdf"));
  EXPECT_EQ(w->lblFile03->text(), QStringLiteral("bollo.pdf"));
  EXPECT_EQ(w->lblDesc03->text(), QStringLiteral("Ricevuta bollo"));
  EXPECT_FALSE(dir.exists(kArchive));  // stored only by Save

  fillRequired();
  w->cmdSalvaClick();
  const QByteArray file = dir.read(kArchive);
  EXPECT_EQ(file.mid(2366, 10), QByteArray("\x09" "bollo.pdf"));
  EXPECT_EQ(file.mid(3119, 15), QByteArray("\x0E" "Ricevuta bollo"));
}

TEST_F(AutoparcoTest, HelpHintsAndClose) {
  QString title, text;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& g = static_cast<TfrmGuida&>(f);
    title = g.lblTitolo->text();
    text = g.text();
  });
  w->cmdGuidaClick();
  EXPECT_EQ(title, QStringLiteral("App Parco Automezzi"));
  EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")).size(), 11);
  EXPECT_EQ(text, TfrmAutoparco::helpParagraphs().join(QStringLiteral("\r\n\r\n")));

  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(w->cmdSalva, &enter);
  EXPECT_EQ(w->panInfo->text(), QStringLiteral("Salva la scheda in archivio."));
  QApplication::sendEvent(w->btnZoomFoto, &enter);
  EXPECT_EQ(w->panInfo->text(), QStringLiteral("Visualizza la foto nelle sue dimensioni reali."));
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w->findChild<QWidget*>(QStringLiteral("bkgDetails")), &move);
  EXPECT_TRUE(w->panInfo->text().isEmpty());

  showActive();
  w->cmdEsciClick();
  EXPECT_FALSE(w->isVisible());
  EXPECT_NE(app().window(QStringLiteral("TfrmAutoparco")), nullptr);  // long-lived: hidden, not gone
}

TEST_F(AutoparcoTest, CardPicturesOpenTheirDialogsOwnedByTheCard) {
  struct Seen {
    QString name, memory;
    QWidget* owner;
  };
  std::vector<Seen> seen;
  host.onModal = [&](platform::Form& f) { seen.push_back({f.objectName(), f.memory(), f.parentWidget()}); };
  host.acceptPrint = false;
  click(w->cmdTrova);
  click(w->cmdStampa);
  click(w->cmdAnteprima);
  click(w->cmdEsporta);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0].name, QStringLiteral("TfrmTrovaAutomezzi"));
  EXPECT_EQ(seen[0].memory, QStringLiteral("autoparco"));
  EXPECT_EQ(seen[1].name, QStringLiteral("TfrmStampaAutomezzo"));
  EXPECT_EQ(seen[2].name, QStringLiteral("TfrmAnteprimaAutomezzo"));
  EXPECT_EQ(seen[3].name, QStringLiteral("TfrmExpAutoparco"));
  for (const Seen& s : seen) EXPECT_EQ(s.owner, w);
}

TEST_F(AutoparcoTest, SearchFromTheCardLoadsTheChosenVehicle) {
  fillRequired();
  w->cmdSalvaClick();
  w->cmdNuovoClick();
  fillRequired(QStringLiteral("Furgone"));
  w->txtTarga->setText(QStringLiteral("ZZ999ZZ"));
  w->cmdSalvaClick();
  w->cmdNuovoClick();
  host.modalScripts.push_back([](platform::Form& f) {
    auto& search = static_cast<TfrmTrovaAutomezzi&>(f);
    search.txtTarga->setText(QStringLiteral("zz999"));
    search.btnCercaClick();
    ASSERT_EQ(listCount(search.lstRecords), 1);
    selectLine(search.lstRecords, 0);
    search.lstRecordsDblClick();
  });
  w->cmdTrovaClick();
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("2"));
  EXPECT_EQ(w->txtTipo->text(), QStringLiteral("Furgone"));
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral("ZZ999ZZ"));
}

}  // namespace

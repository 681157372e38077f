// The cost card: its controls, hints and keys, the new-card state, navigation, Save's
// checks in order, the amount rules, the bytes it writes, the vehicle picker and the
// card print.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>

#include "app/app.h"
#include "core/clock.h"
#include "costs/cost_fixtures.h"
#include "costs/frm_costi.h"
#include "kit/canvas_print.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/app/card_window.h"
#include "support/helpers.h"
#include "support/printed_documents.h"
#include "support/record_bytes.h"
#include "support/result_list.h"
#include "support/scripted_host.h"
#include "support/small_disk.h"
#include "support/vehicle_archive.h"

using platform::MsgKind;

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kArchive = QStringLiteral("2024.eur");
constexpr int kSize = 1627;
const QString kAccessError = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kNeed = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");

// Offsets of the fields, as stored.
enum Offset : int {
  Giorno = 0, Mese = 3, Anno = 14, Data = 19, Luogo = 30, Veicolo = 81, Marca = 132, Modello = 183, Colore = 234,
  Alimentazione = 285, Targa = 336, Causale = 367, Descrizione = 418, Modalita = 669, Estremi = 790, Importo = 911,
  Pagatore = 927, RecPagatore = 1048, Beneficiario = 1099, RecBeneficiario = 1220, Conducente = 1271,
  Recapito = 1322, Saldato = 1373, Note = 1376,
};

QByteArray payment(const QByteArray& note, const QByteArray& saldato = "No") {
  return handBuiltRecord(kSize, {{Giorno, "05"}, {Mese, "Marzo"}, {Anno, "2024"}, {Data, "05/03/2024"},
                                 {Luogo, "Milano"}, {Veicolo, "Furgone"}, {Marca, "Fiat"}, {Modello, "Ducato"},
                                 {Targa, "AB123CD"}, {Causale, "Bollo"}, {Importo, "12,50"}, {Saldato, saldato},
                                 {Note, note}});
}

// The control that holds the focus: `w` itself or the combo whose edit has it.
bool holdsFocus(QWidget* w) {
  QWidget* f = QApplication::focusWidget();
  return f && (f == w || w->isAncestorOf(f));
}

class Costi : public CardWindowTest<TfrmCosti, &App::frmCosti> {
 protected:
  void SetUp() override {
    CardWindowTest::SetUp();
    w->openYear(QStringLiteral("2024"));
    w->ClearCostCard();
  }
  // A card that passes every check.
  void fillRequired() {
    w->txtGiorno->setEditText(QStringLiteral("05"));
    w->txtMese->setEditText(QStringLiteral("Marzo"));
    w->txtCausale->setEditText(QStringLiteral("Bollo"));
    w->txtMarca->setText(QStringLiteral("Fiat"));
    w->txtModello->setText(QStringLiteral("Ducato"));
    w->txtTarga->setText(QStringLiteral("AB123CD"));
  }
  QWidget* control(const char* name) { return w->findChild<QWidget*>(QString::fromLatin1(name)); }
  QByteArray record(int n) { return dir.read(kArchive).mid(n * kSize, kSize); }

  core::PinnedClock clock{core::DateTime{{5, 3, 2024}, 14, 30, 0}};
};

TEST_F(Costi, ControlsLimitsTabOrderAndEnterChain) {
  EXPECT_EQ(w->objectName(), "TfrmCosti");
  EXPECT_EQ(w->kind(), platform::WindowKind::Maximized);
  EXPECT_EQ(w->windowTitle(), " Velmora 4.0 - Costi sostenuti nell'anno 2024");
  EXPECT_EQ(w->lblAnno->text(), "2024");
  EXPECT_EQ(w->lblFile->text(), QDir(dir.path()).filePath("2024.eur"));
  EXPECT_FALSE(w->lblFile->isVisible());
  EXPECT_EQ(w->lblData->text(), "lblData");
  EXPECT_EQ(w->panInfo->text(), "Pronto per archiviare una nuova scheda...");
  EXPECT_EQ(w->txtVeicolo->count(), 19);
  EXPECT_EQ(w->txtVeicolo->itemText(0), "Autobus");
  EXPECT_EQ(w->txtVeicolo->itemText(18), "Yacht");
  EXPECT_TRUE(w->txtVeicolo->isEditable());
  EXPECT_EQ(w->txtCausale->count(), 16);
  EXPECT_EQ(w->txtCausale->itemText(12), "Revisione freni");
  EXPECT_EQ(w->txtGiorno->count(), 31);
  EXPECT_EQ(w->txtMese->itemText(1), "Febbraio");
  EXPECT_EQ(w->chkSaldato->text(), "Saldato");

  const std::pair<const char*, int> limits[] = {
      {"txtMarca", 50},     {"txtTarga", 30},    {"txtLuogo", 50},        {"txtDescrizione", 250},
      {"txtModalita", 120}, {"txtEstremi", 120}, {"txtImporto", 15},      {"txtPagatore", 120},
      {"txtRecPagatore", 50}, {"txtBeneficiario", 120}, {"txtRecBeneficiario", 50}, {"txtConducente", 50},
      {"txtRecapito", 50},  {"txtNote", 250},
  };
  for (const auto& [name, limit] : limits) {
    auto* e = qobject_cast<platform::FilteredEdit*>(control(name));
    ASSERT_NE(e, nullptr) << name;
    EXPECT_EQ(e->inputLimit(), limit) << name;
  }
  EXPECT_EQ(qobject_cast<platform::FilteredEdit*>(w->txtVeicolo->lineEdit())->inputLimit(), 50);
  EXPECT_EQ(qobject_cast<platform::FilteredEdit*>(w->txtCausale->lineEdit())->inputLimit(), 50);
  for (auto* b : w->findChildren<platform::PictureButton*>()) EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);

  // Tab: the 21 boxes in record order, the settled box last; Enter: the same boxes,
  // from the notes back to the vehicle type.
  const char* chain[] = {"txtVeicolo", "txtMarca", "txtModello", "txtColore", "txtAlimentazione", "txtTarga",
                         "txtGiorno", "txtMese", "txtLuogo", "txtCausale", "txtDescrizione", "txtModalita",
                         "txtEstremi", "txtImporto", "txtPagatore", "txtRecPagatore", "txtBeneficiario",
                         "txtRecBeneficiario", "txtConducente", "txtRecapito", "txtNote"};
  for (std::size_t i = 1; i <= std::size(chain); ++i) {
    QWidget* next = control(chain[i - 1])->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus) || next->parentWidget() == control(chain[i - 1]))
      next = next->nextInFocusChain();
    EXPECT_EQ(next, i < std::size(chain) ? control(chain[i]) : static_cast<QWidget*>(w->chkSaldato)) << chain[i - 1];
  }
  showActive();
  for (std::size_t i = 0; i < std::size(chain); ++i) {
    QWidget* from = control(chain[i]);
    from->setFocus();
    auto* combo = qobject_cast<QComboBox*>(from);
    pressKey(combo && combo->isEditable() ? combo->lineEdit() : from, Qt::Key_Return);
    EXPECT_TRUE(holdsFocus(control(chain[(i + 1) % std::size(chain)])))
        << chain[i] << " -> " << QApplication::focusWidget()->objectName().toStdString();
  }
  // Each box shows its highlight while it has the focus.
  w->txtImporto->setFocus();
  EXPECT_TRUE(find<QWidget>(w, "effImporto")->isVisible());
  EXPECT_FALSE(find<QWidget>(w, "effNote")->isVisible());
}

TEST_F(Costi, FourteenHintsAndTheBackgroundEmptiesThem) {
  const std::pair<QWidget*, const char*> hints[] = {
      {w->cmdNuovo, "Prepara la schermata per la registrazione di una nuova scheda."},
      {w->cmdSalva, "Salva la scheda corrente in archivio."},
      {w->cmdTrova, "Trova una scheda in archivio."},
      {w->cmdImporta, "Importa i dati dal Parco Automezzi."},
      {w->cmdStampa, "Stampa la scheda corrente."},
      {w->cmdEsporta, "Esporta le schede in archivio in un file di Microsoft Excel."},
      {w->cmdPrimo, "Visualizza la prima scheda in archivio."},
      {w->cmdIndietro, "Visualizza la scheda precedente in archivio."},
      {w->cmdAvanti, "Visualizza la scheda successiva in archivio."},
      {w->cmdUltimo, "Visualizza l'ultima scheda in archivio."},
      {w->cmdSospese, "Visualizza il riepilogo dei pagamenti da saldare."},
      {w->cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
      {w->cmdEsci, "Esci da questa schermata di lavoro."},
      {w->chkSaldato, "Spunta questa casella per indicare che il pagamento è stato saldato."},
  };
  // White Tahoma 12 on the blue bar.
  EXPECT_EQ(w->panInfo->palette().color(QPalette::Window), QColor(0x30, 0x30, 0xDD));
  EXPECT_EQ(w->panInfo->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_EQ(w->panInfo->font().family(), QStringLiteral("Tahoma"));
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  for (const auto& [widget, hint] : hints) {
    SCOPED_TRACE(widget->objectName().toStdString());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(widget, &enter);
    EXPECT_EQ(w->panInfo->text(), QString::fromUtf8(hint));
    for (const char* ground : {"TfrmCosti", "bkgNote", "bkgImporto", "titVeicolo", "panInfo"}) {
      QWidget* g = ground == std::string_view("TfrmCosti") ? w : find<QWidget>(w, ground);
      QApplication::sendEvent(widget, &enter);
      QApplication::sendEvent(g, &move);
      EXPECT_TRUE(w->panInfo->text().isEmpty()) << ground;
    }
  }
}

TEST_F(Costi, NewCardEmptiesTheBoxesButKeepsTheYearTheDateAndTheArchive) {
  fillRequired();
  for (QLineEdit* e : {w->txtColore, w->txtAlimentazione, w->txtLuogo, w->txtDescrizione, w->txtModalita,
                       w->txtEstremi, w->txtPagatore, w->txtRecPagatore, w->txtBeneficiario, w->txtRecBeneficiario,
                       w->txtConducente, w->txtRecapito, w->txtNote})
    e->setText("x");
  w->txtVeicolo->setCurrentIndex(2);
  w->txtImporto->setText("12,50");
  w->chkSaldato->setChecked(true);
  w->lblPosizione->setText("3");
  w->lblData->setText("05/03/2024");
  w->lblAnno->setText("2023");
  showActive();
  w->txtNote->setFocus();
  click(w->cmdNuovo);
  for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
    if (e == w->txtImporto || !e->isVisibleTo(w)) continue;
    EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
  }
  for (QComboBox* c : {w->txtVeicolo, w->txtGiorno, w->txtMese, w->txtCausale}) {
    EXPECT_EQ(c->currentText(), "") << c->objectName().toStdString();
    EXPECT_EQ(c->currentIndex(), -1) << c->objectName().toStdString();
  }
  EXPECT_EQ(w->txtImporto->text(), "0,00");
  EXPECT_FALSE(w->chkSaldato->isChecked());
  EXPECT_EQ(w->lblPosizione->text(), "");
  EXPECT_TRUE(holdsFocus(w->txtVeicolo));
  EXPECT_EQ(w->lblData->text(), "05/03/2024");
  EXPECT_EQ(w->lblAnno->text(), "2023");
  EXPECT_EQ(w->lblFile->text(), QDir(dir.path()).filePath("2024.eur"));
  EXPECT_TRUE(host.boxes.empty());
  // Every show starts a new card too.
  w->txtMarca->setText("Fiat");
  w->lblPosizione->setText("1");
  w->closeForm();
  showActive();
  EXPECT_EQ(w->txtMarca->text(), "");
  EXPECT_EQ(w->lblPosizione->text(), "");
}

TEST_F(Costi, NavigationOverTheArchive) {
  // A year with no file: the first arrow creates it empty and says so.
  for (auto command : {&TfrmCosti::cmdPrimoClick, &TfrmCosti::cmdUltimoClick, &TfrmCosti::cmdIndietroClick}) {
    host.clear();
    w->lblPosizione->setText("");
    (w->*command)();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Information);
    EXPECT_EQ(host.last().text, "L'archivio non contiene nessuna scheda.");
    EXPECT_EQ(w->lblPosizione->text(), "");
  }
  EXPECT_TRUE(dir.exists(kArchive));
  EXPECT_EQ(dir.read(kArchive).size(), 0);
  // Next empties the label on an empty archive; First, Last and Back leave it.
  w->lblPosizione->setText("4");
  w->cmdPrimoClick();
  EXPECT_EQ(w->lblPosizione->text(), "4");
  w->cmdAvantiClick();
  EXPECT_EQ(w->lblPosizione->text(), "");

  dir.write(kArchive, payment("uno", "S\xEC") + payment("due") + payment("tre", "??"));
  struct Step {
    void (TfrmCosti::*command)();
    const char* position;
    const char* note;
    bool settled;
  };
  host.clear();
  w->ClearCostCard();
  const Step steps[] = {
      {&TfrmCosti::cmdAvantiClick, "1", "uno", true},    // from a new card, Next shows record 1
      {&TfrmCosti::cmdIndietroClick, "1", "uno", true},  // Back on 1: nothing
      {&TfrmCosti::cmdAvantiClick, "2", "due", false},
      {&TfrmCosti::cmdUltimoClick, "3", "tre", false},   // neither Sì nor No: the box stays
      {&TfrmCosti::cmdAvantiClick, "3", "tre", false},   // Next on the last: nothing
      {&TfrmCosti::cmdPrimoClick, "1", "uno", true},
      {&TfrmCosti::cmdUltimoClick, "3", "tre", true},
      {&TfrmCosti::cmdIndietroClick, "2", "due", false},
  };
  for (const Step& s : steps) {
    (w->*s.command)();
    EXPECT_EQ(w->lblPosizione->text(), s.position);
    EXPECT_EQ(w->txtNote->text(), s.note);
    EXPECT_EQ(w->chkSaldato->isChecked(), s.settled) << s.position << s.note;
  }
  w->ClearCostCard();
  w->cmdIndietroClick();  // Back from a new card shows record 1
  EXPECT_EQ(w->lblPosizione->text(), "1");
  EXPECT_TRUE(host.boxes.empty());
  // Every field went to its control.
  EXPECT_EQ(w->txtGiorno->currentText(), "05");
  EXPECT_EQ(w->txtMese->currentText(), "Marzo");
  EXPECT_EQ(w->lblAnno->text(), "2024");
  EXPECT_EQ(w->lblData->text(), "05/03/2024");
  EXPECT_EQ(w->txtVeicolo->currentText(), "Furgone");
  EXPECT_EQ(w->txtCausale->currentText(), "Bollo");
  EXPECT_EQ(w->txtLuogo->text(), "Milano");
  EXPECT_EQ(w->txtImporto->text(), "12,50");
}

TEST_F(Costi, AnArchiveThatCannotBeOpenedIsAnErrorAndNothingChanges) {
  fillRequired();
  QDir(dir.path()).mkdir(kArchive);  // a folder in the archive's place
  w->lblPosizione->setText("2");
  for (auto command : {&TfrmCosti::cmdPrimoClick, &TfrmCosti::cmdIndietroClick, &TfrmCosti::cmdAvantiClick,
                       &TfrmCosti::cmdUltimoClick, &TfrmCosti::cmdSalvaClick}) {
    host.clear();
    (w->*command)();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Error);
    EXPECT_EQ(host.last().text, kAccessError);
    EXPECT_EQ(w->lblPosizione->text(), "2");
  }
}

TEST_F(Costi, SaveChecksInOrderAndNothingIsWritten) {
  struct Case {
    const char* name;
    std::function<void()> change;
    QString text;
    MsgKind kind;
    QWidget* focus;
  };
  const QString validDate = QStringLiteral("Per poter salvare la scheda è necessario indicare una data valida.");
  const Case cases[] = {
      {"all empty: only the day", [&] { w->ClearCostCard(); }, kNeed + "il giorno del pagamento.", MsgKind::Warning,
       w->txtGiorno},
      {"one-digit day", [&] { w->txtGiorno->setEditText("5"); },
       kNeed + "il giorno del pagamento usando due cifre.", MsgKind::Warning, w->txtGiorno},
      {"month", [&] { w->txtMese->setEditText(" "); }, kNeed + "il mese del pagamento.", MsgKind::Warning, w->txtMese},
      {"cause", [&] { w->txtCausale->setEditText(""); }, kNeed + "la causale del pagamento.", MsgKind::Warning,
       w->txtCausale},
      {"make", [&] { w->txtMarca->setText("\t"); }, kNeed + "la marca del veicolo.", MsgKind::Warning, w->txtMarca},
      {"model", [&] { w->txtModello->clear(); }, kNeed + "il modello del veicolo.", MsgKind::Warning, w->txtModello},
      {"plate", [&] { w->txtTarga->clear(); }, kNeed + "il numero di targa del veicolo.", MsgKind::Warning,
       w->txtTarga},
      {"month name", [&] { w->txtMese->setEditText("Marzolino"); },
       "Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r" + validDate, MsgKind::Warning, w->txtMese},
      {"29 February 2023", [&] {
         w->lblAnno->setText("2023");
         w->txtGiorno->setEditText("29");
         w->txtMese->setEditText("Febbraio");
       },
       "Attenzione: la data 29/02/2023 non esiste.\n\r\n\r" + validDate, MsgKind::Plain, w->txtGiorno},
      {"31 April", [&] {
         w->txtGiorno->setEditText("31");
         w->txtMese->setEditText("Aprile");
       },
       "Attenzione: la data 31/04/2024 non esiste.\n\r\n\r" + validDate, MsgKind::Plain, w->txtGiorno},
  };
  showActive();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fillRequired();
    c.change();
    host.clear();
    click(w->cmdSalva);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, c.kind);
    EXPECT_EQ(host.last().text, c.text);
    EXPECT_TRUE(holdsFocus(c.focus));
    EXPECT_FALSE(dir.exists(kArchive));
    w->lblAnno->setText("2024");
  }
  // A refused date stays in the date label; a month in small letters is a month.
  EXPECT_EQ(w->lblData->text(), "31/04/2024");
  fillRequired();
  w->txtMese->setEditText("marzo");
  host.clear();
  w->cmdSalvaClick();
  EXPECT_EQ(host.texts(), QStringList{"La scheda corrente è stata salvata in archivio."});
  EXPECT_EQ(w->lblData->text(), "05/03/2024");
}

TEST_F(Costi, SaveAppendsThenOverwritesTheBytesOfTheCard) {
  dir.write(kArchive, payment("primo"));
  fillRequired();
  w->txtGiorno->setEditText("29");
  w->txtMese->setEditText("Febbraio");  // 2024 is a leap year
  w->txtVeicolo->setEditText("  Camion  ");  // typed freely, stored trimmed
  w->txtCausale->setEditText("Pedaggio");
  w->txtImporto->setText("12,5");
  w->txtRecapito->setText("333 1234567");
  w->txtNote->setText("nota");
  w->chkSaldato->setChecked(true);
  w->cmdSalvaClick();
  EXPECT_EQ(host.texts(), QStringList{"La scheda corrente è stata salvata in archivio."});
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(w->lblPosizione->text(), "2");
  EXPECT_EQ(w->txtImporto->text(), "12,50");
  EXPECT_EQ(dir.read(kArchive).size(), 2 * kSize);
  const QByteArray expected = handBuiltRecord(
      kSize, {{Giorno, "29"}, {Mese, "Febbraio"}, {Anno, "2024"}, {Data, "29/02/2024"}, {Veicolo, "Camion"},
              {Marca, "Fiat"}, {Modello, "Ducato"}, {Targa, "AB123CD"}, {Causale, "Pedaggio"}, {Importo, "12,50"},
              {Recapito, "333 1234567"}, {Saldato, "S\xEC"}, {Note, "nota"}});
  EXPECT_EQ(record(1), expected);
  EXPECT_EQ(record(0), payment("primo"));

  host.clear();
  w->chkSaldato->setChecked(false);
  w->txtImporto->setText("");
  w->cmdSalvaClick();
  EXPECT_EQ(host.texts(),
            QStringList{"Le modifiche apportate alla scheda corrente sono state salvate in archivio."});
  EXPECT_EQ(w->lblPosizione->text(), "2");
  EXPECT_EQ(dir.read(kArchive).size(), 2 * kSize);
  EXPECT_EQ(storedField(record(1), Saldato), "No");
  EXPECT_EQ(storedField(record(1), Importo), "0,00");
}

// A full disk: the append fails, says so as the access error and never as a success;
// the card stays new and the archive keeps its bytes.
TEST_F(Costi, AnAppendOnAFullDiskIsAnErrorAndLeavesTheArchiveAsItWas) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
  w->openYear(QStringLiteral("2024"));  // the archive beside the executable on the small disk
  // Two records: the third needs a page the disk no longer has.
  const QByteArray stored = payment("primo") + payment("secondo");
  disk.write(kArchive, stored);
  disk.fill();
  fillRequired();
  w->cmdSalvaClick();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Error);
  EXPECT_EQ(host.last().text, kAccessError);
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_EQ(disk.read(kArchive), stored);
}

TEST_F(Costi, TheAmountTakesDigitsAndACommaAndIsNormalisedOnLeavingAndAtSave) {
  showActive();
  auto* amount = qobject_cast<platform::FilteredEdit*>(w->txtImporto);
  amount->clear();
  amount->setFocus();
  QTest::keyClicks(amount, "1a2-.,5 x");
  EXPECT_EQ(amount->text(), "12,5");
  w->txtPagatore->setFocus();
  EXPECT_EQ(amount->text(), "12,50");
  // Pasting obeys the same rule as typing.
  amount->setFocus();
  amount->clear();
  QApplication::clipboard()->setText("-1a.2,5 €");
  amount->pasteAdmitted();
  EXPECT_EQ(amount->text(), "12,5");
  const std::pair<const char*, const char*> left[] = {
      {"7", "7,00"}, {"12,5", "12,50"}, {"3,14159", "3,1416"}, {"1,2,3", "0,00"}, {"", "0,00"}, {",5", "0,50"},
      {"1234567890123", "1234567890123,00"},  // longer than the field: the limit never cuts it
  };
  for (const auto& [typed, shown] : left) {
    amount->setFocus();
    amount->setText(QString::fromLatin1(typed));
    w->txtPagatore->setFocus();
    EXPECT_EQ(amount->text(), QString::fromLatin1(shown)) << typed;
  }
  // Save cuts the text to 15 characters, normalises it and stores 15 characters.
  fillRequired();
  w->cmdSalvaClick();
  EXPECT_EQ(amount->text(), "1234567890123,00");
  EXPECT_EQ(storedField(record(0), Importo), "1234567890123,0");
  w->txtImporto->setText("123456789012345,678");
  w->NormaliseCostAmount();
  EXPECT_EQ(amount->text(), "123456789012345,00");
  w->txtImporto->setText("abc");
  w->NormaliseCostAmount();
  EXPECT_EQ(amount->text(), "0,00");
}

TEST_F(Costi, ThePlateIsTrimmedAndUpperCasedAsItIsTyped) {
  showActive();
  typeInto(w->txtTarga, "ab 12");
  EXPECT_EQ(w->txtTarga->text(), "AB12");  // the blank at the end went at once
  w->txtTarga->setCursorPosition(2);
  typeText(w->txtTarga, " ");
  EXPECT_EQ(w->txtTarga->text(), "AB 12");  // a blank inside stays
  w->txtTarga->end(false);
  typeText(w->txtTarga, "è");
  EXPECT_EQ(w->txtTarga->text(), "AB 12è");  // only a to z are raised
  // A pasted plate is trimmed and raised the same way.
  w->txtTarga->clear();
  QApplication::clipboard()->setText("  ef 456gh ");
  qobject_cast<platform::FilteredEdit*>(w->txtTarga)->pasteAdmitted();
  EXPECT_EQ(w->txtTarga->text(), "EF 456GH");
}

TEST_F(Costi, DayAndMonthTakeOnlyTheirItems) {
  showActive();
  dir.write(kArchive, handBuiltRecord(kSize, {{Giorno, "5"}, {Mese, "marzo"}, {Anno, "2024"}}));
  w->cmdPrimoClick();
  EXPECT_EQ(w->txtGiorno->currentText(), "5");
  EXPECT_EQ(w->txtMese->currentText(), "marzo");  // loaded as stored
  w->txtGiorno->setFocus();
  typeText(w->txtGiorno, "1");
  EXPECT_EQ(w->txtGiorno->currentText(), "5");  // typing is swallowed
  w->txtMese->setFocus();
  EXPECT_EQ(w->txtGiorno->currentText(), "");  // not an item: emptied on leaving
  typeText(w->txtMese, "Aprile");
  w->txtLuogo->setFocus();
  EXPECT_EQ(w->txtMese->currentText(), "");  // a month in another case is emptied too
  w->txtMese->setCurrentIndex(3);
  w->txtMese->setFocus();
  pressKey(w->txtMese, Qt::Key_Delete);
  EXPECT_EQ(w->txtMese->currentText(), "");
  w->txtGiorno->setCurrentIndex(4);
  w->txtGiorno->setFocus();
  w->txtLuogo->setFocus();
  EXPECT_EQ(w->txtGiorno->currentText(), "05");
}

TEST_F(Costi, ThePickerFillsTheSixVehicleBoxesOfAStoredCard) {
  dir.write(kArchive, payment("primo"));
  w->cmdPrimoClick();
  appendVehicles({{{"Tipo", " Autocarro "}, {"Marca", "Iveco"}, {"Modello", "Daily"}, {"Colore", "Bianco"},
                   {"Alimentazione", "Gasolio"}, {"Targa", "ef456gh"}, {"Autista", "Non copiato"}}});
  QString keyWord;
  host.onModal = [&](platform::Form& f) {
    keyWord = f.memory();
    EXPECT_EQ(f.parentWidget(), w);
    auto& search = static_cast<kit::SearchWindow&>(f);
    search.btnCercaClick();
    selectLine(search.lstRecords, 0);
    search.lstRecordsDblClick();
  };
  click(w->cmdImporta);
  EXPECT_EQ(keyWord, "costi");
  EXPECT_EQ(w->txtVeicolo->currentText(), "Autocarro");
  EXPECT_EQ(w->txtMarca->text(), "Iveco");
  EXPECT_EQ(w->txtModello->text(), "Daily");
  EXPECT_EQ(w->txtColore->text(), "Bianco");
  EXPECT_EQ(w->txtAlimentazione->text(), "Gasolio");
  EXPECT_EQ(w->txtTarga->text(), "ef456gh");  // set by the picker, not typed
  EXPECT_EQ(w->txtConducente->text(), "");
  EXPECT_EQ(w->lblPosizione->text(), "1");
  // Saving overwrites the stored card with the new vehicle.
  host.clear();
  w->cmdSalvaClick();
  EXPECT_EQ(dir.read(kArchive).size(), kSize);
  EXPECT_EQ(storedField(record(0), Marca), "Iveco");
}

TEST_F(Costi, PicturesOpenTheirWindowsOwnedByTheCard) {
  expectOpensDialog(w->cmdTrova, "TfrmTrovaCosti", "Costi");
  expectOpensDialog(w->cmdSospese, "TfrmDaSaldare", "");
  expectOpensDialog(w->cmdEsporta, "TfrmExpCosti", "");
  expectOpensDialog(w->cmdImporta, "TfrmTrovaAutomezzi", "costi");
}

TEST_F(Costi, HelpIsTheMenusAndExitBringsTheLauncherBack) {
  QString title;
  QString text;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& g = static_cast<TfrmGuida&>(f);
    title = g.lblTitolo->text();
    text = g.text();
  });
  click(w->cmdGuida);
  EXPECT_EQ(title, "App Costi sostenuti");
  EXPECT_EQ(text.split("\r\n\r\n").size(), 10);
  showActive();
  click(w->cmdEsci);
  EXPECT_FALSE(w->isVisible());
}

TEST_F(Costi, ThePrintDrawsTheCardAsItStands) {
  fillRequired();
  w->txtVeicolo->setEditText("Furgone");
  w->txtLuogo->setText(" Milano ");
  w->txtImporto->setText("412,50");
  w->txtPagatore->setText("Flotta Srl");
  w->txtBeneficiario->setText("Officina Rossi");
  w->txtRecBeneficiario->setText("02 7654321");
  w->lblData->setText("01/01/1999");  // the stored date is not what prints
  const kit::CanvasCard card = w->printedCard();
  EXPECT_EQ(card.title, "SCHEDA COSTI SOSTENUTI");
  const std::pair<const char*, const char*> rows[] = {
      {"Data saldo:", "05 Marzo 2024"},
      {"Luogo pagamento:", "Milano"},
      {"Veicolo:", "Furgone Fiat Ducato"},
      {"Targa:", "AB123CD"},
      {"Causale pagamento:", "Bollo"},
      {"Descrizione costi:", ""},
      {"Modalità di pagamento:", ""},
      {"Estremi ricevuta:", ""},
      {"Importo pagato:", "€ 412,50"},
      {"Pagatore:", "Flotta Srl  Tel. "},
      {"Beneficiario:", "Officina Rossi  Tel. 02 7654321"},
      {"Conduttore o responsabile:", "  Tel. "},
      {"Pagamento saldato:", "No"},
      {"Note:", ""},
  };
  ASSERT_EQ(card.rows.size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(card.rows[i].label, QString::fromUtf8(rows[i].first)) << i;
    EXPECT_EQ(card.rows[i].value, QString::fromUtf8(rows[i].second)) << i;
  }
  w->chkSaldato->setChecked(true);
  EXPECT_EQ(w->printedCard().rows[12].value, "Sì");

  // Question, copies, dialog, then one document per copy; printing saves nothing.
  PrintedDocuments documents;
  host.printToPrinter = true;
  host.inputs = {QStringLiteral("3")};
  click(w->cmdStampa);
  EXPECT_EQ(host.boxes.front().text, "Si vuole stampare la presente scheda?");
  EXPECT_EQ(host.inputPrompts, QStringList{"Numero copie da stampare|Copie:"});
  EXPECT_EQ(host.printCopiesShown, QList<int>{3});
  EXPECT_EQ(documents.begun, 3);
  EXPECT_FALSE(dir.exists(kArchive));
  // Answers that count as one copy; No, Cancel and a dialog left at 0 print nothing.
  struct Answer {
    const char* name;
    bool yes;
    std::optional<QString> input;
    bool acceptPrint;
    int documents;
  };
  const Answer answers[] = {{"empty", true, QString(""), true, 1},   {"letters", true, QString("a"), true, 1},
                            {"blank first", true, QString(" 3"), true, 1}, {"No", false, QString("2"), true, 0},
                            {"Cancel", true, std::nullopt, true, 0},      {"dialog cancelled", true, QString("2"), false, 0},
                            {"zero", true, QString("0"), true, 0}};
  for (const Answer& a : answers) {
    SCOPED_TRACE(a.name);
    PrintedDocuments counted;
    host.clear();
    host.answers = {a.yes};
    host.inputs = {a.input};
    host.acceptPrint = a.acceptPrint;
    click(w->cmdStampa);
    EXPECT_EQ(counted.begun, a.documents);
  }
  // A number of copies too large for a whole number: an error box, nothing printed.
  PrintedDocuments none;
  host.clear();
  host.acceptPrint = true;
  host.inputs = {QStringLiteral("99999999999")};
  click(w->cmdStampa);
  EXPECT_EQ(none.begun, 0);
  EXPECT_EQ(host.last().kind, MsgKind::Error);
}

TEST_F(Costi, ThePrintedPageLaysTheRowsOutFromTheTitleFont) {
  fillRequired();
  w->txtVeicolo->setEditText("Furgone");
  w->txtLuogo->setText("Reggio Emilia");
  w->txtDescrizione->setText("Sostituzione pastiglie e dischi anteriori, spurgo dell'impianto frenante e prova su strada");
  w->txtModalita->setText("Bonifico bancario");
  w->txtEstremi->setText("Fattura n. 128 del 05/03/2024");
  w->txtImporto->setText("412,50");
  w->txtPagatore->setText("Trasporti Rossi Srl");
  w->txtRecPagatore->setText("0522 123456");
  w->txtBeneficiario->setText("Officina Bianchi & Figli");
  w->txtConducente->setText("Mario Rossi");
  w->txtRecapito->setText("333 1234567");
  w->txtNote->setText("Garanzia 12 mesi sui ricambi");
  w->chkSaldato->setChecked(true);
  PrintedDocuments documents;
  host.printToPrinter = true;
  host.inputs = {QStringLiteral("1")};
  click(w->cmdStampa);
  ASSERT_EQ(documents.files.size(), 1);
  QPrinter printer(QPrinter::HighResolution);
  printer.setResolution(1200);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir(dir.path()).filePath("layout.pdf"));
  const kit::CanvasCardLayout layout = kit::layoutCanvasCard(w->printedCard(), "piede", printer);
  ASSERT_EQ(layout.texts.size(), 1u + 2 * 14 + 1);
  EXPECT_EQ(layout.texts[0].text, "SCHEDA COSTI SOSTENUTI");
  EXPECT_EQ(layout.texts[0].rect.topLeft(), QPoint(layout.m, layout.L));
  EXPECT_TRUE(layout.texts[0].bold && layout.texts[0].underline && layout.texts[0].points == 14);
  for (int r = 0; r < 14; ++r) {
    const kit::CanvasText& label = layout.texts[std::size_t(1 + 2 * r)];
    const kit::CanvasText& value = layout.texts[std::size_t(2 + 2 * r)];
    EXPECT_EQ(label.rect.topLeft(), QPoint(layout.m, 3 * layout.L + 2 * r * layout.L)) << r;
    EXPECT_EQ(value.rect.topLeft(), QPoint(15 * layout.m, 3 * layout.L + 2 * r * layout.L)) << r;
    EXPECT_FALSE(label.bold);
    EXPECT_TRUE(value.bold);
    EXPECT_EQ(value.rect.bottomRight(), QPoint(printer.width() - layout.m, printer.height() - 200));
  }
  EXPECT_EQ(layout.texts.back().rect.top(), 3 * layout.L + 28 * layout.L);
  // The page itself, turned into a picture when the machine can (looked at by hand).
  const QString png = qEnvironmentVariable("VELMORA_COST_PRINT_PNG");
  if (!png.isEmpty())
    QProcess::execute("pdftoppm", {"-png", "-r", "80", "-singlefile", documents.files.front(), png});
}

}  // namespace

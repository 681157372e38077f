// The driver card: its commands over the driver archive, its fields (one table of the
// kit: filters, typing and leave rules, the province box, the Enter chain and the
// highlights), the dialogs it opens and what they write back.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/app.h"
#include "drivers/frm_anagrafica.h"
#include "drivers/frm_trova_anagrafica.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "shell/frm_allega_cartella.h"
#include "shell/frm_avvio.h"
#include "shell/frm_carta.h"
#include "shell/frm_cod_fisc.h"
#include "shell/frm_guida.h"
#include "shell/frm_iban.h"
#include "shell/frm_partita_iva.h"
#include "support/app/card_window.h"
#include "support/helpers.h"
#include "support/record_bytes.h"
#include "support/result_list.h"
#include "support/scripted_host.h"
#include "support/vehicle_archive.h"
#include "vehicles/frm_trova_automezzi.h"

using platform::MsgKind;

namespace {

const QString kArchive = QStringLiteral("Conducenti.pro");
constexpr int kSize = 3206;

// Offsets of the fields a test looks at.
constexpr int kConducente = 0, kRecapito = 102, kProv = 338, kPartitaIva = 866, kMarca = 957, kModello = 1008,
              kTarga = 1161, kNote = 1443, kFerie = 1694, kTrasferte = 1697, kFile01 = 1700, kDesc01 = 2453;

// A driver record built by hand: {offset, Windows-1252 bytes} per field set.
QByteArray driver(std::initializer_list<std::pair<int, QByteArray>> fields) { return handBuiltRecord(kSize, fields); }
QByteArray driverNamed(const QByteArray& name, const QByteArray& ferie = "No") {
  return driver({{kConducente, name}, {kMarca, "Fiat"}, {kModello, "Panda"}, {kTarga, "AB123CD"}, {kFerie, ferie},
                 {kTrasferte, "No"}});
}

const QString kNameWarning =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del conducente.");
const QString kMakeWarning = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare la marca del veicolo abbinato al conducente.");
const QString kModelWarning = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il modello del veicolo abbinato al conducente.");
const QString kPlateWarning = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare la targa del veicolo abbinato al conducente.");

class AnagraficaTest : public CardWindowTest<TfrmAnagrafica, &App::frmAnagrafica> {
 protected:

  void fillRequired(const QString& name = QStringLiteral("Rossi Mario")) {
    w->txtConducente->setText(name);
    w->txtMarca->setText(QStringLiteral("Fiat"));
    w->txtModello->setText(QStringLiteral("Panda"));
    w->txtTarga->setText(QStringLiteral("AB123CD"));
  }
  QWidget* focused() const { return QApplication::focusWidget(); }
};

TEST_F(AnagraficaTest, WindowAndControlsInRecordOrder) {
  EXPECT_EQ(w->objectName(), "TfrmAnagrafica");
  EXPECT_EQ(w->windowTitle(), " Velmora 4.0 - Anagrafica Conduttori");
  EXPECT_EQ(w->kind(), platform::WindowKind::Maximized);
  EXPECT_EQ(w->panInfo->text(), "Pronto per archiviare una nuova scheda...");
  struct Field {
    const char* name;
    int max;
  };
  const Field fields[] = {{"txtConducente", 50}, {"txtPatenti", 50},   {"txtRecapito", 50},      {"txtVia", 120},
                          {"txtCap", 12},        {"txtCitta", 50},     {"txtProv", 2},           {"txtCompensi", 250},
                          {"txtTelCasa", 30},    {"txtTelUff", 30},    {"txtTelCel", 30},        {"txtFax", 50},
                          {"txtEmail", 50},      {"txtCodFisc", 16},   {"txtCarta", 30},         {"txtScadeCarta", 30},
                          {"txtPartitaIva", 11}, {"txtIban", 27},      {"txtVeicolo", 50},       {"txtMarca", 50},
                          {"txtModello", 50},    {"txtColore", 50},    {"txtAlimentazione", 50}, {"txtTarga", 30},
                          {"txtProgramma", 250}, {"txtNote", 250}};
  ASSERT_EQ(w->fields().size(), std::size(fields));
  showActive();
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    SCOPED_TRACE(fields[i].name);
    QWidget* control = w->fields()[i];
    ASSERT_EQ(control->objectName(), fields[i].name);
    // As many characters as the field holds may be typed, and no more.
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control)) edit = combo->lineEdit();
    ASSERT_NE(edit, nullptr);
    control->setFocus();
    QTest::keyClicks(control, QString(fields[i].max + 3, QLatin1Char('7')));
    EXPECT_EQ(edit->text(), QString(fields[i].max, QLatin1Char('7')));
  }
  EXPECT_EQ(w->txtProv, w->fields()[6]);
  EXPECT_EQ(w->txtProv->count(), 112);
  EXPECT_EQ(w->txtProv->itemText(0), "AG");
  EXPECT_EQ(w->txtProv->itemText(111), "VV");
  EXPECT_EQ(TfrmAnagrafica::provinces().indexOf("RM"), w->txtProv->findText("RM"));
  EXPECT_EQ(w->chkFerie->text(), "In ferie");
  EXPECT_EQ(w->chkTrasferte->text(), "Sì trasferte");
  for (QLabel* l : {w->lblFile01, w->lblFile02, w->lblFile03, w->lblDesc01, w->lblDesc02, w->lblDesc03})
    EXPECT_FALSE(l->isVisibleTo(w));
  for (const char* picture : {"cmdSalva", "btnCodFisc", "btnEmail", "cmdPrimo"})
    EXPECT_EQ(find<QWidget>(w, picture)->focusPolicy(), Qt::NoFocus) << picture;
}

TEST_F(AnagraficaTest, OnlyTheFourRequiredFieldsGiveEmptyFieldsAndNoTwice) {
  fillRequired(QStringLiteral("  Rossi Mario "));
  w->cmdSalvaClick();
  EXPECT_EQ(host.texts(), QStringList{"La scheda corrente è stata inserita in archivio."});
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(w->lblPosizione->text(), "1");
  const QByteArray expected = driver({{kConducente, "Rossi Mario"},
                                      {kMarca, "Fiat"},
                                      {kModello, "Panda"},
                                      {kTarga, "AB123CD"},
                                      {kFerie, "No"},
                                      {kTrasferte, "No"}});
  EXPECT_EQ(dir.read(kArchive), expected);
  EXPECT_EQ(dir.read(kArchive).mid(kFerie, 6), QByteArray("\x02" "No" "\x02" "No"));
}

TEST_F(AnagraficaTest, RequiredFieldsInOrderNameOfBlanksFirst) {
  struct Case {
    const char* name;
    std::function<void(TfrmAnagrafica&)> spoil;
    QString warning;
    const char* focus;
  };
  const Case cases[] = {
      {"name of blanks", [](TfrmAnagrafica& c) { c.txtConducente->setText("   "); }, kNameWarning, "txtConducente"},
      {"everything empty",
       [](TfrmAnagrafica& c) {
         for (QLineEdit* e : {c.txtConducente, c.txtMarca, c.txtModello, c.txtTarga}) e->clear();
       },
       kNameWarning, "txtConducente"},
      {"make", [](TfrmAnagrafica& c) { c.txtMarca->clear(); }, kMakeWarning, "txtMarca"},
      {"model and plate", [](TfrmAnagrafica& c) { c.txtModello->setText(" "); c.txtTarga->clear(); }, kModelWarning,
       "txtModello"},
      {"plate", [](TfrmAnagrafica& c) { c.txtTarga->clear(); }, kPlateWarning, "txtTarga"},
  };
  showActive();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.clear();
    fillRequired();
    c.spoil(*w);
    w->cmdSalvaClick();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Warning);
    EXPECT_EQ(host.last().text, c.warning);
    EXPECT_EQ(focused()->objectName(), c.focus);
    EXPECT_FALSE(dir.exists(kArchive));
  }
}

TEST_F(AnagraficaTest, TwoSavesOnANewCardAppendThenOverwrite) {
  dir.write(kArchive, driverNamed("Bianchi Anna"));
  fillRequired();
  w->cmdSalvaClick();
  EXPECT_EQ(w->lblPosizione->text(), "2");
  w->txtNote->setText(QStringLiteral("seconda"));
  w->chkTrasferte->setChecked(true);
  w->cmdSalvaClick();
  EXPECT_EQ(host.texts(), QStringList({"La scheda corrente è stata inserita in archivio.",
                                       "Le modifiche apportate alla scheda corrente sono state salvate in archivio."}));
  const QByteArray file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 2 * kSize);
  EXPECT_EQ(file.left(kSize), driverNamed("Bianchi Anna"));
  EXPECT_EQ(file.mid(kSize + kNote, 8), QByteArray("\x07seconda"));
  EXPECT_EQ(file.mid(kSize + kTrasferte, 3), QByteArray("\x02S\xEC"));
  EXPECT_EQ(w->lblPosizione->text(), "2");
}

TEST_F(AnagraficaTest, NavigationLoadsRecordsAndLeavesAStrangeFlagAlone) {
  w->cmdPrimoClick();
  EXPECT_EQ(host.texts(), QStringList{"L'archivio non contiene nessuna scheda."});
  host.clear();

  QByteArray odd = driverNamed("Verdi Luca", "Xx");
  odd.replace(kProv, 3, QByteArray("\x02" "rm"));
  odd.replace(kFile01, 10, QByteArray("\x09" "patente.p"));
  odd.replace(kDesc01, 6, QByteArray("\x05" "Carta"));
  dir.write(kArchive, driverNamed("Bianchi Anna", "S\xEC") + odd + driverNamed("Neri Ugo"));
  w->cmdAvantiClick();  // from a new card: record 1
  EXPECT_EQ(w->lblPosizione->text(), "1");
  EXPECT_TRUE(w->chkFerie->isChecked());
  w->cmdAvantiClick();
  EXPECT_EQ(w->txtConducente->text(), "Verdi Luca");
  EXPECT_TRUE(w->chkFerie->isChecked());  // neither "Sì" nor "No": the box stays as it was
  EXPECT_EQ(w->txtProv->currentText(), "rm");
  EXPECT_EQ(w->txtProv->currentIndex(), -1);
  EXPECT_EQ(w->lblFile01->text(), "patente.p");
  EXPECT_EQ(w->lblDesc01->text(), "Carta");
  w->cmdUltimoClick();
  EXPECT_EQ(w->lblPosizione->text(), "3");
  EXPECT_FALSE(w->chkFerie->isChecked());
  w->cmdAvantiClick();  // on the last record: nothing
  EXPECT_EQ(w->lblPosizione->text(), "3");
  w->cmdPrimoClick();
  w->cmdIndietroClick();  // on record 1: nothing, not even a message
  EXPECT_EQ(w->txtConducente->text(), "Bianchi Anna");
  EXPECT_TRUE(host.boxes.empty());

  // New empties everything, the province with no item selected.
  w->txtProv->setCurrentIndex(w->txtProv->findText("TO"));
  w->cmdNuovoClick();
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_TRUE(w->txtConducente->text().isEmpty());
  EXPECT_TRUE(w->txtProv->currentText().isEmpty());
  EXPECT_EQ(w->txtProv->currentIndex(), -1);
  EXPECT_FALSE(w->chkFerie->isChecked());
  EXPECT_TRUE(w->lblFile01->text().isEmpty());
}

TEST_F(AnagraficaTest, AnArchiveThatCannotBeOpenedIsAnErrorBox) {
  QDir(dir.path()).mkdir(kArchive);  // a folder where the archive should be
  fillRequired();
  w->cmdSalvaClick();
  w->cmdPrimoClick();
  ASSERT_EQ(host.boxes.size(), 2u);
  for (const RecordedBox& b : host.boxes) {
    EXPECT_EQ(b.kind, MsgKind::Error);
    EXPECT_TRUE(b.text.startsWith("Attenzione: il sistema non permette di accedere all'archivio."));
  }
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
}

// The typing rules of the table: blanks go at once, codes in capitals, digits only
// where digits belong, on paste too; the province box keeps what it is given.
TEST_F(AnagraficaTest, TypingAndPastingFollowTheFieldRules) {
  showActive();
  auto type = [](QWidget* control, const QString& text) {
    control->setFocus();
    QTest::keyClicks(control, text);
  };
  // The edit's menu pastes (Ctrl+V is a key the digit fields swallow like any other).
  auto paste = [](QLineEdit* edit, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    edit->setFocus();
    static_cast<platform::FilteredEdit*>(edit)->pasteAdmitted();
  };
  struct Case {
    const char* name;
    QLineEdit* edit;
    QString typed, shown;
  };
  const Case typed[] = {
      {"plate", w->txtTarga, "ab 12", "AB12"},
      {"tax code", w->txtCodFisc, "rssmra 80a01", "RSSMRA80A01"},
      {"IBAN", w->txtIban, "it60 x05", "IT60X05"},
      {"e-mail", w->txtEmail, " mario@ex.it ", "mario@ex.it"},
      {"certified mail", w->txtFax, "pec @ex.it", "pec@ex.it"},
      {"card number", w->txtCarta, "4111 a-1.", "41111"},
      {"VAT number", w->txtPartitaIva, "12 3x4", "1234"},
      {"name keeps its case and blanks", w->txtConducente, "rossi mario", "rossi mario"},
  };
  for (const Case& c : typed) {
    SCOPED_TRACE(c.name);
    type(c.edit, c.typed);
    EXPECT_EQ(c.edit->text(), c.shown);
  }
  for (QLineEdit* e : {w->txtCarta, w->txtPartitaIva}) {
    SCOPED_TRACE(e->objectName().toStdString());
    e->clear();
    paste(e, QStringLiteral("123 45"));
    EXPECT_EQ(e->text(), "12345");
    e->setFocus();
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_Period}) QTest::keyClick(e, k);
    QTest::keyClick(e, Qt::Key_Left);
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(e->text(), "1235");
  }

  // The province: "rm" shows RM; "x" left stays X and is stored, though no code.
  type(w->txtProv, QStringLiteral("rm"));
  EXPECT_EQ(w->txtProv->currentText(), "RM");
  w->txtProv->lineEdit()->clear();
  type(w->txtProv, QStringLiteral("x"));
  w->txtCompensi->setFocus();
  EXPECT_EQ(w->txtProv->currentText(), "X");
  w->txtConducente->clear();
  fillRequired();
  w->cmdSalvaClick();
  EXPECT_EQ(dir.read(kArchive).mid(kProv, 3), QByteArray("\x01X\0", 3));
}

TEST_F(AnagraficaTest, LeavingTheVatNumberEmptiesWhatIsNotAllDigits) {
  showActive();
  struct Case {
    const char* name;
    QLineEdit* edit;
    QString set, left;
  };
  // Values set by code: a picked vehicle, a stored record.
  const Case cases[] = {
      {"VAT with a blank", w->txtPartitaIva, "123 45", ""},
      {"VAT with letters", w->txtPartitaIva, "IT123", ""},
      {"VAT of digits", w->txtPartitaIva, "01234567890", "01234567890"},
      {"VAT empty", w->txtPartitaIva, "", ""},
      {"card with a blank stays", w->txtCarta, "4111 1111", "4111 1111"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.edit->setFocus();
    c.edit->setText(c.set);
    w->txtNote->setFocus();
    EXPECT_EQ(c.edit->text(), c.left);
  }
  // A province given by code in small letters is put in capitals when left.
  w->txtProv->setFocus();
  w->txtProv->setEditText(QStringLiteral(" to"));
  w->txtNote->setFocus();
  EXPECT_EQ(w->txtProv->currentText(), "TO");
}

TEST_F(AnagraficaTest, EnterChainWrapsAndOneHighlightAtATime) {
  showActive();
  w->txtConducente->setFocus();
  for (std::size_t i = 1; i <= w->fields().size(); ++i) {
    QTest::keyClick(focused(), Qt::Key_Return);
    const QWidget* expected = w->fields()[i % w->fields().size()];
    ASSERT_EQ(focused() == expected || focused()->focusProxy() == expected || focused()->parentWidget() == expected,
              true)
        << i << " " << focused()->objectName().toStdString();
    // Exactly the focused field's highlight shows.
    int visible = 0;
    for (QWidget* field : w->fields()) {
      const QString eff = QStringLiteral("eff") + field->objectName().mid(3);
      const bool shown = find<QWidget>(w, eff)->isVisible();
      visible += shown;
      if (field == expected) {
        EXPECT_TRUE(shown) << eff.toStdString();
      }
    }
    EXPECT_EQ(visible, 1);
  }
  EXPECT_EQ(focused(), w->txtConducente);  // from the notes back to the name
  w->chkFerie->setFocus();
  for (QWidget* field : w->fields())
    EXPECT_FALSE(find<QWidget>(w, QStringLiteral("eff") + field->objectName().mid(3))->isVisible());
  QTest::keyClick(w->txtNote, Qt::Key_Enter);
  EXPECT_EQ(focused(), w->txtConducente);

  // Tab follows the record order, the holiday box before the notes, the travel box last.
  w->txtProgramma->setFocus();
  for (QWidget* next : std::initializer_list<QWidget*>{w->chkFerie, w->txtNote, w->chkTrasferte}) {
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), next);
  }

  // The province drops its list selection, text kept, whenever it takes the focus.
  w->txtProv->setCurrentIndex(w->txtProv->findText("MI"));
  w->txtProv->setFocus();
  EXPECT_EQ(w->txtProv->currentIndex(), -1);
  EXPECT_EQ(w->txtProv->currentText(), "MI");
}

TEST_F(AnagraficaTest, TaxCodeButtonOpensTheCheckerItsTextCallsFor) {
  struct Case {
    QString field;
    const char* checker;
    QString shown;
  };
  const Case cases[] = {
      {" 01234567890 ", "TfrmPartitaIva", "01234567890"},
      {"RSSMRA80A01H501U", "TfrmCodFisc", "RSSMRA80A01H501U"},
      {"0123456789A", "TfrmCodFisc", "0123456789A"},
      {"", "TfrmCodFisc", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field.toStdString());
    host.clear();
    QString shown;
    host.modalScripts.push_back([&](platform::Form& f) {
      if (auto* cf = qobject_cast<TfrmCodFisc*>(&f)) shown = cf->txtCodFisc->text();
      if (auto* pi = qobject_cast<TfrmPartitaIva*>(&f)) shown = pi->txtPartitaIva->text();
      EXPECT_EQ(f.parentWidget(), w);
    });
    w->txtCodFisc->setText(c.field);
    click(w->btnCodFisc);
    EXPECT_EQ(host.modalShown, QStringList{c.checker});
    EXPECT_EQ(shown, c.shown);
  }
  // The other three checkers take their own field, trimmed.
  struct Other {
    platform::PictureButton* button;
    QLineEdit* field;
    const char* checker;
  };
  const Other others[] = {{w->btnPartitaIva, w->txtPartitaIva, "TfrmPartitaIva"},
                          {w->btnCarta, w->txtCarta, "TfrmCarta"},
                          {w->btnIban, w->txtIban, "TfrmIban"}};
  for (const Other& o : others) {
    SCOPED_TRACE(o.checker);
    host.clear();
    QString shown;
    host.modalScripts.push_back([&](platform::Form& f) {
      if (auto* pi = qobject_cast<TfrmPartitaIva*>(&f)) shown = pi->txtPartitaIva->text();
      if (auto* ca = qobject_cast<TfrmCarta*>(&f)) shown = ca->txtNumero->text();
      if (auto* ib = qobject_cast<TfrmIban*>(&f)) shown = ib->txtIban->text();
    });
    o.field->setText(QStringLiteral(" 123 "));
    click(o.button);
    EXPECT_EQ(host.modalShown, QStringList{o.checker});
    EXPECT_EQ(shown, "123");
  }
}

// The address goes into the link encoded: what it holds can never add fields to it.
TEST_F(AnagraficaTest, MailButtonOpensTheEncodedAddress) {
  ShellOpenRecorder opened;
  struct Case {
    QString typed;
    QString link;
  };
  const Case cases[] = {
      {"  mario.rossi@example.it  ", "mailto:mario.rossi@example.it"},
      {"", "mailto:"},
      {"a@b.it?attach=C:\\x.doc&body=ciao#f", "mailto:a@b.it%3Fattach%3DC:%5Cx.doc%26body%3Dciao%23f"},
      {"nicolò@posta.it", "mailto:nicol%C3%B2@posta.it"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    opened.targets.clear();
    w->txtEmail->setText(c.typed);
    click(w->btnEmail);
    EXPECT_EQ(opened.targets, QStringList{c.link});
  }
}

TEST_F(AnagraficaTest, ImportTakesTheVehicleAndItsDriverEvenWhenEmpty) {
  appendVehicles({{{"Tipo", "Furgone"},
                   {"Marca", "Iveco"},
                   {"Modello", "Daily"},
                   {"Targa", "EF456GH"},
                   {"Colore", "Bianco"},
                   {"Alimentazione", "Gasolio"}}});
  dir.write(kArchive, driverNamed("Bianchi Anna"));
  w->cmdPrimoClick();
  w->txtNote->setText(QStringLiteral("resta"));
  host.modalScripts.push_back([](platform::Form& f) {
    auto& picker = static_cast<TfrmTrovaAutomezzi&>(f);
    EXPECT_EQ(picker.memory(), "anagrafica");
    picker.btnCercaClick();
    selectLine(picker.lstRecords, 0);
    picker.lstRecordsDblClick();
  });
  click(w->cmdImporta);
  EXPECT_EQ(w->txtVeicolo->text(), "Furgone");
  EXPECT_EQ(w->txtMarca->text(), "Iveco");
  EXPECT_EQ(w->txtModello->text(), "Daily");
  EXPECT_EQ(w->txtColore->text(), "Bianco");
  EXPECT_EQ(w->txtAlimentazione->text(), "Gasolio");
  EXPECT_EQ(w->txtTarga->text(), "EF456GH");
  EXPECT_TRUE(w->txtConducente->text().isEmpty());  // the vehicle has no driver
  EXPECT_EQ(w->txtNote->text(), "resta");
  EXPECT_EQ(w->lblPosizione->text(), "1");  // still the stored card
  host.clear();
  w->cmdSalvaClick();
  EXPECT_EQ(host.texts(), QStringList{kNameWarning});
}

TEST_F(AnagraficaTest, SearchAndAttachmentsWriteIntoTheCard) {
  dir.write(kArchive, driverNamed("Bianchi Anna") + driverNamed("Verdi Luca", "S\xEC"));
  host.modalScripts.push_back([](platform::Form& f) {
    auto& search = static_cast<TfrmTrovaAnagrafica&>(f);
    EXPECT_EQ(search.memory(), "anagrafica");
    search.txtConducente->setText(QStringLiteral("verdi"));
    search.btnCercaClick();
    ASSERT_EQ(listCount(search.lstRecords), 1);
    selectLine(search.lstRecords, 0);
    search.lstRecordsDblClick();
  });
  click(w->cmdTrova);
  EXPECT_EQ(w->txtConducente->text(), "Verdi Luca");
  EXPECT_EQ(w->lblPosizione->text(), "2");
  EXPECT_TRUE(w->chkFerie->isChecked());

  QString memory;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& d = static_cast<TfrmAllegaCartella&>(f);
    memory = d.memory();
    d.txtFile[1]->setText(QStringLiteral("contratto.pdf"));
    click(d.btnApplica);
  });
  click(w->cmdFile);
  EXPECT_EQ(memory, "anagrafica");
  EXPECT_EQ(w->lblFile02->text(), "contratto.pdf");
  w->cmdSalvaClick();
  EXPECT_EQ(dir.read(kArchive).mid(kSize + 1951, 14), QByteArray("\x0D" "contratto.pdf"));
}

TEST_F(AnagraficaTest, PicturesOpenTheirDialogsOwnedByTheCard) {
  std::vector<std::pair<QString, QWidget*>> seen;
  host.onModal = [&](platform::Form& f) { seen.push_back({f.objectName(), f.parentWidget()}); };
  for (platform::PictureButton* b : {w->cmdStampa, w->cmdEsporta, w->cmdFerie, w->cmdServizio, w->cmdTrasferte})
    click(b);
  const QStringList expected{"TfrmStampaConduttore", "TfrmExpAnagrafica", "TfrmFerie", "TfrmServizio",
                             "TfrmTrasferte"};
  ASSERT_EQ(seen.size(), 5u);
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].first, expected[int(i)]);
    EXPECT_EQ(seen[i].second, w);
  }
}

TEST_F(AnagraficaTest, HelpHintsAndClose) {
  QString title, text;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& g = static_cast<TfrmGuida&>(f);
    title = g.lblTitolo->text();
    text = g.text();
  });
  click(w->cmdGuida);
  EXPECT_EQ(title, "App Anagrafica Conduttori");
  EXPECT_EQ(text.split("\r\n\r\n").size(), 10);
  EXPECT_TRUE(text.contains(
      "Se il numero di partita IVA è esatto, il software indicherà quale Ufficio provinciale lo ha rilasciato."));

  const std::pair<const char*, const char*> hints[] = {
      {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
      {"cmdImporta", "Importa i dati dal Parco Automezzi."},
      {"cmdFile", "Allega file alla scheda corrente."},
      {"cmdSalva", "Salva la scheda corrente in archivio."},
      {"cmdTrova", "Trova una scheda in archivio."},
      {"cmdStampa", "Stampa la scheda corrente."},
      {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
      {"cmdFerie", "Visualizza l'elenco dei conduttori attualmente in ferie."},
      {"cmdServizio", "Visualizza l'elenco dei conduttori attualmente in servizio."},
      {"cmdTrasferte", "Visualizza l'elenco dei conduttori disponibili per trasferte."},
      {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
      {"cmdEsci", "Esci da questa schermata di lavoro."},
      {"cmdPrimo", "Visualizza la prima scheda in archivio."},
      {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
      {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
      {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
      {"btnCodFisc", "Controlla il codice fiscale."},
      {"btnCarta", "Controlla il numero di carta di credito."},
      {"btnPartitaIva", "Controlla il numero di partita IVA."},
      {"btnIban", "Controlla l'IBAN."},
      {"btnEmail", "Invia una e-mail all'indirizzo indicato."},
      {"chkFerie", "Spunta questa casella per annotare che il conduttore è attualmente in ferie."},
      {"chkTrasferte",
       "Spunta questa casella per annotare che il conduttore è disposto ad effettuare lunghe trasferte."},
  };
  EXPECT_EQ(std::size(hints), 23u);
  QEvent enter(QEvent::Enter);
  for (const auto& [name, hint] : hints) {
    SCOPED_TRACE(name);
    QApplication::sendEvent(find<QWidget>(w, name), &enter);
    EXPECT_EQ(w->panInfo->text(), QString::fromUtf8(hint));
  }
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  for (const char* background : {"grpAnagrafica", "grpDisponibilita", "lblPosizione"}) {
    w->panInfo->setText(QStringLiteral("x"));
    QApplication::sendEvent(find<QWidget>(w, background), &move);
    EXPECT_TRUE(w->panInfo->text().isEmpty()) << background;
  }

  showActive();
  fillRequired();
  click(w->cmdEsci);
  EXPECT_FALSE(w->isVisible());
  w->showWindow();  // shown again: a new card
  EXPECT_TRUE(w->txtConducente->text().isEmpty());
}

// In the program: the launcher's first button shows the card, closing it comes back.
TEST(AnagraficaInTheProgram, LauncherButtonOneShowsTheCardAndClosingReturns) {
  TempExeDir dir;
  ScriptedDialogHost host;
  app().createWindows();
  ASSERT_NE(app().frmAnagrafica, nullptr);
  app().frmAvvio->showWindow();
  EXPECT_TRUE(app().frmAvvio->btnApp[0]->isEnabled());
  click(app().frmAvvio->btnApp[0]);
  EXPECT_TRUE(app().frmAnagrafica->isVisible());
  EXPECT_FALSE(app().frmAvvio->isVisible());
  click(app().frmAnagrafica->cmdEsci);
  EXPECT_FALSE(app().frmAnagrafica->isVisible());
  EXPECT_TRUE(app().frmAvvio->isVisible());
  app().destroyWindows();
}

}  // namespace

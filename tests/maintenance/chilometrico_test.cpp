// The mileage card: its controls and hints, its two computations, Save, Duplicate and
// navigation over the mileage archive, its fields, and the card print.
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/app.h"
#include "drivers/driver_record.h"
#include "drivers/frm_trova_anagrafica.h"
#include "core/clock.h"
#include "kit/canvas_print.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "shell/frm_avvio.h"
#include "shell/frm_guida.h"
#include "maintenance/frm_chilometrico.h"
#include "support/app/card_window.h"
#include "support/helpers.h"
#include "support/record_bytes.h"
#include "support/printed_documents.h"
#include "support/result_list.h"
#include "support/scripted_host.h"
#include "support/vehicle_archive.h"
#include "vehicles/frm_trova_automezzi.h"

using platform::MsgKind;

namespace {

const QString kArchive = QStringLiteral("Scadenzario_Chilometrico.pro");
constexpr int kSize = 1193;
const QString kToday = QStringLiteral("05/03/2024");
const QString kBadReadings = QStringLiteral(
    "Attenzione: valori non validi.\r\n\r\n"
    "Inserire correttamente il numero dei chilometri prima di premere il pulsante Calcola.");
const QString kAccessError = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

// Offsets of the fields in a record, as stored.
enum Offset : int {
  Veicolo = 0, Marca = 51, Modello = 102, Colore = 153, Alimentazione = 204, Targa = 255, Conducente = 286,
  CodFisc = 337, Recapito = 354, Manutenzione = 405, Dettagli = 456, Officina = 707, Costo = 828, DataInt = 844,
  KmRil = 855, DataRil = 866, Ogni = 877, Prossima = 888, KmAttuali = 904, DataAtt = 920, Stato = 931,
  Effettuata = 939, Note = 942,
};

// A record built by hand: {offset, Windows-1252 bytes} per field set.
QByteArray deadline(std::initializer_list<std::pair<int, QByteArray>> fields) { return handBuiltRecord(kSize, fields); }
QByteArray stored(const QByteArray& type, const QByteArray& effettuata = "No") {
  return deadline({{Veicolo, type}, {Marca, "Fiat"}, {Modello, "Ducato"}, {Targa, "AB123CD"},
                   {Manutenzione, "Tagliando"}, {Costo, "0,00"}, {KmRil, "1000"}, {DataRil, "01/02/2024"},
                   {Ogni, "200"}, {Prossima, "1200"}, {KmAttuali, "1300"}, {DataAtt, "02/03/2024"},
                   {Stato, "SCADUTA"}, {Effettuata, effettuata}});
}

class Chilometrico : public CardWindowTest<TfrmChilometrico, &App::frmChilometrico> {
 protected:
  void SetUp() override {
    CardWindowTest::SetUp();
    w->cmdNuovoClick();
  }

  // A card ready to save: the five required texts (the initial date is today's).
  void fillRequired() {
    w->txtVeicolo->setText(QStringLiteral("Furgone"));
    w->txtMarca->setText(QStringLiteral("Fiat"));
    w->txtModello->setText(QStringLiteral("Ducato"));
    w->txtTarga->setText(QStringLiteral("AB123CD"));
    w->txtManutenzione->setText(QStringLiteral("Tagliando"));
  }
  QLineEdit* edit(const char* name) { return w->findChild<QLineEdit*>(QString::fromLatin1(name)); }

  core::PinnedClock clock{core::DateTime{{5, 3, 2024}, 14, 30, 0}};
};

TEST_F(Chilometrico, ControlsLimitsAndTabOrder) {
  EXPECT_EQ(w->windowTitle(), QStringLiteral(" Velmora 4.0 - Scadenzario Chilometrico"));
  EXPECT_EQ(w->objectName(), QStringLiteral("TfrmChilometrico"));
  EXPECT_EQ(w->kind(), platform::WindowKind::Maximized);
  EXPECT_EQ(w->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
  // Distances and the cost take what their fields hold; texts take any length, cut when stored.
  struct Limit {
    const char* name;
    int limit;
    bool readOnly;
    Qt::Alignment align;
  };
  const Limit limits[] = {
      {"txtVeicolo", 0, false, Qt::AlignLeft},  {"txtDettagli", 0, false, Qt::AlignLeft},
      {"txtNote", 0, false, Qt::AlignLeft},     {"txtCosto", 15, false, Qt::AlignRight},
      {"txtKmRil", 10, false, Qt::AlignRight},  {"txtOgni", 10, false, Qt::AlignRight},
      {"txtProssima", 15, false, Qt::AlignRight}, {"txtKmAttuali", 15, false, Qt::AlignRight},
      {"txtDataInt", 0, true, Qt::AlignHCenter}, {"txtDataRil", 0, true, Qt::AlignHCenter},
      {"txtDataAtt", 0, true, Qt::AlignHCenter},
  };
  for (const Limit& l : limits) {
    SCOPED_TRACE(l.name);
    auto* e = qobject_cast<platform::FilteredEdit*>(edit(l.name));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->inputLimit(), l.limit);
    EXPECT_EQ(e->isReadOnly(), l.readOnly);
    EXPECT_EQ(e->alignment() & Qt::AlignHorizontal_Mask, l.align);
  }
  for (auto* b : w->findChildren<platform::PictureButton*>()) EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
  for (auto* b : {w->btnCalcola, w->btnControlla, w->btnDataRil}) EXPECT_FALSE(b->autoDefault());
  EXPECT_EQ(w->btnCalcola->text(), QStringLiteral("<< Calcola"));
  EXPECT_EQ(w->btnControlla->text(), QStringLiteral("<< Controlla"));
  EXPECT_EQ(w->btnDataRil->text(), QStringLiteral("<< Data corrente"));
  EXPECT_EQ(w->chkEffettuata->text(), QStringLiteral("Manutenzione effettuata"));

  // Tab: record order, each button after its field, the notes and the box last.
  const QWidget* order[] = {w->txtVeicolo,  w->txtMarca,    w->txtModello,   w->txtColore,     w->txtAlimentazione,
                            w->txtTarga,    w->txtConducente, w->txtCodFisc, w->txtRecapito,   w->txtManutenzione,
                            w->txtDettagli, w->txtOfficina, w->txtCosto,     w->txtDataInt,    w->txtKmRil,
                            w->txtDataRil,  w->btnDataRil,  w->txtOgni,      w->txtProssima,   w->btnCalcola,
                            w->txtKmAttuali, w->txtDataAtt, w->btnControlla, w->txtNote,       w->chkEffettuata};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    QWidget* next = order[i - 1]->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    EXPECT_EQ(next, order[i]) << order[i - 1]->objectName().toStdString();
  }
}

TEST_F(Chilometrico, TwentySevenHintsAndTheBackgroundEmptiesThem) {
  struct Hint {
    const char* control;
    const char* hint;
  };
  const Hint hints[] = {
      {"cmdPrimo", "Visualizza la prima scheda in archivio."},
      {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
      {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
      {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
      {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
      {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
      {"cmdImporta", "Importa i dati dal parco automezzi."},
      {"cmdSalva", "Salva la scheda corrente in archivio."},
      {"cmdTrova", "Trova una scheda in archivio."},
      {"cmdStampa", "Stampa la scheda corrente."},
      {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
      {"cmdScadute", "Visualizza il riepilogo delle manutenzioni scadute e non ancora effettuate."},
      {"cmdDaEffettuare", "Visualizza il riepilogo delle manutenzioni da effettuare, sia scadute che non."},
      {"cmdEffettuate", "Visualizza il riepilogo storico delle manutenzioni effettuate."},
      {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
      {"cmdEsci", "Esci dalla schermata di lavoro corrente."},
      {"btnCalcola", "Calcola il il limite chilometrico per la prossima manutenzione."},
      {"btnControlla", "Controlla lo stato attuale della manutenzione."},
      {"btnDataRil", "Inserisci la data corrente."},
      {"impDataInt", "Inserisci la data corrente."},
      {"impDataAtt", "Inserisci la data corrente."},
      {"impConduttore", "Importa i dati dall'archivio dei conduttori."},
      {"btnCodFisc", "Controlla il codice fiscale."},
      {"chkEffettuata", "Spunta questa casella per annotare che la manutenzione è stata effettuata."},
      {"txtDataInt", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."},
      {"txtDataRil", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."},
      {"txtDataAtt", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."},
  };
  static_assert(std::size(hints) == 27);
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  for (const Hint& h : hints) {
    SCOPED_TRACE(h.control);
    QWidget* c = w->findChild<QWidget*>(QString::fromLatin1(h.control));
    ASSERT_NE(c, nullptr);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(c, &enter);
    EXPECT_EQ(w->panInfo->text(), QString::fromUtf8(h.hint));
    QApplication::sendEvent(w, &move);
    EXPECT_TRUE(w->panInfo->text().isEmpty());
  }
}

TEST_F(Chilometrico, EveryShowAndNuovoStartANewCard) {
  dir.write(kArchive, stored("Autocarro", "S\xEC"));
  w->cmdPrimoClick();
  ASSERT_EQ(w->lblPosizione->text(), QStringLiteral("1"));
  ASSERT_TRUE(w->chkEffettuata->isChecked());
  auto expectNew = [this] {
    for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
      const QString name = e->objectName();
      const QString want = name == "txtCosto"                                                   ? "0,00"
                           : name == "txtKmRil" || name == "txtOgni" || name == "txtProssima" ||
                                     name == "txtKmAttuali"                                      ? "0"
                           : name == "txtDataRil" || name == "txtDataAtt"                       ? kToday
                                                                                                 : "";
      EXPECT_EQ(e->text(), want) << name.toStdString();
    }
    EXPECT_EQ(w->txtStato->text(), QStringLiteral("VALIDA"));
    EXPECT_FALSE(w->chkEffettuata->isChecked());
    EXPECT_TRUE(w->lblPosizione->text().isEmpty());
    EXPECT_EQ(w->focusWidget(), w->txtVeicolo);
  };
  showActive();
  expectNew();
  w->cmdPrimoClick();
  w->txtNote->setFocus();
  w->cmdNuovoClick();
  expectNew();
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Chilometrico, CalcolaAndControlla) {
  struct Case {
    const char* kmRil;
    const char* ogni;
    const char* kmAttuali;
    const char* prossima;  // after Calcola
    const char* stato;     // after Controlla
    const char* ogniAfter;
  };
  const Case cases[] = {
      {"400", "150", "0", "550", "VALIDA", "150"},
      {"400", "150", "550", "550", "VALIDA", "150"},  // equal is valid
      {"400", "150", "551", "550", "SCADUTA", "150"},
      {"400", "", "401", "400", "SCADUTA", "0"},      // an empty interval becomes "0"
      {"", "200", "", "200", "VALIDA", "200"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.kmRil) + "+" + c.ogni + " at " + c.kmAttuali);
    w->txtKmRil->setText(QString::fromLatin1(c.kmRil));
    w->txtOgni->setText(QString::fromLatin1(c.ogni));
    w->txtKmAttuali->setText(QString::fromLatin1(c.kmAttuali));
    w->txtStato->setText(QStringLiteral("?"));
    click(w->btnCalcola);
    EXPECT_EQ(w->txtProssima->text(), QString::fromLatin1(c.prossima));
    EXPECT_EQ(w->txtOgni->text(), QString::fromLatin1(c.ogniAfter));
    EXPECT_EQ(w->txtStato->text(), QStringLiteral("?"));  // Calcola leaves the state alone
    w->txtProssima->setText(QStringLiteral("1"));          // Controlla computes the due reading again
    click(w->btnControlla);
    EXPECT_EQ(w->txtProssima->text(), QString::fromLatin1(c.prossima));
    EXPECT_EQ(w->txtStato->text(), QString::fromLatin1(c.stato));
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Chilometrico, ReadingsThatAreNoNumbersWarnAndBecomeZero) {
  showActive();
  // Calcola: the initial reading, the interval and the due reading go to "0".
  w->txtKmRil->setText(QStringLiteral("12a"));  // as a pasted or loaded text could be
  w->txtOgni->setText(QStringLiteral("150"));
  w->txtNote->setFocus();
  click(w->btnCalcola);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
  EXPECT_EQ(host.last().text, kBadReadings);
  for (QLineEdit* e : {w->txtKmRil, w->txtOgni, w->txtProssima}) EXPECT_EQ(e->text(), QStringLiteral("0"));
  EXPECT_EQ(w->focusWidget(), w->txtKmRil);

  // Controlla: the due and current readings go to "0", the state stays.
  host.clear();
  w->txtKmRil->setText(QStringLiteral("400"));
  w->txtOgni->setText(QStringLiteral("150"));
  w->txtKmAttuali->setText(QStringLiteral("5,5,5"));
  w->txtStato->setText(QStringLiteral("SCADUTA"));
  w->txtNote->setFocus();
  click(w->btnControlla);
  EXPECT_EQ(host.texts(), QStringList{kBadReadings});
  EXPECT_EQ(w->txtKmRil->text(), QStringLiteral("400"));
  EXPECT_EQ(w->txtOgni->text(), QStringLiteral("150"));
  EXPECT_EQ(w->txtProssima->text(), QStringLiteral("0"));
  EXPECT_EQ(w->txtKmAttuali->text(), QStringLiteral("0"));
  EXPECT_EQ(w->txtStato->text(), QStringLiteral("SCADUTA"));
  EXPECT_EQ(w->focusWidget(), w->txtKmAttuali);
}

TEST_F(Chilometrico, SaveWarnsForEachRequiredFieldThenForAnImpossibleDate) {
  showActive();
  const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
  struct Case {
    QLineEdit* TfrmChilometrico::*field;
    QString blank;
    QString warning;
  };
  const Case cases[] = {
      {&TfrmChilometrico::txtVeicolo, " ", need + "il tipo di veicolo."},
      {&TfrmChilometrico::txtMarca, "", need + "la marca del veicolo."},
      {&TfrmChilometrico::txtModello, "\t", need + "il modello del veicolo."},
      {&TfrmChilometrico::txtTarga, "", need + "il numero di targa del veicolo."},
      {&TfrmChilometrico::txtManutenzione, "  ", need + "il tipo di manutenzione da effettuare."},
      {&TfrmChilometrico::txtDataRil, "", need + "la data di rilevamento iniziale dei chilometri percorsi."},
      {&TfrmChilometrico::txtDataRil, "31/02/2024",
       "Attenzione: la data indicata non esiste.\n\r\n\r"
       "Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/anno."},
      {&TfrmChilometrico::txtDataRil, "2024-03-05",
       "Attenzione: la data indicata non esiste.\n\r\n\r"
       "Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/anno."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.warning.toStdString());
    fillRequired();
    w->txtDataRil->setText(kToday);
    w->txtKmRil->setText(QStringLiteral("x"));  // the computations come after every check
    (w->*c.field)->setText(c.blank);
    w->txtNote->setFocus();
    host.clear();
    click(w->cmdSalva);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Warning);
    EXPECT_EQ(host.last().text, c.warning);
    EXPECT_EQ(w->focusWidget(), w->*c.field);
    EXPECT_EQ(w->txtKmRil->text(), QStringLiteral("x"));
  }
  EXPECT_FALSE(dir.exists(kArchive));
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
}

TEST_F(Chilometrico, SaveComputesTheStateItStoresAndAppendsThenOverwrites) {
  const QByteArray three = stored("Uno") + stored("Due") + stored("Tre");
  dir.write(kArchive, three);
  ASSERT_EQ(three.size(), 3579);
  fillRequired();
  w->txtVeicolo->setText(QStringLiteral("  Furgone  "));
  w->txtConducente->setText(QStringLiteral("Rossi Mario"));
  w->txtCosto->setText(QStringLiteral("12,50"));
  w->txtDataRil->setText(QStringLiteral("05/03/2024"));
  w->txtKmRil->setText(QStringLiteral("400"));
  w->txtOgni->setText(QStringLiteral("150"));
  w->txtKmAttuali->setText(QStringLiteral("551"));
  w->txtNote->setText(QStringLiteral("Filtro più olio"));
  w->txtDettagli->setText(QString(260, QLatin1Char('d')));
  ASSERT_EQ(w->txtStato->text(), QStringLiteral("VALIDA"));  // "Controlla" never pressed
  click(w->cmdSalva);

  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("4"));
  EXPECT_EQ(w->txtStato->text(), QStringLiteral("SCADUTA"));
  EXPECT_EQ(w->txtProssima->text(), QStringLiteral("550"));
  QByteArray file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 4772);
  EXPECT_EQ(file.left(3579), three);
  const QByteArray fourth = deadline({{Veicolo, "Furgone"},       {Marca, "Fiat"},
                                      {Modello, "Ducato"},        {Targa, "AB123CD"},
                                      {Conducente, "Rossi Mario"}, {Manutenzione, "Tagliando"},
                                      {Dettagli, QByteArray(250, 'd')}, {Costo, "12,50"},
                                      {KmRil, "400"},             {DataRil, "05/03/2024"},
                                      {Ogni, "150"},              {Prossima, "550"},
                                      {KmAttuali, "551"},         {DataAtt, "05/03/2024"},
                                      {Stato, "SCADUTA"},         {Effettuata, "No"},
                                      {Note, "Filtro pi\xF9 olio"}});
  EXPECT_EQ(file.mid(3579), fourth);

  // Saved again, done and back under the due reading: overwritten in place.
  host.clear();
  w->chkEffettuata->setChecked(true);
  w->txtKmAttuali->setText(QStringLiteral("500"));
  w->txtCosto->setText(QString());
  click(w->cmdSalva);
  EXPECT_EQ(host.texts(),
            QStringList{QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")});
  file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 4772);
  EXPECT_EQ(file.left(3579), three);
  EXPECT_EQ(file.mid(3579 + Stato, 7), QByteArray("\x06VALIDA"));
  EXPECT_EQ(file.mid(3579 + Effettuata, 3), QByteArray("\x02S\xEC"));
  EXPECT_EQ(file.mid(3579 + Costo, 5), QByteArray("\x04" "0,00"));  // an empty cost is stored "0,00"
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("4"));
}

// A reading that is no number stops the save after its warning: nothing is written
// with readings the user did not type, and no success message follows.
TEST_F(Chilometrico, SaveStopsAfterAComputationsWarning) {
  const QByteArray one = stored("Uno");
  dir.write(kArchive, one);
  struct Case {
    const char* name;
    QLineEdit* TfrmChilometrico::*field;
    const char* label;
  };
  const Case cases[] = {
      {"initial reading, new card", &TfrmChilometrico::txtKmRil, ""},
      {"interval, stored card", &TfrmChilometrico::txtOgni, "1"},
      {"current reading, new card", &TfrmChilometrico::txtKmAttuali, ""},
      {"current reading, stored card", &TfrmChilometrico::txtKmAttuali, "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fillRequired();
    w->txtKmRil->setText(QStringLiteral("400"));
    w->txtOgni->setText(QStringLiteral("150"));
    w->txtKmAttuali->setText(QStringLiteral("100"));
    (w->*c.field)->setText(QStringLiteral("1,2,3"));
    w->lblPosizione->setText(QString::fromLatin1(c.label));
    host.clear();
    click(w->cmdSalva);
    EXPECT_EQ(host.texts(), QStringList{kBadReadings});
    EXPECT_EQ((w->*c.field)->text(), QStringLiteral("0"));
    EXPECT_EQ(w->lblPosizione->text(), QString::fromLatin1(c.label));
    EXPECT_EQ(dir.read(kArchive), one);
  }
}

TEST_F(Chilometrico, DuplicateStartsTheNextDeadlineOfTheSameMaintenance) {
  showActive();
  click(w->cmdDuplica);
  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire "
                                                     "soltanto dopo che questa è stata inserita in archivio.")});
  EXPECT_EQ(host.last().kind, MsgKind::Warning);

  QByteArray rec = stored("Furgone", "S\xEC");
  const QByteArray more = deadline({{Conducente, "Rossi"}, {CodFisc, "RSSMRA80A01H501U"}, {Recapito, "333"},
                                    {Dettagli, "Filtri"}, {Officina, "Officina Centrale"}, {Costo, "80,00"},
                                    {DataInt, "01/03/2024"}, {Note, "Olio sintetico"}});
  for (int offset : {Conducente, CodFisc, Recapito, Dettagli, Officina, Costo, DataInt, Note})
    rec.replace(offset, 1 + more[offset], more.mid(offset, 1 + more[offset]));
  dir.write(kArchive, rec);
  click(w->cmdPrimo);
  ASSERT_EQ(w->txtOgni->text(), QStringLiteral("200"));
  host.clear();
  w->txtNote->setFocus();
  click(w->cmdDuplica);

  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                                                     "corrente.\n\r\n\rAl termine premere Salva per inserire la "
                                                     "scheda in archivio.")});
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_EQ(w->txtKmRil->text(), QStringLiteral("0"));
  EXPECT_EQ(w->txtKmAttuali->text(), QStringLiteral("0"));
  EXPECT_EQ(w->txtProssima->text(), QStringLiteral("200"));
  EXPECT_EQ(w->txtOgni->text(), QStringLiteral("200"));
  EXPECT_EQ(w->txtStato->text(), QStringLiteral("VALIDA"));
  EXPECT_FALSE(w->chkEffettuata->isChecked());
  EXPECT_TRUE(w->txtDataInt->text().isEmpty());
  EXPECT_EQ(w->txtDataRil->text(), kToday);
  EXPECT_EQ(w->txtDataAtt->text(), kToday);
  const std::pair<QLineEdit*, const char*> kept[] = {
      {w->txtVeicolo, "Furgone"}, {w->txtMarca, "Fiat"}, {w->txtModello, "Ducato"}, {w->txtTarga, "AB123CD"},
      {w->txtConducente, "Rossi"}, {w->txtCodFisc, "RSSMRA80A01H501U"}, {w->txtRecapito, "333"},
      {w->txtManutenzione, "Tagliando"}, {w->txtDettagli, "Filtri"}, {w->txtOfficina, "Officina Centrale"},
      {w->txtCosto, "80,00"}, {w->txtNote, "Olio sintetico"},
  };
  for (const auto& [e, text] : kept) EXPECT_EQ(e->text(), QString::fromLatin1(text)) << e->objectName().toStdString();
  EXPECT_EQ(w->focusWidget(), w->txtKmRil);

  host.clear();
  click(w->cmdSalva);
  const QByteArray file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 2 * kSize);
  EXPECT_EQ(file.left(kSize), rec);  // the original stays as it was
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("2"));
}

TEST_F(Chilometrico, LockedArchiveIsAWarningInNavigationAndSaveAndAnErrorInDuplicate) {
  fillRequired();
  QDir(dir.path()).mkdir(kArchive);  // a folder in the archive's place
  w->lblPosizione->setText(QStringLiteral("2"));
  for (auto command : {&TfrmChilometrico::cmdPrimoClick, &TfrmChilometrico::cmdIndietroClick,
                       &TfrmChilometrico::cmdAvantiClick, &TfrmChilometrico::cmdUltimoClick,
                       &TfrmChilometrico::cmdSalvaClick}) {
    host.clear();
    (w->*command)();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Warning);
    EXPECT_EQ(host.last().text, kAccessError);
    EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("2"));
  }
  host.clear();
  w->txtKmRil->setText(QStringLiteral("700"));
  w->cmdDuplicaClick();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Error);
  EXPECT_EQ(host.last().text, kAccessError);
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_EQ(w->txtKmRil->text(), QStringLiteral("700"));  // nothing else was changed
}

TEST_F(Chilometrico, NavigationShowsEveryFieldAndTheDoneBoxRule) {
  dir.write(kArchive, stored("Uno", "S\xEC") + stored("Due", "No") + stored("Tre", "??"));
  struct Step {
    void (TfrmChilometrico::*command)();
    const char* label;
    const char* type;
    bool done;
  };
  const Step steps[] = {
      {&TfrmChilometrico::cmdAvantiClick, "1", "Uno", true},
      {&TfrmChilometrico::cmdAvantiClick, "2", "Due", false},
      {&TfrmChilometrico::cmdUltimoClick, "3", "Tre", false},  // neither Sì nor No: the box stays
      {&TfrmChilometrico::cmdPrimoClick, "1", "Uno", true},
      {&TfrmChilometrico::cmdUltimoClick, "3", "Tre", true},
      {&TfrmChilometrico::cmdAvantiClick, "3", "Tre", true},  // on the last: nothing
      {&TfrmChilometrico::cmdIndietroClick, "2", "Due", false},
  };
  for (const Step& s : steps) {
    (w->*s.command)();
    EXPECT_EQ(w->lblPosizione->text(), QString::fromLatin1(s.label));
    EXPECT_EQ(w->txtVeicolo->text(), QString::fromLatin1(s.type));
    EXPECT_EQ(w->chkEffettuata->isChecked(), s.done) << s.label;
  }
  EXPECT_EQ(w->txtStato->text(), QStringLiteral("SCADUTA"));
  EXPECT_EQ(w->txtDataRil->text(), QStringLiteral("01/02/2024"));
  EXPECT_EQ(w->txtKmAttuali->text(), QStringLiteral("1300"));
  EXPECT_TRUE(host.boxes.empty());

  QFile::remove(dir.file(kArchive));
  w->cmdPrimoClick();
  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("L'archivio non contiene nessuna scheda.")});
  EXPECT_TRUE(dir.exists(kArchive));
  EXPECT_EQ(dir.read(kArchive).size(), 0);
}

TEST_F(Chilometrico, DistancesAndTheCostAreNormalisedWhenLeft) {
  showActive();
  struct Case {
    const char* set;  // put in by code, as a loaded record or a paste could
    const char* km;
    const char* cost;
  };
  const Case cases[] = {
      {"", "0", "0,00"},      {"042", "42", "42,00"},   {"12,5", "13", "12,50"},
      {"12,49", "12", "12,49"}, {"12a", "0", "0,00"}, {",", "0", "0,00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set);
    for (QLineEdit* e : {w->txtKmRil, w->txtOgni, w->txtProssima, w->txtKmAttuali, w->txtCosto}) {
      e->setFocus();
      e->setText(QString::fromLatin1(c.set));
      w->txtNote->setFocus();
      EXPECT_EQ(e->text(), QString::fromLatin1(e == w->txtCosto ? c.cost : c.km)) << e->objectName().toStdString();
    }
  }
  // A picture clicked while a distance has the focus takes no focus: no normaliser ran.
  w->txtKmRil->setFocus();
  w->txtKmRil->setText(QStringLiteral("042"));
  click(w->impDataAtt);
  EXPECT_EQ(w->txtKmRil->text(), QStringLiteral("042"));
  EXPECT_EQ(w->focusWidget(), w->txtKmRil);
}

TEST_F(Chilometrico, DistancesTakeDigitsAndTheCostAComma) {
  showActive();
  struct Case {
    QLineEdit* TfrmChilometrico::*field;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {&TfrmChilometrico::txtKmRil, "1a.2-3 4,5", "12345"},
      {&TfrmChilometrico::txtOgni, "15000000000000", "1500000000"},  // at most 10
      {&TfrmChilometrico::txtProssima, "12345678901234567", "123456789012345"},  // at most 15
      {&TfrmChilometrico::txtKmAttuali, "9,9", "99"},
      {&TfrmChilometrico::txtCosto, "12,5.0-a", "12,50"},
      {&TfrmChilometrico::txtCosto, "1234567890123,456", "1234567890123,4"},  // at most 15
      {&TfrmChilometrico::txtVeicolo, "Autocarro con gru e cassone ribaltabile trilaterale 4x4",
       "Autocarro con gru e cassone ribaltabile trilaterale 4x4"},  // longer than its field: cut when stored
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    QLineEdit* e = w->*c.field;
    e->clear();
    e->setFocus();
    typeText(e, QString::fromLatin1(c.typed));
    EXPECT_EQ(e->text(), QString::fromLatin1(c.shown));
    // Pasted, the same rule and the same limit.
    e->clear();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(c.typed));
    static_cast<platform::FilteredEdit*>(e)->pasteAdmitted();
    EXPECT_EQ(e->text(), QString::fromLatin1(c.shown));
  }
}

TEST_F(Chilometrico, EnterRunsAlongTheFieldsAndDatesOpenTheCalendar) {
  showActive();
  const char* chain[][2] = {
      {"txtVeicolo", "txtMarca"},      {"txtMarca", "txtModello"},        {"txtModello", "txtColore"},
      {"txtColore", "txtAlimentazione"}, {"txtAlimentazione", "txtTarga"}, {"txtTarga", "txtConducente"},
      {"txtConducente", "txtCodFisc"}, {"txtCodFisc", "txtRecapito"},    {"txtRecapito", "txtManutenzione"},
      {"txtManutenzione", "txtDettagli"}, {"txtDettagli", "txtOfficina"}, {"txtOfficina", "txtCosto"},
      {"txtCosto", "txtDataInt"},      {"txtKmRil", "txtDataRil"},       {"txtOgni", "txtProssima"},
      {"txtProssima", "txtKmAttuali"}, {"txtKmAttuali", "txtDataAtt"},   {"txtNote", "txtVeicolo"},
  };
  for (const auto& step : chain) {
    QLineEdit* from = edit(step[0]);
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), edit(step[1])) << step[0];
  }
  EXPECT_TRUE(host.modalShown.isEmpty());

  // At the three dates Enter, or any key but Backspace and Delete, opens the calendar
  // with the date's key word; "Importa" writes today's date there.
  const std::pair<const char*, const char*> dates[] = {
      {"txtDataInt", "dataint"}, {"txtDataRil", "dataril"}, {"txtDataAtt", "dataatt"}};
  for (const auto& [name, keyWord] : dates) {
    SCOPED_TRACE(name);
    QLineEdit* date = edit(name);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_A, Qt::Key_5, Qt::Key_Space}) {
      QString memory;
      host.modalScripts.push_back([&](platform::Form& f) {
        memory = f.memory();
        click(f.findChild<QPushButton*>(QStringLiteral("btnImportaData")));
      });
      date->setText(QStringLiteral("01/01/2020"));
      date->setFocus();
      QTest::keyClick(date, key);
      EXPECT_EQ(host.modalShown.last(), QStringLiteral("TfrmCalendario"));
      EXPECT_EQ(memory, QString::fromLatin1(keyWord));
      EXPECT_EQ(date->text(), kToday);
      EXPECT_EQ(w->focusWidget(), date);
    }
    const auto shown = host.modalShown.size();
    QTest::keyClick(date, Qt::Key_Backspace);
    EXPECT_TRUE(date->text().isEmpty());
    date->setText(kToday);
    QTest::keyClick(date, Qt::Key_Delete);
    EXPECT_TRUE(date->text().isEmpty());
    EXPECT_EQ(host.modalShown.size(), shown);
  }
  // An emptied current date still saves: only the initial date is required.
  fillRequired();
  w->txtDataRil->setText(kToday);
  host.clear();
  click(w->cmdSalva);
  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
  EXPECT_EQ(dir.read(kArchive).mid(DataAtt, 1), QByteArray(1, '\0'));
}

TEST_F(Chilometrico, TodayPicturesAndThePlateInCapitals) {
  showActive();
  for (auto [picture, date] : {std::pair{w->impDataInt, w->txtDataInt}, std::pair{w->impDataAtt, w->txtDataAtt}}) {
    date->clear();
    click(picture);
    EXPECT_EQ(date->text(), kToday);
  }
  w->txtDataRil->clear();
  click(w->btnDataRil);
  EXPECT_EQ(w->txtDataRil->text(), kToday);

  for (QLineEdit* e : {w->txtTarga, w->txtCodFisc}) {
    e->clear();
    e->setFocus();
    QTest::keyClicks(e, QStringLiteral("ab1 "));
    EXPECT_EQ(e->text(), QStringLiteral("AB1"));  // the blank after the last character goes at once
    e->setCursorPosition(1);
    typeText(e, QStringLiteral(" "));
    typeText(e, QStringLiteral("è"));
    EXPECT_EQ(e->text(), QStringLiteral("A èB1"));  // a blank between two characters stays; è stays
  }
  w->txtTarga->setText(QStringLiteral(" ab "));  // a loaded or picked text is not touched
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral(" ab "));
}

TEST_F(Chilometrico, ThePrintDrawsTheCardAsItStandsOnScreen) {
  fillRequired();
  w->txtColore->setText(QStringLiteral("Bianco"));
  w->txtCosto->setText(QStringLiteral(" 12,50 "));
  w->txtKmRil->setText(QStringLiteral("400"));
  w->txtDataRil->setText(QStringLiteral("05/03/2024"));
  w->txtOgni->setText(QStringLiteral("150"));
  w->txtProssima->setText(QStringLiteral("550"));
  w->txtKmAttuali->setText(QStringLiteral("551"));
  w->txtStato->setText(QStringLiteral("SCADUTA"));
  w->chkEffettuata->setChecked(true);  // not saved: the box on screen counts

  const kit::CanvasCard card = w->printedCard();
  EXPECT_EQ(card.title, QStringLiteral("SCHEDA SCADENZA CHILOMETRICA"));
  const std::pair<const char*, const char*> rows[] = {
      {"Tipo veicolo:", "Furgone"},          {"Marca e modello:", "Fiat Ducato"},
      {"Colore:", "Bianco"},                 {"Alimentazione:", ""},
      {"Targa:", "AB123CD"},                 {"Conduttore:", ""},
      {"Codice fiscale:", ""},               {"Recapito preferenziale:", ""},
      {"Tipo manutenzione:", "Tagliando"},   {"Dettagli intervento:", ""},
      {"Officina incaricata:", ""},          {"Costo intervento:", "€ 12,50"},
      {"Data intervento:", ""},              {"Km e data iniziali:", "400  05/03/2024"},
      {"Frequenza manutenzione:", "Ogni 150 km"}, {"Prossima scadenza:", "A km 550"},
      {"Km e data attuali:", "551  05/03/2024"}, {"Stato manutenzione:", "SCADUTA"},
      {"Note:", ""},                         {"Manutenzione effettuata:", "Sì"},
  };
  ASSERT_EQ(card.rows.size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(card.rows[i].label, QString::fromUtf8(rows[i].first)) << i;
    EXPECT_EQ(card.rows[i].value, QString::fromUtf8(rows[i].second)) << i;
  }
  w->chkEffettuata->setChecked(false);
  EXPECT_EQ(w->printedCard().rows.back().value, QStringLiteral("No"));

  // The picture runs the shared print: question, copies, dialog, one document per copy.
  PrintedDocuments documents;
  host.printToPrinter = true;
  host.inputs = {QStringLiteral("2")};
  click(w->cmdStampa);
  EXPECT_EQ(host.boxes.front().text, QStringLiteral("Si vuole stampare la presente scheda?"));
  EXPECT_EQ(host.printCopiesShown, QList<int>{2});
  EXPECT_EQ(documents.begun, 2);
  EXPECT_TRUE(dir.read(kArchive).isEmpty());  // printing saves nothing
}

TEST_F(Chilometrico, PicturesOpenTheirWindowsOwnedByTheCard) {
  struct Seen {
    QString name, memory;
    QWidget* owner;
  };
  std::vector<Seen> seen;
  host.onModal = [&](platform::Form& f) { seen.push_back({f.objectName(), f.memory(), f.parentWidget()}); };
  for (auto* picture : {w->cmdTrova, w->cmdImporta, w->cmdScadute, w->cmdDaEffettuare, w->cmdEffettuate,
                        w->cmdEsporta})
    click(picture);
  w->txtCodFisc->setText(QStringLiteral("01234567890"));
  click(w->btnCodFisc);
  w->txtCodFisc->setText(QStringLiteral("RSSMRA80A01H501U"));
  click(w->btnCodFisc);
  const std::pair<const char*, const char*> want[] = {
      {"TfrmTrovaChilometrico", "chilometrico"}, {"TfrmTrovaAutomezzi", "chilometrico"}, {"TfrmScaduteKm", ""},
      {"TfrmDaEffettuare", ""}, {"TfrmEffettuate", ""}, {"TfrmExpChilometrico", ""}, {"TfrmPartitaIva", ""},
      {"TfrmCodFisc", ""},
  };
  ASSERT_EQ(seen.size(), std::size(want));
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].name, QString::fromLatin1(want[i].first));
    EXPECT_EQ(seen[i].memory, QString::fromLatin1(want[i].second));
    EXPECT_EQ(seen[i].owner, w);
  }
}

// The two pickers with the card's key word fill the vehicle and the driver fields.
TEST_F(Chilometrico, ThePickersFillTheVehicleAndTheDriver) {
  appendVehicles({{{"Tipo", "Furgone"}, {"Marca", "Iveco"}, {"Modello", "Daily"}, {"Colore", "Bianco"},
                   {"Alimentazione", "Gasolio"}, {"Targa", "EF456GH"}, {"Autista", "Non copiato"}}});
  core::RecordBuffer driver(drivers::driverLayout());
  driver.set("Conducente", u"Verdi Luca");
  driver.set("CodFisc", u"VRDLCU80A01H501Z");
  driver.set("Recapito", u"347 7654321");
  appendRecords(QStringLiteral("Conducenti.pro"), drivers::DriverRecord::kSize, {driver});

  QStringList memories;
  host.onModal = [&](platform::Form& f) {
    memories << f.memory();
    EXPECT_EQ(f.parentWidget(), w);
    auto& search = static_cast<kit::SearchWindow&>(f);
    search.btnCercaClick();
    ASSERT_EQ(listCount(search.lstRecords), 1);
    selectLine(search.lstRecords, 0);
    search.lstRecordsDblClick();
  };
  click(w->cmdImporta);
  click(w->impConduttore);
  EXPECT_EQ(host.modalShown, (QStringList{"TfrmTrovaAutomezzi", "TfrmTrovaAnagrafica"}));
  EXPECT_EQ(memories, (QStringList{"chilometrico", "chilometrico"}));
  const std::pair<QLineEdit*, const char*> filled[] = {
      {w->txtVeicolo, "Furgone"},       {w->txtMarca, "Iveco"},      {w->txtModello, "Daily"},
      {w->txtColore, "Bianco"},         {w->txtAlimentazione, "Gasolio"}, {w->txtTarga, "EF456GH"},
      {w->txtConducente, "Verdi Luca"}, {w->txtCodFisc, "VRDLCU80A01H501Z"}, {w->txtRecapito, "347 7654321"},
  };
  for (const auto& [e, text] : filled) EXPECT_EQ(e->text(), QString::fromLatin1(text)) << e->objectName().toStdString();
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());  // still a new card
}

TEST_F(Chilometrico, HelpAndClose) {
  QString title, text;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& g = static_cast<TfrmGuida&>(f);
    title = g.lblTitolo->text();
    text = g.text();
  });
  click(w->cmdGuida);
  EXPECT_EQ(title, QStringLiteral("App Scadenzario Chilometrico"));
  EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")).size(), 13);

  showActive();
  click(w->cmdEsci);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(app().window(QStringLiteral("TfrmChilometrico")), w);  // long-lived: hidden, not gone
}

TEST(ChilometricoInTheProgram, TheLaunchersEighthButtonOpensIt) {
  ScriptedDialogHost host;
  TempExeDir dir;
  app().createWindows();
  ASSERT_NE(app().frmChilometrico, nullptr);
  auto* launcher = static_cast<TfrmAvvio*>(app().window(QStringLiteral("TfrmAvvio")));
  launcher->showWindow();
  EXPECT_EQ(QString::fromLatin1(TfrmAvvio::kAppWindows[7]), QStringLiteral("TfrmChilometrico"));
  EXPECT_TRUE(launcher->btnApp[7]->isEnabled());
  click(launcher->btnApp[7]);
  EXPECT_TRUE(app().frmChilometrico->isVisible());
  EXPECT_FALSE(launcher->isVisible());
  app().frmChilometrico->closeForm();
  EXPECT_TRUE(launcher->isVisible());
  app().destroyWindows();
}

}  // namespace

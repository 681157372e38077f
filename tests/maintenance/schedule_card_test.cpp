// The schedule card: Save's checks in order and what it writes, Duplicate, navigation
// and the card print.
#include <QFile>

#include "maintenance/schedule_card_report.h"
#include "maintenance/schedule_support.h"
#include "platform/report/report.h"

using platform::MsgKind;

namespace {

// A stored field of record `index` in the file's bytes: its length byte and its text.
QByteArray storedField(const QByteArray& file, int index, int offset) {
  const int at = index * 1328 + offset;
  return file.mid(at + 1, static_cast<unsigned char>(file.at(at)));
}

class ScheduleCard : public ScheduleTest {
 protected:
  void SetUp() override {
    ScheduleTest::SetUp();
    openYear();
    host.clear();
  }
  // A card that Save accepts: 05 Marzo 2024 at 09:30, every required field.
  void fill() {
    w->txtGiorno->setEditText("05");
    w->txtMese->setEditText("Marzo");
    w->txtOreApp->setEditText("09");
    w->txtMinutiApp->setEditText("30");
    w->txtAvviso->setText("7");
    w->txtConducente->setText("Mario Rossi");
    w->txtVeicolo->setText("Autovettura");
    w->txtMarca->setText("Fiat");
    w->txtModello->setText("Panda");
    w->txtTarga->setText("AB123CD");
    w->txtManutenzione->setText("Tagliando");
    w->txtCosto->setText("120,50");
  }
  QByteArray file() const { return dir.read("2024.sca"); }
};

TEST_F(ScheduleCard, SaveChecksTheFieldsInOrderAndWritesNothingWhenOneFails) {
  const QString need = "Attenzione: per salvare la scheda è necessario indicare ";
  struct Case {
    const char* name;
    std::function<void(TfrmScadenzario&)> spoil;
    MsgKind kind;
    QString text;
    const char* focus;
  } cases[] = {
      {"day empty", [](TfrmScadenzario& c) { c.txtGiorno->setEditText(""); }, MsgKind::Warning,
       need + "il giorno della scadenza.", "txtGiorno"},
      {"day of one digit", [](TfrmScadenzario& c) { c.txtGiorno->setEditText("5"); }, MsgKind::Warning,
       need + "il giorno della scadenza usando due cifre.", "txtGiorno"},
      {"month empty", [](TfrmScadenzario& c) { c.txtMese->setEditText(" "); }, MsgKind::Warning,
       need + "il mese della scadenza.", "txtMese"},
      {"hour empty", [](TfrmScadenzario& c) { c.txtOreApp->setEditText(""); }, MsgKind::Warning,
       need + "l'ora dell'appuntamento.", "txtOreApp"},
      {"minutes empty before a short hour",
       [](TfrmScadenzario& c) {
         c.txtOreApp->setEditText("9");
         c.txtMinutiApp->setEditText("");
       },
       MsgKind::Warning, need + "i minuti dell'ora dell'appuntamento.", "txtMinutiApp"},
      {"hour of one digit", [](TfrmScadenzario& c) { c.txtOreApp->setEditText("9"); }, MsgKind::Warning,
       need + "l'ora dell'appuntamento usando due cifre.", "txtOreApp"},
      {"minutes of one digit", [](TfrmScadenzario& c) { c.txtMinutiApp->setEditText("5"); }, MsgKind::Warning,
       need + "i minuti dell'ora dell'appuntamento usando due cifre.", "txtMinutiApp"},
      {"warning days empty", [](TfrmScadenzario& c) { c.txtAvviso->setText(""); }, MsgKind::Warning,
       need + "i giorni di preavviso.", "txtAvviso"},
      {"warning days that are no number", [](TfrmScadenzario& c) { c.txtAvviso->setText("1a"); }, MsgKind::Warning,
       need + "i giorni di preavviso.", "txtAvviso"},
      {"vehicle type", [](TfrmScadenzario& c) { c.txtVeicolo->setText(""); }, MsgKind::Warning,
       need + "il tipo di veicolo.", "txtVeicolo"},
      {"make", [](TfrmScadenzario& c) { c.txtMarca->setText(""); }, MsgKind::Warning,
       need + "la marca del veicolo.", "txtMarca"},
      {"model", [](TfrmScadenzario& c) { c.txtModello->setText(""); }, MsgKind::Warning,
       need + "il modello del veicolo.", "txtModello"},
      {"plate", [](TfrmScadenzario& c) { c.txtTarga->setText(""); }, MsgKind::Warning,
       need + "il numero di targa del veicolo.", "txtTarga"},
      {"maintenance type", [](TfrmScadenzario& c) { c.txtManutenzione->setText(""); }, MsgKind::Warning,
       need + "il tipo di manutenzione da effettuare.", "txtManutenzione"},
      {"a month that is none of the twelve", [](TfrmScadenzario& c) { c.txtMese->setEditText("Marzolino"); },
       MsgKind::Warning,
       "Attenzione: selezionare il mese dal menu a cascata.\n\r\n\rPer poter salvare la scheda è necessario "
       "indicare una data valida.",
       "txtMese"},
      {"a date that does not exist", [](TfrmScadenzario& c) {
         c.txtGiorno->setEditText("30");
         c.txtMese->setEditText("Febbraio");
       },
       MsgKind::Plain,
       "Attenzione: la data 30/02/2024 non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una "
       "data valida.",
       "txtGiorno"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // The focus goes first: leaving a combo would empty a text set by code that is no item.
    w->txtNote->setFocus();
    fill();
    c.spoil(*w);
    host.clear();
    click(w->cmdSalva);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, c.kind);
    EXPECT_EQ(host.last().text, c.text);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focus);
    EXPECT_EQ(w->lblPosizione->text(), "");
  }
  EXPECT_EQ(file().size(), 0);  // as the showing's imminent check created it
}

TEST_F(ScheduleCard, AnEmptyCostBecomesNoCostEvenWhenSaveIsRefused) {
  w->txtCosto->setText(" ");
  click(w->cmdSalva);
  EXPECT_EQ(w->txtCosto->text(), "0,00");
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
}

TEST_F(ScheduleCard, SaveAppendsThenRewritesTheDeadlineAsStored) {
  fill();
  w->txtCodFisc->setText("RSSMRA80A01H501U");
  w->chkDaConfermare->setChecked(true);
  click(w->cmdSalva);
  ASSERT_EQ(host.texts(), QStringList{"La scheda corrente è stata salvata in archivio."});
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(w->lblPosizione->text(), "1");
  EXPECT_EQ(w->lblData->text(), "05/03/2024");
  EXPECT_EQ(w->lblOra->text(), "09:30");
  QByteArray bytes = file();
  ASSERT_EQ(bytes.size(), 1328);
  EXPECT_EQ(storedField(bytes, 0, 0), "05");
  EXPECT_EQ(storedField(bytes, 0, 3), "Marzo");
  EXPECT_EQ(storedField(bytes, 0, 14), "2024");
  EXPECT_EQ(storedField(bytes, 0, 19), "05/03/2024");
  EXPECT_EQ(storedField(bytes, 0, 36), "09:30");
  EXPECT_EQ(storedField(bytes, 0, 42), "7");
  EXPECT_EQ(storedField(bytes, 0, 1004), "120,50");
  EXPECT_EQ(storedField(bytes, 0, 1322), "S\xEC");
  EXPECT_EQ(storedField(bytes, 0, 1325), "No");

  // Saved again, the same record is rewritten in place.
  host.clear();
  w->chkEffettuata->setChecked(true);
  click(w->cmdSalva);
  EXPECT_EQ(host.texts(), QStringList{"Le modifiche apportate alla scheda corrente sono state salvate in archivio."});
  EXPECT_EQ(w->lblPosizione->text(), "1");
  bytes = file();
  ASSERT_EQ(bytes.size(), 1328);
  EXPECT_EQ(storedField(bytes, 0, 1325), "S\xEC");
  // The card stays as saved.
  EXPECT_EQ(w->txtMarca->text(), "Fiat");
}

TEST_F(ScheduleCard, DuplicateKeepsAllButTheDateAndTimeAndTheNextSaveAppends) {
  click(w->cmdDuplica);
  EXPECT_EQ(host.texts(), QStringList{"Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                      "questa è stata inserita in archivio."});
  fill();
  w->chkEffettuata->setChecked(true);
  w->txtNote->setText("Ogni anno");
  click(w->cmdSalva);
  host.clear();
  click(w->cmdDuplica);
  EXPECT_EQ(host.texts(), QStringList{"E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                      "Al termine premere Salva per inserire la scheda in archivio."});
  EXPECT_EQ(w->lblPosizione->text(), "");
  EXPECT_EQ(w->txtGiorno->currentText(), "");
  EXPECT_EQ(w->txtMese->currentText(), "");
  EXPECT_EQ(w->txtOreApp->currentText(), "00");
  EXPECT_EQ(w->txtMinutiApp->currentText(), "00");
  EXPECT_EQ(QApplication::focusWidget(), w->txtGiorno);
  for (QLineEdit* e : {w->txtAvviso, w->txtConducente, w->txtVeicolo, w->txtMarca, w->txtModello, w->txtTarga,
                       w->txtManutenzione, w->txtCosto, w->txtNote})
    EXPECT_FALSE(e->text().isEmpty()) << e->objectName().toStdString();
  EXPECT_TRUE(w->chkEffettuata->isChecked());

  w->txtGiorno->setEditText("12");
  w->txtMese->setEditText("Aprile");
  host.clear();
  click(w->cmdSalva);
  EXPECT_EQ(host.texts(), QStringList{"La scheda corrente è stata salvata in archivio."});
  EXPECT_EQ(w->lblPosizione->text(), "2");
  EXPECT_EQ(storedField(file(), 1, 19), "12/04/2024");
  EXPECT_EQ(storedField(file(), 1, 1071), "Ogni anno");
}

TEST_F(ScheduleCard, NavigationShowsTheStoredDeadlineWithItsOwnYear) {
  click(w->cmdPrimo);
  EXPECT_EQ(host.texts(), QStringList{"L'archivio non contiene nessuna scheda."});
  appendDeadlines("2024.sca", {deadline("05/03/2024", "7"),
                               deadline("01/02/2023", "3", {{"DaConfermare", "Sì"}, {"Effettuata", "??"}})});
  w->chkEffettuata->setChecked(true);
  click(w->cmdUltimo);
  EXPECT_EQ(w->lblPosizione->text(), "2");
  EXPECT_EQ(w->lblAnno->text(), "2023");  // the loaded record's year, not the year box's
  EXPECT_EQ(w->lblData->text(), "01/02/2023");
  EXPECT_EQ(w->txtMese->currentText(), "Febbraio");
  EXPECT_TRUE(w->chkDaConfermare->isChecked());
  EXPECT_TRUE(w->chkEffettuata->isChecked());  // neither "Sì" nor "No": left as it was
  click(w->cmdIndietro);
  EXPECT_EQ(w->lblPosizione->text(), "1");
  EXPECT_FALSE(w->chkDaConfermare->isChecked());
}

TEST_F(ScheduleCard, ThePrintShowsTheCardOnScreenRowByRow) {
  fill();
  w->chkDaConfermare->setChecked(true);
  auto report = maintenance::makeScheduleCardReport();
  maintenance::fillScheduleCardReport(*report, *w);
  ASSERT_EQ(report->preparedPages().size(), 1u);
  const platform::report::PreparedPage& page = report->preparedPages().front();
  EXPECT_EQ(page.orientation, QPageLayout::Portrait);
  auto text = [&](const QString& name) {
    const platform::report::PreparedItem* item = page.find(name);
    return item ? item->text() : QStringLiteral("<missing>");
  };
  EXPECT_EQ(text("txtTitolo"), "SCHEDA SCADENZA MANUTENZIONE");
  struct Row {
    const char* number;
    const char* label;
    const char* value;
  } rows[] = {
      {"01", "Data scadenza:", "05 Marzo 2024"}, {"02", "Ora appuntamento:", "09:30"},
      {"03", "Giorni preavviso:", "7"},          {"04", "Conduttore:", "Mario Rossi"},
      {"12", "Targa:", "AB123CD"},               {"16", "Costo intervento:", "120,50"},
      {"18", "Note:", ""},                       {"19", "Appuntamento da confermare:", "Sì"},
      {"20", "Manutenzione effettuata:", "No"},  {"21", " ", " "},
      {"24", " ", " "},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.number);
    EXPECT_EQ(text(QStringLiteral("titCampo") + r.number), QString::fromUtf8(r.label));
    EXPECT_EQ(text(QStringLiteral("txtCampo") + r.number), QString::fromUtf8(r.value));
  }
  EXPECT_TRUE(text("txtCalce").startsWith("Stampa eseguita in data 10/03/2024 alle ore "));

  // Stampa goes straight to the print dialog, asking nothing.
  host.printPdfPath = dir.file("scheda.pdf");
  click(w->cmdStampa);
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_GT(QFile(dir.file("scheda.pdf")).size(), 0);
}

}  // namespace

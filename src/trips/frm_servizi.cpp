#include "trips/frm_servizi.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <span>
#include <stdexcept>
#include <string_view>

#include "core/column_sums.h"
#include "kit/card_fields.h"
#include "kit/card_frame.h"
#include "kit/messages.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"
#include "shell/frm_allega_cartella.h"
#include "shell/frm_calendario.h"
#include "shell/frm_guida.h"
#include "trips/frm_exp_servizi.h"
#include "trips/frm_in_corso.h"
#include "trips/frm_istruzioni.h"
#include "trips/frm_stampa_istruttore.h"
#include "trips/frm_trova_servizi.h"
#include "trips/trip_archive.h"
#include "vehicles/frm_trova_automezzi.h"

using trips::TripRecord;

namespace {

constexpr int kWidth = 1016;
constexpr int kHeight = 713;

using T = TfrmServizi;

// The attached files and their descriptions, after the in-progress flag.
std::span<const core::FieldDef, 6> attachmentFields() {
  return std::span<const core::FieldDef>(TripRecord::fields).subspan<TripRecord::kEditCount + 1, 6>();
}

const kit::FocusMark kEdit = kit::painted(platform::kAliceBlue);
const kit::FocusMark kTotal = kit::paintedWithoutFocus(platform::kLightSteelBlue);
constexpr const char* kDateHint =
    "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.";

// The panels: the trip, the refuelling rows with their totals, the readings, the flag.
const kit::CardSection kSections[] = {
    {.name = "bkgViaggio", .at = {10, 70, 486, 430}},
    {.name = "bkgRifornimenti", .at = {506, 70, 500, 300}, .title = "Rifornimenti di carburante",
     .strip = "titRifornimenti", .notes = true},
    {.name = "bkgChilometri", .at = {10, 510, 486, 166}, .title = "Chilometri", .strip = "titChilometri"},
    {.name = "bkgStato", .at = {506, 380, 500, 296}, .notes = true},
};

// ---- where the fields stand ----------------------------------------------------------

constexpr int kEditH = 24;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;

// The trip: a caption at the left of each edit, rows 35 pixels apart; the times share
// the rows of their dates, in a second column.
constexpr int tripRow(int r) { return 10 + r * 35; }
kit::Place trip(int row, const char* caption, int width, Qt::Alignment align = {}) {
  return {.section = "bkgViaggio", .at = {182, tripRow(row), width, kEditH},
          .caption = {caption, {6, tripRow(row), 174, kEditH}}, .align = align};
}
kit::Place tripTime(int row, const char* caption) {
  return {.section = "bkgViaggio", .at = {406, tripRow(row), 70, kEditH},
          .caption = {caption, {290, tripRow(row), 110, kEditH}}, .align = kCentre};
}

// The refuelling grid: five rows under the column headings.
struct Column {
  const char* heading;
  int x, w;
  Qt::Alignment align;
};
constexpr Column kColumns[] = {{"Data", 8, 92, kCentre},
                               {"Ora", 104, 54, kCentre},
                               {"Stazione di servizio", 162, 196, {}},
                               {"Litri", 362, 52, kCentre},
                               {"Importo", 418, 74, Qt::AlignRight}};
kit::Place refuel(int row, int column) {
  const Column& c = kColumns[column];
  return {.section = "bkgRifornimenti", .at = {c.x, 64 + row * 32, c.w, kEditH}, .align = c.align};
}

// The readings: a caption above each.
kit::Place reading(int x, const char* caption) {
  return {.section = "bkgChilometri", .at = {x, 72, 150, kEditH},
          .caption = {caption, {x, 48, 150, 20}, Qt::AlignHCenter | Qt::AlignVCenter}, .align = kCentre};
}

// ---- the kinds of row ----------------------------------------------------------------

// A free-text edit: Enter does nothing.
kit::CardField text(const char* control, kit::MemberSlot member, std::string_view field, kit::Place place) {
  return {.control = control, .member = member, .field = field, .mark = kEdit, .place = place};
}
// A date filled from the calendar; Enter opens the calendar too.
kit::CardField date(const char* control, kit::MemberSlot member, std::string_view field, const char* keyWord,
                    kit::Place place) {
  return {.control = control, .member = member, .field = field, .calendarKey = keyWord, .mark = kEdit,
          .hint = kDateHint, .place = place};
}
// Digits only, "0" when left empty.
kit::CardField whole(const char* control, kit::MemberSlot member, std::string_view field, const char* next,
                     kit::Place place) {
  return {.control = control, .member = member, .field = field, .next = next, .keys = kit::Keys::Digits,
          .leave = kit::zeroWhenEmpty, .mark = kEdit, .newText = "0", .place = place};
}
// Digits and a comma, normalised as an amount when left.
kit::CardField amount(const char* control, kit::MemberSlot member, std::string_view field, const char* next,
                      kit::Place place) {
  return {.control = control, .member = member, .field = field, .next = next, .keys = kit::Keys::DigitsComma,
          .leave = kit::normalisedAmount, .mark = kEdit, .newText = "0,00", .place = place};
}
// A total the card computes: never typed into, never yellow.
kit::CardField total(const char* control, kit::MemberSlot member, std::string_view field, const char* zero,
                     kit::Place place) {
  return {.control = control, .member = member, .field = field, .mark = kTotal, .newText = zero, .readOnly = true,
          .place = place};
}
// A computing button in the tab order.
kit::CardField button(const char* control, kit::MemberSlot member, const char* text, const char* hint,
                      kit::Place place) {
  return {.control = control, .member = member, .hint = hint, .widget = kit::Widget::Button, .text = text,
          .place = place};
}

// The card's controls in tab order; the edits among them are in record order. Enter
// moves only along a few links: the plate to the driver, the travellers to the goods,
// each refuelling row from its litres to its amount and on to the next row's date, the
// readings to their button.
const std::vector<kit::CardField>& fieldRows() {
  static const std::vector<kit::CardField> rows = {
      date("txtDataPartenza", kit::member<&T::txtDataPartenza>, "DataPartenza", "datapartenza",
           trip(0, "Data partenza:", 104, kCentre)),
      text("txtOraPartenza", kit::member<&T::txtOraPartenza>, "OraPartenza", tripTime(0, "Ora partenza:")),
      date("txtDataRientro", kit::member<&T::txtDataRientro>, "DataRientro", "datarientro",
           trip(1, "Data rientro:", 104, kCentre)),
      text("txtOraRientro", kit::member<&T::txtOraRientro>, "OraRientro", tripTime(1, "Ora rientro:")),
      text("txtLuogo", kit::member<&T::txtLuogo>, "Luogo", trip(2, "Luogo destinazione:", 294)),
      text("txtItinerario", kit::member<&T::txtItinerario>, "Itinerario", trip(3, "Itinerario:", 294)),
      text("txtScopo", kit::member<&T::txtScopo>, "Scopo", trip(4, "Scopo del viaggio:", 294)),
      text("txtVeicolo", kit::member<&T::txtVeicolo>, "Veicolo", trip(5, "Marca e modello veicolo:", 264)),
      {.control = "txtTarga",
       .member = kit::member<&T::txtTarga>,
       .field = "Targa",
       .next = "txtConduttore",
       .typing = kit::Typing::TrimUpper,
       .mark = kEdit,
       .place = trip(6, "Targa:", 150)},
      text("txtConduttore", kit::member<&T::txtConduttore>, "Conduttore", trip(7, "Conduttore:", 294)),
      text("txtSupplementare", kit::member<&T::txtSupplementare>, "Supplementare",
           trip(8, "Conduttore supplementare:", 294)),
      text("txtPersone", kit::member<&T::txtPersone>, "Persone", trip(9, "Altre persone a bordo:", 294)),
      whole("txtTotViaggiatori", kit::member<&T::txtTotViaggiatori>, "TotViaggiatori", "txtMerce",
            trip(10, "Tot. viaggiatori:", 60, kCentre)),
      text("txtMerce", kit::member<&T::txtMerce>, "Merce", trip(11, "Merce trasportata:", 294)),
      date("txtDataRif01", kit::element<&T::txtDataRif, 0>, "DataRif01", "datarif01", refuel(0, 0)),
      text("txtOraRif01", kit::element<&T::txtOraRif, 0>, "OraRif01", refuel(0, 1)),
      text("txtStazione01", kit::element<&T::txtStazione, 0>, "Stazione01", refuel(0, 2)),
      whole("txtLitri01", kit::element<&T::txtLitri, 0>, "Litri01", "txtImporto01", refuel(0, 3)),
      amount("txtImporto01", kit::element<&T::txtImporto, 0>, "Importo01", "txtDataRif02", refuel(0, 4)),
      date("txtDataRif02", kit::element<&T::txtDataRif, 1>, "DataRif02", "datarif02", refuel(1, 0)),
      text("txtOraRif02", kit::element<&T::txtOraRif, 1>, "OraRif02", refuel(1, 1)),
      text("txtStazione02", kit::element<&T::txtStazione, 1>, "Stazione02", refuel(1, 2)),
      whole("txtLitri02", kit::element<&T::txtLitri, 1>, "Litri02", "txtImporto02", refuel(1, 3)),
      amount("txtImporto02", kit::element<&T::txtImporto, 1>, "Importo02", "txtDataRif03", refuel(1, 4)),
      date("txtDataRif03", kit::element<&T::txtDataRif, 2>, "DataRif03", "datarif03", refuel(2, 0)),
      text("txtOraRif03", kit::element<&T::txtOraRif, 2>, "OraRif03", refuel(2, 1)),
      text("txtStazione03", kit::element<&T::txtStazione, 2>, "Stazione03", refuel(2, 2)),
      whole("txtLitri03", kit::element<&T::txtLitri, 2>, "Litri03", "txtImporto03", refuel(2, 3)),
      amount("txtImporto03", kit::element<&T::txtImporto, 2>, "Importo03", "txtDataRif04", refuel(2, 4)),
      date("txtDataRif04", kit::element<&T::txtDataRif, 3>, "DataRif04", "datarif04", refuel(3, 0)),
      text("txtOraRif04", kit::element<&T::txtOraRif, 3>, "OraRif04", refuel(3, 1)),
      text("txtStazione04", kit::element<&T::txtStazione, 3>, "Stazione04", refuel(3, 2)),
      whole("txtLitri04", kit::element<&T::txtLitri, 3>, "Litri04", "txtImporto04", refuel(3, 3)),
      amount("txtImporto04", kit::element<&T::txtImporto, 3>, "Importo04", "txtDataRif05", refuel(3, 4)),
      date("txtDataRif05", kit::element<&T::txtDataRif, 4>, "DataRif05", "datarif05", refuel(4, 0)),
      text("txtOraRif05", kit::element<&T::txtOraRif, 4>, "OraRif05", refuel(4, 1)),
      text("txtStazione05", kit::element<&T::txtStazione, 4>, "Stazione05", refuel(4, 2)),
      whole("txtLitri05", kit::element<&T::txtLitri, 4>, "Litri05", "txtImporto05", refuel(4, 3)),
      amount("txtImporto05", kit::element<&T::txtImporto, 4>, "Importo05", "btnCalcolaRif", refuel(4, 4)),
      button("btnCalcolaRif", kit::member<&T::btnCalcolaRif>, "CALCOLA  >>",
             "Calcola il totale dei litri di carburante e l'importo complessivo pagato per i rifornimenti effettuati.",
             {.section = "bkgRifornimenti", .at = {162, 234, 196, 28}}),
      total("txtLitriTot", kit::member<&T::txtLitriTot>, "LitriTot", "0",
            {.section = "bkgRifornimenti",
             .at = {362, 236, 52, kEditH},
             .caption = {"Totali:", {8, 236, 148, kEditH}},
             .align = kCentre}),
      total("txtImportoTot", kit::member<&T::txtImportoTot>, "ImportoTot", "0,00",
            {.section = "bkgRifornimenti", .at = {418, 236, 74, kEditH}, .align = Qt::AlignRight}),
      whole("txtKmPartenza", kit::member<&T::txtKmPartenza>, "KmPartenza", "txtKmRientro",
            reading(10, "Km alla partenza")),
      whole("txtKmRientro", kit::member<&T::txtKmRientro>, "KmRientro", "btnCalcolaKm", reading(168, "Km al rientro")),
      button("btnCalcolaKm", kit::member<&T::btnCalcolaKm>, "CALCOLA", "Calcola il totale dei chilometri percorsi.",
             {.section = "bkgChilometri", .at = {168, 110, 150, 30}}),
      total("txtKmPercorsi", kit::member<&T::txtKmPercorsi>, "KmPercorsi", "0", reading(326, "Km percorsi")),
      {.control = "chkInCorso",
       .member = kit::member<&T::chkInCorso>,
       .field = "InCorso",
       .hint = "Spunta questa casella per annotare che il viaggio non è ancora terminato.",
       .widget = kit::Widget::Check,
       .text = "Viaggio in corso",
       .place = {.section = "bkgStato", .at = {16, 14, 300, 26}}},
      {.control = "btnFocus", .widget = kit::Widget::Other},
  };
  return rows;
}

// A picture button of the card with its status hint, its handler and its width.
using CommandPicture = kit::CommandPicture<TfrmServizi>;

QLabel* caption(QWidget* parent, const QString& text, const QRect& geometry, Qt::Alignment align) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(geometry);
  l->setAlignment(align | Qt::AlignVCenter);
  return l;
}

}  // namespace

TfrmServizi::TfrmServizi(QWidget* owner)
    : kit::CardWindow(owner, QStringLiteral("TfrmServizi"), QStringLiteral(" Velmora 4.0 - Registro Viaggi"), kWidth,
                      kHeight),
      kit::CardAttachments(attachmentFields()) {
  buildControls();
  bindCard();
}

TfrmServizi::~TfrmServizi() = default;

void TfrmServizi::buildControls() {
  buildContainer(kWidth, kHeight);

  // The title strip across the top of the card.
  auto* header =
      new kit::TitleStrip(panContainer_, QStringLiteral("icoIntestazione"), QStringLiteral("Registro Viaggi"),
                          {.pixelSize = 20, .left = 12, .antialiased = true});
  header->setGeometry(0, 0, kWidth, 60);
  setHint(header, QString());

  // The commands along the title strip, the position between the arrows.
  std::vector<CommandPicture> commands = {
      {&T::cmdNuovo, "cmdNuovo", "Nuovo", "Predisponi la schermata per l'inserimento di una nuova scheda.",
       &T::cmdNuovoClick, 58},
      {&T::cmdDuplica, "cmdDuplica", "Duplica",
       "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.", &T::cmdDuplicaClick,
       58},
      {&T::cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", &T::cmdSalvaClick, 58},
      {&T::cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", &T::cmdTrovaClick, 58},
      {&T::cmdFile, "cmdFile", "Allegati", "Allega file alla scheda corrente.", &T::cmdFileClick, 58},
      {&T::cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.", &T::cmdStampaClick, 58},
  };
  const auto navigation = kit::navigationPictures<T>(36);
  commands.insert(commands.end(), navigation.begin(), navigation.end());
  commands.insert(commands.end(), {
      {&T::cmdEsporta, "cmdEsporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.",
       &T::cmdEsportaClick, 58},
      {&T::cmdInCorso, "cmdInCorso", "In corso", "Visualizza il riepilogo dei viaggi in corso.", &T::cmdInCorsoClick,
       62},
      {&T::cmdGuida, "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.", &T::cmdGuidaClick,
       58},
      {&T::cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.", &T::cmdEsciClick, 58},
  });
  int x = 196;
  for (const CommandPicture& c : commands) {
    kit::addPicture(*this, panContainer_, c, QRect(x, 10, c.width, 40));
    x += c.width + 2;
    if (c.slot == &T::cmdIndietro) {
      lblPosizione = kit::positionLabel(panContainer_, QRect(x, 10, 56, 40));
      QPalette lp = lblPosizione->palette();
      lp.setColor(QPalette::WindowText, Qt::white);
      lblPosizione->setPalette(lp);
      x += 58;
    }
  }

  kit::buildSections(*this, panContainer_, kSections);

  // The help of the refuelling rows, on their strip, and the column headings.
  auto* titRifornimenti = panContainer_->findChild<QWidget*>(QStringLiteral("titRifornimenti"));
  icoInfo = new platform::PictureButton(titRifornimenti, QStringLiteral("icoInfo"), QStringLiteral("i"));
  icoInfo->setGeometry(330, 4, 24, 24);
  titInfo = new platform::PictureButton(titRifornimenti, QStringLiteral("titInfo"), QStringLiteral("Istruzioni per l'uso"));
  titInfo->setGeometry(358, 4, 134, 24);
  for (platform::PictureButton* b : {icoInfo, titInfo}) {
    setHint(b, QStringLiteral("Visualizza le istruzioni per l'uso su come calcolare i consumi di carburante."));
    connect(b, &platform::PictureButton::clicked, this, &TfrmServizi::icoInfoClick);
  }
  auto* bkgRifornimenti = panContainer_->findChild<QWidget*>(QStringLiteral("bkgRifornimenti"));
  for (const Column& c : kColumns)
    caption(bkgRifornimenti, QString::fromUtf8(c.heading), QRect(c.x, 40, c.w, 20), Qt::AlignHCenter);

  auto* note = caption(panContainer_->findChild<QWidget*>(QStringLiteral("bkgStato")),
                       QStringLiteral("Per un calcolo esatto dei consumi fare il pieno alla partenza, annotare ogni "
                                      "rifornimento e il pieno al rientro: il carburante consumato è la somma dei "
                                      "litri riforniti."),
                       QRect(16, 48, 468, 100), Qt::AlignLeft);
  note->setWordWrap(true);
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  // The attachments travel in hidden labels.
  buildAttachmentLabels(panContainer_);

  btnFocus = kit::focusSink(panContainer_);

  panInfo = kit::hintBar(*this, panContainer_, QStringLiteral("Pronto per archiviare una nuova scheda..."),
                         QRect(0, kHeight - 28, kWidth, 28));
}

void TfrmServizi::bindCard() {
  card_ = std::make_unique<kit::RecordCard>(*this, trips::tripLayout(), lblPosizione);
  card_->setArchive(trips::tripArchive());
  cardFields_ = new kit::CardFields(
      *this, *card_, fieldRows(),
      {.openCalendar = [this](const QString& keyWord) { TfrmCalendario::open(this, keyWord); }, .limitToFields = true});
  const std::vector<platform::FilteredEdit*> edits = cardFields_->edits();
  std::copy(edits.begin(), edits.end(), edits_.begin());

  // The vehicle picker's arrow, inside the vehicle edit's row.
  impVeicolo =
      new platform::PictureButton(txtVeicolo->parentWidget(), QStringLiteral("impVeicolo"), QStringLiteral("◀"));
  impVeicolo->setGeometry(txtVeicolo->geometry().right() + 7, txtVeicolo->y(), 24, txtVeicolo->height());
  setHint(impVeicolo, QStringLiteral("Importa i dati dal Parco Automezzi."));
  connect(impVeicolo, &platform::PictureButton::clicked, this, &TfrmServizi::impVeicoloClick);
  connect(btnCalcolaRif, &QPushButton::clicked, this, &TfrmServizi::btnCalcolaRifClick);
  connect(btnCalcolaKm, &QPushButton::clicked, this, &TfrmServizi::btnCalcolaKmClick);
  QFont chkFont = chkInCorso->font();
  chkFont.setBold(true);
  chkFont.setPixelSize(15);
  chkInCorso->setFont(chkFont);
  // The totals are written in brown.
  for (QLineEdit* e : {txtLitriTot, txtImportoTot, txtKmPercorsi}) {
    QPalette p = e->palette();
    p.setColor(QPalette::Text, QColor(0xA5, 0x2A, 0x2A));
    e->setPalette(p);
  }
  bindAttachments(*card_);

  // The totals are recomputed first, and change the screen even when Save is refused.
  card_->beforeSave = [this] {
    btnFocus->setFocus(Qt::OtherFocusReason);
    btnCalcolaRifClick();
    btnCalcolaKmClick();
  };
  card_->require(txtDataPartenza,
                 QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di partenza."));
  card_->require(
      txtVeicolo,
      QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la marca e il modello di veicolo."));
  card_->require(txtLuogo,
                 QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il luogo di destinazione."));
  card_->require(txtTarga,
                 QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la targa del veicolo."));
  card_->addCheck([this] { return totalsFit(); });

  card_->onNew = [this] {
    txtDataPartenza->setText(platform::formatDate(core::today()));
    txtOraPartenza->setText(platform::now().toString(QStringLiteral("HH:mm")));
  };
  card_->setFirstField(txtDataRientro);
  // A copy starts today, without attachments; every other text stays.
  card_->setDuplicateClears({lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03});
  card_->onDuplicate = [this] {
    txtDataPartenza->setText(platform::formatDate(core::today()));
    txtOraPartenza->setText(platform::now().toString(QStringLiteral("HH:mm")));
  };
  card_->setDuplicateFocus(txtDataRientro);
  card_->setAppendMessage(kit::RecordCard::AppendMessage::Inserita);
  card_->setAccessErrorKind(platform::MsgKind::Error);
}

QString TfrmServizi::totalTooLong(const QString& what, const QString& total, int width) {
  return QStringLiteral("Attenzione: %1 (%2) supera i %3 caratteri che l'archivio può contenere.\n\r\n\r"
                        "La scheda non è stata salvata: correggere i valori da cui è calcolato.")
      .arg(what, total, QString::number(width));
}

bool TfrmServizi::totalsFit() {
  // A total is never stored cut: a litre total of 499995 kept as 49999 would be a
  // wrong figure in every summary that reads it.
  struct Total {
    QLineEdit* edit;
    std::string_view field;
    const char* what;
  };
  const Total totals[] = {{txtLitriTot, "LitriTot", "il totale dei litri"},
                          {txtImportoTot, "ImportoTot", "l'importo totale"},
                          {txtKmPercorsi, "KmPercorsi", "il totale dei km percorsi"}};
  for (const Total& t : totals) {
    const QString value = platform::trim(t.edit->text());
    const int limit = trips::tripLayout().field(trips::tripField(t.field)).width;
    if (value.size() > limit) {
      platform::warning(totalTooLong(QString::fromUtf8(t.what), value, limit), this);
      return false;
    }
  }
  return true;
}

// ---- commands --------------------------------------------------------------------

void TfrmServizi::ClearTripCard() { card_->newCard(); }

void TfrmServizi::cmdDuplicaClick() { card_->duplicate(); }

const QString TfrmServizi::kListExplanation =
    QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
kit::PickTarget TfrmServizi::pickTarget(const QString& keyWord) {
  kit::PickTarget card{.keyWord = keyWord, .window = QStringLiteral("TfrmServizi")};
  card.after = [](platform::Form& window, const core::RecordBuffer& record, std::size_t number) {
    if (auto* servizi = qobject_cast<TfrmServizi*>(&window)) servizi->loadCard(record, number);
  };
  return card;
}

void TfrmServizi::btnCalcolaRifClick() {
  std::vector<core::Text> litres, amounts;
  for (int r = 0; r < 5; ++r) {
    litres.push_back(platform::toCore(txtLitri[r]->text()));
    amounts.push_back(platform::toCore(txtImporto[r]->text()));
  }
  // A text that is not a number becomes its zero alone; the others are kept and summed.
  const core::ColumnSum a = core::sumColumn(amounts, core::TotalForm::Amount);
  const core::ColumnSum l = core::sumColumn(litres, core::TotalForm::Shortest);
  for (int r = 0; r < 5; ++r) {
    const QString amount = platform::fromCore(a.texts[static_cast<std::size_t>(r)]);
    const QString litre = platform::fromCore(l.texts[static_cast<std::size_t>(r)]);
    if (txtImporto[r]->text() != amount) txtImporto[r]->setText(amount);
    if (txtLitri[r]->text() != litre) txtLitri[r]->setText(litre);
  }
  txtImportoTot->setText(platform::fromCore(a.total));
  txtLitriTot->setText(platform::fromCore(l.total));
}

void TfrmServizi::btnCalcolaKmClick() {
  const core::ReadingDifference d =
      core::differenceOf(platform::toCore(txtKmPartenza->text()), platform::toCore(txtKmRientro->text()));
  if (txtKmPartenza->text() != platform::fromCore(d.from)) txtKmPartenza->setText(platform::fromCore(d.from));
  if (txtKmRientro->text() != platform::fromCore(d.to)) txtKmRientro->setText(platform::fromCore(d.to));
  txtKmPercorsi->setText(platform::fromCore(d.difference));
}

// The dialogs are owned by the card.
void TfrmServizi::cmdTrovaClick() { platform::openModal<TfrmTrovaServizi>(this, QStringLiteral("servizi")); }

void TfrmServizi::cmdInCorsoClick() { platform::openModal<TfrmInCorso>(this); }

void TfrmServizi::cmdEsportaClick() { platform::openModal<TfrmExpServizi>(this); }

void TfrmServizi::cmdStampaClick() { platform::openModal<TfrmStampaIstruttore>(this); }

void TfrmServizi::icoInfoClick() { platform::openModal<TfrmIstruzioni>(this); }

void TfrmServizi::cmdFileClick() { TfrmAllegaCartella::open(this, QStringLiteral("servizi")); }

void TfrmServizi::impVeicoloClick() { platform::openModal<TfrmTrovaAutomezzi>(this, QStringLiteral("servizi")); }

void TfrmServizi::cmdGuidaClick() {
  TfrmGuida::showHelp(this, QStringLiteral("App Registro Viaggi"), helpParagraphs());
}

void TfrmServizi::cmdEsciClick() { closeForm(); }

// ---- help --------------------------------------------------------------------------

QStringList TfrmServizi::helpParagraphs() {
  return {
      QStringLiteral(
          "L'app Registro Viaggi registra i viaggi di tutti i veicoli del parco automezzi, così da ottenere per "
          "ciascun veicolo i litri di carburante consumati, i costi dei rifornimenti e i chilometri percorsi in "
          "qualsiasi intervallo di tempo dell'anno selezionato."),
      QStringLiteral(
          "Per ogni viaggio si compila una scheda con la data e l'ora di partenza e di rientro, il luogo di "
          "destinazione, l'itinerario, lo scopo del viaggio, il veicolo, i conduttori, le altre persone a bordo, il "
          "numero totale dei viaggiatori e la merce trasportata."),
      QStringLiteral(
          "La marca, il modello e la targa del veicolo possono essere importati dall'archivio del Parco Automezzi "
          "con il pulsante a forma di freccia rossa accanto al campo del veicolo."),
      QStringLiteral(
          "Alla partenza e al rientro si legge il contachilometri e si annotano le due letture: il pulsante Calcola "
          "ricava i chilometri percorsi."),
      QStringLiteral(
          "Ogni rifornimento effettuato durante il viaggio si annota con la data, l'ora, la stazione di servizio, i "
          "litri e l'importo pagato."),
      QStringLiteral(
          "Per un conteggio esatto del carburante si fa il pieno alla partenza, senza annotarlo; si annota ogni "
          "rifornimento fatto durante il viaggio e, al rientro, si fa di nuovo il pieno e lo si annota."),
      QStringLiteral(
          "Il carburante consumato e il suo costo sono allora la somma dei litri e degli importi di tutti i "
          "rifornimenti, compreso il pieno fatto al rientro."),
      QStringLiteral(
          "Nei viaggi brevi, senza rifornimenti durante il percorso, il consumo è dato dal solo pieno fatto al "
          "rientro."),
      QStringLiteral(
          "La casella Viaggio in corso indica un viaggio non ancora terminato; il pulsante con l'automobile rossa "
          "visualizza l'elenco dei viaggi in corso."),
      QStringLiteral(
          "Per registrare un nuovo viaggio premere Nuovo, compilare la scheda e premere Salva. La data di partenza, "
          "il luogo di destinazione, la marca e il modello del veicolo e la targa sono obbligatori."),
      QStringLiteral(
          "Per aggiornare una scheda la si richiama con la ricerca o con le frecce di scorrimento, si apportano le "
          "modifiche e si preme Salva."),
      QStringLiteral(
          "La ricerca accetta chiavi parziali: si possono trovare, per esempio, tutti i viaggi di un conduttore, di "
          "un veicolo, verso una destinazione o con un certo tipo di merce."),
      QStringLiteral(
          "La funzione Duplica aiuta a registrare un viaggio molto simile a uno già in archivio: richiamare la "
          "scheda esistente, premere Duplica, modificare i dati che cambiano e premere Salva."),
      QStringLiteral(
          "A ogni scheda si possono allegare file esterni, per esempio la copia digitale del documento di "
          "trasporto."),
      QStringLiteral(
          "L'intero registro può essere esportato in un file di Microsoft Excel e ogni singola scheda può essere "
          "stampata."),
  };
}

#include "costs/frm_costi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "costs/cost_help.h"
#include "costs/cost_record.h"
#include "costs/frm_da_saldare.h"
#include "costs/frm_exp_costi.h"
#include "costs/frm_trova_costi.h"
#include "kit/card_dates.h"
#include "kit/card_fields.h"
#include "kit/card_frame.h"
#include "platform/control_text.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "vehicles/frm_trova_automezzi.h"

namespace {

constexpr int kWidth = 1016;
constexpr int kHeight = 713;

using T = TfrmCosti;

const char* const kRequired = "Attenzione: per salvare la scheda è necessario indicare ";
QString required(const char* what) { return QString::fromUtf8(kRequired) + QString::fromUtf8(what); }

// The vehicle, the payment, the people and their telephones, the amount, the notes.
const kit::CardSection kSections[] = {
    {.name = "bkgVeicolo", .at = {10, 70, 496, 330}, .title = "Veicolo", .strip = "titVeicolo"},
    {.name = "bkgPagamento", .at = {516, 70, 490, 330}, .title = "Pagamento", .strip = "titPagamento"},
    {.name = "bkgPersone", .at = {10, 410, 496, 262}, .title = "Pagatore, beneficiario e conduttore",
     .strip = "titPersone"},
    {.name = "bkgImporto", .at = {516, 410, 490, 92}},
    {.name = "bkgNote", .at = {516, 512, 490, 160}, .notes = true},
};

// ---- where the fields stand ----------------------------------------------------------

constexpr int kEditH = 26;

// A caption at the left of its edit, rows 44 pixels apart under the strip.
kit::Place left(const char* section, int row, const char* caption, int captionWidth, int pitch) {
  const int y = 50 + row * pitch;
  const int x = 14 + captionWidth + 6;
  return {.section = section, .at = {x, y, 482 - x, kEditH}, .caption = {caption, {14, y, captionWidth, kEditH}}};
}
kit::Place vehicle(int row, const char* caption) { return left("bkgVeicolo", row, caption, 150, 44); }
kit::Place person(int row, const char* caption) { return left("bkgPersone", row, caption, 200, 34); }
// The payment: the date row, then a caption above each edit.
kit::Place payment(int row, const char* caption) {
  const int y = 104 + (row - 1) * 48;
  return {.section = "bkgPagamento", .at = {14, y, 462, kEditH},
          .caption = {caption, {14, y - 20, 462, 18}, Qt::AlignLeft | Qt::AlignVCenter}};
}
kit::Place dateBox(int x, int width, const char* caption, int captionX, int captionWidth) {
  return {.section = "bkgPagamento", .at = {x, 46, width, kEditH},
          .caption = {caption, {captionX, 46, captionWidth, kEditH}}};
}

kit::CardField text(const char* control, kit::MemberSlot member, std::string_view field, kit::Place place) {
  return {.control = control, .member = member, .field = field, .mark = kit::highlight(), .place = place};
}
kit::CardField listOnly(const char* control, kit::MemberSlot member, std::string_view field,
                        std::span<const char* const> items, kit::Place place) {
  return {.control = control, .member = member, .field = field, .mark = kit::highlight(),
          .widget = kit::Widget::ListOnly, .items = items, .place = place};
}

// The card's controls in tab order, which is also the Enter chain (the settled box
// left out): the vehicle, the date, the payment, the amount, the people, the notes.
const std::vector<kit::CardField> kFields = kit::joinRows({
    kit::vehicleRows<T>(kit::Typing::TrimUpper,
                        {vehicle(0, "Tipo veicolo:"), vehicle(1, "Marca:"), vehicle(2, "Modello:"),
                         vehicle(3, "Colore:"), vehicle(4, "Alimentazione:"), vehicle(5, "Targa:")},
                        costs::kVehicleTypes),
    std::initializer_list<kit::CardField>{
        listOnly("txtGiorno", kit::member<&T::txtGiorno>, "Giorno", kit::kDayItems, dateBox(84, 64, "Giorno:", 14, 64)),
        listOnly("txtMese", kit::member<&T::txtMese>, "Mese", kit::kMonthItems, dateBox(214, 150, "Mese:", 154, 54)),
        {.control = "lblAnno", .member = kit::member<&T::lblAnno>, .field = "Anno", .widget = kit::Widget::Label,
         .text = "ANNO", .keepOnNew = true,
         .place = {.section = "bkgPagamento", .at = {376, 42, 100, 34}, .align = Qt::AlignLeft | Qt::AlignVCenter}},
        {.control = "lblData", .member = kit::member<&T::lblData>, .field = "Data", .widget = kit::Widget::Label,
         .text = "lblData", .keepOnNew = true},
        text("txtLuogo", kit::member<&T::txtLuogo>, "Luogo", payment(1, "Luogo:")),
        {.control = "txtCausale", .member = kit::member<&T::txtCausale>, .field = "Causale", .mark = kit::highlight(),
         .widget = kit::Widget::Combo, .items = costs::kCauses, .place = payment(2, "Causale:")},
        text("txtDescrizione", kit::member<&T::txtDescrizione>, "Descrizione", payment(3, "Descrizione costi:")),
        text("txtModalita", kit::member<&T::txtModalita>, "Modalita", payment(4, "Modalità:")),
        text("txtEstremi", kit::member<&T::txtEstremi>, "Estremi",
             payment(5, "Estremi scontrino, ricevuta o fattura:")),
        {.control = "txtImporto", .member = kit::member<&T::txtImporto>, .field = "Importo",
         .keys = kit::Keys::DigitsComma, .leave = kit::normalisedAmount, .mark = kit::highlight(), .newText = "0,00",
         .place = {.section = "bkgImporto", .at = {190, 22, 220, 48},
                   .caption = {"Importo in euro:", {14, 22, 170, 48}}, .align = Qt::AlignRight | Qt::AlignVCenter}},
        text("txtPagatore", kit::member<&T::txtPagatore>, "Pagatore", person(0, "Pagatore:")),
        text("txtRecPagatore", kit::member<&T::txtRecPagatore>, "RecPagatore", person(1, "Recapito telefonico:")),
        text("txtBeneficiario", kit::member<&T::txtBeneficiario>, "Beneficiario", person(2, "Beneficiario:")),
        text("txtRecBeneficiario", kit::member<&T::txtRecBeneficiario>, "RecBeneficiario",
             person(3, "Recapito telefonico:")),
        text("txtConducente", kit::member<&T::txtConducente>, "Conducente", person(4, "Conduttore o responsabile:")),
        text("txtRecapito", kit::member<&T::txtRecapito>, "Recapito", person(5, "Recapito telefonico:")),
        text("txtNote", kit::member<&T::txtNote>, "Note",
             {.section = "bkgNote", .at = {14, 40, 462, kEditH},
              .caption = {"Note:", {14, 14, 462, 22}, Qt::AlignLeft | Qt::AlignVCenter}}),
        {.control = "chkSaldato", .member = kit::member<&T::chkSaldato>, .field = "Saldato",
         .hint = "Spunta questa casella per indicare che il pagamento è stato saldato.", .widget = kit::Widget::Check,
         .text = "Saldato", .place = {.section = "bkgNote", .at = {14, 96, 200, 36}}},
    },
});

QFont verdana(int points) {
  QFont f(QStringLiteral("Verdana"), points);
  f.setBold(true);
  return f;
}

}  // namespace

TfrmCosti::TfrmCosti(QWidget* owner)
    : kit::CardWindow(owner, QStringLiteral("TfrmCosti"), QStringLiteral(" Velmora 4.0 - Costi sostenuti"), kWidth,
                      kHeight) {
  buildControls();
  bindCard();
}

TfrmCosti::~TfrmCosti() = default;

void TfrmCosti::buildControls() {
  buildContainer(kWidth, kHeight);

  auto* header = new kit::TitleStrip(panContainer_, QStringLiteral("icoIntestazione"),
                                     QStringLiteral("Costi sostenuti"), {.pixelSize = 20, .left = 12, .antialiased = true});
  header->setGeometry(0, 0, kWidth, 60);
  setHint(header, QString());

  // The commands along the title strip, the position between the arrows.
  using CommandPicture = kit::CommandPicture<T>;
  std::vector<CommandPicture> commands = {
      {&T::cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.",
       &T::cmdNuovoClick, 58},
      {&T::cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", &T::cmdSalvaClick, 58},
      {&T::cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", &T::cmdTrovaClick, 58},
      {&T::cmdImporta, "cmdImporta", "Importa", "Importa i dati dal Parco Automezzi.", &T::cmdImportaClick, 62},
      {&T::cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.", &T::cmdStampaClick, 58},
      {&T::cmdEsporta, "cmdEsporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.",
       &T::cmdEsportaClick, 58},
  };
  const auto navigation = kit::navigationPictures<T>(36);
  commands.insert(commands.end(), navigation.begin(), navigation.end());
  commands.insert(commands.end(), {
      {&T::cmdSospese, "cmdSospese", "Da saldare", "Visualizza il riepilogo dei pagamenti da saldare.",
       &T::cmdSospeseClick, 74},
      {&T::cmdGuida, "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.", &T::cmdGuidaClick,
       58},
      {&T::cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.", &T::cmdEsciClick, 58},
  });
  int x = 226;
  for (const CommandPicture& c : commands) {
    kit::addPicture(*this, panContainer_, c, QRect(x, 10, c.width, 40));
    x += c.width + 2;
    if (c.slot == &T::cmdIndietro) {
      lblPosizione = kit::positionLabel(panContainer_, QRect(x, 10, 56, 40));
      platform::setTextColour(lblPosizione, Qt::white);
      x += 58;
    }
  }

  kit::buildSections(*this, panContainer_, kSections);

  auto* bkgImporto = panContainer_->findChild<QWidget*>(QStringLiteral("bkgImporto"));
  auto* euro = platform::namedLabel(bkgImporto, QStringLiteral("lblEuro"), QStringLiteral("€"), QRect(418, 22, 48, 48));
  euro->setFont(verdana(24));
  setHint(euro, QString());

  lblFile = platform::namedLabel(panContainer_, QStringLiteral("lblFile"), QStringLiteral("lblFile"), QRect());
  lblFile->setVisible(false);

  panInfo = kit::hintBar(*this, panContainer_, QStringLiteral("Pronto per archiviare una nuova scheda..."),
                         QRect(0, kHeight - 32, kWidth, 32), kit::HintBarLook::WhiteOnBlue);
  setHint(panInfo, QString());
}

void TfrmCosti::bindCard() {
  card_ = std::make_unique<kit::RecordCard>(*this, costs::costLayout(), lblPosizione);
  card_->setArchive(kit::ArchiveSource::fromControl(lblFile));
  cardFields_ = new kit::CardFields(*this, *card_, kFields,
                                    {.enterFollowsRows = true, .limitToFields = true, .font = verdana(12)});
  lblAnno->setFont(verdana(18));
  txtImporto->setFont(verdana(20));
  chkSaldato->setFont(verdana(12));
  chkSaldato->setCursor(Qt::PointingHandCursor);

  card_->beforeSave = [this] {
    cardFields_->clearListSelections();
    NormaliseCostAmount();
  };
  card_->require(txtGiorno, required("il giorno del pagamento."));
  card_->addCheck([this] { return checkDay(); });
  card_->require(txtMese, required("il mese del pagamento."));
  card_->require(txtCausale, required("la causale del pagamento."));
  card_->require(txtMarca, required("la marca del veicolo."));
  card_->require(txtModello, required("il modello del veicolo."));
  card_->require(txtTarga, required("il numero di targa del veicolo."));
  card_->addCheck([this] { return kit::monthChosen(txtMese, this); });
  card_->addCheck([this] { return kit::composedDateExists(txtGiorno, txtMese, lblAnno, lblData, this); });

  card_->onNew = [this] { cardFields_->clearListSelections(); };
  card_->setFirstField(txtVeicolo);
  card_->setAppendMessage(kit::RecordCard::AppendMessage::Salvata);
  card_->setAccessErrorKind(platform::MsgKind::Error);
}

bool TfrmCosti::checkDay() {
  if (platform::controlText(txtGiorno).size() >= 2) return true;
  platform::warning(required("il giorno del pagamento usando due cifre."), this);
  txtGiorno->setFocus(Qt::OtherFocusReason);
  return false;
}

void TfrmCosti::openYear(const QString& year) {
  const QString trimmed = platform::trim(year);
  lblFile->setText(platform::exePath(trimmed + QString::fromLatin1(costs::CostRecord::kExtension.data(),
                                                                   qsizetype(costs::CostRecord::kExtension.size()))));
  setWindowTitle(QStringLiteral(" Velmora 4.0 - Costi sostenuti nell'anno ") + trimmed);
  lblAnno->setText(trimmed);
}

void TfrmCosti::ClearCostCard() { card_->newCard(); }

void TfrmCosti::NormaliseCostAmount() {
  const QString amount = platform::fromCore(costs::normalisedCostAmount(platform::toCore(txtImporto->text())));
  if (txtImporto->text() != amount) txtImporto->setText(amount);
}

// ---- the dialogs, owned by the card --------------------------------------------------

void TfrmCosti::cmdTrovaClick() { platform::openModal<TfrmTrovaCosti>(this, QStringLiteral("Costi")); }

void TfrmCosti::cmdSospeseClick() { platform::openModal<TfrmDaSaldare>(this); }

void TfrmCosti::cmdEsportaClick() { platform::openModal<TfrmExpCosti>(this); }

void TfrmCosti::cmdImportaClick() { platform::openModal<TfrmTrovaAutomezzi>(this, QStringLiteral("costi")); }

void TfrmCosti::cmdStampaClick() { kit::printCanvasCard(this, printedCard()); }

void TfrmCosti::cmdGuidaClick() { TfrmGuida::showHelp(this, costs::costHelpTitle(), costs::costHelpParagraphs()); }

void TfrmCosti::cmdEsciClick() { closeForm(); }

kit::PickTarget TfrmCosti::pickTarget(const QString& keyWord) {
  return {.keyWord = keyWord,
          .window = QStringLiteral("TfrmCosti"),
          .after = [](platform::Form& window, const core::RecordBuffer& record, std::size_t number) {
            if (auto* card = qobject_cast<TfrmCosti*>(&window)) card->loadCard(record, number);
          }};
}

kit::CanvasCard TfrmCosti::printedCard() const {
  // The date row from the boxes and the year label, never from the stored date; the
  // telephones' separator stands even without a telephone.
  static const kit::CardPrintRow rows[] = {
      {.caption = "Data saldo:", .memo = "txtGiorno", .value = "{txtGiorno} {txtMese} {lblAnno}"},
      {.caption = "Luogo pagamento:", .memo = "txtLuogo"},
      {.caption = "Veicolo:", .memo = "txtVeicolo", .value = "{txtVeicolo} {txtMarca} {txtModello}"},
      {.caption = "Targa:", .memo = "txtTarga"},
      {.caption = "Causale pagamento:", .memo = "txtCausale"},
      {.caption = "Descrizione costi:", .memo = "txtDescrizione"},
      {.caption = "Modalità di pagamento:", .memo = "txtModalita"},
      {.caption = "Estremi ricevuta:", .memo = "txtEstremi"},
      {.caption = "Importo pagato:", .memo = "txtImporto", .value = "€ {txtImporto}"},
      {.caption = "Pagatore:", .memo = "txtPagatore", .value = "{txtPagatore}  Tel. {txtRecPagatore}"},
      {.caption = "Beneficiario:", .memo = "txtBeneficiario", .value = "{txtBeneficiario}  Tel. {txtRecBeneficiario}"},
      {.caption = "Conduttore o responsabile:", .memo = "txtConducente", .value = "{txtConducente}  Tel. {txtRecapito}"},
      {.caption = "Pagamento saldato:", .memo = "chkSaldato"},
      {.caption = "Note:", .memo = "txtNote"},
  };
  return kit::canvasCard(this, QStringLiteral("SCHEDA COSTI SOSTENUTI"), rows);
}

#include "maintenance/frm_scadenzario.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QResizeEvent>

#include "core/archive.h"
#include "core/due_dates.h"
#include "core/file_names.h"
#include "drivers/frm_trova_anagrafica.h"
#include "kit/card_dates.h"
#include "kit/card_fields.h"
#include "kit/messages.h"
#include "kit/year_menu.h"
#include "maintenance/frm_scadenzario_grids.h"
#include "maintenance/frm_scadenzario_lists.h"
#include "maintenance/schedule_card_report.h"
#include "maintenance/schedule_lines.h"
#include "maintenance/schedule_record.h"
#include "platform/clock.h"
#include "platform/control_text.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "platform/windows.h"
#include "shell/frm_cod_fisc.h"
#include "shell/frm_guida.h"
#include "vehicles/frm_trova_automezzi.h"

using maintenance::MaintenanceDeadlineRecord;

const QString TfrmScadenzario::kSoundFile = QStringLiteral("Avviso.mp3");
const QString TfrmScadenzario::kCaption = QStringLiteral(" Velmora 4.0 - Scadenzario Manutenzioni");

namespace {

constexpr int kWidth = 980;
constexpr int kHeight = 660;

const QColor kPanelBlue(0x1F, 0x3A, 0x68);

const char* const kRequired = "Attenzione: per salvare la scheda è necessario indicare ";

QString required(const char* what) { return QString::fromUtf8(kRequired) + QString::fromUtf8(what); }

using T = TfrmScadenzario;

// The date and time of the deadline along the top of the card, each combo after its
// caption; the warning days after them.
kit::Place top(int x, int width, const char* caption, int captionX, int captionWidth) {
  return {.section = "panContainer", .at = {x, 88, width, 28},
          .caption = {caption, {captionX, 88, captionWidth, 28}, Qt::AlignLeft | Qt::AlignVCenter}};
}
// The fifteen edits in two columns below, rows 34 pixels apart, a caption at the left of each.
kit::Place column(int column, int row, const char* caption) {
  const int captionX = column == 0 ? 16 : 492;
  const int y = 146 + row * 34;
  return {.section = "panContainer", .at = {captionX + 168, y, column == 0 ? 260 : 290, 26},
          .caption = {caption, {captionX, y, 162, 26}}};
}
kit::CardField edit(const char* control, kit::MemberSlot member, std::string_view field, kit::Place place,
                    kit::Typing typing = kit::Typing::None) {
  return {.control = control, .member = member, .field = field, .typing = typing, .mark = kit::highlight(),
          .place = place};
}
kit::CardField listOnly(const char* control, kit::MemberSlot member, std::string_view field,
                        std::span<const char* const> items, kit::Place place, const char* newText = nullptr) {
  return {.control = control, .member = member, .field = field, .mark = kit::highlight(),
          .widget = kit::Widget::ListOnly, .items = items, .newText = newText, .place = place};
}
kit::CardField flag(const char* control, kit::MemberSlot member, std::string_view field, const char* text,
                    const char* hint, int row) {
  return {.control = control, .member = member, .field = field, .hint = hint, .widget = kit::Widget::Check,
          .text = text, .place = {.section = "panContainer", .at = {660, 146 + row * 34 + 4, 290, 26}}};
}
// The year, date and time come from the year box and from Save; New leaves them.
kit::CardField kept(const char* control, kit::MemberSlot member, std::string_view field, kit::Place place = {}) {
  return {.control = control, .member = member, .field = field, .widget = kit::Widget::Label, .keepOnNew = true,
          .place = place};
}

// The card's controls in tab order: the twenty fields in the order of the Enter chain,
// which wraps from the notes to the day, with the confirmation box before the notes and
// the done box last. The date and time are list-only combos; the months compare
// exactly.
const std::vector<kit::CardField> kFields = kit::joinRows({
    std::initializer_list<kit::CardField>{
        listOnly("txtGiorno", kit::member<&T::txtGiorno>, "Giorno", kit::kDayItems, top(82, 62, "Giorno:", 28, 52)),
        listOnly("txtMese", kit::member<&T::txtMese>, "Mese", kit::kMonthItems, top(196, 124, "Mese:", 154, 40)),
        kept("lblAnno", kit::member<&T::lblAnno>, "Anno", {.section = "panContainer", .at = {328, 88, 60, 28}}),
        listOnly("txtOreApp", kit::member<&T::txtOreApp>, "OreApp", kit::kHourItems, top(458, 62, "Ore:", 420, 36),
                 "00"),
        listOnly("txtMinutiApp", kit::member<&T::txtMinutiApp>, "MinutiApp", kit::kMinuteItems,
                 top(588, 62, "Minuti:", 536, 50), "00"),
        {.control = "txtAvviso", .member = kit::member<&T::txtAvviso>, .field = "Avviso", .keys = kit::Keys::Digits,
         .mark = kit::highlight(), .place = top(742, 44, "Avvisa n.", 676, 64)},
        kept("lblData", kit::member<&T::lblData>, "Data"),
        kept("lblOra", kit::member<&T::lblOra>, "Ora"),
        edit("txtConducente", kit::member<&T::txtConducente>, "Conducente", column(0, 0, "Conduttore:")),
        edit("txtCodFisc", kit::member<&T::txtCodFisc>, "CodFisc", column(0, 1, "Codice fiscale:"),
             kit::Typing::TrimUpperOnKeyUp),
        edit("txtRecapito", kit::member<&T::txtRecapito>, "Recapito", column(0, 2, "Recapito preferenziale:")),
    },
    kit::vehicleRows<T>(kit::Typing::TrimUpperOnKeyUp,
                        {column(0, 3, "Tipo veicolo:"), column(0, 4, "Marca:"), column(0, 5, "Modello:"),
                         column(0, 6, "Colore:"), column(0, 7, "Alimentazione:"), column(0, 8, "Targa:")}),
    std::initializer_list<kit::CardField>{
        edit("txtManutenzione", kit::member<&T::txtManutenzione>, "Manutenzione", column(1, 0, "Tipo manutenzione:")),
        edit("txtDettagli", kit::member<&T::txtDettagli>, "Dettagli", column(1, 1, "Dettagli intervento:")),
        edit("txtOfficina", kit::member<&T::txtOfficina>, "Officina", column(1, 2, "Ricambi sostituiti:")),
        {.control = "txtCosto", .member = kit::member<&T::txtCosto>, .field = "Costo", .keys = kit::Keys::DigitsComma,
         .leave = kit::normalisedAmount, .mark = kit::highlight(), .newText = "0,00",
         .place = column(1, 3, "Costo intervento:")},
        edit("txtContatto", kit::member<&T::txtContatto>, "Contatto", column(1, 4, "Meccanico esecutore:")),
        flag("chkDaConfermare", kit::member<&T::chkDaConfermare>, "DaConfermare", "Appuntamento da confermare",
             "Spunta questa casella per annotare che l'appuntamento è in attesa di conferma.", 6),
        edit("txtNote", kit::member<&T::txtNote>, "Note", column(1, 5, "Note:")),
        flag("chkEffettuata", kit::member<&T::chkEffettuata>, "Effettuata", "Manutenzione effettuata",
             "Spunta questa casella per annotare che la manutenzione è stata effettuata.", 7),
    },
});

// The notice of the year panel: imminent deadlines exist, or none.
QPixmap noticePicture(bool imminent) {
  QPixmap pm(300, 96);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor fill = imminent ? QColor(0xFF, 0xF1, 0xD6) : QColor(0xE4, 0xF4, 0xE4);
  const QColor ink = imminent ? QColor(0xC0, 0x39, 0x2B) : QColor(0x2E, 0x7D, 0x32);
  p.setPen(QPen(ink, 2));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(2, 2, 296, 92), 10, 10);
  // A bell, ringing or quiet.
  QPainterPath bell;
  bell.moveTo(24, 66);
  bell.cubicTo(30, 60, 28, 26, 46, 22);
  bell.cubicTo(64, 26, 62, 60, 68, 66);
  bell.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(bell);
  p.drawEllipse(QPointF(46, 70), 6, 6);
  p.drawEllipse(QPointF(46, 19), 4, 4);
  p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
  if (imminent) {
    p.drawArc(QRectF(8, 24, 20, 40), 120 * 16, 120 * 16);
    p.drawArc(QRectF(64, 24, 20, 40), -60 * 16, 120 * 16);
  } else {
    p.drawLine(QPointF(20, 76), QPointF(74, 18));
  }
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(15);
  f.setBold(true);
  p.setFont(f);
  p.setPen(ink);
  p.drawText(QRectF(90, 8, 200, 80), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
             imminent ? QStringLiteral("Attenzione: ci sono scadenze imminenti!")
                      : QStringLiteral("Nessuna scadenza imminente."));
  return pm;
}

// The background of a panel: a dark rounded box under its white texts.
class Panel : public QWidget {
 public:
  Panel(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xF7, 0xFA, 0xFD));
    g.setColorAt(1, QColor(0xDC, 0xE7, 0xF3));
    p.setPen(QPen(platform::kSteelBlue, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 12, 12);
    // The title strip.
    QPainterPath strip;
    strip.setFillRule(Qt::WindingFill);
    strip.addRoundedRect(QRectF(1, 1, width() - 2, 46), 12, 12);
    strip.addRect(QRectF(1, 24, width() - 2, 23));
    p.setPen(Qt::NoPen);
    QLinearGradient s(0, 0, 0, 46);
    s.setColorAt(0, kPanelBlue);
    s.setColorAt(1, QColor(0x2E, 0x5C, 0x9E));
    p.setBrush(s);
    p.drawPath(strip.simplified());
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(18, 0, width() - 36, 46), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Scadenzario Manutenzioni"));
  }
};

// A dark box on a panel, behind white labels.
class Box : public QWidget {
 public:
  Box(QWidget* parent, const QRect& geometry) : QWidget(parent) {
    setGeometry(geometry);
    setMouseTracking(true);
    lower();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    platform::paintRoundedGradient(this, QColor(0x2E, 0x5C, 0x9E), platform::kSteelBlue, 10);
  }
};

using platform::namedLabel;

void whiteText(QLabel* l, int pixels, bool bold) {
  QFont f(QStringLiteral("Verdana"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  l->setFont(f);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, Qt::white);
  l->setPalette(p);
  l->setWordWrap(true);
}

}  // namespace

TfrmScadenzario::TfrmScadenzario(QWidget* owner)
    : kit::CardWindow(owner, QStringLiteral("TfrmScadenzario"), kCaption, kWidth + 40, kHeight + 40) {
  setMouseTracking(true);
  setHint(this, QString());
  buildYearPanel();
  buildCardPanel();
  bindCard();
}

TfrmScadenzario::~TfrmScadenzario() = default;

TfrmScadenzario* TfrmScadenzario::of(QWidget* owner) {
  for (QWidget* w = owner; w; w = w->parentWidget())
    if (auto* schedule = qobject_cast<TfrmScadenzario*>(w)) return schedule;
  return platform::findWindow<TfrmScadenzario>(QStringLiteral("TfrmScadenzario"));
}

// ---- layout ----------------------------------------------------------------------

void TfrmScadenzario::buildYearPanel() {
  panAvvio = new Panel(this, QStringLiteral("panAvvio"));
  panAvvio->setGeometry(20, 20, kWidth, kHeight);
  setHint(panAvvio, QString());

  // The year: left box.
  new Box(panAvvio, QRect(24, 70, 440, 250));
  lblInfo05 = namedLabel(panAvvio, QStringLiteral("lblInfo05"),
                    QStringLiteral("Accedi all'archivio annuale per inserire o modificare le scadenze."),
                    QRect(44, 84, 400, 56));
  whiteText(lblInfo05, 16, true);
  lblApri = namedLabel(panAvvio, QStringLiteral("lblApri"), QStringLiteral("Indicare l'anno solare e premere Apri."),
                  QRect(44, 150, 400, 26));
  whiteText(lblApri, 14, false);
  auto* year = new kit::YearBox(panAvvio, QStringLiteral("txtAnno"));
  txtAnno = year;
  txtAnno->setGeometry(44, 196, 150, 44);
  QFont yearFont(QStringLiteral("Verdana"));
  yearFont.setPixelSize(24);
  yearFont.setBold(true);
  txtAnno->setFont(yearFont);
  txtAnno->setAlignment(Qt::AlignCenter);
  btnApri = platform::pushButton(panAvvio, QStringLiteral("btnApri"), QStringLiteral("Apri"), QRect(214, 196, 120, 44));
  year->setEnterTarget(btnApri);
  connect(btnApri, &QPushButton::clicked, this, &TfrmScadenzario::btnApriClick);
  platform::clickOnEnter(btnApri);

  // The imminent deadlines: left box, below.
  new Box(panAvvio, QRect(24, 340, 440, 296));
  lblInfo06 = namedLabel(panAvvio, QStringLiteral("lblInfo06"), QStringLiteral("Visualizza le scadenze imminenti."),
                    QRect(44, 352, 400, 28));
  whiteText(lblInfo06, 16, true);
  imgAssenti = namedLabel(panAvvio, QStringLiteral("imgAssenti"), QString(), QRect(94, 390, 300, 96));
  imgAssenti->setPixmap(noticePicture(false));
  imgPresenti = namedLabel(panAvvio, QStringLiteral("imgPresenti"), QString(), QRect(94, 390, 300, 96));
  imgPresenti->setPixmap(noticePicture(true));
  imgPresenti->setVisible(false);
  lblOK = namedLabel(panAvvio, QStringLiteral("lblOK"), QStringLiteral("Premere OK per ottenere l'elenco delle scadenze."),
                QRect(44, 500, 400, 26));
  whiteText(lblOK, 14, false);
  btnOK = platform::pushButton(panAvvio, QStringLiteral("btnOK"), QStringLiteral("OK"), QRect(184, 550, 120, 44));
  connect(btnOK, &QPushButton::clicked, this, &TfrmScadenzario::btnOKClick);
  platform::clickOnEnter(btnOK);

  // The calendar and its two grids: right.
  new Box(panAvvio, QRect(488, 70, 468, 566));
  auto* calCaption = namedLabel(panAvvio, QString(), QStringLiteral("Scadenze del giorno o del mese scelto:"),
                           QRect(508, 84, 430, 26));
  whiteText(calCaption, 15, true);
  calAppuntamenti = new QCalendarWidget(panAvvio);
  calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
  calAppuntamenti->setGeometry(508, 118, 428, 300);
  calAppuntamenti->setGridVisible(true);
  calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
  calAppuntamenti->setSelectedDate(platform::today());
  btnGiorno = new platform::PictureButton(panAvvio, QStringLiteral("btnGiorno"), QStringLiteral("Scadenze del giorno"));
  btnGiorno->setGeometry(508, 436, 206, 48);
  btnMese = new platform::PictureButton(panAvvio, QStringLiteral("btnMese"), QStringLiteral("Scadenze del mese"));
  btnMese->setGeometry(730, 436, 206, 48);
  connect(btnGiorno, &platform::PictureButton::clicked, this, &TfrmScadenzario::btnGiornoClick);
  connect(btnMese, &platform::PictureButton::clicked, this, &TfrmScadenzario::btnMeseClick);
  imgGuida = new platform::PictureButton(panAvvio, QStringLiteral("imgGuida"), QStringLiteral("Guida"));
  imgGuida->setGeometry(508, 570, 206, 48);
  imgEsci = new platform::PictureButton(panAvvio, QStringLiteral("imgEsci"), QStringLiteral("Esci"));
  imgEsci->setGeometry(730, 570, 206, 48);
  connect(imgGuida, &platform::PictureButton::clicked, this, &TfrmScadenzario::imgGuidaClick);
  connect(imgEsci, &platform::PictureButton::clicked, this, &TfrmScadenzario::imgEsciClick);

  lblFile = namedLabel(panAvvio, QStringLiteral("lblFile"), QStringLiteral("FilePath"), QRect(0, 0, 10, 10));
  lblFile->setVisible(false);

  setTabOrder(txtAnno, btnApri);
  setTabOrder(btnApri, btnOK);
  setTabOrder(btnOK, calAppuntamenti);
}

void TfrmScadenzario::buildCardPanel() {
  panContainer = new Panel(this, QStringLiteral("panContainer"));
  panContainer->setGeometry(20, 20, kWidth, kHeight);
  panContainer->setVisible(false);
  setHint(panContainer, QString());

  const QString groupStyle = QStringLiteral(
      "QGroupBox { font-weight: bold; border: 1px solid #4682B4; border-radius: 6px; margin-top: 10px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }");
  auto* grpData = new QGroupBox(QStringLiteral(" Data scadenza: "), panContainer);
  grpData->setObjectName(QStringLiteral("grpData"));
  grpData->setStyleSheet(groupStyle);
  grpData->setGeometry(16, 58, 380, 70);
  auto* grpOra = new QGroupBox(QStringLiteral(" Ora appuntamento: "), panContainer);
  grpOra->setObjectName(QStringLiteral("grpOra"));
  grpOra->setStyleSheet(groupStyle);
  grpOra->setGeometry(408, 58, 250, 70);

  // The date and time combos sit on the panel over their groups (the field table puts
  // them there), so their highlight has room.
  namedLabel(panContainer, QString(), QStringLiteral(":"), QRect(526, 88, 8, 28));
  namedLabel(panContainer, QString(), QStringLiteral("giorni prima della scadenza."), QRect(792, 88, 180, 28));

  constexpr int kTop = 146, kPitch = 34;
  impConduttore = new platform::PictureButton(panContainer, QStringLiteral("impConduttore"), QStringLiteral("◀"));
  impConduttore->setGeometry(16 + 168 + 264, kTop, 30, 26);
  btnCodFisc = new platform::PictureButton(panContainer, QStringLiteral("btnCodFisc"), QStringLiteral("✓"));
  btnCodFisc->setGeometry(16 + 168 + 264, kTop + kPitch, 30, 26);
  QPalette arrow = impConduttore->palette();
  arrow.setColor(QPalette::ButtonText, QColor(0xC0, 0x1B, 0x1B));
  impConduttore->setPalette(arrow);

  // Commands: two rows of pictures, navigation with the position between the arrows.
  using Command = kit::CommandPicture<TfrmScadenzario>;
  const Command commands[] = {
      {&TfrmScadenzario::cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.",
       &TfrmScadenzario::cmdNuovoClick},
      {&TfrmScadenzario::cmdDuplica, "cmdDuplica", "Duplica",
       "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
       &TfrmScadenzario::cmdDuplicaClick},
      {&TfrmScadenzario::cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.",
       &TfrmScadenzario::cmdSalvaClick},
      {&TfrmScadenzario::cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", &TfrmScadenzario::cmdTrovaClick},
      {&TfrmScadenzario::cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.",
       &TfrmScadenzario::cmdStampaClick},
      {&TfrmScadenzario::cmdEsporta, "cmdEsporta", "Esporta archivio",
       "Esporta le schede in archivio in un file di Microsoft Excel.", &TfrmScadenzario::cmdEsportaClick},
      {&TfrmScadenzario::cmdDaConfermare, "cmdDaConfermare", "Da confermare",
       "Visualizza l'elenco degli appuntamenti in attesa di conferma.", &TfrmScadenzario::cmdDaConfermareClick},
      {&TfrmScadenzario::cmdDaEffettuare, "cmdDaEffettuare", "Da effettuare",
       "Visualizza il riepilogo delle manutenzioni da effettuare, sia scadute che non.",
       &TfrmScadenzario::cmdDaEffettuareClick},
      {&TfrmScadenzario::cmdEffettuate, "cmdEffettuate", "Effettuate",
       "Visualizza il riepilogo storico delle manutenzioni effettuate.", &TfrmScadenzario::cmdEffettuateClick},
      {&TfrmScadenzario::cmdImporta, "cmdImporta", "Importa dati", "Importa i dati dal parco automezzi.",
       &TfrmScadenzario::cmdImportaClick},
      {&TfrmScadenzario::cmdGuida, "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
       &TfrmScadenzario::imgGuidaClick},
      {&TfrmScadenzario::cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.",
       &TfrmScadenzario::cmdEsciClick},
  };
  constexpr int kCommandW = 150, kCommandH = 40;
  for (std::size_t i = 0; i < std::size(commands); ++i) {
    const int col = int(i % 6), row = int(i / 6);
    kit::addPicture(*this, panContainer, commands[i],
                    QRect(16 + col * (kCommandW + 10), 468 + row * (kCommandH + 10), kCommandW, kCommandH));
  }
  setHint(impConduttore, QStringLiteral("Importa i dati dall'archivio dei conduttori."));
  setHint(btnCodFisc, QStringLiteral("Controlla il codice fiscale."));
  connect(impConduttore, &platform::PictureButton::clicked, this, &TfrmScadenzario::impConduttoreClick);
  connect(btnCodFisc, &platform::PictureButton::clicked, this, &TfrmScadenzario::btnCodFiscClick);

  const auto navigation = kit::navigationPictures<TfrmScadenzario>();
  constexpr int kNavY = 574;
  const int navX[] = {596, 652, 852, 908};
  for (int i = 0; i < 4; ++i) kit::addPicture(*this, panContainer, navigation[i], QRect(navX[i], kNavY, 50, 36));
  lblPosizione = kit::positionLabel(panContainer, QRect(708, kNavY, 140, 36));
  QFont position(QStringLiteral("Verdana"));
  position.setPixelSize(18);
  position.setBold(true);
  lblPosizione->setFont(position);

  panInfo = kit::hintBar(*this, panContainer, QStringLiteral("Pronto per archiviare una nuova scheda..."),
                         QRect(2, kHeight - 32, kWidth - 4, 28));
  setHint(panInfo, QString());
}

void TfrmScadenzario::bindCard() {
  card_ = std::make_unique<kit::RecordCard>(*this, maintenance::scheduleLayout(), lblPosizione);
  card_->setArchive(kit::ArchiveSource::fromControl(lblFile));
  cardFields_ = new kit::CardFields(*this, *card_, kFields, {.enterFollowsRows = true, .limitToFields = true});
  QFont bold = lblAnno->font();
  bold.setBold(true);
  bold.setPixelSize(16);
  lblAnno->setFont(bold);

  card_->beforeSave = [this] {
    cardFields_->clearListSelections();
    // An empty cost is stored as no cost, even when a check stops this save.
    if (platform::trim(txtCosto->text()).isEmpty()) txtCosto->setText(QStringLiteral("0,00"));
  };
  auto tooShort = [](QWidget* combo) { return platform::controlText(combo).size() < 2; };
  card_->require(txtGiorno, required("il giorno della scadenza."));
  card_->addCheck([this, tooShort] {
    if (!tooShort(txtGiorno)) return true;
    platform::warning(required("il giorno della scadenza usando due cifre."), this);
    txtGiorno->setFocus(Qt::OtherFocusReason);
    return false;
  });
  card_->require(txtMese, required("il mese della scadenza."));
  card_->require(txtOreApp, required("l'ora dell'appuntamento."));
  card_->require(txtMinutiApp, required("i minuti dell'ora dell'appuntamento."));
  card_->addCheck([this, tooShort] {
    if (!tooShort(txtOreApp)) return true;
    platform::warning(required("l'ora dell'appuntamento usando due cifre."), this);
    txtOreApp->setFocus(Qt::OtherFocusReason);
    return false;
  });
  card_->addCheck([this, tooShort] {
    if (!tooShort(txtMinutiApp)) return true;
    platform::warning(required("i minuti dell'ora dell'appuntamento usando due cifre."), this);
    txtMinutiApp->setFocus(Qt::OtherFocusReason);
    return false;
  });
  card_->addCheck([this] { return checkWarningDays(); });
  card_->require(txtVeicolo, required("il tipo di veicolo."));
  card_->require(txtMarca, required("la marca del veicolo."));
  card_->require(txtModello, required("il modello del veicolo."));
  card_->require(txtTarga, required("il numero di targa del veicolo."));
  card_->require(txtManutenzione, required("il tipo di manutenzione da effettuare."));
  card_->addCheck([this] { return checkMonth(); });
  card_->addCheck([this] { return checkDate(); });

  card_->setFirstField(txtGiorno);
  card_->onNew = [this] { cardFields_->clearListSelections(); };
  // A copy keeps everything but the date and time, for a recurring deadline.
  card_->setDuplicateClears({txtGiorno, txtMese});
  card_->onDuplicate = [this] {
    txtOreApp->setEditText(QStringLiteral("00"));
    txtMinutiApp->setEditText(QStringLiteral("00"));
    cardFields_->clearListSelections();
  };
  card_->setDuplicateFocus(txtGiorno);
  card_->setDuplicateOpensArchive(true);
  card_->setAppendMessage(kit::RecordCard::AppendMessage::Salvata);
  card_->setAccessErrorKind(platform::MsgKind::Error);
}

// ---- Save's own checks -------------------------------------------------------------

bool TfrmScadenzario::checkWarningDays() {
  // Warning days that are not a number would store a deadline that never alerts.
  const QString days = platform::trim(txtAvviso->text());
  if (!days.isEmpty() && platform::IsAllDigits(days)) return true;
  platform::warning(required("i giorni di preavviso."), this);
  txtAvviso->setFocus(Qt::OtherFocusReason);
  return false;
}

bool TfrmScadenzario::checkMonth() {
  lblOra->setText(platform::controlText(txtOreApp) + QLatin1Char(':') + platform::controlText(txtMinutiApp));
  return kit::monthChosen(txtMese, this);
}

bool TfrmScadenzario::checkDate() { return kit::composedDateExists(txtGiorno, txtMese, lblAnno, lblData, this); }

// ---- showing, years, closing ---------------------------------------------------------

void TfrmScadenzario::FormShow() {
  setWindowTitle(kCaption);
  panAvvio->setVisible(true);
  panContainer->setVisible(false);
  static_cast<kit::YearBox*>(txtAnno)->showCurrentYear();
  txtAnno->setFocus(Qt::OtherFocusReason);
  checkImminent();
}

void TfrmScadenzario::checkImminent() {
  // Only the current year's archive is checked, whatever year the card shows; it is
  // created when missing. What this showing reads decides the notice, never an earlier one.
  const core::Date today = core::today();
  const QString name = QString::fromStdString(maintenance::scheduleArchiveName(today.year));
  const core::RecordLayout& layout = maintenance::scheduleLayout();
  bool found = false;
  try {
    core::Archive archive = kit::openArchive(platform::exePath(name), layout.size());
    found = core::scanImminent(archive, layout, layout.indexOf("Data"), layout.indexOf("Avviso"), today).found;
  } catch (const core::ArchiveError&) {
    // A file that cannot be opened announces nothing.
  }
  showImminent(found);
  if (found) platform::playSound(platform::exePath(kSoundFile));
}

void TfrmScadenzario::showImminent(bool found) {
  imgPresenti->setVisible(found);
  imgAssenti->setVisible(!found);
  btnOK->setEnabled(found);
}

void TfrmScadenzario::btnApriClick() {
  const std::optional<QString> year = kit::checkedYear(txtAnno, this);
  if (!year) return;
  lblFile->setText(platform::exePath(QString::fromStdString(maintenance::scheduleArchiveName(year->toStdString()))));
  lblAnno->setText(*year);
  setWindowTitle(kCaption + QStringLiteral(" anno ") + *year);
  panAvvio->setVisible(false);
  panContainer->setVisible(true);
  ClearScheduleCard();
}

void TfrmScadenzario::FormClose() {
  panAvvio->setVisible(true);
  panContainer->setVisible(false);
  platform::stopSound();
  kit::CardWindow::FormClose();
}

void TfrmScadenzario::imgEsciClick() { closeForm(); }
void TfrmScadenzario::cmdEsciClick() { closeForm(); }

QDate TfrmScadenzario::appointmentDate() const { return calAppuntamenti->selectedDate(); }

// ---- the grids -------------------------------------------------------------------------

void TfrmScadenzario::btnOKClick() { platform::openModal<TfrmExpImminenti>(this); }

void TfrmScadenzario::btnGiornoClick() { platform::openModal<TfrmExpGiornaliere>(this); }

void TfrmScadenzario::btnMeseClick() { platform::openModal<TfrmExpMensili>(this); }

// ---- the card ------------------------------------------------------------------------

void TfrmScadenzario::ClearScheduleCard() { card_->newCard(); }

void TfrmScadenzario::cmdDuplicaClick() { card_->duplicate(); }

void TfrmScadenzario::cmdTrovaClick() {
  platform::openModal<TfrmTrovaScadenzario>(this, QStringLiteral("Scadenzario"));
}

void TfrmScadenzario::cmdDaEffettuareClick() { platform::openModal<TfrmConfermati>(this); }

void TfrmScadenzario::cmdEffettuateClick() { platform::openModal<TfrmNonConfermati>(this); }

void TfrmScadenzario::cmdDaConfermareClick() { platform::openModal<TfrmDaConfermare>(this); }

void TfrmScadenzario::cmdEsportaClick() { platform::openModal<TfrmExpScadenzario>(this); }

void TfrmScadenzario::cmdImportaClick() {
  platform::openModal<TfrmTrovaAutomezzi>(this, QStringLiteral("scadenzario"));
}

void TfrmScadenzario::impConduttoreClick() { TfrmTrovaAnagrafica::open(this, QStringLiteral("scadenzario")); }

void TfrmScadenzario::btnCodFiscClick() { TfrmCodFisc::openForCardCode(this, txtCodFisc->text()); }

void TfrmScadenzario::cmdStampaClick() {
  auto report = maintenance::makeScheduleCardReport();
  maintenance::fillScheduleCardReport(*report, *this);
  report->print(this);
}

void TfrmScadenzario::imgGuidaClick() {
  TfrmGuida::showHelp(this, QStringLiteral("App Scadenzario Manutenzioni"), helpParagraphs());
}

// ---- events ------------------------------------------------------------------------------

void TfrmScadenzario::paintEvent(QPaintEvent*) { platform::paintGradient(this, platform::kSteelBlue); }

void TfrmScadenzario::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  platform::centreIn(panAvvio, size());
  platform::centreIn(panContainer, size());
}

// ---- help ----------------------------------------------------------------------------------

QStringList TfrmScadenzario::helpParagraphs() {
  return {
      QStringLiteral(
          "Lo Scadenzario Manutenzioni tiene sotto controllo le scadenze e gli appuntamenti giornalieri, mensili o "
          "annuali dei veicoli da sottoporre a manutenzione o riparazione, e avvisa quando la data si avvicina: "
          "manutenzioni ordinarie o straordinarie, tasse di possesso, appuntamenti con i clienti."),
      QStringLiteral(
          "Il pulsante \"Nuovo\" prepara una nuova scheda. Per salvarla occorrono almeno la data e l'ora della "
          "scadenza, i giorni di preavviso, il tipo di manutenzione e i dati del veicolo."),
      QStringLiteral(
          "Per le scadenze ricorrenti, dopo aver salvato la prima scheda il pulsante \"Duplica\" riporta in una "
          "nuova scheda tutti i dati tranne la data e l'ora: basta indicare giorno, mese e ora e salvare."),
      QStringLiteral(
          "I dati del conduttore (nome, codice fiscale e recapito preferenziale) si importano dall'archivio dei "
          "conduttori con il pulsante a freccia rossa; quelli del veicolo (tipo, marca, modello, colore, "
          "alimentazione e targa) con \"Importa dati\"."),
      QStringLiteral(
          "Ogni scadenza ha i propri giorni di preavviso. All'apertura della finestra le scadenze imminenti sono "
          "segnalate da un avviso e da un suono; il pulsante OK le elenca. Il calendario richiama le scadenze del "
          "giorno o del mese scelto."),
      QStringLiteral(
          "La casella \"Appuntamento da confermare\" annota un appuntamento in attesa di conferma; il pulsante "
          "\"Da confermare\" elenca questi veicoli con il nome e il telefono del proprietario o del conduttore."),
      QStringLiteral(
          "Dopo aver eseguito una manutenzione spuntare \"Manutenzione effettuata\" e salvare. \"Da effettuare\" "
          "elenca tutte le manutenzioni non ancora eseguite, scadute o no; per trovare una scheda digitare la targa "
          "nel campo di ricerca dell'elenco, premere \"Trova\" e fare doppio clic sulla riga."),
      QStringLiteral(
          "Per uno stesso giorno si possono salvare quante scadenze si desidera: sono mostrate in ordine di data e "
          "ora, qualunque sia l'ordine di inserimento. \"Effettuate\" mostra lo storico delle manutenzioni eseguite, "
          "che può essere stampato."),
      QStringLiteral(
          "La ricerca avanzata combina più criteri, per esempio un mese, un veicolo o un conduttore."),
      QStringLiteral(
          "\"Esporta archivio\" trasferisce tutte le scadenze dell'anno in un file di Microsoft Excel."),
  };
}

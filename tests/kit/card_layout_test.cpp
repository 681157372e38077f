// A card built from its field table alone: each row's control stands on its section
// at its place with its caption, is kept in its window member, and takes its place in
// the tab order (the rows' order) and in the Enter chain (the rows that take Enter,
// wrapping, a date stopping where it says so); check boxes, labels and buttons are rows
// too; edits take their fields' widths; the six vehicle rows come from the kit.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <stdexcept>

#include "kit/card_fields.h"
#include "kit/card_frame.h"
#include "kit/record_card.h"
#include "platform/edits.h"
#include "platform/form.h"
#include "platform/widgets.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using kit::CardField;

namespace {

constexpr std::array<core::FieldDef, 11> kRecord{{{"Veicolo", 20},
                                                 {"Marca", 21},
                                                 {"Modello", 22},
                                                 {"Colore", 23},
                                                 {"Alimentazione", 24},
                                                 {"Targa", 9},
                                                 {"Data", 10},
                                                 {"Note", 40},
                                                 {"Saldato", 2},
                                                 {"Anno", 4},
                                                 {"Stato", 10}}};

const core::RecordLayout& testLayout() {
  static const core::RecordLayout l(kRecord);
  return l;
}

class LayoutCard;
using T = LayoutCard;

const kit::CardSection kSections[] = {
    {.name = "bkgVeicolo", .at = {10, 10, 400, 220}, .title = "Veicolo", .titleTop = 2, .titleHeight = 20},
    {.name = "bkgAltro", .at = {420, 10, 300, 220}, .title = "Altro", .strip = "titAltro", .notes = true},
};

kit::Place left(int row, const char* caption) {
  return {
      .section = "bkgVeicolo", .at = {120, 30 + row * 30, 200, 24}, .caption = {caption, {10, 30 + row * 30, 104, 24}}};
}

class LayoutCard : public platform::Form {
 public:
  LayoutCard()
      : platform::Form(nullptr, QStringLiteral("TfrmProvaSchema"), platform::WindowKind::Maximized, QString(), 740,
                       300) {
    kit::buildSections(*this, this, kSections);
    lblPosizione = new QLabel(this);
    card = std::make_unique<kit::RecordCard>(*this, testLayout(), lblPosizione);
    card->setArchive(kit::ArchiveSource::fixed(QStringLiteral("schema.dat")));
    static const std::vector<CardField> rows = kit::joinRows({
        kit::vehicleRows<T>(kit::Typing::TrimUpper,
                            {left(0, "Tipo:"), left(1, "Marca:"), left(2, "Modello:"), left(3, "Colore:"),
                             left(4, "Alimentazione:"), left(5, "Targa:")}),
        std::initializer_list<CardField>{
            {.control = "txtData", .member = kit::member<&T::txtData>, .field = "Data", .next = kit::kNoNext,
             .calendarKey = "prova_data", .mark = kit::highlight(),
             .place = {.section = "bkgAltro", .at = {10, 40, 120, 24}, .align = Qt::AlignCenter}},
            {.control = "btnOggi", .member = kit::member<&T::btnOggi>, .hint = "Oggi.", .widget = kit::Widget::Button,
             .text = "Oggi", .place = {.section = "bkgAltro", .at = {140, 40, 80, 26}}},
            {.control = "txtNote", .member = kit::member<&T::txtNote>, .field = "Note", .maxLength = 5,
             .mark = kit::highlight("effAppunti"),
             .place = {.section = "bkgAltro", .at = {10, 100, 280, 24},
                       .caption = {"Note:", {10, 78, 280, 20}, Qt::AlignLeft | Qt::AlignVCenter}}},
            {.control = "chkSaldato", .member = kit::member<&T::chkSaldato>, .field = "Saldato",
             .hint = "Saldato o no.", .widget = kit::Widget::Check, .text = "Saldato",
             .place = {.section = "bkgAltro", .at = {10, 140, 200, 24}}},
            {.control = "lblAnno", .member = kit::member<&T::lblAnno>, .field = "Anno", .widget = kit::Widget::Label,
             .text = "ANNO", .keepOnNew = true, .place = {.section = "bkgAltro", .at = {10, 180, 80, 24}}},
            {.control = "lblStato", .member = kit::member<&T::lblStato>, .field = "Stato", .widget = kit::Widget::Label,
             .newText = "VALIDA"},
            {.control = "btnFocus", .widget = kit::Widget::Other},
        },
    });
    btnFocus = platform::pushButton(this, QStringLiteral("btnFocus"), QString());
    fields = new kit::CardFields(*this, *card, rows,
                                 {.openCalendar = [this](const QString& keyWord) { calendars << keyWord; },
                                  .enterFollowsRows = true,
                                  .limitToFields = true});
  }

  QLineEdit* txtVeicolo = nullptr;
  QLineEdit* txtMarca = nullptr;
  QLineEdit* txtModello = nullptr;
  QLineEdit* txtColore = nullptr;
  QLineEdit* txtAlimentazione = nullptr;
  QLineEdit* txtTarga = nullptr;
  QLineEdit* txtData = nullptr;
  QPushButton* btnOggi = nullptr;
  QLineEdit* txtNote = nullptr;
  QCheckBox* chkSaldato = nullptr;
  QLabel* lblAnno = nullptr;
  QLabel* lblStato = nullptr;
  QPushButton* btnFocus = nullptr;

  QLabel* lblPosizione;
  std::unique_ptr<kit::RecordCard> card;
  kit::CardFields* fields;
  QStringList calendars;
};

// The label on `parent` showing `text`; null when there is none.
QLabel* captionOf(QWidget* parent, const QString& text) {
  for (QLabel* l : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    if (l->text() == text) return l;
  return nullptr;
}

// The next control Tab reaches from `w`.
QWidget* nextTabStop(QWidget* w) {
  for (QWidget* n = w->nextInFocusChain(); n != w; n = n->nextInFocusChain())
    if ((n->focusPolicy() & Qt::TabFocus) && n->isEnabled() && n->isVisibleTo(w->window())) return n;
  return w;
}

class CardLayout : public ::testing::Test {
 protected:
  void SetUp() override { activate(&w); }
  TempExeDir dir;
  ScriptedDialogHost host;
  LayoutCard w;
};

TEST_F(CardLayout, RowsStandOnTheirSectionsWithTheirCaptionsAndFillTheMembers) {
  auto* veicolo = w.findChild<QWidget*>("bkgVeicolo");
  auto* altro = w.findChild<QWidget*>("bkgAltro");
  ASSERT_TRUE(veicolo && altro);
  EXPECT_EQ(altro->geometry(), QRect(420, 10, 300, 220));
  EXPECT_NE(w.findChild<QWidget*>("titAltro"), nullptr);

  struct Case {
    QWidget* control;
    QWidget* section;
    QRect at;
    const char* caption;
    QRect captionAt;
  } cases[] = {
      {w.txtVeicolo, veicolo, {120, 30, 200, 24}, "Tipo:", {10, 30, 104, 24}},
      {w.txtTarga, veicolo, {120, 180, 200, 24}, "Targa:", {10, 180, 104, 24}},
      {w.txtNote, altro, {10, 100, 280, 24}, "Note:", {10, 78, 280, 20}},
      {w.txtData, altro, {10, 40, 120, 24}, nullptr, {}},
      {w.chkSaldato, altro, {10, 140, 200, 24}, nullptr, {}},
      {w.btnOggi, altro, {140, 40, 80, 26}, nullptr, {}},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.control, nullptr);
    SCOPED_TRACE(c.control->objectName().toStdString());
    EXPECT_EQ(c.control->parentWidget(), c.section);
    EXPECT_EQ(c.control->geometry(), c.at);
    if (!c.caption) continue;
    QLabel* caption = captionOf(c.section, QString::fromUtf8(c.caption));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->geometry(), c.captionAt);
  }
  EXPECT_EQ(captionOf(veicolo, "Tipo:")->alignment(), Qt::AlignRight | Qt::AlignVCenter);
  EXPECT_EQ(w.txtData->alignment(), Qt::AlignCenter);
  EXPECT_EQ(w.chkSaldato->text(), "Saldato");
  EXPECT_EQ(w.btnOggi->text(), "Oggi");
  // A label with a place shows; one without is hidden.
  EXPECT_TRUE(w.lblAnno->isVisible());
  EXPECT_FALSE(w.lblStato->isVisible());
  EXPECT_EQ(w.txtVeicolo->objectName(), "txtVeicolo");
}

TEST_F(CardLayout, TabFollowsTheRowsAndEnterFollowsTheEditsWrapping) {
  const std::vector<QWidget*> tab = {w.txtVeicolo, w.txtMarca,  w.txtModello, w.txtColore,  w.txtAlimentazione,
                                     w.txtTarga,   w.txtData,   w.btnOggi,    w.txtNote,    w.chkSaldato,
                                     w.btnFocus};
  for (std::size_t i = 1; i < tab.size(); ++i) {
    SCOPED_TRACE(tab[i - 1]->objectName().toStdString());
    EXPECT_EQ(nextTabStop(tab[i - 1]), tab[i]);
  }

  // Enter moves along the edits only, passing the button and the box by, and wraps.
  const std::pair<QWidget*, QWidget*> links[] = {
      {w.txtVeicolo, w.txtMarca}, {w.txtAlimentazione, w.txtTarga}, {w.txtTarga, w.txtData}, {w.txtNote, w.txtVeicolo}};
  for (const auto& [from, to] : links) {
    SCOPED_TRACE(from->objectName().toStdString());
    from->setFocus();
    pressKey(from, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), to);
  }
  // The date stays where it is and opens the calendar.
  w.txtData->setFocus();
  pressKey(w.txtData, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w.txtData);
  EXPECT_EQ(w.calendars, QStringList{"prova_data"});
}

TEST_F(CardLayout, EditsTakeTheirFieldsWidthsAndHighlightsTheirNames) {
  auto limit = [](QLineEdit* e) { return static_cast<platform::FilteredEdit*>(e)->inputLimit(); };
  EXPECT_EQ(limit(w.txtVeicolo), 20);
  EXPECT_EQ(limit(w.txtAlimentazione), 24);
  EXPECT_EQ(limit(w.txtTarga), 9);
  EXPECT_EQ(limit(w.txtNote), 5);  // the row's own limit wins
  for (const char* eff : {"effVeicolo", "effMarca", "effModello", "effColore", "effAlimentazione", "effTarga",
                          "effData", "effAppunti"})
    EXPECT_NE(w.findChild<QWidget*>(eff), nullptr) << eff;
  // The plate of the vehicle rows is trimmed and upper-cased as it is typed.
  typeInto(w.txtTarga, "ab 12");
  EXPECT_EQ(w.txtTarga->text(), "AB12");
}

TEST_F(CardLayout, CheckBoxesAndLabelsAreStoredAndNewTreatsThemAsTheRowsSay) {
  w.lblAnno->setText("2024");
  w.lblStato->setText("SCADUTA");
  w.chkSaldato->setChecked(true);
  w.card->newCard();
  EXPECT_EQ(w.lblAnno->text(), "2024");
  EXPECT_EQ(w.lblStato->text(), "VALIDA");
  EXPECT_FALSE(w.chkSaldato->isChecked());

  core::RecordBuffer record(testLayout());
  record.set("Saldato", u"Sì");
  record.set("Anno", u"2023");
  record.set("Stato", u"SCADUTA");
  w.card->showRecord(record, 1);
  EXPECT_TRUE(w.chkSaldato->isChecked());
  EXPECT_EQ(w.lblAnno->text(), "2023");
  EXPECT_EQ(w.lblStato->text(), "SCADUTA");
}

// A card whose vehicle type offers a list: the type is a free-text combo kept in a combo
// member, its list offered in order.
struct TypedVehicle : platform::Form {
  TypedVehicle()
      : platform::Form(nullptr, QStringLiteral("TfrmProvaTipi"), platform::WindowKind::Maximized, QString(), 400,
                       300) {}
  QComboBox* txtVeicolo = nullptr;
  QLineEdit* txtMarca = nullptr;
  QLineEdit* txtModello = nullptr;
  QLineEdit* txtColore = nullptr;
  QLineEdit* txtAlimentazione = nullptr;
  QLineEdit* txtTarga = nullptr;
};

TEST(CardLayoutVehicle, TheVehicleTypeMayOfferAList) {
  TempExeDir dir;
  TypedVehicle w;
  QLabel position(&w);
  kit::RecordCard card(w, testLayout(), &position);
  constexpr const char* kTypes[] = {"Autobus", "Camper"};
  const auto rows = kit::vehicleRows<TypedVehicle>(kit::Typing::TrimUpper, {}, kTypes);
  kit::CardFields fields(w, card, rows);
  ASSERT_NE(w.txtVeicolo, nullptr);
  EXPECT_TRUE(w.txtVeicolo->isEditable());
  EXPECT_EQ(w.txtVeicolo->count(), 2);
  EXPECT_EQ(w.txtVeicolo->itemText(1), "Camper");
  w.txtVeicolo->setEditText("Trattore");  // a type not in the list; New empties it all the same
  card.newCard();
  EXPECT_EQ(w.txtVeicolo->currentText(), "");
}

TEST(CardLayoutErrors, AMissingSectionOrOtherControlOrAMemberOfAnotherKindIsAProgrammingError) {
  TempExeDir dir;
  LayoutCard w;  // a card whose members a row may name
  const CardField cases[][1] = {
      {{.control = "txtAltro", .field = "Note", .place = {.section = "bkgNessuno", .at = {0, 0, 9, 9}}}},
      {{.control = "btnNessuno", .widget = kit::Widget::Other}},
      {{.control = "txtAltro", .member = kit::member<&T::chkSaldato>, .field = "Note"}},
  };
  for (const auto& rows : cases) {
    SCOPED_TRACE(rows[0].control);
    EXPECT_THROW(kit::CardFields(w, *w.card, rows), std::logic_error);
  }
}

}  // namespace

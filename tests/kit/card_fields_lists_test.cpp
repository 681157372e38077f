// List-only combo rows of a card's field table, on a test card of a month and a day:
// what the table gives them (items, Enter target, the text New puts in, the leave check
// exact or folded) and what it refuses to build.
#include <QLabel>
#include <QLineEdit>
#include <stdexcept>

#include "kit/card_fields.h"
#include "kit/record_card.h"
#include "platform/edits.h"
#include "platform/form.h"
#include "platform/widgets.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using kit::CardField;

namespace {

constexpr std::array<core::FieldDef, 3> kRecord{{{"Mese", 10}, {"Giorno", 2}, {"Nota", 20}}};

const core::RecordLayout& testLayout() {
  static const core::RecordLayout l(kRecord);
  return l;
}

constexpr const char* kDays[] = {"01", "02", "03"};

class TestCard : public platform::Form {
 public:
  explicit TestCard(bool foldMonths)
      : platform::Form(nullptr, QStringLiteral("TfrmProvaListe"), platform::WindowKind::Maximized, QString(), 400, 300) {
    lblPosizione = new QLabel(this);
    card = std::make_unique<kit::RecordCard>(*this, testLayout(), lblPosizione);
    card->setArchive(kit::ArchiveSource::fixed(QStringLiteral("liste.dat")));
    const CardField rows[] = {
        {.control = "txtMese", .field = "Mese", .next = "txtGiorno", .mark = kit::highlight("effMese"),
         .widget = kit::Widget::ListOnly, .items = kit::kMonthItems, .listFoldCase = foldMonths},
        {.control = "txtGiorno", .field = "Giorno", .next = "txtNota", .widget = kit::Widget::ListOnly, .items = kDays, .newText = "01"},
        {.control = "txtNota", .field = "Nota", .next = "txtMese"},
    };
    fields = new kit::CardFields(*this, *card, rows);
    for (std::size_t i = 0; i < fields->size(); ++i) fields->control(i)->setGeometry(10, 10 + 40 * int(i), 200, 24);
  }
  platform::ListOnlyCombo* combo(std::size_t row) { return fields->combo(row); }
  QLabel* lblPosizione;
  std::unique_ptr<kit::RecordCard> card;
  kit::CardFields* fields;
};

TEST(CardFieldsLists, ComboRowsTakeTheirItemsEnterAndNewText) {
  TempExeDir dir;
  TestCard w(false);
  activate(&w);
  platform::ListOnlyCombo* mese = w.combo(0);
  ASSERT_NE(mese, nullptr);
  EXPECT_EQ(w.fields->edit(0), nullptr);
  EXPECT_EQ(mese->count(), 12);
  EXPECT_EQ(w.combo(1)->itemText(2), "03");
  EXPECT_EQ(w.combo(2), nullptr);

  w.combo(1)->setEditText("02");
  w.card->newCard();
  EXPECT_EQ(mese->currentText(), "");
  EXPECT_EQ(w.combo(1)->currentText(), "01");

  mese->setFocus();
  EXPECT_TRUE(w.findChild<QWidget*>("effMese")->isVisible());
  pressKey(mese, Qt::Key_Return);
  QWidget* focused = QApplication::focusWidget();
  EXPECT_TRUE(focused == w.combo(1) || focused->parentWidget() == w.combo(1));

  mese->setCurrentIndex(4);
  w.fields->clearListSelections();
  EXPECT_EQ(mese->currentIndex(), -1);
  EXPECT_EQ(mese->currentText(), "Maggio");
}

TEST(CardFieldsLists, TheLeaveCheckComparesExactlyOrFolded) {
  struct Case {
    const char* name;
    bool fold;
    QString loaded;
    QString left;
  } cases[] = {
      {"exact keeps a listed month", false, "Marzo", "Marzo"},
      {"exact empties small letters", false, "marzo", ""},
      {"folded keeps small letters", true, "marzo", "marzo"},
      {"folded empties what is no month", true, "marzolino", ""},
  };
  TempExeDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestCard w(c.fold);
    activate(&w);
    w.combo(0)->setFocus();
    w.combo(0)->setEditText(c.loaded);
    w.fields->edit(2)->setFocus();
    EXPECT_EQ(w.combo(0)->currentText(), c.left);
  }
}

TEST(CardFieldsLists, AComboRowNamingAnotherKindOfControlIsAProgrammingError) {
  platform::Form w(nullptr, QStringLiteral("TfrmProvaListe"), platform::WindowKind::Maximized, QString(), 400, 300);
  new QLineEdit(&w);
  w.findChild<QLineEdit*>()->setObjectName("txtMese");
  QLabel position(&w);
  kit::RecordCard card(w, testLayout(), &position);
  const CardField rows[] = {
      {.control = "txtMese", .field = "Mese", .widget = kit::Widget::ListOnly, .items = kit::kMonthItems}};
  EXPECT_THROW(kit::CardFields(w, card, rows), std::logic_error);
}

}  // namespace

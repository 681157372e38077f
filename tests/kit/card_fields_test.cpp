// A card's edits as a table, on a test card of three rows: an upper-cased code that
// refuses two characters, an amount that takes digits and a comma and is normalised
// when left, and a read-only date filled from the calendar. Enter moves from one to
// the next and wraps.
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <functional>
#include <stdexcept>

#include "kit/card_fields.h"
#include "kit/record_card.h"
#include "platform/edits.h"
#include "platform/form.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using kit::CardField;
using platform::FilteredEdit;

namespace {

constexpr std::array<core::FieldDef, 3> kRecord{{{"Codice", 5}, {"Importo", 8}, {"Data", 10}}};

const core::RecordLayout& testLayout() {
  static const core::RecordLayout l(kRecord);
  return l;
}

bool refusedInCodes(char16_t c) { return c == u'/' || c == u'&'; }

const CardField kRows[] = {
    {.control = "txtCodice", .field = "Codice", .maxLength = 5, .next = "txtImporto", .typing = kit::Typing::TrimUpper,
     .refused = refusedInCodes, .mark = kit::highlight("effCodice"), .hint = "Il codice dell'articolo."},
    {.control = "txtImporto", .field = "Importo", .maxLength = 8, .next = "txtData", .keys = kit::Keys::DigitsComma,
     .leave = platform::normaliseAmount, .mark = kit::painted(platform::kAliceBlue)},
    {.control = "txtData", .field = "Data", .maxLength = 10, .next = "txtCodice", .calendarKey = "prova_data",
     .mark = kit::painted(Qt::white)},
};

class TestCard : public platform::Form {
 public:
  explicit TestCard(std::span<const CardField> rows = kRows)
      : platform::Form(nullptr, QStringLiteral("TfrmProvaCampi"), platform::WindowKind::Maximized, QString(), 400,
                       300) {
    lblPosizione = new QLabel(this);
    card = std::make_unique<kit::RecordCard>(*this, testLayout(), lblPosizione);
    card->setArchive(kit::ArchiveSource::fixed(QStringLiteral("campi.dat")));
    fields = new kit::CardFields(*this, *card, rows,
                                 {.openCalendar = [this](const QString& keyWord) { calendars << keyWord; }});
    for (std::size_t i = 0; i < fields->size(); ++i) fields->control(i)->setGeometry(10, 10 + 40 * int(i), 200, 24);
  }
  FilteredEdit* edit(const char* name) { return findChild<FilteredEdit*>(QString::fromLatin1(name)); }

  QLabel* lblPosizione;
  std::unique_ptr<kit::RecordCard> card;
  kit::CardFields* fields;
  QStringList calendars;  // the key word of every calendar opened
};

class CardFieldsTest : public ::testing::Test {
 protected:
  void SetUp() override { activate(&w); }
  TempExeDir dir;
  ScriptedDialogHost host;
  TestCard w;
  FilteredEdit* codice = w.edit("txtCodice");
  FilteredEdit* importo = w.edit("txtImporto");
  FilteredEdit* data = w.edit("txtData");
};

// The ways text reaches an edit from outside the keyboard's typing.
void pasteByKey(QLineEdit* e, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  e->setFocus();
  QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
}
void pasteByMenu(QLineEdit* e, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5), e->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(e, &open);
  auto* menu = e->findChild<QMenu*>();
  ASSERT_NE(menu, nullptr);
  QAction* paste = nullptr;
  for (QAction* a : menu->actions())
    if (a->text().startsWith(QCoreApplication::translate("QLineEdit", "&Paste"))) paste = a;
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  delete menu;
}
void drop(QLineEdit* e, const QString& text) {
  QMimeData mime;
  mime.setText(text);
  const QPoint end(e->width() - 2, 5);
  QDragEnterEvent enter(end, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(e, &enter);
  QDropEvent dropped(end, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(e, &dropped);
}
void inputMethod(QLineEdit* e, const QString& text) {
  QInputMethodEvent composed;
  composed.setCommitString(text);
  QApplication::sendEvent(e, &composed);
}
void typeKeys(QLineEdit* e, const QString& text) {
  e->setFocus();
  QTest::keyClicks(e, text);
}

TEST_F(CardFieldsTest, EnterMovesAlongTheChainAndWraps) {
  codice->setFocus();
  for (QLineEdit* next : {static_cast<QLineEdit*>(importo), static_cast<QLineEdit*>(data), static_cast<QLineEdit*>(codice)}) {
    QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), next);
  }
  EXPECT_TRUE(w.calendars.isEmpty());  // Enter in the date edit moves on, no calendar
}

TEST_F(CardFieldsTest, KeyFilterTakesDigitsAndACommaAndTheLeaveRuleRuns) {
  typeKeys(importo, QStringLiteral("12a,5 x."));
  EXPECT_EQ(importo->text(), QStringLiteral("12,5"));
  for (Qt::Key swallowed : {Qt::Key_Home, Qt::Key_Up, Qt::Key_End, Qt::Key_Minus}) QTest::keyClick(importo, swallowed);
  QTest::keyClick(importo, Qt::Key_Left);  // Left, Right, Backspace and Delete pass
  QTest::keyClick(importo, Qt::Key_Left);
  QTest::keyClick(importo, Qt::Key_Backspace);
  EXPECT_EQ(importo->text(), QStringLiteral("1,5"));
  EXPECT_EQ(importo->cursorPosition(), 1);
  pasteByKey(importo, QStringLiteral("9"));  // Ctrl+V is swallowed like every other key
  EXPECT_EQ(importo->text(), QStringLiteral("1,5"));
  pasteByMenu(importo, QStringLiteral("-7 €"));  // the menu's paste keeps the digits: no minus sign
  EXPECT_EQ(importo->text(), QStringLiteral("17,5"));

  // Leaving for another control normalises; another window taking the focus does not.
  QFocusEvent toAnotherWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(importo, &toAnotherWindow);
  EXPECT_EQ(importo->text(), QStringLiteral("17,5"));
  codice->setFocus();
  EXPECT_EQ(importo->text(), QStringLiteral("17,50"));
  // Free text in the code edit.
  typeKeys(codice, QStringLiteral("a-1"));
  EXPECT_EQ(codice->text(), QStringLiteral("A-1"));
}

// A box shown, then another edit focused by code behind it (a warning and the focus on
// its field): the amount is left all the same, and normalised.
TEST_F(CardFieldsTest, TheLeaveRuleRunsForAnEditLeftBehindAMessageBox) {
  typeKeys(importo, QStringLiteral("7,5"));
  {
    QWidget box;
    activate(&box);
    codice->setFocus();
    EXPECT_EQ(importo->text(), QStringLiteral("7,5"));  // not yet: the card is not active
  }
  activate(&w);
  EXPECT_EQ(importo->text(), QStringLiteral("7,50"));
}

TEST_F(CardFieldsTest, UpperCasingAppliesToTypedPastedAndInputMethodText) {
  typeKeys(codice, QStringLiteral("ab c"));
  EXPECT_EQ(codice->text(), QStringLiteral("ABC"));  // the blank went as it was typed

  codice->clear();
  pasteByKey(codice, QStringLiteral("\t x/y&z "));
  EXPECT_EQ(codice->text(), QStringLiteral("XYZ"));
  EXPECT_EQ(codice->cursorPosition(), 3);
  codice->setCursorPosition(1);
  pasteByKey(codice, QStringLiteral("w"));
  EXPECT_EQ(codice->text(), QStringLiteral("XWYZ"));
  EXPECT_EQ(codice->cursorPosition(), 2);  // the cursor stays after what was pasted

  codice->clear();
  inputMethod(codice, QStringLiteral("q&è"));
  EXPECT_EQ(codice->text(), QStringLiteral("Qè"));  // only a-z are raised

  // Text set by code is shown as it is.
  codice->setText(QStringLiteral(" a/b "));
  EXPECT_EQ(codice->text(), QStringLiteral(" a/b "));
}

TEST_F(CardFieldsTest, EveryWayInKeepsTheLengthAndTheRefusedCharactersButCodeSetTextIsWhole) {
  struct Way {
    const char* name;
    std::function<void(QLineEdit*, const QString&)> put;
  };
  const Way ways[] = {
      {"typed", typeKeys}, {"pasted by key", pasteByKey}, {"pasted by menu", pasteByMenu},
      {"dropped", drop},   {"input method", inputMethod},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    codice->clear();
    way.put(codice, QStringLiteral("a/b&cdefgh"));
    EXPECT_EQ(codice->text(), QStringLiteral("ABCDE"));  // 5 characters at most

    codice->setText(QStringLiteral("ABCDEFGHIJ"));  // by code: never cut
    way.put(codice, QStringLiteral("k"));
    EXPECT_EQ(codice->text(), QStringLiteral("ABCDEFGHIJ"));

    codice->setText(QStringLiteral("ABC"));
    way.put(codice, QStringLiteral("/&"));  // all refused: nothing happens
    EXPECT_EQ(codice->text(), QStringLiteral("ABC"));
  }
  // A selection makes room for what replaces it.
  codice->setText(QStringLiteral("ABCDE"));
  codice->selectAll();
  pasteByKey(codice, QStringLiteral("vwxyz123"));
  EXPECT_EQ(codice->text(), QStringLiteral("VWXYZ"));

  // A record read shows the whole stored value, and Save stores what is shown.
  codice->setText(QStringLiteral("LUNGO"));
  importo->setText(QStringLiteral("1234567,50"));  // longer than the 8 that can be typed
  data->setText(QStringLiteral("31/12/2025"));
  w.card->save();
  const QByteArray stored = dir.read(QStringLiteral("campi.dat"));
  EXPECT_EQ(stored, QByteArray("\x05LUNGO" "\x08" "1234567," "\x0A" "31/12/2025", 26));
  w.card->newCard();
  w.card->first();
  EXPECT_EQ(importo->text(), QStringLiteral("1234567,"));
}

TEST_F(CardFieldsTest, EveryKeyThatInsertsTextKeepsThePastingRule) {
  // Keys whose text is no printable character but that a line edit inserts all the
  // same: format characters (zero-width space, the zero-width non-joiner a Persian
  // keyboard gives on Shift+Space, the right-to-left override, the byte-order mark,
  // even with Ctrl held), a private-use character and one outside the basic plane.
  struct Key {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
  } keys[] = {
      {"U+200B", Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x200B))},
      {"U+200C on Shift+Space", Qt::Key_Space, Qt::ShiftModifier, QString(QChar(0x200C))},
      {"U+202E", Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x202E))},
      {"U+FEFF", Qt::Key_unknown, Qt::NoModifier, QString(QChar(0xFEFF))},
      {"U+200B with Ctrl+Shift", Qt::Key_unknown, Qt::ControlModifier | Qt::ShiftModifier, QString(QChar(0x200B))},
      {"U+E000", Qt::Key_unknown, Qt::NoModifier, QString(QChar(0xE000))},
      {"U+1F600", Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(U"\U0001F600")},
  };
  // The code edit is full (5 characters); the amount edit takes digits and a comma only.
  struct Edit {
    FilteredEdit* edit;
    QString start;
  } edits[] = {{codice, QStringLiteral("ABCDE")}, {importo, QStringLiteral("12")}};
  for (const Edit& e : edits) {
    for (const Key& k : keys) {
      SCOPED_TRACE(e.edit->objectName().toStdString() + " " + k.name);
      e.edit->setText(e.start);
      pasteByKey(e.edit, k.text);
      const QString pasted = e.edit->text();
      e.edit->setText(e.start);
      e.edit->setFocus();
      QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, k.text);
      QApplication::sendEvent(e.edit, &press);
      EXPECT_EQ(e.edit->text(), pasted);
      EXPECT_EQ(e.edit->text(), e.start);
    }
  }
  // Room left: the code edit takes a format character typed as it takes one pasted.
  codice->setText(QStringLiteral("AB"));
  codice->setFocus();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x200B)));
  QApplication::sendEvent(codice, &press);
  EXPECT_EQ(codice->text(), QStringLiteral("AB") + QChar(0x200B));
}

TEST_F(CardFieldsTest, DateEditOpensTheCalendarWithItsKeyWord) {
  EXPECT_TRUE(data->isReadOnly());
  data->setText(QStringLiteral("01/01/2020"));
  data->setFocus();
  QTest::keyClick(data, Qt::Key_X);
  EXPECT_EQ(w.calendars, QStringList({QStringLiteral("prova_data")}));
  EXPECT_EQ(data->text(), QStringLiteral("01/01/2020"));  // the key typed nothing
  pasteByKey(data, QStringLiteral("02/02/2022"));  // Ctrl+V is a key like any other
  EXPECT_EQ(w.calendars.size(), 2);
  inputMethod(data, QStringLiteral("3"));  // nor does an input method write into it
  EXPECT_EQ(data->text(), QStringLiteral("01/01/2020"));

  for (Qt::Key passes : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt}) QTest::keyClick(data, passes);
  EXPECT_EQ(w.calendars.size(), 2);
  QTest::keyClick(data, Qt::Key_Delete);
  EXPECT_TRUE(data->text().isEmpty());
  data->setText(QStringLiteral("01/01/2020"));
  QTest::keyClick(data, Qt::Key_Backspace);
  EXPECT_TRUE(data->text().isEmpty());
  QTest::keyClick(data, Qt::Key_Tab);
  EXPECT_NE(w.focusWidget(), data);
  EXPECT_EQ(w.calendars.size(), 2);
}

TEST_F(CardFieldsTest, FocusMarksAndHint) {
  auto* eff = w.findChild<platform::HighlightRect*>(QStringLiteral("effCodice"));
  ASSERT_NE(eff, nullptr);
  codice->setFocus();
  EXPECT_TRUE(eff->isVisible());
  importo->setFocus();
  EXPECT_FALSE(eff->isVisible());
  auto fill = [](QLineEdit* e) { return e->grab().toImage().pixelColor(e->width() / 2, e->height() - 4); };
  EXPECT_EQ(fill(importo), platform::kFocusYellow);
  EXPECT_EQ(fill(data), QColor(Qt::white));
  codice->setFocus();
  EXPECT_EQ(fill(importo), platform::kAliceBlue);

  auto* info = new QLabel(&w);
  w.setPanInfo(info);
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(codice, &enter);
  EXPECT_EQ(info->text(), QStringLiteral("Il codice dell'articolo."));
}

TEST(CardFieldsTable, DateWithoutNextOpensTheCalendarOnEnter) {
  const CardField rows[] = {{.control = "txtDataRil", .calendarKey = "dataril"}};
  TestCard w(rows);
  activate(&w);
  FilteredEdit* e = w.edit("txtDataRil");
  e->setFocus();
  QTest::keyClick(e, Qt::Key_Return);
  EXPECT_EQ(w.calendars, QStringList({QStringLiteral("dataril")}));
  EXPECT_EQ(w.focusWidget(), e);
}

TEST(CardFieldsTable, MistakesInATableAreCaughtWhenTheCardIsBuilt) {
  struct Case {
    const char* name;
    CardField row;
  };
  const Case cases[] = {
      {"Enter target missing", {.control = "txtUno", .next = "txtNessuno"}},
      {"a plain line edit of the window", {.control = "txtVecchio"}},
      {"no control name", {.field = "Codice"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform::Form w(nullptr, QStringLiteral("TfrmErrata"), platform::WindowKind::Maximized, QString(), 100, 100);
    (new QLineEdit(&w))->setObjectName(QStringLiteral("txtVecchio"));
    QLabel position(&w);
    kit::RecordCard card(w, testLayout(), &position);
    EXPECT_THROW(kit::CardFields(w, card, std::span(&c.row, 1), {.openCalendar = [](const QString&) {}}),
                 std::logic_error);
  }
  // A date edit needs a way to open the calendar.
  platform::Form w(nullptr, QStringLiteral("TfrmErrata"), platform::WindowKind::Maximized, QString(), 100, 100);
  QLabel position(&w);
  kit::RecordCard card(w, testLayout(), &position);
  const CardField date{.control = "txtData", .calendarKey = "prova_data"};
  EXPECT_THROW(kit::CardFields(w, card, std::span(&date, 1)), std::logic_error);
}

TEST(CardFieldsTable, AdmittedTextIsTheOneCharacterRule) {
  const CardField any{.control = "a"};
  const CardField plate{.control = "p", .refused = refusedInCodes};
  const CardField digits{.control = "d", .keys = kit::Keys::Digits};
  const CardField amount{.control = "m", .keys = kit::Keys::DigitsComma};
  struct Case {
    const char* name;
    const CardField& row;
    QString incoming;
    QString admitted;
  };
  const Case cases[] = {
      {"controls: C0, DEL and C1", any,
       QStringLiteral("a") + QChar(0) + QStringLiteral("\t\r\n") + QChar(0x1B) + QChar(0x7F) + QChar(0x80) +
           QChar(0x9F) + QStringLiteral("b"),
       QStringLiteral("ab")},
      {"everything printable passes", any, QStringLiteral(" àé-€/&<>\u00A0\U0001F600"),
       QStringLiteral(" àé-€/&<>\u00A0\U0001F600")},
      {"refused characters", plate, QStringLiteral("a/b&c"), QStringLiteral("abc")},
      {"digits only", digits, QStringLiteral("1 2,3.4-5a٣"), QStringLiteral("12345")},
      {"digits and commas", amount, QStringLiteral("-1.234,5,6"), QStringLiteral("1234,5,6")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(kit::admittedText(c.row, c.incoming), c.admitted);
  }
}

TEST(CardFieldsTable, LeaveRulesOfTheKit) {
  struct Case {
    QString text, digits, upper;
  };
  const Case cases[] = {
      {"", "", ""},
      {"01234567890", "01234567890", "01234567890"},
      {"123 45", "", "123 45"},
      {" 12", "", "12"},
      {"it12", "", "IT12"},
      {"\u0663\u0664", "", "\u0663\u0664"},  // digits of another script are not digits here
      {" rm ", "", "RM"},
      {"\u00e8x", "", "\u00e8X"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    EXPECT_EQ(kit::emptyUnlessDigits(c.text), c.digits);
    EXPECT_EQ(kit::trimmedUpper(c.text), c.upper);
  }
}

// A combo row: its list a help, its edit under the row's rules, its selection dropped
// when it takes the focus, its text stored and read like an edit's.
TEST(CardFieldsTable, ComboRowOffersItsListAndKeepsWhatItsRulesAdmit) {
  static constexpr const char* kCodes[] = {"AB", "AC", "RM"};
  const CardField rows[] = {
      {.control = "txtCodice", .field = "Codice", .maxLength = 2, .next = "txtImporto", .typing = kit::Typing::TrimUpper,
       .leave = kit::trimmedUpper, .mark = kit::highlight("effCodice"), .widget = kit::Widget::Combo, .items = kCodes},
      {.control = "txtImporto", .field = "Importo", .next = "txtCodice"},
  };
  TempExeDir dir;
  ScriptedDialogHost host;
  TestCard w(rows);
  activate(&w);
  auto* combo = w.findChild<QComboBox*>(QStringLiteral("txtCodice"));
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(combo->isEditable());
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(w.fields->control(0), combo);
  EXPECT_EQ(w.fields->edit(0), combo->lineEdit());

  combo->setFocus();
  EXPECT_TRUE(w.findChild<QWidget*>(QStringLiteral("effCodice"))->isVisible());
  QTest::keyClicks(combo, QStringLiteral("a"));
  EXPECT_EQ(combo->currentText(), QStringLiteral("A"));  // not completed from the list
  QTest::keyClicks(combo, QStringLiteral("c x"));
  EXPECT_EQ(combo->currentText(), QStringLiteral("AC"));  // the limit holds

  combo->setEditText(QStringLiteral(" q"));  // set by code, left as it is until left
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(w.focusWidget(), w.edit("txtImporto"));
  EXPECT_EQ(combo->currentText(), QStringLiteral("Q"));
  EXPECT_FALSE(w.findChild<QWidget*>(QStringLiteral("effCodice"))->isVisible());

  combo->setCurrentIndex(2);
  combo->setFocus();
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(combo->currentText(), QStringLiteral("RM"));

  w.card->save();
  EXPECT_EQ(dir.read(QStringLiteral("campi.dat")).left(3), QByteArray("\x02RM"));
  combo->setCurrentIndex(0);
  w.card->newCard();
  EXPECT_TRUE(combo->currentText().isEmpty());
  EXPECT_EQ(combo->currentIndex(), -1);
  w.card->first();
  EXPECT_EQ(combo->currentText(), QStringLiteral("RM"));
}

}  // namespace

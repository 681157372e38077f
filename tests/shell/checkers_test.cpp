// The four code checkers as the user meets them: opened by a card with its field's
// text, typed into, checked; every box asserted by kind and exact text.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>

#include "platform/qtext.h"
#include "shell/frm_carta.h"
#include "shell/frm_cod_fisc.h"
#include "shell/frm_iban.h"
#include "shell/frm_partita_iva.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using platform::MsgKind;

namespace {

const QString kCrLf2 = QStringLiteral("\r\n\r\n");

// What one "Controlla" did: the boxes shown and whether the window was still open.
struct Outcome {
  std::vector<RecordedBox> boxes;
  bool stillOpen = false;
  bool focusInEdit = false;
  QString editText;
};

// Opens a checker the way a card does and clicks "Controlla" once.
template <typename Opener>
Outcome openAndCheck(Opener opener, const QString& text, const QString& editName) {
  ScriptedDialogHost host;
  Outcome out;
  host.modalScripts.push_back([&](platform::Form& form) {
    auto* edit = form.findChild<QLineEdit*>(editName);
    auto* controlla = form.findChild<QPushButton*>(QStringLiteral("btnControlla"));
    if (!edit || !controlla) return;
    out.editText = edit->text();
    controlla->setFocus();
    click(controlla);
    out.stillOpen = form.isVisible();
    out.focusInEdit = form.focusWidget() == edit;
  });
  QWidget owner;
  opener(&owner, text);
  out.boxes = host.boxes;
  return out;
}

struct VerdictCase {
  const char* name;
  QString text;  // what the card passes
  MsgKind kind;
  QString message;
  bool stays;  // the window stays open with the focus in the edit
};

// Opens the checker through `opener` once per case, as a card does, and checks the
// edit's text, the one box "Controlla" shows and whether the window stayed open.
template <typename Opener>
void expectVerdicts(Opener opener, const QString& editName, std::initializer_list<VerdictCase> cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Outcome o = openAndCheck(opener, c.text, editName);
    EXPECT_EQ(o.editText, platform::trim(c.text));
    ASSERT_EQ(o.boxes.size(), 1u);
    EXPECT_EQ(o.boxes[0].kind, c.kind);
    EXPECT_EQ(o.boxes[0].text, c.message);
    EXPECT_EQ(o.stillOpen, c.stays);
    if (c.stays) {
      EXPECT_TRUE(o.focusInEdit);
    }
  }
}

}  // namespace

TEST(CheckerWindows, LayoutOfEachWindow) {
  struct Case {
    std::function<platform::Form*()> make;
    const char* className;
    const char* caption;
    QSize size;
    const char* edit;
    int limit;
    const char* title;
  };
  const Case cases[] = {
      {[] { return new TfrmCodFisc(nullptr); }, "TfrmCodFisc", " Controllo codice fiscale", {478, 254},
       "txtCodFisc", 16, "Immettere il codice fiscale e premere il pulsante di controllo."},
      {[] { return new TfrmPartitaIva(nullptr); }, "TfrmPartitaIva", " Controllo partita IVA", {480, 254},
       "txtPartitaIva", 11, "Immettere il numero di partita IVA e premere il pulsante di controllo."},
      {[] { return new TfrmCarta(nullptr); }, "TfrmCarta", " Controllo carta di credito", {519, 254},
       "txtNumero", 30, "Immettere il numero di carta di credito e premere il pulsante di controllo."},
      {[] { return new TfrmIban(nullptr); }, "TfrmIban", " Controllo IBAN", {608, 270}, "txtIban", 27,
       "Immettere l'IBAN e premere il pulsante di controllo."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.className);
    std::unique_ptr<platform::Form> form(c.make());
    EXPECT_EQ(form->objectName(), QString::fromLatin1(c.className));
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(form->kind(), platform::WindowKind::CentredOnScreen);
    EXPECT_EQ(form->size(), c.size);
    auto* edit = find<shell::CodeEdit>(form.get(), QString::fromLatin1(c.edit));
    auto* controlla = find<QPushButton>(form.get(), QStringLiteral("btnControlla"));
    auto* chiudi = find<QPushButton>(form.get(), QStringLiteral("btnChiudi"));
    auto* titolo = find<QLabel>(form.get(), QStringLiteral("lblTitolo"));
    ASSERT_TRUE(edit && controlla && chiudi && titolo);
    EXPECT_EQ(edit->typingLimit(), c.limit);
    EXPECT_EQ(controlla->text(), QStringLiteral("Controlla"));
    EXPECT_EQ(chiudi->text(), QStringLiteral("Chiudi"));
    EXPECT_FALSE(controlla->autoDefault());
    EXPECT_FALSE(chiudi->autoDefault());
    EXPECT_EQ(titolo->text(), QString::fromUtf8(c.title));
    EXPECT_EQ(edit->nextInFocusChain(), controlla);
    EXPECT_EQ(controlla->nextInFocusChain(), chiudi);

    // Shown, the focus is in the edit; "Chiudi" closes without a word.
    ScriptedDialogHost host;
    host.onModal = [&](platform::Form& f) {
      EXPECT_EQ(f.focusWidget(), edit);
      click(chiudi);
      EXPECT_FALSE(f.isVisible());
    };
    form->showModalDialog();
    EXPECT_TRUE(host.boxes.empty());
  }
}

TEST(TfrmCodFisc, VerdictsAndLengthWarning) {
  const QString length = QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
  const QString valid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
  const QString wrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
  expectVerdicts(&TfrmCodFisc::open, QStringLiteral("txtCodFisc"), {
      {"valid", QStringLiteral("RSSMRA85T10A562S"), MsgKind::Information, valid, false},
      {"lower case from the card", QStringLiteral("rssmra85t10a562s"), MsgKind::Information, valid, false},
      {"16th letter wrong", QStringLiteral("RSSMRA85T10A562Z"), MsgKind::Warning, wrong, false},
      {"colon counts zero", QStringLiteral("RSSMRA85T10A56:N"), MsgKind::Information, valid, false},
      {"punctuation is wrong, not a crash", QStringLiteral("RSSMRA85T10A56-N"), MsgKind::Warning, wrong, false},
      {"accented letter", QStringLiteral("RSSMRÈ85T10A562S"), MsgKind::Warning, wrong, false},
      {"15 characters", QStringLiteral("RSSMRA85T10A562"), MsgKind::Warning, length, true},
      {"empty", QString(), MsgKind::Warning, length, true},
  });
}

TEST(TfrmCodFisc, TypingTrimsUpperCasesAndStopsAtSixteen) {
  TfrmCodFisc form(nullptr);
  form.show();
  typeInto(form.txtCodFisc, QStringLiteral(" rssmra85"));
  EXPECT_EQ(form.txtCodFisc->text(), QStringLiteral("RSSMRA85"));
  QTest::keyClicks(form.txtCodFisc, QStringLiteral("t10a562sXYZ"));
  EXPECT_EQ(form.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562S"));
  // Typing in the middle keeps the cursor where the user is typing.
  form.txtCodFisc->setText(QStringLiteral("RSSMRA"));
  form.txtCodFisc->setCursorPosition(3);
  QTest::keyClicks(form.txtCodFisc, QStringLiteral("xy"));
  EXPECT_EQ(form.txtCodFisc->text(), QStringLiteral("RSSXYMRA"));
  EXPECT_EQ(form.txtCodFisc->cursorPosition(), 5);

  // Enter moves to "Controlla"; Enter there runs the check.
  ScriptedDialogHost host;
  form.txtCodFisc->setText(QStringLiteral("RSSMRA85T10A562"));
  form.txtCodFisc->setFocus();
  pressKey(form.txtCodFisc, Qt::Key_Return);
  EXPECT_EQ(form.focusWidget(), form.btnControlla);
  EXPECT_TRUE(host.boxes.empty());
  pressKey(form.btnControlla, Qt::Key_Return);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
  EXPECT_TRUE(form.isVisible());
}

TEST(TfrmCodFisc, CardTaxCodeButtonChoosesTheChecker) {
  struct Case { const char* name; QString card; QString window; QString edit; QString text; };
  const Case cases[] = {
      {"empty", QStringLiteral("   "), QStringLiteral("TfrmCodFisc"), QStringLiteral("txtCodFisc"), QString()},
      {"digits only", QStringLiteral(" 07643520567 "), QStringLiteral("TfrmPartitaIva"),
       QStringLiteral("txtPartitaIva"), QStringLiteral("07643520567")},
      {"tax code", QStringLiteral("rssmra85t10a562s "), QStringLiteral("TfrmCodFisc"), QStringLiteral("txtCodFisc"),
       QStringLiteral("rssmra85t10a562s")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialogHost host;
    QString seen;
    host.onModal = [&](platform::Form& f) {
      if (auto* e = f.findChild<QLineEdit*>(c.edit)) seen = e->text();
    };
    QWidget card;
    TfrmCodFisc::openForCardCode(&card, c.card);
    EXPECT_EQ(host.modalShown, QStringList{c.window});
    EXPECT_EQ(seen, c.text);
    // Freed when it returns: nothing is left under the card.
    EXPECT_TRUE(card.findChildren<platform::Form*>().isEmpty());
  }
}

TEST(TfrmPartitaIva, VerdictsWithTheOfficeTown) {
  const QString valid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + kCrLf2 +
                        QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ");
  const QString wrong = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!") + kCrLf2 +
                        QStringLiteral("Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");
  const QString length = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
  expectVerdicts(&TfrmCodFisc::openForCardCode, QStringLiteral("txtPartitaIva"), {
      {"Viterbo", QStringLiteral("07643520567"), MsgKind::Information, valid + QStringLiteral("Viterbo."), false},
      {"Forlì", QStringLiteral("12345670405"), MsgKind::Information, valid + QStringLiteral("Forlì."), false},
      {"office 103, no town", QStringLiteral("12345671031"), MsgKind::Information, valid + QStringLiteral("."), false},
      {"wrong check digit", QStringLiteral("07643520560"), MsgKind::Warning, wrong, false},
      {"10 digits", QStringLiteral("0764352056"), MsgKind::Warning, length, true},
      // A 16-digit tax-code field reaches this checker whole and is told its length.
      {"16 digits from a tax-code field", QStringLiteral("0764352056712345"), MsgKind::Warning, length, true},
  });
}

TEST(TfrmPartitaIva, OnlyDigitsAndEditingKeysGetThrough) {
  TfrmPartitaIva form(nullptr);
  form.show();
  typeInto(form.txtPartitaIva, QStringLiteral("07a6-4 3,5.2x0567999"));
  EXPECT_EQ(form.txtPartitaIva->text(), QStringLiteral("07643520567"));
  pressKey(form.txtPartitaIva, Qt::Key_Left);
  pressKey(form.txtPartitaIva, Qt::Key_Backspace);
  pressKey(form.txtPartitaIva, Qt::Key_Left);
  pressKey(form.txtPartitaIva, Qt::Key_Delete);
  EXPECT_EQ(form.txtPartitaIva->text(), QStringLiteral("076435207"));
  pressKey(form.txtPartitaIva, Qt::Key_Return);
  EXPECT_EQ(form.focusWidget(), form.btnControlla);
}

TEST(TfrmCarta, VerdictsAndKinds) {
  const QString wrong = QStringLiteral("Attenzione: il numero digitato risulta ERRATO!") + kCrLf2 +
                        QStringLiteral("Non è quindi possibile fornire informazioni relative al tipo di carta di credito.");
  const QString empty =
      QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
  auto valid = [](const QString& number, const QString& kind) {
    return QStringLiteral("Il numero di carta di credito ") + number + QStringLiteral(" risulta valido.") + kCrLf2 +
           QStringLiteral("La carta di credito è del tipo ") + kind + QStringLiteral(".");
  };
  expectVerdicts(&TfrmCarta::open, QStringLiteral("txtNumero"), {
      {"Visa", QStringLiteral("4111111111111111"), MsgKind::Information,
       valid(QStringLiteral("4111111111111111"), QStringLiteral("Visa")), false},
      {"MasterCard", QStringLiteral("5555555555554444"), MsgKind::Information,
       valid(QStringLiteral("5555555555554444"), QStringLiteral("MasterCard")), false},
      {"American Express", QStringLiteral(" 378282246310005 "), MsgKind::Information,
       valid(QStringLiteral("378282246310005"), QStringLiteral("American Express")), false},
      {"one digit wrong", QStringLiteral("4111111111111121"), MsgKind::Warning, wrong, false},
      {"Luhn ok, starts with 2", QStringLiteral("2000000000000006"), MsgKind::Warning, wrong, false},
      // Kind code 1 with no kind for its prefix: warned like any unknown number.
      {"prefix 32", QStringLiteral("3200000000000002"), MsgKind::Warning, wrong, false},
      {"prefix 39", QStringLiteral("3900000000000005"), MsgKind::Warning, wrong, false},
      {"blanks only", QStringLiteral("   "), MsgKind::Warning, empty, true},
  });
}

TEST(TfrmCarta, TypingKeepsDigitsUpToThirty) {
  TfrmCarta form(nullptr);
  form.show();
  typeInto(form.txtNumero, QStringLiteral("4111 1111-1111x1111"));
  EXPECT_EQ(form.txtNumero->text(), QStringLiteral("4111111111111111"));
  QTest::keyClicks(form.txtNumero, QStringLiteral("123456789012345678901234567890"));
  EXPECT_EQ(form.txtNumero->text().size(), 30);
  pressKey(form.txtNumero, Qt::Key_Return);
  EXPECT_EQ(form.focusWidget(), form.btnControlla);
}

TEST(TfrmIban, VerdictsAndLengthWarning) {
  const QString valid = QStringLiteral("L'IBAN digitato è VALIDO.");
  const QString wrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");
  const QString length = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
  expectVerdicts(&TfrmIban::open, QStringLiteral("txtIban"), {
      {"valid", QStringLiteral("IT60X0542811101000000123456"), MsgKind::Information, valid, false},
      {"lower case from the card", QStringLiteral("it60x0542811101000000123456"), MsgKind::Information, valid, false},
      {"one digit changed", QStringLiteral("IT60X0542811101000000123457"), MsgKind::Warning, wrong, false},
      {"27 with the word IBAN", QStringLiteral("IBANIT60X054281110100000012"), MsgKind::Warning, wrong, false},
      {"26 characters", QStringLiteral("IT60X054281110100000012345"), MsgKind::Warning, length, true},
  });
}

TEST(TfrmIban, TypedLowerCasePasses) {
  TfrmIban form(nullptr);
  form.show();
  typeInto(form.txtIban, QStringLiteral(" it60x0542811101000000123456 99"));
  EXPECT_EQ(form.txtIban->text(), QStringLiteral("IT60X0542811101000000123456"));
  ScriptedDialogHost host;
  click(form.btnControlla);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(host.last().text, QStringLiteral("L'IBAN digitato è VALIDO."));
  EXPECT_FALSE(form.isVisible());
}

TEST(CodeEdit, LimitHoldsForTypingNotForTheCard) {
  TfrmCodFisc form(nullptr);
  form.show();
  // The card's text stays whole, so the check sees what the card holds.
  form.txtCodFisc->setText(QStringLiteral("RSSMRA85T10A562SX"));
  form.txtCodFisc->setFocus();
  form.txtCodFisc->end(false);
  QTest::keyClicks(form.txtCodFisc, QStringLiteral("Y"));
  EXPECT_EQ(form.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562SX"));
  pressKey(form.txtCodFisc, Qt::Key_Backspace);
  EXPECT_EQ(form.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562S"));
  QTest::keyClicks(form.txtCodFisc, QStringLiteral("Y"));
  EXPECT_EQ(form.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562S"));
  // A paste keeps what fits.
  form.txtCodFisc->setText(QStringLiteral("RSSMRA85"));
  form.txtCodFisc->end(false);
  form.txtCodFisc->insert(QStringLiteral("T10A562SABCDEF"));
  EXPECT_EQ(form.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562S"));
}

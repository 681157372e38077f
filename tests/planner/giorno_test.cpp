// The single-day booking dialog: its status pictures, its key, what "Applica e chiudi"
// writes on the board, clear, copy and what it leaves alone.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/app.h"
#include "planner/frm_giorno.h"
#include "planner/frm_planning.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "support/app/card_window.h"

using platform::MsgKind;

namespace {

class Giorno : public CardWindowTest<TfrmPlanning, &App::frmPlanning> {
 protected:
  void SetUp() override {
    CardWindowTest::SetUp();
    dlg = std::make_unique<TfrmGiorno>(w);
  }
  void TearDown() override {
    dlg.reset();
    CardWindowTest::TearDown();
  }
  // The board's day as the board holds it.
  QString memo(const char16_t* key) const { return w->dayText(*planner::dayOfKey(key)); }
  bool booked(const char16_t* key) const { return w->isDayBooked(*planner::dayOfKey(key)); }
  bool bookedPairShown() const {
    const bool booked = dlg->icoOccupata->isVisibleTo(dlg.get()) && dlg->icnOccupata->isVisibleTo(dlg.get());
    const bool free = dlg->icoLibera->isVisibleTo(dlg.get()) && dlg->icnLibera->isVisibleTo(dlg.get());
    EXPECT_NE(booked, free) << "exactly one pair is shown";
    return booked;
  }
  std::unique_ptr<TfrmGiorno> dlg;
};

TEST_F(Giorno, ShowsItsFormAndTheFocusInTheText) {
  EXPECT_EQ(dlg->objectName(), "TfrmGiorno");
  EXPECT_EQ(dlg->windowTitle(), " Prenotazione noleggio veicolo");
  EXPECT_EQ(dlg->size(), QSize(660, 425));
  EXPECT_EQ(dlg->memory(), "lblMemory");
  EXPECT_FALSE(dlg->lblMemory()->isVisibleTo(dlg.get()));
  EXPECT_EQ(dlg->infGiorno->text(), "Data prenotazione");
  EXPECT_EQ(dlg->infCamera->text(), "Attrezzatura");
  EXPECT_EQ(dlg->btnChiudi->text(), "Applica e chiudi");
  EXPECT_EQ(dlg->btnAnnulla->text(), "Annulla");
  EXPECT_FALSE(dlg->btnChiudi->isDefault() || dlg->btnChiudi->autoDefault());
  EXPECT_TRUE(dlg->icoIstruzioni->text().contains("nome del cliente"));
  EXPECT_EQ(dlg->icoLibera->text(), "DISPONIBILE");
  EXPECT_EQ(dlg->icoOccupata->text(), "PRENOTATO");
  EXPECT_FALSE(bookedPairShown());
  activate(dlg.get());
  EXPECT_TRUE(dlg->txtPrenotazione->hasFocus());
}

TEST_F(Giorno, TheStatusPairFollowsTheTrimmedText) {
  dlg->txtPrenotazione->setText(QStringLiteral("Rossi"));  // the opener's filling
  EXPECT_TRUE(bookedPairShown());
  dlg->txtPrenotazione->clear();
  EXPECT_FALSE(bookedPairShown());
  activate(dlg.get());
  QTest::keyClicks(dlg->txtPrenotazione, "  ");
  EXPECT_FALSE(bookedPairShown());
  QTest::keyClicks(dlg->txtPrenotazione, "B");
  EXPECT_TRUE(bookedPairShown());
  QTest::keyClick(dlg->txtPrenotazione, Qt::Key_Backspace);
  EXPECT_FALSE(bookedPairShown());
}

TEST_F(Giorno, TypingAndPastingStopAtFiftyCharactersWithoutControls) {
  activate(dlg.get());
  QTest::keyClicks(dlg->txtPrenotazione, QString(60, 'a'));
  EXPECT_EQ(dlg->txtPrenotazione->text(), QString(50, 'a'));
  dlg->txtPrenotazione->clear();
  QGuiApplication::clipboard()->setText(QStringLiteral("Rossi\tMario\n") + QString(60, 'b'));
  QTest::keyClick(dlg->txtPrenotazione, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(dlg->txtPrenotazione->text(), QStringLiteral("RossiMario") + QString(40, 'b'));
  // Enter neither applies nor moves on.
  QTest::keyClick(dlg->txtPrenotazione, Qt::Key_Return);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_TRUE(dlg->txtPrenotazione->hasFocus());
  EXPECT_EQ(w->dayText(planner::boardDays()[0]), "");
}

TEST_F(Giorno, ApplyWritesTheDayTheKeyNamesExactlyAndAlwaysCloses) {
  struct Case {
    const char* memory;
    const char16_t* written;  // null: no day
  };
  const Case cases[] = {
      {"gen_01", u"gen_01"}, {" gen_01 ", u"gen_01"}, {"feb_29", u"feb_29"}, {"dic_31", u"dic_31"},
      {"Gen_01", nullptr},   {"gen_1", nullptr},      {"gen_32", nullptr},   {"lblMemory", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.memory);
    w->cmdNuovoClick();
    TfrmGiorno d(w);
    d.show();
    d.setMemory(QString::fromLatin1(c.memory));
    d.txtPrenotazione->setText(QStringLiteral("  Rossi  Mario  "));
    click(d.btnChiudi);
    EXPECT_FALSE(d.isVisible());
    int bookedCount = 0;
    for (const planner::BoardDay& day : planner::boardDays()) bookedCount += w->isDayBooked(day);
    if (c.written) {
      EXPECT_EQ(bookedCount, 1);
      EXPECT_TRUE(booked(c.written));
      EXPECT_EQ(memo(c.written), "Rossi  Mario");
    } else {
      EXPECT_EQ(bookedCount, 0);
    }
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Giorno, BlanksFreeTheDayAndAnnullaOrClearAloneWriteNothing) {
  w->setDay(*planner::dayOfKey(u"lug_04"), QStringLiteral("Bianchi"));
  const struct {
    const char* name;
    std::function<void(TfrmGiorno&)> act;
    bool stillBooked;
  } cases[] = {
      {"clear, then Annulla", [](TfrmGiorno& d) { click(d.cmdCancella); click(d.btnAnnulla); }, true},
      {"Annulla", [](TfrmGiorno& d) { d.txtPrenotazione->setText("Altro"); click(d.btnAnnulla); }, true},
      {"unchanged, applied", [](TfrmGiorno& d) { click(d.btnChiudi); }, true},
      {"blanks, applied", [](TfrmGiorno& d) { d.txtPrenotazione->setText("    "); click(d.btnChiudi); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TfrmGiorno d(w);
    d.show();
    d.setMemory(QStringLiteral("lug_04"));
    d.txtPrenotazione->setText(memo(u"lug_04"));
    c.act(d);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(booked(u"lug_04"), c.stillBooked);
    EXPECT_EQ(memo(u"lug_04"), c.stillBooked ? "Bianchi" : "");
  }
}

TEST_F(Giorno, ClearEmptiesTheTextAndKeepsTheFocus) {
  activate(dlg.get());
  dlg->txtPrenotazione->setText(QStringLiteral("Rossi"));
  click(dlg->cmdCancella);
  EXPECT_EQ(dlg->txtPrenotazione->text(), "");
  EXPECT_FALSE(bookedPairShown());
  EXPECT_TRUE(dlg->txtPrenotazione->hasFocus());
  EXPECT_TRUE(dlg->isVisible());
}

TEST_F(Giorno, CopyPutsTheTextAsTypedOnTheClipboard) {
  activate(dlg.get());
  QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
  dlg->txtPrenotazione->setText(QStringLiteral("   "));
  click(dlg->cmdClipboard);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
  EXPECT_EQ(host.last().text, "Attenzione: il campo di testo non contiene nessun dato da copiare in memoria.");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "prima");
  EXPECT_TRUE(dlg->txtPrenotazione->hasFocus());

  dlg->txtPrenotazione->setText(QStringLiteral(" Rossi 333 "));
  click(dlg->cmdClipboard);
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(host.last().text, "Il contenuto del campo di testo è stato copiato in memoria.");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), " Rossi 333 ");
  EXPECT_TRUE(dlg->isVisible());
}

TEST_F(Giorno, ACopyTheClipboardDoesNotKeepIsAnErrorAndTheDialogGoesOn) {
  activate(dlg.get());
  // Another program takes the clipboard back the moment the text lands on it.
  QClipboard* clipboard = QGuiApplication::clipboard();
  bool taken = false;
  const auto connection = QObject::connect(clipboard, &QClipboard::dataChanged, [&] {
    if (taken) return;
    taken = true;
    clipboard->setText(QStringLiteral("altro"));
  });
  dlg->txtPrenotazione->setText(QStringLiteral("Rossi"));
  click(dlg->cmdClipboard);
  QObject::disconnect(connection);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Error);
  EXPECT_EQ(host.last().text, "Impossibile copiare il testo negli appunti.");
  // The dialog goes on, and a later copy works.
  EXPECT_TRUE(dlg->isVisible());
  click(dlg->cmdClipboard);
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(clipboard->text(), "Rossi");
}

}  // namespace

// The mileage search and the three mileage lists: what each lists, their lines, the
// double-click that shows a deadline on the card, the key word, print.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <functional>
#include <memory>

#include "app/app.h"
#include "kit/search_window.h"
#include "maintenance/frm_chilometrico.h"
#include "maintenance/frm_da_effettuare.h"
#include "maintenance/frm_effettuate.h"
#include "maintenance/frm_scadute_km.h"
#include "maintenance/frm_trova_chilometrico.h"
#include "support/helpers.h"
#include "support/mileage_archive.h"
#include "support/result_list.h"
#include "support/scripted_host.h"

namespace {

DeadlineFields deadline(const QString& make, const QString& state, const QString& done,
                        DeadlineFields more = {}) {
  DeadlineFields d{{"Veicolo", "Furgone"},  {"Marca", make},        {"Modello", "Ducato"},
                   {"Targa", make.left(2).toUpper() + "123CD"}, {"Manutenzione", "Tagliando"},
                   {"KmRil", "1000"},       {"Prossima", "1200"},   {"KmAttuali", "1100"},
                   {"DataRil", "01/02/2024"}, {"Stato", state},     {"Effettuata", done}};
  for (const auto& [k, v] : more) d[k] = v;
  return d;
}

// The lines as the lists show them, built here independently of the program.
QString col(const QString& s, int n) { return s.leftJustified(n, QLatin1Char(' '), true); }
QString field(const DeadlineFields& d, std::string_view name) {
  auto it = d.find(name);
  return it == d.end() ? QString() : it->second;
}
QString mileageLineOf(const DeadlineFields& d) {
  return col(field(d, "Marca") + " " + field(d, "Modello"), 30) + "  Targa: " + col(field(d, "Targa"), 12) + "  " +
         col(field(d, "Manutenzione"), 40) + "  Km iniziali: " + col(field(d, "KmRil"), 12) +
         "  Scadenza a km: " + field(d, "Prossima");
}
QString doneLineOf(const DeadlineFields& d) {
  return col(field(d, "Marca") + " " + field(d, "Modello"), 32) + "  Targa: " + col(field(d, "Targa"), 12) + "  " +
         col(field(d, "Manutenzione"), 45) + "  Data: " + col(field(d, "DataInt"), 10) +
         "  Km attuali: " + field(d, "KmAttuali");
}

const DeadlineFields kDone = deadline("Iveco", "VALIDA", "Sì", {{"DataInt", "15/01/2024"}, {"KmAttuali", "1190"}});
const DeadlineFields kDoneAfterExpiring = deadline("Alfa", "SCADUTA", "Sì");  // no intervention date
const DeadlineFields kToDo = deadline("Fiat", "VALIDA", "No");
const DeadlineFields kExpired = deadline("Citroen", "SCADUTA", "No", {{"KmAttuali", "1300"}});
// Beyond its due reading, but stored valid: the expired list trusts the stored state.
const DeadlineFields kStaleValid = deadline("Renault", "VALIDA", "No", {{"KmAttuali", "9999"}});
const DeadlineFields kOddFlag = deadline("Opel", "SCADUTA", "si");

struct ListCase {
  const char* cls;
  std::function<kit::SearchWindow*()> make;
  const char* caption;
  const char* printTitle;
  QStringList lines;
};

class MileageLists : public ::testing::Test {
 protected:
  void SetUp() override {
    card = new TfrmChilometrico(nullptr);
    app().adopt(card);
    app().frmChilometrico = card;
    card->cmdNuovoClick();
    appendDeadlines({kDone, kToDo, kExpired, kStaleValid, kDoneAfterExpiring, kOddFlag});
  }
  void TearDown() override { app().destroyWindows(); }

  TempExeDir dir;
  ScriptedDialogHost host;
  TfrmChilometrico* card = nullptr;
};

TEST_F(MileageLists, EachListTakesItsDeadlinesSortedWithTheirLines) {
  const ListCase cases[] = {
      {"TfrmEffettuate", [] { return new TfrmEffettuate(nullptr); }, " Riepilogo manutenzioni effettuate",
       "Riepilogo manutenzioni effettuate", {doneLineOf(kDoneAfterExpiring), doneLineOf(kDone)}},
      {"TfrmDaEffettuare", [] { return new TfrmDaEffettuare(nullptr); }, " Riepilogo manutenzioni da effettuare",
       "Riepilogo manutenzioni da effettuare",
       {mileageLineOf(kExpired), mileageLineOf(kToDo), mileageLineOf(kStaleValid)}},
      {"TfrmScaduteKm", [] { return new TfrmScaduteKm(nullptr); }, " Riepilogo manutenzioni scadute",
       "Riepilogo manutenzioni scadute", {mileageLineOf(kExpired)}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.cls);
    std::unique_ptr<kit::SearchWindow> w(c.make());
    w->show();
    EXPECT_EQ(w->objectName(), QString::fromLatin1(c.cls));
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(listLines(w->lstRecords), c.lines);
    EXPECT_EQ(w->lblTrovate, nullptr);  // no counter
    EXPECT_EQ(w->panAvvio, nullptr);    // no filters
    EXPECT_NE(w->txtTrova, nullptr);
    EXPECT_EQ(w->lblRigo03->text(), QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"));
    EXPECT_EQ(w->listSettings().printTitle, QString::fromUtf8(c.printTitle));
    EXPECT_EQ(w->focusWidget(), w->txtTrova);
  }
  // The done list shows an empty intervention date as ten blanks, the current reading at 133.
  const QString noDate = doneLineOf(kDoneAfterExpiring);
  EXPECT_EQ(noDate.mid(108, 10), QString(10, QLatin1Char(' ')));
  EXPECT_EQ(noDate.mid(132), QStringLiteral("1100"));
  EXPECT_EQ(mileageLineOf(kExpired).mid(137), QStringLiteral("1200"));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(MileageLists, TheFindBoxShowsItsHighlightWhileItHasTheFocus) {
  const std::function<kit::SearchWindow*()> lists[] = {
      [] { return new TfrmEffettuate(nullptr); },
      [] { return new TfrmDaEffettuare(nullptr); },
      [] { return new TfrmScaduteKm(nullptr); },
  };
  for (const auto& make : lists) {
    std::unique_ptr<kit::SearchWindow> w(make());
    SCOPED_TRACE(w->objectName().toStdString());
    activate(w.get());
    auto* eff = w->findChild<QWidget*>(QStringLiteral("effTrova"));
    ASSERT_NE(eff, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), w->txtTrova);
    EXPECT_TRUE(eff->isVisible());
    w->btnTrova->setFocus();
    EXPECT_FALSE(eff->isVisible());
    w->txtTrova->setFocus();
    EXPECT_TRUE(eff->isVisible());
  }
}

TEST_F(MileageLists, DoubleClickShowsTheDeadlineOnTheCardTheLaterOfTwoEqualLinesWinning) {
  // A later deadline giving the same to-do line, done meanwhile: it is what the card shows.
  DeadlineFields twin = kToDo;
  twin["Effettuata"] = "Sì";
  twin["Note"] = "la seconda";
  appendDeadlines({twin});
  TfrmDaEffettuare list(card);
  list.show();
  const int row = static_cast<int>(listLines(list.lstRecords).indexOf(mileageLineOf(kToDo)));
  ASSERT_GE(row, 0);
  selectLine(list.lstRecords, row);
  list.lstRecordsDblClick();
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("7"));
  EXPECT_EQ(card->txtNote->text(), QStringLiteral("la seconda"));
  EXPECT_EQ(card->txtMarca->text(), QStringLiteral("Fiat"));
  EXPECT_TRUE(card->chkEffettuata->isChecked());
  EXPECT_EQ(card->txtKmAttuali->text(), QStringLiteral("1100"));
  EXPECT_EQ(card->txtStato->text(), QStringLiteral("VALIDA"));
}

TEST_F(MileageLists, ADeadlineSavedExpiredThenDoneMovesToTheDoneList) {
  auto linesOf = [](auto* w) {
    w->show();
    const QStringList lines = listLines(w->lstRecords);
    delete w;
    return lines;
  };
  card->cmdAvantiClick();
  card->cmdAvantiClick();
  card->cmdAvantiClick();  // record 3, the expired one
  ASSERT_EQ(card->txtMarca->text(), QStringLiteral("Citroen"));
  card->chkEffettuata->setChecked(true);
  card->cmdSalvaClick();
  EXPECT_FALSE(linesOf(new TfrmScaduteKm(nullptr)).contains(mileageLineOf(kExpired)));
  EXPECT_FALSE(linesOf(new TfrmDaEffettuare(nullptr)).contains(mileageLineOf(kExpired)));
  EXPECT_TRUE(linesOf(new TfrmEffettuate(nullptr)).contains(doneLineOf(kExpired)));
}

class MileageSearch : public MileageLists {
 protected:
  std::unique_ptr<TfrmTrovaChilometrico> open(const QString& keyWord) {
    auto w = std::make_unique<TfrmTrovaChilometrico>(card);
    w->setMemory(keyWord);
    w->show();
    return w;
  }
};

TEST_F(MileageSearch, TenFiltersInTheirChainWithTheirLabels) {
  auto w = open(QStringLiteral("chilometrico"));
  EXPECT_EQ(w->windowTitle(), QStringLiteral(" Trova scadenze chilometriche"));
  const QStringList chain{"txtVeicolo",  "txtTarga",    "txtMarca",   "txtModello",  "txtConducente",
                          "txtManutenzione", "txtOfficina", "txtDataInt", "txtDettagli", "txtNote"};
  const QStringList captions{"Tipo veicolo:",       "Targa:",        "Marca:",
                             "Modello:",            "Conduttore:",   "Tipo manutenzione:",
                             "Officina incaricata:", "Data intervento (gg/mm/aaaa):", "Dettagli intervento:",
                             "Note:"};
  ASSERT_EQ(w->filterEdits.size(), 10);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(w->filterEdits[i]->objectName(), chain[i]);
    EXPECT_EQ(w->filterLabels[i]->text(), captions[i]);
    EXPECT_NE(find<QWidget>(w.get(), QStringLiteral("effCampo%1").arg(i + 1, 2, 10, QLatin1Char('0'))), nullptr);
  }
  EXPECT_EQ(w->txtVeicolo, w->filterEdits[0]);
  EXPECT_EQ(w->txtNote, w->filterEdits[9]);
  EXPECT_EQ(w->lblTrovate->text(), QStringLiteral("Il presente elenco contiene 0 schede."));
}

TEST_F(MileageSearch, FiltersMatchAsSubstringsAndBlanksNeverMatch) {
  appendDeadlines({deadline("Lancia", "VALIDA", "No", {{"DataInt", "03/11/2015"}, {"Note", "ok  fatto"}})});
  struct Case {
    const char* name;
    std::map<QString, QString> filters;
    int found;
  };
  const Case cases[] = {
      {"no filter", {}, 7},
      {"15 anywhere in the date", {{"txtDataInt", "15"}}, 2},  // 15/01/2024 and 03/11/2015
      {"make in capitals, model in small letters", {{"txtMarca", "FIAT"}, {"txtModello", "ducato"}}, 1},
      {"blanks only: no filter at all", {{"txtNote", "  "}}, 7},
      {"a word and blanks: the blanks match nothing", {{"txtMarca", "lancia"}, {"txtNote", "  "}}, 1},
      {"a word nobody has", {{"txtOfficina", "Centrale"}}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = open(QStringLiteral("chilometrico"));
    for (const auto& [name, text] : c.filters) w->filterEdit(name)->setText(text);
    click(w->btnCerca);
    EXPECT_EQ(listCount(w->lstRecords), c.found);
    EXPECT_EQ(w->lblTrovate->text(), QStringLiteral("Il presente elenco contiene %1 schede.").arg(c.found));
  }
}

TEST_F(MileageSearch, OnlyTheCardsKeyWordWrites) {
  for (const QString& keyWord : {QStringLiteral("Chilometrico"), QStringLiteral("scadenzario"), QString()}) {
    SCOPED_TRACE(keyWord.toStdString());
    auto w = open(keyWord);
    w->txtMarca->setText(QStringLiteral("Fiat"));
    click(w->btnCerca);
    selectLine(w->lstRecords, 0);
    w->lstRecordsDblClick();
    EXPECT_FALSE(w->isVisible());  // the window closes all the same
    EXPECT_TRUE(card->lblPosizione->text().isEmpty());
    EXPECT_TRUE(card->txtMarca->text().isEmpty());
  }
  auto w = open(QStringLiteral(" chilometrico "));  // compared trimmed
  w->txtMarca->setText(QStringLiteral("Fiat"));
  click(w->btnCerca);
  selectLine(w->lstRecords, 0);
  w->lstRecordsDblClick();
  EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("2"));
  EXPECT_EQ(card->txtMarca->text(), QStringLiteral("Fiat"));
  EXPECT_EQ(card->txtDataRil->text(), QStringLiteral("01/02/2024"));
}

TEST_F(MileageSearch, StampaPrintsTheListUnderItsTitle) {
  auto w = open(QStringLiteral("chilometrico"));
  click(w->btnCerca);
  host.printPdfPath = dir.file(QStringLiteral("lista.pdf"));
  click(w->btnStampa);
  EXPECT_EQ(host.printDialogs, 1);
  ASSERT_TRUE(dir.exists(QStringLiteral("lista.pdf")));
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), dir.file(QStringLiteral("lista.pdf")),
                                                QStringLiteral("-")});
  if (!pdftotext.waitForFinished(20000)) GTEST_SKIP() << "pdftotext not available";
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QStringLiteral("Scadenzario chilometrico")));
  EXPECT_TRUE(text.contains(QStringLiteral("Targa: CI123CD")));
}

}  // namespace

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "app/app.h"
#include "core/clock.h"
#include "shell/frm_calendario.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

namespace {

// A stand-in for a card: a long-lived window of the right class with its date edits.
class StandInCard : public platform::Form {
 public:
  StandInCard(const QString& className, const QStringList& edits)
      : platform::Form(nullptr, className, platform::WindowKind::Maximized, " " + className, 400, 300) {
    for (const QString& name : edits) {
      auto* e = new QLineEdit(this);
      e->setObjectName(name);
      e->setReadOnly(true);
    }
  }
};

struct KeyWordCase {
  const char* keyWord;
  const char* window;
  const char* field;
};
const KeyWordCase kKeyWords[] = {
    {"autoparco_lettura", "TfrmAutoparco", "txtLettura"},
    {"autoparco_scadrevisione", "TfrmAutoparco", "txtScadRevisione"},
    {"autoparco_scadtagliando", "TfrmAutoparco", "txtScadTagliando"},
    {"autoparco_scadassicurazione", "TfrmAutoparco", "txtScadAssicurazione"},
    {"autoparco_scadbollo", "TfrmAutoparco", "txtScadBollo"},
    {"datapartenza", "TfrmServizi", "txtDataPartenza"},
    {"datarientro", "TfrmServizi", "txtDataRientro"},
    {"datarif01", "TfrmServizi", "txtDataRif01"},
    {"datarif02", "TfrmServizi", "txtDataRif02"},
    {"datarif03", "TfrmServizi", "txtDataRif03"},
    {"datarif04", "TfrmServizi", "txtDataRif04"},
    {"datarif05", "TfrmServizi", "txtDataRif05"},
    {"dataent", "TfrmRegistro", "txtDataEnt"},
    {"datausc", "TfrmRegistro", "txtDataUsc"},
    {"dataint", "TfrmChilometrico", "txtDataInt"},
    {"dataril", "TfrmChilometrico", "txtDataRil"},
    {"dataatt", "TfrmChilometrico", "txtDataAtt"},
};

class CalendarDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    QMap<QString, QStringList> fields;
    for (const auto& k : kKeyWords) fields[k.window] << k.field;
    for (auto it = fields.begin(); it != fields.end(); ++it) {
      auto* card = new StandInCard(it.key(), it.value());
      app().adopt(card);
      for (QLineEdit* e : card->findChildren<QLineEdit*>()) {
        e->setText("01/01/1990");
        edits_ << e;
      }
    }
  }
  void TearDown() override { app().destroyWindows(); }

  QLineEdit* field(const char* window, const char* name) {
    return app().window(window)->findChild<QLineEdit*>(name);
  }
  // Every date edit of the stand-in cards whose text has changed.
  QStringList changed() const {
    QStringList out;
    for (QLineEdit* e : edits_)
      if (e->text() != "01/01/1990") out << e->window()->objectName() + "." + e->objectName() + "=" + e->text();
    return out;
  }

  ScriptedDialogHost host;
  QList<QLineEdit*> edits_;
};

TEST_F(CalendarDialog, EveryKeyWordWritesItsOwnFieldAndCloses) {
  for (const auto& k : kKeyWords) {
    SCOPED_TRACE(k.keyWord);
    TfrmCalendario dlg(nullptr);
    dlg.setMemory(k.keyWord);
    dlg.show();
    dlg.calAppuntamenti->setSelectedDate(QDate(2024, 3, 5));
    click(dlg.btnImportaData);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(changed(), QStringList(QString(k.window) + "." + k.field + "=05/03/2024"));
    field(k.window, k.field)->setText("01/01/1990");
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CalendarDialog, DateUsesSlashWhateverTheLocaleSeparator) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));  // writes 31.12.2025
  {
    TfrmCalendario dlg(nullptr);
    dlg.setMemory("dataatt");
    dlg.show();
    dlg.calAppuntamenti->setSelectedDate(QDate(2025, 12, 31));
    click(dlg.btnImportaData);
  }
  QLocale::setDefault(saved);
  EXPECT_EQ(field("TfrmChilometrico", "txtDataAtt")->text(), "31/12/2025");
}

TEST_F(CalendarDialog, StartsFromTodayNotFromTheFieldAndAnnullaWritesNothing) {
  host.onModal = [](platform::Form& f) {
    auto& dlg = static_cast<TfrmCalendario&>(f);
    EXPECT_EQ(dlg.memory(), "datarientro");
    EXPECT_EQ(dlg.calAppuntamenti->selectedDate(), QDate::currentDate());
    dlg.calAppuntamenti->setSelectedDate(QDate(2020, 2, 29));
    click(dlg.btnAnnulla);
    EXPECT_FALSE(dlg.isVisible());
  };
  QWidget* card = app().window("TfrmServizi");
  TfrmCalendario::open(card, "datarientro");
  EXPECT_EQ(host.modalShown, QStringList("TfrmCalendario"));
  EXPECT_TRUE(changed().isEmpty());

  TfrmCalendario dlg(card);
  EXPECT_EQ(dlg.windowTitle(), " Importazione data");
  EXPECT_EQ(dlg.size(), QSize(253, 294));
  EXPECT_EQ(dlg.kind(), platform::WindowKind::CentredOnOwner);
  EXPECT_EQ(find<QLabel>(&dlg, "lblCampo001")->text(), "Importare una data:");
  EXPECT_FALSE(dlg.lblMemory()->isVisible());
}

TEST_F(CalendarDialog, KeyWordNotExactlyInTheTableWritesNothingAndStaysOpen) {
  for (const char* keyWord : {"", " datapartenza", "datapartenza ", "DataPartenza", "autoparco", "datarif06"}) {
    SCOPED_TRACE(keyWord);
    TfrmCalendario dlg(nullptr);
    dlg.setMemory(keyWord);
    dlg.show();
    click(dlg.btnImportaData);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(changed().isEmpty());
    click(dlg.btnAnnulla);
    EXPECT_FALSE(dlg.isVisible());
  }
}

TEST_F(CalendarDialog, KeyWordOfAMissingCardWritesNothing) {
  app().destroyWindows();
  edits_.clear();
  app().adopt(new StandInCard("TfrmServizi", {"txtDataPartenza"}));
  TfrmCalendario dlg(nullptr);
  dlg.setMemory("dataent");  // the gate card is not part of the program
  dlg.show();
  click(dlg.btnImportaData);
  EXPECT_EQ(app().window("TfrmServizi")->findChild<QLineEdit*>("txtDataPartenza")->text(), "");
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CalendarDialog, StartsFromThePinnedDay) {
  core::PinnedClock pin(core::Date{29, 2, 2024});
  TfrmCalendario dlg(nullptr);
  EXPECT_EQ(dlg.calAppuntamenti->selectedDate(), QDate(2024, 2, 29));
}

}  // namespace

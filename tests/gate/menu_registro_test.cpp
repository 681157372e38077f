// The gate menu among the program's windows: the launcher's fifth button, the year
// (four ASCII digits only), the gate card of that year, the transit chart whatever the
// year, where closing goes, and the help.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/app.h"
#include "core/clock.h"
#include "gate/frm_menu_registro.h"
#include "gate/frm_registro.h"
#include "gate/frm_statistiche.h"
#include "platform/widgets.h"
#include "shell/frm_avvio.h"
#include "shell/frm_guida.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using platform::MsgKind;

namespace {

const QString kYearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

class MenuRegistro : public ::testing::Test {
 protected:
  void SetUp() override {
    app().createWindows();
    menu = app().frmMenuRegistro;
    card = app().frmRegistro;
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(card, nullptr);
    // The launcher's fifth button shows the menu and hides the launcher.
    auto* launcher = static_cast<TfrmAvvio*>(app().window("TfrmAvvio"));
    launcher->show();
    ASSERT_TRUE(launcher->btnApp[4]->isEnabled());
    EXPECT_EQ(TfrmAvvio::kAppWindows[4], std::string_view("TfrmMenuRegistro"));
    click(launcher->btnApp[4]);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_FALSE(launcher->isVisible());
    activate(menu);
  }
  void TearDown() override { app().destroyWindows(); }
  QLineEdit* year() { return find<QLineEdit>(menu, QStringLiteral("txtAnnoFatture")); }
  QPushButton* apri() { return find<QPushButton>(menu, QStringLiteral("btnApriFatture")); }
  QPushButton* apriStats() { return find<QPushButton>(menu, QStringLiteral("btnApriRiepStats")); }

  TempExeDir dir;
  ScriptedDialogHost host;
  core::PinnedClock clock{core::DateTime{{5, 3, 2024}, 8, 0, 0}};
  TfrmMenuRegistro* menu = nullptr;
  TfrmRegistro* card = nullptr;
};

TEST_F(MenuRegistro, ShowSetsTheCurrentYearAndAvvio) {
  EXPECT_EQ(menu->windowTitle(), " Velmora 4.0 - Ingressi e Uscite Veicoli");
  EXPECT_EQ(year()->text(), "2024");
  EXPECT_EQ(menu->yearBox()->inputLimit(), 4);
  EXPECT_EQ(menu->memory(), "avvio");
  EXPECT_EQ(menu->focusWidget(), year());
  EXPECT_EQ(menu->lblInformazioni->text(),
            "In questo ambiente è possibile registrare gli ingressi e le uscite dei veicoli e visualizzare grafici "
            "statistici dei transiti mensili.");
  EXPECT_EQ(menu->findChild<QWidget*>(QStringLiteral("effAnnoFatture")), nullptr);  // no highlight

  // Enter in the year only moves on to the first "Apri".
  QTest::keyClick(year(), Qt::Key_Return);
  EXPECT_EQ(menu->focusWidget(), apri());
  EXPECT_TRUE(menu->isVisible());

  // Closing with the title bar goes back to the launcher.
  menu->close();
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(app().window("TfrmAvvio")->isVisible());
  EXPECT_FALSE(card->isVisible());
}

TEST_F(MenuRegistro, FourDigitsOpenTheGateCardOfThatYear) {
  card->lblPosizione->setText(QStringLiteral("3"));
  year()->setText(QStringLiteral("0000"));  // no range test
  click(apri());
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_FALSE(menu->isVisible());
  ASSERT_TRUE(card->isVisible());
  EXPECT_EQ(menu->memory(), "registro");
  EXPECT_EQ(card->lblFile->text(), QDir(dir.path()).filePath("0000.vis"));
  EXPECT_EQ(card->windowTitle(), " Velmora 4.0 - Ingresso e Uscite Veicoli anno 0000");
  EXPECT_TRUE(card->lblPosizione->text().isEmpty());  // the card's show started a new card
  EXPECT_EQ(card->txtDataEnt->text(), "05/03/2024");
  EXPECT_FALSE(dir.exists("0000.vis"));  // the menu opens no file

  // The card returns to the launcher, not to the menu.
  click(card->cmdEsci);
  EXPECT_TRUE(app().window("TfrmAvvio")->isVisible());
  EXPECT_FALSE(menu->isVisible());
}

// Only four ASCII digits name a year: a pasted " 24 " or "2O24" is refused with the
// warning, and no file is named after it.
TEST_F(MenuRegistro, AnythingButFourDigitsIsRefusedAndTheMenuStays) {
  for (const char* typed : {"24", " 24 ", "2O24", "", "２０２４"}) {
    SCOPED_TRACE(typed);
    host.clear();
    card->lblFile->setText(QStringLiteral("prima"));
    year()->setText(QString::fromUtf8(typed));
    click(apri());
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Warning);
    EXPECT_EQ(host.last().text, kYearWarning);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(menu->focusWidget(), year());
    EXPECT_EQ(card->lblFile->text(), "prima");
    EXPECT_EQ(menu->memory(), "avvio");
  }
}

TEST_F(MenuRegistro, TheSecondApriOpensTheChartWhateverTheYear) {
  year()->setText(QStringLiteral("2"));
  click(apriStats());
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(menu->memory(), "statistiche_vis");
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(app().window("TfrmStatistiche")->isVisible());
  EXPECT_FALSE(card->isVisible());
}

TEST_F(MenuRegistro, HelpIsTheCardsSixParagraphsAndTheCharts) {
  QString title, text;
  host.modalScripts.push_back([&](platform::Form& f) {
    title = static_cast<TfrmGuida&>(f).title();
    text = static_cast<TfrmGuida&>(f).text();
  });
  click(menu->imgGuida);
  EXPECT_EQ(host.modalShown, QStringList{"TfrmGuida"});
  EXPECT_EQ(title, "App Ingressi e Uscite Veicoli");
  const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
  ASSERT_EQ(paragraphs.size(), 7);
  EXPECT_EQ(paragraphs.mid(0, 6), TfrmRegistro::helpParagraphs());
  EXPECT_TRUE(paragraphs[6].startsWith(
      "L'app Statistiche transiti veicoli consente di visualizzare e stampare grafici statistici sugli ingressi e "
      "sulle uscite registrate nell'anno solare"));
  EXPECT_TRUE(menu->isVisible());
}

}  // namespace

// The cost menu in the whole program: reached from the launcher, its year rule, the
// three "Apri" and the windows they show, what the first one tells the cost card, the
// way back to the launcher and the help it shares with the card.
#include <QDir>
#include <QLabel>
#include <QPushButton>

#include "app/app.h"
#include "core/clock.h"
#include "costs/cost_help.h"
#include "costs/frm_costi.h"
#include "costs/frm_menu_costi.h"
#include "costs/frm_menu_riep_spese.h"
#include "costs/frm_stat_costi.h"
#include "platform/widgets.h"
#include "shell/frm_avvio.h"
#include "shell/frm_guida.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using platform::MsgKind;

namespace {

class MenuCosti : public ::testing::Test {
 protected:
  void SetUp() override {
    app().createWindows();
    menu = app().frmMenuCosti;
    card = app().frmCosti;
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(card, nullptr);
    launcher = app().frmAvvio;
    launcher->showWindow();
    click(launcher->btnApp[3]);
    ASSERT_TRUE(menu->isVisible());
    activate(menu);
  }
  void TearDown() override { app().destroyWindows(); }

  // The one long-lived window on screen besides the menu.
  QString shownWindow() const {
    QString shown;
    for (platform::Form* w : app().windows())
      if (w->isVisible()) shown += (shown.isEmpty() ? "" : ",") + w->objectName();
    return shown;
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  core::PinnedClock clock{{{14, 3, 2024}, 9, 5, 0}};
  TfrmAvvio* launcher = nullptr;
  TfrmMenuCosti* menu = nullptr;
  TfrmCosti* card = nullptr;
};

TEST_F(MenuCosti, WindowTextsAndControls) {
  EXPECT_EQ(menu->objectName(), "TfrmMenuCosti");
  EXPECT_EQ(menu->windowTitle(), " Velmora 4.0 - Costi sostenuti");
  EXPECT_EQ(menu->kind(), platform::WindowKind::Maximized);
  EXPECT_EQ(menu->memory(), "avvio");
  EXPECT_EQ(menu->lblInformazioni->text(),
            "In questo ambiente è possibile registrare i costi sostenuti per ciascun veicolo, nonché visualizzarne il "
            "riepilogo e i grafici statistici.");
  EXPECT_EQ(menu->txtAnnoConsumi->objectName(), "txtAnnoConsumi");
  EXPECT_EQ(menu->txtAnnoConsumi->text(), "2024");
  EXPECT_EQ(menu->txtAnnoConsumi->inputLimit(), 4);
  EXPECT_EQ(QApplication::focusWidget(), menu->txtAnnoConsumi);
  EXPECT_TRUE(find<QWidget>(menu, "effAnnoConsumi")->isVisible());
  for (QPushButton* b : {menu->btnApriConsumi, menu->btnApriRiepConsumi, menu->btnApriRiepStats}) {
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text(), "Apri");
    EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor);
  }
  for (const char* heading : {"Crea o aggiorna schede costi:", "Visualizza riepilogo:", "Mostra grafici statistici:"}) {
    bool found = false;
    for (QLabel* l : menu->findChildren<QLabel*>()) found = found || l->text() == QString::fromUtf8(heading);
    EXPECT_TRUE(found) << heading;
  }
  // Tab: the year, then the three buttons.
  for (QPushButton* b : {menu->btnApriConsumi, menu->btnApriRiepConsumi, menu->btnApriRiepStats}) {
    pressKey(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), b);
  }
}

TEST_F(MenuCosti, EnterInTheYearOnlyMovesToTheFirstApri) {
  pressKey(menu->txtAnnoConsumi, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), menu->btnApriConsumi);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_FALSE(card->isVisible());
}

TEST_F(MenuCosti, OnlyFourDigitsOpenTheCard) {
  const QString before = card->lblFile->text();
  const QString refused[] = {"", "202", " 24 ", "..\\x", "20 4"};
  for (const QString& text : refused) {
    SCOPED_TRACE(text.toStdString());
    host.clear();
    menu->txtAnnoConsumi->setText(text);
    click(menu->btnApriConsumi);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Warning);
    EXPECT_EQ(host.last().text, "Attenzione: indicare l'anno solare utilizzando quattro cifre.");
    EXPECT_EQ(QApplication::focusWidget(), menu->txtAnnoConsumi);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->memory(), "avvio");
    EXPECT_EQ(card->lblFile->text(), before);
  }
  EXPECT_EQ(shownWindow(), "TfrmMenuCosti");
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
  // The other two do not look at the year.
  click(menu->btnApriRiepConsumi);
  EXPECT_EQ(shownWindow(), "TfrmMenuRiepSpese");
}

TEST_F(MenuCosti, TheFirstApriOpensTheCardOfTheYearAsANewCard) {
  card->lblPosizione->setText("7");
  card->txtMarca->setText("Fiat");
  menu->txtAnnoConsumi->setText("2023");
  click(menu->btnApriConsumi);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(menu->memory(), "costi");
  EXPECT_EQ(shownWindow(), "TfrmCosti");
  EXPECT_EQ(card->lblFile->text(), QDir(dir.path()).filePath("2023.eur"));
  EXPECT_EQ(card->windowTitle(), " Velmora 4.0 - Costi sostenuti nell'anno 2023");
  EXPECT_EQ(card->lblAnno->text(), "2023");
  EXPECT_TRUE(card->lblPosizione->text().isEmpty());
  EXPECT_TRUE(card->txtMarca->text().isEmpty());
  EXPECT_FALSE(dir.exists("2023.eur"));  // the menu opens no file

  // Closing the card goes to the launcher, not to the menu; another year next time.
  card->txtMarca->setText("Iveco");
  click(card->cmdEsci);
  EXPECT_EQ(shownWindow(), "TfrmAvvio");
  click(launcher->btnApp[3]);
  EXPECT_EQ(menu->txtAnnoConsumi->text(), "2024");
  menu->txtAnnoConsumi->setText("0000");  // any four digits name a file
  click(menu->btnApriConsumi);
  EXPECT_EQ(shownWindow(), "TfrmCosti");
  EXPECT_EQ(card->lblFile->text(), QDir(dir.path()).filePath("0000.eur"));
  EXPECT_EQ(card->windowTitle(), " Velmora 4.0 - Costi sostenuti nell'anno 0000");
  EXPECT_TRUE(card->txtMarca->text().isEmpty());
  card->cmdPrimoClick();
  EXPECT_TRUE(dir.exists("0000.eur"));
  EXPECT_EQ(host.texts(), QStringList{"L'archivio non contiene nessuna scheda."});
}

TEST_F(MenuCosti, TheOtherApriAndTheWaysBack) {
  struct Case {
    const char* name;
    std::function<void()> act;
    const char* memory;
    const char* shown;
  } cases[] = {
      {"summary", [&] { click(menu->btnApriRiepConsumi); }, "RiepSpese", "TfrmMenuRiepSpese"},
      {"chart", [&] { click(menu->btnApriRiepStats); }, "stats", "TfrmStatCosti"},
      {"exit picture", [&] { click(menu->imgEsci); }, "avvio", "TfrmAvvio"},
      {"title bar", [&] { menu->close(); }, "avvio", "TfrmAvvio"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (platform::Form* w : app().windows()) w->hide();
    launcher->showWindow();
    click(launcher->btnApp[3]);
    menu->txtAnnoConsumi->setText("12");  // never looked at
    c.act();
    EXPECT_EQ(menu->memory(), c.memory);
    EXPECT_EQ(shownWindow(), c.shown);
    EXPECT_TRUE(host.boxes.empty());
  }
  // What the menu showed returns to the launcher when closed.
  app().frmStatCosti->close();
  EXPECT_EQ(shownWindow(), "TfrmAvvio");
}

TEST_F(MenuCosti, HelpIsTheCardsHelp) {
  QStringList titles, texts;
  auto record = [&](platform::Form& f) {
    auto& help = static_cast<TfrmGuida&>(f);
    titles << help.title();
    texts << help.text();
  };
  host.modalScripts.push_back(record);
  host.modalScripts.push_back(record);
  click(menu->imgGuida);
  click(card->cmdGuida);
  ASSERT_EQ(titles.size(), 2);
  EXPECT_EQ(titles[0], "App Costi sostenuti");
  EXPECT_EQ(titles[1], titles[0]);
  EXPECT_EQ(texts[1], texts[0]);
  EXPECT_EQ(texts[0], costs::costHelpParagraphs().join("\r\n\r\n"));
  EXPECT_EQ(costs::costHelpParagraphs().size(), 10);
  EXPECT_TRUE(menu->isVisible());
}

}  // namespace

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/shell.h"
#include "shell/frm_guida.h"
#include "shell/frm_info.h"
#include "shell/frm_splash.h"
#include "shell/misc.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

namespace {

TEST(SharedWindows, CaptionsKindsAndSizes) {
  TfrmGuida guida(nullptr);
  TfrmInfo info(nullptr);
  TfrmSplash splash(nullptr);
  struct Case {
    platform::Form* form;
    const char* name;
    QString caption;
    platform::WindowKind kind;
  } cases[] = {
      {&guida, "TfrmGuida", QStringLiteral(" Guida all'utilizzo del software"), platform::WindowKind::CentredOnScreen},
      {&info, "TfrmInfo", QStringLiteral(" Informazioni su Velmora 4.0"), platform::WindowKind::CentredOnScreen},
      {&splash, "TfrmSplash", QStringLiteral(" Velmora 4.0"), platform::WindowKind::CentredOnOwner},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.form->objectName(), QLatin1String(c.name));
    EXPECT_EQ(c.form->windowTitle(), c.caption);
    EXPECT_EQ(c.form->kind(), c.kind);
    auto* chiudi = find<QPushButton>(c.form, "btnChiudi");
    ASSERT_NE(chiudi, nullptr);
    EXPECT_EQ(chiudi->text(), "Chiudi");
    EXPECT_FALSE(chiudi->autoDefault());
    EXPECT_EQ(find<QLabel>(c.form, "lnkWeb")->focusPolicy(), Qt::NoFocus);
    c.form->show();
    click(chiudi);
    EXPECT_FALSE(c.form->isVisible());
  }
  EXPECT_EQ(guida.size(), QSize(670, 572));
  EXPECT_EQ(splash.size(), QSize(661, 467));
}

TEST(HelpWindow, EachOpeningShowsOnlyItsOwnHelp) {
  ScriptedDialogHost host;
  QStringList titles, texts, shown;
  host.onModal = [&](platform::Form& f) {
    auto& g = static_cast<TfrmGuida&>(f);
    titles << g.lblTitolo->text();
    texts << g.text();
    shown << g.txtGuida->toPlainText();
  };
  QWidget owner;
  TfrmGuida::showHelp(&owner, "Parco automezzi", {"Primo paragrafo.", "Secondo paragrafo."});
  TfrmGuida::showHelp(&owner, "Registro viaggi", {"Solo questo."});

  EXPECT_EQ(host.modalShown, QStringList({"TfrmGuida", "TfrmGuida"}));
  EXPECT_EQ(titles, QStringList({"Parco automezzi", "Registro viaggi"}));
  EXPECT_EQ(texts, QStringList({"Primo paragrafo.\r\n\r\nSecondo paragrafo.", "Solo questo."}));
  // The memo shows a CR LF as one line break: one empty line between paragraphs.
  EXPECT_EQ(shown, QStringList({"Primo paragrafo.\n\nSecondo paragrafo.", "Solo questo."}));
  EXPECT_TRUE(host.boxes.empty());

  TfrmGuida fresh(nullptr);
  EXPECT_EQ(fresh.lblTitolo->text(), "Argomento della guida.");
  EXPECT_TRUE(fresh.txtGuida->isReadOnly());
}

TEST(HelpWindow, ManualLinkOpensGuidaPdfBesideTheExecutableEvenIfMissing) {
  ScriptedDialogHost host;
  QTemporaryDir base;
  const QString exe = base.filePath("Programmi aziendali/Velmora 4.0");
  ASSERT_TRUE(QDir().mkpath(exe));
  platform::setExeDir(exe);
  ShellOpenRecorder opened;

  TfrmGuida help(nullptr);
  help.show();
  click(help.lnkWeb);
  click(help.imgPDF);
  platform::setExeDir(QString());

  // One whole path per click, blanks included; no message, window still open.
  EXPECT_EQ(opened.targets, QStringList({exe + "/Guida.pdf", exe + "/Guida.pdf"}));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(help.isVisible());
}

TEST(HelpWindow, LinkTurnsOrangeWhilePressed) {
  ShellOpenRecorder opened;
  TfrmGuida help(nullptr);
  help.show();
  for (QLabel* target : {help.lnkWeb, help.imgPDF}) {
    SCOPED_TRACE(target->objectName().toStdString());
    QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    EXPECT_TRUE(help.lnkWeb->styleSheet().contains("#FFA500", Qt::CaseInsensitive));
    EXPECT_TRUE(opened.targets.isEmpty());
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    EXPECT_TRUE(help.lnkWeb->styleSheet().contains("#00008B", Qt::CaseInsensitive));
    EXPECT_EQ(opened.targets.size(), 1);
    opened.targets.clear();
  }
  // Released outside the link: the colour comes back, nothing is opened.
  QTest::mousePress(help.lnkWeb, Qt::LeftButton, Qt::NoModifier, help.lnkWeb->rect().center());
  QTest::mouseRelease(help.lnkWeb, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
  EXPECT_TRUE(help.lnkWeb->styleSheet().contains("#00008B", Qt::CaseInsensitive));
  EXPECT_TRUE(opened.targets.isEmpty());
}

TEST(AboutWindow, MailLinkCarriesSubjectAndBodyUnencoded) {
  const QString expected = "mailto:" + shell::supportAddress() +
                           "?subject=Software Velmora 4.0&body=Salve, desidererei avere le seguenti "
                           "informazioni sul software in oggetto:";
  EXPECT_EQ(TfrmInfo::mailLink(), expected);

  ScriptedDialogHost host;
  ShellOpenRecorder opened;
  TfrmInfo info(nullptr);
  info.show();
  EXPECT_EQ(info.lnkWeb->text(), shell::supportAddress());
  click(info.lnkWeb);
  click(info.imgEmail);
  EXPECT_EQ(opened.targets, QStringList({expected, expected}));
  EXPECT_TRUE(host.boxes.empty());
}

TEST(SplashWindow, WebLinkAndPictureOpenTheProductPage) {
  ShellOpenRecorder opened;
  QWidget owner;
  TfrmSplash splash(&owner);
  splash.show();
  EXPECT_EQ(splash.lnkWeb->text(), shell::productWebAddress());
  click(splash.lnkWeb);
  click(splash.imgWeb);
  EXPECT_EQ(opened.targets, QStringList({shell::productWebAddress(), shell::productWebAddress()}));
  EXPECT_NE(find<QLabel>(&splash, "imgLogo"), nullptr);
}

}  // namespace

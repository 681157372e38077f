// Login window and password change over the credentials file.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app.h"
#include "core/cipher.h"
#include "platform/ini.h"
#include "platform/qtext.h"
#include "shell/credentials.h"
#include "shell/frm_avvio.h"
#include "shell/frm_cambia_password.h"
#include "shell/frm_password.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "support/small_disk.h"

namespace {

const QString kFile = QStringLiteral("unins000.dll");

// The credentials file as the installation writes it, holding `cipher`.
QByteArray credentialsFile(const QByteArray& cipher) { return "[Accesso]\r\nValore=" + cipher + "\r\n"; }

QByteArray cipherOf(const char16_t* storedPassword) {
  return platform::fromCore(core::EncryptText(storedPassword)).toLatin1();
}

// The shell's own windows only: the login does not depend on which apps are built.
class LoginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app().adopt(login = app().frmPassword = new TfrmPassword(nullptr));
    app().adopt(app().frmAvvio = new TfrmAvvio(nullptr));
    app().adopt(change = app().frmCambiaPassword = new TfrmCambiaPassword(nullptr));
    login->showWindow();
  }
  void TearDown() override { app().destroyWindows(); }

  void store(const char16_t* storedPassword) { dir.write(kFile, credentialsFile(cipherOf(storedPassword))); }

  // Puts `text` into the login window and presses OK (typing by keys is tested
  // with ASCII text only: the test library cannot type accented letters).
  void logIn(const QString& text) {
    login->txtPassword->setText(text);
    click(login->cmdOK);
  }

  void openChange() {
    click(login->btnCambiaPassword);
    ASSERT_TRUE(change->isVisible());
  }

  void changePassword(const QString& oldPassword, const QString& newPassword, const QString& confirmation) {
    openChange();
    change->txtPasswordOld->setText(oldPassword);
    change->txtPasswordNew->setText(newPassword);
    change->txtConferma->setText(confirmation);
    ASSERT_TRUE(change->cmdOK->isEnabled());
    click(change->cmdOK);
  }

  bool launcherShown() const { return app().frmAvvio->isVisible(); }

  TempExeDir dir;
  ScriptedDialogHost host;
  TfrmPassword* login = nullptr;
  TfrmCambiaPassword* change = nullptr;
};

}  // namespace

TEST_F(LoginTest, InstalledCredentialsFileHoldsTheFirstAccessPassword) {
  const QString asset = QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../assets/unins000.dll"));
  const QString cipher = platform::iniRead(asset, QStringLiteral("Accesso"), QStringLiteral("Valore"));
  EXPECT_EQ(cipher, QStringLiteral("1F234BADBBEF128BE710BEE6DFD3"));
  EXPECT_EQ(shell::decipherPassword(cipher), QStringLiteral("BENVENUTIFLOTA"));

  // Beside the executable, exactly as help paragraph 98 tells the user to type it.
  ASSERT_TRUE(QFile::copy(asset, dir.file(kFile)));
  logIn(QStringLiteral("benvenutiflota"));
  EXPECT_TRUE(host.boxes.empty()) << host.texts().join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(launcherShown());
  EXPECT_FALSE(login->isVisible());
}

TEST_F(LoginTest, ComparesUpperCasedTrimmedTextWithTheStoredPassword) {
  struct Case {
    const char* name;
    const char16_t* stored;
    QString typed;
    bool admitted;
  } cases[] = {
      {"same case", u"SEGRETO1", QStringLiteral("SEGRETO1"), true},
      {"lower case a-z", u"SEGRETO1", QStringLiteral("segreto1"), true},
      {"blanks around", u"SEGRETO1", QStringLiteral("  Segreto1 \t"), true},
      {"prefix only", u"SEGRETO1", QStringLiteral("segreto"), false},
      {"inner blank", u"SEGRETO1", QStringLiteral("segr eto1"), false},
      {"accent typed as set", u"CAFF\u00C8", QStringLiteral("caff\u00C8"), true},
      {"accent in the other case", u"CAFF\u00C8", QStringLiteral("caff\u00E8"), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    store(c.stored);
    host.clear();
    login->showWindow();
    app().frmAvvio->hide();
    logIn(c.typed);
    EXPECT_EQ(launcherShown(), c.admitted);
    EXPECT_EQ(login->isVisible(), !c.admitted);
    if (!c.admitted) {
      ASSERT_EQ(host.boxes.size(), 1u);
      EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
      EXPECT_EQ(host.last().text, QStringLiteral("Attenzione: password errata."));
      EXPECT_TRUE(login->txtPassword->text().isEmpty());
      EXPECT_FALSE(login->cmdOK->isEnabled());
      EXPECT_EQ(login->focusWidget(), login->txtPassword);
    } else {
      EXPECT_TRUE(host.boxes.empty());
    }
  }
}

TEST_F(LoginTest, MissingFileOrKeyMeansNoPasswordMatchesAndNothingIsCreated) {
  logIn(QStringLiteral("benvenutiflota"));
  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("Attenzione: password errata.")});
  EXPECT_FALSE(dir.exists(kFile));

  dir.write(kFile, "[Altro]\r\nValore=1C\r\n");
  host.clear();
  logIn(QStringLiteral("A"));
  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("Attenzione: password errata.")});
  EXPECT_FALSE(launcherShown());
}

TEST_F(LoginTest, StoredValueThatIsNotHexadecimalIsAReadingError) {
  const QString readError = QStringLiteral(
      "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
      "Si consiglia di reinstallare il software.");
  for (const QByteArray& stored : {QByteArray("1CZ3"), QByteArray("1C D3"), QByteArray("GG")}) {
    SCOPED_TRACE(stored.constData());
    dir.write(kFile, credentialsFile(stored));
    host.clear();
    logIn(QStringLiteral("ab"));
    EXPECT_EQ(host.texts(), QStringList{readError});
    EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
    // Nothing changes in the window.
    EXPECT_EQ(login->txtPassword->text(), QStringLiteral("ab"));
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(launcherShown());
  }

  // An odd trailing digit is ignored, so the value simply fails to match.
  dir.write(kFile, credentialsFile("1CD3F"));
  host.clear();
  logIn(QStringLiteral("ab"));
  EXPECT_TRUE(launcherShown());
}

TEST_F(LoginTest, OkNeedsANonBlankPasswordAndEnterDoesWhatOkDoes) {
  store(u"SEGRETO1");
  EXPECT_FALSE(login->cmdOK->isEnabled());
  EXPECT_EQ(login->focusWidget(), login->txtPassword);

  typeInto(login->txtPassword, QStringLiteral("   "));
  EXPECT_FALSE(login->cmdOK->isEnabled());
  pressKey(login->txtPassword, Qt::Key_Return);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(login->isVisible());

  typeInto(login->txtPassword, QStringLiteral("x"));
  EXPECT_TRUE(login->cmdOK->isEnabled());
  pressKey(login->txtPassword, Qt::Key_Enter);
  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("Attenzione: password errata.")});

  typeInto(login->txtPassword, QStringLiteral("segreto1"));
  pressKey(login->txtPassword, Qt::Key_Return);
  EXPECT_TRUE(launcherShown());
}

TEST_F(LoginTest, CompletedChangeStoresTheUpperCaseFormAndHandsBackToLogin) {
  dir.write(kFile, "; installed by setup\r\n[Accesso]\r\nValore=" + cipherOf(u"VECCHIA") + "\r\n[Altro]\r\nChiave=1\r\n");
  login->txtPassword->setText(QStringLiteral("typed before"));
  changePassword(QStringLiteral(" vecchia "), QStringLiteral("  Nuova Chiave9 "), QStringLiteral("Nuova Chiave9"));

  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("Modifica della password completata con successo.")});
  EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
  EXPECT_EQ(dir.read(kFile),
            "; installed by setup\r\n[Accesso]\r\nValore=" + cipherOf(u"NUOVA CHIAVE9") + "\r\n[Altro]\r\nChiave=1\r\n");
  EXPECT_FALSE(change->isVisible());
  EXPECT_TRUE(login->isVisible());
  EXPECT_TRUE(login->txtPassword->text().isEmpty());
  EXPECT_TRUE(login->memory().isEmpty());
  EXPECT_EQ(login->focusWidget(), login->txtPassword);

  host.clear();
  logIn(QStringLiteral("vecchia"));
  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("Attenzione: password errata.")});
  logIn(QStringLiteral("nuova chiave9"));
  EXPECT_TRUE(launcherShown());
}

TEST_F(LoginTest, RefusedChangesSayWhyAndWriteNothing) {
  const QString wrongOld = QStringLiteral("Attenzione: vecchia password errata.");
  const QString notConfirmed = QStringLiteral(
      "Attenzione: la nuova password non è stata confermata correttamente. E' necessario reinserire entrambi i valori.");
  const QString tooLong = QStringLiteral(
      "Attenzione: la nuova password non può superare i 255 caratteri. E' necessario reinserire entrambi i valori.");
  enum Focus { Old, New };
  struct Case {
    const char* name;
    QString oldPassword, newPassword, confirmation;
    QString message;
    Focus focus;
  } cases[] = {
      {"wrong old password", QStringLiteral("altra"), QStringLiteral("n"), QStringLiteral("n"), wrongOld, Old},
      {"confirmation differs", QStringLiteral("vecchia"), QStringLiteral("nuova"), QStringLiteral("nuovo"), notConfirmed, New},
      {"confirmation differs only in case", QStringLiteral("vecchia"), QStringLiteral("nuova"), QStringLiteral("Nuova"),
       notConfirmed, New},
      {"256 characters", QStringLiteral("vecchia"), QString(256, QLatin1Char('a')), QString(256, QLatin1Char('a')), tooLong,
       New},
      {"euro sign", QStringLiteral("vecchia"), QStringLiteral("prezzo\u20AC"), QStringLiteral("prezzo\u20AC"),
       TfrmCambiaPassword::kBadCharacter, New},
  };
  const QByteArray installed = credentialsFile(cipherOf(u"VECCHIA"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    dir.write(kFile, installed);
    host.clear();
    changePassword(c.oldPassword, c.newPassword, c.confirmation);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
    EXPECT_EQ(host.last().text, c.message);
    EXPECT_TRUE(host.last().text.startsWith(QStringLiteral("Attenzione: ")));
    EXPECT_EQ(dir.read(kFile), installed);
    EXPECT_TRUE(change->isVisible());
    if (c.focus == Old) {
      EXPECT_TRUE(change->txtPasswordOld->text().isEmpty());
      EXPECT_EQ(change->txtPasswordNew->text(), c.newPassword);
      EXPECT_EQ(change->focusWidget(), change->txtPasswordOld);
    } else {
      EXPECT_EQ(change->txtPasswordOld->text(), c.oldPassword);
      EXPECT_TRUE(change->txtPasswordNew->text().isEmpty());
      EXPECT_TRUE(change->txtConferma->text().isEmpty());
      EXPECT_EQ(change->focusWidget(), change->txtPasswordNew);
    }
    EXPECT_FALSE(change->cmdOK->isEnabled());
    click(change->cmdEsci);
  }
}

TEST_F(LoginTest, LongestAndWesternEuropeanPasswordsAreAccepted) {
  const QString longest = QString(255, QLatin1Char('z'));
  const QString accented = QStringLiteral("perch\u00E9 \u00FF\u00A7");
  for (const QString& next : {longest, accented}) {
    dir.write(kFile, credentialsFile(cipherOf(u"VECCHIA")));
    host.clear();
    changePassword(QStringLiteral("vecchia"), next, next);
    EXPECT_EQ(host.texts(), QStringList{TfrmCambiaPassword::kChanged});
    logIn(next);
    EXPECT_TRUE(launcherShown());
    app().frmAvvio->hide();
    login->showWindow();
  }
}

TEST_F(LoginTest, ChangeWithoutCredentialsFileNeverCreatesIt) {
  changePassword(QStringLiteral("qualsiasi"), QStringLiteral("nuova"), QStringLiteral("nuova"));
  EXPECT_EQ(host.texts(), QStringList{TfrmCambiaPassword::kWrongOldPassword});
  EXPECT_FALSE(dir.exists(kFile));
}

TEST_F(LoginTest, ChangeOverAStoredValueThatIsNotHexadecimalIsAChangeError) {
  dir.write(kFile, credentialsFile("ZZ"));
  changePassword(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"));
  EXPECT_EQ(host.texts(), QStringList{QStringLiteral(
                              "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
                              "Si consiglia di reinstallare il software.")});
  EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
  EXPECT_EQ(dir.read(kFile), credentialsFile("ZZ"));
  // Nothing changes in the window.
  EXPECT_EQ(change->txtPasswordOld->text(), QStringLiteral("a"));
  EXPECT_EQ(change->txtConferma->text(), QStringLiteral("b"));
  EXPECT_TRUE(change->isVisible());
}

TEST_F(LoginTest, ChangeOnAFullDiskFailsAndTheOldPasswordStillOpens) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
  const QByteArray installed = credentialsFile(cipherOf(u"VECCHIA"));
  disk.write(kFile, installed);
  disk.fill();
  changePassword(QStringLiteral("vecchia"), QStringLiteral("nuova"), QStringLiteral("nuova"));
  EXPECT_EQ(host.texts(), QStringList{QStringLiteral(
                              "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
                              "Si consiglia di reinstallare il software.")});
  EXPECT_EQ(disk.read(kFile), installed);
  EXPECT_EQ(disk.entries(), QStringList({QString::fromLatin1(SmallDisk::kFiller), kFile}));  // no temporary file
  EXPECT_TRUE(change->isVisible());

  click(change->cmdEsci);
  host.clear();
  logIn(QStringLiteral("vecchia"));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(launcherShown());
}

TEST_F(LoginTest, ChangeWindowOpensEmptyAndEnterOnlyMovesAlongTheEdits) {
  openChange();
  EXPECT_FALSE(login->isVisible());
  EXPECT_EQ(change->focusWidget(), change->txtPasswordOld);
  typeInto(change->txtPasswordOld, QStringLiteral("a"));
  pressKey(change->txtPasswordOld, Qt::Key_Return);
  EXPECT_EQ(change->focusWidget(), change->txtPasswordNew);
  QTest::keyClicks(change->txtPasswordNew, QStringLiteral("b"));
  pressKey(change->txtPasswordNew, Qt::Key_Enter);
  EXPECT_EQ(change->focusWidget(), change->txtConferma);
  QTest::keyClicks(change->txtConferma, QStringLiteral("  "));
  EXPECT_FALSE(change->cmdOK->isEnabled());  // a blank confirmation does not count
  QTest::keyClicks(change->txtConferma, QStringLiteral("b"));
  EXPECT_TRUE(change->cmdOK->isEnabled());
  pressKey(change->txtConferma, Qt::Key_Return);
  EXPECT_EQ(change->focusWidget(), change->txtPasswordOld);
  EXPECT_TRUE(host.boxes.empty());  // Enter never pressed OK

  // "Chiudi", then the window opens empty again.
  click(change->cmdEsci);
  EXPECT_TRUE(login->isVisible());
  openChange();
  EXPECT_TRUE(change->txtPasswordOld->text().isEmpty());
  EXPECT_TRUE(change->txtPasswordNew->text().isEmpty());
  EXPECT_TRUE(change->txtConferma->text().isEmpty());
  EXPECT_FALSE(change->cmdOK->isEnabled());
}

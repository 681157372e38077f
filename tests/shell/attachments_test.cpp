#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app.h"
#include "platform/shell.h"
#include "platform/widgets.h"
#include "shell/frm_allega_cartella.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

namespace {

const QString kQuestion = QString::fromUtf8(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?");

// A stand-in for a card with the six hidden labels the dialog reads and writes.
class StandInCard : public platform::Form {
 public:
  explicit StandInCard(const QString& className)
      : platform::Form(nullptr, className, platform::WindowKind::Maximized, " " + className, 400, 300) {
    for (const char* base : {"lblFile0", "lblDesc0"})
      for (int n = 1; n <= 3; ++n) {
        auto* l = new QLabel(this);
        l->setObjectName(base + QString::number(n));
        l->setVisible(false);
      }
  }
  QLabel* label(const QString& name) { return findChild<QLabel*>(name); }
  QStringList texts() {
    QStringList out;
    for (const char* name : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
      out << label(name)->text();
    return out;
  }
};

class AttachmentsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* cls : {"TfrmAutoparco", "TfrmServizi", "TfrmAnagrafica"}) app().adopt(new StandInCard(cls));
  }
  void TearDown() override { app().destroyWindows(); }
  StandInCard* card(const char* cls) { return static_cast<StandInCard*>(app().window(cls)); }
  // A file to pick, outside the executable's folder.
  QString source(const QString& name, const QByteArray& bytes) {
    const QString path = picked.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QString attached(const QString& name) { return "Documenti_Allegati/" + name; }
  QStringList folderEntries() {
    return QDir(exe.file("Documenti_Allegati")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
  }

  TempExeDir exe;
  QTemporaryDir picked;
  ScriptedDialogHost host;
  ShellOpenRecorder opened;
};

TEST_F(AttachmentsDialog, BrowseCopiesTheFileUnderItsBareName) {
  TfrmAllegaCartella dlg(nullptr);
  dlg.show();
  EXPECT_FALSE(dlg.btnApri[1]->isEnabled());
  host.openFiles.push_back(source("scansioni/Libretto di circolazione.pdf", "PDF-1"));
  click(dlg.btnSfoglia[1]);

  EXPECT_EQ(dlg.txtFile[1]->text(), "Libretto di circolazione.pdf");
  EXPECT_TRUE(dlg.btnApri[1]->isEnabled());
  EXPECT_EQ(exe.read(attached("Libretto di circolazione.pdf")), "PDF-1");
  EXPECT_TRUE(host.boxes.empty());

  // "Apri" opens the copy in the attachments folder, never the picked file.
  click(dlg.btnApri[1]);
  EXPECT_EQ(opened.targets, QStringList(platform::exePath("Documenti_Allegati/Libretto di circolazione.pdf")));

  // A cancelled file dialog changes nothing.
  click(dlg.btnSfoglia[1]);
  EXPECT_EQ(dlg.txtFile[1]->text(), "Libretto di circolazione.pdf");
  EXPECT_TRUE(dlg.txtFile[0]->text().isEmpty());
  EXPECT_TRUE(dlg.txtFile[2]->text().isEmpty());
}

// Records what the file dialog was asked to show.
class FileDialogSpy : public ScriptedDialogHost {
 public:
  QString caption, filter;
  QString openFile(QWidget* parent, const QString& c, const QString& dir, const QString& f) override {
    caption = c;
    filter = f;
    return ScriptedDialogHost::openFile(parent, c, dir, f);
  }
};

TEST_F(AttachmentsDialog, FileDialogLetsAnyFileBeChosen) {
  FileDialogSpy spy;
  TfrmAllegaCartella dlg(nullptr);
  dlg.show();
  spy.openFiles.push_back(source("LEGGIMI", "README"));
  click(dlg.btnSfoglia[0]);
  EXPECT_EQ(spy.caption, "Selezionare il file da allegare:");
  EXPECT_TRUE(spy.filter.startsWith("Tutti i file ("));

  // The filter's patterns, as a file dialog reads them, let through a name without
  // an extension as well as one with.
  const QString patterns = spy.filter.section('(', 1).chopped(1);
  for (const QString name : {"LEGGIMI", "libretto.pdf", ".nascosto"}) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_TRUE(QDir::match(patterns.split(' '), name));
  }
  EXPECT_EQ(dlg.txtFile[0]->text(), "LEGGIMI");
  EXPECT_EQ(exe.read(attached("LEGGIMI")), "README");
}

TEST_F(AttachmentsDialog, SameNameAsksBeforeOverwriting) {
  ASSERT_TRUE(QDir(exe.path()).mkpath("Documenti_Allegati"));
  exe.write(attached("polizza.pdf"), "OLD");

  TfrmAllegaCartella dlg(nullptr);
  dlg.show();
  // No: the row refers to the file already there, which stays as it was.
  host.answers.push_back(false);
  host.openFiles.push_back(source("polizza.pdf", "NEW"));
  click(dlg.btnSfoglia[0]);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Question);
  EXPECT_EQ(host.last().text, kQuestion);
  EXPECT_EQ(dlg.txtFile[0]->text(), "polizza.pdf");
  EXPECT_EQ(exe.read(attached("polizza.pdf")), "OLD");

  // Yes: replaced, with no temporary file left behind.
  host.answers.push_back(true);
  host.openFiles.push_back(source("polizza.pdf", "NEW"));
  click(dlg.btnSfoglia[2]);
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(dlg.txtFile[2]->text(), "polizza.pdf");
  EXPECT_EQ(exe.read(attached("polizza.pdf")), "NEW");
  EXPECT_EQ(folderEntries(), QStringList("polizza.pdf"));
}

TEST_F(AttachmentsDialog, FileChosenInsideTheFolderIsKeptAsItIs) {
  ASSERT_TRUE(QDir(exe.path()).mkpath("Documenti_Allegati"));
  exe.write(attached("contratto.doc"), "CONTRACT");
  TfrmAllegaCartella dlg(nullptr);
  dlg.show();
  host.openFiles.push_back(exe.file(attached("contratto.doc")));
  click(dlg.btnSfoglia[0]);
  EXPECT_TRUE(host.boxes.empty());  // no question about overwriting it with itself
  EXPECT_EQ(dlg.txtFile[0]->text(), "contratto.doc");
  EXPECT_EQ(exe.read(attached("contratto.doc")), "CONTRACT");
  EXPECT_EQ(folderEntries(), QStringList("contratto.doc"));
}

TEST_F(AttachmentsDialog, FailedCopyIsReportedAndKeepsNameAndExistingFile) {
  ASSERT_TRUE(QDir(exe.path()).mkpath("Documenti_Allegati"));
  exe.write(attached("foto.jpg"), "KEEP");
  TfrmAllegaCartella dlg(nullptr);
  dlg.show();
  dlg.txtFile[0]->setText("precedente.pdf");

  const QString vanished = source("foto.jpg", "X");
  QFile::remove(vanished);  // gone between the file dialog and the copy
  host.answers.push_back(true);
  host.openFiles.push_back(vanished);
  click(dlg.btnSfoglia[0]);

  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].kind, platform::MsgKind::Question);
  EXPECT_EQ(host.boxes[1].kind, platform::MsgKind::Error);
  EXPECT_TRUE(host.boxes[1].text.startsWith("Attenzione: ")) << host.boxes[1].text.toStdString();
  EXPECT_TRUE(host.boxes[1].text.contains("foto.jpg"));
  EXPECT_EQ(dlg.txtFile[0]->text(), "precedente.pdf");
  EXPECT_EQ(exe.read(attached("foto.jpg")), "KEEP");
  EXPECT_EQ(folderEntries(), QStringList("foto.jpg"));
}

TEST_F(AttachmentsDialog, FolderThatCannotBeCreatedIsReported) {
  exe.write("Documenti_Allegati", "a file in the way");
  TfrmAllegaCartella dlg(nullptr);
  dlg.show();
  host.openFiles.push_back(source("a.txt", "A"));
  click(dlg.btnSfoglia[2]);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Error);
  EXPECT_TRUE(host.last().text.startsWith("Attenzione: "));
  EXPECT_TRUE(dlg.txtFile[2]->text().isEmpty());
  EXPECT_EQ(exe.read("Documenti_Allegati"), "a file in the way");
}

TEST_F(AttachmentsDialog, FolderIsCreatedWithMissingParents) {
  platform::setExeDir(exe.file("deep/er"));
  TfrmAllegaCartella dlg(nullptr);
  host.openFiles.push_back(source("b.txt", "B"));
  dlg.btnSfogliaClick(0);
  EXPECT_EQ(exe.read("deep/er/Documenti_Allegati/b.txt"), "B");
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(AttachmentsDialog, OpenFillsFromTheCardAndApplyWritesBackTrimmed) {
  StandInCard* servizi = card("TfrmServizi");
  servizi->label("lblFile01")->setText("  a.pdf ");
  servizi->label("lblDesc01")->setText(" Prima ");
  servizi->label("lblFile03")->setText("c.pdf");
  ASSERT_TRUE(QDir(exe.path()).mkpath("Documenti_Allegati"));
  exe.write(attached("c.pdf"), "C");

  host.onModal = [&](platform::Form& f) {
    auto& dlg = static_cast<TfrmAllegaCartella&>(f);
    EXPECT_EQ(dlg.memory(), "servizi");
    EXPECT_EQ(dlg.txtFile[0]->text(), "a.pdf");
    EXPECT_EQ(dlg.txtDesc[0]->text(), "Prima");
    EXPECT_TRUE(dlg.btnApri[0]->isEnabled());
    EXPECT_FALSE(dlg.btnApri[1]->isEnabled());
    // Clearing a row drops its name only: the description and the file stay.
    click(dlg.imgCancella[2]);
    EXPECT_TRUE(dlg.txtFile[2]->text().isEmpty());
    EXPECT_FALSE(dlg.btnApri[2]->isEnabled());
    typeInto(dlg.txtDesc[1], "  Seconda descrizione  ");
    typeInto(dlg.txtDesc[2], "Terza");
    click(dlg.btnApplica);
    EXPECT_FALSE(dlg.isVisible());
  };
  TfrmAllegaCartella::open(servizi, "servizi");

  EXPECT_EQ(host.modalShown, QStringList("TfrmAllegaCartella"));
  EXPECT_EQ(servizi->texts(), QStringList({"a.pdf", "", "", "Prima", "Seconda descrizione", "Terza"}));
  EXPECT_EQ(exe.read(attached("c.pdf")), "C");
  EXPECT_EQ(card("TfrmAutoparco")->texts(), QStringList(6));
  EXPECT_EQ(card("TfrmAnagrafica")->texts(), QStringList(6));
}

TEST_F(AttachmentsDialog, EachKeyWordWritesOnlyItsCard) {
  struct Case {
    const char* keyWord;
    const char* window;
  } cases[] = {
      {"autoparco", "TfrmAutoparco"}, {"servizi", "TfrmServizi"}, {"  anagrafica ", "TfrmAnagrafica"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keyWord);
    TfrmAllegaCartella dlg(nullptr);
    dlg.setMemory(c.keyWord);
    dlg.show();
    dlg.txtFile[1]->setText(" x.pdf");
    click(dlg.btnApplica);
    EXPECT_FALSE(dlg.isVisible());
    for (const char* cls : {"TfrmAutoparco", "TfrmServizi", "TfrmAnagrafica"})
      EXPECT_EQ(card(cls)->label("lblFile02")->text(), QString(cls) == c.window ? "x.pdf" : "") << cls;
    card(c.window)->label("lblFile02")->clear();
  }
}

TEST_F(AttachmentsDialog, UnknownKeyWordBlocksApplyAndAnnullaWritesNothing) {
  StandInCard* autoparco = card("TfrmAutoparco");
  autoparco->label("lblFile01")->setText("vecchio.pdf");
  for (const char* keyWord : {"", "Autoparco", "autoparco_lettura", "anagrafiche"}) {
    SCOPED_TRACE(keyWord);
    TfrmAllegaCartella dlg(nullptr);
    dlg.setMemory(keyWord);
    dlg.show();
    dlg.txtFile[0]->setText("nuovo.pdf");
    click(dlg.btnApplica);
    EXPECT_TRUE(dlg.isVisible());
    click(dlg.btnAnnulla);
    EXPECT_FALSE(dlg.isVisible());
  }

  // Annulla after attaching: the file is in the folder, the card is unchanged.
  host.onModal = [&](platform::Form& f) {
    auto& dlg = static_cast<TfrmAllegaCartella&>(f);
    host.openFiles.push_back(source("nuovo.pdf", "N"));
    click(dlg.btnSfoglia[0]);
    EXPECT_EQ(dlg.txtFile[0]->text(), "nuovo.pdf");
    click(dlg.btnAnnulla);
  };
  TfrmAllegaCartella::open(autoparco, "autoparco");
  EXPECT_EQ(autoparco->texts(), QStringList({"vecchio.pdf", "", "", "", "", ""}));
  EXPECT_TRUE(exe.exists(attached("nuovo.pdf")));
}

TEST_F(AttachmentsDialog, KeyWordOfAMissingCardWritesNothing) {
  app().destroyWindows();
  app().adopt(new StandInCard("TfrmServizi"));
  TfrmAllegaCartella dlg(nullptr);
  dlg.setMemory("anagrafica");
  dlg.show();
  dlg.txtFile[0]->setText("a.pdf");
  click(dlg.btnApplica);
  EXPECT_EQ(card("TfrmServizi")->texts(), QStringList(6));
}

TEST_F(AttachmentsDialog, TabOrderRunsRowByRow) {
  TfrmAllegaCartella dlg(nullptr);
  QStringList order;
  QWidget* w = dlg.txtFile[0];
  for (int i = 0; i < 14; ++i) {
    order << w->objectName();
    w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
  }
  EXPECT_EQ(order, QStringList({"txtFile01", "btnSfoglia01", "btnApri01", "txtDesc01", "txtFile02", "btnSfoglia02",
                                "btnApri02", "txtDesc02", "txtFile03", "btnSfoglia03", "btnApri03", "txtDesc03",
                                "btnApplica", "btnAnnulla"}));
  EXPECT_EQ(dlg.imgCancella[0]->focusPolicy(), Qt::NoFocus);
}

}  // namespace

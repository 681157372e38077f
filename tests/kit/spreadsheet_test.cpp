// The export window base, configured as a small export of its own: a two-field
// archive, three exported columns (one composed), one of them editable.
#include "kit/spreadsheet.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <sys/stat.h>

#include <csignal>

#include <array>

#include "core/record.h"
#include "platform/shell.h"
#include "platform/widgets.h"
#include "support/archive_files.h"
#include "support/export_file_bytes.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

namespace {

constexpr std::array<core::FieldDef, 2> kFields{{{"Nome", 10}, {"Citta", 8}}};
const core::RecordLayout& layout() {
  static const core::RecordLayout l(kFields);
  return l;
}

kit::ExportSettings testSettings() {
  kit::ExportSettings s;
  s.windowClass = QStringLiteral("TfrmExpProva");
  s.caption = QStringLiteral(" Esporta prova");
  s.fileName = QStringLiteral("Prova.xls");
  s.sheetName = QStringLiteral("Prova & co");
  s.archive = kit::ArchiveSource::fixed(QStringLiteral("Prova.pro"), &layout());
  s.columns = {
      {.name = "colNome", .heading = "Nome", .screenWidth = 120, .fileWidth = 250, .field = "Nome"},
      {.name = "colCitta", .heading = "Città", .screenWidth = 100, .fileWidth = 200, .field = "Citta", .editable = true},
      {.name = "colTutto",
       .heading = "Tutto",
       .screenWidth = 150,
       .fileWidth = 300,
       .compose = [](const core::RecordBuffer& r) { return u" " + r.get(0) + u"/" + r.get(1); }},
  };
  s.helpTitle = QStringLiteral("Titolo");
  s.helpParagraphs = {QStringLiteral("uno"), QStringLiteral("due")};
  return s;
}

void appendRecord(const QString& nome, const QString& citta) {
  core::RecordBuffer r(layout());
  r.set(0, nome.toStdU16String());
  r.set(1, citta.toStdU16String());
  appendRecords(QStringLiteral("Prova.pro"), layout().size(), {r});
}

// Hand-built pieces of the export file.
const QByteArray kHead =
    QByteArray::fromStdString(exportFileHead("Prova &amp; co")) +
    "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Nome</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Citt\xE0</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Tutto</td></tr>";
const QByteArray kTail = QByteArray::fromStdString(kExportFileTail);
QByteArray row(const QByteArray& a, const QByteArray& b, const QByteArray& c) {
  return "<tr><td style=\"text-align: left;\">" + a + "</td><td style=\"text-align: left;\">" + b +
         "</td><td style=\"text-align: left;\">" + c + "</td></tr>";
}

class ExportWindow : public ::testing::Test {
 protected:
  // Opens the window as the program does (the host shows it, FormShow fills it) and
  // runs `script` on it while it is open.
  void run(std::function<void(kit::SpreadsheetWindow&)> script) {
    kit::ExportSettings s = testSettings();
    s.help = [this](QWidget* owner, const QString& title, const QStringList& paragraphs) {
      helpCalls << owner->objectName() + "|" + title + "|" + paragraphs.join("#");
    };
    kit::SpreadsheetWindow w(nullptr, s);
    host.modalScripts.push_back([&](platform::Form& f) { script(static_cast<kit::SpreadsheetWindow&>(f)); });
    w.showModalDialog();
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  ShellOpenRecorder opened;
  QStringList helpCalls;
};

TEST_F(ExportWindow, EmptyArchiveShowsTenEmptyRowsAndExportsThem) {
  run([&](kit::SpreadsheetWindow& w) {
    EXPECT_EQ(w.rowCount(), 10);
    EXPECT_EQ(w.cell(0, 0), "");
    click(w.cmdEsporta);
  });
  EXPECT_TRUE(dir.exists("Prova.pro"));  // the missing archive was created empty
  EXPECT_EQ(dir.read("Prova.pro").size(), 0);
  QByteArray expected = kHead;
  for (int i = 0; i < 10; ++i) expected += row("", "", "");
  expected += kTail;
  EXPECT_EQ(dir.read("Prova.xls"), expected);
  EXPECT_EQ(host.texts(), QStringList({kit::exportmsg::kAsk, kit::exportmsg::kDone}));
  EXPECT_EQ(host.boxes[0].kind, platform::MsgKind::Question);
  EXPECT_EQ(host.boxes[1].kind, platform::MsgKind::Question);
  EXPECT_EQ(opened.targets, QStringList{dir.file("Prova.xls")});  // the default answer is Yes
}

TEST_F(ExportWindow, RecordsFillTheGridAndTheFileEscaped) {
  appendRecord("Rossi", "Milano");
  appendRecord("  <b>&", "P\"x\"");
  appendRecord("Bianchi", "");
  run([&](kit::SpreadsheetWindow& w) {
    ASSERT_EQ(w.rowCount(), 3);
    EXPECT_EQ(w.cell(0, 0), "1");
    EXPECT_EQ(w.cell(2, 0), "3");
    EXPECT_EQ(w.cell(1, 1), "<b>&");
    EXPECT_EQ(w.cell(2, 3), " Bianchi/");  // composed, untrimmed on the grid
    EXPECT_EQ(w.grdRecords->model()->rowCount(), 3);
    EXPECT_EQ(w.grdRecords->model()->data(w.grdRecords->model()->index(0, 2)).toString(), "Milano");
    click(w.cmdEsporta);
  });
  const QByteArray expected = kHead + row("Rossi", "Milano", "Rossi/Milano") +
                              row("&lt;b&gt;&amp;", "P&quot;x&quot;", "&lt;b&gt;&amp;/P&quot;x&quot;") +
                              row("Bianchi", "", "Bianchi/") + kTail;
  EXPECT_EQ(dir.read("Prova.xls"), expected);
}

TEST_F(ExportWindow, NoToTheFirstQuestionWritesNothing) {
  dir.write("Prova.xls", "earlier export");
  host.answers = {false};
  run([&](kit::SpreadsheetWindow& w) { click(w.cmdEsporta); });
  EXPECT_EQ(dir.read("Prova.xls"), "earlier export");
  EXPECT_EQ(host.texts(), QStringList{kit::exportmsg::kAsk});
  EXPECT_TRUE(opened.targets.isEmpty());
}

TEST_F(ExportWindow, NoToTheSecondQuestionKeepsTheFileUnopened) {
  host.answers = {true, false};
  run([&](kit::SpreadsheetWindow& w) { click(w.cmdEsporta); });
  EXPECT_TRUE(dir.exists("Prova.xls"));
  EXPECT_TRUE(opened.targets.isEmpty());
}

TEST_F(ExportWindow, FailedExportSaysSoAndNeverSucceeds) {
  // A folder where the file should go: it cannot be written.
  ASSERT_TRUE(QDir(dir.path()).mkdir("Prova.xls"));
  run([&](kit::SpreadsheetWindow& w) { click(w.cmdEsporta); });
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].kind, platform::MsgKind::Plain);
  EXPECT_EQ(host.boxes[1].text,
            "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
            "Accertarsi che il file di Excel non sia gi\u00E0 aperto.");
  EXPECT_TRUE(opened.targets.isEmpty());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Prova.pro"});  // no temporary file left
}

TEST_F(ExportWindow, UnreadableArchiveIsSilentAndKeepsTheDesignRows) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("Prova.pro"));  // exists, cannot be opened as an archive
  run([&](kit::SpreadsheetWindow& w) { EXPECT_EQ(w.rowCount(), 10); });
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(QFileInfo(dir.file("Prova.pro")).isDir());  // never re-created
}

TEST_F(ExportWindow, ArchiveThatCannotBeOpenedIsNeverExported) {
  struct Case {
    const char* name;
    std::function<void(const QString& path)> make;
  } cases[] = {
      {"a folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }},
      {"a pipe", [](const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0); }},
      {"a dangling link", [](const QString& path) { ASSERT_TRUE(QFile::link(path + ".gone", path)); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempExeDir here;
    host.clear();
    c.make(here.file("Prova.pro"));
    here.write("Prova.xls", "earlier export");
    const QStringList before = QDir(here.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    run([&](kit::SpreadsheetWindow& w) {
      EXPECT_EQ(w.rowCount(), 10);  // the grid stays as designed, silently
      EXPECT_TRUE(host.boxes.empty());
      click(w.cmdEsporta);
    });
    EXPECT_EQ(host.texts(), QStringList({kit::exportmsg::kAsk, kit::exportmsg::kFailed}));
    EXPECT_EQ(here.read("Prova.xls"), "earlier export");
    EXPECT_EQ(QDir(here.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              before);  // nothing written, nothing created, not even the archive's link target
    EXPECT_TRUE(opened.targets.isEmpty());
  }
}

namespace {
// Sets or clears the file's immutable flag; false where the filesystem or the user
// cannot (the flag needs root and a filesystem that keeps it).
bool setImmutable(const QString& path, bool on) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
  if (fd < 0) return false;
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return done;
}
}  // namespace

TEST_F(ExportWindow, AnImmutableArchiveIsNeverExported) {
  // An archive that can be read but never opened for writing.
  dir.write("Prova.pro", QByteArray(10, 'x'));
  dir.write("Prova.xls", "earlier export");
  if (!setImmutable(dir.file("Prova.pro"), true)) GTEST_SKIP() << "this filesystem or user cannot make a file immutable";
  run([&](kit::SpreadsheetWindow& w) {
    EXPECT_EQ(w.rowCount(), 10);
    click(w.cmdEsporta);
  });
  setImmutable(dir.file("Prova.pro"), false);
  EXPECT_EQ(host.texts(), QStringList({kit::exportmsg::kAsk, kit::exportmsg::kFailed}));
  EXPECT_EQ(dir.read("Prova.xls"), "earlier export");
}

// ---- The export file on disk ----------------------------------------------------

class ExportFile : public ::testing::Test {
 protected:
  bool write(const QString& name, const core::TextGrid& grid) {
    QString why;
    const bool ok = kit::writeSpreadsheet(dir.file(name), core::Sheet{u"S", cols_}, grid, &why);
    EXPECT_EQ(ok, why.isEmpty()) << why.toStdString();
    return ok;
  }
  // The one-column sheet "S" headed "H" (width 100), holding one cell.
  static QByteArray oneCellFile(const QByteArray& cellBytes) {
    return QByteArray::fromStdString(exportFileHead("S")) +
           "<tr><td style=\"text-align: left; font-weight: bold;\" width=100>H</td></tr>"
           "<tr><td style=\"text-align: left;\">" + cellBytes + "</td></tr>" + kTail;
  }
  QStringList entries() const {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }

  static constexpr std::array<core::SheetColumn, 1> cols_{{{u"H", 100}}};
  TempExeDir dir;
};

TEST_F(ExportFile, WritesTheBytesAndReplacesAnEarlierFile) {
  dir.write("Parco_Automezzi.xls", QByteArray(100000, 'x'));  // longer than the new file: nothing of it may remain
  core::TextGrid grid(2, 1);
  grid.setCell(0, 1, u"a<b");
  EXPECT_TRUE(write("Parco_Automezzi.xls", grid));
  EXPECT_EQ(dir.read("Parco_Automezzi.xls"), oneCellFile("a&lt;b"));
  EXPECT_EQ(entries(), QStringList{"Parco_Automezzi.xls"});  // no temporary file left behind
}

TEST_F(ExportFile, LargeGridGoesOutWhole) {
  // Bigger than a piece, so it is written in several.
  core::TextGrid grid(2, 40000);
  for (std::size_t r = 0; r < grid.rowCount(); ++r) grid.setCell(r, 1, u"cella");
  EXPECT_TRUE(write("big.xls", grid));
  EXPECT_EQ(dir.read("big.xls").toStdString(), core::spreadsheetBytes(core::Sheet{u"S", cols_}, grid));
}

TEST_F(ExportFile, FolderInPlaceOfTheFileOrNoFolderFails) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("Parco_Automezzi.xls"));
  core::TextGrid grid(2, 1);
  EXPECT_FALSE(write("Parco_Automezzi.xls", grid));
  EXPECT_TRUE(QFileInfo(dir.file("Parco_Automezzi.xls")).isDir());
  EXPECT_FALSE(write("nope/x.xls", grid));
  EXPECT_EQ(entries(), QStringList{"Parco_Automezzi.xls"});
}

TEST_F(ExportFile, FailureHalfwayLeavesTheEarlierFileWhole) {
  // The disk "fills up" after 64 KiB: the write fails in the middle of the file.
  const QByteArray earlier = "earlier export";
  dir.write("Parco_Automezzi.xls", earlier);
  core::TextGrid grid(2, 20000);
  for (std::size_t r = 0; r < grid.rowCount(); ++r) grid.setCell(r, 1, u"cella");

  rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 64 * 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = write("Parco_Automezzi.xls", grid);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(dir.read("Parco_Automezzi.xls"), earlier);
  EXPECT_EQ(entries(), QStringList{"Parco_Automezzi.xls"});
}

TEST_F(ExportWindow, EditedCellIsExportedAsItStands) {
  appendRecord("Rossi", "Milano");
  run([&](kit::SpreadsheetWindow& w) {
    QAbstractItemModel* m = w.grdRecords->model();
    EXPECT_FALSE(m->flags(m->index(0, 0)) & Qt::ItemIsEditable);  // the row number
    EXPECT_FALSE(m->flags(m->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m->flags(m->index(0, 2)) & Qt::ItemIsEditable);
    // Typing into the cell; the export picture is clicked while the edit is still open.
    w.grdRecords->setCurrentIndex(m->index(0, 2));
    w.grdRecords->edit(m->index(0, 2));
    auto* editor = qobject_cast<QLineEdit*>(w.grdRecords->indexWidget(m->index(0, 2)));
    ASSERT_NE(editor, nullptr);
    editor->setText("Torino");
    click(w.cmdEsporta);
    EXPECT_EQ(w.cell(0, 2), "Torino");
  });
  EXPECT_EQ(dir.read("Prova.xls"), kHead + row("Rossi", "Torino", "Rossi/Milano") + kTail);
}

TEST_F(ExportWindow, LayoutHelpHintsAndExit) {
  run([&](kit::SpreadsheetWindow& w) {
    EXPECT_EQ(w.objectName(), "TfrmExpProva");
    EXPECT_EQ(w.windowTitle(), " Esporta prova");
    EXPECT_EQ(w.size(), QSize(862, 560));
    QAbstractItemModel* m = w.grdRecords->model();
    EXPECT_EQ(m->columnCount(), 4);
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), "N.");
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(), "Città");
    EXPECT_EQ(m->headerData(3, Qt::Horizontal, Qt::UserRole).toString(), "colTutto");
    EXPECT_EQ(w.grdRecords->columnWidth(0), 60);
    EXPECT_EQ(w.grdRecords->columnWidth(3), 150);
    EXPECT_EQ(w.grdRecords->verticalHeader()->defaultSectionSize(), 21);
    EXPECT_TRUE(w.grdRecords->alternatingRowColors());
    for (auto* b : {w.cmdEsporta, w.cmdGuida, w.cmdEsci}) EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);

    EXPECT_EQ(w.panInfo->text(), "Esportazione archivio in Microsoft Excel.");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w.cmdGuida, &enter);
    EXPECT_EQ(w.panInfo->text(), "Visualizza la pagina della guida sensibile al contesto.");
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 50), QPointF(50, 50), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.grdRecords->viewport(), &move);
    EXPECT_EQ(w.panInfo->text(), "");
    QApplication::sendEvent(w.cmdEsporta, &enter);
    EXPECT_EQ(w.panInfo->text(), "Esporta l'archivio in formato Microsoft Excel.");
    QApplication::sendEvent(w.cmdEsci, &enter);
    EXPECT_EQ(w.panInfo->text(), "Esci da questo ambiente di lavoro.");

    click(w.cmdGuida);
    EXPECT_EQ(helpCalls, QStringList{"TfrmExpProva|Titolo|uno#due"});
    click(w.cmdEsci);
    EXPECT_FALSE(w.isVisible());
  });
  EXPECT_TRUE(host.boxes.empty());
}

}  // namespace

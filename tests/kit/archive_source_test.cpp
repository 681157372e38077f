// Where the kit's readers and writers find an archive: a fixed name, a yearly name
// asked at each use, or the full path held in a control; one openArchive for all.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <stdexcept>

#include "kit/archive_source.h"
#include "kit/record_card.h"
#include "kit/search_window.h"
#include "kit/spreadsheet.h"
#include "platform/form.h"
#include "platform/qtext.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"

namespace {

constexpr std::array<core::FieldDef, 1> kFields{{{"Nome", 8}}};
const core::RecordLayout& layout() {
  static const core::RecordLayout l(kFields);
  return l;
}

// The stored bytes of a record holding `nome`.
QByteArray stored(const QByteArray& nome) {
  QByteArray r(int(layout().size()), '\0');
  r[0] = char(nome.size());
  r.replace(1, nome.size(), nome);
  return r;
}

core::RecordBuffer record(const QString& nome) {
  core::RecordBuffer r(layout());
  r.set(0, platform::toCore(nome));
  return r;
}

// Whether opening `source` throws an archive error that is not a refusal.
bool failsToOpen(const kit::ArchiveSource& source) {
  try {
    kit::openArchive(source);
  } catch (const kit::ArchiveRefused&) {
    return false;
  } catch (const core::ArchiveError&) {
    return true;
  }
  return false;
}

TEST(OpenArchive, EachKindOpensItsOwnFileCreatedWhenMissing) {
  TempExeDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Città")));
  QLabel lblFile;
  lblFile.setText(QStringLiteral("  ") + dir.file(QStringLiteral("Città/2031.sca")) + QStringLiteral(" "));
  int asked = 0;
  struct Case {
    const char* name;
    kit::ArchiveSource source;
    QString file;
  } cases[] = {
      {"fixed name beside the executable", kit::ArchiveSource::fixed(QStringLiteral("Parco.pro"), &layout()),
       QStringLiteral("Parco.pro")},
      {"yearly name, asked once per use",
       kit::ArchiveSource::yearly([&] { ++asked; return QStringLiteral("2030.sca"); }, &layout()),
       QStringLiteral("2030.sca")},
      {"full path in a control, trimmed, in a folder named with an accent",
       kit::ArchiveSource::fromControl(&lblFile, &layout()), QStringLiteral("Città/2031.sca")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    {
      core::Archive archive = kit::openArchive(c.source);
      EXPECT_EQ(archive.count(), 0u);
      archive.write(record(QStringLiteral("Rossi")));
    }
    EXPECT_EQ(dir.read(c.file), stored("Rossi"));
  }
  EXPECT_EQ(asked, 1);
}

TEST(OpenArchive, ARefusedYearlyNameAGoneOrEmptyControlAndNoLayoutOpenNothing) {
  TempExeDir dir;
  int asked = 0;
  EXPECT_THROW(kit::openArchive(kit::ArchiveSource::yearly([&] { ++asked; return QString(); }, &layout())),
               kit::ArchiveRefused);
  EXPECT_EQ(asked, 1);

  auto* lblFile = new QLabel(QStringLiteral("   "));
  const kit::ArchiveSource inLabel = kit::ArchiveSource::fromControl(lblFile, &layout());
  EXPECT_TRUE(failsToOpen(inLabel));  // an empty path is no refusal: the access error
  delete lblFile;
  EXPECT_TRUE(failsToOpen(inLabel));
  EXPECT_TRUE(failsToOpen(kit::ArchiveSource{.layout = &layout()}));  // named no way at all
  EXPECT_THROW(kit::openArchive(kit::ArchiveSource::fixed(QStringLiteral("Parco.pro"))), std::logic_error);
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

// A yearly window as the schedule app has it: the hidden label lblFile holds the full
// path of the open year's file, and its card, lists and export read it there.
class PathInLblFile : public ::testing::Test {
 protected:
  PathInLblFile() : window(nullptr, QStringLiteral("TfrmProvaAnno"), platform::WindowKind::Maximized, QStringLiteral(" Prova"), 300, 200) {
    lblFile = new QLabel(QStringLiteral("FilePath"), &window);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    txtNome = new QLineEdit(&window);
    lblPosizione = new QLabel(&window);
  }
  void openYear(const QString& year) { lblFile->setText(dir.file(year + QStringLiteral(".sca"))); }
  kit::ArchiveSource source() { return kit::ArchiveSource::fromControl(lblFile, &layout()); }

  TempExeDir dir;
  ScriptedDialogHost host;
  platform::Form window;
  QLabel* lblFile;
  QLineEdit* txtNome;
  QLabel* lblPosizione;
};

TEST_F(PathInLblFile, TheCardTheListAndTheExportReadTheYearTheLabelNames) {
  kit::RecordCard card(window, layout(), lblPosizione);
  card.setArchive(source());
  card.bind("Nome", txtNome);

  openYear(QStringLiteral("2031"));
  txtNome->setText(QStringLiteral("Rossi"));
  card.save();
  EXPECT_EQ(host.last().text, kit::msg::kInserted);
  EXPECT_EQ(dir.read(QStringLiteral("2031.sca")), stored("Rossi"));

  openYear(QStringLiteral("2032"));
  card.first();
  EXPECT_EQ(host.last().text, kit::msg::kEmptyArchive);
  EXPECT_TRUE(dir.exists(QStringLiteral("2032.sca")));

  openYear(QStringLiteral("2031"));
  kit::ListSettings list;
  list.windowClass = QStringLiteral("TfrmElencoAnno");
  list.caption = QStringLiteral(" Elenco");
  list.archive = source();
  list.line = core::LineFormat({core::line::rest({0})});
  list.findBox = false;
  kit::SearchWindow listWindow(nullptr, list);
  listWindow.show();
  EXPECT_EQ(listLines(listWindow.lstRecords), QStringList{QStringLiteral("Rossi")});

  kit::ExportSettings exported;
  exported.windowClass = QStringLiteral("TfrmExpAnno");
  exported.fileName = QStringLiteral("Anno.xls");
  exported.archive = source();
  exported.columns = {{.name = "colNome", .heading = "Nome", .screenWidth = 120, .fileWidth = 250, .field = "Nome"}};
  kit::SpreadsheetWindow exportWindow(nullptr, exported);
  exportWindow.show();
  ASSERT_EQ(exportWindow.rowCount(), 1);
  EXPECT_EQ(exportWindow.cell(0, 1), QStringLiteral("Rossi"));

  // No year open: the design text is no path, so nothing is created wherever the
  // program was started from, and the card says it cannot reach its archive.
  for (const QString& text : {QStringLiteral("FilePath"), QString()}) {
    SCOPED_TRACE(text.toStdString());
    lblFile->setText(text);
    host.clear();
    card.last();
    EXPECT_EQ(host.texts(), QStringList{kit::msg::kAccessError});
  }
  EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath(QStringLiteral("FilePath"))));
}

TEST(ArchiveRefusal, ASearchWhoseYearIsRefusedShowsOnlyTheYearsOwnWarning) {
  TempExeDir dir;
  ScriptedDialogHost host;
  kit::ListSettings s;
  s.windowClass = QStringLiteral("TfrmTrovaAnno");
  s.caption = QStringLiteral(" Trova");
  s.archive = kit::ArchiveSource::yearly(
      [] {
        platform::warning(QStringLiteral("Anno non valido."));
        return QString();
      },
      &layout());
  s.line = core::LineFormat({core::line::rest({0})});
  s.filters = {{QStringLiteral("txtNome"), QStringLiteral("Nome:"), 0, QStringLiteral("effCampo01")}};
  kit::SearchWindow w(nullptr, s);
  w.show();
  click(w.btnCerca);
  EXPECT_EQ(host.texts(), QStringList{QStringLiteral("Anno non valido.")});
  EXPECT_TRUE(w.panAvvio->isVisible());
  EXPECT_FALSE(w.lblAttendere->isVisible());
}

}  // namespace

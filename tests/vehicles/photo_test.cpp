// The vehicle photo: the card's photo file per record number, the photo buttons, the
// zoom and the slide show.
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "app/app.h"
#include "kit/record_card.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "support/small_disk.h"
#include "vehicles/frm_autoparco.h"
#include "vehicles/frm_slideshow_automezzi.h"
#include "vehicles/frm_zoom.h"
#include "vehicles/vehicle_photo.h"

using platform::MsgKind;

namespace {

const QString kArchive = QStringLiteral("Parco_Automezzi.pro");

QImage solid(int width, int height, const QColor& colour) {
  QImage img(width, height, QImage::Format_RGB32);
  img.fill(colour);
  return img;
}

// JPEG is lossy: colours are compared with some slack.
bool near(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 && std::abs(a.blue() - b.blue()) < 24;
}
QColor centre(const QImage& img) { return img.pixelColor(img.width() / 2, img.height() / 2); }

// Records each file dialog as caption | proposed name | filter.
class FileDialogHost : public ScriptedDialogHost {
 public:
  QStringList fileDialogs;
  QString openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override {
    fileDialogs << caption + "|" + dir + "|" + filter;
    return ScriptedDialogHost::openFile(parent, caption, dir, filter);
  }
  QString saveFile(QWidget* parent, const QString& caption, const QString& path, const QString& filter) override {
    fileDialogs << caption + "|" + path + "|" + filter;
    return ScriptedDialogHost::saveFile(parent, caption, path, filter);
  }
};

class PhotoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w = new TfrmAutoparco(nullptr);
    app().adopt(w);
    app().frmAutoparco = w;
    w->cmdNuovoClick();
  }
  void TearDown() override { app().destroyWindows(); }

  QString picture(const QString& name, const QImage& img, const char* format) {
    const QString path = dir.file(name);
    EXPECT_TRUE(img.save(path, format));
    return path;
  }
  void loadPicture(const QString& path) {
    host.openFiles.push_back(path);
    w->btnCaricaFotoClick();
  }
  void saveNewCard(const QString& tipo) {
    w->txtTipo->setText(tipo);
    w->txtMarca->setText(QStringLiteral("Fiat"));
    w->txtModello->setText(QStringLiteral("Ducato"));
    w->txtTarga->setText(QStringLiteral("AA111BB"));
    w->cmdSalvaClick();
  }
  QString photoFile(int n) const { return dir.file(QStringLiteral("Autoparco/Scheda_Veicolo_%1.jpg").arg(n)); }
  bool showsBlank() const { return w->imgFoto->image() == w->imgBianco->image(); }

  TempExeDir dir;
  FileDialogHost host;
  TfrmAutoparco* w = nullptr;
};

TEST_F(PhotoTest, SaveWithoutPhotoStoresTheBlankPictureAndNavigationShowsIt) {
  EXPECT_TRUE(showsBlank());
  saveNewCard(QStringLiteral("Furgone"));
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("1"));
  QImageReader stored(photoFile(1));
  EXPECT_EQ(stored.format(), QByteArray("jpeg"));
  EXPECT_EQ(stored.size(), w->imgBianco->image().size());

  w->cmdNuovoClick();
  w->cmdPrimoClick();
  EXPECT_EQ(w->imgFoto->image().size(), w->imgBianco->image().size());
}

TEST_F(PhotoTest, LoadedJpegOrBitmapBecomesThePhotoFileAtSave) {
  loadPicture(picture(QStringLiteral("rossa.jpg"), solid(640, 480, Qt::red), "JPG"));
  EXPECT_EQ(w->imgFoto->image().size(), QSize(640, 480));
  EXPECT_FALSE(dir.exists(QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg")));  // written only by Save
  saveNewCard(QStringLiteral("Uno"));

  w->cmdNuovoClick();
  loadPicture(picture(QStringLiteral("blu.bmp"), solid(300, 200, Qt::blue), "BMP"));
  EXPECT_EQ(w->imgFoto->image().size(), QSize(300, 200));
  saveNewCard(QStringLiteral("Due"));

  w->cmdPrimoClick();
  EXPECT_EQ(w->imgFoto->image().size(), QSize(640, 480));
  EXPECT_TRUE(near(centre(w->imgFoto->image()), Qt::red));
  w->cmdAvantiClick();
  EXPECT_TRUE(near(centre(w->imgFoto->image()), Qt::blue));
  EXPECT_EQ(QImageReader(photoFile(2)).format(), QByteArray("jpeg"));

  // A missing photo file shows the blank picture.
  QFile::remove(photoFile(1));
  w->cmdPrimoClick();
  EXPECT_TRUE(showsBlank());
}

TEST_F(PhotoTest, NotAPictureShowsBlankAndLeavesTheStoredPhotoUntilSave) {
  loadPicture(picture(QStringLiteral("verde.jpg"), solid(200, 100, Qt::green), "JPG"));
  saveNewCard(QStringLiteral("Uno"));
  QFile f(photoFile(1));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray before = f.readAll();
  f.close();

  dir.write(QStringLiteral("nota.jpg"), QByteArray("non sono una foto"));
  loadPicture(dir.file(QStringLiteral("nota.jpg")));
  EXPECT_TRUE(showsBlank());
  EXPECT_EQ(host.boxes.size(), 1u);  // only the save's message: the failed load is silent
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), before);
  f.close();

  // Cancelled dialog: nothing changes. Cancella: the blank picture.
  loadPicture(picture(QStringLiteral("verde2.jpg"), solid(200, 100, Qt::green), "JPG"));
  w->btnCaricaFotoClick();
  EXPECT_EQ(w->imgFoto->image().size(), QSize(200, 100));
  w->btnCancFotoClick();
  EXPECT_TRUE(showsBlank());
}

TEST_F(PhotoTest, TenNewCardsNumberTheirPhotosOneToTen) {
  for (int i = 1; i <= 10; ++i) {
    w->cmdNuovoClick();
    loadPicture(picture(QStringLiteral("p%1.jpg").arg(i), solid(100 + i, 50, Qt::gray), "JPG"));
    saveNewCard(QStringLiteral("Veicolo %1").arg(i));
    EXPECT_EQ(w->lblPosizione->text(), QString::number(i));
  }
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(QImageReader(photoFile(i)).size(), QSize(100 + i, 50)) << i;
}

TEST_F(PhotoTest, FailedPhotoWriteKeepsThePictureSoTheNextSaveStoresIt) {
  loadPicture(picture(QStringLiteral("rossa.jpg"), solid(320, 240, Qt::red), "JPG"));
  QDir().mkpath(photoFile(1));  // a folder where the photo file should go: the write fails
  saveNewCard(QStringLiteral("Uno"));
  EXPECT_EQ(dir.read(kArchive).size(), 3370);
  // The card's own message, then the warning that its photo was not written.
  EXPECT_EQ(host.texts(), QStringList({kit::msg::kInserted, TfrmAutoparco::kPhotoNotSaved}));
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
  EXPECT_EQ(w->imgFoto->image().size(), QSize(320, 240));  // not replaced by the blank picture
  EXPECT_FALSE(showsBlank());

  QDir().rmdir(photoFile(1));
  w->cmdSalvaClick();
  const QImage stored(photoFile(1));
  EXPECT_EQ(stored.size(), QSize(320, 240));
  EXPECT_TRUE(near(centre(stored), Qt::red));
}

// A full disk: the photo cannot be written, the card itself can (overwritten in place).
class PhotoFullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
    w = new TfrmAutoparco(nullptr);
    app().adopt(w);
    app().frmAutoparco = w;
    w->cmdNuovoClick();
  }
  void TearDown() override { app().destroyWindows(); }

  // Loads a picture kept on the real disk, as the user would.
  void load(const QImage& img) {
    const QString path = pictures.filePath(QStringLiteral("p%1.jpg").arg(++loaded));
    ASSERT_TRUE(img.save(path, "JPG"));
    host.openFiles.push_back(path);
    w->btnCaricaFotoClick();
  }

  SmallDisk disk;
  QTemporaryDir pictures;
  int loaded = 0;
  FileDialogHost host;
  TfrmAutoparco* w = nullptr;
};

TEST_F(PhotoFullDisk, OldPhotoStaysWholeAndAWarningFollowsTheSavedMessage) {
  load(solid(320, 240, Qt::red));
  w->txtTipo->setText(QStringLiteral("Uno"));
  w->txtMarca->setText(QStringLiteral("Fiat"));
  w->txtModello->setText(QStringLiteral("Ducato"));
  w->txtTarga->setText(QStringLiteral("AA111BB"));
  w->cmdSalvaClick();
  ASSERT_EQ(w->lblPosizione->text(), QStringLiteral("1"));
  const QString photo = QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg");
  const QByteArray before = disk.read(photo);
  ASSERT_FALSE(before.isEmpty());

  load(solid(300, 200, Qt::blue));
  w->txtTipo->setText(QStringLiteral("Due"));
  disk.fill();
  host.clear();
  w->cmdSalvaClick();

  // The old photo byte for byte, no temporary file beside it, the new picture still shown.
  EXPECT_EQ(disk.read(photo), before);
  EXPECT_EQ(disk.entries(QStringLiteral("Autoparco")), QStringList{QStringLiteral("Scheda_Veicolo_1.jpg")});
  EXPECT_EQ(w->imgFoto->image().size(), QSize(300, 200));
  EXPECT_TRUE(near(centre(w->imgFoto->image()), Qt::blue));
  // The card was saved, and said so; then the warning that its photo was not.
  const QByteArray archive = disk.read(kArchive);
  ASSERT_EQ(archive.size(), 3370);
  EXPECT_EQ(archive.mid(0, 4), QByteArray("\x03" "Due", 4));
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].kind, MsgKind::Information);
  EXPECT_EQ(host.boxes[0].text, kit::msg::kOverwritten);
  EXPECT_EQ(host.boxes[1].kind, MsgKind::Warning);
  EXPECT_EQ(host.boxes[1].text,
            QStringLiteral("Attenzione: la foto del veicolo non \u00E8 stata salvata.\n\r\n\r"
                           "La scheda \u00E8 stata comunque salvata in archivio; per salvare la foto accertarsi che "
                           "ci sia spazio libero sul disco e premere di nuovo Salva."));

  // Room again: the next Save writes the picture still on the card.
  QFile::remove(disk.file(QString::fromLatin1(SmallDisk::kFiller)));
  host.clear();
  w->cmdSalvaClick();
  EXPECT_EQ(host.texts(), QStringList{kit::msg::kOverwritten});
  EXPECT_TRUE(near(centre(QImage(disk.file(photo))), Qt::blue));
}

TEST_F(PhotoTest, SaveACopyAsJpeg) {
  loadPicture(picture(QStringLiteral("rossa.bmp"), solid(120, 90, Qt::red), "BMP"));
  host.saveFiles.push_back(dir.file(QStringLiteral("copia")));  // no extension: .jpg added
  w->btnSalvaFotoClick();
  EXPECT_EQ(host.fileDialogs,
            QStringList({QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.||"
                                        "Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"),
                         QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.|Foto.jpg|"
                                        "File Jpeg (*.jpg)")}));
  QImageReader copy(dir.file(QStringLiteral("copia.jpg")));
  EXPECT_EQ(copy.format(), QByteArray("jpeg"));
  EXPECT_EQ(copy.size(), QSize(120, 90));

  QDir(dir.path()).mkdir(QStringLiteral("cartella.jpg"));
  host.saveFiles.push_back(dir.file(QStringLiteral("cartella.jpg")));
  w->btnSalvaFotoClick();
  EXPECT_EQ(w->imgFoto->image().size(), QSize(120, 90));  // a failed copy leaves the picture
  EXPECT_TRUE(host.boxes.empty());

  w->btnSalvaFotoClick();  // cancelled: nothing
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // rossa.bmp, copia.jpg
}

TEST_F(PhotoTest, ZoomShowsThePictureAndClosesOnClick) {
  loadPicture(picture(QStringLiteral("rossa.jpg"), solid(800, 600, Qt::red), "JPG"));
  bool closed = false;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& zoom = static_cast<TfrmZoom&>(f);
    EXPECT_EQ(zoom.windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    EXPECT_EQ(zoom.imgFoto->image(), w->imgFoto->image());
    EXPECT_EQ(zoom.imgFoto->size(), zoom.panContainer->size());
    click(zoom.imgFoto);
    closed = !zoom.isVisible();
  });
  w->btnZoomFotoClick();
  EXPECT_EQ(host.modalShown, QStringList({QStringLiteral("TfrmZoom")}));
  EXPECT_TRUE(closed);
}

// Records whether the slide show's timer was still running when a box came up.
class ShowHost : public ScriptedDialogHost {
 public:
  TfrmSlideshow_Automezzi* show = nullptr;
  std::vector<bool> timerRunning;
  bool message(MsgKind kind, const QString& text, QWidget* parent) override {
    if (show) timerRunning.push_back(show->Timer->isActive());
    return ScriptedDialogHost::message(kind, text, parent);
  }
};

class SlideshowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w = new TfrmAutoparco(nullptr);
    app().adopt(w);
  }
  void TearDown() override { app().destroyWindows(); }

  void storeVehicles(int count) {
    dir.write(kArchive, QByteArray(3370 * count, '\0'));
    QDir().mkpath(dir.file(QStringLiteral("Autoparco")));
  }
  void storePhoto(int n, const QColor& colour) {
    ASSERT_TRUE(solid(160, 120, colour).save(dir.file(QStringLiteral("Autoparco/Scheda_Veicolo_%1.jpg").arg(n)), "JPG"));
  }
  // Runs `steps` inside the open slide show.
  void run(std::function<void(TfrmSlideshow_Automezzi&)> steps) {
    host.modalScripts.push_back([&, steps](platform::Form& f) {
      auto& s = static_cast<TfrmSlideshow_Automezzi&>(f);
      host.show = &s;
      steps(s);
      host.show = nullptr;
    });
    w->cmdSlideshowClick();
  }

  TempExeDir dir;
  ShowHost host;
  TfrmAutoparco* w = nullptr;
};

TEST_F(SlideshowTest, StepsThroughThePhotosAndStartsAgain) {
  storeVehicles(3);
  storePhoto(1, Qt::red);
  storePhoto(3, Qt::blue);  // record 2 has no photo
  QStringList seen;
  run([&](TfrmSlideshow_Automezzi& s) {
    EXPECT_EQ(s.windowTitle(), QStringLiteral(" Slide Show Parco Automezzi"));
    EXPECT_TRUE(s.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(s.windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(s.Timer->isActive());
    EXPECT_EQ(s.Timer->interval(), 6000);
    auto look = [&] {
      const QImage img = s.imgFoto->image();
      if (img == s.imgBianco->image()) return QStringLiteral("placeholder");
      if (near(centre(img), Qt::red)) return QStringLiteral("red");
      if (near(centre(img), Qt::blue)) return QStringLiteral("blue");
      return QStringLiteral("?");
    };
    seen << look() + "@" + s.lblPosizione->text();
    for (int i = 0; i < 6; ++i) {
      s.TimerTimer();
      seen << look() + "@" + s.lblPosizione->text();
    }
    click(s.imgFoto);
    EXPECT_FALSE(s.isVisible());
    EXPECT_FALSE(s.Timer->isActive());
  });
  EXPECT_EQ(seen, QStringList({"placeholder@", "red@1", "placeholder@2", "blue@3", "blue@0", "red@1",
                               "placeholder@2"}));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SlideshowTest, OneVehicleStaysTwoIntervalsThenAgain) {
  storeVehicles(1);
  storePhoto(1, Qt::red);
  QStringList labels;
  run([&](TfrmSlideshow_Automezzi& s) {
    for (int i = 0; i < 4; ++i) {
      s.TimerTimer();
      labels << s.lblPosizione->text() + (near(centre(s.imgFoto->image()), Qt::red) ? "red" : "");
    }
  });
  EXPECT_EQ(labels, QStringList({"1red", "0red", "1red", "0red"}));
}

TEST_F(SlideshowTest, EmptyArchiveStopsTheShowBeforeItsMessage) {
  bool visibleAfter = true;
  run([&](TfrmSlideshow_Automezzi& s) {
    s.TimerTimer();
    visibleAfter = s.isVisible();
    EXPECT_TRUE(s.lblPosizione->text().isEmpty());
  });
  EXPECT_TRUE(dir.exists(kArchive));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(host.last().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
  EXPECT_EQ(host.timerRunning, std::vector<bool>({false}));
  EXPECT_FALSE(visibleAfter);
}

TEST_F(SlideshowTest, ArchiveFailureShowsOneErrorAndEndsTheShow) {
  QDir(dir.path()).mkdir(kArchive);
  bool visibleAfter = true;
  run([&](TfrmSlideshow_Automezzi& s) {
    s.TimerTimer();
    visibleAfter = s.isVisible();
  });
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Error);
  EXPECT_EQ(host.last().text, kit::msg::kAccessError);
  EXPECT_EQ(host.timerRunning, std::vector<bool>({false}));
  EXPECT_FALSE(visibleAfter);
}

}  // namespace

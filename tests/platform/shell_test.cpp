// Shell open and the alert sound: what reaches the desktop, and silence when there
// is nothing to play.
#include <QStringList>

#include "platform/shell.h"
#include "platform/sound.h"
#include "support/helpers.h"

TEST(ShellOpen, RemovesTheQuotesCallersPutAroundPaths) {
  ShellOpenRecorder opener;
  platform::shellOpen("\"/opt/my programs/Guida.pdf\"");
  platform::shellOpen("https://www.example.com");
  platform::shellOpen("\"mailto:a@b.it?subject=Software Velmora 4.0&body=Salve, ciao:\"");
  platform::shellOpen("  \"/tmp/x.xls\"  ");
  EXPECT_EQ(opener.targets, (QStringList{"/opt/my programs/Guida.pdf", "https://www.example.com",
                                         "mailto:a@b.it?subject=Software Velmora 4.0&body=Salve, ciao:",
                                         "/tmp/x.xls"}));
}

TEST(ShellOpen, PathsBecomeFileUrlsAddressesStayAddresses) {
  struct Case {
    const char* target;
    const char* scheme;
    const char* want;
  } cases[] = {
      {"\"/opt/my programs/Guida.pdf\"", "file", "/opt/my programs/Guida.pdf"},
      {"https://www.example.com/a", "https", "https://www.example.com/a"},
      {"http://x.it", "http", "http://x.it"},
      {"\"mailto:a@b.it?subject=Software Velmora 4.0\"", "mailto", "mailto:a@b.it?subject=Software Velmora 4.0"},
      {"relative name.pdf", "file", nullptr},
      {"C:/Velmora/x.xls", "file", nullptr},  // a drive letter is no scheme
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    const QUrl url = platform::shellUrl(c.target);
    EXPECT_EQ(url.scheme(), c.scheme);
    if (!c.want) continue;
    if (url.isLocalFile()) {
      EXPECT_EQ(url.toLocalFile(), c.want);
    } else {
      EXPECT_EQ(url.toString(), c.want);
    }
  }
}

TEST(Sound, MissingFileOrNoDevicePlaysNothingSilently) {
  TempExeDir dir;
  QStringList played;
  platform::setSoundOutput([&](const QString& path) { played << path; });
  platform::playSound(dir.file("Avviso.mp3"));
  platform::playSound(QString());
  platform::playSound(dir.path());  // a folder is no sound
  EXPECT_TRUE(played.isEmpty());
  dir.write("Avviso.mp3", "not really a sound");
  platform::playSound(dir.file("Avviso.mp3"));
  EXPECT_EQ(played, QStringList{dir.file("Avviso.mp3")});
  platform::setSoundOutput({});

  // The real player: with no sound device (or a file it cannot decode) nothing
  // happens and nothing is said.
  platform::playSound(dir.file("Avviso.mp3"));
  platform::playSound(dir.file("missing.mp3"));
  settle();
  platform::stopSound();
}

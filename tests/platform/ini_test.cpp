// One INI key read and written in place, on files built by hand.
#include "platform/ini.h"
#include "support/helpers.h"

using platform::iniRead;
using platform::iniWrite;

TEST(Ini, MissingFileSectionOrKeyReadsEmpty) {
  TempExeDir dir;
  EXPECT_EQ(iniRead(dir.file("none.ini"), "Accesso", "Valore"), "");
  dir.write("c.ini", "[Altro]\r\nValore=1\r\n[Accesso]\r\nChiave=2\r\n");
  EXPECT_EQ(iniRead(dir.file("c.ini"), "Accesso", "Valore"), "");
  EXPECT_EQ(iniRead(dir.file("c.ini"), "Manca", "Chiave"), "");
  EXPECT_EQ(iniRead(dir.path(), "Accesso", "Valore"), "");  // a folder: unreadable
}

TEST(Ini, ReadsTheKeyOfItsOwnSection) {
  TempExeDir dir;
  dir.write("c.ini",
            "; credentials\r\n"
            "[Altro]\r\nValore=NO\r\n"
            "  [ accesso ]  \r\n"
            "; Valore=commented\r\n"
            "  valore  =  A1B2 \r\n"
            "Valore=second\r\n"
            "[Accesso]\r\nValore=duplicate section\r\n");
  EXPECT_EQ(iniRead(dir.file("c.ini"), "Accesso", "Valore"), "A1B2");
  dir.write("q.ini", "[S]\nA=\"quoted value\"\nB='x'\nC=\"half\nD=\nE=caf\xE9\n");
  EXPECT_EQ(iniRead(dir.file("q.ini"), "S", "A"), "quoted value");
  EXPECT_EQ(iniRead(dir.file("q.ini"), "S", "B"), "x");
  EXPECT_EQ(iniRead(dir.file("q.ini"), "S", "C"), "\"half");
  EXPECT_EQ(iniRead(dir.file("q.ini"), "S", "D"), "");
  EXPECT_EQ(iniRead(dir.file("q.ini"), "S", "E"), QString::fromUtf8("café"));  // Windows-1252
}

TEST(Ini, WriteChangesOnlyThatKey) {
  TempExeDir dir;
  const QByteArray before =
      "; keep me\r\n[Altro]\r\nValore=1\r\n\r\n[Accesso]\r\n  Valore = OLD ; note\r\nAltra=2\r\n\r\n[Coda]\r\nX=y";
  dir.write("c.ini", before);
  iniWrite(dir.file("c.ini"), "Accesso", "Valore", "5D3B");
  QByteArray want = before;
  want.replace("  Valore = OLD ; note", "Valore=5D3B");
  EXPECT_EQ(dir.read("c.ini"), want);
  EXPECT_EQ(iniRead(dir.file("c.ini"), "Accesso", "Valore"), "5D3B");
  EXPECT_EQ(iniRead(dir.file("c.ini"), "Altro", "Valore"), "1");
}

TEST(Ini, WriteAddsAMissingKeyOrSection) {
  struct Case {
    const char* name;
    QByteArray before;
    QByteArray after;
  } cases[] = {
      {"key added after the section's last line", "[Accesso]\r\nA=1\r\n\r\n[Z]\r\nB=2\r\n",
       "[Accesso]\r\nA=1\r\nValore=AB\r\n\r\n[Z]\r\nB=2\r\n"},
      {"key in an empty last section without newline", "[Accesso]", "[Accesso]\r\nValore=AB\r\n"},
      {"section added at the end, LF kept", "[Z]\nB=2\n", "[Z]\nB=2\n[Accesso]\nValore=AB\n"},
      {"section after a last line without newline", "[Z]\r\nB=2", "[Z]\r\nB=2\r\n[Accesso]\r\nValore=AB\r\n"},
      {"empty file", "", "[Accesso]\r\nValore=AB\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempExeDir dir;
    dir.write("c.ini", c.before);
    iniWrite(dir.file("c.ini"), "Accesso", "Valore", "AB");
    EXPECT_EQ(dir.read("c.ini"), c.after);
  }
}

TEST(Ini, WriteCreatesAMissingFileWithCrLf) {
  TempExeDir dir;
  iniWrite(dir.file("new.ini"), "Accesso", "Valore", QString::fromUtf8("è€"));
  EXPECT_EQ(dir.read("new.ini"), QByteArray("[Accesso]\r\nValore=\xE8\x80\r\n"));
  EXPECT_EQ(iniRead(dir.file("new.ini"), "Accesso", "Valore"), QString::fromUtf8("è€"));
}

TEST(Ini, FailedWriteThrows) {
  TempExeDir dir;
  EXPECT_THROW(iniWrite(dir.file("no/such/dir/c.ini"), "A", "B", "C"), platform::IniError);
  EXPECT_THROW(iniWrite(dir.path(), "A", "B", "C"), platform::IniError);  // a folder in its place
  dir.write("c.ini", "[A]\r\nB=1\r\n");
  EXPECT_THROW(iniWrite(dir.file("c.ini"), "A", "B", "x\r\n[Evil]"), platform::IniError);
  EXPECT_EQ(dir.read("c.ini"), QByteArray("[A]\r\nB=1\r\n"));
}

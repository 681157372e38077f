#include "shell/credentials.h"

#include <QFileInfo>

#include "core/cipher.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/qtext.h"

namespace shell {

namespace {
const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");
}  // namespace

QString credentialsPath() { return platform::exePath(QStringLiteral("unins000.dll")); }

QString readCredentials() { return platform::iniRead(credentialsPath(), kSection, kKey); }

QString decipherPassword(const QString& cipher) {
  return platform::trim(platform::fromCore(core::DecryptText(platform::toCore(cipher))));
}

QString encipherPassword(const QString& typed) {
  return platform::trim(platform::fromCore(core::EncryptText(core::passwordForm(platform::toCore(typed)))));
}

void writeCredentials(const QString& cipher) {
  const QString path = credentialsPath();
  // Writing an INI key would create the file; a missing one means a broken
  // installation, which the user is told to repair.
  if (!QFileInfo(path).isFile()) throw platform::IniError("the credentials file is missing");
  platform::iniWrite(path, kSection, kKey, cipher);
}

}  // namespace shell

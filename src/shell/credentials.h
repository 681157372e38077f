#pragma once
// The credentials file "unins000.dll" beside the executable: an INI text file with
// one key, [Accesso] Valore, holding the enciphered access password. The installation
// supplies the file; the program only reads and rewrites that key, never creates it.
#include <QString>

namespace shell {

// exePath("unins000.dll").
QString credentialsPath();

// The stored cipher text as it stands; empty when the file or the key is missing.
QString readCredentials();

// The stored password: `cipher` deciphered and trimmed. Throws core::CipherError
// when a pair of digits is not hexadecimal.
QString decipherPassword(const QString& cipher);

// The stored form of a typed password: a-z upper-cased, trimmed, enciphered.
QString encipherPassword(const QString& typed);

// Replaces the key's value in place. Throws platform::IniError when the file is
// missing (it is never created here) or cannot be written.
void writeCredentials(const QString& cipher);

}  // namespace shell

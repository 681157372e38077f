#pragma once
// Files written whole: the credentials file, the vehicle photos, the exports, the
// attachment copies. A file is never rewritten in place. The new content goes into a
// temporary file in the same folder; every write is checked, the file is flushed to
// the disk (fsync) and closed with its result checked, then renamed over the old one,
// and the folder is flushed so that the rename survives a power cut too.
//
// Error contract (every function here): true when the file at the path holds the new
// content and has reached the disk. On any failure - a full disk, a missing folder, a
// folder or a file that is not a regular one in its place, an existing file that may
// not be written (read-only, immutable), a failed flush - false, with a text naming
// the file and the reason in *error when given; the temporary file has been removed
// and a file already at the path is left byte for byte as it was. Nothing throws.
//
// The one step that comes after the rename is the folder's flush: when that alone
// fails, the file already holds the new content, and false is still returned, since
// the replacement may not survive a power cut. A file system that cannot flush a
// folder at all is not a failure.
//
// A path that is a link to a file replaces the file it points to (the link stays); an
// existing file keeps its permissions, a new one gets the usual ones (0666 less umask).
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <string_view>

namespace platform {

// Writes `bytes` as the whole content of the file at `path`.
bool writeWholeFile(const QString& path, QByteArrayView bytes, QString* error = nullptr);

// Hands each piece of the content to the file; false once a write has failed (the
// producer should then stop: what it hands on is dropped).
using PieceWriter = std::function<bool(std::string_view piece)>;

// Writes the content that `produce` hands over in pieces, for files too large to be
// built in memory first. `produce` returns false to give up, which is a failure too.
bool writeWholeFile(const QString& path, const std::function<bool(const PieceWriter& write)>& produce,
                    QString* error = nullptr);

// Copies the regular file `source` as the whole content of `destination`; the source
// is only read.
bool copyWholeFile(const QString& source, const QString& destination, QString* error = nullptr);

}  // namespace platform

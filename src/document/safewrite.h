#pragma once
// The one way this project writes a file: the whole content goes to a temporary file beside the
// target, every step is checked, and only a complete file replaces the old one.
#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;
class QImage;

// Writes bytes to path. Refuses targets that exist but are not regular files (directories, FIFOs,
// devices, sockets); a symbolic link is followed, so its target is written and the link stays. On
// failure the old file is untouched, no temporary file remains, and errorText (when given) says why.
bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *errorText = nullptr);
// The same, with the content written by produce straight into the temporary file, so a large file is
// never held whole in memory. produce returns false when it could not make the content (it says why
// itself); every write it made is checked here.
bool writeFileSafely(const QString &path, const std::function<bool(QIODevice &)> &produce,
                     QString *errorText = nullptr);

// The whole file at path, read until the device reports its end. A short read is no end and a read
// error after some bytes fails the whole read, so a failing disk never passes for a shorter file; no
// step waits on atEnd(), which a device that errs may never reach. errorText receives the system's
// reason. More than maxBytes: false with tooLarge set (when given) and no reason.
bool readFileChecked(const QString &path, qint64 maxBytes, QByteArray *data, QString *errorText,
                     bool *tooLarge = nullptr);

// The picture as PNG bytes, tagged with the given resolution (the toolkit's own default differs between
// its versions); empty when it cannot be encoded.
QByteArray pngBytes(QImage picture, double dotsPerInch = 72);

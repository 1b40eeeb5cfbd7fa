#pragma once

#include <QStringList>

// The drives the drive list offers: drive roots on Windows ("C:/"), the
// mounted volumes elsewhere ("/", "/media/stick"), in Qt's path form.
namespace Drives {

QStringList available();

// The drive (root) that holds `path`.
QString rootOf(const QString &path);

// Whether the drive has a readable root now: a drive without a medium, or
// one that was taken away, has not.
bool isReady(const QString &root);

// How the list shows a drive: "C:" on Windows, the mount point elsewhere.
QString displayName(const QString &root);

} // namespace Drives

#pragma once

#include <QPixmap>

// Loads a button picture from disk. What cannot be read (gone, broken, not
// really a picture, absurdly large) shows the template picture instead, so
// one bad file never stops a page of buttons.
namespace ButtonPicture {

QPixmap templatePicture();
QPixmap load(const QString &filePath);

} // namespace ButtonPicture

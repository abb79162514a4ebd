#include "framework/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace framework {

void Clipboard::Close() {
    if (Picture) QGuiApplication::clipboard()->setImage(Picture->Image());
}

Ref<Picture> Clipboard::CurrentPicture() {
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) return nullptr;
    return Picture::FromImage(image);
}

}  // namespace framework

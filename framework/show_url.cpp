#include "framework/show_url.h"

#include <QDesktopServices>
#include <QUrl>

#include "framework/runtime.h"

namespace framework {

void ShowURL(const String& address) { Runtime::Current().OpenUrl(address); }

UrlOpener SetUrlOpener(UrlOpener opener) {
    return Runtime::Current().SetUrlOpener(std::move(opener));
}

void OpenInBrowser(const String& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace framework

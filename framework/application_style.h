#pragma once
// The look and feel of the program's windows: the toolkit's own style, with two changes that a
// user of the program meets. Private to the framework.

#include <QProxyStyle>

namespace framework {

class ApplicationStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace framework

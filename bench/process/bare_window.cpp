// The floor the program's start-up is measured against: the least a Qt Widgets program does to
// show a window like the worksheet, painted, on the same X server.
//
// It is a fair reference because it pays what any Qt Widgets program pays before its first
// frame and nothing of the program's own: loading the Qt libraries and the xcb platform plugin,
// connecting to the server, reading the font configuration and rasterising glyphs (the one line
// of text is what makes it load fonts, as the program's menu bar must), and allocating, filling
// and sending a frame of the worksheet's outer size. What the program takes beyond it is its own:
// the menu bar and its menus, the worksheet's pictures, the entry sheet and their controls.

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

// The worksheet window as it comes up under Xvfb with no window manager (xwininfo): its
// 1000 by 750 content under a 19-pixel menu bar. With no frame, outer and inner size agree.
constexpr QSize kWorksheetOuterSize(1000, 769);

class BareWindow final : public QWidget {
protected:
    // The toolkit fills the plain background from the palette before this.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Long Division"));
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(kWorksheetOuterSize);
    window.show();
    return application.exec();
}

// The least a Qt program does to put a window on the screen: the reference the startup
// benchmark measures the real program against.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Startup reference"));
    window.setWindowTitle(QStringLiteral("Startup reference"));
    window.show();
    return app.exec();
}

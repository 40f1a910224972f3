// The floor for start-up time: a Qt program that shows one empty window of the splash's
// size and nothing else. With --text it also shows one line of text, which is the least
// any window with words on it pays: loading the system font configuration.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    window.setFixedSize(281, 201);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* label = new QLabel(QStringLiteral("Zerlin (ZRL)"), &window);
        label->adjustSize();
    }
    window.show();
    return app.exec();
}

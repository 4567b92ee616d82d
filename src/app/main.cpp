// Quorl entry point.
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QUORL");
    return 0;
}

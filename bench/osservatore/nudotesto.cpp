// SPDX-License-Identifier: MIT
// The bare window with one line of text: the least any window that shows words costs at start-up,
// because the first text makes Qt read the system's font configuration.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("nudo con testo"));
    finestra.resize(564, 370);
    QLabel riga(QStringLiteral("0 1 2 3 4 5 6 7 8 9"), &finestra);
    riga.move(20, 20);
    finestra.show();
    return app.exec();
}

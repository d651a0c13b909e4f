// SPDX-License-Identifier: MIT
// A bare Qt Widgets window of the game's size: what start-up costs with nothing of ours.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("nudo"));
    finestra.resize(564, 370);
    finestra.show();
    return app.exec();
}

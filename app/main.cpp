// SPDX-License-Identifier: MIT
#include "caratteri.h"
#include "frmcercanum.h"
#include "istanzaunica.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    IstanzaUnica istanza;
    if (!istanza.Acquisisci())
        return 0;
    Caratteri::Registra();
    frmCercanum finestra;
    finestra.Form_Load();
    return app.exec();
}

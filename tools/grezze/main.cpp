// SPDX-License-Identifier: MIT
// grezze SOURCE DESTINATION FILE...   writes DESTINATION/FILE.grezza for each SOURCE/FILE
#include "conversione.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() < 4) {
        std::fprintf(stderr, "usage: grezze SOURCE DESTINATION FILE...\n");
        return 2;
    }
    const QDir sorgente(argomenti[1]);
    const QDir destinazione(argomenti[2]);
    for (qsizetype i = 3; i < argomenti.size(); ++i) {
        const QString &nome = argomenti[i];
        const Decodificata d = Decodifica(sorgente.filePath(nome));
        const QByteArray dati = ScriviGrezza(d.immagine, d.punto);
        if (dati.isEmpty()) {
            std::fprintf(stderr, "grezze: cannot decode %s\n", qPrintable(sorgente.filePath(nome)));
            return 1;
        }
        const QString uscita = destinazione.filePath(nome + QStringLiteral(".grezza"));
        QSaveFile file(uscita);
        if (!QDir().mkpath(QFileInfo(uscita).path()) || !file.open(QIODevice::WriteOnly)
            || file.write(dati) != dati.size() || !file.commit()) {
            std::fprintf(stderr, "grezze: cannot write %s\n", qPrintable(uscita));
            return 1;
        }
    }
    return 0;
}

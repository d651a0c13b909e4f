// SPDX-License-Identifier: MIT
// genimmagini ROOT            writes every picture under ROOT/resources/
// genimmagini --foglio F.png  writes a contact sheet of all of them instead
#include "catalogo.h"
#include "elabora.h"
#include "foglio.h"
#include "iconadesktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool Scrivi(const QString &percorso, const QByteArray &dati)
{
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(dati) != dati.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(percorso));
        return false;
    }
    return true;
}

int ScriviTutto(const QString &radice)
{
    for (const Figura &f : Catalogo()) {
        const QDir cartella(radice + QLatin1Char('/') + f.Cartella());
        if (!cartella.mkpath(QStringLiteral(".")))
            return 1;
        const Elaborata e = Elabora(f);
        if (!Scrivi(cartella.filePath(f.nome + QLatin1Char('.') + f.Estensione()), e.file))
            return 1;
        if (!e.doppia.save(cartella.filePath(f.nome + QStringLiteral("@2x.png")), "PNG")) {
            std::fprintf(stderr, "cannot write %s@2x.png\n", qPrintable(f.nome));
            return 1;
        }
    }
    for (const int lato : kLatiIconaDesktop) {
        const QString percorso = radice + QLatin1Char('/') + PercorsoIconaDesktop(lato);
        if (!QDir().mkpath(QFileInfo(percorso).path()) || !IconaDesktop(lato).save(percorso, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(percorso));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Text needs a font database, hence a GUI application, but never a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList argomenti = app.arguments();
    if (argomenti.size() == 3 && argomenti[1] == QLatin1String("--foglio"))
        return ScriviFoglio(argomenti[2]) ? 0 : 1;
    if (argomenti.size() == 2 && !argomenti[1].startsWith(QLatin1Char('-')))
        return ScriviTutto(argomenti[1]);
    std::fprintf(stderr, "usage: genimmagini ROOT | genimmagini --foglio FILE.png\n");
    return 2;
}

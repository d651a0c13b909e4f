// SPDX-License-Identifier: MIT
#include "immagini.h"

#include "figure.h"

#include <QFileInfo>
#include <QGuiApplication>

QPixmap Immagini::Carica(const QString &nome)
{
    const QString percorso = QStringLiteral(":/images/") + nome;
    if (qApp && qApp->devicePixelRatio() > 1.0) {
        const QString doppia = QStringLiteral(":/images/%1@2x.png").arg(QFileInfo(nome).completeBaseName());
        QPixmap grande(doppia);
        if (!grande.isNull()) {
            grande.setDevicePixelRatio(2.0);
            return grande;
        }
    }
    return QPixmap(percorso);
}

QPixmap Immagini::Carica(const Figura &figura)
{
    return Carica(QString::fromLatin1(figura.file));
}

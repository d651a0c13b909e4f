// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// Modal message boxes; tests answer them through their own implementation.
class Messaggi
{
public:
    enum class Icona {
        Stop,
        Esclamazione,
        Domanda
    };
    enum class Pulsanti {
        Ok,
        SiNo
    };
    enum class Risposta {
        Ok,
        Si,
        No
    };

    virtual ~Messaggi() = default;
    virtual Risposta Mostra(QWidget *padre, const QString &testo, const QString &titolo, Icona icona,
                            Pulsanti pulsanti) = 0;
};

// SPDX-License-Identifier: MIT
#pragma once

#include "messaggi.h"

class MessaggiReali final : public Messaggi
{
public:
    Risposta Mostra(QWidget *padre, const QString &testo, const QString &titolo, Icona icona,
                    Pulsanti pulsanti) override;
};

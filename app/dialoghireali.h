// SPDX-License-Identifier: MIT
#pragma once

#include "dialoghi.h"

class DialoghiReali final : public Dialoghi
{
public:
    void MostraPresentazione(QWidget *padre) override;
    void MostraInformazioni(QWidget *padre) override;
};

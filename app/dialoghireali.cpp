// SPDX-License-Identifier: MIT
#include "dialoghireali.h"

void DialoghiReali::MostraPresentazione(QWidget *) {}
void DialoghiReali::MostraInformazioni(QWidget *) {}

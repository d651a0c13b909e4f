// SPDX-License-Identifier: MIT
#include "frmcercanum.h"

frmCercanum::frmCercanum(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Cercanum"));
    setFixedSize(564, 370);
}

void frmCercanum::Form_Load()
{
    show();
}

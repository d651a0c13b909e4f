// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class frmCercanum : public QWidget
{
    Q_OBJECT
public:
    explicit frmCercanum(QWidget *parent = nullptr);
    void Form_Load();
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

// The number pad of the full screen: digits, a key that deletes the last one and "Invio". It
// types nothing itself; each key is told as the keyboard key it stands for, and whoever shows
// the pad hands it to the game as that key.
class Tastierino : public QWidget
{
    Q_OBJECT
public:
    explicit Tastierino(QWidget *parent = nullptr);

signals:
    void Premuto(int tasto, const QString &testo);
};

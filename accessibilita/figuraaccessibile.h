// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

// A painted picture, ball or line of the game window as assistive technology reads it: a
// graphic named by what it shows. A picture that is a copy of a named one (the judgement of a
// row) adds that name; a ball adds what its colour says of the answer.
class FiguraAccessibile : public QAccessibleWidget
{
public:
    explicit FiguraAccessibile(QWidget *figura);

    QString text(QAccessible::Text t) const override;

    // What a picture that copies a named one shows (a judgement by its picture); empty otherwise.
    static QString Mostrata(const QWidget *figura);

private:
    QString NomeBase() const;
    QString Aggiunta() const;
};

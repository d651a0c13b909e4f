// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

// A player's name box: at most ten characters, counted as a reader counts them (an emoji is one),
// and the whole name selected whenever the box takes the focus, so that typing replaces the
// stored name instead of being refused by its padding.
class CasellaNome : public QLineEdit
{
    Q_OBJECT
public:
    explicit CasellaNome(QWidget *padre);

protected:
    void focusInEvent(QFocusEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

private:
    // The click that brought the focus must not drop the selection to place the caret.
    bool clicDiEntrata = false;
};

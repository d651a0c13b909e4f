// SPDX-License-Identifier: MIT
#include "casellanome.h"

#include "nomefisso.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QValidator>

namespace {

class LimiteCaratteri final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &testo, int &) const override
    {
        return NomeFisso::Caratteri(testo.toStdString()) <= NomeFisso::Lunghezza ? Acceptable : Invalid;
    }
};

} // namespace

CasellaNome::CasellaNome(QWidget *padre)
    : QLineEdit(padre)
{
    // Every code point takes at most two UTF-16 units; the validator holds the real limit.
    setMaxLength(2 * NomeFisso::Lunghezza);
    setValidator(new LimiteCaratteri(this));
}

void CasellaNome::focusInEvent(QFocusEvent *evento)
{
    QLineEdit::focusInEvent(evento);
    selectAll();
    clicDiEntrata = evento->reason() == Qt::MouseFocusReason;
}

void CasellaNome::mousePressEvent(QMouseEvent *evento)
{
    if (clicDiEntrata && evento->button() == Qt::LeftButton) {
        evento->accept();
        return;
    }
    QLineEdit::mousePressEvent(evento);
}

void CasellaNome::mouseReleaseEvent(QMouseEvent *evento)
{
    if (clicDiEntrata) {
        clicDiEntrata = false;
        evento->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(evento);
}

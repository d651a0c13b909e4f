// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

// A label as the game draws them: centred plain text wrapped at word boundaries, a line break
// at each CRLF, an optional opaque background and an optional one-pixel frame in window text.
class Etichetta : public QWidget
{
    Q_OBJECT
public:
    explicit Etichetta(QWidget *parent);

    QString Testo() const { return testo; }
    void ImpostaTesto(const QString &t);
    // Shows `t` without a word to whoever reads the window aloud: the next ImpostaTesto tells the
    // whole change since the last text told.
    void MostraSoltanto(const QString &t);
    void ImpostaColoreTesto(const QColor &c);
    // An invalid colour leaves the label transparent.
    void ImpostaSfondo(const QColor &c);
    void ImpostaBordo(bool b);
    // Pixels at the left end that something above the label covers: the text never starts there.
    void ImpostaRiservaSinistra(int pixel);

    // Where the text is drawn, in the label's coordinates, at the font actually used.
    QRect RettangoloTesto() const;

    // Whether the whole text fits inside the frame at the label's own font.
    bool TestoIntero() const;
    // Whether it fits at the font it is drawn with, shrunk as far as readable when it must be.
    bool TestoInteroRidotto() const;

    // A run-time element of a control array: every property of this one, hidden.
    Etichetta *Copia() const;

signals:
    // Whoever reads the window aloud hears each change of text.
    void TestoCambiato(const QString &prima, const QString &dopo);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect Interno() const;
    QRect Area(const QFont &f) const;
    QString Mostrato() const;
    bool Entra(const QFont &f) const;
    QFont FontUsato() const;

    QString testo;
    QString detto; // the text whoever reads the window aloud last heard
    QColor coloreTesto;
    QColor sfondo;
    bool bordo = false;
    int riservaSinistra = 0;
};

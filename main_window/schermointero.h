// SPDX-License-Identifier: MIT
#pragma once

#include <QGraphicsScene>
#include <QGraphicsView>

class QGraphicsProxyWidget;
class Tastierino;

// The game on a whole screen: the very same window, drawn enlarged by one factor through a
// scene, so text and pictures are painted at the size they are seen at and clicks land on the
// enlarged controls; beside it the number pad, the rest of the screen laid with the paper.
// Leaving gives the window back as it was.
class SchermoIntero : public QGraphicsView
{
    Q_OBJECT
public:
    // `tessera`: the paper the window is laid with.
    SchermoIntero(QWidget *gioco, const QPixmap &tessera);
    ~SchermoIntero() override;

    void Entra();
    void Esci();
    bool Attivo() const { return proxyGioco != nullptr; }

    // The enlargement and where the window and the pad stand, in screen pixels.
    qreal Fattore() const { return fattore; }
    QRectF RettangoloGioco() const;
    QRectF RettangoloTastierino() const;
    Tastierino *Tasti() const { return tasti; }

    // A view that shows its scene enlarged and whole: no frame, no scroll bars, from the corner,
    // text and pictures smoothed.
    static void ImpostaVista(QGraphicsView &vista);

protected:
    void resizeEvent(QResizeEvent *evento) override;
    void changeEvent(QEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void Disponi();
    void Rilascia();

    QWidget *gioco;
    Qt::WindowFlags bandiereGioco;
    QPixmap tessera;
    QGraphicsScene scena;
    QGraphicsProxyWidget *proxyGioco = nullptr;
    QGraphicsProxyWidget *proxyTasti = nullptr;
    Tastierino *tasti = nullptr; // owned by its proxy
    qreal fattore = 1.0;
};

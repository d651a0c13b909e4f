// SPDX-License-Identifier: MIT
// What the child sees of the game window: colours, the ball track, faces, judgements, the
// reminder and the thinking animation, checked on the real widgets with instant waits.
#include "banco.h"
#include "cerca.h"
#include "figure.h"
#include "giudizio.h"
#include "immagini.h"
#include "pixel.h"

#include <QImage>
#include <QTest>
#include <QTimer>

#include <optional>
#include <vector>

using namespace Cerca;

namespace {

const QColor GialloChiaro(255, 255, 192);
const QColor Crema(244, 242, 212);
const QColor Rosso(255, 0, 0);
const QColor Bianco(255, 255, 255);

// The colour of one pixel of a control as it is painted right now.
QColor Colore(QWidget *w, QPoint punto)
{
    return w->grab().toImage().pixelColor(punto);
}

bool Visibile(frmCercanum &f, const char *nome)
{
    return I(f, QString::fromLatin1(nome))->isVisible();
}

// Index of each face shown; more than one means two faces at once.
std::vector<int> FacceVisibili(frmCercanum &f)
{
    std::vector<int> visibili;
    for (int i = 0; i < 9; ++i)
        if (I(f, QStringLiteral("imgSmile(%1)").arg(i))->isVisible())
            visibili.push_back(i);
    return visibili;
}

bool StessaFigura(const QPixmap &a, const QPixmap &b)
{
    return !a.isNull() && a.toImage() == b.toImage();
}

} // namespace

class TestAspetto : public QObject
{
    Q_OBJECT
private slots:
    void figure_tutteAllaLoroMisura();
    void pulsanti_nelLoroColoreAncheColFuoco();
    void pulsanti_corniceClassicaESegnoDelPredefinito();
    void lampeggia_sequenzaEColoreFinale();
    void pallina_planataEArrivo();
    void pallina_ventiPostiEAzzeramento();
    void maestro_arrabbiatoSoloMentreRotolaUnErrore();
    void facce_unaAllaVoltaPerOgniRisposta();
    void giudizio_nellaRigaDiChiHaGiocato();
    void dueGiocatoriPoiUno_rigaDueSparisce();
    void ingranaggi_nessunoDopoLaFine();
    void promemoria_maiSottoIlDito();
};

void TestAspetto::figure_tutteAllaLoroMisura()
{
    // A misspelt file would load as an empty picture without a word.
    std::vector<Figura> tutte(Figure::Tutte.begin(), Figure::Tutte.end());
    tutte.insert(tutte.end(), Figure::DelleInformazioni.begin(), Figure::DelleInformazioni.end());
    for (const Figura &figura : tutte) {
        const QPixmap f = Immagini::Carica(figura);
        QVERIFY2(!f.isNull(), figura.file);
        QCOMPARE(f.size(), QSize(figura.larghezza, figura.altezza));
    }
    // And the windows show those pictures, not empty ones.
    Banco b;
    frmCercanum &f = b.Finestra();
    for (Immagine *i : f.findChildren<Immagine *>())
        if (!i->objectName().startsWith(QStringLiteral("imgPunteggio")))
            QVERIFY2(!i->Figura().isNull(), qPrintable(i->objectName()));
}

void TestAspetto::pulsanti_nelLoroColoreAncheColFuoco()
{
    // Tab visits every button in turn (the answer box is disabled between numbers), and the
    // button it leaves with the focus is painted as a keyboard user sees it: only a dotted
    // rectangle inside the frame, no tint anywhere on its face.
    Banco b;
    frmCercanum &f = b.Avvia();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    struct Caso
    {
        const char *nome;
        QColor colore;
        int margine;   // from the edge to the dotted rectangle: the default button's is one more
        int vuoti;     // pixels of the face that nothing else covers, at least
        QPoint dentro; // an empty pixel inside the dotted rectangle, where the picture leaves one
    };
    const std::vector<Caso> casi{{"cmdChiudi", Crema, 3, 50, QPoint(4, 18)},
                                 {"cmdInfo", Crema, 3, 50, QPoint()},
                                 {"cmdNuovoGioco", Crema, 3, 50, QPoint()},
                                 {"cmdNew", GialloChiaro, 4, 500, QPoint(6, 20)}};
    auto colonna = [&](const Caso &c) {
        QPushButton *p = P(f, QString::fromLatin1(c.nome));
        return Colonna(p, c.margine, c.margine, p->height() - 1 - c.margine, Qt::black, c.colore);
    };
    for (const Caso &c : casi) {
        QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
        if (f.focusWidget() == f.findChild<QWidget *>(QStringLiteral("chkNoSound")))
            QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
        QPushButton *p = P(f, QString::fromLatin1(c.nome));
        QVERIFY(p->hasFocus());
        QVERIFY2(PixelDelColore(p, c.colore) > c.vuoti, c.nome);
        if (!c.dentro.isNull())
            QCOMPARE(Colore(p, c.dentro), c.colore);
        const QString punti = colonna(c);
        QCOMPARE(punti, QStringLiteral("#.").repeated(punti.size() / 2)
                            + (punti.size() % 2 ? QStringLiteral("#") : QString()));
        for (const Caso &altro : casi)
            if (&altro != &c)
                QVERIFY2(!colonna(altro).contains(QLatin1Char('#')), altro.nome);
    }
}

void TestAspetto::pulsanti_corniceClassicaESegnoDelPredefinito()
{
    // Raised: white and light grey above and left, black and dark grey below and right; pressed,
    // the other way round. The default button has a black line round all of it and, pressed,
    // lies flat in it. Read on the corners' diagonals, outermost first.
    Banco b;
    frmCercanum &f = b.Avvia();
    const QColor nero(0, 0, 0), bianco(255, 255, 255), chiaro(224, 224, 224), scuro(128, 128, 128);
    QPushButton *chiudi = P(f, QStringLiteral("cmdChiudi"));
    QPushButton *nuovo = P(f, QStringLiteral("cmdNew"));
    QCOMPARE(nuovo->geometry(), QRect(203, 98, 134, 43)); // the mark takes nothing from its size
    QCOMPARE(Cornice(chiudi), (QList<QColor>{bianco, chiaro, Crema, nero, scuro, Crema}));
    QCOMPARE(Cornice(nuovo), (QList<QColor>{nero, bianco, chiaro, nero, nero, scuro}));
    chiudi->setDown(true);
    nuovo->setDown(true);
    QCOMPARE(Cornice(chiudi), (QList<QColor>{nero, scuro, Crema, bianco, chiaro, Crema}));
    QCOMPARE(Cornice(nuovo), (QList<QColor>{nero, scuro, GialloChiaro, nero, scuro, GialloChiaro}));
}

void TestAspetto::lampeggia_sequenzaEColoreFinale()
{
    // The button flashes at start-up: its colour, red, its colour ... ending on its colour.
    Banco b;
    QPushButton *nuovo = P(b.Finestra(), QStringLiteral("cmdNew"));
    const QPoint vuoto(6, 20); // left of the picture, above the caption
    std::vector<QColor> visti;
    b.orologio.ad_ogni_attesa = [&](int) { visti.push_back(Colore(nuovo, vuoto)); };
    frmCercanum &f = b.Avvia();
    QCOMPARE(visti.size(), std::size_t(10));
    for (std::size_t i = 0; i < visti.size(); ++i)
        QCOMPARE(visti[i], i % 2 == 0 ? GialloChiaro : Rosso);
    QCOMPARE(Colore(nuovo, vuoto), GialloChiaro);

    // The answer box flashes when the number is found, from the white it has during a number.
    NuovoNumero(b, 4);
    QLineEdit *casella = Casella(f);
    visti.clear();
    b.orologio.ad_ogni_attesa = [&](int ms) {
        if (ms == 100)
            visti.push_back(Colore(casella, QPoint(6, 6)));
    };
    Rispondi(f, QStringLiteral("4"));
    QCOMPARE(visti.size(), std::size_t(10));
    for (std::size_t i = 0; i < visti.size(); ++i)
        QCOMPARE(visti[i], i % 2 == 0 ? Bianco : Rosso);
    QCOMPARE(Colore(casella, QPoint(6, 6)), Bianco);
}

void TestAspetto::pallina_planataEArrivo()
{
    struct Caso
    {
        const char *risposta;
        QColor colore;
        int arrivo;
    };
    const std::vector<Caso> casi{
        {"7", QColor(192, 0, 0), 42}, // too big: dark red, first place
        {"3", QColor(0, 128, 0), 65}, // too small: dark green, next to it
        {"5", QColor(0, 0, 255), 88}, // right: blue
    };
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 5);
    QWidget *strato = F(f, QStringLiteral("shpBall(0)"))->parentWidget();
    for (std::size_t k = 0; k < casi.size(); ++k) {
        Forma *palla = F(f, QStringLiteral("shpBall(%1)").arg(k));
        Etichetta *didascalia = E(f, QStringLiteral("lblBall(%1)").arg(k));
        std::vector<int> xs;
        bool didascaliaDurante = false, filoSopra = false;
        b.orologio.ad_ogni_attesa = [&](int) {
            if (!f.AnimazioneInCorso())
                return;
            xs.push_back(palla->x());
            didascaliaDurante |= didascalia->isVisible();
            const QObjectList figli = strato->children();
            filoSopra |= figli.indexOf(Controllo<QWidget>(f, QStringLiteral("linBall"))) > figli.indexOf(palla);
        };
        Rispondi(f, QString::fromLatin1(casi[k].risposta));
        QVERIFY(!xs.empty());
        QCOMPARE(xs.front(), 511);
        for (std::size_t i = 1; i < xs.size(); ++i)
            QVERIFY(xs[i] <= xs[i - 1] && xs[i] >= casi[k].arrivo);
        QVERIFY(!didascaliaDurante);
        QVERIFY(!filoSopra);
        QCOMPARE(palla->pos(), QPoint(casi[k].arrivo, 162));
        QCOMPARE(palla->Riempimento(), casi[k].colore);
        QVERIFY(didascalia->isVisible());
        QCOMPARE(didascalia->pos(), QPoint(casi[k].arrivo + 2, 166));
        QCOMPARE(didascalia->Testo(), QString::fromLatin1(casi[k].risposta));
    }
}

void TestAspetto::pallina_ventiPostiEAzzeramento()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 9);
    for (int k = 0; k < 20; ++k) {
        Rispondi(f, QStringLiteral("1"));
        QCOMPARE(F(f, QStringLiteral("shpBall(%1)").arg(k))->pos(), QPoint(42 + 23 * k, 162));
        QCOMPARE(E(f, QStringLiteral("lblNumRisp(0)"))->Testo(), QString::number(k + 1));
        QCOMPARE(E(f, QStringLiteral("lblNumRisp(1)"))->Testo(), QString::number(19 - k));
    }
    QCOMPARE(F(f, QStringLiteral("shpBall(19)"))->x(), 479);

    // A new number empties the track; its first ball rolls from the right end again.
    NuovoNumero(b, 2);
    for (int k = 0; k < 20; ++k) {
        QVERIFY(!F(f, QStringLiteral("shpBall(%1)").arg(k))->isVisible());
        QVERIFY(!E(f, QStringLiteral("lblBall(%1)").arg(k))->isVisible());
    }
    QCOMPARE(E(f, QStringLiteral("lblNumRisp(0)"))->Testo(), QString());
    QCOMPARE(E(f, QStringLiteral("lblNumRisp(1)"))->Testo(), QString());
    int partenza = -1;
    b.orologio.ad_ogni_attesa = [&](int) {
        if (f.AnimazioneInCorso() && partenza < 0)
            partenza = F(f, QStringLiteral("shpBall(0)"))->x();
    };
    Rispondi(f, QStringLiteral("2"));
    QCOMPARE(partenza, 511);
    QCOMPARE(F(f, QStringLiteral("shpBall(0)"))->Riempimento(), QColor(0, 0, 255));
}

void TestAspetto::maestro_arrabbiatoSoloMentreRotolaUnErrore()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 5);
    for (const auto &[risposta, arrabbiato] : {std::pair{"8", true}, std::pair{"2", true}, std::pair{"5", false}}) {
        bool sempre = true, mai = true;
        b.orologio.ad_ogni_attesa = [&](int) {
            if (!f.AnimazioneInCorso())
                return;
            const bool ora = Visibile(f, "imgSmileForm(1)") && Visibile(f, "imgSmileForm(2)")
                             && !Visibile(f, "imgSmileForm(0)") && !Visibile(f, "imgSmileForm(3)");
            const bool calmo = !Visibile(f, "imgSmileForm(1)") && !Visibile(f, "imgSmileForm(2)")
                               && Visibile(f, "imgSmileForm(0)") && Visibile(f, "imgSmileForm(3)");
            sempre &= ora;
            mai &= calmo;
        };
        Rispondi(f, QString::fromLatin1(risposta));
        QVERIFY2(arrabbiato ? sempre : mai, risposta);
        QVERIFY(Visibile(f, "imgSmileForm(0)") && Visibile(f, "imgSmileForm(3)"));
        QVERIFY(!Visibile(f, "imgSmileForm(1)") && !Visibile(f, "imgSmileForm(2)"));
    }
}

void TestAspetto::facce_unaAllaVoltaPerOgniRisposta()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 9);
    QVERIFY(FacceVisibili(f).empty());
    std::optional<std::vector<int>> durante;
    b.messaggi.durante = [&] { durante = FacceVisibili(f); };
    for (int n = 1; n <= 20; ++n) {
        Rispondi(f, QStringLiteral("1"));
        if (n < 20)
            QCOMPARE(FacceVisibili(f), std::vector<int>{n / 3});
    }
    QCOMPARE(durante, std::optional(std::vector<int>{7})); // tongue out while the number is revealed
    QVERIFY(FacceVisibili(f).empty());
    NuovoNumero(b, 3);
    Rispondi(f, QStringLiteral("3"));
    QCOMPARE(FacceVisibili(f), std::vector<int>{8});
    NuovoNumero(b, 3);
    QVERIFY(FacceVisibili(f).empty());
}

void TestAspetto::giudizio_nellaRigaDiChiHaGiocato()
{
    Banco b;
    frmCercanum &f = b.Avvia({2, {"Anna", "Marco"}});
    auto giudizio = [&](int k) { return I(f, QStringLiteral("imgGiudizio(%1)").arg(k))->Figura(); };
    auto posto = [&](int riga) { return I(f, QStringLiteral("imgPunteggio(%1)").arg(riga))->Figura(); };
    for (int k = 0; k < 6; ++k)
        QVERIFY(!giudizio(k).isNull());

    NuovoNumero(b, 3);
    Rispondi(f, QStringLiteral("3")); // Anna: 100
    QVERIFY(StessaFigura(posto(0), giudizio(Giudizio::PerMedia(100))));
    QVERIFY(posto(1).isNull());

    NuovoNumero(b, 7);
    for (int i = 0; i < 20; ++i)
        Rispondi(f, QStringLiteral("1")); // Marco loses: 0
    QVERIFY(StessaFigura(posto(1), giudizio(Giudizio::PerMedia(0))));
    QVERIFY(StessaFigura(posto(0), giudizio(0)));

    NuovoNumero(b, 2);
    for (const char *r : {"1", "1", "1", "1", "1", "1", "1", "1", "1", "2"})
        Rispondi(f, QString::fromLatin1(r)); // Anna: 50 in 0..10, average 75
    QCOMPARE(E(f, QStringLiteral("lblPunti(0)"))->Testo(), QStringLiteral("75"));
    QVERIFY(StessaFigura(posto(0), giudizio(2)));
    QVERIFY(StessaFigura(posto(1), giudizio(5)));
}

void TestAspetto::dueGiocatoriPoiUno_rigaDueSparisce()
{
    Banco b;
    frmCercanum &f = b.Avvia({2, {"Anna", "Marco"}});
    NuovoNumero(b, 3);
    Rispondi(f, QStringLiteral("3"));
    NuovoNumero(b, 4);
    Rispondi(f, QStringLiteral("4"));
    QTest::mouseClick(P(f, QStringLiteral("cmdNuovoGioco")), Qt::LeftButton); // one player now

    for (const char *nome :
         {"lblNumGioco1(0)", "lblPunteggio1(0)", "lblNome(0)", "lblNome(1)", "lblEtic(1)", "lblPunti(1)"})
        QVERIFY2(!E(f, QString::fromLatin1(nome))->isVisible(), nome);
    for (const char *nome : {"imgbimbo(1)", "imgPunteggio(1)"})
        QVERIFY2(!I(f, QString::fromLatin1(nome))->isVisible(), nome);
    for (int i = 1; i < 15; ++i)
        QVERIFY(!f.findChild<Etichetta *>(QStringLiteral("lblPunteggio1(%1)").arg(i)));
    QVERIFY(I(f, QStringLiteral("imgPunteggio(0)"))->Figura().isNull());
    QVERIFY(I(f, QStringLiteral("imgPunteggio(1)"))->Figura().isNull());
    QVERIFY(I(f, QStringLiteral("imgbimbo(0)"))->isVisible());

    NuovoNumero(b, 5);
    Rispondi(f, QStringLiteral("5"));
    QVERIFY(!I(f, QStringLiteral("imgPunteggio(0)"))->Figura().isNull());
    QVERIFY(I(f, QStringLiteral("imgPunteggio(1)"))->Figura().isNull());
    QCOMPARE(E(f, QStringLiteral("lblPunti(0)"))->Testo(), QStringLiteral("100"));
}

void TestAspetto::ingranaggi_nessunoDopoLaFine()
{
    // A new game started right after a tick's sound stops the animation, and nothing of that
    // tick may bring a gear back.
    Banco b;
    frmCercanum &f = b.Avvia();
    b.suoni.ImpostaSuonoAttivo(true);
    NuovoNumero(b, 5);
    auto *timer = f.findChild<QTimer *>(QStringLiteral("Timer1"));
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    timer->setInterval(5);
    bool fermato = false;
    b.audio.al_suono = [&](int id) {
        if (id == 107 && !fermato) {
            fermato = true;
            QMetaObject::invokeMethod(
                &f, [&f] { QTest::mouseClick(P(f, QStringLiteral("cmdNuovoGioco")), Qt::LeftButton); },
                Qt::QueuedConnection);
        }
    };
    QTRY_VERIFY(fermato && !timer->isActive());
    QVERIFY(!Visibile(f, "imgIngranaggio(0)"));
    QVERIFY(!Visibile(f, "imgIngranaggio(1)"));
    QVERIFY(!Visibile(f, "imgPensa"));
}

void TestAspetto::promemoria_maiSottoIlDito()
{
    Banco b;
    frmCercanum &f = b.Avvia({2, {"WWWWWWWWWW", "MMMMMMMMMM"}});
    Etichetta *promemoria = E(f, QStringLiteral("lblInfoTemp"));
    Immagine *dito = I(f, QStringLiteral("imgIndice"));
    // The rightmost painted column of the finger, in window coordinates.
    const QImage figura = dito->Figura().toImage();
    int destra = -1;
    for (int x = 0; x < figura.width(); ++x)
        for (int y = 0; y < figura.height(); ++y)
            if (qAlpha(figura.pixel(x, y)) > 0)
                destra = x;
    QVERIFY(destra > 0);
    const int fineDito = dito->x() + destra;

    const QString annuncio = QStringLiteral("Il numero da indovinare è compreso tra 0  e  ");
    for (const QString &testo :
         {QStringLiteral("Gioca WWWWWWWWWW. ") + annuncio + QStringLiteral("100"),
          QStringLiteral("Gioca MMMMMMMMMM. ") + annuncio + QStringLiteral("80"),
          QStringLiteral("Gioca Anna. ") + annuncio + QStringLiteral("10"), annuncio + QStringLiteral("100")}) {
        promemoria->ImpostaTesto(testo);
        QVERIFY2(promemoria->TestoInteroRidotto(), qPrintable(testo));
        const QRect scritta = promemoria->RettangoloTesto().translated(promemoria->pos());
        QVERIFY2(scritta.left() > fineDito, qPrintable(testo));
        QVERIFY2(scritta.right() < promemoria->geometry().right(), qPrintable(testo));
    }
    // A reminder that fits beside the finger stays centred on the whole label.
    promemoria->ImpostaTesto(annuncio + QStringLiteral("10"));
    const QRect scritta = promemoria->RettangoloTesto().translated(promemoria->pos());
    QVERIFY(qAbs(scritta.center().x() - promemoria->geometry().center().x()) <= 1);
    QVERIFY(promemoria->TestoIntero()); // and keeps its own size
}

QTEST_MAIN(TestAspetto)
#include "test_aspetto.moc"

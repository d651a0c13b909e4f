// SPDX-License-Identifier: MIT
#include "frmcercanum.h"

#include "cursoremano.h"
#include "dialoghi.h"
#include "disposizione.h"
#include "etichetta.h"
#include "fabbrica.h"
#include "faccia.h"
#include "figure.h"
#include "fontecasuale.h"
#include "giudizio.h"
#include "immagine.h"
#include "immagini.h"
#include "linea.h"
#include "messaggi.h"
#include "nomefisso.h"
#include "pistapalline.h"
#include "pulsante.h"
#include "riscontro.h"
#include "schermointero.h"
#include "suoni.h"
#include "tabellone.h"
#include "tastierino.h"
#include "tavolozza.h"
#include "tempi.h"
#include "terminazione.h"
#include "testi.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>

#include <optional>
#include <utility>

namespace D = Disposizione;

namespace {

QString DaStd(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

frmCercanum::frmCercanum(const Servizi &s, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
    , servizi(s)
{
    setObjectName(QStringLiteral("frmCercanum"));
    setWindowTitle(Testi::Titolo);
    setFixedSize(D::LarghezzaClient, D::AltezzaClient);
    // Only buttons, the answer box and the check box take the focus: a click anywhere else must
    // leave it where it was, or the digits typed next would be lost.
    setFocusPolicy(Qt::NoFocus);
    setFont(Fabbrica::Font(D::Font::Finestra));
    const QPixmap icona = Immagini::Carica(Figure::Icona);
    if (!icona.isNull())
        setWindowIcon(icona);

    CreaControlli();
    CreaControlliFinestra();
}

frmCercanum::~frmCercanum()
{
    lanciati.clear();
}

bool frmCercanum::AnimazioneInCorso() const
{
    return azioni->Attuale() == CodaAzioni::Passo::Risposta;
}

void frmCercanum::Lancia(Compito compito)
{
    lanciati.remove_if([](const Compito &c) { return c.Finito(); });
    if (!compito.Finito())
        lanciati.push_back(std::move(compito));
}

void frmCercanum::Esegui(const CodaAzioni::Azione &azione)
{
    using T = CodaAzioni::Azione::Tipo;
    // A click that waited could not reach a button hidden or disabled since.
    auto raggiungibile = [](const QWidget *w) { return w->isVisible() && w->isEnabled(); };
    switch (azione.tipo) {
    case T::Tasto: Digita(azione.codice); break;
    case T::Invio:
        // The default button while it is shown, the window's own handler otherwise.
        if (!raggiungibile(cmdNew)) {
            int codice = 13;
            Form_KeyPress(codice);
            break;
        }
        [[fallthrough]];
    case T::NuovoNumero:
        if (raggiungibile(cmdNew))
            Lancia(cmdNew_Click());
        break;
    case T::Info:
        if (raggiungibile(cmdInfo))
            cmdInfo_Click();
        break;
    case T::NuovoGioco:
        if (raggiungibile(cmdNuovoGioco))
            Lancia(cmdNuovoGioco_Click());
        break;
    case T::Chiudi: cmdChiudi_Click(); break;
    case T::Tick:
        if (riscontro->Pensa())
            riscontro->Timer1_Timer();
        break;
    }
}

void frmCercanum::CreaControlli()
{
    strato = new QWidget(this);
    strato->setObjectName(QStringLiteral("strato"));
    strato->setGeometry(0, 0, D::LarghezzaClient, D::AltezzaClient);
    const Fabbrica f(strato);

    // Bottom to top: siblings paint in creation order.
    imgsfondo = f.NuovaImmagine(QStringLiteral("imgsfondo"), D::imgsfondo, &Figure::Sfondo, true);
    Label1 = f.NuovaEtichetta(QStringLiteral("Label1"), D::Label1, D::Font::Finestra, true);
    Label1->ImpostaSfondo(Fabbrica::Colore(Colore::Giallo));
    lblMessaggio = f.NuovaEtichetta(QStringLiteral("lblMessaggio"), D::lblMessaggio, D::Font::Messaggio, true);
    f.NuovaLinea(D::Line2, 1, Fabbrica::Colore(Colore::GrigioChiaro));
    f.NuovaLinea(D::Line3, 1, Fabbrica::Colore(Colore::GrigioChiaro));
    imgTitolo = f.NuovaImmagine(QStringLiteral("imgTitolo"), D::imgTitolo, &Figure::Titolo, true);
    lblInfoTemp = f.NuovaEtichetta(QStringLiteral("lblInfoTemp"), D::lblInfoTemp, D::Font::Finestra);
    lblInfoTemp->hide();
    lblInfoTemp->ImpostaRiservaSinistra(D::RiservaInfoTemp);
    imgIndice = f.NuovaImmagine(QStringLiteral("imgIndice"), D::imgIndice, &Figure::Indice, false);

    azioni = new CodaAzioni(this, [this](const CodaAzioni::Azione &a) { Esegui(a); });
    riscontro = new Riscontro(
        f, this, servizi.orologio, servizi.caso, servizi.suoni, partita,
        [this] { return pista->NessunaRisposta() && txtInput->text().isEmpty() && !AnimazioneInCorso(); },
        [this] { azioni->Ricevi({CodaAzioni::Azione::Tipo::Tick}); });
    pista = std::make_unique<PistaPalline>(f, servizi.orologio);
    tabellone = std::make_unique<Tabellone>(f);

    const QColor grigi[4]{Fabbrica::Colore(Colore::Grigio), Fabbrica::Colore(Colore::GrigioChiaro),
                          Fabbrica::Colore(Colore::GrigioChiaro), Fabbrica::Colore(Colore::Grigio)};
    for (int i = 0; i < 4; ++i)
        f.NuovaLinea(D::Line1[i], 1, grigi[i]);
    Image1 = f.NuovaImmagine(QStringLiteral("Image1"), D::Image1, &Figure::NoSuono, true);
}

void frmCercanum::CreaControlliFinestra()
{
    // Created after the layer of windowless controls, so they always stay above it.
    auto pulsante = [this](const QString &nome, const D::Rett &r, const Rgb &colore, const Figura *figura,
                           const QString &suggerimento) {
        auto *p = new Pulsante(this);
        p->setObjectName(nome);
        p->setGeometry(Fabbrica::Rettangolo(r));
        p->ImpostaSfondo(Fabbrica::Colore(colore));
        if (figura)
            p->ImpostaFigura(Immagini::Carica(*figura));
        p->setToolTip(suggerimento);
        return p;
    };
    cmdNew = pulsante(QStringLiteral("cmdNew"), D::cmdNew, Colore::GialloChiaro, &Figure::Mano, {});
    cmdNew->setText(Testi::NuovoNumero);
    cmdNew->setFont(Fabbrica::Font(D::Font::FinestraGrassetto));
    // Enter reaches it through the key preview (TastoComando); this gives it the default's mark.
    cmdNew->setDefault(true);

    txtInput = new QLineEdit(this);
    txtInput->setObjectName(QStringLiteral("txtInput"));
    txtInput->setGeometry(Fabbrica::Rettangolo(D::txtInput));
    txtInput->setFont(Fabbrica::Font(D::Font::Risposta));
    txtInput->setAlignment(Qt::AlignCenter);
    txtInput->setMaxLength(D::LunghezzaRisposta);
    // Only digits, however they come: the key preview drops every other key, and this the rest of
    // what a text box takes in (a paste from the menu or the middle button, a drop, an input method).
    txtInput->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtInput));
    Tavolozza::Imposta(txtInput, QPalette::Base, Fabbrica::Colore(Colore::GialloChiaro));
    txtInput->setEnabled(false);

    cmdInfo = pulsante(QStringLiteral("cmdInfo"), D::cmdInfo, Colore::Crema, nullptr, Testi::SuggerimentoInfo);
    cmdNuovoGioco = pulsante(QStringLiteral("cmdNuovoGioco"), D::cmdNuovoGioco, Colore::Crema, &Figure::Ricomincia,
                             Testi::SuggerimentoNuovoGioco);
    cmdChiudi =
        pulsante(QStringLiteral("cmdChiudi"), D::cmdChiudi, Colore::Crema, &Figure::Esci, Testi::SuggerimentoChiudi);

    chkNoSound = new QCheckBox(this);
    chkNoSound->setObjectName(QStringLiteral("chkNoSound"));
    chkNoSound->setGeometry(Fabbrica::Rettangolo(D::chkNoSound));
    chkNoSound->setToolTip(Testi::SuggerimentoSuono);

    cmdNew->raise(); // it covers the answer box until a number starts

    setTabOrder(cmdNew, txtInput);
    setTabOrder(txtInput, cmdChiudi);
    setTabOrder(cmdChiudi, cmdInfo);
    setTabOrder(cmdInfo, cmdNuovoGioco);
    setTabOrder(cmdNuovoGioco, chkNoSound);

    using T = CodaAzioni::Azione::Tipo;
    for (const auto &[pulsante, tipo] : {std::pair{cmdNew, T::NuovoNumero}, std::pair{cmdNuovoGioco, T::NuovoGioco},
                                         std::pair{cmdChiudi, T::Chiudi}, std::pair{cmdInfo, T::Info}})
        connect(pulsante, &QPushButton::clicked, this, [this, tipo = tipo] { azioni->Ricevi({tipo}); });
    // The sound switch changes nothing of the game: it is never held.
    connect(chkNoSound, &QCheckBox::clicked, this, &frmCercanum::chkNoSound_Click);

    // Key preview: the window sees every key before the focused control does.
    for (QWidget *w : std::initializer_list<QWidget *>{cmdNew, txtInput, cmdInfo, cmdNuovoGioco, cmdChiudi, chkNoSound})
        w->installEventFilter(this);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void frmCercanum::Form_Load()
{
    Lancia(Carica());
}

Compito frmCercanum::Carica()
{
    const QCursor mano = CursoreMano();
    for (QWidget *w : std::initializer_list<QWidget *>{cmdNew, cmdChiudi, cmdNuovoGioco, cmdInfo, chkNoSound})
        w->setCursor(mano);
    cmdInfo->ImpostaFigura(Immagini::Carica(Figure::Icona));

    partita.Reimposta();
    tabellone->SvuotaPrimeCelle();

    modulo.AvvioInCorso = true;
    pista->CaricaBall();
    DisegnaForm();

    if (schermoInteroAllAvvio)
        AlternaSchermoIntero();
    else if (QScreen *schermoFisico = screen())
        move(schermoFisico->availableGeometry().center() - rect().center());
    show();
    repaint();

    // Asked only once the window is on the screen: loading the sound library and asking the sound
    // server take longer than everything before, and nothing can be clicked before the
    // information window below has come and gone.
    const bool conAudio = servizi.suoni.NumDispositivi() >= 1;
    servizi.suoni.ImpostaSuonoAttivo(conAudio);
    if (!conAudio)
        chkNoSound->setEnabled(false);

    servizi.dialoghi.MostraInformazioni(PadreDialoghi(), modulo.AvvioInCorso);
    modulo.AvvioInCorso = false;
    static_cast<Giocatori &>(modulo) = servizi.dialoghi.MostraPresentazione(PadreDialoghi(), modulo.NomeGiocatore);
    imgTitolo->hide();
    VerificaNumeroGiocatori();
    co_await Lampeggia(cmdNew);
    cmdNew->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Around a game

void frmCercanum::VerificaNumeroGiocatori()
{
    lblMessaggio->ImpostaTesto(Testi::PerIniziare);
    tabellone->PosizionaColonne(modulo.NumGiocatori);
    if (modulo.NumGiocatori == 1) {
        partita.ImpostaGiocatori();
        tabellone->CaricaLabel();
        return;
    }

    std::string rifilati[2];
    for (int i = 0; i < 2; ++i) {
        rifilati[i] = NomeFisso::Rifila(modulo.NomeGiocatore[i]);
        modulo.NomeGiocatore[i] = NomeFisso::Adatta(rifilati[i]);
    }
    tabellone->MostraNomi(DaStd(rifilati[0]), DaStd(rifilati[1]));
    partita.ImpostaGiocatori();
    tabellone->CaricaLabel();
    tabellone->CaricaLabel1();
    lblMessaggio->ImpostaTesto(Testi::PerIniziare + Testi::Acapo + Testi::IniziaIlGioco
                               + DaStd(modulo.NomeGiocatore[0]));
    // The second name may still be bold from an abandoned game: only the first player's is.
    tabellone->SegnaTurno(0);
}

Compito frmCercanum::cmdNuovoGioco_Click()
{
    partita.Reimposta();
    tabellone->SvuotaPrimeCelle();
    lblInfoTemp->hide();
    imgIndice->hide();
    tabellone->NascondiPuntiRealizzati();
    riscontro->PensaAnim(false);
    pista->ResetBall();
    tabellone->ScaricaLabel();
    if (modulo.NumGiocatori == 2) // the players of the game being left
        tabellone->ScaricaLabel1();
    static_cast<Giocatori &>(modulo) = servizi.dialoghi.MostraPresentazione(PadreDialoghi(), modulo.NomeGiocatore);
    VerificaNumeroGiocatori();
    cmdNew->show();
    co_await Lampeggia(cmdNew);
    cmdNew->setFocus();
}

Compito frmCercanum::VerificaFineGioco()
{
    // What waits for the last number's end meets the question: an Enter presses its default
    // button, a close request ends the game as its No would; nothing else reaches the next game,
    // which the question itself offers.
    using T = CodaAzioni::Azione::Tipo;
    std::optional<Messaggi::Risposta> decisa;
    for (const CodaAzioni::Azione &a : azioni->Prendi())
        if (!decisa && (a.tipo == T::Invio || a.tipo == T::Chiudi))
            decisa = a.tipo == T::Invio ? Messaggi::Risposta::Si : Messaggi::Risposta::No;
    lblMessaggio->ImpostaTesto(Testi::GiocoFinito);
    if (modulo.NumGiocatori == 2)
        tabellone->MostraEntrambiBimbi();
    emit Frase(FraseFineGioco());
    cmdNew->hide();
    SvuotaRisposta();
    txtInput->setEnabled(false);
    const Messaggi::Risposta scelta = decisa
                                          ? *decisa
                                          : servizi.messaggi.Mostra(PadreDialoghi(), Testi::FineDelGioco, Testi::Titolo,
                                                                    Messaggi::Icona::Domanda, Messaggi::Pulsanti::SiNo);
    if (scelta != Messaggi::Risposta::Si) {
        servizi.terminazione.TerminaSubito();
        co_return;
    }
    pista->ResetBall();
    co_await cmdNuovoGioco_Click();
    cmdNew->show();
    txtInput->setEnabled(true);
    cmdNew->setFocus();
}

// Each player's average and judgement, named with two players.
QString frmCercanum::FraseFineGioco() const
{
    QString righe = Testi::GiocoFinito;
    for (int i = 0; i < modulo.NumGiocatori; ++i) {
        const QString media = tabellone->Media(i);
        const QString chi = modulo.NumGiocatori == 2
                                ? DaStd(NomeFisso::Rifila(modulo.NomeGiocatore[i])) + QStringLiteral(": ")
                                : QString();
        righe += Testi::Acapo + chi + Testi::Punteggio + QLatin1Char(' ') + media + QStringLiteral(", ")
                 + QString::fromUtf8(Testi::Giudizi[Giudizio::PerMedia(Intero(media.toInt()))]);
    }
    return Testi::Frasi(righe);
}

void frmCercanum::cmdChiudi_Click()
{
    servizi.terminazione.TerminaSubito();
}

void frmCercanum::closeEvent(QCloseEvent *evento)
{
    // The title bar's close box ends the game as the close button does, in its turn.
    evento->ignore();
    azioni->Ricevi({CodaAzioni::Azione::Tipo::Chiudi});
}

void frmCercanum::cmdInfo_Click()
{
    servizi.dialoghi.MostraInformazioni(PadreDialoghi(), modulo.AvvioInCorso);
    if (cmdNew->isVisible())
        cmdNew->setFocus();
    else if (txtInput->isVisible())
        txtInput->setFocus();
}

void frmCercanum::chkNoSound_Click()
{
    servizi.suoni.ImpostaSuonoAttivo(!chkNoSound->isChecked());
    txtInput->setFocus(); // a disabled box keeps the focus where it was
}

// The flash holds input as a busy thread would: what comes meanwhile is handled after it.
Compito frmCercanum::Lampeggia(QWidget *bersaglio)
{
    const CodaAzioni::InCorso passo(*azioni, CodaAzioni::Passo::Lampo);
    co_await riscontro->Lampeggia(bersaglio);
}

// ---------------------------------------------------------------------------------------------
// Full screen

void frmCercanum::AlternaSchermoIntero()
{
    if (!schermo) {
        schermo = std::make_unique<SchermoIntero>(this, imgsfondo->Figura());
        connect(schermo->Tasti(), &Tastierino::Premuto, this, &frmCercanum::TastoDelTastierino);
    }
    if (schermo->Attivo())
        schermo->Esci();
    else
        schermo->Entra();
}

// Opened from the window inside the full screen they would be drawn into its scene, where their
// modal loop blocks the very screen that shows them; opened from the screen they get a window of
// their own, enlarged as the screen is and centred over the game.
QWidget *frmCercanum::PadreDialoghi()
{
    if (schermo && schermo->Attivo())
        return schermo.get();
    return this;
}

void frmCercanum::changeEvent(QEvent *evento)
{
    QWidget::changeEvent(evento);
    // The window manager's request for full screen (or for a maximised window, which this one never
    // is: it keeps its one size) gives the full screen.
    if (evento->type() == QEvent::WindowStateChange && isWindow()
        && (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        setWindowState(Qt::WindowNoState);
        if (!schermo || !schermo->Attivo())
            AlternaSchermoIntero();
    }
}

// ---------------------------------------------------------------------------------------------
// Painting

void frmCercanum::DisegnaForm()
{
    tessera = imgsfondo->Figura();
    update();
}

void frmCercanum::paintEvent(QPaintEvent *evento)
{
    // In full screen the screen's paper, laid from this window's corner at the same enlargement
    // and kept ready by the view, is already under it: the same sheet need not be drawn again,
    // enlarged pixel by pixel, at every frame.
    if (graphicsProxyWidget() && !tessera.isNull())
        return;
    QPainter p(this);
    if (tessera.isNull())
        p.fillRect(evento->rect(), Fabbrica::Colore(Colore::Argento));
    else
        p.drawTiledPixmap(rect(), tessera); // clipped to the part being repainted
}

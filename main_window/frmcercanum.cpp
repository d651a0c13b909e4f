// SPDX-License-Identifier: MIT
#include "frmcercanum.h"

#include "caratteri.h"
#include "cercanum.h"
#include "cursoremano.h"
#include "dialoghi.h"
#include "disposizione.h"
#include "etichetta.h"
#include "fontecasuale.h"
#include "forma.h"
#include "immagine.h"
#include "immagini.h"
#include "linea.h"
#include "messaggi.h"
#include "nomefisso.h"
#include "orologio.h"
#include "pulsante.h"
#include "punteggio.h"
#include "scivolata.h"
#include "tavolozza.h"
#include "tempi.h"
#include "terminazione.h"
#include "testi.h"
#include "uscitaaudio.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>

namespace D = Disposizione;

namespace {

QColor Colore(const Rgb &c)
{
    return Tavolozza::Colore(c);
}

QFont Font(const D::Carattere &c)
{
    return Caratteri::Font(c.punti, c.grassetto);
}

QRect Rettangolo(const D::Rett &r)
{
    return QRect(r.x, r.y, r.l, r.a);
}

QString Numero(int n)
{
    return QString::number(n);
}

QString DaStd(const std::string &s)
{
    return QString::fromStdString(s);
}

// Key code as the game's handlers see it: the typed character, so that keypad digits and any
// keyboard layout work; -1 for keys that type nothing (arrows, Delete, Shift...).
int CodiceTasto(const QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return 13;
    if (e->key() == Qt::Key_Backspace)
        return 8;
    if (e->key() == Qt::Key_Delete || e->text().isEmpty())
        return -1;
    return e->text().at(0).unicode();
}

QColor ColoreSfondo(QWidget *w)
{
    if (auto *p = qobject_cast<Pulsante *>(w))
        return p->Sfondo();
    return w->palette().color(QPalette::Base);
}

void ImpostaColoreSfondo(QWidget *w, const QColor &c)
{
    if (auto *p = qobject_cast<Pulsante *>(w)) {
        p->ImpostaSfondo(c);
        return;
    }
    Tavolozza::Imposta(w, QPalette::Base, c);
}

} // namespace

// Marks the handling of an answer or of a new number; clicks on the new-game and information
// buttons that arrive meanwhile run once it is over.
class Occupazione
{
public:
    explicit Occupazione(frmCercanum &f) : finestra(f) { ++finestra.occupato; }
    ~Occupazione()
    {
        if (--finestra.occupato == 0 && finestra.rinvio != frmCercanum::Rinvio::Nessuno)
            QMetaObject::invokeMethod(&finestra, &frmCercanum::EseguiRinvio, Qt::QueuedConnection);
    }
    Occupazione(const Occupazione &) = delete;
    Occupazione &operator=(const Occupazione &) = delete;

private:
    frmCercanum &finestra;
};

frmCercanum::frmCercanum(const Servizi &s, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , servizi(s)
{
    setObjectName(QStringLiteral("frmCercanum"));
    setWindowTitle(Testi::Titolo);
    setFixedSize(D::LarghezzaClient, D::AltezzaClient);
    setFocusPolicy(Qt::ClickFocus);
    setFont(Font(D::Font::Finestra));
    const QPixmap icona = Immagini::Carica(QString::fromLatin1(D::Figura::Icona));
    if (!icona.isNull())
        setWindowIcon(icona);

    CreaControlli();
    CreaControlliFinestra();

    Timer1.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(Tempi::Pensiero);
    connect(&Timer1, &QTimer::timeout, this, &frmCercanum::Timer1_Timer);
}

frmCercanum::~frmCercanum() = default;

void frmCercanum::CreaControlli()
{
    strato = new QWidget(this);
    strato->setObjectName(QStringLiteral("strato"));
    strato->setGeometry(0, 0, D::LarghezzaClient, D::AltezzaClient);

    const QColor testoFinestra = palette().color(QPalette::WindowText);
    const QColor sfondoFinestra = palette().color(QPalette::Base);

    auto etichetta = [this, &testoFinestra](const QString &nome, const D::Rett &r, const D::Carattere &f,
                                            bool bordo = false) {
        auto *e = new Etichetta(strato);
        e->setObjectName(nome);
        e->setGeometry(Rettangolo(r));
        e->setFont(Font(f));
        e->ImpostaColoreTesto(testoFinestra);
        e->ImpostaBordo(bordo);
        return e;
    };
    auto immagine = [this](const QString &nome, const D::Rett &r, const char *figura, bool visibile) {
        auto *i = new Immagine(strato);
        i->setObjectName(nome);
        i->setGeometry(Rettangolo(r));
        if (figura)
            i->ImpostaFigura(Immagini::Carica(QString::fromLatin1(figura)));
        i->setVisible(visibile);
        return i;
    };
    auto linea = [this](const D::Segmento &s, int spessore, const QColor &c) {
        return new Linea(strato, QLine(s.x1, s.y1, s.x2, s.y2), spessore, c);
    };

    // Bottom to top: siblings paint in creation order.
    for (int i = 0; i < 6; ++i)
        imgGiudizio[i] = immagine(QStringLiteral("imgGiudizio(%1)").arg(i),
                                  {D::imgGiudizioX[i], D::imgGiudizioY, 32, 32}, D::Figura::Giudizio[i], true);
    imgsfondo = immagine(QStringLiteral("imgsfondo"), D::imgsfondo, D::Figura::Sfondo, true);

    Label1 = etichetta(QStringLiteral("Label1"), D::Label1, D::Font::Finestra, true);
    Label1->ImpostaSfondo(Colore(D::Colore::Giallo));

    lblMessaggio = etichetta(QStringLiteral("lblMessaggio"), D::lblMessaggio, D::Font::Messaggio, true);
    linea(D::Line2, 1, Colore(D::Colore::GrigioChiaro));
    linea(D::Line3, 1, Colore(D::Colore::GrigioChiaro));
    imgTitolo = immagine(QStringLiteral("imgTitolo"), D::imgTitolo, D::Figura::Titolo, true);
    lblInfoTemp = etichetta(QStringLiteral("lblInfoTemp"), D::lblInfoTemp, D::Font::Finestra);
    lblInfoTemp->hide();
    imgIndice = immagine(QStringLiteral("imgIndice"), D::imgIndice, D::Figura::Indice, false);

    imgIngranaggio[1] = immagine(QStringLiteral("imgIngranaggio(1)"), D::imgIngranaggio, D::Figura::Ingranaggio[1], false);
    imgIngranaggio[0] = immagine(QStringLiteral("imgIngranaggio(0)"), D::imgIngranaggio, D::Figura::Ingranaggio[0], false);
    imgPensa = immagine(QStringLiteral("imgPensa"), D::imgPensa, D::Figura::Pensa, false);
    lblAnimazNumeri = etichetta(QStringLiteral("lblAnimazNumeri"), D::lblAnimazNumeri, D::Font::FinestraGrassetto);
    lblAnimazNumeri->ImpostaTesto(QStringLiteral("100"));
    lblAnimazNumeri->hide();

    for (int i = 0; i < 9; ++i)
        imgSmile[i] = immagine(QStringLiteral("imgSmile(%1)").arg(i), D::imgSmile, D::Figura::Smile[i], false);
    imgSmileForm[2] = immagine(QStringLiteral("imgSmileForm(2)"), D::imgSmileFormDomanda, D::Figura::SmileForm[2], false);
    imgSmileForm[3] = immagine(QStringLiteral("imgSmileForm(3)"), D::imgSmileFormDomanda, D::Figura::SmileForm[3], true);
    imgSmileForm[0] = immagine(QStringLiteral("imgSmileForm(0)"), D::imgSmileFormMaestro, D::Figura::SmileForm[0], true);
    imgSmileForm[1] = immagine(QStringLiteral("imgSmileForm(1)"), D::imgSmileFormMaestro, D::Figura::SmileForm[1], false);

    linea(D::Line5, 1, testoFinestra);
    linea(D::Line6, 1, testoFinestra);
    linea(D::Line8, 2, testoFinestra);
    linea(D::Line4, 2, testoFinestra);
    linBall = linea(D::linBall, 2, testoFinestra);
    linBall->setObjectName(QStringLiteral("linBall"));

    Shape4 = new Forma(strato);
    Shape4->setObjectName(QStringLiteral("Shape4"));
    Shape4->setGeometry(Rettangolo(D::Shape4));
    Shape4->ImpostaRiempimento(Colore(D::Colore::Grigio));
    Shape3 = new Forma(strato);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    Shape3->setGeometry(Rettangolo(D::Shape3));
    Shape3->ImpostaRiempimento(Colore(D::Colore::Grigio));
    const D::Rett numRisp[2]{D::lblNumRisp0, D::lblNumRisp1};
    for (int i = 0; i < 2; ++i) {
        lblNumRisp[i] = etichetta(QStringLiteral("lblNumRisp(%1)").arg(i), numRisp[i], D::Font::NumRisp);
        lblNumRisp[i]->ImpostaColoreTesto(Colore(D::Colore::Bianco));
    }

    auto *palla = new Forma(strato);
    palla->setObjectName(QStringLiteral("shpBall(0)"));
    palla->setGeometry(Rettangolo(D::shpBall0));
    palla->ImpostaRiempimento(Colore(D::Colore::VerdeScuro));
    palla->hide();
    shpBall.push_back(palla);
    auto *didascalia = etichetta(QStringLiteral("lblBall(0)"), D::lblBall0, D::Font::Palla);
    didascalia->ImpostaColoreTesto(Colore(D::Colore::Bianco));
    didascalia->ImpostaTesto(QStringLiteral("99"));
    didascalia->hide();
    lblBall.push_back(didascalia);

    imgBuco = immagine(QStringLiteral("imgBuco"), D::imgBuco, D::Figura::Buco, false);
    lblPuntiRealizzati = etichetta(QStringLiteral("lblPuntiRealizzati"), D::lblPuntiRealizzati, D::Font::PuntiRealizzati);
    lblPuntiRealizzati->ImpostaColoreTesto(Colore(D::Colore::Rosso));

    const QColor grigi[4]{Colore(D::Colore::Grigio), Colore(D::Colore::GrigioChiaro),
                          Colore(D::Colore::GrigioChiaro), Colore(D::Colore::Grigio)};
    for (int i = 0; i < 4; ++i)
        linea(D::Line1[i], 1, grigi[i]);

    // The score board: only column 0 of each row is designed; the rest is built per game.
    const D::Rett nomi[2]{D::lblNome0, D::lblNome1};
    const QColor coloriGiocatori[2]{Colore(D::Colore::Rosso), Colore(D::Colore::Verde)};
    for (int i = 0; i < 2; ++i) {
        lblNome[i] = etichetta(QStringLiteral("lblNome(%1)").arg(i), nomi[i], D::Font::Finestra, true);
        lblNome[i]->ImpostaColoreTesto(coloriGiocatori[i]);
        lblNome[i]->ImpostaSfondo(sfondoFinestra);
        lblNome[i]->hide();
    }
    auto cella = [&](const QString &nome, const D::Rett &r, bool punteggio, const QColor &testo, const QColor &fondo) {
        Etichetta *e = etichetta(nome, r, punteggio ? D::Font::CellaPunteggio : D::Font::Cella, true);
        e->ImpostaColoreTesto(testo);
        e->ImpostaSfondo(fondo);
        if (!punteggio)
            e->ImpostaTesto(QStringLiteral("1"));
        e->hide();
        return e;
    };
    lblNumGioco.push_back(cella(QStringLiteral("lblNumGioco(0)"), D::lblNumGioco0, false, testoFinestra, Colore(D::Colore::RossoChiaro)));
    lblPunteggio.push_back(cella(QStringLiteral("lblPunteggio(0)"), D::lblPunteggio0, true, coloriGiocatori[0], sfondoFinestra));
    lblNumGioco1.push_back(cella(QStringLiteral("lblNumGioco1(0)"), D::lblNumGioco10, false, testoFinestra, Colore(D::Colore::VerdeChiaro)));
    lblPunteggio1.push_back(cella(QStringLiteral("lblPunteggio1(0)"), D::lblPunteggio10, true, coloriGiocatori[1], sfondoFinestra));
    const D::Rett etic[2]{D::lblEtic0, D::lblEtic1};
    const D::Rett punti[2]{D::lblPunti0, D::lblPunti1};
    for (int i = 0; i < 2; ++i) {
        lblEtic[i] = etichetta(QStringLiteral("lblEtic(%1)").arg(i), etic[i], D::Font::Finestra, true);
        lblEtic[i]->ImpostaTesto(Testi::Punteggio);
        lblEtic[i]->ImpostaSfondo(sfondoFinestra);
        lblEtic[i]->hide();
        lblPunti[i] = etichetta(QStringLiteral("lblPunti(%1)").arg(i), punti[i], D::Font::Punti, true);
        lblPunti[i]->ImpostaColoreTesto(coloriGiocatori[i]);
        lblPunti[i]->ImpostaSfondo(Colore(D::Colore::GialloChiaro));
        lblPunti[i]->setToolTip(Testi::SuggerimentoPunti);
        lblPunti[i]->hide();
    }

    imgbimbo[0] = immagine(QStringLiteral("imgbimbo(0)"), D::imgbimbo0, D::Figura::Bimbo[0], false);
    imgbimbo[1] = immagine(QStringLiteral("imgbimbo(1)"), D::imgbimbo1, D::Figura::Bimbo[1], false);
    imgPunteggio[0] = immagine(QStringLiteral("imgPunteggio(0)"), D::imgPunteggio0, nullptr, true);
    imgPunteggio[1] = immagine(QStringLiteral("imgPunteggio(1)"), D::imgPunteggio1, nullptr, true);
    Image1 = immagine(QStringLiteral("Image1"), D::Image1, D::Figura::NoSuono, true);
}

void frmCercanum::CreaControlliFinestra()
{
    // Created after the layer of windowless controls, so they always stay above it.
    auto pulsante = [this](const QString &nome, const D::Rett &r, const D::Rgb &colore, const char *figura,
                           const QString &suggerimento) {
        auto *p = new Pulsante(this);
        p->setObjectName(nome);
        p->setGeometry(Rettangolo(r));
        p->ImpostaSfondo(Colore(colore));
        if (figura)
            p->ImpostaFigura(Immagini::Carica(QString::fromLatin1(figura)));
        p->setToolTip(suggerimento);
        return p;
    };
    cmdNew = pulsante(QStringLiteral("cmdNew"), D::cmdNew, D::Colore::GialloChiaro, D::Figura::Mano, {});
    cmdNew->setText(Testi::NuovoNumero);
    cmdNew->setFont(Font(D::Font::FinestraGrassetto));

    txtInput = new QLineEdit(this);
    txtInput->setObjectName(QStringLiteral("txtInput"));
    txtInput->setGeometry(Rettangolo(D::txtInput));
    txtInput->setFont(Font(D::Font::Risposta));
    txtInput->setAlignment(Qt::AlignCenter);
    txtInput->setMaxLength(D::LunghezzaRisposta);
    ImpostaColoreSfondo(txtInput, Colore(D::Colore::GialloChiaro));
    txtInput->setEnabled(false);

    cmdInfo = pulsante(QStringLiteral("cmdInfo"), D::cmdInfo, D::Colore::Crema, nullptr, Testi::SuggerimentoInfo);
    cmdNuovoGioco = pulsante(QStringLiteral("cmdNuovoGioco"), D::cmdNuovoGioco, D::Colore::Crema,
                             D::Figura::Ricomincia, Testi::SuggerimentoNuovoGioco);
    cmdChiudi = pulsante(QStringLiteral("cmdChiudi"), D::cmdChiudi, D::Colore::Crema, D::Figura::Esci,
                         Testi::SuggerimentoChiudi);

    chkNoSound = new QCheckBox(this);
    chkNoSound->setObjectName(QStringLiteral("chkNoSound"));
    chkNoSound->setGeometry(Rettangolo(D::chkNoSound));
    chkNoSound->setToolTip(Testi::SuggerimentoSuono);

    cmdNew->raise(); // it covers the answer box until a number starts

    setTabOrder(cmdNew, txtInput);
    setTabOrder(txtInput, cmdChiudi);
    setTabOrder(cmdChiudi, cmdInfo);
    setTabOrder(cmdInfo, cmdNuovoGioco);
    setTabOrder(cmdNuovoGioco, chkNoSound);

    connect(cmdNew, &QPushButton::clicked, this, &frmCercanum::cmdNew_Click);
    connect(cmdNuovoGioco, &QPushButton::clicked, this, &frmCercanum::ClicNuovoGioco);
    connect(cmdChiudi, &QPushButton::clicked, this, &frmCercanum::cmdChiudi_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &frmCercanum::ClicInfo);
    connect(chkNoSound, &QCheckBox::clicked, this, &frmCercanum::chkNoSound_Click);

    // Key preview: the window sees every key before the focused control does.
    for (QWidget *w : std::initializer_list<QWidget *>{cmdNew, txtInput, cmdInfo, cmdNuovoGioco, cmdChiudi, chkNoSound})
        w->installEventFilter(this);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void frmCercanum::Form_Load()
{
    UscitaAudio *audio = Cercanum::UscitaCorrente();
    if (!audio || audio->NumDispositivi() < 1) {
        Cercanum::SuonoAttivo = false;
        chkNoSound->setEnabled(false);
    } else {
        Cercanum::SuonoAttivo = true;
    }

    const QCursor mano = CursoreMano();
    for (QWidget *w : std::initializer_list<QWidget *>{cmdNew, cmdChiudi, cmdNuovoGioco, cmdInfo, chkNoSound})
        w->setCursor(mano);
    cmdInfo->ImpostaFigura(Immagini::Carica(QString::fromLatin1(D::Figura::Icona)));

    partita.Reimposta();
    lblPunteggio1[0]->ImpostaTesto({});
    lblPunteggio[0]->ImpostaTesto({});

    Cercanum::AvvioInCorso = true;
    CaricaBall();
    DisegnaForm();

    if (QScreen *schermo = screen())
        move(schermo->availableGeometry().center() - rect().center());
    show();
    repaint();

    servizi.dialoghi.MostraInformazioni(this);
    Cercanum::AvvioInCorso = false;
    servizi.dialoghi.MostraPresentazione(this);
    imgTitolo->hide();
    VerificaNumeroGiocatori();
    Lampeggia(cmdNew);
    cmdNew->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Keys

bool frmCercanum::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress || oggetto != focusWidget())
        return QWidget::eventFilter(oggetto, evento);
    const auto *tasto = static_cast<QKeyEvent *>(evento);
    if (TastoComando(tasto))
        return true;
    int codice = CodiceTasto(tasto);
    if (codice < 0)
        return false;
    Form_KeyPress(codice);
    if (oggetto != txtInput)
        return codice == 13; // Enter has done its work; the window must not see it twice
    txtInput_KeyPress(codice);
    return codice == 1; // a dropped key never reaches the box
}

void frmCercanum::keyPressEvent(QKeyEvent *evento)
{
    // With no control focused the keys come straight to the window; keys a control let through
    // were seen already.
    if (focusWidget() && focusWidget() != this)
        return QWidget::keyPressEvent(evento);
    if (TastoComando(evento))
        return;
    int codice = CodiceTasto(evento);
    if (codice >= 0)
        Form_KeyPress(codice);
}

// The cancel and default buttons: Esc presses cmdChiudi at any moment, Enter presses cmdNew
// while it is shown (and only then reaches the window's own handler).
bool frmCercanum::TastoComando(const QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape) {
        cmdChiudi->click();
        return true;
    }
    const bool invio = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    if (invio && cmdNew->isVisible() && cmdNew->isEnabled()) {
        cmdNew->click();
        return true;
    }
    return false;
}

void frmCercanum::Form_KeyPress(int &codice)
{
    // While an answer is being handled (a ball rolling, a sound letting events run) Enter must
    // not start a second judgement.
    if (animazioneInCorso || occupato > 0 || codice != 13)
        return;
    Occupazione occupazione(*this);
    const std::optional<Intero> risposta = Partita::LeggiRisposta(txtInput->text().toStdString());
    if (risposta)
        VerificaRisposta(*risposta);
    else
        MostraErrore();
}

void frmCercanum::txtInput_KeyPress(int &codice)
{
    if ((codice >= '0' && codice <= '9') || codice == 8)
        lblMessaggio->ImpostaTesto({});
    else
        codice = 1;
    if (partita.NumRisposte == 0) {
        lblInfoTemp->show();
        imgIndice->show();
    }
}

// ---------------------------------------------------------------------------------------------
// A number

void frmCercanum::cmdNew_Click()
{
    Occupazione occupazione(*this);
    partita.CambiaTurno(Cercanum::NumGiocatori);
    MostraSmile(-1);
    cmdNew->hide();
    PreparaNumero();
    lblMessaggio->ImpostaTesto(Testi::ScriviNumero + Numero(partita.NumMax));
    txtInput->setEnabled(true);
    txtInput->setFocus();
    AnnunciaNumero(partita.NumGiocati);
}

void frmCercanum::PreparaNumero()
{
    lblPuntiRealizzati->ImpostaTesto({});
    imgBuco->hide();
    txtInput->clear();
    ImpostaColoreSfondo(txtInput, Colore(D::Colore::Bianco));
    partita.PreparaNumero(servizi.caso);
    lblMessaggio->ImpostaTesto(Testi::ScriviNumero + Numero(partita.NumMax));
    ResetBall();
}

void frmCercanum::AnnunciaNumero(Intero n)
{
    partita.ImpostaIntervallo(n);
    if (Cercanum::SuonoAttivo)
        Cercanum::SuonaWav(104);
    const QString msg = Testi::Annuncio + Numero(partita.NumMax);

    for (int i = 1; i <= msg.size(); ++i) {
        lblMessaggio->ImpostaTesto(msg.left(i));
        lblMessaggio->repaint();
        servizi.orologio.Attendi(Tempi::Lettera);
    }
    servizi.orologio.Attendi(Tempi::PausaAnnuncio);

    bool vuoto = false;
    for (int passo = 0; passo < Tempi::PassiLampeggio; ++passo) {
        vuoto = !vuoto;
        lblMessaggio->ImpostaTesto(msg);
        if (vuoto)
            lblMessaggio->ImpostaTesto({});
        lblMessaggio->repaint();
        servizi.orologio.Attendi(Tempi::Lampeggio);
        lblMessaggio->repaint();
    }

    lblMessaggio->ImpostaTesto(lblMessaggio->Testo() + Testi::Acapo + Testi::ScriviEInvio);
    if (Cercanum::NumGiocatori == 1)
        lblInfoTemp->ImpostaTesto(msg);
    else
        lblInfoTemp->ImpostaTesto(Testi::Gioca + DaStd(NomeFisso::RifilaDestra(partita.GiocatoreAttivo))
                                  + QStringLiteral(". ") + msg);
    PensaAnim(true);
}

void frmCercanum::MostraErrore()
{
    servizi.messaggi.Mostra(this, Testi::Errore + Numero(partita.NumMax), Testi::TitoloErrore,
                            Messaggi::Icona::Stop, Messaggi::Pulsanti::Ok);
    txtInput->clear();
    txtInput->setFocus();
}

void frmCercanum::VerificaRisposta(Intero a)
{
    const Risultato r = partita.VerificaRisposta(a, Cercanum::NumGiocatori, Cercanum::NomeGiocatore);
    if (r.esito == Esito::Rifiutata) {
        MostraErrore();
        return;
    }

    if (r.esito == Esito::Indovinato) {
        const QString s2 = r.numero == 1 ? Testi::Risposta : Testi::Risposte;
        MostraSmile(100);
        // Disabling the focused box would hand the focus to the close button, where a stray
        // Space during the roll would end the program; the window holds it meanwhile.
        setFocus();
        txtInput->setEnabled(false);
        AppendBall(r.numero, a);
        if (Cercanum::SuonoAttivo)
            Cercanum::SuonaWav(106);
        Lampeggia(txtInput);
        lblInfoTemp->hide();
        imgIndice->hide();
        cmdNew->show();
        cmdNew->setFocus();
        const QString esatto = Testi::Esatto + Numero(r.numero) + s2;
        const Intero media = CalcolaPunteggio(r.colonna, r);
        lblPunti[r.colonna]->ImpostaTesto(Numero(media));
        if (Cercanum::NumGiocatori == 1)
            lblMessaggio->ImpostaTesto(esatto);
        else
            MostraTurno(1 - r.colonna, esatto + Testi::Acapo);
    } else {
        lblMessaggio->ImpostaTesto(r.esito == Esito::TroppoGrande ? Testi::TroppoGrande : Testi::TroppoPiccolo);
        txtInput->clear();
        txtInput->setFocus();
        MostraSmile(r.numero);
        AppendBall(r.numero, a);
        if (!r.perso)
            return;

        MostraSmile(50);
        servizi.messaggi.Mostra(this, Testi::NumeroEra + Numero(partita.NumSegreto), Testi::TermineGioco,
                                Messaggi::Icona::Esclamazione, Messaggi::Pulsanti::Ok);
        MostraSmile(-1);
        cmdNew->show();
        cmdNew->setFocus();
        txtInput->setEnabled(false);
        const Intero media = CalcolaPunteggio(r.colonna, r);
        lblPunti[r.colonna]->ImpostaTesto(Numero(media));
        if (Cercanum::NumGiocatori == 1)
            lblMessaggio->ImpostaTesto({});
        else
            MostraTurno(1 - r.colonna, {});
        lblInfoTemp->hide();
        imgIndice->hide();
    }

    if (r.fineGioco)
        VerificaFineGioco();
}

// Two players: the message names the player whose turn it is now, whose name turns bold and
// whose picture marks the turn.
void frmCercanum::MostraTurno(int prossimo, const QString &messaggio)
{
    lblMessaggio->ImpostaTesto(messaggio + Testi::AdessoGioca
                               + DaStd(NomeFisso::RifilaDestra(partita.GiocatoreAttivo)));
    for (int i = 0; i < 2; ++i) {
        QFont f = lblNome[i]->font();
        f.setBold(i == prossimo);
        lblNome[i]->setFont(f);
        lblNome[i]->update();
        imgbimbo[i]->setVisible(i == prossimo);
    }
}

// ---------------------------------------------------------------------------------------------
// Around a game

void frmCercanum::VerificaNumeroGiocatori()
{
    lblMessaggio->ImpostaTesto(Testi::PerIniziare);
    auto sotto = [](Etichetta *cella, const Etichetta *sopra) {
        cella->move(sopra->x(), sopra->y() + sopra->height() - 1); // borders overlap by one pixel
    };
    if (Cercanum::NumGiocatori == 1) {
        lblNumGioco[0]->move(75, 256);
        sotto(lblPunteggio[0], lblNumGioco[0]);
        CaricaLabel();
        return;
    }

    lblNumGioco[0]->move(75, 238);
    sotto(lblPunteggio[0], lblNumGioco[0]);
    for (int i = 0; i < 2; ++i) {
        const std::string nome = NomeFisso::Rifila(Cercanum::NomeGiocatore[i]);
        lblNome[i]->ImpostaTesto(DaStd(nome));
        Cercanum::NomeGiocatore[i] = NomeFisso::Adatta(nome);
    }
    partita.GiocatoreAttivo = NomeFisso::Adatta(NomeFisso::Rifila(Cercanum::NomeGiocatore[0]));
    lblNumGioco[0]->move(125, lblNumGioco[0]->y());
    lblPunteggio[0]->move(lblNumGioco[0]->x(), lblPunteggio[0]->y());
    lblNumGioco1[0]->move(125, lblNumGioco1[0]->y());
    lblPunteggio1[0]->move(lblNumGioco[0]->x(), lblPunteggio1[0]->y());
    CaricaLabel();
    CaricaLabel1();
    lblMessaggio->ImpostaTesto(Testi::PerIniziare + Testi::Acapo + Testi::IniziaIlGioco
                               + DaStd(Cercanum::NomeGiocatore[0]));
    // The second name may still be bold from an abandoned game: only the first player's is.
    for (int i = 0; i < 2; ++i) {
        QFont f = lblNome[i]->font();
        f.setBold(i == 0);
        lblNome[i]->setFont(f);
    }
    imgbimbo[0]->show();
    imgbimbo[1]->hide();
}

void frmCercanum::ClicNuovoGioco()
{
    if (occupato > 0) {
        rinvio = Rinvio::NuovoGioco;
        return;
    }
    cmdNuovoGioco_Click();
}

void frmCercanum::ClicInfo()
{
    if (occupato > 0) {
        if (rinvio == Rinvio::Nessuno)
            rinvio = Rinvio::Info;
        return;
    }
    cmdInfo_Click();
}

void frmCercanum::EseguiRinvio()
{
    const Rinvio r = rinvio;
    rinvio = Rinvio::Nessuno;
    if (r == Rinvio::NuovoGioco)
        ClicNuovoGioco();
    else if (r == Rinvio::Info)
        ClicInfo();
}

void frmCercanum::cmdNuovoGioco_Click()
{
    partita.Reimposta();
    lblPunteggio1[0]->ImpostaTesto({});
    lblPunteggio[0]->ImpostaTesto({});
    lblInfoTemp->hide();
    imgIndice->hide();
    lblPuntiRealizzati->ImpostaTesto({});
    imgBuco->hide();
    PensaAnim(false);
    ResetBall();
    const Intero giocatoriUscenti = Cercanum::NumGiocatori;
    ScaricaLabel();
    if (giocatoriUscenti == 2)
        ScaricaLabel1();
    servizi.dialoghi.MostraPresentazione(this);
    VerificaNumeroGiocatori();
    cmdNew->show();
    Lampeggia(cmdNew);
    cmdNew->setFocus();
}

void frmCercanum::VerificaFineGioco()
{
    rinvio = Rinvio::Nessuno; // the question below offers the new game itself
    lblMessaggio->ImpostaTesto(Testi::GiocoFinito);
    if (Cercanum::NumGiocatori == 2) {
        imgbimbo[1]->show();
        imgbimbo[0]->show();
    }
    cmdNew->hide();
    txtInput->clear();
    txtInput->setEnabled(false);
    const Messaggi::Risposta scelta = servizi.messaggi.Mostra(
        this, Testi::FineDelGioco, Testi::Titolo, Messaggi::Icona::Domanda, Messaggi::Pulsanti::SiNo);
    if (scelta != Messaggi::Risposta::Si) {
        servizi.terminazione.TerminaSubito();
        return;
    }
    ResetBall();
    cmdNuovoGioco_Click();
    cmdNew->show();
    txtInput->setEnabled(true);
    cmdNew->setFocus();
}

void frmCercanum::cmdChiudi_Click()
{
    servizi.terminazione.TerminaSubito();
}

void frmCercanum::closeEvent(QCloseEvent *evento)
{
    // The title bar's close box ends the game as the close button does.
    evento->ignore();
    servizi.terminazione.TerminaSubito();
}

void frmCercanum::cmdInfo_Click()
{
    servizi.dialoghi.MostraInformazioni(this);
    if (cmdNew->isVisible())
        cmdNew->setFocus();
    else if (txtInput->isVisible())
        txtInput->setFocus();
}

void frmCercanum::chkNoSound_Click()
{
    Cercanum::SuonoAttivo = true;
    if (chkNoSound->isChecked())
        Cercanum::SuonoAttivo = false;
    txtInput->setFocus(); // a disabled box keeps the focus where it was
}

// ---------------------------------------------------------------------------------------------
// Ball track

void frmCercanum::CaricaBall()
{
    const Intero h = ArrotondaPari(shpBall[0]->width() / 2.0);
    const QLine filo = linBall->Estremi();
    shpBall[0]->move(filo.x2(), filo.y2() - h);
    lblBall[0]->move(lblBall[0]->x(), shpBall[0]->y() + 4);
    for (int i = 1; i < Partita::RisposteMassime; ++i) {
        Forma *palla = shpBall[0]->Copia();
        palla->setObjectName(QStringLiteral("shpBall(%1)").arg(i));
        palla->move(palla->x(), filo.y2() - h);
        shpBall.push_back(palla);
        Etichetta *didascalia = lblBall[0]->Copia();
        didascalia->setObjectName(QStringLiteral("lblBall(%1)").arg(i));
        didascalia->move(didascalia->x(), palla->y() + 4);
        lblBall.push_back(didascalia);
    }
}

void frmCercanum::AppendBall(Intero n, Intero risposta)
{
    const int k = n - 1;
    if (k < 0 || k >= static_cast<int>(shpBall.size()))
        return;
    animazioneInCorso = true;
    lblNumRisp[0]->ImpostaTesto(Numero(n));
    lblNumRisp[1]->ImpostaTesto(Numero(Partita::RisposteMassime - n));

    QColor colore = Colore(D::Colore::Blu);
    if (risposta > partita.NumSegreto) {
        colore = Colore(D::Colore::RossoScuro);
        SmileAnim(true);
    } else if (risposta < partita.NumSegreto) {
        colore = Colore(D::Colore::VerdeScuro);
        SmileAnim(true);
    }

    Forma *palla = shpBall[k];
    palla->ImpostaRiempimento(colore);
    palla->show();
    palla->raise();
    linBall->lower();

    const QLine filo = linBall->Estremi();
    const int arrivo = k == 0 ? filo.x1() : shpBall[k - 1]->width() + shpBall[k - 1]->x() + 1;
    Scivolata(servizi.orologio).Esegui(palla, filo.x2(), arrivo);

    Etichetta *didascalia = lblBall[k];
    didascalia->move(palla->x() + 2, didascalia->y());
    didascalia->show();
    didascalia->raise();
    didascalia->ImpostaTesto(Numero(risposta));
    SmileAnim(false);
    animazioneInCorso = false;
}

void frmCercanum::ResetBall()
{
    lblNumRisp[0]->ImpostaTesto({});
    lblNumRisp[1]->ImpostaTesto({});
    for (std::size_t i = 0; i < shpBall.size(); ++i) {
        shpBall[i]->hide();
        lblBall[i]->hide();
    }
}

void frmCercanum::SmileAnim(bool on)
{
    imgSmileForm[0]->setVisible(!on);
    imgSmileForm[3]->setVisible(!on);
    imgSmileForm[2]->setVisible(on);
    imgSmileForm[1]->setVisible(on);
}

// ---------------------------------------------------------------------------------------------
// Score board

namespace {

// Builds columns 1..14 of a row as copies of column 0, each overlapping its left neighbour by
// one pixel so that the borders coincide.
void CostruisciColonne(std::vector<Etichetta *> &numeri, std::vector<Etichetta *> &punteggi,
                       const QString &nomeNumeri, const QString &nomePunteggi)
{
    for (int i = 1; i < Partita::NumeriPerGioco; ++i) {
        Etichetta *numero = numeri[0]->Copia();
        numero->setObjectName(QStringLiteral("%1(%2)").arg(nomeNumeri).arg(i));
        numero->move(numeri[i - 1]->width() + numeri[i - 1]->x() - 1, numero->y());
        numero->ImpostaTesto(QString::number(i + 1));
        Etichetta *punteggio = punteggi[0]->Copia();
        punteggio->setObjectName(QStringLiteral("%1(%2)").arg(nomePunteggi).arg(i));
        punteggio->move(punteggi[i - 1]->width() + punteggi[i - 1]->x() - 1, punteggio->y());
        numeri.push_back(numero);
        punteggi.push_back(punteggio);
        punteggio->show();
        numero->show();
    }
}

void DistruggiColonne(std::vector<Etichetta *> &numeri, std::vector<Etichetta *> &punteggi)
{
    for (std::size_t i = 1; i < numeri.size(); ++i) {
        delete numeri[i];
        delete punteggi[i];
    }
    numeri.resize(1);
    punteggi.resize(1);
}

} // namespace

void frmCercanum::CaricaLabel()
{
    lblNumGioco[0]->show();
    lblPunteggio[0]->show();
    imgbimbo[0]->show();
    imgbimbo[0]->move(lblNumGioco[0]->x() - imgbimbo[0]->width() - 20, lblNumGioco[0]->y());
    if (lblNumGioco.size() == 1)
        CostruisciColonne(lblNumGioco, lblPunteggio, QStringLiteral("lblNumGioco"), QStringLiteral("lblPunteggio"));
    MostraTotale(0, *lblNumGioco.back(), *lblPunteggio.back());
}

void frmCercanum::CaricaLabel1()
{
    lblNumGioco1[0]->show();
    lblPunteggio1[0]->show();
    lblNome[0]->move(lblNumGioco[0]->x() - lblNome[0]->width() - 3, lblNome[0]->y());
    lblNome[1]->move(lblNome[0]->x(), lblNome[1]->y());
    imgbimbo[0]->move(lblNome[0]->x() - imgbimbo[0]->width() - 5, imgbimbo[0]->y());
    imgbimbo[1]->show();
    imgbimbo[1]->move(imgbimbo[0]->x(), lblNumGioco1[0]->y());
    lblNome[0]->show();
    lblNome[1]->show();
    if (lblNumGioco1.size() == 1)
        CostruisciColonne(lblNumGioco1, lblPunteggio1, QStringLiteral("lblNumGioco1"), QStringLiteral("lblPunteggio1"));
    MostraTotale(1, *lblNumGioco1.back(), *lblPunteggio1.back());
}

// The heading, the total and the judgement picture to the right of a row's last column.
void frmCercanum::MostraTotale(int riga, const Etichetta &numero, const Etichetta &punteggio)
{
    lblEtic[riga]->move(numero.width() + numero.x() - 1, numero.y());
    lblPunti[riga]->move(lblEtic[riga]->x(), punteggio.y());
    imgPunteggio[riga]->move(lblPunti[riga]->width() + lblPunti[riga]->x() + 5, lblEtic[riga]->y());
    imgPunteggio[riga]->show();
    lblPunti[riga]->show();
    lblEtic[riga]->show();
}

void frmCercanum::ScaricaLabel()
{
    lblNumGioco[0]->hide();
    lblPunteggio[0]->hide();
    imgbimbo[0]->hide();
    DistruggiColonne(lblNumGioco, lblPunteggio);
    lblPunti[0]->hide();
    lblEtic[0]->hide();
    lblPunti[0]->ImpostaTesto({});
    imgPunteggio[0]->ImpostaFigura({});
    imgPunteggio[0]->hide();
}

void frmCercanum::ScaricaLabel1()
{
    lblNumGioco1[0]->hide();
    lblPunteggio1[0]->hide();
    imgbimbo[1]->hide();
    imgbimbo[1]->move(imgbimbo[0]->x(), lblNumGioco1[0]->y());
    lblNome[0]->hide();
    lblNome[1]->hide();
    DistruggiColonne(lblNumGioco1, lblPunteggio1);
    lblPunti[1]->hide();
    imgPunteggio[1]->ImpostaFigura({});
    imgPunteggio[1]->hide();
    lblEtic[1]->hide();
    lblPunti[1]->ImpostaTesto({});
}

Intero frmCercanum::CalcolaPunteggio(int colonna, const Risultato &r)
{
    std::vector<Etichetta *> &celle = colonna == 0 ? lblPunteggio : lblPunteggio1;
    // A cell that is not there is skipped, as every failure here always was.
    if (r.cella >= 0 && r.cella < static_cast<int>(celle.size()))
        celle[r.cella]->ImpostaTesto(Numero(r.punteggio));
    std::vector<std::string> testi;
    testi.reserve(celle.size());
    for (const Etichetta *cella : celle)
        testi.push_back(cella->Testo().toStdString());
    const Intero media = Punteggio::Media(testi);
    lblPuntiRealizzati->ImpostaTesto(Numero(r.punteggio) + Testi::Acapo + Testi::Punti);
    imgBuco->show();
    MostraGiudizio(media);
    return media;
}

// ---------------------------------------------------------------------------------------------
// Feedback

void frmCercanum::PensaAnim(bool on)
{
    if (on)
        Timer1.start();
    else
        Timer1.stop();
    imgPensa->setVisible(on);
    imgIngranaggio[0]->setVisible(on);
    imgIngranaggio[1]->hide();
    lblAnimazNumeri->setVisible(on);
}

void frmCercanum::Timer1_Timer()
{
    lblAnimazNumeri->ImpostaTesto(Numero(Partita::NumeroCasuale(servizi.caso.Estrai(), partita.NumMax)));
    if (lblNumRisp[0]->Testo().isEmpty() && txtInput->text().isEmpty() && !animazioneInCorso
        && Cercanum::SuonoAttivo)
        Cercanum::SuonaWav(107);
    // The sound let events run: a finished number or a new game may have stopped the animation.
    if (!Timer1.isActive())
        return;
    imgIngranaggio[ingranaggioAlterno ? 0 : 1]->show();
    imgIngranaggio[ingranaggioAlterno ? 1 : 0]->hide();
    ingranaggioAlterno = !ingranaggioAlterno;
}

void frmCercanum::MostraSmile(Intero v)
{
    for (Immagine *faccia : imgSmile)
        faccia->hide();
    if (v >= 0 && v <= Partita::RisposteMassime) {
        imgSmile[v / 3]->show();
    } else if (v == 50) {
        if (Cercanum::SuonoAttivo)
            Cercanum::SuonaWav(105);
        imgSmile[7]->show();
        PensaAnim(false);
    } else if (v == 100) {
        imgSmile[8]->show();
        PensaAnim(false);
    }
}

void frmCercanum::Lampeggia(QWidget *bersaglio)
{
    const QColor c = ColoreSfondo(bersaglio);
    repaint();
    for (int passo = 1; passo <= Tempi::PassiLampo; ++passo) {
        ImpostaColoreSfondo(bersaglio, passo % 2 == 1 ? c : Colore(D::Colore::Lampo));
        bersaglio->repaint();
        servizi.orologio.Attendi(Tempi::Lampo);
    }
    ImpostaColoreSfondo(bersaglio, c);
}

// ---------------------------------------------------------------------------------------------
// Painting and pictures

void frmCercanum::DisegnaForm()
{
    sfondo = QPixmap(size());
    sfondo.fill(Colore(D::Colore::Argento));
    const QPixmap tessera = imgsfondo->Figura();
    if (!tessera.isNull()) {
        const QSize lato = tessera.deviceIndependentSize().toSize();
        const QSize esterno = frameGeometry().size().expandedTo(size());
        QPainter p(&sfondo);
        for (int x = 0; x <= esterno.width(); x += lato.width())
            for (int y = 0; y <= esterno.height(); y += lato.height())
                p.drawPixmap(x, y, tessera);
    }
    update();
}

void frmCercanum::MostraGiudizio(Intero punteggio)
{
    int fascia = 5;
    if (punteggio >= 90)
        fascia = 0;
    else if (punteggio >= 80)
        fascia = 1;
    else if (punteggio >= 65)
        fascia = 2;
    else if (punteggio >= 50)
        fascia = 3;
    else if (punteggio >= 20)
        fascia = 4;
    const int posto = (Cercanum::NumGiocatori == 2 && !partita.TurnoPrimo) ? 1 : 0;
    imgPunteggio[posto]->ImpostaFigura(imgGiudizio[fascia]->Figura());
}

void frmCercanum::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (sfondo.isNull())
        p.fillRect(rect(), Colore(D::Colore::Argento));
    else
        p.drawPixmap(0, 0, sfondo);
}

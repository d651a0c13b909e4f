// SPDX-License-Identifier: MIT
#include "frmpresent.h"

#include "barraapplicazioni.h"
#include "caratteri.h"
#include "casellanome.h"
#include "cursoremano.h"
#include "disposizionepresent.h"
#include "etichettanitida.h"
#include "figure.h"
#include "immagini.h"
#include "nomefisso.h"
#include "pulsante.h"
#include "suoni.h"
#include "tavolozza.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

#include <string>

namespace D = DisposizionePresent;

namespace {

const QString Titolo = QStringLiteral("Cercanum ");
const QString Domanda = QStringLiteral("Vuoi giocare da solo o con un'altro amico?");
const QString UnGiocatore = QStringLiteral("1 giocatore");
const QString DueGiocatori = QStringLiteral("2 giocatori");
const QString TitoloNomi = QStringLiteral("Scrivi i nomi dei due giocatori");
const QString NomeDelGiocatore[2] = {QStringLiteral("Nome del giocatore 1"), QStringLiteral("Nome del giocatore 2")};
const QString Ok = QStringLiteral("&OK");
const char *const NomiPredefiniti[2] = {"Rosso", "Verde"};

// Labels never interpret markup: a name or text is shown as typed.
QLabel *NuovaEtichetta(QWidget *padre, const QString &nome, const QString &testo = {})
{
    auto *l = new EtichettaNitida(testo, padre);
    l->setObjectName(nome);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

frmPresent::frmPresent(QWidget *padre, const Partita::Nomi &nomi, Suoni &s)
    : QDialog(padre, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , suoni(s)
{
    setObjectName(QStringLiteral("frmPresent"));
    setWindowTitle(Titolo);
    setWindowIcon(QIcon()); // a tool window shows no icon, not even the game's
    BarraApplicazioni::Escludi(this);
    setFont(Caratteri::Font(D::Font::Finestra));
    Tavolozza::Imposta(this, QPalette::Window, Tavolozza::Colore(Colore::Crema));
    setAutoFillBackground(true);

    // Pictures and labels first, so that the windowed controls stack above them and the
    // focus chain is: option group, name boxes, OK.
    Label2 = NuovaEtichetta(this, QStringLiteral("Label2"), Domanda);
    Label2->setFont(Caratteri::Font(D::Font::Label2));
    Colloca(Label2, D::Label2);
    Image1 = NuovaEtichetta(this, QStringLiteral("Image1"));
    Colloca(Image1, D::Image1);
    Image2 = NuovaEtichetta(this, QStringLiteral("Image2"));
    Colloca(Image2, D::Image2);
    Image3 = NuovaEtichetta(this, QStringLiteral("Image3"));
    Colloca(Image3, D::Image3);

    for (int i = 0; i < 2; ++i) {
        optNumGiocatori[i] = new QRadioButton(i == 0 ? UnGiocatore : DueGiocatori, this);
        optNumGiocatori[i]->setObjectName(QStringLiteral("optNumGiocatori%1").arg(i));
        Colloca(optNumGiocatori[i], D::optNumGiocatori[i]);
        optNumGiocatori[i]->setChecked(i == 0); // the loading step applies this choice itself
        // Only a button becoming selected counts: clicking the selected one again must not
        // raise the window once more.
        connect(optNumGiocatori[i], &QRadioButton::toggled, this, [this, i](bool scelto) {
            if (scelto)
                optNumGiocatori_Click(i);
        });
        optNumGiocatori[i]->installEventFilter(this);
    }

    Frame1 = new QGroupBox(TitoloNomi, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    // Fusion puts the title above the box, whose top line then crosses the first row; the
    // classic look has the title on the line, clear of the controls below it.
    if (QStyle *classico = QStyleFactory::create(QStringLiteral("Windows"))) {
        classico->setParent(Frame1);
        Frame1->setStyle(classico);
    }
    Colloca(Frame1, D::Frame1);
    for (int i = 0; i < 2; ++i) {
        imgNome[i] = NuovaEtichetta(Frame1, QStringLiteral("imgNome%1").arg(i));
        imgNome[i]->setScaledContents(true);
        Colloca(imgNome[i], D::imgNome[i]);
        Label1[i] = NuovaEtichetta(Frame1, QStringLiteral("Label1%1").arg(i), NomeDelGiocatore[i]);
        Label1[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Tavolozza::Imposta(Label1[i], QPalette::WindowText, Tavolozza::Colore(i == 0 ? Colore::Rosso : Colore::Verde));
        Colloca(Label1[i], D::Label1[i]);
    }
    for (int i = 0; i < 2; ++i) {
        txtGiocatori[i] = new CasellaNome(Frame1);
        txtGiocatori[i]->setObjectName(QStringLiteral("txtGiocatori%1").arg(i));
        Colloca(txtGiocatori[i], D::txtGiocatori[i]);
    }

    cmdOk = new Pulsante(this);
    cmdOk->setText(Ok);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->ImpostaSfondo(Tavolozza::Colore(Colore::Crema));
    cmdOk->ImpostaPredefinito();
    Colloca(cmdOk, D::cmdOk);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    Form_Load(nomi);
}

void frmPresent::Colloca(QWidget *w, Twips::Rett r)
{
    w->setGeometry(Twips::Px(r));
}

void frmPresent::ImpostaAltezza(int twips)
{
    setFixedSize(Twips::Px(D::LarghezzaClient), Twips::Px(twips - D::Cornice));
}

void frmPresent::Form_Load(const Partita::Nomi &nomi)
{
    const QCursor mano = CursoreMano();
    optNumGiocatori[0]->setCursor(mano);
    optNumGiocatori[1]->setCursor(mano);
    cmdOk->setCursor(mano);

    for (int i = 0; i < 2; ++i)
        if (!nomi[i].empty())
            txtGiocatori[i]->setText(QString::fromStdString(nomi[i]));

    optNumGiocatori_Click(0);
    scelta = {1, nomi};

    const QPixmap rosso = Immagini::Carica(Figure::Bimbo[0]);
    const QPixmap verde = Immagini::Carica(Figure::Bimbo[1]);
    Image1->setPixmap(rosso);
    Image2->setPixmap(rosso);
    Image3->setPixmap(verde);
    imgNome[0]->setPixmap(rosso);
    imgNome[1]->setPixmap(verde);

    suoni.Suona(Effetto::Benvenuto);
}

void frmPresent::optNumGiocatori_Click(int indice)
{
    if (indice == 0) {
        Frame1->hide();
        ImpostaAltezza(D::AltezzaUnGiocatore);
        cmdOk->move(cmdOk->x(), Twips::Px(D::cmdOkTopUnGiocatore));
        return;
    }
    move(pos() - QPoint(0, Twips::Px(D::Salita)));
    ImpostaAltezza(D::AltezzaDueGiocatori);
    RestaNelloSchermo();
    Frame1->show();
    txtGiocatori[0]->setFocus();
    cmdOk->move(cmdOk->x(), Twips::Px(D::cmdOkTopDueGiocatori));
}

// However often two players are chosen, the window must stay where its title bar and its
// buttons can be reached.
void frmPresent::RestaNelloSchermo()
{
    const QScreen *schermo = screen();
    if (!schermo)
        return;
    const QRect disponibile = schermo->availableGeometry();
    const QRect cornice = frameGeometry();
    QPoint spostamento;
    if (cornice.bottom() > disponibile.bottom())
        spostamento.ry() = disponibile.bottom() - cornice.bottom();
    if (cornice.top() + spostamento.y() < disponibile.top())
        spostamento.ry() = disponibile.top() - cornice.top();
    move(pos() + spostamento);
}

void frmPresent::Form_Unload()
{
    if (!optNumGiocatori[1]->isChecked())
        return;
    const std::string testo[2] = {txtGiocatori[0]->text().toStdString(), txtGiocatori[1]->text().toStdString()};
    // A name of blanks only would show as nothing everywhere: it counts as no name.
    const bool entrambi = !NomeFisso::Rifila(testo[0]).empty() && !NomeFisso::Rifila(testo[1]).empty();
    for (int i = 0; i < 2; ++i)
        scelta.NomeGiocatore[i] = NomeFisso::Adatta(entrambi ? NomeFisso::Iniziali(NomeFisso::Rifila(testo[i]))
                                                             : std::string(NomiPredefiniti[i]));
    scelta.NumGiocatori = 2;
}

void frmPresent::done(int esito)
{
    if (!scaricato) {
        scaricato = true;
        Form_Unload();
    }
    QDialog::done(esito);
}

void frmPresent::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape)
        return; // no cancel button
    QDialog::keyPressEvent(evento);
}

bool frmPresent::eventFilter(QObject *oggetto, QEvent *evento)
{
    // Any arrow moves to the other option and chooses it, as in a Windows group. Qt's own arrows
    // would only go left and right, and would take the focus back from the name box that
    // choosing two players has just given it.
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(oggetto, evento);
    switch (static_cast<QKeyEvent *>(evento)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        for (int i = 0; i < 2; ++i)
            if (oggetto == optNumGiocatori[i]) {
                optNumGiocatori[1 - i]->setFocus(Qt::OtherFocusReason);
                optNumGiocatori[1 - i]->click();
                return true;
            }
        break;
    default: break;
    }
    return QDialog::eventFilter(oggetto, evento);
}

void frmPresent::paintEvent(QPaintEvent *evento)
{
    QDialog::paintEvent(evento);
    // Shape1 lies under every control, as a drawn outline does.
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(Twips::Px(D::Shape1).adjusted(0, 0, -1, -1));
}

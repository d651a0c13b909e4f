// SPDX-License-Identifier: MIT
#include "frmabout.h"

#include "barraapplicazioni.h"
#include "caratteri.h"
#include "cursoremano.h"
#include "disposizioneabout.h"
#include "etichettanitida.h"
#include "figure.h"
#include "immagini.h"
#include "pulsante.h"
#include "tavolozza.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QSysInfo>
#include <QUrl>

namespace D = DisposizioneAbout;

const QString frmAbout::IndirizzoEmail = QStringLiteral("cercanum@example.org");

namespace {

const QString Titolo = QStringLiteral("Informazioni ");
const QString Nome = QStringLiteral("CERCANUM");
const QString Versione = QStringLiteral("Versione");
const QString Avviso1 = QStringLiteral("Programma gratuito per scuole e famiglie");
const QString Avviso2 = QStringLiteral("Puoi copiarlo e regalarlo liberamente.");
const QString SuggerimentoEmail = QStringLiteral("e-mail");
const QString SuggerimentoGuida = QStringLiteral("Guida all'uso del programma.");
const QString Gioca = QStringLiteral("&Gioca");
const QString SuggerimentoGioca = QStringLiteral("Inizia il gioco");
const QString Chiudi = QStringLiteral("&Chiudi");
const QString SuggerimentoChiudi = QStringLiteral("Esci");
const QString Acapo = QStringLiteral("\r\n");

// The word size and the system this copy was built for.
QString Piattaforma()
{
#if defined(Q_OS_LINUX)
    const QString sistema = QStringLiteral("Linux");
#else
    const QString sistema = QSysInfo::kernelType();
#endif
    return QStringLiteral("Applicazione a %1 bit per %2").arg(QT_POINTER_SIZE * 8).arg(sistema);
}

QLabel *NuovaEtichetta(QWidget *padre, const QString &nome, D::Rett r, const QString &testo = {},
                       Qt::Alignment allineamento = Qt::AlignHCenter | Qt::AlignTop)
{
    auto *l = new EtichettaNitida(testo, padre);
    l->setObjectName(nome);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(allineamento);
    l->setGeometry(Twips::Px(r));
    return l;
}

} // namespace

frmAbout::frmAbout(QWidget *padre, bool avvio)
    : QDialog(padre, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(Titolo);
    setWindowIcon(QIcon()); // a tool window shows no icon, not even the game's
    BarraApplicazioni::Escludi(this);
    setFixedSize(Twips::Px(D::LarghezzaClient), Twips::Px(D::AltezzaClient));
    setFont(Caratteri::Font(D::Font::Finestra));
    Tavolozza::Imposta(this, QPalette::Window, Tavolozza::Colore(Colore::Crema));
    setAutoFillBackground(true);

    // Windowless controls first: Text1, when shown, must cover them.
    Label1 = NuovaEtichetta(this, QStringLiteral("Label1"), D::Label1, Nome);
    Label1->setFont(Caratteri::Font(D::Font::Label1, true));
    lblVersione = NuovaEtichetta(this, QStringLiteral("lblVersione"), D::lblVersione, Versione);
    lblVersione->setFont(Caratteri::Font(D::Font::lblVersione, true));
    Tavolozza::Imposta(lblVersione, QPalette::Window, Tavolozza::Colore(Colore::Blu));
    Tavolozza::Imposta(lblVersione, QPalette::WindowText, palette().color(QPalette::HighlightedText));
    lblVersione->setAutoFillBackground(true);
    Image1 = NuovaEtichetta(this, QStringLiteral("Image1"), D::Image1, {}, Qt::AlignLeft | Qt::AlignTop);
    lblEmail = NuovaEtichetta(this, QStringLiteral("lblEmail"), D::lblEmail, IndirizzoEmail);
    lblEmail->setFont(Caratteri::Font(D::Font::lblEmail, true, true));
    Tavolozza::Imposta(lblEmail, QPalette::WindowText, Tavolozza::Colore(Colore::Blu));
    lblEmail->setToolTip(SuggerimentoEmail);
    lblEmail->installEventFilter(this);
    Image2 = NuovaEtichetta(this, QStringLiteral("Image2"), D::Image2, {}, Qt::AlignLeft | Qt::AlignTop);
    Image2->setPixmap(Immagini::Carica(Figure::Busta));
    Label3 = NuovaEtichetta(this, QStringLiteral("Label3"), D::Label3, Avviso1);
    Label3->setFont(Caratteri::Font(D::Font::Finestra, true));
    Label4 = NuovaEtichetta(this, QStringLiteral("Label4"), D::Label4, Avviso2);
    Label5 = NuovaEtichetta(this, QStringLiteral("Label5"), D::Label5, Piattaforma(), Qt::AlignLeft | Qt::AlignTop);

    // Windowed controls in keyboard order, so that Command1 has the focus at opening.
    Command1 = new Pulsante(this);
    Command1->setText(Chiudi);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::Px(D::Command1));
    Command1->ImpostaSfondo(Tavolozza::Colore(Colore::Crema));
    Command1->ImpostaPredefinito();
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    Check1 = new Pulsante(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(Twips::Px(D::Check1));
    Check1->setFont(Caratteri::Font(D::Font::Check1));
    Check1->setCheckable(true);
    // Enter belongs to Command1 even while the help button has the focus.
    Check1->setAutoDefault(false);
    Check1->ImpostaFigura(Immagini::Carica(Figure::Libro));
    Check1->setToolTip(SuggerimentoGuida);
    Check1->ImpostaSfondo(Tavolozza::Colore(Colore::Crema));
    connect(Check1, &QPushButton::toggled, this, &frmAbout::Check1_Click);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(Twips::Px(D::Text1));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WordWrap);
    Text1->hide();

    Form_Load(avvio);
}

void frmAbout::Form_Load(bool avvio)
{
    Image1->setPixmap(Immagini::Carica(Figure::Icona));

    const QCursor mano = CursoreMano();
    lblEmail->setCursor(mano);
    Command1->setCursor(mano);
    Check1->setCursor(mano);

    lblVersione->setText(QStringLiteral("%1 %2.%3.%4")
                             .arg(Versione)
                             .arg(CERCANUM_VERSIONE_MAGGIORE)
                             .arg(CERCANUM_VERSIONE_MINORE)
                             .arg(CERCANUM_VERSIONE_REVISIONE));

    Command1->setText(avvio ? Gioca : Chiudi);
    Command1->setToolTip(avvio ? SuggerimentoGioca : SuggerimentoChiudi);
}

void frmAbout::Check1_Click()
{
    if (Check1->isChecked()) {
        Text1->show();
        Info();
    } else {
        Text1->hide();
    }
    Command1->setFocus();
}

void frmAbout::Command1_Click()
{
    accept();
}

void frmAbout::lblEmail_Click()
{
    // Nothing to say if no mail program takes the link: the window stays as it is.
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + IndirizzoEmail));
}

void frmAbout::Info()
{
    const QStringList righe{
        QStringLiteral("CERCANUM"),
        QStringLiteral("Cercanum è un semplice programma adatto ai bambini che frequentano le classi "
                       "intermedie delle scuole elementari."),
        QStringLiteral("Lo scopo del gioco è quello di scoprire, nel minor numero di tentativi possibili, "
                       "i 15 numeri casuali generati del computer.")
            + QStringLiteral(" L 'intervallo proposto per i numeri da indovinare viene aumentato "
                             "gradatamente, in modo da aumentare anche la difficoltà del gioco stesso, ")
            + QStringLiteral("e va da minimo di 0 a 10 ad un massimo di 0 a 100."),
        QStringLiteral("Per ogni numero indovinato viene assegnato un punteggio che tiene conto sia delle "
                       "risposte date e sia dell'intervallo numerico proposto."),
        QStringLiteral("Il punteggio max realizzabile è di 100 punti, il minimo, invece, è di 0 punti."),
        QStringLiteral("Il punteggio finale rappresenta la media dei punteggi ottenuti in ogni singolo gioco."),
        QStringLiteral("Con Cercanum è possibile giocare da soli oppure in due sfidando un'amico."),
        QStringLiteral("Allora cosa aspetti? Inizia il gioco, leggi sempre attentamente le istruzioni e i "
                       "suggerimenti che saranno visualizzati e prova a vedere se hai il ")
            + QStringLiteral("\"pallino\" della matematica!"),
    };
    testoText1 = righe.join(Acapo);
    Text1->setPlainText(testoText1);
}

bool frmAbout::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == lblEmail && evento->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(evento);
        if (mouse->button() == Qt::LeftButton && lblEmail->rect().contains(mouse->position().toPoint())) {
            lblEmail_Click();
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void frmAbout::paintEvent(QPaintEvent *evento)
{
    QDialog::paintEvent(evento);
    // The separators lie under every control, as drawn lines do.
    QPainter p(this);
    for (const D::Incisione &linea : D::Line1) {
        p.setPen(Tavolozza::Colore(linea.colore));
        p.drawLine(Twips::Px(linea.x1), Twips::Px(linea.y), Twips::Px(linea.x2), Twips::Px(linea.y));
    }
}

// SPDX-License-Identifier: MIT
// The game window with keyboard and mouse: where the focus goes and where it stays.
#include "banco.h"
#include "cerca.h"

#include <QCheckBox>
#include <QTest>

#include <vector>

using namespace Cerca;

namespace {

// The controls the focus visits, pressing `tasto` `volte` times.
QStringList Giro(QWidget &f, Qt::Key tasto, int volte)
{
    QStringList visti;
    for (int i = 0; i < volte; ++i) {
        QTest::keyClick(f.focusWidget(), tasto);
        visti.append(f.focusWidget() ? f.focusWidget()->objectName() : QStringLiteral("-"));
    }
    return visti;
}

} // namespace

class TestTastiera : public QObject
{
    Q_OBJECT
private slots:
    void tab_ordineTraUnNumeroEL_altro();
    void tab_ordineDuranteUnNumero();
    void clic_fuoriDaiControlliLasciaIlFuoco();
};

void TestTastiera::tab_ordineTraUnNumeroEL_altro()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    QCOMPARE(f.focusWidget(), P(f, QStringLiteral("cmdNew")));
    // The answer box is disabled between numbers, so Tab skips it.
    QCOMPARE(Giro(f, Qt::Key_Tab, 5), QStringList({"cmdChiudi", "cmdInfo", "cmdNuovoGioco", "chkNoSound", "cmdNew"}));
    QCOMPARE(Giro(f, Qt::Key_Backtab, 5),
             QStringList({"chkNoSound", "cmdNuovoGioco", "cmdInfo", "cmdChiudi", "cmdNew"}));
    QCOMPARE(b.terminazione.richieste, 0);
    QVERIFY(b.messaggi.mostrati.empty());
}

void TestTastiera::tab_ordineDuranteUnNumero()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 5);
    QLineEdit *casella = Casella(f);
    QTest::keyClicks(casella, QStringLiteral("4"));
    E(f, QStringLiteral("lblInfoTemp"))->hide(); // shown by the digit; Tab must not bring it back
    QCOMPARE(Giro(f, Qt::Key_Tab, 5), QStringList({"cmdChiudi", "cmdInfo", "cmdNuovoGioco", "chkNoSound", "txtInput"}));
    QCOMPARE(Giro(f, Qt::Key_Backtab, 2), QStringList({"chkNoSound", "cmdNuovoGioco"}));
    QCOMPARE(Giro(f, Qt::Key_Tab, 3), QStringList({"chkNoSound", "txtInput", "cmdChiudi"}));
    QCOMPARE(Giro(f, Qt::Key_Backtab, 1), QStringList({"txtInput"}));
    QCOMPARE(casella->text(), QStringLiteral("4")); // Tab is no character
    QVERIFY(!E(f, QStringLiteral("lblInfoTemp"))->isVisible());
    QCOMPARE(f.Stato().NumRisposte(), Intero(0));
    QVERIFY(b.messaggi.mostrati.empty());

    // Tab as the first key of a number shows no reminder either.
    Rispondi(f, QStringLiteral("5"));
    NuovoNumero(b, 5);
    QTest::keyClick(Casella(f), Qt::Key_Tab);
    QVERIFY(!E(f, QStringLiteral("lblInfoTemp"))->isVisible());
    QVERIFY(!I(f, QStringLiteral("imgIndice"))->isVisible());
}

void TestTastiera::clic_fuoriDaiControlliLasciaIlFuoco()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 5);
    QLineEdit *casella = Casella(f);
    QWidget *strato = E(f, QStringLiteral("lblMessaggio"))->parentWidget();
    const std::vector<std::pair<QWidget *, QPoint>> clic{
        {strato, QPoint(150, 300)},                             // the paper background
        {E(f, QStringLiteral("lblMessaggio")), QPoint(10, 10)}, // a label
        {I(f, QStringLiteral("imgPensa")), QPoint(16, 16)},     // a picture
        {E(f, QStringLiteral("lblNumGioco(3)")), QPoint(5, 5)}, // a cell of the board
        {&f, QPoint(300, 220)},                                 // the window itself
    };
    for (const auto &[dove, punto] : clic) {
        QTest::mouseClick(dove, Qt::LeftButton, {}, punto);
        QCOMPARE(f.focusWidget(), casella);
    }
    // So the digits typed next still land in the answer.
    QTest::keyClicks(f.focusWidget(), QStringLiteral("37"));
    QCOMPARE(casella->text(), QStringLiteral("37"));
}

QTEST_MAIN(TestTastiera)
#include "test_tastiera.moc"

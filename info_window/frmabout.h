// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class Pulsante;

// The information window: name, version, contact address and, on request, the rules.
// Loaded on construction; Command1, Enter, Esc and the close box all just close it.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // `avvio`: opened at start-up, when closing it starts the game.
    frmAbout(QWidget *padre, bool avvio);

    // The rules text exactly as last put into Text1 (CRLF line breaks included).
    QString TestoText1() const { return testoText1; }

    static const QString IndirizzoEmail;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;

private:
    void Form_Load(bool avvio);
    void Check1_Click();
    void Command1_Click();
    void lblEmail_Click();
    void Info();

    QLabel *Label1 = nullptr;
    QLabel *lblVersione = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lblEmail = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label4 = nullptr;
    Pulsante *Command1 = nullptr;
    Pulsante *Check1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QString testoText1;
};

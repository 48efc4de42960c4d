#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The error dialog of the record routines: the routine's name as the error
// type and the engine's message with the failed SQL text.
class Terror_form : public QDialog
{
    Q_OBJECT
public:
    explicit Terror_form(QWidget *parent = nullptr);

    static Terror_form *instance();

    // Fills the shared dialog and shows it modally ("\r\n" and "\r" as line breaks).
    static void showError(const QString &text, const QString &label);

    QLabel *MessageType;
    QPlainTextEdit *ErrorMsg;
    QPushButton *Tamam;
};

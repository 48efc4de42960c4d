#pragma once

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;

// The start-up reminder about overdue backups and maintenance. Whichever way it
// closes, its two check boxes are stored as the do-not-remind flags YE and BA.
class Tbakimyedekuyari : public QDialog
{
    Q_OBJECT
public:
    explicit Tbakimyedekuyari(QWidget *parent = nullptr);

    void setMessage(const QString &text);   // "\r\n" as line breaks
    QString message() const;
    void setFlags(bool ye, bool ba);

    void done(int result) override;

private:
    QPlainTextEdit *m_memo;
    QCheckBox *m_ye;
    QCheckBox *m_ba;
    QString m_text;
};

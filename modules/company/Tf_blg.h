#pragma once

#include <QDialog>
#include <QList>

class QLineEdit;
class TDATALAR;

// "Firma Bilgileri": the company's own particulars (one row of firmablg).
// "KAYDET" stores the boxes, "VAZGEÇ" brings back what is stored, "ÇIKIŞ" and
// F12 close; whatever was not stored is dropped on closing.
class Tf_blg : public QDialog
{
    Q_OBJECT
public:
    explicit Tf_blg(const QString &table, QWidget *parent = nullptr);

    // The main menu's entry: open the table, show the dialog modally, free it
    // and close the table.
    static void run(TDATALAR *modules, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void load();
    void save();

    QString m_table;
    QList<QLineEdit *> m_fields; // in the order of CompanyInfoTable::columns()
};

#pragma once

#include "app/CompanyList.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// Company and password management: create, change password, rename, delete,
// each page ending on the result page "SONN".
class Tkullanici_islemleri : public QDialog
{
    Q_OBJECT
public:
    enum class Page { Yeni_Kullanici, Sifre_Degistir, Degis, Sil };

    // selected: the row selected in the login window's list (ignored for creation).
    Tkullanici_islemleri(Page page, const CompanyRow &selected, QWidget *parent = nullptr);

    // What the login window calls: applies the one-company rule for creation,
    // shows the dialog modally on its page and frees it. Returns true when the
    // dialog was shown (the caller then reloads the list).
    static bool run(Page page, const CompanyRow &selected, QWidget *parent);

    // The result line shown on "SONN", as composed (line breaks as "\r\n").
    QString resultLine() const { return m_result; }

    // Removes one company file during deletion. The default honours the
    // page's choice (recycle bin or delete for good); an empty function
    // restores it. Lets a test make a removal fail.
    void setRemover(std::function<bool(const QString &file)> remover);

    // A company number is digits only and fits a signed 32-bit integer; the
    // code becomes part of file and table names, so nothing else may pass.
    static bool isCompanyNumber(const QString &text);

public Q_SLOTS:
    void done(int result) override;

protected:

private:
    QWidget *buildCreatePage();
    QWidget *buildPasswordPage();
    QWidget *buildRenamePage();
    QWidget *buildDeletePage();
    QWidget *buildResultPage();
    QPushButton *addButton(QLayout *row, const QString &caption);
    void addPageButtons(QBoxLayout *page, const QString &caption, void (Tkullanici_islemleri::*action)());

    void createCompany();
    void changePassword();
    void renameCompany();
    void deleteCompany();

    // Copies the template set under the company's names; on failure removes
    // what this attempt made and names the file in *failed.
    bool copyTemplateFiles(const QString &code, QStringList *created, QString *failed);
    void removeCreatedFiles(const QString &code, const QStringList &created, const QStringList &before);
    // Backs up and removes the listed files; false when one could not be removed.
    bool backUpAndRemove(const QString &backupDir);
    // Copies every backed-up file back; the files that could not be restored.
    QStringList restoreFromBackup(const QString &backupDir);
    bool removeFile(const QString &file) const;

    void setBusy(bool busy);
    void showResult(const QString &line);

    CompanyRow m_row;
    QString m_AKTIFKNO;
    QStringList m_files; // the delete page's list, full paths
    QString m_result;
    bool m_busy = false;
    std::function<bool(const QString &)> m_remover;


    QStackedWidget *m_pages = nullptr;
    QWidget *m_resultPage = nullptr;

    QLineEdit *m_sirketNo = nullptr;
    QLineEdit *m_sirketAdi = nullptr;
    QLineEdit *m_parola = nullptr;
    QLineEdit *m_hatirlatma = nullptr;
    QProgressBar *m_createProgress = nullptr;

    QLineEdit *m_eskiParola = nullptr;
    QLineEdit *m_yeniParola = nullptr;
    QLineEdit *m_parolaDogrula = nullptr;
    QLineEdit *m_sifreHatirlatma = nullptr;

    QLineEdit *m_yeniAd = nullptr;

    QListWidget *m_dosyaListesi = nullptr;
    QRadioButton *m_geriDonusum = nullptr;
    QRadioButton *m_tamamenSil = nullptr;
    QProgressBar *m_deleteProgress = nullptr;

    QLabel *m_resultLabel = nullptr;
};

#pragma once

#include <QDialog>

// The login window: opens the connection, creates the company list when
// missing, lists the companies and checks the chosen one's password.
class Tsifreyigirin : public QDialog
{
    Q_OBJECT
public:
    explicit Tsifreyigirin(QWidget *parent = nullptr);

    // Set when a company has been entered.
    bool klnc_SDR() const { return m_entered; }

private:
    bool m_entered = false;
};

#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QRadioButton;

// ".:: Fiyat Seçimi ::.": picks one of the four price columns FIYAT1..FIYAT4.
// Created once at start and kept; callers check the first choice, may replace
// the frame caption, show it and read the outcome.
class Tfiyatbelirle : public QDialog
{
    Q_OBJECT
public:
    explicit Tfiyatbelirle(QWidget *parent = nullptr);

    // The whole call as the reports make it: first choice checked, the frame
    // captioned (when a caption is given; "Fiyat Seçimi" is put back after),
    // shown modally. Returns 1 to 4 for FIYAT1..FIYAT4, or 0 when not confirmed.
    int choose(const QString &frameCaption = {});

    bool confirmed() const { return m_confirmed; }
    // 1 to 4: the checked radio button.
    int chosenColumn() const;
    void checkColumn(int column);

    QString frameCaption() const;
    void setFrameCaption(const QString &caption);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QGroupBox *m_frame;
    std::array<QRadioButton *, 4> m_choices{};
    bool m_confirmed = false;
};

#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Refuses characters as they are typed into a field. Only typed characters
// are checked: editing and navigation keys, shortcuts and paste pass, so a
// user can still paste any text (validation afterwards decides).
// Installed on the field and owned by it.
class CharFilter : public QObject
{
    Q_OBJECT
public:
    // The characters free-text fields refuse: ! " % ' * ; ^
    static QString freeTextRefused();

    // Drops the free-text characters silently.
    static CharFilter *freeText(QWidget *field);
    // Drops the given characters silently.
    static CharFilter *refusing(QWidget *field, const QString &refused);
    // Accepts only the digits 0-9; any other typed character beeps.
    static CharFilter *digitsOnly(QWidget *field);

    // Whether this text, typed, would reach the field.
    bool accepts(const QString &typed) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Mode { Refuse, DigitsOnly };
    CharFilter(Mode mode, const QString &refused, QWidget *field);

    Mode m_mode;
    QString m_refused;
};

#pragma once

#include "dialogs/Messages.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers the program's message dialogs in a test. Each expected message is
// matched by (part of) its text and answered with the given button; every
// message is recorded. A message nobody expected is answered with Cancel/No
// and reported by unexpected(), so a test fails instead of hanging.
// Installed for the object's lifetime.
class MessageScript
{
public:
    MessageScript();
    ~MessageScript();
    MessageScript(const MessageScript &) = delete;
    MessageScript &operator=(const MessageScript &) = delete;

    // Expect a message whose text contains textPart; answer it.
    MessageScript &expect(const QString &textPart, Msg::Button answer = Msg::Ok, const QString &inputText = {});

    const QList<Msg::Message> &recorded() const { return m_recorded; }
    QStringList texts() const;
    QStringList unexpected() const { return m_unexpected; }
    // Expected messages that never came.
    QStringList pending() const;

private:
    struct Expectation
    {
        QString textPart;
        Msg::Button answer;
        QString input;
    };
    Msg::Answer respond(const Msg::Message &m);

    QList<Expectation> m_expected;
    QList<Msg::Message> m_recorded;
    QStringList m_unexpected;
};

// Fails the current test when messages were unexpected or did not come.
#define VERIFY_MESSAGES(script)                                                       \
    do {                                                                              \
        QVERIFY2((script).unexpected().isEmpty(),                                     \
                 qPrintable(QStringLiteral("unexpected: ") + (script).unexpected().join(QStringLiteral(" | ")))); \
        QVERIFY2((script).pending().isEmpty(),                                        \
                 qPrintable(QStringLiteral("never shown: ") + (script).pending().join(QStringLiteral(" | "))));  \
    } while (false)

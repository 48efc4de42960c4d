#include "support/MessageScript.h"

MessageScript::MessageScript()
{
    Msg::setResponder([this](const Msg::Message &m) { return respond(m); });
}

MessageScript::~MessageScript()
{
    Msg::setResponder({});
}

MessageScript &MessageScript::expect(const QString &textPart, Msg::Button answer, const QString &inputText)
{
    m_expected.append({textPart, answer, inputText});
    return *this;
}

QStringList MessageScript::texts() const
{
    QStringList out;
    for (const auto &m : m_recorded)
        out << m.text;
    return out;
}

QStringList MessageScript::pending() const
{
    QStringList out;
    for (const auto &e : m_expected)
        out << e.textPart;
    return out;
}

Msg::Answer MessageScript::respond(const Msg::Message &m)
{
    m_recorded.append(m);
    for (qsizetype i = 0; i < m_expected.size(); ++i) {
        if (!m.text.contains(m_expected[i].textPart))
            continue;
        const Expectation e = m_expected.takeAt(i);
        return {e.answer, e.input};
    }
    m_unexpected << (m.caption + u": " + m.text);
    if (m.buttons & Msg::Cancel)
        return {Msg::Cancel, {}};
    if (m.buttons & Msg::No)
        return {Msg::No, {}};
    return {Msg::Ok, {}};
}

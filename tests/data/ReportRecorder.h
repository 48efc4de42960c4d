#pragma once

#include "data/DataReport.h"

#include <QList>
#include <QString>

// Records what the data layer reports, in place of the application's dialogs,
// for the lifetime of the object.
struct ReportRecorder
{
    struct Shown
    {
        QString label; // the error dialog's type label, or the error box's caption
        QString text;
    };

    ReportRecorder()
    {
        DataReport::setErrorDialog([this](const QString &text, const QString &label) { dialogs.append({label, text}); });
        DataReport::setErrorBox([this](const QString &caption, const QString &text) { boxes.append({caption, text}); });
    }
    ~ReportRecorder()
    {
        DataReport::setErrorDialog({});
        DataReport::setErrorBox({});
    }
    ReportRecorder(const ReportRecorder &) = delete;
    ReportRecorder &operator=(const ReportRecorder &) = delete;

    bool quiet() const { return dialogs.isEmpty() && boxes.isEmpty(); }
    void clear()
    {
        dialogs.clear();
        boxes.clear();
    }

    QList<Shown> dialogs;
    QList<Shown> boxes;
};

#include "platform/report/PageModel.h"

namespace Report {

const PageText *Page::text(const QString &name) const
{
    for (const PageText &t : texts) {
        if (t.name == name)
            return &t;
    }
    return nullptr;
}

QStringList Page::cells(int column) const
{
    QStringList out;
    for (const PageText &t : texts) {
        if (t.column == column && t.row >= 0 && t.name == QLatin1String("cell"))
            out.append(t.text);
    }
    return out;
}

} // namespace Report

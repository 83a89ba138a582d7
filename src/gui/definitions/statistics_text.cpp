#include "gui/definitions/statistics_text.h"

#include <QLocale>
#include <QStringList>

namespace quirvo {

QString statisticsText(const GridStatistics& st) {
    QStringList lengths;
    for (const auto& [length, count] : st.wordsByLength)
        lengths << QString("%1 da %2").arg(count).arg(length);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QStringList lines;
    lines << QString("Parole: %1").arg(st.words) + (lengths.isEmpty() ? "" : " (" + lengths.join(", ") + " lettere)");
    lines << QString("Caselle nere: %1 su %2 (%3%)")
                 .arg(st.blackCells)
                 .arg(st.cells)
                 .arg(italian.toString(st.blackShare() * 100, 'f', 1));
    lines << QString("Caselle non incrociate: %1").arg(st.uncrossedCells);
    lines << QString("Definizioni scritte: %1 su %2").arg(st.definedWords).arg(st.words);
    return lines.join('\n');
}

}  // namespace quirvo

#include "ui/FontSubstitutions.h"

#include <QFont>
#include <QStringList>

using namespace Qt::StringLiterals;

void installFontSubstitutions()
{
    // Metric-compatible faces from fonts-liberation first, then the nearest
    // faces from fonts-dejavu-core.
    QFont::insertSubstitutions(u"Arial"_s, {u"Liberation Sans"_s, u"DejaVu Sans"_s});
    QFont::insertSubstitutions(u"Times New Roman"_s, {u"Liberation Serif"_s, u"DejaVu Serif"_s});
    // A plain sans close to Arial in width, so that short captions still fit.
    QFont::insertSubstitutions(u"MS Sans Serif"_s, {u"Liberation Sans"_s, u"DejaVu Sans"_s});
    // A broad, heavy sans; the clock asks for it bold.
    QFont::insertSubstitutions(u"Arial Black"_s, {u"DejaVu Sans"_s, u"Liberation Sans"_s});
}

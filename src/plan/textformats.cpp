#include "plan/textformats.h"

#include <QFont>
#include <QStringList>

namespace TextFormats {

QTextCharFormat family(const QString &family)
{
    QTextCharFormat format;
    format.setFontFamily(family);
    format.setFontFamilies(QStringList{family});
    return format;
}

QTextCharFormat pointSize(double size)
{
    QTextCharFormat format;
    format.setFontPointSize(size);
    return format;
}

QTextCharFormat bold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    return format;
}

QTextCharFormat italic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    return format;
}

QTextCharFormat underline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    return format;
}

} // namespace TextFormats

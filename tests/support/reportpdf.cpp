#include "reportpdf.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <cstdlib>

namespace ReportPdf {

namespace {

// Runs one of poppler's tools and returns what it printed; a tool that cannot run or fails
// fails the running test.
QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QTest::qFail(qPrintable(QStringLiteral("%1 %2 failed: %3").arg(program, arguments.join(QLatin1Char(' ')),
                                                                          QString::fromLocal8Bit(process.readAllStandardError()))),
                     __FILE__, __LINE__);
        return QByteArray();
    }
    return process.readAllStandardOutput();
}

} // namespace

bool write(const QString &path, const QVector<PrintPage> &pages)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(96);
    QPainter painter;
    if (!painter.begin(&writer)) {
        QTest::qFail(qPrintable(QStringLiteral("cannot write %1").arg(path)), __FILE__, __LINE__);
        return false;
    }
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        const QPicture picture = pages.at(i).toPicture(0);
        // A picture replays scaled by the target's resolution over its own; undo that so that a
        // page pixel stays 1/96 inch.
        painter.save();
        painter.scale(picture.logicalDpiX() / 96.0, picture.logicalDpiY() / 96.0);
        painter.drawPicture(0, 0, picture);
        painter.restore();
    }
    return painter.end();
}

QString layoutText(const QString &path, int page)
{
    const QString number = QString::number(page);
    return QString::fromUtf8(run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                  QStringLiteral("-f"), number, QStringLiteral("-l"), number, path, QStringLiteral("-")}));
}

QVector<Word> Layout::wordsOn(int page) const
{
    QVector<Word> result;
    for (const Word &word : words) {
        if (word.page == page)
            result.append(word);
    }
    return result;
}

Word Layout::find(int page, const QString &text) const
{
    for (const Word &word : words) {
        if (word.page == page && word.text == text)
            return word;
    }
    return Word();
}

Layout layout(const QString &path)
{
    Layout result;
    const QByteArray html = run(QStringLiteral("pdftotext"),
                                {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                                 QStringLiteral("-")});
    QXmlStreamReader reader(html);
    auto number = [&reader](const char *name) { return reader.attributes().value(QLatin1String(name)).toDouble(); };
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("page")) {
            result.pageSizes.append(QSizeF(number("width"), number("height")));
        } else if (reader.name() == QLatin1String("word")) {
            Word word;
            word.page = result.pageSizes.size();
            word.box = QRectF(QPointF(number("xMin"), number("yMin")), QPointF(number("xMax"), number("yMax")));
            word.text = reader.readElementText();
            result.words.append(word);
        }
    }
    if (reader.hasError())
        QTest::qFail(qPrintable(QStringLiteral("pdftotext -bbox output: %1").arg(reader.errorString())), __FILE__, __LINE__);
    return result;
}

QVector<Font> fonts(const QString &path)
{
    QVector<Font> result;
    const QStringList lines = QString::fromUtf8(run(QStringLiteral("pdffonts"), {path})).split(QLatin1Char('\n'));
    // The columns are as wide as the dashes under the heading: name, type, encoding, emb, ...
    if (lines.size() < 2)
        return result;
    QVector<QPair<int, int>> columns;
    const QString &dashes = lines.at(1);
    for (int start = 0; start < dashes.size();) {
        int end = dashes.indexOf(QLatin1Char(' '), start);
        if (end < 0)
            end = dashes.size();
        columns.append({start, end - start});
        start = end + 1;
    }
    if (columns.size() < 4)
        return result;
    for (int i = 2; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        auto column = [&](int c) { return line.mid(columns.at(c).first, columns.at(c).second).trimmed(); };
        Font font;
        font.name = column(0);
        // Embedded subsets carry a six-letter tag: "ABCDEF+DejaVuSans".
        const int plus = font.name.indexOf(QLatin1Char('+'));
        if (plus == 6)
            font.name = font.name.mid(plus + 1);
        font.type = column(1);
        font.embedded = column(3) == QLatin1String("yes");
        result.append(font);
    }
    return result;
}

QString fontProblem(const QString &path, const QString &family)
{
    const QVector<Font> used = fonts(path);
    if (used.isEmpty())
        return QStringLiteral("no fonts");
    for (const Font &font : used) {
        if (!font.name.startsWith(family))
            return QStringLiteral("font %1").arg(font.name);
        if (!font.embedded)
            return QStringLiteral("%1 not embedded").arg(font.name);
    }
    return QString();
}

QImage renderPage(const QString &path, int page, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                     QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                                     QStringLiteral("-singlefile"), path, prefix});
    QImage image(prefix + QStringLiteral(".png"));
    if (image.isNull())
        QTest::qFail(qPrintable(QStringLiteral("pdftoppm gave no image of page %1").arg(page)), __FILE__, __LINE__);
    return image;
}

QColor pixelAt(const QImage &rendered, const QPointF &pagePoint, int dpi)
{
    const QPoint at = (pagePoint * dpi / 96.0).toPoint();
    if (!rendered.valid(at))
        return QColor();
    return rendered.pixelColor(at);
}

bool nearColor(const QColor &a, const QColor &b, int tolerance)
{
    return a.isValid() && b.isValid() && std::abs(a.red() - b.red()) <= tolerance
        && std::abs(a.green() - b.green()) <= tolerance && std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace ReportPdf

#include "testvideos.h"

#include "support/framestripes.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QString generate(const QString &path, const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")}
                                               + arguments + QStringList{path});
    const bool ran = ffmpeg.waitForFinished(120000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
    if (!ran || !QFile::exists(path)) {
        QTest::qFail(qPrintable(QStringLiteral("ffmpeg could not make %1: %2").arg(path, QString::fromLocal8Bit(ffmpeg.readAll()))),
                     __FILE__, __LINE__);
        return QString();
    }
    return path;
}

QStringList source(const QString &size, const QString &rate, double seconds)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("testsrc2=size=%1:rate=%2:duration=%3").arg(size, rate).arg(seconds)};
}

QStringList mpeg4()
{
    return {QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-q:v"), QStringLiteral("5")};
}

QStringList programStream()
{
    return {QStringLiteral("-c:v"), QStringLiteral("mpeg2video"), QStringLiteral("-q:v"), QStringLiteral("4"),
            QStringLiteral("-f"), QStringLiteral("mpeg")};
}

} // namespace

namespace TestVideos {

QString pal(const QString &folder, const QString &name)
{
    return shortPal(folder, name, 4.5);
}

QString shortPal(const QString &folder, const QString &name, double seconds)
{
    return generate(folder + QLatin1Char('/') + name, source(QStringLiteral("720x576"), QStringLiteral("25"), seconds) + programStream());
}

QString cif30(const QString &folder)
{
    return cif30(folder, QStringLiteral("cif30.avi"), 3);
}

QString cif30(const QString &folder, const QString &name, double seconds)
{
    return generate(folder + QLatin1Char('/') + name,
                    source(QStringLiteral("352x288"), QStringLiteral("30"), seconds) + mpeg4());
}

QString redTail(const QString &folder)
{
    const QStringList inputs = source(QStringLiteral("720x576"), QStringLiteral("25"), 3)
                               + QStringList{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                             QStringLiteral("color=c=red:size=720x576:rate=25:duration=1.5"),
                                             QStringLiteral("-filter_complex"), QStringLiteral("[0:v][1:v]concat=n=2:v=1[v]"),
                                             QStringLiteral("-map"), QStringLiteral("[v]")};
    return generate(folder + QStringLiteral("/redtail.mpg"), inputs + programStream());
}

QString ntsc(const QString &folder)
{
    return generate(folder + QStringLiteral("/ntsc.avi"), source(QStringLiteral("352x240"), QStringLiteral("30000/1001"), 3) + mpeg4());
}

QString numbered(const QString &folder, const QString &name, double seconds, const QStringList &extraArguments)
{
    // Stripe b (72 pixels wide) is bit b of the frame number N.
    const QString painter = QStringLiteral("color=c=black:size=720x576:rate=25:duration=%1,format=yuv420p,"
                                           "geq=lum='if(mod(floor(N/pow(2,floor(X/72))),2),235,16)':cb=128:cr=128")
                                .arg(seconds);
    return generate(folder + QLatin1Char('/') + name,
                    QStringList{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), painter} + programStream()
                        + extraArguments);
}

QList<int> frameNumbers(const QString &path, QString *errors)
{
    // A band across the middle, as grey levels: each stripe's centre is read over its 16 rows.
    const int width = 720;
    const int rows = 16;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path, QStringLiteral("-vf"),
                  QStringLiteral("scale=720:576,crop=%1:%2:0:280").arg(width).arg(rows), QStringLiteral("-f"),
                  QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), QStringLiteral("gray"), QStringLiteral("-")});
    if (!ffmpeg.waitForFinished(120000))
        QTest::qFail("ffmpeg did not finish decoding", __FILE__, __LINE__);
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    if (errors)
        *errors = QString::fromLocal8Bit(ffmpeg.readAllStandardError()).trimmed();
    const int frameBytes = width * rows;
    QList<int> numbers;
    for (int offset = 0; offset + frameBytes <= bytes.size(); offset += frameBytes) {
        const auto *pixels = reinterpret_cast<const uchar *>(bytes.constData() + offset);
        const int number = TestVideos::stripeNumber(pixels, width, rows);
        numbers << number;
    }
    return numbers;
}

QList<int> countingTo(int count)
{
    QList<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers << i;
    return numbers;
}

QString randomBytes(const QString &folder, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name;
    QByteArray bytes(200000, Qt::Uninitialized);
    QRandomGenerator generator(16);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        QTest::qFail("cannot write the random file", __FILE__, __LINE__);
        return QString();
    }
    return path;
}

bool mostlyNonBlack(const QImage &image)
{
    if (image.isNull())
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 lit = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            lit += (qRed(line[x]) + qGreen(line[x]) + qBlue(line[x])) > 60 ? 1 : 0;
    }
    return lit * 2 > qint64(rgb.width()) * rgb.height();
}

} // namespace TestVideos

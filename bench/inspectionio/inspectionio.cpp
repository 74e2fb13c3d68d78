// Times loading and saving an inspection of many observations, in each exchange format of the
// EN family (EN 13508-2, DWA-M 149-2, ISYBAU 2006), against a bare QXmlStreamReader pass over
// the same file and a bare QXmlStreamWriter write of the same elements, and prints the ratios
// (our time / bare time; the goal is at most 1.2). A save replaces its file durably (temporary
// file, size check, flush to the disk, rename) and writes the one-line side file the same way,
// so the bare write does exactly that too: otherwise the ratio would measure the disk.
//
// The row "folder" times saving a small inspection into a folder of 5,000 other files against
// saving it into an empty folder (the goal is 1.0: a save looks at its own file's names only).
//
// Usage: bench_inspectionio [observations] [rounds] [formats]
//        (defaults: 10000, 9, "en,dwa,isybau,folder")

#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/isybau2006.h"
#include "../consolereporter.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Token
{
    QXmlStreamReader::TokenType type;
    QString name;
    QString text;
};

void generate(EN135082Investigation &inv, int count)
{
    QRandomGenerator random(20250506);
    InspectionHeader h;
    h.clear();
    h.sectionName = QStringLiteral("H4711");
    h.startNode = QStringLiteral("S100");
    h.endNode = QStringLiteral("S101");
    h.street = QStringLiteral("Lange Straße");
    h.town = QStringLiteral("Musterhausen");
    h.client = QStringLiteral("Stadtentwässerung");
    h.inspector = QStringLiteral("K. Meier");
    h.profile = QStringLiteral("A");
    h.height = 300;
    h.width = 300;
    h.material = QStringLiteral("D");
    h.sewerKind = QStringLiteral("A");
    h.direction = QStringLiteral("A");
    h.videoMedium = QStringLiteral("6");
    h.inspectionLength = count * 0.05;
    inv.setMainData(h);

    const QStringList codes = inv.codes();
    QVector<ObservationRecord> &list = inv.mutableObservations();
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        ObservationRecord o;
        o.code = codes.at(int(random.bounded(codes.size())));
        int index = -1;
        if (inv.findSubtype(o.code, index)) {
            const QStringList first = inv.character1Tokens(o.code, index);
            o.character1 = first.at(int(random.bounded(first.size())));
            const QStringList second = inv.character2Tokens(o.code, index, o.character1);
            if (!second.isEmpty())
                o.character2 = second.at(int(random.bounded(second.size())));
        }
        o.distance = i * 0.05;
        o.videoTime = QTime(0, 0).addSecs(i);
        if (o.code == QLatin1String("BCD") || o.code == QLatin1String("BCE"))
            o.quantity1Text = QStringLiteral("S%1").arg(i);
        else if (random.bounded(2))
            o.quantity1 = random.bounded(10000) / 100.0;
        if (random.bounded(4) == 0)
            o.quantity2 = random.bounded(500) / 10.0;
        if (random.bounded(3) == 0) {
            o.clockFrom = 1 + int(random.bounded(12));
            if (random.bounded(2))
                o.clockTo = 1 + int(random.bounded(12));
        }
        if (random.bounded(5) == 0)
            o.remark = QStringLiteral("Bemerkung Nr. %1 zur Feststellung & Umgebung").arg(i);
        if (random.bounded(10) == 0)
            o.photoFile = QStringLiteral("img_%1_%2.jpg").arg(i).arg(i / 10);
        if (random.bounded(20) == 0) {
            o.continuousDefect = QStringLiteral("A");
            o.continuousDefectNumber = i % 7;
        }
        o.joint = random.bounded(8) == 0 ? 1 : 0;
        list << o;
    }
}

// The bare read: every token of the file, the texts looked at.
qint64 bareRead(const QString &path, std::vector<Token> *tokens)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    QXmlStreamReader reader(&file);
    qint64 characters = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType type = reader.readNext();
        if (type == QXmlStreamReader::Characters) {
            characters += reader.text().size();
            if (tokens && !reader.isWhitespace())
                tokens->push_back({type, QString(), reader.text().toString()});
        } else if (tokens && type == QXmlStreamReader::StartElement) {
            tokens->push_back({type, reader.name().toString(), QString()});
        } else if (tokens && type == QXmlStreamReader::EndElement) {
            tokens->push_back({type, QString(), QString()});
        }
    }
    return reader.hasError() ? -1 : characters;
}

// Replaces the file at path durably, as plainly as the system allows: a new temporary file, all
// bytes written, closed, its size checked, flushed to the disk, renamed over the target, and the
// folder flushed.
bool durableWrite(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = target + ".bareTMP";
    int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const char *at = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, size_t(left));
        if (written <= 0) {
            ::close(fd);
            ::unlink(temporary.constData());
            return false;
        }
        at += written;
        left -= written;
    }
    struct stat info;
    bool ok = ::close(fd) == 0;
    fd = ::open(temporary.constData(), O_RDONLY | O_CLOEXEC);
    ok = ok && fd >= 0 && ::fstat(fd, &info) == 0 && info.st_size == bytes.size() && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!ok || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

// The bare write of the same elements, and of the one-line side file beside it.
bool bareWrite(const QString &path, const std::vector<Token> &tokens, const QByteArray &sideLine)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QXmlStreamWriter writer(&buffer);
        writer.setCodec("UTF-8");
        writer.setAutoFormatting(true);
        writer.writeStartDocument(QStringLiteral("1.0"), true);
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const Token &t = tokens[i];
            if (t.type == QXmlStreamReader::StartElement) {
                // A leaf element with its text, as the inspection writer writes them.
                if (i + 2 < tokens.size() && tokens[i + 1].type == QXmlStreamReader::Characters
                    && tokens[i + 2].type == QXmlStreamReader::EndElement) {
                    writer.writeTextElement(t.name, tokens[i + 1].text);
                    i += 2;
                } else {
                    writer.writeStartElement(t.name);
                }
            } else if (t.type == QXmlStreamReader::EndElement) {
                writer.writeEndElement();
            }
        }
        writer.writeEndDocument();
        if (writer.hasError())
            return false;
    }
    return durableWrite(path, bytes) && durableWrite(path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".dat"), sideLine);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double ms(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Format
{
    const char *key;  // chooses the format on the command line
    const char *name; // shown
    std::function<std::unique_ptr<EN135082Investigation>()> make;
};

// Generates, saves and then times one format; false when something did not work.
bool run(const Format &format, const QString &folder, int count, int rounds)
{
    const QString path = folder + QStringLiteral("H4711.xml");
    const QString barePath = folder + QStringLiteral("bare.xml");
    const QString sidePath = folder + QStringLiteral("H4711.dat");

    QElapsedTimer timer;
    timer.start();
    {
        std::unique_ptr<EN135082Investigation> source = format.make();
        generate(*source, count);
        source->setFolder(folder);
        source->setFileName(QStringLiteral("H4711.xml"));
        if (!source->save()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    const double generateMs = ms(timer);

    std::vector<Token> tokens;
    if (bareRead(path, &tokens) < 0) {
        std::fprintf(stderr, "the generated file does not parse\n");
        return false;
    }
    QFile side(sidePath);
    if (!side.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no side file\n");
        return false;
    }
    const QByteArray sideLine = side.readAll();

    std::vector<double> load, save, read, write, construct;
    for (int round = 0; round <= rounds; ++round) {
        timer.restart();
        std::unique_ptr<EN135082Investigation> inv = format.make();
        const double constructMs = ms(timer);

        timer.restart();
        const bool loaded = inv->load(path);
        const double loadMs = ms(timer);
        if (!loaded || inv->observations().size() != count) {
            std::fprintf(stderr, "load failed (%d observations)\n", inv->observations().size());
            return false;
        }

        timer.restart();
        if (!inv->save()) {
            std::fprintf(stderr, "save failed\n");
            return false;
        }
        const double saveMs = ms(timer);

        timer.restart();
        if (bareRead(path, nullptr) < 0)
            return false;
        const double readMs = ms(timer);

        timer.restart();
        if (!bareWrite(barePath, tokens, sideLine))
            return false;
        const double writeMs = ms(timer);

        if (round == 0)
            continue; // warm-up
        construct.push_back(constructMs);
        load.push_back(loadMs);
        save.push_back(saveMs);
        read.push_back(readMs);
        write.push_back(writeMs);
    }

    QFile generated(path);
    QFile bare(barePath);
    std::printf("%s inspection: %d observations, %lld bytes (bare copy %lld bytes), generated in %.1f ms\n", format.name, count,
                generated.size(), bare.size(), generateMs);
    std::printf("median of %d rounds:\n", rounds);
    std::printf("  catalogue (construction) %8.2f ms  (not counted below)\n", median(construct));
    std::printf("  load                     %8.2f ms   bare read  %8.2f ms   ratio %.2f\n", median(load), median(read),
                median(load) / median(read));
    std::printf("  save                     %8.2f ms   bare write %8.2f ms   ratio %.2f\n", median(save), median(write),
                median(save) / median(write));
    const double ours = median(load) + median(save);
    const double baseline = median(read) + median(write);
    std::printf("  load + save              %8.2f ms   bare       %8.2f ms   ratio %.2f (goal: at most 1.2)\n\n", ours, baseline,
                ours / baseline);
    return true;
}

// Saves a small inspection into an empty folder and into one of 5,000 other files (the files of
// 2,500 inspections), in paired rounds, and prints the ratio of the medians.
bool runFolder(const QString &root, int rounds)
{
    const int others = 5000;
    const QString empty = root + QStringLiteral("empty/");
    const QString full = root + QStringLiteral("full/");
    if (!QDir().mkpath(empty) || !QDir().mkpath(full))
        return false;
    for (int i = 0; i < others / 2; ++i) {
        const QString base = full + QStringLiteral("H%1").arg(i, 5, 10, QLatin1Char('0'));
        QFile xml(base + QStringLiteral(".xml"));
        QFile side(base + QStringLiteral(".dat"));
        if (!xml.open(QIODevice::WriteOnly) || !side.open(QIODevice::WriteOnly))
            return false;
        xml.write("<?xml version=\"1.0\"?><DATA/>\n");
        side.write("Kunde\r\n");
    }

    EN135082 inspection(QStringLiteral("de"));
    generate(inspection, 20);
    inspection.setFileName(QStringLiteral("H4711.xml"));
    const auto timedSave = [&inspection](const QString &folder) {
        inspection.setFolder(folder);
        QElapsedTimer timer;
        timer.start();
        if (!inspection.save())
            return -1.0;
        return ms(timer);
    };
    std::vector<double> inEmpty, inFull;
    const int pairs = rounds * 5;
    for (int round = 0; round <= pairs; ++round) {
        // Each order half of the time, so that neither folder always finds the disk busier.
        const bool emptyFirst = round % 2 == 0;
        const double first = timedSave(emptyFirst ? empty : full);
        const double second = timedSave(emptyFirst ? full : empty);
        if (first < 0 || second < 0) {
            std::fprintf(stderr, "save failed\n");
            return false;
        }
        if (round == 0)
            continue; // warm-up
        inEmpty.push_back(emptyFirst ? first : second);
        inFull.push_back(emptyFirst ? second : first);
    }
    std::printf("saving a small inspection (20 observations), median of %d paired rounds:\n", pairs);
    std::printf("  into a folder of %d files %8.2f ms   into an empty folder %8.2f ms   ratio %.2f (goal: 1.0)\n\n", others,
                median(inFull), median(inEmpty), median(inFull) / median(inEmpty));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    reportToConsole();
    const int count = argc > 1 ? qMax(1, atoi(argv[1])) : 10000;
    const int rounds = argc > 2 ? qMax(1, atoi(argv[2])) : 9;
    const QStringList chosen = QString::fromLocal8Bit(argc > 3 ? argv[3] : "en,dwa,isybau,folder").split(QLatin1Char(','));

    const Format formats[] = {
        {"en", "EN 13508-2", [] { return std::unique_ptr<EN135082Investigation>(new EN135082(QStringLiteral("de"))); }},
        {"dwa", "DWA-M 149-2", [] { return std::unique_ptr<EN135082Investigation>(new DWAM1492); }},
        {"isybau", "ISYBAU 2006", [] { return std::unique_ptr<EN135082Investigation>(new Isybau2006); }},
    };

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 2;
    }
    const QString folder = dir.path() + QLatin1Char('/');
    for (const Format &format : formats) {
        if (!chosen.contains(QLatin1String(format.key)))
            continue;
        if (!run(format, folder, count, rounds))
            return 2;
    }
    if (chosen.contains(QLatin1String("folder")) && !runFolder(folder + QStringLiteral("folders/"), rounds))
        return 2;
    return 0;
}

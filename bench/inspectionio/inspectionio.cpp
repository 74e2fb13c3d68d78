// Times loading and saving an inspection of many observations, in each exchange format of the
// EN family (EN 13508-2, DWA-M 149-2, ISYBAU 2006), against a bare QXmlStreamReader pass over
// the same file and a bare QXmlStreamWriter write of the same elements, and prints the ratios
// (our time / bare time; the goal is at most 1.5).
//
// Usage: bench_inspectionio [observations] [rounds] [formats]
//        (defaults: 10000, 9, "en,dwa,isybau")

#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/isybau2006.h"
#include "../consolereporter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

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

// The bare write of the same elements.
bool bareWrite(const QString &path, const std::vector<Token> &tokens)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QXmlStreamWriter writer(&file);
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
    return file.flush() && !writer.hasError();
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
        if (!bareWrite(barePath, tokens))
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
    std::printf("  load + save              %8.2f ms   bare       %8.2f ms   ratio %.2f (goal: at most 1.5)\n\n", ours, baseline,
                ours / baseline);
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
    const QStringList chosen = QString::fromLocal8Bit(argc > 3 ? argv[3] : "en,dwa,isybau").split(QLatin1Char(','));

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
    return 0;
}

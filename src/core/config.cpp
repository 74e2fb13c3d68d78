#include "core/config.h"

#include "core/inifile.h"
#include "core/platform/platform.h"
#include "core/reporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const char *const kFileName = "tsconfig.ini";

QTranslator *installTranslator(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return nullptr;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(path)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

void removeTranslator(QPointer<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translator = nullptr;
}

} // namespace

Config::Config(const QString &dataDirectory)
    : m_dataDirectory(dataDirectory)
    , m_classColors(defaultClassColors())
{
    if (!m_dataDirectory.endsWith(QLatin1Char('/')))
        m_dataDirectory += QLatin1Char('/');
}

Config::~Config()
{
    removeTranslator(m_qtTranslator);
    removeTranslator(m_programTranslator);
    removeTranslator(m_libraryTranslator);
}

QString Config::filePath() const
{
    return QDir::cleanPath(m_dataDirectory + QLatin1String(kFileName));
}

void Config::load()
{
    QSettings s(filePath(), QSettings::IniFormat);

    s.beginGroup(QStringLiteral("Config"));
    m_projectPath = s.value(QStringLiteral("ProjectPath")).toString();
    if (m_projectPath.isEmpty())
        m_projectPath = defaultProjectPath();
    const int language = s.value(QStringLiteral("Language"), 0).toInt();
    s.endGroup();

    s.beginGroup(QStringLiteral("Video"));
    m_blending = s.value(QStringLiteral("Blending"), false).toBool();
    m_dateFlag = s.value(QStringLiteral("DateFlag"), false).toBool();
    m_timeFlag = s.value(QStringLiteral("TimeFlag"), false).toBool();
    m_meterFlag = s.value(QStringLiteral("MeterFlag"), false).toBool();
    m_firmFlag = s.value(QStringLiteral("FirmFlag"), false).toBool();
    m_firmText = s.value(QStringLiteral("FirmText")).toString();
    m_textTime = s.value(QStringLiteral("TextTime"), 4).toInt();
    m_baseTime = s.value(QStringLiteral("BaseTime"), 3).toInt();
    m_jpegText = s.value(QStringLiteral("JpegText"), true).toBool();
    m_startHA = s.value(QStringLiteral("StartHA"), false).toBool();
    m_endEH = s.value(QStringLiteral("EndEH"), false).toBool();
    s.endGroup();

    s.beginGroup(QStringLiteral("Report"));
    m_fotoStyle = s.value(QStringLiteral("FotoStyle"), 6).toInt();
    m_pipelineLayout = s.value(QStringLiteral("PipelineLayout"), 1).toInt();
    m_makeTextReport = s.value(QStringLiteral("MakeTextReport"), false).toBool();
    m_colorDamage = s.value(QStringLiteral("ColorDamage"), false).toBool();
    m_colorProjects = s.value(QStringLiteral("ColorProjects"), false).toBool();
    m_proximateHint = s.value(QStringLiteral("ProximateHint"), false).toBool();
    s.endGroup();

    s.beginGroup(QStringLiteral("Classify"));
    m_classifyFlag = s.value(QStringLiteral("ClassifyFlag"), false).toBool();
    m_classColors.clear();
    const int colorCount = IniFile::beginReadArray(s, QStringLiteral("Colors"));
    for (int i = 0; i < colorCount; ++i) {
        s.setArrayIndex(i);
        m_classColors.append(s.value(QStringLiteral("color")).value<QColor>());
    }
    s.endArray();
    if (m_classColors.size() < 5)
        m_classColors = defaultClassColors();
    s.endGroup();

    s.beginGroup(QStringLiteral("Display"));
    m_withInspectionNames = s.value(QStringLiteral("WithInspectionNames"), true).toBool();
    s.endGroup();

    s.beginGroup(QStringLiteral("3D"));
    m_labelText = s.value(QStringLiteral("LabelText"), 0).toInt();
    m_labelTextCustom = s.value(QStringLiteral("LabelTextCustom"), QString()).toString();
    m_labelFontSize = s.value(QStringLiteral("LabelFontSize"), 8).toInt();
    m_labelFont = s.value(QStringLiteral("LabelFont"), QString()).toString();
    m_labelStyle = s.value(QStringLiteral("LabelStyle"), 0).toInt();
    m_labelStyleColorText = s.value(QStringLiteral("LabelStyleColorText"), 0).toInt();
    m_labelStyleColorBackground = s.value(QStringLiteral("LabelStyleColorBackground"), 0).toInt();
    m_labelStyleColorLine = s.value(QStringLiteral("LabelStyleColorLine"), 0).toInt();
    s.endGroup();

    setLanguage(language);
}

bool Config::save() const
{
    return IniFile::writeWhole(filePath(), [this](QSettings &s) {
        s.setValue(QStringLiteral("Config/ProjectPath"), m_projectPath);
        s.setValue(QStringLiteral("Config/Language"), m_language);

        s.beginGroup(QStringLiteral("Video"));
        s.setValue(QStringLiteral("Blending"), m_blending);
        s.setValue(QStringLiteral("DateFlag"), m_dateFlag);
        s.setValue(QStringLiteral("TimeFlag"), m_timeFlag);
        s.setValue(QStringLiteral("MeterFlag"), m_meterFlag);
        s.setValue(QStringLiteral("MeterPosition"), 0);
        s.setValue(QStringLiteral("FirmFlag"), m_firmFlag);
        s.setValue(QStringLiteral("FirmText"), m_firmText);
        s.setValue(QStringLiteral("TextTime"), m_textTime);
        s.setValue(QStringLiteral("BaseTime"), m_baseTime);
        s.setValue(QStringLiteral("JpegText"), m_jpegText);
        s.setValue(QStringLiteral("StartHA"), m_startHA);
        s.setValue(QStringLiteral("EndEH"), m_endEH);
        s.endGroup();

        s.beginGroup(QStringLiteral("Report"));
        s.setValue(QStringLiteral("FotoStyle"), m_fotoStyle);
        s.setValue(QStringLiteral("PipelineLayout"), m_pipelineLayout);
        s.setValue(QStringLiteral("MakeTextReport"), m_makeTextReport);
        s.setValue(QStringLiteral("ColorDamage"), m_colorDamage);
        s.setValue(QStringLiteral("ColorProjects"), m_colorProjects);
        s.setValue(QStringLiteral("ProximateHint"), m_proximateHint);
        s.endGroup();

        s.beginGroup(QStringLiteral("Classify"));
        s.setValue(QStringLiteral("ClassifyFlag"), m_classifyFlag);
        s.beginWriteArray(QStringLiteral("Colors"));
        for (int i = 0; i < m_classColors.size(); ++i) {
            s.setArrayIndex(i);
            s.setValue(QStringLiteral("color"), m_classColors.at(i));
        }
        s.endArray();
        s.endGroup();

        s.setValue(QStringLiteral("Display/WithInspectionNames"), m_withInspectionNames);

        s.beginGroup(QStringLiteral("3D"));
        s.setValue(QStringLiteral("LabelText"), m_labelText);
        s.setValue(QStringLiteral("LabelTextCustom"), m_labelTextCustom);
        s.setValue(QStringLiteral("LabelFontSize"), m_labelFontSize);
        s.setValue(QStringLiteral("LabelFont"), m_labelFont);
        s.setValue(QStringLiteral("LabelStyle"), m_labelStyle);
        s.setValue(QStringLiteral("LabelStyleColorText"), m_labelStyleColorText);
        s.setValue(QStringLiteral("LabelStyleColorBackground"), m_labelStyleColorBackground);
        s.setValue(QStringLiteral("LabelStyleColorLine"), m_labelStyleColorLine);
        s.endGroup();
    });
}

QString Config::languageCode(int language)
{
    static const char *const codes[] = {"de", "da", "en", "es", "fi", "fr", "hr", "nb", "en", "ru"};
    if (language < 0 || language > 9)
        return QStringLiteral("en");
    return QLatin1String(codes[language]);
}

void Config::setLanguage(int language)
{
    if (language == m_language)
        return;
    m_language = language;
    reloadTranslators();
}

void Config::reloadTranslators()
{
    removeTranslator(m_qtTranslator);
    removeTranslator(m_programTranslator);
    removeTranslator(m_libraryTranslator);

    const QString dataDir = QCoreApplication::applicationDirPath() + QStringLiteral("/data/");
    QString code = languageCode(m_language);
    m_qtTranslator = installTranslator(dataDir + QStringLiteral("qt_%1.qm").arg(code));
    if (m_language == 0)
        return; // German is built in

    if (!QFileInfo::exists(dataDir + QStringLiteral("ZOZOrure_%1.qm").arg(code)))
        code = QStringLiteral("en");
    m_programTranslator = installTranslator(dataDir + QStringLiteral("ZOZOrure_%1.qm").arg(code));
    m_libraryTranslator = installTranslator(dataDir + QStringLiteral("ZOZOrureLibrary_%1.qm").arg(code));
}

QColor Config::classColor(int classIndex) const
{
    if (classIndex < 0 || classIndex > 4 || classIndex >= m_classColors.size())
        return QColor(Qt::black);
    return m_classColors.at(classIndex);
}

void Config::setClassColor(int classIndex, const QColor &color)
{
    m_classColors.resize(5);
    if (classIndex >= 0 && classIndex <= 4)
        m_classColors[classIndex] = color;
}

QString Config::fotoStyleImageName(int fotoStyle)
{
    static const char *const names[] = {"1_2.png", "1_3.png", "2_2.png", "2_3.png",
                                        "3_2.png", "3_3.png", "1_2_Text.png", "1_3_Text.png"};
    if (fotoStyle < 0 || fotoStyle > 7)
        return QStringLiteral("1_2.png");
    return QLatin1String(names[fotoStyle]);
}

QVector<QColor> Config::defaultClassColors()
{
    QVector<QColor> colors;
    for (int i = 0; i < 5; ++i)
        colors.append(QColor(51 * i, 0, 0, 255));
    return colors;
}

QString Config::defaultProjectPath()
{
    const QString path = Platform::documentsFolder() + QStringLiteral("/ZazudIradezod");
    const bool existed = QFileInfo(path).isDir();
    if (!QDir().mkpath(path))
        return path;
    if (!existed)
        Reporter::notice(QCoreApplication::translate("Config", "Als Projektverzeichnis wurde %1 voreingestellt.").arg(path));
    return path;
}

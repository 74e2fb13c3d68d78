#include "foundation/config.h"

#include "foundation/inifile.h"
#include "foundation/platform/platform.h"
#include "foundation/readguard.h"
#include "foundation/reporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

#include <type_traits>
#include <variant>

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

// Every plain option, in the order it is written. Load and save both walk this table, so a key
// cannot be read under one name and written under another. The project path, the language, the
// class colours and the constant meter position need their own code in load() and save().
struct Config::Setting
{
    using Member = std::variant<bool Config::*, int Config::*, QString Config::*>;

    const char *group;
    const char *key;
    Member member;
    QVariant defaultValue;

    QString path() const { return QLatin1String(group) + QLatin1Char('/') + QLatin1String(key); }
};

const QVector<Config::Setting> &Config::settings()
{
    static const QVector<Setting> table = {
        {"Video", "Blending", &Config::m_blending, false},
        {"Video", "DateFlag", &Config::m_dateFlag, false},
        {"Video", "TimeFlag", &Config::m_timeFlag, false},
        {"Video", "MeterFlag", &Config::m_meterFlag, false},
        {"Video", "FirmFlag", &Config::m_firmFlag, false},
        {"Video", "FirmText", &Config::m_firmText, QString()},
        {"Video", "TextTime", &Config::m_textTime, 4},
        {"Video", "BaseTime", &Config::m_baseTime, 3},
        {"Video", "JpegText", &Config::m_jpegText, true},
        {"Video", "StartHA", &Config::m_startHA, false},
        {"Video", "EndEH", &Config::m_endEH, false},
        {"Report", "FotoStyle", &Config::m_fotoStyle, 6},
        {"Report", "PipelineLayout", &Config::m_pipelineLayout, 1},
        {"Report", "MakeTextReport", &Config::m_makeTextReport, false},
        {"Report", "ColorDamage", &Config::m_colorDamage, false},
        {"Report", "ColorProjects", &Config::m_colorProjects, false},
        {"Report", "ProximateHint", &Config::m_proximateHint, false},
        {"Classify", "ClassifyFlag", &Config::m_classifyFlag, false},
        {"Display", "WithInspectionNames", &Config::m_withInspectionNames, true},
        {"3D", "LabelText", &Config::m_labelText, 0},
        {"3D", "LabelTextCustom", &Config::m_labelTextCustom, QString()},
        {"3D", "LabelFontSize", &Config::m_labelFontSize, 8},
        {"3D", "LabelFont", &Config::m_labelFont, QString()},
        {"3D", "LabelStyle", &Config::m_labelStyle, 0},
        {"3D", "LabelStyleColorText", &Config::m_labelStyleColorText, 0},
        {"3D", "LabelStyleColorBackground", &Config::m_labelStyleColorBackground, 0},
        {"3D", "LabelStyleColorLine", &Config::m_labelStyleColorLine, 0},
    };
    return table;
}

namespace {

// Stores value, converted to the member's type, in the member of config.
template <typename Object>
void assign(Object &config, const std::variant<bool Object::*, int Object::*, QString Object::*> &member,
            const QVariant &value)
{
    std::visit(
        [&](auto pointer) {
            using Type = std::decay_t<decltype(config.*pointer)>;
            config.*pointer = value.value<Type>();
        },
        member);
}

template <typename Object>
QVariant valueOf(const Object &config, const std::variant<bool Object::*, int Object::*, QString Object::*> &member)
{
    return std::visit([&](auto pointer) { return QVariant(config.*pointer); }, member);
}

} // namespace

Config::Config(const QString &dataDirectory)
    : m_dataDirectory(dataDirectory)
    , m_classColors(defaultClassColors())
{
    if (!m_dataDirectory.endsWith(QLatin1Char('/')))
        m_dataDirectory += QLatin1Char('/');
    applyDefaults();
}

Config::~Config()
{
    removeTranslator(m_qtTranslator);
    removeTranslator(m_programTranslator);
    removeTranslator(m_libraryTranslator);
}

void Config::applyDefaults()
{
    for (const Setting &setting : settings())
        assign(*this, setting.member, setting.defaultValue);
}

QString Config::filePath() const
{
    return QDir::cleanPath(m_dataDirectory + QLatin1String(kFileName));
}

// Whether the settings file may be handed to QSettings: within the size of a store, and with no
// typed value but the class colours the program writes (QSettings rebuilds typed values from
// bytes in the file, trusting them). A missing file reads as the defaults and is no fault.
bool Config::fileIsReadable(QString &refusal) const
{
    const QString path = filePath();
    if (!QFileInfo::exists(path))
        return true;
    QByteArray bytes;
    if (!ReadGuard::readFile(path, ReadGuard::SmallFileLimit, bytes, refusal))
        return false;
    if (IniFile::hasOnlyPlainValuesOrColours(bytes))
        return true;
    refusal = QCoreApplication::translate("Config", "Sie enthält Werte in einer Form, die das Programm nicht schreibt.");
    return false;
}

void Config::load()
{
    QString refusal;
    if (!fileIsReadable(refusal)) {
        applyDefaults();
        m_projectPath = defaultProjectPath();
        m_classColors = defaultClassColors();
        Reporter::notice(QCoreApplication::translate("Config", "Die Einstellungen in %1 konnten nicht gelesen werden; es "
                                                               "gelten die Voreinstellungen.\n%2")
                             .arg(QDir::toNativeSeparators(filePath()), refusal));
        setLanguage(0);
        return;
    }
    QSettings s(filePath(), QSettings::IniFormat);

    m_projectPath = s.value(QStringLiteral("Config/ProjectPath")).toString();
    if (m_projectPath.isEmpty())
        m_projectPath = defaultProjectPath();
    const int language = s.value(QStringLiteral("Config/Language"), 0).toInt();

    for (const Setting &setting : settings())
        assign(*this, setting.member, s.value(setting.path(), setting.defaultValue));

    s.beginGroup(QStringLiteral("Classify"));
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

    setLanguage(language);
}

bool Config::save() const
{
    return IniFile::writeWhole(filePath(), [this](QSettings &s) {
        s.setValue(QStringLiteral("Config/ProjectPath"), m_projectPath);
        s.setValue(QStringLiteral("Config/Language"), m_language);
        for (const Setting &setting : settings())
            s.setValue(setting.path(), valueOf(*this, setting.member));
        // Written for older readers of the file, which expect it; never read.
        s.setValue(QStringLiteral("Video/MeterPosition"), 0);

        s.beginGroup(QStringLiteral("Classify"));
        s.beginWriteArray(QStringLiteral("Colors"));
        for (int i = 0; i < m_classColors.size(); ++i) {
            s.setArrayIndex(i);
            s.setValue(QStringLiteral("color"), m_classColors.at(i));
        }
        s.endArray();
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

#include "foundation/global.h"

#include "foundation/config.h"
#include "foundation/firmstore.h"
#include "foundation/meterratioobserver.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFont>
#include <QSettings>

namespace {
Global *theInstance = nullptr;

const char *const kOrganisation = "RivuzAzed";
const char *const kApplication = "ZozoRure";
} // namespace

Global *Global::instance()
{
    if (!theInstance) {
        // Published before init(): the first start shows a notice with its own event loop, in
        // which other code may already ask for the instance.
        theInstance = new Global;
        theInstance->init();
    }
    return theInstance;
}

Global::Global()
{
    qDebug("global");
    // The video engine emits frameChanged on its own threads through connections made by name;
    // a queued call finds the argument type only by the name the signature spells.
    qRegisterMetaType<Global::FrameChangedReason>("Global::FrameChangedReason");
    m_settings.reset(new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                   QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication)));
    // The INI backend keeps writes in memory until a later event-loop pass or its destruction,
    // neither of which comes after the last writes of the closing window.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        const QSharedPointer<QSettings> settings = m_settings;
        QObject::connect(app, &QCoreApplication::aboutToQuit, settings.data(), [settings] { settings->sync(); });
    }
    m_autoPlayMessage = Platform::registerMessage(QStringLiteral("QueryCancelAutoPlay"));
}

void Global::init()
{
    m_dataDirectory = Platform::dataDirectory();
    m_videoFilter = standardVideoFilter();

    m_firmStore.reset(new FirmStore(m_dataDirectory));
    m_firmStore->load();

    m_config.reset(new Config(m_dataDirectory));
    m_config->load();

    m_videoDevices.reset(new VideoDeviceList(Platform::videoInputDevices()));

    m_meterRatio.reset(new MeterRatioObserver); // 0.01 m per plan unit, the scale of a drawn plan
}

QString Global::standardVideoFilter()
{
    return QStringLiteral("*.avi *.mpg *.mp4 *.wmv *.flv *.3g2 *.3gp *.asf *.asx *.m4v *.mov *.swf *.bin *.mkv "
                          "*.ogm *.ts *.vob");
}

QString Global::translationFile(int language)
{
    static const char *const codes[] = {nullptr, "da", "en", "es", "fi", "fr", "hr", "nb", "pl", "ru"};
    if (language < 1 || language > 9)
        return QString();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/i18n/zozorure_%1.qm").arg(QLatin1String(codes[language]));
}

const QFont &Global::tableFont()
{
    static const QFont font = [] {
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        f.setStyleHint(QFont::Monospace);
        f.setFixedPitch(true);
        f.setPointSize(23);
        f.setWeight(75);
        f.setItalic(false);
        return f;
    }();
    return font;
}

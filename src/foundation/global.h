#pragma once

#include "foundation/platform/platform.h"

#include <QMetaType>
#include <QSharedPointer>
#include <QString>
#include <QTranslator>

class Config;
class FirmStore;
class MeterRatioObserver;
class QFont;
class QSettings;

// The process-wide state: user settings, company-data and configuration stores, video input
// devices, the plan scale, the data directory and the video file filter. Created on first use
// and kept until the process ends.
class Global
{
public:
    // Why a video engine's current frame changed; travels with its frameChanged signals.
    enum FrameChangedReason {
        RendererAdvanced = 0, // the renderer moved on by itself
        TimelineCursor = 1,
        PreviewWidgetCursor = 2,
        RulerCursor = 3
    };

    // Which frame of the 3D window a mouse binding moves.
    enum MouseHandler {
        HANDLER_CAMERA = 0, // the camera's own frame
        HANDLER_SYSTEM = 1  // the manipulated system (the selected object's frame)
    };

    // What a drag or a wheel turn in the 3D window does to the frame it moves.
    enum MouseAction {
        MOUSE_NONE = 0,
        MOUSE_TRANSLATE = 1,
        MOUSE_ZOOM = 2,
        MOUSE_TWIST = 3, // rotation about the viewing axis
        MOUSE_SLIDE = 4, // translation; the camera's pivot stays where it is
        MOUSE_ROTATE = 5
    };

    // What a click or double-click in the 3D window does.
    enum ClickAction {
        CLICK_NONE = 0,
        CLICK_SELECT = 1,
        CLICK_CENTER_SYSTEM = 2,
        CLICK_CENTER_SCENE = 3,
        CLICK_SHOW_SCENE = 4,
        CLICK_ALIGN_SYSTEM = 5,
        CLICK_ALIGN_CAMERA = 6
    };

    // The one instance; the first call builds it (settings, stores, devices, plan scale).
    static Global *instance();

    QSharedPointer<QSettings> settings() const { return m_settings; }
    QSharedPointer<FirmStore> firmStore() const { return m_firmStore; }
    QSharedPointer<Config> config() const { return m_config; }
    QSharedPointer<VideoDeviceList> videoDevices() const { return m_videoDevices; }
    // Owned here, never loaded or installed by Global itself.
    QTranslator *translator() { return &m_translator; }
    QSharedPointer<MeterRatioObserver> meterRatio() const { return m_meterRatio; }
    // Absolute, ending in exactly one "/".
    QString dataDirectory() const { return m_dataDirectory; }
    // Blank-separated glob patterns of the video files the program opens.
    QString videoFilter() const { return m_videoFilter; }
    unsigned int autoPlayMessage() const { return m_autoPlayMessage; }

    // The 17 video patterns, also without an instance.
    static QString standardVideoFilter();

    // Path of the program's translation file of a language index (1 da, 2 en, 3 es, 4 fi, 5 fr,
    // 6 hr, 7 nb, 8 pl, 9 ru), whether or not the file exists; empty for 0 (German is built in)
    // and any other index.
    static QString translationFile(int language);

    // The font of the inspection text tables: a free monospace face, 23 pt, bold (weight 75).
    static const QFont &tableFont();

private:
    Global();
    ~Global() = default; // never destroyed: the process owns it until exit
    Global(const Global &) = delete;
    Global &operator=(const Global &) = delete;
    void init();

    QSharedPointer<QSettings> m_settings;
    QSharedPointer<FirmStore> m_firmStore;
    QSharedPointer<Config> m_config;
    QSharedPointer<VideoDeviceList> m_videoDevices;
    QTranslator m_translator;
    QSharedPointer<MeterRatioObserver> m_meterRatio;
    QString m_dataDirectory;
    QString m_videoFilter;
    unsigned int m_autoPlayMessage = 0;
};

Q_DECLARE_METATYPE(Global::FrameChangedReason)

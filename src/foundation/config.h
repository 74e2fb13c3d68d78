#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QVector>

#include <QTranslator>

// Program-wide options of the settings dialogs, kept in "tsconfig.ini" in the data directory,
// and the translators of the chosen user-interface language.
class Config
{
public:
    // dataDirectory: the folder that holds tsconfig.ini. No file access here.
    explicit Config(const QString &dataDirectory);
    ~Config();
    Config(const Config &) = delete;
    Config &operator=(const Config &) = delete;

    // Reads every key (missing keys give their defaults) and installs the language's translators.
    void load();
    // Writes the whole file anew; false when it could not be written (the old file then stays).
    bool save() const;

    QString filePath() const;
    QString dataDirectory() const { return m_dataDirectory; }

    // Language index 0 de, 1 da, 2 en, 3 es, 4 fi, 5 fr, 6 hr, 7 nb, 8 en, 9 ru; others en.
    static QString languageCode(int language);
    int language() const { return m_language; }
    void setLanguage(int language);

    QColor classColor(int classIndex) const;
    void setClassColor(int classIndex, const QColor &color);
    QVector<QColor> classColors() const { return m_classColors; }

    static QString fotoStyleImageName(int fotoStyle);

    QString projectPath() const { return m_projectPath; }
    void setProjectPath(const QString &v) { m_projectPath = v; }
    bool blending() const { return m_blending; }
    void setBlending(bool v) { m_blending = v; }
    bool dateFlag() const { return m_dateFlag; }
    void setDateFlag(bool v) { m_dateFlag = v; }
    bool timeFlag() const { return m_timeFlag; }
    void setTimeFlag(bool v) { m_timeFlag = v; }
    bool meterFlag() const { return m_meterFlag; }
    void setMeterFlag(bool v) { m_meterFlag = v; }
    bool firmFlag() const { return m_firmFlag; }
    void setFirmFlag(bool v) { m_firmFlag = v; }
    bool writeNewData() const { return m_writeNewData; }
    void setWriteNewData(bool v) { m_writeNewData = v; }
    QString firmText() const { return m_firmText; }
    void setFirmText(const QString &v) { m_firmText = v; }
    int textTime() const { return m_textTime; }
    void setTextTime(int v) { m_textTime = v; }
    int baseTime() const { return m_baseTime; }
    void setBaseTime(int v) { m_baseTime = v; }
    int fotoStyle() const { return m_fotoStyle; }
    void setFotoStyle(int v) { m_fotoStyle = v; }
    int pipelineLayout() const { return m_pipelineLayout; }
    void setPipelineLayout(int v) { m_pipelineLayout = v; }
    bool makeTextReport() const { return m_makeTextReport; }
    void setMakeTextReport(bool v) { m_makeTextReport = v; }
    bool colorDamage() const { return m_colorDamage; }
    void setColorDamage(bool v) { m_colorDamage = v; }
    bool colorProjects() const { return m_colorProjects; }
    void setColorProjects(bool v) { m_colorProjects = v; }
    bool proximateHint() const { return m_proximateHint; }
    void setProximateHint(bool v) { m_proximateHint = v; }
    bool classifyFlag() const { return m_classifyFlag; }
    void setClassifyFlag(bool v) { m_classifyFlag = v; }
    bool jpegText() const { return m_jpegText; }
    void setJpegText(bool v) { m_jpegText = v; }
    bool startHA() const { return m_startHA; }
    void setStartHA(bool v) { m_startHA = v; }
    bool endEH() const { return m_endEH; }
    void setEndEH(bool v) { m_endEH = v; }
    bool withInspectionNames() const { return m_withInspectionNames; }
    void setWithInspectionNames(bool v) { m_withInspectionNames = v; }
    int labelText() const { return m_labelText; }
    void setLabelText(int v) { m_labelText = v; }
    QString labelTextCustom() const { return m_labelTextCustom; }
    void setLabelTextCustom(const QString &v) { m_labelTextCustom = v; }
    int labelStyle() const { return m_labelStyle; }
    void setLabelStyle(int v) { m_labelStyle = v; }
    QString labelFont() const { return m_labelFont; }
    void setLabelFont(const QString &v) { m_labelFont = v; }
    int labelFontSize() const { return m_labelFontSize; }
    void setLabelFontSize(int v) { m_labelFontSize = v; }
    int labelStyleColorText() const { return m_labelStyleColorText; }
    void setLabelStyleColorText(int v) { m_labelStyleColorText = v; }
    int labelStyleColorBackground() const { return m_labelStyleColorBackground; }
    void setLabelStyleColorBackground(int v) { m_labelStyleColorBackground = v; }
    int labelStyleColorLine() const { return m_labelStyleColorLine; }
    void setLabelStyleColorLine(int v) { m_labelStyleColorLine = v; }

private:
    // One stored option: its group and key in the file, its default and the member holding it.
    struct Setting;
    static const QVector<Setting> &settings();
    void applyDefaults();
    bool fileIsReadable(QString &refusal) const;

    static QString defaultProjectPath();
    static QVector<QColor> defaultClassColors();
    void reloadTranslators();

    QString m_dataDirectory;
    int m_language = -1; // none loaded yet, so the first load always installs translators
    // Children of the application object, so they may go before this object does.
    QPointer<QTranslator> m_qtTranslator;
    QPointer<QTranslator> m_programTranslator;
    QPointer<QTranslator> m_libraryTranslator;
    // The defaults of the options below are those of the table in config.cpp.
    QString m_projectPath;
    bool m_blending;
    bool m_dateFlag;
    bool m_timeFlag;
    bool m_meterFlag;
    bool m_firmFlag;
    bool m_writeNewData = false; // for this session only, never stored
    QString m_firmText;
    int m_textTime;
    int m_baseTime;
    int m_fotoStyle;
    int m_pipelineLayout;
    bool m_makeTextReport;
    bool m_colorDamage;
    bool m_colorProjects;
    bool m_proximateHint;
    bool m_classifyFlag;
    QVector<QColor> m_classColors;
    bool m_jpegText;
    bool m_startHA;
    bool m_endEH;
    bool m_withInspectionNames;
    int m_labelText;
    QString m_labelTextCustom;
    int m_labelStyle;
    QString m_labelFont;
    int m_labelFontSize;
    int m_labelStyleColorText;
    int m_labelStyleColorBackground;
    int m_labelStyleColorLine;
};

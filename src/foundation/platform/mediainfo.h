#pragma once

#include <QString>

namespace Platform {

// One file examined by the MediaInfo library, which is loaded at run time on first use.
// When the library cannot be loaded, isValid() is false and every call answers empty/false.
class MediaInfo
{
public:
    enum Stream { General = 0, Video = 1 };

    MediaInfo();
    ~MediaInfo();
    MediaInfo(const MediaInfo &) = delete;
    MediaInfo &operator=(const MediaInfo &) = delete;

    bool isValid() const { return m_handle != nullptr; }

    // Sets a library option and returns the library's answer.
    QString option(const QString &name, const QString &value = QString());
    bool open(const QString &path);
    // The value of a parameter (searched by name, as text) of a stream; empty when missing.
    QString get(Stream stream, int number, const QString &parameter) const;
    void close();

    // Whether the library is (or can now be) loaded.
    static bool libraryAvailable();
    // The file name passed to the loader ("libmediainfo.so.0" by default); an empty name
    // restores the default. Changing it drops the loaded functions for handles made later.
    static void setLibraryName(const QString &fileName);
    static QString libraryName();

    struct Api; // the loaded library's functions

private:
    const Api *m_api = nullptr;
    void *m_handle = nullptr;
};

} // namespace Platform

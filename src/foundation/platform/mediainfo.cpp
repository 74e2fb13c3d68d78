#include "foundation/platform/mediainfo.h"

#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <cstddef>
#include <dlfcn.h>
#include <map>
#include <memory>
#include <string>

namespace Platform {

// The library's C interface in its wide-character form. Stream and info kinds are C enums
// (int-sized); 0 is the general stream / the name of a parameter, 1 the video stream / its text.
struct MediaInfo::Api
{
    using NewFn = void *(*)();
    using DeleteFn = void (*)(void *);
    using OpenFn = size_t (*)(void *, const wchar_t *);
    using CloseFn = void (*)(void *);
    using GetFn = const wchar_t *(*)(void *, int streamKind, size_t streamNumber, const wchar_t *parameter,
                                     int infoKind, int searchKind);
    using OptionFn = const wchar_t *(*)(void *, const wchar_t *option, const wchar_t *value);

    NewFn create = nullptr;
    DeleteFn destroy = nullptr;
    OpenFn open = nullptr;
    CloseFn close = nullptr;
    GetFn get = nullptr;
    OptionFn option = nullptr;
};

namespace {

const char *const kDefaultLibrary = "libmediainfo.so.0";
const int kInfoName = 0;
const int kInfoText = 1;

QMutex loaderMutex;
QString libraryNameOverride;
// Loaded libraries stay loaded: handles made from them may outlive a change of the name.
// A failed load is kept as a null entry, so a missing library is not searched for every video.
std::map<QString, std::unique_ptr<const MediaInfo::Api>> loadedApis;

template <typename Fn>
bool resolve(void *library, const char *symbol, Fn &target)
{
    target = reinterpret_cast<Fn>(dlsym(library, symbol));
    return target != nullptr;
}

std::wstring wide(const QString &text)
{
    return text.toStdWString();
}

QString fromWide(const wchar_t *text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

QString currentLibraryName()
{
    return libraryNameOverride.isEmpty() ? QString::fromLatin1(kDefaultLibrary) : libraryNameOverride;
}

} // namespace

// Loads the library named now, once per name; null when it or one of its functions is missing.
static const MediaInfo::Api *loadApi()
{
    QMutexLocker lock(&loaderMutex);
    const QString name = currentLibraryName();
    const auto it = loadedApis.find(name);
    if (it != loadedApis.end())
        return it->second.get();

    std::unique_ptr<MediaInfo::Api> api;
    void *library = dlopen(QFile::encodeName(name).constData(), RTLD_NOW | RTLD_LOCAL);
    if (library) {
        api.reset(new MediaInfo::Api);
        const bool complete = resolve(library, "MediaInfo_New", api->create)
                              && resolve(library, "MediaInfo_Delete", api->destroy)
                              && resolve(library, "MediaInfo_Open", api->open)
                              && resolve(library, "MediaInfo_Close", api->close)
                              && resolve(library, "MediaInfo_Get", api->get)
                              && resolve(library, "MediaInfo_Option", api->option);
        if (!complete) {
            api.reset();
            dlclose(library);
        }
    }
    const MediaInfo::Api *result = api.get();
    loadedApis.emplace(name, std::move(api));
    return result;
}

MediaInfo::MediaInfo()
    : m_api(loadApi())
{
    if (m_api)
        m_handle = m_api->create();
}

MediaInfo::~MediaInfo()
{
    if (m_handle) {
        m_api->close(m_handle);
        m_api->destroy(m_handle);
    }
}

QString MediaInfo::option(const QString &name, const QString &value)
{
    if (!m_handle)
        return QString();
    const std::wstring n = wide(name);
    const std::wstring v = wide(value);
    return fromWide(m_api->option(m_handle, n.c_str(), v.c_str()));
}

bool MediaInfo::open(const QString &path)
{
    if (!m_handle)
        return false;
    const std::wstring p = wide(path);
    return m_api->open(m_handle, p.c_str()) != 0;
}

QString MediaInfo::get(Stream stream, int number, const QString &parameter) const
{
    if (!m_handle || number < 0)
        return QString();
    const std::wstring p = wide(parameter);
    return fromWide(m_api->get(m_handle, static_cast<int>(stream), static_cast<size_t>(number), p.c_str(),
                               kInfoText, kInfoName));
}

void MediaInfo::close()
{
    if (m_handle)
        m_api->close(m_handle);
}

bool MediaInfo::libraryAvailable()
{
    return loadApi() != nullptr;
}

void MediaInfo::setLibraryName(const QString &fileName)
{
    QMutexLocker lock(&loaderMutex);
    libraryNameOverride = fileName;
}

QString MediaInfo::libraryName()
{
    QMutexLocker lock(&loaderMutex);
    return currentLibraryName();
}

} // namespace Platform

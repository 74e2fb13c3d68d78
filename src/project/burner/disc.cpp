#include "project/burner/disc.h"
#include "project/burner/disc_p.h"

#include <QCoreApplication>
#include <QMutex>
#include <QStringList>
#include <QtDebug>

#include <cstdint>
#include <cstdlib>
#include <libburn/libburn.h>
#include <libisofs/libisofs.h>

using namespace burn;

namespace {

struct LayerState
{
    QMutex library;  // around calls into the libraries' shared state
    QMutex settings; // around the file drives and the read hook
    bool initialised = false;
    QStringList fileDrives;
    Disc::ReadHook readHook;
};

LayerState &layer()
{
    static LayerState state;
    return state;
}

void shutDownLibraries()
{
    QMutexLocker lock(&layer().library);
    if (!layer().initialised)
        return;
    burn_finish();
    iso_finish();
    layer().initialised = false;
}

int severityRank(const char *name)
{
    int rank = 0;
    burn_text_to_sev(const_cast<char *>(name), &rank, 0);
    return rank;
}

// libburn calls the fields of a source it did not make through these, so the hooked source
// keeps what it wraps in its data.
struct HookedSource
{
    burn::burn_source *image = nullptr;
    Disc::ReadHook hook;
    qint64 sectorsRead = 0;
};

HookedSource *hooked(burn::burn_source *source)
{
    return static_cast<HookedSource *>(source->data);
}

int readHooked(burn::burn_source *source, unsigned char *buffer, int size)
{
    HookedSource *h = hooked(source);
    if (h->hook && !h->hook(h->sectorsRead))
        return -1;
    burn::burn_source *image = h->image;
    const int got = image->read ? image->read(image, buffer, size)
                                : image->read_xt(image, buffer, size);
    if (got > 0)
        h->sectorsRead += got / 2048;
    return got;
}

off_t sizeOfHooked(burn::burn_source *source)
{
    burn::burn_source *image = hooked(source)->image;
    return image->get_size(image);
}

int setSizeOfHooked(burn::burn_source *source, off_t size)
{
    burn::burn_source *image = hooked(source)->image;
    return image->set_size(image, size);
}

int cancelHooked(burn::burn_source *source)
{
    // The image is produced by a thread of libisofs that waits for its reader; it has to be
    // told when libburn stops reading early, or it would wait for ever.
    burn::burn_source *image = hooked(source)->image;
    if (image->read == nullptr && image->version >= 1 && image->cancel)
        image->cancel(image);
    return 1;
}

void freeHooked(burn::burn_source *source)
{
    HookedSource *h = hooked(source);
    burn_source_free(h->image);
    delete h;
}

} // namespace

namespace Disc {

QString failureText(const Failure &failure)
{
    const bool namesTooLong = failure.code == static_cast<qint32>(ISO_RR_NAME_TOO_LONG)
                              || failure.code == static_cast<qint32>(ISO_RR_PATH_TOO_LONG);
    const QString hint = namesTooLong
                             ? QCoreApplication::translate(
                                 "DVDDialog",
                                 "Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.")
                             : QString();
    return QStringLiteral("DVDDialog fails with \"%1\". Result: %2\n\n%3")
        .arg(failure.label)
        .arg(long(failure.code), 0, 16)
        .arg(hint);
}

void addFileDrive(const QString &address)
{
    QMutexLocker lock(&layer().settings);
    if (!layer().fileDrives.contains(address))
        layer().fileDrives << address;
}

void removeFileDrives()
{
    QMutexLocker lock(&layer().settings);
    layer().fileDrives.clear();
}

namespace Internal {

QStringList fileDrives()
{
    QMutexLocker lock(&layer().settings);
    return layer().fileDrives;
}

} // namespace Internal

void setReadHook(ReadHook hook)
{
    QMutexLocker lock(&layer().settings);
    layer().readHook = std::move(hook);
}

void milestone(const char *function, const char *file, int line, const QString &note)
{
    // The source path as it sits below src/, without its ending: "project/burner/burner".
    QString source = QString::fromUtf8(file);
    const int src = source.lastIndexOf(QLatin1String("/src/"));
    if (src >= 0)
        source = source.mid(src + 5);
    const int dot = source.lastIndexOf(QLatin1Char('.'));
    if (dot > source.lastIndexOf(QLatin1Char('/')))
        source.truncate(dot);
    qDebug().noquote() << QStringLiteral("MILESTONE: %1 | FILE: %2 | LINE: %3 %4")
                              .arg(QLatin1String(function), source, QString::number(line), note)
                              .trimmed();
}

namespace Internal {

QMutex &libraryMutex()
{
    return layer().library;
}

bool initialise(const char *label, Failure *failure)
{
    QMutexLocker lock(&layer().library);
    if (layer().initialised)
        return true;
    // Bit 0: leave the process locale alone. Names are handed over as Qt encodes file names,
    // UTF-8, whatever the locale says.
    const int isoResult = iso_init_with_flag(1);
    if (isoResult < 0)
        return fail(failure, label, isoResult);
    iso_set_local_charset(const_cast<char *>("UTF-8"), 0);
    // A file that cannot be read while the image is produced ends the write, instead of
    // landing on the disc as zeros behind a report of success.
    iso_set_abort_severity(const_cast<char *>("MISHAP"));
    if (!burn_initialize()) {
        iso_finish();
        return fail(failure, label, 0);
    }
    // One queue for both libraries, read by takeMessages(). Notes and worse are kept for the
    // debug log; nothing is printed to the terminal.
    burn_set_messenger(iso_get_messenger());
    burn_msgs_set_severities(const_cast<char *>("NOTE"), const_cast<char *>("NEVER"),
                             const_cast<char *>("ZOZOrure: "));
    layer().initialised = true;
    static bool shutDownRegistered = false;
    if (!shutDownRegistered && QCoreApplication::instance()) {
        qAddPostRoutine(shutDownLibraries);
        shutDownRegistered = true;
    }
    return true;
}

qint32 takeMessages()
{
    static const int sorry = severityRank("SORRY");
    int worst = -1;
    qint32 worstCode = 0;
    int code = 0;
    int osErrno = 0;
    char text[BURN_MSGS_MESSAGE_LEN];
    char severity[80];
    while (burn_msgs_obtain(const_cast<char *>("ALL"), &code, text, &osErrno, severity) > 0) {
        qDebug("disc: %s 0x%x %s", severity, unsigned(code), text);
        const int rank = severityRank(severity);
        if (rank >= sorry && rank >= worst) {
            worst = rank;
            worstCode = code;
        }
    }
    return worstCode;
}

bool fail(Failure *failure, const char *label, qint32 code)
{
    qDebug("disc: \"%s\" failed with %d", label, code);
    if (failure && !failure->failed()) {
        failure->label = QLatin1String(label);
        failure->code = code;
    }
    return false;
}

burn::burn_source *hookedSource(burn::burn_source *image)
{
    auto *data = new HookedSource;
    data->image = image;
    ++image->refcount;
    {
        QMutexLocker lock(&layer().settings);
        data->hook = layer().readHook;
    }
    // libburn frees a source with free() once its last reference goes.
    auto *source = static_cast<burn::burn_source *>(std::calloc(1, sizeof(burn::burn_source)));
    source->refcount = 1;
    source->version = 1;
    source->read = nullptr;
    source->read_xt = readHooked;
    source->get_size = sizeOfHooked;
    source->set_size = setSizeOfHooked;
    source->cancel = cancelHooked;
    source->free_data = freeHooked;
    source->data = data;
    return source;
}

} // namespace Internal
} // namespace Disc

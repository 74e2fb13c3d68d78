#include "project/burner/discdrive.h"
#include "project/burner/disc_p.h"

#include <QFile>
#include <QThread>
#include <QtDebug>

#include <cerrno>
#include <libburn/libburn.h>

using namespace burn;

using Disc::DriveProgress;
using Disc::Failure;
using Disc::Medium;
using Disc::MediumState;
using namespace Disc::Internal;

namespace {

QString fixedText(const char *text, int size)
{
    return QString::fromLatin1(text, int(qstrnlen(text, uint(size)))).simplified();
}

// A step that failed inside another one is reported under the outer step's label.
void relabel(Failure *target, const Failure &inner, const char *label)
{
    if (target && !target->failed()) {
        target->label = QLatin1String(label);
        target->code = inner.code;
    }
}

DriveProgress::Phase phaseOf(burn_drive_status status)
{
    switch (status) {
    case BURN_DRIVE_IDLE:
        return DriveProgress::Phase::Idle;
    case BURN_DRIVE_WRITING:
        return DriveProgress::Phase::Data;
    case BURN_DRIVE_WRITING_LEADIN:
    case BURN_DRIVE_WRITING_PREGAP:
        return DriveProgress::Phase::LeadIn;
    case BURN_DRIVE_WRITING_LEADOUT:
    case BURN_DRIVE_CLOSING_TRACK:
    case BURN_DRIVE_CLOSING_SESSION:
        return DriveProgress::Phase::Closing;
    default:
        return DriveProgress::Phase::Other;
    }
}

} // namespace

namespace Disc {

QList<Recorder> recorders(Failure *failure)
{
    if (!initialise("CoCreateInstance MsftDiscMaster2", failure))
        return {};
    QList<Recorder> list;
    {
        Lock lock(&libraryMutex());
        burn_drive_info *infos = nullptr;
        unsigned int count = 0;
        int scanned = 0;
        while ((scanned = burn_drive_scan(&infos, &count)) == 0)
            QThread::msleep(1);
        const qint32 message = takeMessages();
        if (scanned < 0) {
            fail(failure, "discMaster->get__NewEnum", message ? message : scanned);
            return {};
        }
        bool allAddressed = true;
        for (unsigned int i = 0; i < count; ++i) {
            char address[BURN_DRIVE_ADR_LEN] = {};
            if (burn_drive_d_get_adr(infos[i].drive, address) <= 0) {
                allAddressed = false;
                continue;
            }
            list << Recorder{QFile::decodeName(address),
                             fixedText(infos[i].vendor, sizeof infos[i].vendor),
                             fixedText(infos[i].product, sizeof infos[i].product)};
        }
        // A scan keeps every drive it found open; give them back, so that other programs can
        // use them until a burn really starts.
        for (unsigned int i = 0; i < count; ++i)
            burn_drive_info_forget(&infos[i], 0);
        if (infos)
            burn_drive_info_free(infos);
        takeMessages();
        if (!allAddressed) {
            fail(failure, "discRecorders->InitializeDiscRecorder", 0);
            return {};
        }
    }
    for (const QString &address : fileDrives()) {
        DiscDrive drive;
        Failure grabFailure;
        if (!drive.grab(address, false, &grabFailure)) {
            relabel(failure, grabFailure, "discRecorders->InitializeDiscRecorder");
            return {};
        }
        list << Recorder{address, drive.vendor(), drive.product()};
    }
    return list;
}

Medium medium(const QString &uniqueId, Failure *failure)
{
    DiscDrive drive;
    Failure grabFailure;
    if (!drive.grab(uniqueId, false, &grabFailure)) {
        relabel(failure, grabFailure, "discRecorder->InitializeDiscRecorder");
        return {};
    }
    return drive.medium(failure);
}

} // namespace Disc

DiscDrive::DiscDrive(bool ejectWhenReleased)
    : m_ejectWhenReleased(ejectWhenReleased)
{
}

DiscDrive::~DiscDrive()
{
    release(m_ejectWhenReleased);
}

bool DiscDrive::grab(const QString &uniqueId, bool load, Failure *failure)
{
    if (!initialise("discRecorder->InitializeDiscRecorder", failure))
        return false;
    release(false);
    Lock lock(&libraryMutex());
    QByteArray address = QFile::encodeName(uniqueId);
    burn_drive_info *info = nullptr;
    const int result = burn_drive_scan_and_grab(&info, address.data(), load ? 1 : 0);
    const qint32 message = takeMessages();
    if (result > 0) {
        m_info = info;
        return true;
    }
    // 0: the address names no drive; below 0: there is one, but it cannot be taken.
    return fail(failure,
                result == 0 ? "discRecorder->InitializeDiscRecorder"
                            : "discRecorder->AcquireExclusiveAccess",
                message ? message : result);
}

QString DiscDrive::vendor() const
{
    return m_info ? fixedText(m_info->vendor, sizeof m_info->vendor) : QString();
}

QString DiscDrive::product() const
{
    return m_info ? fixedText(m_info->product, sizeof m_info->product) : QString();
}

int DiscDrive::discStatus()
{
    burn_drive *drive = m_info->drive;
    burn_disc_status status = burn_disc_get_status(drive);
    // A drive that has just been taken may still be finding out what it holds.
    for (int tries = 0; status == BURN_DISC_UNREADY && tries < 50; ++tries) {
        QThread::msleep(100);
        status = burn_disc_get_status(drive);
    }
    return status;
}

Medium DiscDrive::medium(Failure *failure)
{
    const char *label = "discWriter->get_CurrentMediaStatus";
    Medium medium;
    if (!m_info) {
        fail(failure, label, BURN_DISC_UNGRABBED);
        return medium;
    }
    Lock lock(&libraryMutex());
    const int status = discStatus();
    const qint32 message = takeMessages();
    switch (status) {
    case BURN_DISC_BLANK:
        medium.state = MediumState::Blank;
        break;
    case BURN_DISC_FULL:
        medium.state = MediumState::Full;
        break;
    case BURN_DISC_EMPTY:
        medium.state = MediumState::None;
        break;
    case BURN_DISC_UNGRABBED:
        fail(failure, label, message ? message : status);
        return medium;
    default:
        medium.state = MediumState::Other;
        break;
    }
    int profile = 0;
    char profileName[80] = {};
    if (burn_disc_get_profile(m_info->drive, &profile, profileName) > 0)
        medium.profile = profile;
    if (medium.state == MediumState::Blank)
        medium.freeSectors = burn_disc_available_space(m_info->drive, nullptr) / 2048;
    takeMessages();
    return medium;
}

bool DiscDrive::requireBlank(Failure *failure)
{
    const char *label = "img->ChooseImageDefaults";
    if (!m_info)
        return fail(failure, label, BURN_DISC_UNGRABBED);
    Lock lock(&libraryMutex());
    const int status = discStatus();
    const qint32 message = takeMessages();
    if (status != BURN_DISC_BLANK)
        return fail(failure, label, message ? message : status);
    return true;
}

bool DiscDrive::prepareWrite(burn_source *image, Failure *failure)
{
    freeWrite();
    if (!m_info)
        return fail(failure, "resultImage->get_ImageStream", BURN_DISC_UNGRABBED);
    Lock lock(&libraryMutex());
    m_source = hookedSource(image);
    m_disc = burn_disc_create();
    m_session = burn_session_create();
    m_track = burn_track_create();
    burn_track_define_data(m_track, 0, 0, 1, BURN_MODE1);
    const int source = burn_track_set_source(m_track, m_source);
    if (source != BURN_SOURCE_OK || !burn_session_add_track(m_session, m_track, BURN_POS_END)
        || !burn_disc_add_session(m_disc, m_session, BURN_POS_END)) {
        const qint32 message = takeMessages();
        return fail(failure, "resultImage->get_ImageStream", message ? message : source);
    }
    m_options = burn_write_opts_new(m_info->drive);
    if (!m_options)
        return fail(failure, "CoCreateInstance MsftDiscFormat2Data", takeMessages());
    // One session, and the disc is closed after it: it is handed on, not added to later.
    burn_write_opts_set_multi(m_options, 0);
    burn_write_opts_set_underrun_proof(m_options, 1);
    burn_write_opts_set_simulate(m_options, 0);
    return true;
}

bool DiscDrive::write(const ProgressFunction &progress, int pollMs, Failure *failure)
{
    const char *label = "discWriter->Write";
    if (!m_options)
        return fail(failure, label, 0);
    burn_drive *drive = m_info->drive;
    {
        Lock lock(&libraryMutex());
        char reasons[BURN_REASONS_LEN] = {};
        if (burn_write_opts_auto_write_type(m_options, m_disc, reasons, 0) == BURN_WRITE_NONE) {
            qDebug("disc: the medium cannot be written: %s", reasons);
            const qint32 message = takeMessages();
            return fail(failure, label, message ? message : BURN_WRITE_NONE);
        }
        // A drive would write what fits and fail at the end of the medium, spoiling a disc
        // that cannot be written again; an image that is too large is refused beforehand.
        const off_t needed = m_source->get_size(m_source);
        const off_t available = burn_disc_available_space(drive, m_options);
        if (needed > available) {
            qDebug("disc: the image needs %lld bytes, the medium holds %lld", qint64(needed),
                   qint64(available));
            takeMessages();
            return fail(failure, label, ENOSPC);
        }
        burn_disc_write(m_options, m_disc);
    }
    // libburn writes in a thread of its own; watch the drive until it is idle again.
    while (burn_drive_get_status(drive, nullptr) == BURN_DRIVE_SPAWNING)
        QThread::msleep(10);
    for (;;) {
        burn_progress state{};
        const burn_drive_status status = burn_drive_get_status(drive, &state);
        if (status == BURN_DRIVE_IDLE)
            break;
        DriveProgress now;
        now.phase = phaseOf(status);
        now.startSector = state.start_sector;
        now.sectors = state.sectors;
        now.sector = state.sector; // libburn counts it from the start of the write
        progress(now);
        QThread::msleep(pollMs);
    }
    Lock lock(&libraryMutex());
    const qint32 message = takeMessages();
    if (!burn_drive_wrote_well(drive))
        return fail(failure, label, message);
    return true;
}

void DiscDrive::freeWrite()
{
    Lock lock(&libraryMutex());
    if (m_options)
        burn_write_opts_free(m_options);
    if (m_disc)
        burn_disc_free(m_disc);
    if (m_session)
        burn_session_free(m_session);
    if (m_track)
        burn_track_free(m_track);
    if (m_source) {
        // Ends the thread that produces the image, should the write have stopped early.
        m_source->cancel(m_source);
        burn_source_free(m_source);
    }
    m_options = nullptr;
    m_disc = nullptr;
    m_session = nullptr;
    m_track = nullptr;
    m_source = nullptr;
}

void DiscDrive::release(bool eject)
{
    if (!m_info)
        return;
    freeWrite();
    Lock lock(&libraryMutex());
    burn_drive_release(m_info->drive, eject ? 1 : 0);
    burn_drive_info_free(m_info);
    m_info = nullptr;
    takeMessages();
}

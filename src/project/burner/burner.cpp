#include "project/burner/burner.h"

#include "project/burner/disc_p.h"
#include "project/burner/discdrive.h"
#include "project/burner/disceventreceiver.h"
#include "project/burner/discimage.h"
#include "project/burner/sleepinhibitor.h"

#include <QElapsedTimer>

namespace {

// How often the drive is asked where the write stands: often enough for a smooth bar, rarely
// enough to cost the drive nothing.
constexpr int kPollMs = 250;

} // namespace

#define STEP(note) DISC_MILESTONE("Burner::run", QStringLiteral(note))

Burner::Burner(QObject *parent)
    : QThread(parent)
{
}

Burner::~Burner()
{
    wait();
}

void Burner::setup(const QString &recorderId, const QString &name, const QStringList &paths)
{
    m_recorderId = recorderId;
    m_volumeName = name;
    m_paths = paths;
    m_ready = true;
}

void Burner::run()
{
    Q_ASSERT(m_ready);
    if (!m_ready)
        return;
    Disc::Failure failure;
    if (!burn(&failure))
        emit error(Disc::failureText(failure));
    m_ready = false;
}

bool Burner::burn(Disc::Failure *failure)
{
    // The drive is given back (and the medium ejected) when this returns, on every path.
    DiscDrive drive(/*ejectWhenReleased=*/true);
    DiscImage image;

    STEP("Instance created");
    if (!Disc::Internal::initialise("CoCreateInstance MsftDiscRecorder2", failure))
        return false;
    STEP("");
    STEP("Get exclusive access to burner");
    if (!drive.grab(m_recorderId, /*load=*/true, failure))
        return false;
    STEP("Create file system interface instance");
    if (!image.create(failure))
        return false;
    STEP("Adjust to media");
    if (!drive.requireBlank(failure))
        return false;
    STEP("Adjust type");
    if (!image.chooseFileSystems(failure))
        return false;
    STEP("get Root");
    if (!image.root(failure))
        return false;
    STEP("Write file system");
    for (const QString &path : qAsConst(m_paths)) {
        if (!image.addTree(path, failure))
            return false;
    }
    STEP("");
    image.setVolumeName(m_volumeName);
    burn::burn_source *stream = image.createResultImage(failure);
    if (!stream || !drive.prepareWrite(stream, failure))
        return false;

    STEP("");
    DiscEventReceiver receiver;
    connect(&receiver, &DiscEventReceiver::updateData, this, &Burner::updateData,
            Qt::DirectConnection);
    bool written = false;
    {
        STEP("");
        KeepAwake keepAwake;
        QElapsedTimer clock;
        clock.start();
        const auto report = [&](const Disc::DriveProgress &progress) {
            receiver.update(progress, clock.elapsed());
        };
        written = drive.write(report, kPollMs, failure);
    }
    if (!written)
        return false;

    STEP("");
    drive.release(/*eject=*/true);
    STEP("RELEASE");
    return true;
}

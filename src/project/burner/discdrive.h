#pragma once

#include "project/burner/disc.h"

#include <functional>

namespace burn {
struct burn_disc;
struct burn_drive_info;
struct burn_session;
struct burn_source;
struct burn_track;
struct burn_write_opts;
} // namespace burn

namespace Disc {

// The optical drives of the system, then the file-backed drives added with addFileDrive().
// Empty, with *failure set, when the drives cannot be listed.
QList<Recorder> recorders(Failure *failure);

// What the medium in a drive is and how much can still be written to it. The drive is held only
// while it is looked at, and the tray is left as it is.
Medium medium(const QString &uniqueId, Failure *failure);

} // namespace Disc

// One drive, held for this program alone from grab() until release() or destruction. Writes one
// image as one closed session.
class DiscDrive
{
public:
    using ProgressFunction = std::function<void(const Disc::DriveProgress &)>;

    // With ejectWhenReleased, the destructor ejects the medium as it gives the drive back.
    explicit DiscDrive(bool ejectWhenReleased = false);
    ~DiscDrive();
    DiscDrive(const DiscDrive &) = delete;
    DiscDrive &operator=(const DiscDrive &) = delete;

    // Finds the drive ("discRecorder->InitializeDiscRecorder") and takes it
    // ("discRecorder->AcquireExclusiveAccess"). With load, a closed tray is pulled in.
    bool grab(const QString &uniqueId, bool load, Disc::Failure *failure);
    bool isGrabbed() const { return m_info != nullptr; }
    QString vendor() const;
    QString product() const;

    // The medium now in the drive ("discWriter->get_CurrentMediaStatus").
    Disc::Medium medium(Disc::Failure *failure);
    // "img->ChooseImageDefaults": only a blank medium is written.
    bool requireBlank(Disc::Failure *failure);

    // Hands the image over as the one data track of the disc ("resultImage->get_ImageStream")
    // and sets up the write ("CoCreateInstance MsftDiscFormat2Data"): the disc is closed after
    // it. Takes its own reference of image.
    bool prepareWrite(burn::burn_source *image, Disc::Failure *failure);
    // "discWriter->Write": writes the prepared image and returns when the drive is done. An image
    // that does not fit on the medium is refused before anything is written. progress is called
    // about every pollMs with where the drive stands.
    bool write(const ProgressFunction &progress, int pollMs, Disc::Failure *failure);

    // Gives the drive back; with eject, the medium comes out.
    void release(bool eject);

private:
    int discStatus();
    void freeWrite();

    burn::burn_drive_info *m_info = nullptr;
    burn::burn_disc *m_disc = nullptr;
    burn::burn_session *m_session = nullptr;
    burn::burn_track *m_track = nullptr;
    burn::burn_source *m_source = nullptr;
    burn::burn_write_opts *m_options = nullptr;
    bool m_ejectWhenReleased = false;
};

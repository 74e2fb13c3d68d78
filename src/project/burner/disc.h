#pragma once

#include <QList>
#include <QString>

#include <functional>

// The few things disc burning needs of libburn (drives, media, writing) and libisofs (the disc
// image), kept behind one small layer. Both libraries hold process-wide state: the layer
// initialises them once, on first use, serialises what touches their shared drive list and
// message queue, and shuts them down with the application.
//
// Every failing call is reported as the label of the step it belongs to and the code the library
// gave for it, so a failure always reads the same way to the user and to support.
namespace Disc {

struct Failure
{
    QString label;   // the failed step, e.g. "img->AddTree"; empty while nothing failed
    qint32 code = 0; // the library's code: a libisofs error, a libburn message code, or a result

    bool failed() const { return !label.isEmpty(); }
};

// The text shown to the user for a failure: label, code in hexadecimal (signed, as the library
// gives it) and, where names were too long for the disc, a hint at the project and inspection
// names.
QString failureText(const Failure &failure);

struct Recorder
{
    QString uniqueId; // the drive's address, which is also what grabbing it takes
    QString vendor;
    QString product;
};

enum class MediumState {
    None,  // no medium (or an open tray)
    Blank, // ready to be written from the start
    Full,  // closed: nothing more can be written
    Other  // written but still open, or not usable for writing
};

struct Medium
{
    MediumState state = MediumState::None;
    int profile = 0;        // MMC profile of the medium: 0 unknown, 0x08-0x0a CD, 0xffff a file
    qint64 freeSectors = 0; // 2048-byte blocks that can still be written

    // Unknown and CD media are measured in MB, DVD, BD and files in GB.
    bool measuredInMB() const { return profile < 0x10; }
};

// Where a running write stands, as the drive reports it.
struct DriveProgress
{
    enum class Phase {
        Idle,    // nothing is written (before the start, after the end)
        Other,   // preparing, calibrating, or anything else that writes no data
        LeadIn,  // lead-in and pre-gap
        Data,    // the image's sectors are written
        Closing  // lead-out, closing the track and the session
    };
    Phase phase = Phase::Idle;
    int startSector = 0; // the medium's address where the write began
    int sectors = 0;     // sectors of the image being written; 0 until the drive knows
    int sector = 0;      // sectors written since the write began
};

// File-backed drives ("stdio:/path/to/image.iso"), listed after the system's optical drives. A
// written file holds the disc image as it would be on a disc.
void addFileDrive(const QString &address);
void removeFileDrives();

// Called from libburn's writing thread before each sector of the image is handed to the drive,
// with the number of sectors handed over so far; false makes reading the image fail there. It
// lets a write be slowed down or broken off at a chosen point. An empty hook removes it.
using ReadHook = std::function<bool(qint64 sectorsRead)>;
void setReadHook(ReadHook hook);

// Writes a trace line "MILESTONE: <function> | FILE: <source> | LINE: <line>" and the note, so
// that the debug log shows how far a burn came.
void milestone(const char *function, const char *file, int line, const QString &note = QString());

} // namespace Disc

#define DISC_MILESTONE(function, note) Disc::milestone(function, __FILE__, __LINE__, note)

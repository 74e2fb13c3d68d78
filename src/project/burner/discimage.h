#pragma once

#include "project/burner/disc.h"

#include <QStringList>

struct Iso_Dir;
struct Iso_Image;
struct iso_write_opts;
namespace burn {
struct burn_source;
}

// The file system of a disc: ISO 9660 with Rock Ridge (long names and attributes for Unix-like
// systems) and Joliet (long names for Windows), built by libisofs from folders on disk. Each step
// reports its failure under its own label.
class DiscImage
{
public:
    DiscImage();
    ~DiscImage();
    DiscImage(const DiscImage &) = delete;
    DiscImage &operator=(const DiscImage &) = delete;

    // "CoCreateInstance MsftFileSystemImage": a new, empty image.
    bool create(Disc::Failure *failure);
    // "img->put_FileSystemsToCreate": the file systems and options the image is written with.
    bool chooseFileSystems(Disc::Failure *failure);
    // "img->get_Root": the image has a root to add to.
    bool root(Disc::Failure *failure);
    // "img->AddTree": adds the contents of folder (not the folder itself) at the image root.
    // Folders of the same name are merged; a file whose path is already taken fails, as does a
    // name too long for the disc or a folder that cannot be read.
    bool addTree(const QString &folder, Disc::Failure *failure);
    // "img->put_VolumeName": the disc's name. It is cut where the file systems end it: after
    // 32 characters for ISO 9660 and 16 for Joliet.
    void setVolumeName(const QString &name);
    // "img->get_UsedBlocks": the size of the image in 2048-byte blocks, -1 on failure.
    qint64 usedBlocks(Disc::Failure *failure);
    // "img->CreateResultImage": starts producing the image for libburn to read. The source
    // stays the image's: whoever keeps it longer takes a reference of their own. Null on failure.
    burn::burn_source *createResultImage(Disc::Failure *failure);

    // The size in blocks of the image that holds the contents of all folders; -1 on failure.
    static qint64 blocksOf(const QStringList &folders, Disc::Failure *failure);

private:
    bool addEntries(const QString &folder, Iso_Dir *parent, Disc::Failure *failure);
    burn::burn_source *startWriting(bool sizeOnly, Disc::Failure *failure);

    Iso_Image *m_image = nullptr;
    iso_write_opts *m_options = nullptr;
    burn::burn_source *m_result = nullptr;
};

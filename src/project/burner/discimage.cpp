#include "project/burner/discimage.h"
#include "project/burner/disc_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <libburn/libburn.h>
#include <libisofs/libisofs.h>

using Disc::Failure;
using namespace Disc::Internal;

namespace {

constexpr qint32 code(unsigned int isoError)
{
    return static_cast<qint32>(isoError);
}

} // namespace

DiscImage::DiscImage() = default;

DiscImage::~DiscImage()
{
    Lock lock(&libraryMutex());
    if (m_result) {
        // Ends the thread producing the image, should nobody have read it to the end.
        m_result->cancel(m_result);
        burn::burn_source_free(m_result);
    }
    if (m_options)
        iso_write_opts_free(m_options);
    if (m_image)
        iso_image_unref(m_image);
}

bool DiscImage::create(Failure *failure)
{
    const char *label = "CoCreateInstance MsftFileSystemImage";
    if (!initialise(label, failure))
        return false;
    Lock lock(&libraryMutex());
    const int result = iso_image_new("", &m_image);
    if (result < 0) {
        m_image = nullptr;
        return fail(failure, label, result);
    }
    // Names longer than the file system allows are refused rather than silently shortened, so
    // that what the user finds on the disc is what was exported.
    iso_image_set_truncate_mode(m_image, 0, 255);
    return true;
}

bool DiscImage::chooseFileSystems(Failure *failure)
{
    const char *label = "img->put_FileSystemsToCreate";
    if (!m_image)
        return fail(failure, label, code(ISO_NULL_POINTER));
    Lock lock(&libraryMutex());
    // Profile 2 ("distribution") writes Rock Ridge and Joliet with permissions everybody can
    // read, which suits a disc handed to a client; the files keep their own times.
    int result = iso_write_opts_new(&m_options, 2);
    if (result >= 0)
        result = iso_write_opts_set_iso_level(m_options, 3); // files above 4 GB (long videos)
    if (result >= 0)
        result = iso_write_opts_set_replace_timestamps(m_options, 0);
    if (result >= 0)
        result = iso_write_opts_set_joliet_longer_paths(m_options, 1);
    if (result >= 0)
        result = iso_write_opts_set_joliet_long_names(m_options, 1);
    if (result < 0)
        return fail(failure, label, result);
    return true;
}

bool DiscImage::root(Failure *failure)
{
    if (!m_image || !iso_image_get_root(m_image))
        return fail(failure, "img->get_Root", code(ISO_NULL_POINTER));
    return true;
}

bool DiscImage::addTree(const QString &folder, Failure *failure)
{
    if (!root(failure))
        return false;
    Lock lock(&libraryMutex());
    return addEntries(folder, iso_image_get_root(m_image), failure);
}

bool DiscImage::addEntries(const QString &folder, Iso_Dir *parent, Failure *failure)
{
    const char *label = "img->AddTree";
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists())
        return fail(failure, label, code(ISO_FILE_DOESNT_EXIST));
    if (!folderInfo.isDir())
        return fail(failure, label, code(ISO_FILE_IS_NOT_DIR));
    if (!folderInfo.isReadable() || !folderInfo.isExecutable())
        return fail(failure, label, code(ISO_FILE_ACCESS_DENIED));
    // Hidden files belong to what was exported as much as any other; links are written as
    // links (Rock Ridge) and never followed out of the folder.
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::DirsFirst);
    for (const QFileInfo &entry : entries) {
        const QByteArray path = QFile::encodeName(entry.absoluteFilePath());
        const QByteArray name = QFile::encodeName(entry.fileName());
        IsoNode *existing = nullptr;
        const int found = iso_image_dir_get_node(m_image, parent, name.constData(), &existing, 0);
        if (found < 0)
            return fail(failure, label, found);
        const bool folderEntry = entry.isDir() && !entry.isSymLink();
        if (found == 1 && !(folderEntry && iso_node_get_type(existing) == LIBISO_DIR))
            return fail(failure, label, code(ISO_NODE_NAME_NOT_UNIQUE));
        IsoNode *node = existing;
        if (found != 1) {
            const int added = iso_tree_add_node(m_image, parent, path.constData(), &node);
            if (added < 0)
                return fail(failure, label, added);
        }
        if (folderEntry
            && !addEntries(entry.absoluteFilePath(), reinterpret_cast<IsoDir *>(node), failure))
            return false;
    }
    return true;
}

void DiscImage::setVolumeName(const QString &name)
{
    if (!m_image)
        return;
    // libisofs makes the ISO 9660 name of it (upper case, 32 characters) and the Joliet one
    // (16 characters) itself.
    Lock lock(&libraryMutex());
    iso_image_set_volume_id(m_image, name.toUtf8().constData());
}

burn::burn_source *DiscImage::startWriting(bool sizeOnly, Failure *failure)
{
    const char *label = sizeOnly ? "img->get_UsedBlocks" : "img->CreateResultImage";
    if (!m_image || !m_options) {
        fail(failure, label, code(ISO_NULL_POINTER));
        return nullptr;
    }
    Lock lock(&libraryMutex());
    // Only the size is wanted: libisofs then starts no thread producing the image.
    iso_write_opts_set_will_cancel(m_options, sizeOnly ? 1 : 0);
    ::burn_source *produced = nullptr;
    const int result = iso_image_create_burn_source(m_image, m_options, &produced);
    if (result < 0) {
        takeMessages();
        fail(failure, label, result);
        return nullptr;
    }
    // libisofs declares the source libburn reads outside libburn's C++ namespace; it is the one
    // and the same C structure.
    return reinterpret_cast<burn::burn_source *>(produced);
}

qint64 DiscImage::usedBlocks(Failure *failure)
{
    burn::burn_source *source = startWriting(true, failure);
    if (!source)
        return -1;
    Lock lock(&libraryMutex());
    const qint64 bytes = source->get_size(source);
    source->cancel(source);
    burn::burn_source_free(source);
    takeMessages();
    return (bytes + 2047) / 2048;
}

burn::burn_source *DiscImage::createResultImage(Failure *failure)
{
    if (!m_result)
        m_result = startWriting(false, failure);
    return m_result;
}

qint64 DiscImage::blocksOf(const QStringList &folders, Failure *failure)
{
    DiscImage image;
    if (!image.create(failure) || !image.chooseFileSystems(failure) || !image.root(failure))
        return -1;
    for (const QString &folder : folders) {
        if (!image.addTree(folder, failure))
            return -1;
    }
    return image.usedBlocks(failure);
}

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class PrintElement;
class QSettings;

// One company's data for report headers and exports: name, address and contact blocks (HTML),
// logo, the designed letterhead (the serialised group element of its layout) and whether reports
// use that letterhead instead of the standard header.
class Firm
{
public:
    Firm() = default;

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QString contact() const { return m_contact; }
    void setContact(const QString &contact) { m_contact = contact; }
    QString address() const { return m_address; }
    void setAddress(const QString &address) { m_address = address; }
    QImage logo() const { return m_logo; }
    // A logo with more pixels than the stored company data can be read back with is scaled down
    // to that limit, its aspect kept, and the user is told.
    void setLogo(const QImage &logo);
    QByteArray custom() const { return m_custom; }
    // The letterhead as bytes serialised by PrintElement, taken as they are.
    void setCustom(const QByteArray &custom);
    // The designed letterhead; its pictures are scaled down as the logo is (see setLogo).
    void setLetterhead(const PrintElement &letterhead);
    bool useCustom() const { return m_useCustom; }
    void setUseCustom(bool useCustom) { m_useCustom = useCustom; }

    // The most pixels a picture of the company data may have: more cannot be read back.
    static qint64 maxPicturePixels();

    // Writes the record as a company file (".tks"): an INI file with the keys "Name", "Address",
    // "Contact", "Logo", "Custom" and "UseCustom" at top level. Replaces an existing file whole;
    // false when it could not be written (an existing file then stays as it was).
    bool exportFile(const QString &path) const;
    // Reads a company file into the record; missing keys give the defaults. False, with the
    // record unchanged, when the file cannot be read.
    bool importFile(const QString &path);

    // The six keys in the current group of settings.
    void writeKeys(QSettings &settings) const;
    // Reads the six keys. A logo or letterhead that cannot be read is reported and counts as none
    // (the designed letterhead is then not used); its bytes are written back as they were until
    // the user replaces it, so nothing is lost by saving.
    void readKeys(const QSettings &settings);

private:
    QString m_name;
    QString m_contact;
    QString m_address;
    QImage m_logo;
    QByteArray m_custom;
    bool m_useCustom = false;
    // The stored bytes of a logo or letterhead that could not be read.
    QByteArray m_unreadableLogo;
    QByteArray m_unreadableCustom;
};

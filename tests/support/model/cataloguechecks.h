#pragma once

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

// Checks of catalogue files in the EN layout (the EN 13508-2 files of every language, DWA-M 149-2,
// ISYBAU 2006), shared by the catalogue tests.
namespace CatalogueChecks {

QList<QDomElement> childElements(const QDomElement &parent);
QStringList childNames(const QDomElement &parent);
// The trimmed text of the first child element of that name.
QString childText(const QDomElement &parent, const QString &name);

// The layout problems of one catalogue file; empty when it is sound. An EN 13508-2 file must
// declare the language its name ends with ("EN_135082_fr.xml": "fr").
QStringList layoutProblems(const QByteArray &content, const QString &fileName);

// The codes and characterisations of an EN file, with their references, positions and flags,
// and the codes of its option lists: the same in every language.
QStringList codeTree(const QByteArray &content);

} // namespace CatalogueChecks

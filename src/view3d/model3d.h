#pragma once

#include "view3d/object3d.h"

// A textured model read from a model file (".tsobj"): an XML document whose "object" elements
// each become one mesh. Positions in the file are hundredths of a scene unit. Not stored: the
// viewer creates it.
class Model3D : public Object3D
{
    Q_OBJECT

public:
    explicit Model3D(const QString &fileName = QString());

    QString fileName() const { return m_fileName; }

    QDomElement domElement(QDomDocument &document) const override;
    void initFromDOMElement(const QDomElement &element) override;
    int type() const override { return 4; }
    // Loads the file. A missing file or an empty name changes nothing; a file that is no XML
    // leaves no meshes. An object whose positions are not whole triples or whose faces index
    // past its vertices is left out with a debug line.
    void buildGeometry() override;

    // The first count numbers of the text, each times factor; empty when the text has fewer.
    static QVector<float> readFloats(const QDomElement &element, float factor);
    static QVector<quint32> readIndices(const QDomElement &element);

private:
    QString m_fileName;
};

#pragma once

#include "view3d/object3d.h"

#include <memory>

// The straight distance between two points of the scene: a disc at each end, a bar with arrow
// heads between them and a label at the middle with the length in metres. The ends are
// absolute until the position (the middle, where frame and label sit) is set, relative to it
// afterwards. The mouse can neither move nor turn it.
class DimensionNote : public Object3D
{
    Q_OBJECT

public:
    DimensionNote();
    ~DimensionNote() override;

    Vector3D position() const { return m_position; }
    Vector3D ref1() const { return m_ref1; }
    Vector3D ref2() const { return m_ref2; }
    bool isPositionSet() const { return m_positionSet; }

    // Each setter rebuilds the meshes.
    void setRef1(const Vector3D &point);
    // Also sets the label to the distance between the ends, such as "3.50 m".
    void setRef2(const Vector3D &point);
    // Places the note at the middle between the ends.
    void centerPosition();
    // The frame moves to position, and the ends become relative to it.
    void setPosition(const Vector3D &position);
    // The user's own label text; it stays until the next setRef2.
    void setText(const QString &text);
    // The second end differs from the position.
    bool hasRef2() const;

    // The object's element with "Type" = "DimensionNote" and the children "Position", "Ref1"
    // and "Ref2" (the ends as held, relative once the position is set).
    QDomElement domElement(QDomDocument &document) const override;
    void initFromDOMElement(const QDomElement &element) override;
    int type() const override { return 3; }
    void drawLabelLine(double) override {}
    void buildGeometry() override;

private:
    bool showsEnd(const Vector3D &end) const;

    Vector3D m_position;
    Vector3D m_ref1;
    Vector3D m_ref2;
    bool m_positionSet = false;
    std::unique_ptr<WorldConstraint> m_constraint;
};

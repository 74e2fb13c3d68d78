#pragma once

#include "view3d/object3d.h"
#include "view3d/quaternion.h"

#include <QImage>

// The compass: a square showing the compass picture of the program's data folder, flat on the
// ground and turned by the site plan's north angle. The viewer keeps it out of the project file.
class WindRose3D : public Object3D
{
    Q_OBJECT

public:
    // Half the edge of the square, in scene units.
    explicit WindRose3D(double size = 0.03);

    double size() const { return m_size; }
    Quaternion rotation() const { return m_rotation; }
    QImage image() const { return m_image; }

    // Turns the square by angle (radians) about the downward axis; rebuilds only for a
    // rotation other than the present one.
    void setNorthAngle(double angle);
    // Multiplies the size by factor and rebuilds, unless that leaves the size as it is.
    void scale(double factor);

    int type() const override { return 3; }
    void buildGeometry() override;

private:
    QImage m_image;
    Vector3D m_axis = Vector3D(0, -1, 0);
    Quaternion m_rotation;
    double m_size;
};

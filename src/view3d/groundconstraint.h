#pragma once

#include <memory>

class System3D;
class WorldConstraint;

// Manholes and points stand upright (their meshes' local -z turned to world down) and the mouse
// moves them only within the ground plane. Returns the constraint, which the object keeps.
std::unique_ptr<WorldConstraint> placeOnGround(System3D *frame);
// A constraint that lets the mouse neither move nor turn the frame, which the object keeps.
std::unique_ptr<WorldConstraint> lockFrame(System3D *frame);

#pragma once
// Primitive builders of the machine scene. Each returns the new object's
// slot, or 0 when the pools are full (and then leaves no object behind).
#include "view3d/view_context.h"

namespace view3d {

// Box from (0,0,0) to the size; 8 vertices, 12 faces, no welding.
int BuildBox(ViewContext& view, const Vector3& size);
// Grid in the plane y = 0 over x 0..width and z 0..depth, facing +y (and -y when two-sided).
int BuildGrid(ViewContext& view, float width, float depth, int cellsAcross, int cellsDeep,
              bool twoSided);
// Closed cylinder about the y axis from y = 0 to y = length.
int BuildCylinder(ViewContext& view, float radius, float length, int segments);
// A segment drawn as a line: two vertices and one face that only carries the colour.
int BuildLine(ViewContext& view, const Vector3& from, const Vector3& to);

}  // namespace view3d

#pragma once
// The orbiting perspective camera, its projection onto the picture, and the
// shading by the lights (one white headlight in the machine view).
#include "view3d/view_context.h"

namespace view3d {

// Field of view from the utility object's DegreeToRadian(60); 0 when the table is full.
int CreateViewCamera(ViewContext& view);
// A white light; its position is set before every frame. 0 when the table is full.
int CreateViewLight(ViewContext& view);

// Puts the eye on the sphere of radius distance around the target, looking at it.
void OrbitCamera(ViewContext& view, int camera, const Vector3& target, float distance, float yaw,
                 float pitch);
// Rebuilds the world-to-view matrix when the camera moved.
void BuildViewMatrix(ViewContext& view, int camera);
// Perspective onto a surface of the given inner size in pixels: the 60 degree
// field spans the larger dimension, rows grow downward, depth 0 at Near, 1 at Far.
Matrix4 BuildProjection(const ViewContext& view, int camera, float width, float height);

// Lit colour of the face at point p with normal n (any length, world space).
ColourRGB ShadeColour(const ViewContext& view, const Vector3& p, const Vector3& n, int face,
                      int camera);

}  // namespace view3d

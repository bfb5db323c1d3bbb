#pragma once
// One frame of the machine view: view transform, projection, selection and
// back-to-front ordering of whole faces, painting in the camera's render
// mode, then the line objects on top. There is no depth buffer.
#include "view3d/pixel_buffer.h"
#include "view3d/view_context.h"

namespace view3d {

// Starts the object, camera and light lists at slot 1.
void InitView(ViewContext& view);
// The caller clears the surface first.
void RenderScene(ViewContext& view, PixelBuffer& surface, int camera);
// Fills DrawList (ended by a 0) and DepthKeys with the visible faces, farthest first.
void BuildDrawList(ViewContext& view, int camera);
void DrawScene(ViewContext& view, PixelBuffer& surface, int camera);

Vector3 FaceCentre(const ViewContext& view, int face);
// Not normalised: its length is twice the face's area.
Vector3 FaceNormal(const ViewContext& view, int face);

}  // namespace view3d

#pragma once
// Objects in the mesh pools: creation with first-fit runs, deletion, copies,
// clean-up of a mesh and placement. Slot 0 stands for "none" everywhere, and
// operations on slot 0 (a failed builder) change nothing.
#include <cstdint>

#include "view3d/view_context.h"

namespace view3d {

int NextObjectSlot(const ViewContext& view);
// First slot of a free run of n slots, or 0 when the pool cannot hold it.
int AllocateVertices(const ViewContext& view, int n);
int AllocateFaces(const ViewContext& view, int n);

int CreateMeshObject(ViewContext& view, int vertexCount, int faceCount);
void DeleteMeshObject(ViewContext& view, int slot);
int CloneMeshObject(ViewContext& view, int slot);
// Copies the object to the first runs that fit and deletes the original;
// returns its new slot, or 0 (the source unchanged) when the copy fails.
int RelocateMeshObject(ViewContext& view, int slot);

void RemoveVertex(ViewContext& view, int vertex, int replacement);
void RemoveFace(ViewContext& view, int face);
// Welds coincident vertices, drops unused vertices and broken or degenerate faces.
void OptimizeMeshObject(ViewContext& view, int slot);

void TransformMeshObject(ViewContext& view, int slot, const Matrix4& m);
void SetMeshColour(ViewContext& view, int slot, const ColourRGB& colour, float gloss);

// Deletes every object, camera and light but the ones to keep, last slot first.
void ClearScene(ViewContext& view, int keepObject, int keepCamera, int keepLight);

}  // namespace view3d

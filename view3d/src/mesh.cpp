#include "view3d/mesh.h"

#include <algorithm>

namespace view3d {
namespace {

bool IsUsedObject(const ViewContext& view, int slot) {
  return slot >= view.ObjectList.First && slot <= LastIndex(view.ObjectList) && slot > 0;
}

// First-fit over the runs that one member of the objects describes.
template <class RunOf>
int Allocate(const ViewContext& view, int n, RunOf run) {
  const int first = view.ObjectList.First, last = LastIndex(view.ObjectList);
  int end = 0;
  for (int i = first; i <= last; ++i) end = std::max(end, LastIndex(run(view.Objects[i])));
  if (n > 0) {
    for (int i = first; i <= last; ++i) {
      const int start = run(view.Objects[i]).First;
      int before = 0;
      for (int k = first; k <= last; ++k) {
        if (run(view.Objects[k]).First < start)
          before = std::max(before, LastIndex(run(view.Objects[k])));
      }
      if (start - (before + 1) >= n) return before + 1;
    }
  }
  // An empty run still needs a slot to start at inside the pool.
  const int slot = end + 1;
  return slot + std::max(n, 1) - 1 > kLastSlot ? 0 : slot;
}

const IndexRange& VertexRun(const MeshObject& o) { return o.Vertex; }
const IndexRange& FaceRun(const MeshObject& o) { return o.Face; }

template <class Run>
int OwnerOf(const ViewContext& view, int slot, Run run) {
  for (int i = view.ObjectList.First; i <= LastIndex(view.ObjectList); ++i) {
    const IndexRange& r = run(view.Objects[i]);
    if (i > 0 && r.Count > 0 && slot >= r.First && slot <= LastIndex(r)) return i;
  }
  return 0;
}

// Removes one record of a list kept as a contiguous run from First.
template <class T>
void DeleteRecord(std::vector<T>& table, IndexRange& list, int slot) {
  const int last = LastIndex(list);
  if (slot < list.First || slot > last || slot <= 0) return;
  std::move(table.begin() + slot + 1, table.begin() + last + 1, table.begin() + slot);
  table[last] = T{};
  --list.Count;
}

template <class T>
void ClearList(std::vector<T>& table, IndexRange& list, int keep) {
  for (int slot = LastIndex(list); slot >= list.First && slot > 0; --slot) {
    if (slot != keep) DeleteRecord(table, list, slot);
  }
}

bool UsesVertex(const MeshFace& f, int v) { return f.A == v || f.B == v || f.C == v; }

}  // namespace

int NextObjectSlot(const ViewContext& view) {
  const int slot = LastIndex(view.ObjectList) + 1;
  return slot > kLastSlot || slot <= 0 ? 0 : slot;
}

int AllocateVertices(const ViewContext& view, int n) { return Allocate(view, n, VertexRun); }

int AllocateFaces(const ViewContext& view, int n) { return Allocate(view, n, FaceRun); }

int CreateMeshObject(ViewContext& view, int vertexCount, int faceCount) {
  const int slot = NextObjectSlot(view);
  const int firstVertex = AllocateVertices(view, vertexCount);
  const int firstFace = AllocateFaces(view, faceCount);
  if (slot == 0 || firstVertex == 0 || firstFace == 0) return 0;
  view.Objects[slot].Vertex = {static_cast<std::int16_t>(firstVertex),
                               static_cast<std::int16_t>(vertexCount)};
  view.Objects[slot].Face = {static_cast<std::int16_t>(firstFace),
                             static_cast<std::int16_t>(faceCount)};
  ++view.ObjectList.Count;
  return slot;
}

void DeleteMeshObject(ViewContext& view, int slot) {
  DeleteRecord(view.Objects, view.ObjectList, slot);
}

int CloneMeshObject(ViewContext& view, int slot) {
  if (!IsUsedObject(view, slot)) return 0;
  const MeshObject source = view.Objects[slot];
  const int clone = CreateMeshObject(view, source.Vertex.Count, source.Face.Count);
  if (clone == 0) return 0;
  const MeshObject& target = view.Objects[clone];
  std::copy_n(view.Vertices.begin() + source.Vertex.First, source.Vertex.Count,
              view.Vertices.begin() + target.Vertex.First);
  const int shift = target.Vertex.First - source.Vertex.First;
  for (int i = 0; i < source.Face.Count; ++i) {
    MeshFace f = view.Faces[source.Face.First + i];
    f.A = static_cast<std::int16_t>(f.A + shift);
    f.B = static_cast<std::int16_t>(f.B + shift);
    f.C = static_cast<std::int16_t>(f.C + shift);
    view.Faces[target.Face.First + i] = f;
  }
  return clone;
}

int RelocateMeshObject(ViewContext& view, int slot) {
  const int clone = CloneMeshObject(view, slot);
  if (clone == 0) return 0;
  DeleteMeshObject(view, slot);
  return clone - 1;
}

void RemoveVertex(ViewContext& view, int vertex, int replacement) {
  const int owner = OwnerOf(view, vertex, VertexRun);
  if (owner == 0) return;
  MeshObject& o = view.Objects[owner];
  const int last = LastIndex(o.Vertex);
  std::move(view.Vertices.begin() + vertex + 1, view.Vertices.begin() + last + 1,
            view.Vertices.begin() + vertex);
  view.Vertices[last] = {};
  --o.Vertex.Count;
  for (int i = o.Face.First; i <= LastIndex(o.Face); ++i) {
    MeshFace& f = view.Faces[i];
    for (std::int16_t* corner : {&f.A, &f.B, &f.C}) {
      if (*corner == vertex) *corner = static_cast<std::int16_t>(replacement);
      if (*corner > vertex) --*corner;
    }
  }
}

void RemoveFace(ViewContext& view, int face) {
  const int owner = OwnerOf(view, face, FaceRun);
  if (owner == 0) return;
  MeshObject& o = view.Objects[owner];
  const int last = LastIndex(o.Face);
  std::move(view.Faces.begin() + face + 1, view.Faces.begin() + last + 1,
            view.Faces.begin() + face);
  view.Faces[last] = {};
  --o.Face.Count;
}

void OptimizeMeshObject(ViewContext& view, int slot) {
  if (!IsUsedObject(view, slot)) return;
  const MeshObject& o = view.Objects[slot];  // its runs shrink as we go
  const int firstVertex = o.Vertex.First;

  // Weld: every copy of a point merges into the cursor's vertex, which then
  // sits one slot lower, where the cursor looks next.
  for (int v = LastIndex(o.Vertex); v >= firstVertex; --v) {
    for (int w = firstVertex; w <= LastIndex(o.Vertex); ++w) {
      if (w != v && VecDistance(view.Vertices[w], view.Vertices[v]) < 0.0001f) {
        RemoveVertex(view, w, v);
        break;
      }
    }
  }
  for (int v = LastIndex(o.Vertex); v >= firstVertex; --v) {
    bool used = false;
    for (int f = o.Face.First; f <= LastIndex(o.Face) && !used; ++f)
      used = UsesVertex(view.Faces[f], v);
    if (!used) RemoveVertex(view, v, 0);
  }
  auto removeFacesWhere = [&](auto broken) {
    for (int f = LastIndex(o.Face); f >= o.Face.First; --f) {
      if (broken(view.Faces[f])) RemoveFace(view, f);
    }
  };
  removeFacesWhere([&](const MeshFace& f) {
    auto outside = [&](int v) { return v < o.Vertex.First || v > LastIndex(o.Vertex); };
    return outside(f.A) || outside(f.B) || outside(f.C);
  });
  removeFacesWhere([](const MeshFace& f) { return f.A == f.B || f.B == f.C || f.C == f.A; });
  removeFacesWhere([](const MeshFace& f) { return f.A == 0 || f.B == 0 || f.C == 0; });
}

void TransformMeshObject(ViewContext& view, int slot, const Matrix4& m) {
  if (!IsUsedObject(view, slot)) return;
  const IndexRange& run = view.Objects[slot].Vertex;
  for (int v = run.First; v <= LastIndex(run); ++v)
    view.Vertices[v] = TransformPoint(view.Vertices[v], m);
}

void SetMeshColour(ViewContext& view, int slot, const ColourRGB& colour, float gloss) {
  if (!IsUsedObject(view, slot)) return;
  const IndexRange& run = view.Objects[slot].Face;
  for (int f = run.First; f <= LastIndex(run); ++f) {
    view.Faces[f].Colour = colour;
    view.Faces[f].Gloss = gloss;
  }
}

void ClearScene(ViewContext& view, int keepObject, int keepCamera, int keepLight) {
  ClearList(view.Objects, view.ObjectList, keepObject);
  ClearList(view.Cameras, view.CameraList, keepCamera);
  ClearList(view.Lights, view.LightList, keepLight);
}

}  // namespace view3d

// Frame time of the machine scene in each render mode, at the view's size in
// the window (480 x 400) and at 800 x 600, and the time the same frame spends
// in the raster primitives alone (replayed from the frame's draw list).
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "bits/bits_object.h"
#include "view3d/interaction.h"
#include "view3d/machine_scene.h"
#include "view3d/raster.h"

namespace {

using namespace view3d;

struct Scene {
  // large: a 1200 x 600 x 1500 mm machine, which fills much more of the picture.
  Scene(int option, bool large) {
    view.Bits = std::make_shared<bits::BitsObject>();
    PrepareView(view);
    PositionTexts positions;
    NoViewPointer pointer;
    const MachineDimensions machine =
        large ? MachineDimensions{1200, 600, 1500, 0} : MachineDimensions{};
    Carte_Machine(view, machine, positions, option, pointer);
  }
  ViewContext view;
};

void BM_Frame(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)), state.range(3) != 0);
  PixelBuffer picture(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
  for (auto _ : state) {
    RedrawView(scene.view, picture);
    benchmark::DoNotOptimize(picture.data());
  }
}

Point ScreenPoint(const ViewContext& view, int v) {
  return {static_cast<int>(std::nearbyint(view.ScreenVertices[v].x)),
          static_cast<int>(std::nearbyint(view.ScreenVertices[v].y))};
}

// The primitives of one frame, painted again without the rest of the frame.
void BM_RasterShare(benchmark::State& state) {
  const int option = static_cast<int>(state.range(0));
  Scene scene(option, state.range(3) != 0);
  PixelBuffer picture(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
  RedrawView(scene.view, picture);
  const ViewContext& v = scene.view;
  for (auto _ : state) {
    picture.Fill(0);
    for (int i = 0; i <= kLastSlot && v.DrawList.data[i] != 0; ++i) {
      const MeshFace& f = v.Faces[v.DrawList.data[i]];
      const std::array<Point, 3> corners{ScreenPoint(v, f.A), ScreenPoint(v, f.B),
                                         ScreenPoint(v, f.C)};
      const Pixel fill = PixelFromPacked(ColourToPacked(v.FaceColours[v.DrawList.data[i]]));
      if (option == kOption3Filaire) {
        OutlinedTriangle(picture, corners, fill, 0xFFFFFF, RasterOp::CopyPen);
      } else if (option == kOption3Transp) {
        FillTriangle(picture, corners, fill, RasterOp::MergePen);
      } else {
        std::array<GradientVertex, 3> g;
        const int idx[3] = {f.A, f.B, f.C};
        for (int k = 0; k < 3; ++k) {
          const ColourRGB& c = v.VertexColours[idx[k]];
          g[k] = {corners[k], static_cast<std::uint16_t>(c.R * 256),
                  static_cast<std::uint16_t>(c.G * 256), static_cast<std::uint16_t>(c.B * 256)};
        }
        GradientTriangle(picture, g);
      }
    }
    benchmark::DoNotOptimize(picture.data());
  }
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"option", "w", "h", "large"});
  for (int large : {0, 1})
    for (int option : {kOption3Surface, kOption3Filaire, kOption3Transp}) {
      b->Args({option, 480, 400, large});
      b->Args({option, 800, 600, large});
    }
  b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Frame)->Apply(Sizes);
BENCHMARK(BM_RasterShare)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();

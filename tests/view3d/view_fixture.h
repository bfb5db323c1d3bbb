#pragma once
// A prepared view (lists, camera, light, drag factors) on the real Bits
// object, created in-process.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "bits/bits_object.h"
#include "view3d/interaction.h"
#include "view3d/view_context.h"

namespace view3d {

// Records what the handlers ask of the picture's pointer.
class RecordingPointer : public ViewPointer {
 public:
  void ShowHandCursor() override { ++handCursors; }
  void SetMousePointer(std::int16_t pointer) override { pointers.push_back(pointer); }
  int handCursors = 0;
  std::vector<std::int16_t> pointers;
};

class ViewFixture : public ::testing::Test {
 protected:
  ViewFixture() {
    view.Bits = std::make_shared<bits::BitsObject>();
    PrepareView(view);
  }
  CameraRecord& camera() { return view.Cameras[view.ViewCameraIndex]; }

  ViewContext view;
  RecordingPointer pointer;
};

}  // namespace view3d

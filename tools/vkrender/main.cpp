// vkrender: draws the first frame the configuration window shows of the
// machine described by a VELKOR.INI, into a PNG file.
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "machine_ini.h"
#include "platform/component.h"
#include "platform/dispatch.h"
#include "view3d/interaction.h"
#include "view3d/machine_scene.h"

namespace {

constexpr int kDefaultWidth = 480;
constexpr int kDefaultHeight = 400;

int Usage() {
  std::fprintf(stderr,
               "usage: vkrender <VELKOR.INI> <out.png> [surface|filaire|transp] [width height]\n");
  return 2;
}

int OptionOfMode(std::string_view mode) {
  if (mode == "surface") return view3d::kOption3Surface;
  if (mode == "filaire") return view3d::kOption3Filaire;
  if (mode == "transp") return view3d::kOption3Transp;
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4 && argc != 6) return Usage();
  const int option = argc >= 4 ? OptionOfMode(argv[3]) : view3d::kOption3Surface;
  const int width = argc == 6 ? std::atoi(argv[4]) : kDefaultWidth;
  const int height = argc == 6 ? std::atoi(argv[5]) : kDefaultHeight;
  if (option < 0 || width <= 0 || height <= 0 || width > 16384 || height > 16384) return Usage();

  // QImage needs no display; the offscreen platform keeps Qt quiet without one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  view3d::ViewContext view;
  try {
    view.Bits = platform::com::CreateObject("VK_DLL.Bits");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vkrender: VK_DLL.Bits: %s\n", e.what());
    return 1;
  }

  view3d::NoViewPointer pointer;
  view3d::PositionTexts positions;  // the motor test window starts empty
  view3d::PrepareView(view);
  view3d::Carte_Machine(view, vkrender::ReadMachineDimensions(argv[1]), positions, option, pointer);

  view3d::PixelBuffer picture(width, height);
  view3d::ServeRedraw(view, picture);

  const QImage image(reinterpret_cast<const uchar*>(picture.data()), width, height, width * 4,
                     QImage::Format_RGB32);
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "vkrender: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}

#pragma once
// Calls from the configuration window into parts of the program that are
// not built in yet. A seam left unset does nothing at all: no part pretends
// to have done work it does not do.
#include <functional>

class QWidget;

namespace ui {

template <class... Args>
struct Seam {
  std::function<void(Args...)> call;
  void operator()(Args... args) const {
    if (call) call(args...);
  }
};

struct Seams {
  // USB link: connect with the window that receives the card's notices,
  // disconnect at shutdown, and the default USB write time in seconds.
  Seam<QWidget*> Connexion_USB;
  Seam<> Deconnexion_USB;
  Seam<double> Temps_USB;
  // The card's pin layout, applied by a refill while a USB card is connected.
  Seam<> Brochage_USB;
  // Language selection by menu index (0 French, 1 English, 2 Spanish).
  Seam<int> SelectLanguage;
  // The calibration heating loop (runs while Command4(1) is visible) and the
  // watch of the card's inputs (while Command4(3) is visible).
  Seam<> Boucle_Chauffe;
  Seam<> Surveille_Entrees;
  // About window.
  Seam<> ShowAbout;
};

}  // namespace ui

// Lire_Configuration: defaults, readings, limits and where a failure stops it.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config_fixture.h"

namespace config::testing {
namespace {

using Load = ConfigTest;

TEST_F(Load, CompleteFileFillsEveryField) {
  window.jogMaximum = 25;
  WriteIni(CompleteIni());
  RunLoad();

  EXPECT_EQ(record.Langue, "1");
  EXPECT_EQ(window.checkedLanguages, std::vector<int>{1});
  EXPECT_EQ(FileText(record.X1_Avance), "3");
  EXPECT_EQ(FileText(record.Y2_Avance), "9");
  EXPECT_EQ(record.X2_mm, 0.25);
  EXPECT_EQ(record.Y2_mm, 2);
  EXPECT_EQ(FileText(record.Y1_Sens), "6");
  EXPECT_EQ(FileText(record.Y2_NbPas), "1600");
  EXPECT_EQ(FileText(record.X1_Inv), "1");
  EXPECT_EQ(FileText(record.V_Max), "12");
  EXPECT_EQ(window.jogValue, 12);  // 25 / 2 = 12.5, halves to even
  EXPECT_EQ(record.Port, 632);
  EXPECT_EQ(record.Timer_Chauffe, 300);
  EXPECT_EQ(record.Timer_Externe, 0);
  EXPECT_EQ(FileText(record.Largeur), "1000");
  EXPECT_EQ(FileText(record.Hauteur), "600");
  EXPECT_EQ(record.Longueur, 800);
  EXPECT_EQ(record.Position_Moteur, 1);
  EXPECT_EQ(record.Panneau_Moteur, 1);
  EXPECT_EQ(record.Carte, "MM2001");
  EXPECT_FALSE(record.Butees);
  EXPECT_EQ(record.Pin_Moteur, 1);
  EXPECT_EQ(record.Pin_Timer, 15);
  EXPECT_EQ(record.Pin_Chauffe, 14);
  ASSERT_TRUE(record.Masques.has_value());
  EXPECT_EQ(*record.Masques, PinMasks::AfterLoad());
  EXPECT_EQ(record.Machine, "Default");
  EXPECT_EQ(window.titles, std::vector<std::string>{"Configuration - Default"});
  EXPECT_EQ(window.refills, 0);
  EXPECT_EQ(record.Bloc_Largeur, 250);
  EXPECT_EQ(record.Bloc_Hauteur, 100);
  EXPECT_EQ(record.Bloc_Longueur, 150);
  EXPECT_EQ(record.Marge_Gauche, 200);
  EXPECT_EQ(record.Marge_Droite, 550);
  EXPECT_EQ(record.Marge_Haute, 30);
  EXPECT_EQ(record.Marge_Basse, 40);
  EXPECT_EQ(record.Marge_a_vide, 5);
  EXPECT_EQ(record.Marge_inferieure, 6);
  EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Load, ReloadResetsTheMaskTables) {
  WriteIni(CompleteIni());
  record.Masques = PinMasks::AfterLoad();
  record.Masques->Masque_Avance.set(3, 0x40);
  record.Masques->Masque_Sens_B.set(2, 0x80);
  RunLoad();
  EXPECT_EQ(*record.Masques, PinMasks::AfterLoad());
}

// One key changed in an otherwise complete file, and what it loads.
struct KeyRow {
  std::string name;
  std::string section;
  std::string key;
  std::optional<std::string> value;  // nullopt: the key is absent
  std::function<void(const Configuration&, const FakeWindow&)> check;
};

void PrintTo(const KeyRow& row, std::ostream* os) { *os << row.name; }

class KeyRule : public Load, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(KeyRule, LoadsByTheRule) {
  IniEntries entries = CompleteIni();
  const KeyRow& row = GetParam();
  if (row.value) {
    SetEntry(entries, row.section, row.key, *row.value);
  } else {
    RemoveEntry(entries, row.section, row.key);
  }
  WriteIni(entries);
  RunLoad();
  row.check(record, window);
  // None of these rows ends the load: the last step still ran.
  EXPECT_EQ(record.Marge_inferieure, 6) << row.name;
}

const KeyRow kKeyRows[] = {
    {"Langue2", "Langue", "Langue", "2",
     [](auto& r, auto& w) {
       EXPECT_EQ(r.Langue, "2");
       EXPECT_EQ(w.checkedLanguages, std::vector<int>{2});
     }},
    {"LangueAbsent", "Langue", "Langue", std::nullopt,
     [](auto& r, auto& w) {
       EXPECT_EQ(r.Langue, "0");
       EXPECT_EQ(w.checkedLanguages, std::vector<int>{0});
     }},
    {"LangueLenient", "Langue", "Langue", "1 (anglais)",
     [](auto& r, auto&) { EXPECT_EQ(r.Langue, "1"); }},
    {"Largeur250", "Machine", "Largeur", "250",
     [](auto& r, auto&) {
       EXPECT_EQ(FileText(r.Largeur), "300");
       EXPECT_EQ(r.Marge_Droite, 300 - 250 - 200);
     }},
    {"Hauteur50", "Machine", "Hauteur", "50",
     [](auto& r, auto&) { EXPECT_EQ(FileText(r.Hauteur), "100"); }},
    {"Hauteur150", "Machine", "Hauteur", "150",
     [](auto& r, auto&) { EXPECT_EQ(FileText(r.Hauteur), "150"); }},
    {"LongueurAbsent", "Machine", "Longueur", std::nullopt,
     [](auto& r, auto&) { EXPECT_EQ(r.Longueur, 500); }},
    {"LargeurWord", "Machine", "Largeur", "large",
     [](auto& r, auto&) { EXPECT_EQ(FileText(r.Largeur), "300"); }},
    {"LPT0", "Port", "LPT", "0", [](auto& r, auto&) { EXPECT_EQ(r.Port, 632); }},
    {"LPTMinus1", "Port", "LPT", "-1", [](auto& r, auto&) { EXPECT_EQ(r.Port, 888); }},
    {"LPTTrue", "Port", "LPT", "True", [](auto& r, auto&) { EXPECT_EQ(r.Port, 888); }},
    {"LPTtrueLower", "Port", "LPT", "true", [](auto& r, auto&) { EXPECT_EQ(r.Port, 888); }},
    {"LPTFALSE", "Port", "LPT", "FALSE", [](auto& r, auto&) { EXPECT_EQ(r.Port, 632); }},
    {"LPTAbsent", "Port", "LPT", std::nullopt, [](auto& r, auto&) { EXPECT_EQ(r.Port, 888); }},
    {"TimerExterneAbsent", "Chauffe", "Timer_Externe", std::nullopt,
     [](auto& r, auto&) { EXPECT_EQ(r.Timer_Externe, 1); }},
    {"TimerExterneEmpty", "Chauffe", "Timer_Externe", "",
     [](auto& r, auto&) { EXPECT_EQ(r.Timer_Externe, 1); }},
    {"TimerExterne1", "Chauffe", "Timer_Externe", "1",
     [](auto& r, auto&) { EXPECT_EQ(r.Timer_Externe, 1); }},
    {"TimerChauffe0", "Chauffe", "Timer_Chauffe", "0",
     [](auto& r, auto&) { EXPECT_EQ(r.Timer_Chauffe, 250); }},
    {"TimerChauffeNegative", "Chauffe", "Timer_Chauffe", "-40",
     [](auto& r, auto&) { EXPECT_EQ(r.Timer_Chauffe, 250); }},
    {"CarteEmpty", "Machine", "Carte", "", [](auto& r, auto&) { EXPECT_EQ(r.Carte, "BB2001"); }},
    {"ButeesAbsent", "Machine", "Butees", std::nullopt,
     [](auto& r, auto&) { EXPECT_TRUE(r.Butees); }},
    {"ButeesContainsTrue", "Machine", "Butees", "xTruex",
     [](auto& r, auto&) { EXPECT_TRUE(r.Butees); }},
    {"ButeesLowerCase", "Machine", "Butees", "true",
     [](auto& r, auto&) { EXPECT_FALSE(r.Butees); }},
    {"PinsZero", "Pins", "Pin_Moteur", "0", [](auto& r, auto&) { EXPECT_EQ(r.Pin_Moteur, 17); }},
    {"PinTimerAbsent", "Pins", "Pin_Timer", std::nullopt,
     [](auto& r, auto&) { EXPECT_EQ(r.Pin_Timer, 10); }},
    {"PinChauffeWord", "Pins", "Pin_Chauffe", "aucune",
     [](auto& r, auto&) { EXPECT_EQ(r.Pin_Chauffe, 16); }},
    {"PinHalfToEven", "Pins", "Pin_Chauffe", "14.5",
     [](auto& r, auto&) { EXPECT_EQ(r.Pin_Chauffe, 14); }},
    {"SensLenient", "Sens", "X1_Sens", "4 broche",
     [](auto& r, auto&) { EXPECT_EQ(FileText(r.X1_Sens), "4"); }},
    {"NbPasEmpty", "Pas", "X2_NbPas", "",
     [](auto& r, auto&) { EXPECT_EQ(FileText(r.X2_NbPas), "0"); }},
    {"BlocLargeurAbsent", "Bloc", "Largeur", std::nullopt,
     [](auto& r, auto&) { EXPECT_EQ(r.Bloc_Largeur, 250); }},
    {"BlocHauteur0", "Bloc", "Hauteur", "0",
     [](auto& r, auto&) { EXPECT_EQ(r.Bloc_Hauteur, 200); }},
    {"BlocLongueurAbsent", "Bloc", "Longueur", std::nullopt,
     [](auto& r, auto&) { EXPECT_EQ(r.Bloc_Longueur, 200); }},
    {"MargeHauteNegative", "Bloc", "Marge Haute", "-5",
     [](auto& r, auto&) { EXPECT_EQ(r.Marge_Haute, 0); }},
    {"MargeGaucheAbsent", "Bloc", "Marge Gauche", std::nullopt,
     [](auto& r, auto&) {
       EXPECT_EQ(r.Marge_Gauche, 200);
       EXPECT_EQ(r.Marge_Droite, 550);
     }},
    {"MargeGauche100", "Bloc", "Marge Gauche", "100",
     [](auto& r, auto&) { EXPECT_EQ(r.Marge_Droite, 650); }},
    {"ProjetAbsent", "Projet", "Machine", std::nullopt,
     [](auto& r, auto& w) {
       EXPECT_EQ(r.Machine, "Default");
       EXPECT_EQ(w.titles, std::vector<std::string>{"Configuration - Default"});
     }},
    {"ProjetNotATable", "Projet", "Machine", "/somewhere/machine.ini",
     [](auto& r, auto&) { EXPECT_EQ(r.Machine, "Default"); }},
};

INSTANTIATE_TEST_SUITE_P(Rows, KeyRule, ::testing::ValuesIn(kKeyRows),
                         [](const auto& info) { return info.param.name; });

TEST_F(Load, JogSpeedIsHalfTheMaximumHalvesToEven) {
  WriteIni(CompleteIni());
  for (const auto& [maximum, value] :
       std::vector<std::pair<int, int>>{{25, 12}, {27, 14}, {6, 3}}) {
    window.jogMaximum = maximum;
    RunLoad();
    EXPECT_EQ(window.jogValue, value) << maximum;
  }
}

TEST_F(Load, StrictValuesAreReadInTheLocaleFormat) {
  platform::SetDecimalSeparator(',');
  IniEntries entries = CompleteIni();
  SetEntry(entries, "Avance", "X1_mm", "0,5");
  SetEntry(entries, "Avance", "X2_mm", "0,25");
  SetEntry(entries, "Avance", "Y1_mm", "0,125");
  // Lenient keys always read '.' and stop at ','.
  SetEntry(entries, "Machine", "Longueur", "812,7");
  WriteIni(entries);
  RunLoad();
  EXPECT_EQ(record.X1_mm, 0.5);
  EXPECT_EQ(record.Y1_mm, 0.125);
  EXPECT_EQ(record.Longueur, 812);
  EXPECT_TRUE(record.Masques.has_value());
}

TEST_F(Load, FileWrittenWithAnotherSeparatorStopsAtTheFirstMm) {
  platform::SetDecimalSeparator(',');
  WriteIni(CompleteIni());  // X1_mm=0.5
  RunLoad();
  EXPECT_EQ(FileText(record.Y2_Avance), "9");
  EXPECT_EQ(record.X1_mm, 0);
  EXPECT_FALSE(record.Masques.has_value());
}

// The load in the order it reads; a failure at one item leaves it and every
// later item untouched.
enum Item {
  kLangue,
  kX1Avance,
  kX2Avance,
  kY1Avance,
  kY2Avance,
  kX1mm,
  kX2mm,
  kY1mm,
  kY2mm,
  kSensPasInv,
  kVMax,
  kJogSpeed,
  kPort,
  kRest,
  kItemCount
};

bool Loaded(Item item, const Configuration& r, const FakeWindow& w) {
  switch (item) {
    case kLangue:
      return !r.Langue.empty();
    case kX1Avance:
      return !r.X1_Avance.isEmpty();
    case kX2Avance:
      return !r.X2_Avance.isEmpty();
    case kY1Avance:
      return !r.Y1_Avance.isEmpty();
    case kY2Avance:
      return !r.Y2_Avance.isEmpty();
    case kX1mm:
      return r.X1_mm != 0;
    case kX2mm:
      return r.X2_mm != 0;
    case kY1mm:
      return r.Y1_mm != 0;
    case kY2mm:
      return r.Y2_mm != 0;
    case kSensPasInv:
      return !r.X1_Sens.isEmpty() && !r.Y2_NbPas.isEmpty() && !r.Y2_Inv.isEmpty();
    case kVMax:
      return FileText(r.V_Max) != "6";
    case kJogSpeed:
      return w.jogValue.has_value();
    case kPort:
      return r.Port != 888;
    case kRest:
      return r.Timer_Chauffe != 250 && !r.Carte.empty() && r.Masques.has_value() &&
             !r.Machine.empty() && !w.titles.empty() && r.Bloc_Largeur != 0;
    default:
      return false;
  }
}

struct StopRow {
  std::string name;
  std::string section;
  std::string key;
  std::optional<std::string> value;
  Item firstNotLoaded;
};

void PrintTo(const StopRow& row, std::ostream* os) { *os << row.name; }

class StrictFailure : public Load, public ::testing::WithParamInterface<StopRow> {};

TEST_P(StrictFailure, EndsTheLoadSilentlyAtThatKey) {
  const StopRow& row = GetParam();
  IniEntries entries = CompleteIni();
  if (row.value) {
    SetEntry(entries, row.section, row.key, *row.value);
  } else {
    RemoveEntry(entries, row.section, row.key);
  }
  WriteIni(entries);
  RunLoad();
  for (int item = kLangue; item < kItemCount; ++item) {
    EXPECT_EQ(Loaded(static_cast<Item>(item), record, window), item < row.firstNotLoaded)
        << row.name << " item " << item;
  }
  // No mask tables, no [Projet], no title, no [Bloc], no message.
  EXPECT_FALSE(record.Masques.has_value());
  EXPECT_TRUE(record.Machine.empty());
  EXPECT_TRUE(window.titles.empty());
  EXPECT_EQ(record.Marge_inferieure, 0);
  EXPECT_TRUE(messages->shown.empty());
}

const StopRow kStopRows[] = {
    {"Langue3", "Langue", "Langue", "3", kX1Avance},
    {"LangueNegative", "Langue", "Langue", "-1", kX1Avance},
    {"X1AvanceWord", "Avance", "X1_Avance", "trois", kX1Avance},
    {"X2AvanceEmpty", "Avance", "X2_Avance", "", kX2Avance},
    {"X2AvanceAbsent", "Avance", "X2_Avance", std::nullopt, kX2Avance},
    {"Y1AvanceTrailingText", "Avance", "Y1_Avance", "7 broche", kY1Avance},
    {"Y2AvanceAbsent", "Avance", "Y2_Avance", std::nullopt, kY2Avance},
    {"X1mmAbsent", "Avance", "X1_mm", std::nullopt, kX1mm},
    {"X2mmWord", "Avance", "X2_mm", "fin", kX2mm},
    {"Y1mmTwoPoints", "Avance", "Y1_mm", "0.1.2", kY1mm},
    {"Y2mmEmpty", "Avance", "Y2_mm", "", kY2mm},
    {"VMaxWord", "Vitesse", "V_Max", "rapide", kVMax},
    {"VMaxEmpty", "Vitesse", "V_Max", "", kVMax},
    {"LPTWord", "Port", "LPT", "Oui", kPort},
    {"LPTEmpty", "Port", "LPT", "", kPort},
    {"PositionMoteurOverflow", "Machine", "Position Moteur", "1e20", kRest},
};

INSTANTIATE_TEST_SUITE_P(Rows, StrictFailure, ::testing::ValuesIn(kStopRows),
                         [](const auto& info) { return info.param.name; });

TEST_F(Load, FileWithoutAvanceLoadsOnlyLangueAndX1Avance) {
  IniEntries entries = CompleteIni();
  std::erase_if(entries, [](const IniEntry& e) { return e.section == "Avance"; });
  WriteIni(entries);
  RunLoad();
  EXPECT_EQ(record.Langue, "1");
  EXPECT_EQ(FileText(record.X1_Avance), "0");
  EXPECT_TRUE(record.X2_Avance.isEmpty());
  EXPECT_FALSE(record.Masques.has_value());
}

TEST_F(Load, MissingFileLoadsOnlyTheDefaultsBeforeTheFirstStrictKey) {
  RunLoad();
  EXPECT_EQ(record.Langue, "0");
  EXPECT_EQ(window.checkedLanguages, std::vector<int>{0});
  EXPECT_EQ(FileText(record.X1_Avance), "0");
  EXPECT_TRUE(record.X2_Avance.isEmpty());
  EXPECT_FALSE(std::filesystem::exists(ini()));
}

}  // namespace
}  // namespace config::testing

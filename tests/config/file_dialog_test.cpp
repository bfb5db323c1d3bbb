#include "config/file_dialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace config {
namespace {

class ScriptedDialog : public FileDialog {
 public:
  explicit ScriptedDialog(std::optional<std::string> answer) : answer_(std::move(answer)) {}
  std::optional<std::string> Show(const FileDialogRequest& request) override {
    requests.push_back(request);
    return answer_;
  }
  std::vector<FileDialogRequest> requests;

 private:
  std::optional<std::string> answer_;
};

struct DialogRow {
  std::string name;
  DialogMode mode;
  std::string description;
  std::optional<std::string> answer;
  std::optional<std::string> collected;  // nullopt: nothing appended
};

void PrintTo(const DialogRow& row, std::ostream* os) { *os << row.name; }

class BoiteFichier : public ::testing::TestWithParam<DialogRow> {};

TEST_P(BoiteFichier, CollectsTheChosenName) {
  const DialogRow& row = GetParam();
  ScriptedDialog dialog(row.answer);
  std::vector<std::string> names = {"avant"};
  Boite_Fichier(dialog, names, "*.TAB", row.description, row.mode, "/opt/vksetup");

  ASSERT_EQ(dialog.requests.size(), 1u);
  EXPECT_EQ(dialog.requests[0].mode, row.mode);
  EXPECT_EQ(dialog.requests[0].description, row.description);
  EXPECT_EQ(dialog.requests[0].pattern, "*.TAB");
  EXPECT_EQ(dialog.requests[0].initialDir, "/opt/vksetup");
  std::vector<std::string> expected = {"avant"};
  if (row.collected) expected.push_back(*row.collected);
  EXPECT_EQ(names, expected);
}

const DialogRow kDialogRows[] = {
    {"OpenKeepsTheName", DialogMode::Open, "Fichiers Tables", "/t/machine", "/t/machine"},
    {"OpenCancelled", DialogMode::Open, "Fichiers Tables", std::nullopt, std::nullopt},
    {"SaveAddsTab", DialogMode::Save, "Fichiers Tables", "/t/machine", "/t/machine.TAB"},
    {"SaveKeepsTabAnyCase", DialogMode::Save, "Fichiers Tables", "/t/m.tab", "/t/m.tab"},
    {"SaveTablesSingularAddsNothing", DialogMode::Save, "Fichier Tables", "/t/machine",
     "/t/machine"},
    {"SaveDecoupe", DialogMode::Save, "Fichier Découpe", "/t/aile", "/t/aile.DPE"},
    {"SaveProjets", DialogMode::Save, "Fichier Projets", "/t/p.cvb", "/t/p.cvb"},
    {"SaveUnknownKind", DialogMode::Save, "Images", "/t/vue", "/t/vue"},
    {"NameEndsAtNul", DialogMode::Open, "Fichiers Tables", std::string("/t/a.TAB\0/t/b", 13),
     "/t/a.TAB"},
    {"SaveCancelled", DialogMode::Save, "Fichiers Tables", std::nullopt, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Rows, BoiteFichier, ::testing::ValuesIn(kDialogRows),
                         [](const auto& info) { return info.param.name; });

TEST(BoiteFichier, OverlongNameIsCutToTheBuffer) {
  ScriptedDialog dialog(std::string(5000, 'n'));
  std::vector<std::string> names;
  Boite_Fichier(dialog, names, "*.TAB", "Fichiers Tables", DialogMode::Open, "/");
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0].size(), 4095u);
}

TEST(DialogFileChooser, FirstNameOrEmpty) {
  ScriptedDialog chosen(std::string("/t/x.TAB"));
  DialogFileChooser chooser(chosen, "/opt/vksetup");
  EXPECT_EQ(chooser.Choisir_Fichier("*.TAB", "Fichiers Tables", DialogMode::Open), "/t/x.TAB");
  EXPECT_EQ(chosen.requests.at(0).initialDir, "/opt/vksetup");

  ScriptedDialog cancelled(std::nullopt);
  DialogFileChooser none(cancelled, "/opt/vksetup");
  EXPECT_EQ(none.Choisir_Fichier("*.TAB", "Fichiers Tables", DialogMode::Open), "");
}

}  // namespace
}  // namespace config

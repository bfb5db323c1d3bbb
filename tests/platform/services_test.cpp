#include <gtest/gtest.h>

#include <memory>

#include "platform/messagebox.h"
#include "platform/scripted_messagebox.h"
#include "platform/textbox.h"

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::ShowMessage;

const std::string kText =
    "Sortie d\xC3\xA9j\xC3\xA0 utilis\xC3\xA9"
    "e";

struct DefaultAnswerRow {
  Buttons buttons;
  Answer answer;
};

class DefaultAnswers : public ::testing::TestWithParam<DefaultAnswerRow> {};

TEST_P(DefaultAnswers, WithoutServiceWritesStderrAndAffirms) {
  const auto previous = platform::GetMessageBoxService();
  platform::SetMessageBoxService(nullptr);
  ::testing::internal::CaptureStderr();
  const Answer answer = ShowMessage(kText, "Pins", GetParam().buttons, Icon::Warning);
  const std::string written = ::testing::internal::GetCapturedStderr();
  platform::SetMessageBoxService(previous);
  EXPECT_EQ(answer, GetParam().answer);
  EXPECT_NE(written.find(kText), std::string::npos);
  EXPECT_NE(written.find("Pins"), std::string::npos);
}

TEST_P(DefaultAnswers, ScriptedWithEmptyQueue) {
  platform::ScriptedMessageBoxes boxes;
  EXPECT_EQ(boxes.Show("t", "", GetParam().buttons, Icon::None), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(Rows, DefaultAnswers,
                         ::testing::Values(DefaultAnswerRow{Buttons::Ok, Answer::Ok},
                                           DefaultAnswerRow{Buttons::OkCancel, Answer::Ok},
                                           DefaultAnswerRow{Buttons::YesNo, Answer::Yes},
                                           DefaultAnswerRow{Buttons::YesNoCancel, Answer::Yes}));

TEST(ScriptedMessageBoxes, RecordsBoxesAndAnswersInOrder) {
  platform::ScopedScriptedMessageBoxes scripted;
  scripted->QueueAnswer(Answer::No);
  scripted->QueueAnswer(Answer::Cancel);
  EXPECT_EQ(ShowMessage("RAZ ?", "Position", Buttons::YesNo, Icon::Question), Answer::No);
  EXPECT_EQ(ShowMessage("second", "", Buttons::OkCancel), Answer::Cancel);
  EXPECT_EQ(ShowMessage("third", ""), Answer::Ok);
  EXPECT_EQ(scripted->pendingAnswers(), 0u);

  const auto& shown = scripted->shown();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].text, "RAZ ?");
  EXPECT_EQ(shown[0].title, "Position");
  EXPECT_EQ(shown[0].buttons, Buttons::YesNo);
  EXPECT_EQ(shown[0].icon, Icon::Question);
  EXPECT_EQ(shown[1].buttons, Buttons::OkCancel);
  EXPECT_EQ(shown[2].text, "third");
  EXPECT_EQ(shown[2].icon, Icon::None);
}

TEST(ScriptedMessageBoxes, ScopeRestoresPreviousService) {
  const auto before = platform::GetMessageBoxService();
  {
    platform::ScopedScriptedMessageBoxes outer;
    const auto outerService = platform::GetMessageBoxService();
    EXPECT_EQ(outerService.get(), &outer.boxes());
    {
      platform::ScopedScriptedMessageBoxes inner;
      ShowMessage("to inner", "");
      EXPECT_EQ(inner->shown().size(), 1u);
    }
    EXPECT_EQ(platform::GetMessageBoxService(), outerService);
    ShowMessage("to outer", "");
    EXPECT_EQ(outer->shown().size(), 1u);
  }
  EXPECT_EQ(platform::GetMessageBoxService(), before);
}

TEST(FocusedTextBox, AsksInstalledProvider) {
  EXPECT_EQ(platform::FocusedTextBox(), nullptr) << "no provider installed";
  int calls = 0;
  platform::SetFocusedTextBoxProvider([&calls]() -> platform::Object {
    ++calls;
    return nullptr;
  });
  EXPECT_EQ(platform::FocusedTextBox(), nullptr);
  EXPECT_EQ(platform::FocusedTextBox(), nullptr);
  EXPECT_EQ(calls, 2);
  platform::SetFocusedTextBoxProvider({});
  EXPECT_EQ(platform::FocusedTextBox(), nullptr);
  EXPECT_EQ(calls, 2);
}

}  // namespace

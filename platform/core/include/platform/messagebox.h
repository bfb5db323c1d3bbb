#pragma once
// Message boxes behind one interface: the program installs a Qt one, tests a
// scripted one. Process-wide, like the system service it stands in for.
#include <memory>
#include <string>

namespace platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Critical, Question };
// Classic answer codes.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual Answer Show(const std::string& text, const std::string& title, Buttons buttons,
                      Icon icon) = 0;
};

// Shows through the installed service. Without one, writes to stderr and
// answers Ok (or Yes).
Answer ShowMessage(const std::string& text, const std::string& title,
                   Buttons buttons = Buttons::Ok, Icon icon = Icon::None);
void SetMessageBoxService(std::shared_ptr<MessageBoxService> service);
std::shared_ptr<MessageBoxService> GetMessageBoxService();

}  // namespace platform

#include "uninstall/messages.h"

#include "uninstall/uninstall_texts.h"

namespace kesclean {

std::string NamedFiles(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < kNamesShown; ++i) {
    text += names[i] + "\n";
  }
  if (names.size() > kNamesShown) {
    text += "and " + std::to_string(names.size() - kNamesShown) + " more\n";
  }
  return text;
}

std::string RefusalMessage(const std::string& refusal, const std::string& folder) {
  return refusal + "\n\n" + folder + "\n\n" + kLeftAsItWasText;
}

std::string UsersFilesQuestion(const std::string& folder, const std::vector<std::string>& names) {
  return std::string(kUsersFilesText) + "\n" + folder + "\n\n" + NamedFiles(names) + "\n" +
         kUsersFilesQuestion;
}

std::string LeftBehindMessage(const std::string& folder, const std::string& notStartedCommand,
                              const std::vector<std::string>& names) {
  const std::string what = notStartedCommand.empty()
                               ? std::string(kNotDeletedText)
                               : std::string(kNotStartedText) + "\n" + notStartedCommand;
  return what + "\n\n" + kLeftInText + folder + ":\n" + NamedFiles(names);
}

}  // namespace kesclean

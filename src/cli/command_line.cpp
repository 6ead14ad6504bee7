#include "cli/command_line.h"

#include <string_view>

namespace cli {
namespace {

using Action = CommandLine::Action;

ParsedCommandLine Error(std::string message) { return {{}, std::move(message)}; }

std::optional<Action> AloneAction(const std::string& argument) {
  if (argument == "--help" || argument == "-h") return Action::Help;
  if (argument == "--version") return Action::Version;
  if (argument == "--list-languages") return Action::ListLanguages;
  return std::nullopt;
}

ParsedCommandLine Only(Action action) {
  CommandLine line;
  line.action = action;
  return {line, {}};
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  std::optional<std::string> name, version, address;

  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    // An option that makes a command of its own stands alone: with anything
    // else, a script would not do what its author meant.
    if (const auto alone = AloneAction(argument)) {
      if (arguments.size() > 1) return Error("l'option " + argument + " s'emploie seule");
      return Only(*alone);
    }

    // "--option value" or "--option=value".
    std::string option = argument;
    std::optional<std::string> attached;
    if (const std::size_t equals = argument.find('='); argument.starts_with("--") && equals != std::string::npos) {
      option = argument.substr(0, equals);
      attached = argument.substr(equals + 1);
    }

    std::optional<std::string>* target = nullptr;
    if (option == "--name") target = &name;
    else if (option == "--program-version") target = &version;
    else if (option == "--address") target = &address;
    else if (option == "--language") target = &line.language;

    if (target) {
      if (*target) return Error("l'option " + option + " est donnée deux fois");
      if (attached) {
        *target = *attached;
      } else if (i + 1 < arguments.size()) {
        *target = arguments[++i];
      } else {
        return Error("l'option " + option + " demande une valeur");
      }
    } else if (attached && (option == "--replace" || AloneAction(option))) {
      return Error("l'option " + option + " ne prend pas de valeur");
    } else if (argument == "--replace") {
      line.replace = true;
    } else if (argument.starts_with("-")) {
      return Error("option inconnue : " + argument);
    } else {
      return Error("argument inattendu : " + argument);
    }
  }

  for (const auto& [value, option] : {std::pair{&name, "--name"}, std::pair{&version, "--program-version"},
                                      std::pair{&address, "--address"}}) {
    if (!*value) return Error(std::string("l'option ") + option + " est obligatoire");
  }
  line.name = *name;
  line.version = *version;
  line.address = *address;
  return {line, {}};
}

}  // namespace cli

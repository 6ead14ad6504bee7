// What every back end does with an error that a page's handler lets
// through: the handlers run under the back end's event loop, and no
// exception may cross it.
#pragma once

#include <exception>
#include <string>

namespace ui {

// The text of the box that reports such an error before the application
// ends.
std::string UncaughtErrorMessage(const std::string& what);

// Runs the handler; an error it lets through goes to report() instead.
template <typename Handler, typename Report>
void RunReportingErrors(const Handler& handler, const Report& report) {
  try {
    handler();
  } catch (const std::exception& error) {
    report(error.what());
  } catch (...) {
    report("erreur inconnue");
  }
}

}  // namespace ui

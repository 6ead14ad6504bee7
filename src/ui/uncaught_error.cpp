#include "ui/uncaught_error.h"

namespace ui {

std::string UncaughtErrorMessage(const std::string& what) {
  return "Une erreur inattendue s'est produite :\r\n\r\n" + what +
         "\r\n\r\nZantrel Velquist Creator va maintenant se fermer.";
}

}  // namespace ui

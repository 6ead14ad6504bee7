/* The stand-in of the Zantrel Velquist updater, shipped in Redistributable\Program
   so that the wizard can be tried end to end. It says what it is in one message
   box and ends: it searches, downloads and installs nothing. Kits copy it as
   "<program> - Update.exe", so the message names the wizard's folder by its
   name only. Built by tools/make_standin.sh. */
#include <windows.h>

static const wchar_t kTitle[] = L"Zantrel Velquist";

static const wchar_t kMessage[] =
    L"Ce programme tient la place du logiciel de mise à jour Zantrel Velquist. "
    L"Il est fourni uniquement pour essayer l'assistant Zantrel Velquist Creator.\r\n"
    L"\r\n"
    L"Il ne recherche et n'installe aucune mise à jour.\r\n"
    L"\r\n"
    L"Avant de distribuer un système de mise à jour automatique, placez les fichiers "
    L"du vrai logiciel de mise à jour dans le répertoire \"Redistributable\" de "
    L"Zantrel Velquist Creator, puis créez à nouveau le système de mise à jour automatique.";

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
  (void)instance;
  (void)previous;
  (void)commandLine;
  (void)show;
  MessageBoxW(NULL, kMessage, kTitle, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
  return 0;
}

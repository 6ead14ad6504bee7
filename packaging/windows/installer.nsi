; The Windows edition's installer, for the current user only: the program
; goes to %LOCALAPPDATA%\Programs\Zantrel Velquist Creator\, a folder the user
; may write, since the program writes its kits in Output\ beside itself. No
; administrator is asked for. Uninstall.exe removes everything it installed
; and keeps Output\ with the user's kits.
;
; Built by the `windows_installer` target of the Windows build, which passes:
;   ZVC_TREE          the staged install tree (cmake --install)
;   ZVC_VERSION       the version as the program shows it (1.00)
;   ZVC_VERSION_QUAD  the version record's four numbers (1.0.0.0)
;   ZVC_ICON          the program's icon file
;   ZVC_OUTFILE       the installer to write

Unicode true
; A 64-bit installer: the program is one, and Debian's Wine runs only those.
Target amd64-unicode
SetCompressor /SOLID lzma
; No date is stored with the files: the installer is the same on every build.
SetDateSave off

!define PRODUCT "Zantrel Velquist Creator"
!define PROGRAM_FILE "Zantrel Velquist Creator.exe"
!define PUBLISHER "Zantrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define OUTPUT_SHORTCUT "Systèmes de mise à jour créés"

Name "${PRODUCT}"
OutFile "${ZVC_OUTFILE}"
BrandingText "${PRODUCT} ${ZVC_VERSION}"
; Per user: the manifest asks for asInvoker, shortcuts and the uninstall
; entry go to the user's own Start menu and registry hive.
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; Installing again goes to the folder of the existing install.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
; A file that cannot be written stops the install (Retry or Cancel, never
; Ignore), so a silent run fails instead of leaving a partial program.
AllowSkipFiles off

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define MUI_ICON "${ZVC_ICON}"
!define MUI_UNICON "${ZVC_ICON}"
!define MUI_ABORTWARNING
; The French titles of the welcome and last pages take three lines.
!define MUI_WELCOMEPAGE_TITLE_3LINES

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE_3LINES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_FILE}"
!define MUI_FINISHPAGE_RUN_TEXT "Lancer ${PRODUCT}"
!insertmacro MUI_PAGE_FINISH

; What the uninstaller's last page says about Output\, set once it is done.
Var KeptKitsNote
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE_3LINES
!define MUI_FINISHPAGE_TEXT "$KeptKitsNote"
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "French"

; The installer's version record: the program's numbers and names. The
; program's record has no LegalCopyright, nor has this one.
!pragma warning disable 9100
VIProductVersion "${ZVC_VERSION_QUAD}"
VIFileVersion "${ZVC_VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_FRENCH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileDescription" "Installation de ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileVersion" "${ZVC_VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductVersion" "${ZVC_VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "OriginalFilename" "zantrel-velquist-creator-${ZVC_VERSION}-setup.exe"

; Stops a silent or shown run with exit code 2 when a step set the error flag.
!macro StopOnErrors what
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "${what}" /SD IDOK
    SetErrorLevel 2
    Abort "${what}"
  ${EndIf}
!macroend

Section "Programme" SectionProgram
  ; The program first: while it runs it cannot be replaced, and then the
  ; install stops before it has changed anything else.
  ClearErrors
  SetOutPath "$INSTDIR"
  File "${ZVC_TREE}\${PROGRAM_FILE}"
  !insertmacro StopOnErrors "Impossible d'installer ${PRODUCT} dans $INSTDIR : fermez le programme puis recommencez."
  ; An upgrade replaces Redistributable\ as a whole: no file of an older
  ; version stays in the kits it makes.
  RMDir /r "$INSTDIR\Redistributable"
  ClearErrors
  !if /FileExists "${ZVC_TREE}\LISEZMOI.txt"
    File "${ZVC_TREE}\LISEZMOI.txt"
  !endif
  SetOutPath "$INSTDIR\Redistributable"
  File /r "${ZVC_TREE}\Redistributable\*"
  ; Output\ exists from the start, for its shortcut; an upgrade keeps it.
  CreateDirectory "$INSTDIR\Output"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  !insertmacro StopOnErrors "Impossible d'installer ${PRODUCT} dans $INSTDIR."

  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM_FILE}" "" "$INSTDIR\${PROGRAM_FILE}" 0
  CreateShortcut "$SMPROGRAMS\${OUTPUT_SHORTCUT}.lnk" "$INSTDIR\Output"
  !insertmacro StopOnErrors "Impossible de créer les raccourcis du menu Démarrer."

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${ZVC_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_FILE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; The size of what was installed, in KiB, as "Apps & features" shows it.
  SectionGetSize ${SectionProgram} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  !insertmacro StopOnErrors "Impossible d'inscrire ${PRODUCT} dans la liste des programmes installés."
SectionEnd

Section "Uninstall"
  ; The program first: while it runs it cannot be deleted, and then nothing
  ; else is removed, so that uninstalling again once it is closed finishes.
  ClearErrors
  Delete "$INSTDIR\${PROGRAM_FILE}"
  !insertmacro StopOnErrors "Impossible de supprimer ${PRODUCT} de $INSTDIR : fermez le programme puis recommencez."
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${OUTPUT_SHORTCUT}.lnk"
  Delete "$INSTDIR\LISEZMOI.txt"
  RMDir /r "$INSTDIR\Redistributable"
  Delete "$INSTDIR\Uninstall.exe"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; Output\ goes only when it holds nothing; the install folder only when
  ; Output\ went.
  RMDir "$INSTDIR\Output"
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\Output\*.*"
    StrCpy $KeptKitsNote "${PRODUCT} a été supprimé de votre ordinateur.$\r$\n$\r$\nLes systèmes de mise à jour que vous avez créés sont conservés dans le dossier :$\r$\n$INSTDIR\Output$\r$\n$\r$\nCliquez sur Fermer pour quitter."
  ${Else}
    StrCpy $KeptKitsNote "${PRODUCT} a été supprimé de votre ordinateur.$\r$\n$\r$\nCliquez sur Fermer pour quitter."
  ${EndIf}
SectionEnd

; Installer of Quobel for Windows, made by scripts/windows.sh:
;   makensis -DVERSION=0.1.0 -DBAU=<build folder> -DQUELLEN=<source folder>
;            -DKATALOG=<wxstd-3.2.mo, German> -DAUSGABE=<setup.exe> quobel.nsi
; Without administrator rights Quobel is installed for the current user (into
; %LOCALAPPDATA%\Programs\Quobel); an administrator may install it for all users.
; /S installs silently, /CurrentUser and /AllUsers choose for whom.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUKT "Quobel"
!define PROGRAMM "Quobel.exe"
!define DATEITYP "Quobel.Turnier"
!define DEINSTALLATION "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quobel"

Name "${PRODUKT}"
OutFile "${AUSGABE}"
BrandingText "${PRODUKT} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUKT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${DEINSTALLATION}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${DEINSTALLATION}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INIT_TEXT_ADMINREQUIRED "$(^Caption) braucht Administratorrechte."
!define MULTIUSER_INIT_TEXT_POWERREQUIRED "$(^Caption) braucht mindestens die Rechte eines Hauptbenutzers."
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "Ihr Benutzerkonto darf $(^Name) nicht für alle Benutzer dieses Computers installieren."
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUKT}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileDescription" "Installation von ${PRODUKT} ${VERSION}"
VIAddVersionKey /LANG=1031 "CompanyName" "Quobel-Projekt"
VIAddVersionKey /LANG=1031 "LegalCopyright" "© 2026 Quobel-Projekt"

!define MUI_ICON "${QUELLEN}\resources\windows\quobel.ico"
!define MUI_UNICON "${QUELLEN}\resources\windows\quobel.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAMM}"
!define MUI_FINISHPAGE_RUN_TEXT "${PRODUKT} jetzt starten"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Explorer reads icons and file types anew.
!macro MeldeDateitypen
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section "Quobel"
  SetOutPath "$INSTDIR"
  File "/oname=${PROGRAMM}" "${BAU}\${PROGRAMM}"
  File "${QUELLEN}\resources\quobel_logo.png"
  ; The toolkit's own texts in German (buttons of its dialogs, "Strg" in menus),
  ; where it looks for them beside the program.
  SetOutPath "$INSTDIR\de"
  File "${KATALOG}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"

  ; Start menu: the user's own, or everybody's when installed for all users.
  CreateShortCut "$SMPROGRAMS\${PRODUKT}.lnk" "$INSTDIR\${PROGRAMM}" "" "$INSTDIR\${PROGRAMM}" 0 \
    SW_SHOWNORMAL "" "Tischtennis-Turniere jeder gegen jeden"

  ; Tournament files: their icon, a double click opens them in Quobel, and
  ; Quobel is offered under "Öffnen mit".
  WriteRegStr SHCTX "Software\Classes\.quobel" "" "${DATEITYP}"
  WriteRegStr SHCTX "Software\Classes\.quobel\OpenWithProgids" "${DATEITYP}" ""
  WriteRegStr SHCTX "Software\Classes\${DATEITYP}" "" "Quobel-Turnier"
  WriteRegStr SHCTX "Software\Classes\${DATEITYP}\DefaultIcon" "" "$INSTDIR\${PROGRAMM},0"
  WriteRegStr SHCTX "Software\Classes\${DATEITYP}\shell\open\command" "" '"$INSTDIR\${PROGRAMM}" "%1"'
  WriteRegStr SHCTX "Software\Classes\Applications\${PROGRAMM}" "FriendlyAppName" "${PRODUKT}"
  WriteRegStr SHCTX "Software\Classes\Applications\${PROGRAMM}\SupportedTypes" ".quobel" ""
  WriteRegStr SHCTX "Software\Classes\Applications\${PROGRAMM}\shell\open\command" "" '"$INSTDIR\${PROGRAMM}" "%1"'
  !insertmacro MeldeDateitypen

  ; "Apps und Features" / "Programme und Features".
  WriteRegStr SHCTX "${DEINSTALLATION}" "DisplayName" "${PRODUKT}"
  WriteRegStr SHCTX "${DEINSTALLATION}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${DEINSTALLATION}" "DisplayIcon" "$INSTDIR\${PROGRAMM},0"
  WriteRegStr SHCTX "${DEINSTALLATION}" "Publisher" "Quobel-Projekt"
  WriteRegStr SHCTX "${DEINSTALLATION}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${DEINSTALLATION}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${DEINSTALLATION}" "UninstallString" '"$INSTDIR\Deinstallieren.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${DEINSTALLATION}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${DEINSTALLATION}" "NoModify" 1
  WriteRegDWORD SHCTX "${DEINSTALLATION}" "NoRepair" 1
SectionEnd

; Removes what the installer put in place. Tournament files, the list of recent
; files and other settings belong to the user and stay.
Section "Uninstall"
  Delete "$INSTDIR\${PROGRAMM}"
  Delete "$INSTDIR\quobel_logo.png"
  Delete "$INSTDIR\de\wxstd-3.2.mo"
  RMDir "$INSTDIR\de"
  ; This runs from a copy in the temporary folder, started by the uninstaller
  ; in $INSTDIR, which does not wait for it and may still be ending: a running
  ; program cannot be deleted. It is given ten seconds.
  ${For} $0 1 50
    ClearErrors
    Delete "$INSTDIR\Deinstallieren.exe"
    ${IfNot} ${Errors}
      ${ExitFor}
    ${EndIf}
    Sleep 200
  ${Next}
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUKT}.lnk"

  ReadRegStr $0 SHCTX "Software\Classes\.quobel" ""
  ${If} $0 == "${DATEITYP}"
    DeleteRegValue SHCTX "Software\Classes\.quobel" ""
  ${EndIf}
  DeleteRegValue SHCTX "Software\Classes\.quobel\OpenWithProgids" "${DATEITYP}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.quobel\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.quobel"
  DeleteRegKey SHCTX "Software\Classes\${DATEITYP}"
  DeleteRegKey SHCTX "Software\Classes\Applications\${PROGRAMM}"
  DeleteRegKey SHCTX "${DEINSTALLATION}"
  !insertmacro MeldeDateitypen
SectionEnd

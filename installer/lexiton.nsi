; The Lexiton installer. Built by CMake (installer/CMakeLists.txt) with makensis:
;   makensis -DVERSION=0.1.0 -DOUTFILE=... -DFILES=.../files.nsh [-DSTAGE32=DIR] [-DSTAGE64=DIR]
;            [-DTARGET=amd64-unicode] lexiton.nsi
; STAGE32 and STAGE64 are the stripped files of the i686 and x86_64 trees; the shipped installer
; is a 32-bit program that holds both and installs the 64-bit build on 64-bit Windows. FILES
; defines the macros that install and delete the file list, written by CMake from the one list of
; what Lexiton ships.
;
; Command line (besides NSIS's /S and /D=DIR):
;   /LANG=1038 or /LANG=2057   the language of the new settings file (Hungarian or English)
;   /AUTORUN=0 or /AUTORUN=1   whether Lexiton starts with Windows
;   Uninstall.exe /REMOVESETTINGS   removes the user's settings too

!ifndef VERSION
  !error "VERSION is not defined"
!endif
!ifndef OUTFILE
  !error "OUTFILE is not defined"
!endif
!ifndef FILES
  !error "FILES is not defined"
!endif
!ifndef STAGE32
  !ifndef STAGE64
    !error "STAGE32, STAGE64 or both must be defined"
  !endif
!endif
!ifndef TARGET
  !define TARGET x86-unicode
!endif
Target ${TARGET}
; A 64-bit installer runs on 64-bit Windows only, where it needs no test.
!if ${NSIS_PTR_SIZE} > 4
  !define NATIVE64
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh
!include ${FILES}

!define PRODUCT "Lexiton"
!define COMPANY "Veltrix"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexiton"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Where the program records its data directory, one value per installed copy (named by the
; program's full path).
!define DATA_DIRS_KEY "Software\Veltrix\AppDataDirs"
; The program's single-instance mutex: while it exists, Lexiton runs and its files are in use.
!define RUNNING_MUTEX "Lexiton"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${COMPANY}"

!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION startLexiton
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Hungarian"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString SecProgram ${LANG_ENGLISH} "Lexiton"
LangString SecProgram ${LANG_HUNGARIAN} "Lexiton"
LangString SecAutoRunName ${LANG_ENGLISH} "Start with Windows"
LangString SecAutoRunName ${LANG_HUNGARIAN} "Indítás a Windows-zal"
LangString SecRemoveSettingsName ${LANG_ENGLISH} "Remove my settings as well"
LangString SecRemoveSettingsName ${LANG_HUNGARIAN} "Beállítások törlése"
LangString SecUninstallName ${LANG_ENGLISH} "Lexiton"
LangString SecUninstallName ${LANG_HUNGARIAN} "Lexiton"
LangString Running ${LANG_ENGLISH} "Lexiton is running. Please exit it (right-click its icon in the notification area, then Exit) and click Retry."
LangString Running ${LANG_HUNGARIAN} "A Lexiton fut. Kérjük, lépjen ki belőle (jobb kattintás az ikonjára az értesítési területen, majd Kilépés), és kattintson az Újra gombra."
LangString StartMenuName ${LANG_ENGLISH} "Lexiton"
LangString StartMenuName ${LANG_HUNGARIAN} "Lexiton"
LangString HelpName ${LANG_ENGLISH} "Lexiton Help"
LangString HelpName ${LANG_HUNGARIAN} "Lexiton súgó"
LangString HelpFile ${LANG_ENGLISH} "kvoHelpEN.chm"
LangString HelpFile ${LANG_HUNGARIAN} "kvoHelpHU.chm"

Var SettingsFolder

; Waits until Lexiton is no longer running: a box with Retry and Cancel, or, when silent, an
; error exit (code 2), since its files cannot be replaced or removed while it runs.
!macro WaitUntilLexitonEnds UN
  Function ${UN}waitUntilLexitonEnds
    retry:
      System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
      ${If} $0 != 0
        System::Call 'kernel32::CloseHandle(p r0)'
        ${If} ${Silent}
          SetErrorLevel 2
          Quit
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" IDRETRY retry
        Quit
      ${EndIf}
  FunctionEnd
!macroend
!insertmacro WaitUntilLexitonEnds ""
!insertmacro WaitUntilLexitonEnds "un."

; 64-bit Windows gets the x86_64 build in the 64-bit Program Files and registry, when the
; installer holds it; everything else the i686 build. A folder given with /D stays.
!macro UseArchitecture
  !ifdef NATIVE64
    SetRegView 64
  !else ifdef STAGE64
    ${If} ${RunningX64}
      SetRegView 64
      ${If} $INSTDIR == "$PROGRAMFILES\${PRODUCT}"
        StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
      ${EndIf}
    ${EndIf}
  !endif
!macroend


Section "$(SecProgram)" SecMain
  SectionIn RO
  Call waitUntilLexitonEnds
  SetOutPath "$INSTDIR"
  !ifdef STAGE64 & STAGE32
    ${If} ${RunningX64}
      !insertmacro LexitonInstallFiles "${STAGE64}"
    ${Else}
      !insertmacro LexitonInstallFiles "${STAGE32}"
    ${EndIf}
  !else ifdef STAGE64
    !insertmacro LexitonInstallFiles "${STAGE64}"
  !else
    !insertmacro LexitonInstallFiles "${STAGE32}"
  !endif
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The Start-menu entries, for every user of the computer.
  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\$(StartMenuName).lnk" "$INSTDIR\Lexiton.exe" "" "$INSTDIR\uires2057.dll" 0
  CreateShortcut "$SMPROGRAMS\$(HelpName).lnk" "$INSTDIR\$(HelpFile)"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "ProgramShortcut" "$SMPROGRAMS\$(StartMenuName).lnk"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "HelpShortcut" "$SMPROGRAMS\$(HelpName).lnk"
  SetShellVarContext current

  ; The settings of the user who installs: a new file in the installer's language, offline, the
  ; hover dictionaries on. A file that names its language already is the user's and stays.
  StrCpy $SettingsFolder "$APPDATA\Veltrix\Lexiton"
  CreateDirectory "$SettingsFolder"
  ReadINIStr $R0 "$SettingsFolder\lexiton.ini" "dict" "UserLang"
  ${If} $R0 == ""
    ${If} $LANGUAGE == ${LANG_HUNGARIAN}
      WriteINIStr "$SettingsFolder\lexiton.ini" "dict" "UserLang" "1038"
    ${Else}
      WriteINIStr "$SettingsFolder\lexiton.ini" "dict" "UserLang" "2057"
    ${EndIf}
    WriteINIStr "$SettingsFolder\lexiton.ini" "dict" "HVRDicts" "1"
    WriteINIStr "$SettingsFolder\lexiton.ini" "Server Settings" "Server_Mode" "0"
  ${EndIf}

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\uires2057.dll,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $R0 $R1 $R2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $R0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallerLanguage" $LANGUAGE
SectionEnd

; The same value the tray menu's "Start with Windows" writes, and the check mark that goes with it.
Section "$(SecAutoRunName)" SecAutoRun
  WriteRegStr HKCU "${RUN_KEY}" "Lexiton" '"$INSTDIR\Lexiton.exe"'
  WriteINIStr "$APPDATA\Veltrix\Lexiton\lexiton.ini" "dict" "AutoRun" "1"
SectionEnd

Section "-NoAutoRun"
  ${IfNot} ${SectionIsSelected} ${SecAutoRun}
    DeleteRegValue HKCU "${RUN_KEY}" "Lexiton"
    WriteINIStr "$APPDATA\Veltrix\Lexiton\lexiton.ini" "dict" "AutoRun" "0"
  ${EndIf}
SectionEnd


Section "un.$(SecUninstallName)" SecUninstall
  SectionIn RO
  Call un.waitUntilLexitonEnds
  !insertmacro LexitonDeleteFiles
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "ProgramShortcut"
  ${If} $R0 != ""
    Delete "$R0"
  ${EndIf}
  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "HelpShortcut"
  ${If} $R0 != ""
    Delete "$R0"
  ${EndIf}

  DeleteRegValue HKCU "${RUN_KEY}" "Lexiton"
  DeleteRegValue HKCU "${DATA_DIRS_KEY}" "$INSTDIR\Lexiton.exe"
  DeleteRegKey /ifempty HKCU "${DATA_DIRS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Veltrix"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.$(SecRemoveSettingsName)" SecRemoveSettings
  Delete "$APPDATA\Veltrix\Lexiton\lexiton.ini"
  Delete "$APPDATA\Veltrix\Lexiton\lexidic.db"
  ; SQLite's log and index beside the word list, left there when Lexiton did not end cleanly.
  Delete "$APPDATA\Veltrix\Lexiton\lexidic.db-wal"
  Delete "$APPDATA\Veltrix\Lexiton\lexidic.db-shm"
  RMDir "$APPDATA\Veltrix\Lexiton"
  RMDir "$APPDATA\Veltrix"
SectionEnd

; The installer runs elevated; Lexiton is started through the shell, so it runs as the user does.
Function startLexiton
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\Lexiton.exe"'
FunctionEnd

Function .onInit
  ; Only a 32-bit installer that carries no 32-bit build needs 64-bit Windows ("!ifndef A & B":
  ; neither is defined; with "|" it would be either, and the installer of both builds refused
  ; 32-bit Windows).
  !ifndef STAGE32 & NATIVE64
    ${IfNot} ${RunningX64}
      MessageBox MB_ICONSTOP "This installer needs 64-bit Windows." /SD IDOK
      SetErrorLevel 3
      Quit
    ${EndIf}
  !endif
  !insertmacro UseArchitecture
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LANG=" $R1
  ${IfNot} ${Errors}
    ${If} $R1 == "1038"
      StrCpy $LANGUAGE ${LANG_HUNGARIAN}
    ${Else}
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndIf}
  ${Else}
    !insertmacro MUI_LANGDLL_DISPLAY
  ${EndIf}
  ; A reinstallation keeps the current start-with-Windows choice unless told otherwise.
  ReadRegStr $R2 HKLM "${UNINSTALL_KEY}" "UninstallString"
  ${If} $R2 != ""
    ReadRegStr $R2 HKCU "${RUN_KEY}" "Lexiton"
    ${If} $R2 == ""
      !insertmacro UnselectSection ${SecAutoRun}
    ${EndIf}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/AUTORUN=" $R1
  ${IfNot} ${Errors}
    ${If} $R1 == "0"
      !insertmacro UnselectSection ${SecAutoRun}
    ${Else}
      !insertmacro SelectSection ${SecAutoRun}
    ${EndIf}
  ${EndIf}
  Call waitUntilLexitonEnds
FunctionEnd

Function un.onInit
  ; The registry view the installation was recorded in.
  !ifdef NATIVE64
    SetRegView 64
  !else
    ${If} ${RunningX64}
      SetRegView 64
      ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "UninstallString"
      ${If} $R0 == ""
        SetRegView 32
      ${EndIf}
    ${EndIf}
  !endif
  !insertmacro MUI_UNGETLANGUAGE
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVESETTINGS" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecRemoveSettings}
  ${EndIf}
  Call un.waitUntilLexitonEnds
FunctionEnd

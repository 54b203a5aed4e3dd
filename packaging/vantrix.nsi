; The per-user installer of Vantrix. Built by scripts/package.sh with Debian's makensis, which passes:
;   VTX_VERSION VTX_COMPANY VTX_PRODUCT VTX_DESCRIPTION VTX_COPYRIGHT  (generated/release.env: project())
;   VTX_HOME_PAGE VTX_PRODUCT_PAGE VTX_SUPPORT_PAGE                    (src/catalogue/web_addresses.h)
;   VTX_STAGE    the folder to install (vantrix.exe, README.txt, help\, themes\)
;   VTX_FILES    an include with the installed files and folders, for the uninstaller
;   VTX_ICON     res/vantrix.ico
;   VTX_OUTFILE  the installer to write
;
; It installs for the current user only, without administrator rights, into the user's own
; programs folder (%LOCALAPPDATA%\Programs\Vantrix), which stays writable for themes.
; Besides NSIS's own /S (silent) and /D=<folder> (where to install) it takes:
;   /STARTWITHWINDOWS=1 or 0  "Start Vantrix when Windows starts"; without it: on for a new user,
;                             and the choice in the user's settings for one who has used Vantrix.
; Its uninstaller ("Apps", or uninstall.exe) removes the program's files and keeps the user's
; shortcuts and settings (%APPDATA%\Orvane\VTX) and own themes, unless asked: its component
; "Your shortcuts, settings and themes", or /REMOVEDATA.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS all

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh
!include TextFunc.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrix"
; The program's own start-with-Windows entry (src/app/startup_entry.*): the Run value "ovvtx" whose
; data is the program's path in double quotes followed by " ns" (uninstalling also knows the older
; unquoted form). The program writes it under HKEY_LOCAL_MACHINE when
; it may, else under HKEY_CURRENT_USER, which is where a per-user installer writes it.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "ovvtx"
!define EXE "vantrix.exe"
; The program's window class and the mutex its start-up creates last (src/shell/).
!define WINDOW_CLASS "TForm1"
!define MUTEX "OVVantrix"

Name "${VTX_PRODUCT}"
OutFile "${VTX_OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${VTX_PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${VTX_COMPANY} ${VTX_PRODUCT} ${VTX_VERSION}"
ShowInstDetails hide
ShowUninstDetails hide

VIProductVersion "${VTX_VERSION}"
VIFileVersion "${VTX_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${VTX_PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${VTX_COMPANY}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${VTX_COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${VTX_PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VTX_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VTX_VERSION}"

!define MUI_ICON "${VTX_ICON}"
!define MUI_UNICON "${VTX_ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TEXT "Setup will install ${VTX_PRODUCT} ${VTX_VERSION}, the keyboard launcher, for you alone: \
no administrator rights are needed.$\r$\n$\r$\nPress Win+Z anywhere, type the first letters of a shortcut and \
press Enter.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${VTX_PRODUCT} now"
!define MUI_FINISHPAGE_TEXT "${VTX_PRODUCT} waits as an icon in the notification area: click it, or press Win+Z, \
to bring up the launcher. If Windows already uses Win+Z, choose another hotkey in Settings."
!define MUI_FINISHPAGE_LINK "${VTX_PRODUCT_PAGE}"
!define MUI_FINISHPAGE_LINK_LOCATION "${VTX_PRODUCT_PAGE}"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; ------------------------------------------------------------------ shared by installer and uninstaller

!macro SHARED_FUNCTIONS un
; Ends a running Vantrix the way its own Exit does (it saves first), and waits until it has gone.
Function ${un}CloseVantrix
  FindWindow $R0 "${WINDOW_CLASS}"
  ${If} $R0 == 0
    Return
  ${EndIf}
  DetailPrint "Closing the running ${VTX_PRODUCT}..."
  SendMessage $R0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  StrCpy $R1 0
  ${Do}
    Sleep 100
    IntOp $R1 $R1 + 1
    FindWindow $R0 "${WINDOW_CLASS}"
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${MUTEX}") p .R2'
    ${If} $R2 P<> 0
      System::Call 'kernel32::CloseHandle(p R2)'
    ${EndIf}
    ${If} $R0 == 0
    ${AndIf} $R2 P= 0
      ${Break}
    ${EndIf}
  ${LoopUntil} $R1 >= 100
FunctionEnd

; Deletes the start-with-Windows entry wherever it starts this copy of the program.
Function ${un}DeleteRunEntry
  ReadRegStr $R0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $R0 == "$INSTDIR\${EXE} ns"
  ${OrIf} $R0 == '"$INSTDIR\${EXE}" ns'
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  ReadRegStr $R0 HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $R0 == "$INSTDIR\${EXE} ns"
  ${OrIf} $R0 == '"$INSTDIR\${EXE}" ns'
    ClearErrors
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
FunctionEnd
!macroend
!insertmacro SHARED_FUNCTIONS ""
!insertmacro SHARED_FUNCTIONS "un."

; ------------------------------------------------------------------ the settings file (Data folder)

Var SettingsFile

; $R5 := the value of the key "startonstartup" in the user's set.set ("" when absent), as the
; program reads it: the first line whose key matches, letters in any case.
Function ReadStartupSetting
  StrCpy $R5 ""
  ClearErrors
  FileOpen $R1 "$SettingsFile" r
  ${If} ${Errors}
    Return
  ${EndIf}
  ${Do}
    ClearErrors
    FileRead $R1 $R3
    ${If} ${Errors}
      ${Break}
    ${EndIf}
    StrCpy $R4 $R3 15
    ${If} $R4 == "startonstartup="
      StrCpy $R5 $R3 "" 15
      ${TrimNewLines} $R5 $R5
      ${Break}
    ${EndIf}
  ${Loop}
  FileClose $R1
FunctionEnd

; Sets "startonstartup" in the user's set.set to $R6, as the program's own option does: the program
; applies that setting at every start, so the choice made here has to be there too.
Function WriteStartupSetting
  ClearErrors
  FileOpen $R1 "$SettingsFile" r
  ${If} ${Errors}
    Return
  ${EndIf}
  FileOpen $R2 "$SettingsFile.tmp" w
  StrCpy $R7 0
  ${Do}
    ClearErrors
    FileRead $R1 $R3
    ${If} ${Errors}
      ${Break}
    ${EndIf}
    StrCpy $R4 $R3 15
    ${If} $R4 == "startonstartup="
      FileWrite $R2 "startonstartup=$R6$\r$\n"
      StrCpy $R7 1
    ${Else}
      FileWrite $R2 $R3
    ${EndIf}
  ${Loop}
  ${If} $R7 == 0
    FileWrite $R2 "startonstartup=$R6$\r$\n"
  ${EndIf}
  FileClose $R1
  FileClose $R2
  Delete "$SettingsFile"
  Rename "$SettingsFile.tmp" "$SettingsFile"
FunctionEnd

; ------------------------------------------------------------------ installer

Section "${VTX_PRODUCT}" SecProgram
  SectionIn RO
  Call CloseVantrix
  SetOutPath "$INSTDIR"
  File "${VTX_STAGE}\${EXE}"
  File "${VTX_STAGE}\README.txt"
  SetOutPath "$INSTDIR\help"
  File /r "${VTX_STAGE}\help\*"
  ; Like the program's own start-up check: theme files that are there already are left alone.
  SetOverwrite off
  SetOutPath "$INSTDIR\themes"
  File /r "${VTX_STAGE}\themes\*"
  SetOverwrite on
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${VTX_PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 SW_SHOWNORMAL "" \
    "${VTX_DESCRIPTION}"

  ; "Apps" (Settings) and "Programs and Features" list it for this user.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${VTX_PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VTX_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${VTX_COMPANY}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${VTX_HOME_PAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLUpdateInfo" "${VTX_PRODUCT_PAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${VTX_SUPPORT_PAGE}"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Start ${VTX_PRODUCT} when Windows starts" SecStartup
SectionEnd

Section "-apply the choices and start"
  ${If} ${SectionIsSelected} ${SecStartup}
    StrCpy $R6 1
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${EXE}" ns'
    Delete "$INSTDIR\set.set"
  ${Else}
    StrCpy $R6 0
    Call DeleteRunEntry
    ; The program's first run turns starting with Windows on, unless the settings it finds say
    ; otherwise; a new user's first run finds these in the Program folder (a fallback the program
    ; reads while the Data folder has no set.set of its own).
    FileOpen $R1 "$INSTDIR\set.set" w
    FileWrite $R1 "startonstartup=0$\r$\n"
    FileClose $R1
  ${EndIf}
  ${If} ${FileExists} "$SettingsFile"
    Call WriteStartupSetting
  ${EndIf}
  ; The finish page offers to start it; a silent install starts it here.
  ${If} ${Silent}
    Exec '"$INSTDIR\${EXE}"'
  ${EndIf}
SectionEnd

Function .onInit
  StrCpy $SettingsFile "$APPDATA\Orvane\VTX\set.set"
  ; On for a new user (the program's own first-run choice); the user's own choice otherwise.
  Call ReadStartupSetting
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/STARTWITHWINDOWS=" $R1
  ${IfNot} ${Errors}
    StrCpy $R5 $R1
  ${EndIf}
  ${If} $R5 == "0"
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
FunctionEnd

; ------------------------------------------------------------------ uninstaller

Section "un.${VTX_PRODUCT}" UnSecProgram
  SectionIn RO
  Call un.CloseVantrix
  ; What the installer put there (the list comes from scripts/package.sh), and what the program
  ; or the installer may have added: a settings fallback and left-over temporary files.
  !include "${VTX_FILES}"
  Delete "$INSTDIR\set.set"
  Delete "$INSTDIR\*.tmp"
  Delete "$INSTDIR\themes\*.tmp"
  Delete "$INSTDIR\themes\Default Theme\*.tmp"
  RMDir "$INSTDIR\themes\Default Theme"
  RMDir "$INSTDIR\themes"
  Delete "$SMPROGRAMS\${VTX_PRODUCT}.lnk"
  Call un.DeleteRunEntry
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd

Section /o "un.Your shortcuts, settings and themes" UnSecData
  RMDir /r "$APPDATA\Orvane\VTX"
  RMDir "$APPDATA\Orvane"
  RMDir /r "$INSTDIR\themes"
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVEDATA" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecData}
  ${EndIf}
FunctionEnd

; The Windows installer of Lumo桌面小鼠标, built by scripts/package.sh with
; Debian's makensis. It carries both exes and installs the one that suits the
; machine: x64 on 64-bit Intel/AMD Windows, x86 everywhere else (32-bit
; Windows, and ARM64 Windows, which runs x86 programs on every version).
;
; Defines from the command line (all required):
;   VERSION     x.y.z, from project() in CMakeLists.txt
;   EXE_X86     path of the x86 LumoMouse.exe
;   EXE_X64     path of the x64 LumoMouse.exe
;   GUIDE       path of 说明.txt as it goes to the user
;   ICON        the program's icon (assets/app.ico)
;   OUTFILE     path of the installer to write
; Optional: SIGN_COMMAND, a command that signs the file named by its last
; argument in place; makensis then signs the uninstaller with it before
; packing it into the installer.
;
; Command line of the installer: /S (silent), /AllUsers or /CurrentUser
; (where to install; without one, an administrator installs for all users),
; /AUTOSTART (ticks "start with Windows"), /D=folder (last, the folder).

Unicode true
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT_NAME "Lumo桌面小鼠标"
!define PUBLISHER "Lumo"
!define EXE_NAME "LumoMouse.exe"
!define GUIDE_NAME "说明.txt"
!define UNINSTALLER_NAME "uninstall.exe"
!define SHORTCUT_NAME "${PRODUCT_NAME}.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\LumoMouse"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "LumoMouse"
; Where the program keeps its settings, per user.
!define SETTINGS_KEY "Software\LumoMouse"
; The program's tray window: closing it ends the program cleanly (the icon
; goes too).
!define TRAY_WINDOW_CLASS "LumoFormSurface"
!define TRAY_WINDOW_TITLE "Lumo托盘菜单"

Name "${PRODUCT_NAME}"
Caption "${PRODUCT_NAME} ${VERSION} 安装"
UninstallCaption "${PRODUCT_NAME} ${VERSION} 卸载"
BrandingText "${PRODUCT_NAME} ${VERSION}"
OutFile "${OUTFILE}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT_NAME} 安装程序"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${PUBLISHER}"

!ifdef SIGN_COMMAND
  !uninstfinalize '${SIGN_COMMAND} "%1"' = 0
!endif

; Per-machine (Program Files, needs an administrator) or per-user (the
; user's own programs folder, no administrator needed). The uninstall key
; doubles as the record of a previous installation and its folder.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "LumoMouse"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "当前用户没有管理员权限，不能为本机所有用户安装 $(^Name)。请去掉 /AllUsers，只为自己安装。"

!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include x64.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
; "Run now" starts the program through the shell, as the logged-on user: an
; installer elevated for all users would otherwise start it as administrator,
; keeping its settings in the wrong place and out of reach of a normal start.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunProgramAsUser
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${GUIDE_NAME}"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "SimpChinese"

; Ends every running copy of the program (an upgrade replaces its exe, an
; uninstall deletes it): WM_CLOSE to each tray window, then a short wait for
; the process to let go of its file. Gives up after about five seconds; the
; file copy then reports a file in use as usual.
!macro DEFINE_CLOSE_RUNNING_COPIES PREFIX
Function ${PREFIX}CloseRunningCopies
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${TRAY_WINDOW_CLASS}" "${TRAY_WINDOW_TITLE}"
    ${If} $0 = 0
      ${ExitDo}
    ${EndIf}
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=1000
    Sleep 200
    IntOp $1 $1 + 1
  ${LoopUntil} $1 >= 25
  ${If} $1 > 0
    Sleep 500
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING_COPIES ""
!insertmacro DEFINE_CLOSE_RUNNING_COPIES "un."

; An x64 program belongs in the 64-bit registry view, where Windows also
; looks first; the uninstaller must then read the same view.
!macro USE_NATIVE_REGISTRY_VIEW
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
!macroend

Section "!${PRODUCT_NAME}" SecProgram
  SectionIn RO
  Call CloseRunningCopies
  SetOutPath "$INSTDIR"
  File "/oname=${GUIDE_NAME}" "${GUIDE}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER_NAME}"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT_NAME}" "$INSTDIR\${EXE_NAME}"
  ; An upgrade without "start with Windows" takes back an earlier tick.
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
SectionEnd

; One exe per hidden section: .onInit keeps the one for this machine, so
; the space shown is that of what is installed.
Section "-x64" SecExeX64
  File "/oname=${EXE_NAME}" "${EXE_X64}"
SectionEnd

Section "-x86" SecExeX86
  File "/oname=${EXE_NAME}" "${EXE_X86}"
SectionEnd

; Per user even for a per-machine installation: it is the installing user
; who asked for it. The program starts in the tray, without its settings
; window, and with the settings it kept.
Section /o "开机时自动启动" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${EXE_NAME}" /tray'
SectionEnd

; "Apps & features", last so that the size counts every file. The
; uninstaller is told the mode it was installed in, so that it cleans the
; same registry hive and Start menu.
Section "-AppsAndFeatures"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER_NAME}" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER_NAME}" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The shell's own process runs as the logged-on user, whoever runs the
; installer.
Function RunProgramAsUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\${EXE_NAME}"'
FunctionEnd

Function .onInit
  !insertmacro USE_NATIVE_REGISTRY_VIEW
  ; MULTIUSER_INIT sets the folder of the mode; a /D= folder wins over it.
  StrCpy $2 "$INSTDIR"
  !insertmacro MULTIUSER_INIT
  ${If} $2 != ""
    StrCpy $INSTDIR "$2"
  ${EndIf}
  ${If} ${RunningX64}
  ${AndIfNot} ${IsNativeARM64}
    SectionSetFlags ${SecExeX86} 0
  ${Else}
    SectionSetFlags ${SecExeX64} 0
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecAutostart} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

; The folder goes last, so that a script waiting for it to vanish knows the
; uninstall is complete.
Section "Uninstall"
  Call un.CloseRunningCopies
  Delete "$SMPROGRAMS\${SHORTCUT_NAME}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ; The Run value only if it starts this copy, with or without /tray
  ; (another installation, per user or per machine, may own it).
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $0 == '"$INSTDIR\${EXE_NAME}"'
  ${OrIf} $0 == '"$INSTDIR\${EXE_NAME}" /tray'
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  Delete "$INSTDIR\${EXE_NAME}"
  Delete "$INSTDIR\${GUIDE_NAME}"
  Delete "$INSTDIR\${UNINSTALLER_NAME}"
  ; Only if empty: files the user put there stay.
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  !insertmacro USE_NATIVE_REGISTRY_VIEW
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; The QuorvelMouse installer. The build passes VERSION, PUBLISHER, STAGE (the laid-out
; program folder), ICON, LICENSE and OUTFILE with -D.
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include Sections.nsh

!define PRODUCT "QuorvelMouse"
!define EXE "QuorvelMouse.exe"
!define TASK "QuorvelMouse"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuorvelMouse"
!define WINDOW_CLASS "Z7qdGMClass"
!define EXIT_COMMAND 1028  ; the tray menu's Exit

Var UnKeptText

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install ${PRODUCT} ${VERSION}, the configuration program of your gaming mouse.$\r$\n$\r$\nIf ${PRODUCT} is running, Setup ends it first. Your settings and macros from an earlier version are kept.$\r$\n$\r$\nClick Next to continue."
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"

!insertmacro MUI_PAGE_WELCOME
!define MUI_LICENSEPAGE_BUTTON "&Next >"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "${PRODUCT} is free software under this licence. Click Next to continue."
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
; Says what stayed behind and where, so nobody hunts for a folder they think is gone.
!define MUI_FINISHPAGE_TEXT "$UnKeptText"
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"

; Ends a running copy the way its tray menu does, so it saves nothing half-way and lets go
; of its files; waits up to ten seconds for each process.
!macro EndRunningCopy un
Function ${un}EndRunningCopy
    Push $0
    Push $1
    Push $2
    Push $3
    StrCpy $3 0
    ${Do}
        FindWindow $0 "${WINDOW_CLASS}"
        ${If} $0 == 0
            ${Break}
        ${EndIf}
        ${If} $3 >= 5
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "${PRODUCT} is still running. Close it, then choose Retry." /SD IDCANCEL IDRETRY +2
            Abort "${PRODUCT} is still running."
            StrCpy $3 0
        ${EndIf}
        System::Call "user32::GetWindowThreadProcessId(p r0, *i 0 r1)"
        System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r1) p.r2"  ; SYNCHRONIZE
        System::Call "user32::PostMessageW(p r0, i ${WM_COMMAND}, p ${EXIT_COMMAND}, p 0)"
        ${If} $2 P<> 0
            System::Call "kernel32::WaitForSingleObject(p r2, i 10000)"
            System::Call "kernel32::CloseHandle(p r2)"
        ${Else}
            Sleep 500
        ${EndIf}
        IntOp $3 $3 + 1
    ${Loop}
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro EndRunningCopy ""
!insertmacro EndRunningCopy "un."

Function .onInit
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "${PRODUCT}" SecProgram
    SectionIn RO
    Call EndRunningCopy
    SetOutPath "$INSTDIR"
    File "${STAGE}\${EXE}"
    File "${STAGE}\quorvelctl.exe"
    File "${STAGE}\LICENSE.txt"
    ; The user's settings and macros: an upgrade keeps them as they are.
    SetOverwrite off
    File "${STAGE}\config.bin"
    File "${STAGE}\str.ini"
    SetOverwrite on
    RMDir /r "$INSTDIR\Skins"
    SetOutPath "$INSTDIR\Skins"
    File /r "${STAGE}\Skins\*"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    SetShellVarContext all
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The program asks for administrator rights, which a Run key cannot give at log-on: a task
; with the highest privileges can.
Section "Start ${PRODUCT} when I log on" SecLogOn
SectionEnd

Section "-LogOnTask"
    nsExec::Exec 'schtasks /Delete /TN "${TASK}" /F'
    Pop $0
    ${IfNot} ${SectionIsSelected} ${SecLogOn}
        Return
    ${EndIf}
    ReadEnvStr $1 USERNAME
    ReadEnvStr $2 USERDOMAIN
    ${If} $2 != ""
        StrCpy $1 "$2\$1"
    ${EndIf}
    ${WordReplace} "$1" "&" "&amp;" "+" $1
    ${WordReplace} "$1" "<" "&lt;" "+" $1
    ${WordReplace} "$INSTDIR" "&" "&amp;" "+" $3
    ${WordReplace} "$3" "<" "&lt;" "+" $3
    InitPluginsDir
    FileOpen $0 "$PLUGINSDIR\task.xml" w
    FileWriteUTF16LE /BOM $0 '<?xml version="1.0" encoding="UTF-16"?>$\r$\n'
    FileWriteUTF16LE $0 '<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">$\r$\n'
    FileWriteUTF16LE $0 '  <RegistrationInfo><Description>Starts ${PRODUCT} when you log on.</Description></RegistrationInfo>$\r$\n'
    FileWriteUTF16LE $0 '  <Triggers><LogonTrigger><Enabled>true</Enabled><UserId>$1</UserId></LogonTrigger></Triggers>$\r$\n'
    FileWriteUTF16LE $0 '  <Principals><Principal id="Author"><UserId>$1</UserId><LogonType>InteractiveToken</LogonType><RunLevel>HighestAvailable</RunLevel></Principal></Principals>$\r$\n'
    FileWriteUTF16LE $0 '  <Settings><MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy><DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries><StopIfGoingOnBatteries>false</StopIfGoingOnBatteries><ExecutionTimeLimit>PT0S</ExecutionTimeLimit><Enabled>true</Enabled></Settings>$\r$\n'
    FileWriteUTF16LE $0 '  <Actions Context="Author"><Exec><Command>"$3\${EXE}"</Command><WorkingDirectory>$3</WorkingDirectory></Exec></Actions>$\r$\n'
    FileWriteUTF16LE $0 '</Task>$\r$\n'
    FileClose $0
    nsExec::ExecToLog 'schtasks /Create /TN "${TASK}" /XML "$PLUGINSDIR\task.xml" /F'
    Pop $0
    ${If} $0 != 0
        DetailPrint "The log-on task could not be registered ($0)."
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "${PRODUCT} could not be set to start when you log on." /SD IDOK
    ${EndIf}
SectionEnd

Section "un.${PRODUCT}" UnSecProgram
    SectionIn RO
    Call un.EndRunningCopy
    nsExec::Exec 'schtasks /Delete /TN "${TASK}" /F'
    Pop $0
    Delete "$INSTDIR\${EXE}"
    Delete "$INSTDIR\quorvelctl.exe"
    Delete "$INSTDIR\LICENSE.txt"
    RMDir /r "$INSTDIR\Skins"
    Delete "$INSTDIR\uninstall.exe"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Also remove my settings and macros" UnSecData
    Delete "$INSTDIR\config.bin"
    Delete "$INSTDIR\config.bin.bak"
    Delete "$INSTDIR\str.ini"
    Delete "$INSTDIR\record.ini"
    RMDir /r "$INSTDIR\Profiles"
SectionEnd

Section "-un.Folder"
    RMDir "$INSTDIR"  ; only when nothing of the user's is left in it
    StrCpy $1 ""
    ${If} ${FileExists} "$INSTDIR\config.bin"
        StrCpy $1 "$1$\r$\n    config.bin (the mouse's settings)"
    ${EndIf}
    ${If} ${FileExists} "$INSTDIR\str.ini"
        StrCpy $1 "$1$\r$\n    str.ini (language, skin and text colour)"
    ${EndIf}
    ${If} ${FileExists} "$INSTDIR\record.ini"
        StrCpy $1 "$1$\r$\n    record.ini (your macros)"
    ${EndIf}
    ${If} $1 == ""
        StrCpy $UnKeptText "${PRODUCT} has been removed from your computer, with your settings and macros."
    ${Else}
        StrCpy $UnKeptText "${PRODUCT} has been removed from your computer.$\r$\n$\r$\nYour settings and macros were kept in $INSTDIR:$1$\r$\n$\r$\nInstalling ${PRODUCT} into that folder again uses them; delete the folder to remove them."
    ${EndIf}
SectionEnd

; The Windows installer: Zerlin for the current user, with no administrator rights, into
; %LOCALAPPDATA%\Programs\Zerlin (changeable). A Start menu entry, .bdf files opened with
; Zerlin where no other program holds them (an interactive install asks), an entry in
; "Installed apps", and the install folder on the user's PATH only when ticked. The
; uninstaller removes what the installer made and nothing else. /S installs silently, and
; /PATH ticks the PATH for a silent install.
; Made by scripts/package-windows with makensis:
;   -DVERSION=1.00 -DSOURCE=<the packaged folder> -DFILES=<File lines> -DUNFILES=<Delete
;   lines> -DICON=<zerlin.ico> -DOUTFILE=<setup.exe>
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "WordFunc.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"
!include "Sections.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zerlin"
!define CLASS "Zerlin.CharacterSet"

Name "Zerlin ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zerlin"
Icon "${ICON}"
UninstallIcon "${ICON}"
VIProductVersion "1.0.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Zerlin"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Zerlin ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "Zerlin Team"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Zerlin Team, www.zerlin.example"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Zerlin" SecProgram
    SectionIn RO
    SetShellVarContext current
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Zerlin.lnk" "$INSTDIR\zerlin.exe" "" "$INSTDIR\zerlin.exe" 0

    WriteRegStr HKCU "Software\Classes\${CLASS}" "" "Zerlin character set"
    WriteRegStr HKCU "Software\Classes\${CLASS}\DefaultIcon" "" '"$INSTDIR\zerlin.exe",0'
    WriteRegStr HKCU "Software\Classes\${CLASS}\shell\open\command" "" '"$INSTDIR\zerlin.exe" "%1"'
    ; .bdf files: taken where no other program holds them; a silent install keeps another
    ; program's, an interactive one asks.
    ReadRegStr $0 HKCU "Software\Classes\.bdf" ""
    ${If} $0 == ""
        ReadRegStr $0 HKLM "Software\Classes\.bdf" ""
    ${EndIf}
    StrCpy $1 1
    ${If} $0 != ""
    ${AndIf} $0 != "${CLASS}"
        StrCpy $1 0
        ${IfNot} ${Silent}
            MessageBox MB_YESNO|MB_ICONQUESTION \
                "BDF files open with $0 now. Open them with Zerlin instead?" IDNO +2
            StrCpy $1 1
        ${EndIf}
    ${EndIf}
    ${If} $1 == 1
        WriteRegStr HKCU "Software\Classes\.bdf" "" "${CLASS}"
        WriteRegDWORD HKCU "${UNINSTALL_KEY}" "OpensBdf" 1
        System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    ${EndIf}

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Zerlin"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Zerlin Team"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "http://www.zerlin.example"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\zerlin.exe",0'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Add Zerlin to the PATH" SecPath
    ReadRegStr $0 HKCU "Environment" "Path"
    ${If} $0 == ""
        StrCpy $0 "$INSTDIR"
    ${Else}
        StrCpy $0 "$0;$INSTDIR"
    ${EndIf}
    WriteRegExpandStr HKCU "Environment" "Path" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "AddedToPath" 1
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
SectionEnd

Function .onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/PATH" $1
    ${IfNot} ${Errors}
        SectionSetFlags ${SecPath} ${SF_SELECTED}
    ${EndIf}
FunctionEnd

Section "Uninstall"
    SetShellVarContext current
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Zerlin.lnk"

    ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "OpensBdf"
    ReadRegStr $1 HKCU "Software\Classes\.bdf" ""
    ${If} $0 == 1
    ${AndIf} $1 == "${CLASS}"
        DeleteRegValue HKCU "Software\Classes\.bdf" ""
        DeleteRegKey /ifempty HKCU "Software\Classes\.bdf"
    ${EndIf}
    DeleteRegKey HKCU "Software\Classes\${CLASS}"

    ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $0 == 1
        ReadRegStr $1 HKCU "Environment" "Path"
        ${un.WordReplace} "$1" ";$INSTDIR" "" "+" $1
        ${un.WordReplace} "$1" "$INSTDIR" "" "+" $1
        ${If} $1 == ""
            DeleteRegValue HKCU "Environment" "Path"
        ${Else}
            WriteRegExpandStr HKCU "Environment" "Path" $1
        ${EndIf}
        SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; The Windows installer: per machine into Program Files\Tolvane, a Start menu shortcut, an
; uninstaller and an entry in Apps & features. /S installs and uninstalls silently.
; makensis -DVERSION=… -DPROGRAM=… -DTABLE=… -DREADME=… -DLICENSE=… -DICON=… -DOUTFILE=… tolvane.nsi
; A 64-bit installer for a 64-bit program: it runs where the program does, with no 32-bit
; layer needed.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "x64.nsh"

!define PRODUCT "Tolvane"
!define PUBLISHER "The Tolvane developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvane"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}. MIT License."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; Pops 1 when the two files on the stack hold the same bytes, else 0 (a missing file included).
Function SameContents
    Exch $R1
    Exch
    Exch $R0
    Push $R2
    Push $R3
    Push $R4
    Push $R5
    Push $R6
    StrCpy $R6 0
    ClearErrors
    FileOpen $R2 $R0 r
    ${IfNot} ${Errors}
        FileOpen $R3 $R1 r
        ${IfNot} ${Errors}
            ${Do}
                ClearErrors
                FileReadByte $R2 $R4
                ; $R0, no longer needed as a name, is 1 at the end of the first file.
                ${If} ${Errors}
                    StrCpy $R0 1
                ${Else}
                    StrCpy $R0 0
                ${EndIf}
                ClearErrors
                FileReadByte $R3 $R5
                ${If} ${Errors}
                    ${If} $R0 == 1
                        StrCpy $R6 1
                    ${EndIf}
                    ${Break}
                ${EndIf}
                ${If} $R0 == 1
                ${OrIf} $R4 != $R5
                    ${Break}
                ${EndIf}
            ${Loop}
            FileClose $R3
        ${EndIf}
        FileClose $R2
    ${EndIf}
    StrCpy $R0 $R6
    Pop $R6
    Pop $R5
    Pop $R4
    Pop $R3
    Pop $R2
    Pop $R1
    Exch $R0
FunctionEnd

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Tolvane"
    SetOutPath "$INSTDIR"
    File "/oname=tolvane.exe" "${PROGRAM}"
    File "/oname=README.md" "${README}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    ; The rates are the user's to edit. An edited table.csv is kept when a newer version is
    ; installed over it; one still as the last version shipped it takes the new rates.
    ; table.csv.shipped remembers what was shipped.
    ${If} ${FileExists} "$INSTDIR\table.csv"
        Push "$INSTDIR\table.csv"
        Push "$INSTDIR\table.csv.shipped"
        Call SameContents
        Pop $0
    ${Else}
        StrCpy $0 1
    ${EndIf}
    ${If} $0 == 1
        File "/oname=table.csv" "${TABLE}"
    ${EndIf}
    File "/oname=table.csv.shipped" "${TABLE}"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tolvane.exe" "" "$INSTDIR\tolvane.exe" 0
    WriteUninstaller "$INSTDIR\uninstall.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tolvane.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\tolvane.exe"
    Delete "$INSTDIR\table.csv"
    Delete "$INSTDIR\table.csv.shipped"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

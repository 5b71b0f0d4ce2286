; The Windows installer: per machine into Program Files\Tolvane, a Start menu shortcut, an
; uninstaller and an entry in Apps & features. /S installs and uninstalls silently.
; makensis -DVERSION=… -DPROGRAM=… -DTABLE=… -DREADME=… -DLICENSE=… -DICON=… -DOUTFILE=… tolvane.nsi
; TABLE, README and LICENSE are the Windows copies of those files (CRLF line ends).
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
; Each question says what each of its buttons does.
!define RUNNING_TEXT "Tolvaneが実行中です。$\r$\n$\r$\nTolvaneを終了してから［再試行］を押してください。$\r$\n［キャンセル］を押すと、何も変更せずに終了します。"
!define KEEP_TABLE_TEXT "料金設定ファイル(table.csv)は編集されています。$\r$\n編集したtable.csvを残しますか？$\r$\n$\r$\n［はい］を押すと、table.csvだけを次のフォルダーに残します。$\r$\n$INSTDIR$\r$\n［いいえ］を押すと、table.csvも削除します。"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; Setup run again (a repair, an upgrade) goes where Tolvane already is, not to a second copy.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} ${VERSION} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}. MIT License."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE OwnFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; Pops 1 when the two files on the stack hold the same bytes, else 0 (a missing file included).
!macro SameContentsFunction prefix
Function ${prefix}SameContents
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
!macroend
!insertmacro SameContentsFunction ""
!insertmacro SameContentsFunction "un."

; While Tolvane runs from $INSTDIR, Windows keeps its file open: it could be neither replaced nor
; removed, and an uninstall would leave it behind with no entry left to remove it. Any window of
; Tolvane's class (TolvaneMainF, as src/win32window names it) whose process runs this folder's
; tolvane.exe counts; a copy running from elsewhere does not. Asks the user to close it;
; silently, or if the user cancels, ends with status 2 and changes nothing.
!macro CloseRunningCopyFunction prefix
Function ${prefix}CloseRunningCopy
    retry:
    StrCpy $1 0
    ${Do}
        FindWindow $1 "TolvaneMainF" "" "" $1
        ${If} $1 == 0
            Return
        ${EndIf}
        StrCpy $4 ""
        System::Call "user32::GetWindowThreadProcessId(p r1, *i .r2)"
        ; PROCESS_QUERY_LIMITED_INFORMATION
        System::Call "kernel32::OpenProcess(i 0x1000, i 0, i r2) p .r3"
        ${If} $3 P<> 0
            System::Call "kernel32::QueryFullProcessImageNameW(p r3, i 0, w .r4, *i ${NSIS_MAX_STRLEN})"
            System::Call "kernel32::CloseHandle(p r3)"
        ${EndIf}
        ${If} $4 == "$INSTDIR\tolvane.exe"
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${RUNNING_TEXT}" /SD IDCANCEL IDRETRY retry
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${Loop}
FunctionEnd
!macroend
!insertmacro CloseRunningCopyFunction ""
!insertmacro CloseRunningCopyFunction "un."

; Tolvane gets a folder of its own under the one chosen, unless that is already its own (named
; Tolvane, or an earlier install's): an uninstall removes the folder, and must not take a
; crowded D:\Tools with it.
Function OwnFolder
    ${GetFileName} "$INSTDIR" $0
    ${If} $0 != "${PRODUCT}"
    ${AndIfNot} ${FileExists} "$INSTDIR\uninstall.exe"
        StrCpy $INSTDIR "$INSTDIR\${PRODUCT}"
    ${EndIf}
FunctionEnd

Function .onInit
    SetRegView 64
    SetShellVarContext all
    ; A silent install has no directory page to leave: /D= is taken here.
    ${If} ${Silent}
        Call OwnFolder
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
    Call un.CloseRunningCopy
FunctionEnd

Section "Tolvane"
    Call CloseRunningCopy
    SetOutPath "$INSTDIR"
    File "/oname=tolvane.exe" "${PROGRAM}"
    File "/oname=README.txt" "${README}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    ; What earlier versions shipped and this one does not.
    Delete "$INSTDIR\README.md"
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
    ; The folder's own files only, not whatever lies below it.
    ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\tolvane.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    ; Edited rates are the user's work: kept unless the user says otherwise (a silent uninstall
    ; keeps them), as a removed Debian package keeps an edited configuration file. A table as
    ; shipped goes without a question.
    Push "$INSTDIR\table.csv"
    Push "$INSTDIR\table.csv.shipped"
    Call un.SameContents
    Pop $0
    ${If} $0 == 1
        Delete "$INSTDIR\table.csv"
    ${ElseIf} ${FileExists} "$INSTDIR\table.csv"
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 "${KEEP_TABLE_TEXT}" /SD IDYES IDYES +2
        Delete "$INSTDIR\table.csv"
    ${EndIf}
    Delete "$INSTDIR\table.csv.shipped"
    RMDir "$INSTDIR"
    ; The shortcut and the Apps & features entry are this copy's only if they name its folder:
    ; a second copy's uninstaller leaves the installed one's alone.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == "$INSTDIR"
        Delete "$SMPROGRAMS\${PRODUCT}.lnk"
        DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${EndIf}
SectionEnd

; The installer of Cindermoor Launcher, one per machine type. tools/package.sh makes both:
;   makensis -DVERSION=<version> -DARCH=x64|x86 -DPROGRAM=<launcher.exe> -DICON=<launcher.ico>
;            -DWIZARD_PICTURE=<164 x 314 .bmp> -DTEXTS=<texts.nsh> [-DSIGN_COMMAND=<command>]
;            -DOUTFILE=<setup.exe> installer/launcher.nsi
;
; Two modes: for all users (machine-wide, needs administrator rights) and only for the current
; user (the user's own folders and registry, no elevation). The installer itself starts without
; elevation and starts itself again elevated only when all users is chosen without those rights,
; so a per-user install never shows a UAC prompt.
;
; It speaks the program's languages: TEXTS, made by tools/make_texts.py from the program's
; tables, loads NSIS's language file of each for its own pages and holds our pages' and
; messages' texts. Windows' display language chooses, or the launcher's Language setting.

!if "${ARCH}" == "x64"
  Target amd64-unicode
!else if "${ARCH}" == "x86"
  Target x86-unicode
!else
  !error "ARCH must be x64 or x86"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include WordFunc.nsh

!define NAME "Cindermoor Launcher"
!define PUBLISHER "Cindermoor"
!define APPS_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\CindermoorLauncher"
!define CLASS_KEY "Software\Classes\tribes"
!define SETTINGS_KEY "Software\Cindermoor\Launcher\Program Settings"
!define PROGRAM_FILE "launcher.exe"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"

; Exit codes beyond NSIS's own (1: cancelled by the user, 2: aborted), for package managers.
!define EXIT_PROGRAM_RUNNING 3
!define EXIT_BAD_FOLDER 4
!define EXIT_NOT_ELEVATED 5

Name "${NAME}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
BrandingText "${NAME} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

; Signing, when a certificate is given: the command signs the file it is given in place. The
; uninstaller is signed before it goes into the installer, so the installed uninstall.exe is
; the signed one; the installer once it is complete.
!ifdef SIGN_COMMAND
  !uninstfinalize '${SIGN_COMMAND} "%1"' = 0
  !finalize '${SIGN_COMMAND} "%1"' = 0
!endif

Var AllUsers      ; 1: for all users, 0: only for the current user
Var FolderGiven   ; 1 when /D= chose the folder: a mode change then keeps it
Var ModeGiven     ; 1 when /AllUsers or /CurrentUser chose the mode: the mode page is skipped
Var AllUsersRadio ; the mode page's first radio button

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_PICTURE}"
!define MUI_ABORTWARNING
Page custom ModePage ModePageLeave
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_FILE}"
!define MUI_FINISHPAGE_RUN_TEXT "$(installer_finish_run)"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!include "${TEXTS}"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}"

; ---------------------------------------------------------------- shared by both halves

; Selects the mode's shell folders ($SMPROGRAMS) and registry store (SHCTX).
!macro DEFINE_APPLY_MODE un
Function ${un}ApplyMode
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_APPLY_MODE ""
!insertmacro DEFINE_APPLY_MODE "un."

; Administrator rights are needed for a machine-wide install or removal. Without them the
; program starts itself again through the "runas" verb (the UAC prompt), passes on the chosen
; mode and waits; its exit code becomes ours. Under Wine every program has these rights.
!macro DEFINE_ENSURE_ELEVATED un
Function ${un}EnsureElevated
  ${If} $AllUsers != 1
    Return
  ${EndIf}
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 == "Admin"
    Return
  ${EndIf}
  StrCpy $1 "/AllUsers"
  ${If} ${Silent}
    StrCpy $1 "/S $1"
  ${EndIf}
  !if "${un}" == "un."
    ; The uninstaller runs from a temporary copy; _?= tells the copy where the program is.
    StrCpy $1 "$1 _?=$INSTDIR"
  !else
    ${If} $FolderGiven == 1
      StrCpy $1 "$1 /D=$INSTDIR"
    ${EndIf}
  !endif
  Call ${un}RunElevatedAndWait
  Pop $0
  SetErrorLevel $0
  Quit
FunctionEnd

; Starts $EXEPATH elevated with the parameters in $1; pushes its exit code.
Function ${un}RunElevatedAndWait
  ; SHELLEXECUTEINFOW with SEE_MASK_NOCLOSEPROCESS; 64-bit pointers pad the DWORDs before them.
  !if "${NSIS_PTR_SIZE}" > 4
    System::Call '*(i 112, i 0x40, p $HWNDPARENT, w "runas", w "$EXEPATH", w r1, p 0, i 1, i 0, \
                  p 0, p 0, p 0, p 0, i 0, i 0, p 0, p 0) p .r2'
  !else
    System::Call '*(i 60, i 0x40, p $HWNDPARENT, w "runas", w "$EXEPATH", w r1, p 0, i 1, \
                  p 0, p 0, p 0, p 0, i 0, p 0, p 0) p .r2'
  !endif
  System::Call 'shell32::ShellExecuteExW(p r2) i .r3'
  ${If} $3 == 0
    System::Free $2
    MessageBox MB_OK|MB_ICONSTOP "$(installer_needs_admin)" /SD IDOK
    Push ${EXIT_NOT_ELEVATED}
    Return
  ${EndIf}
  !if "${NSIS_PTR_SIZE}" > 4
    System::Call '*$2(i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p .r4)'
  !else
    System::Call '*$2(i, i, p, p, p, p, p, i, p, p, p, p, i, p, p .r4)'
  !endif
  System::Free $2
  HideWindow
  System::Call 'kernel32::WaitForSingleObject(p r4, i -1)'
  System::Call 'kernel32::GetExitCodeProcess(p r4, *i .r5)'
  System::Call 'kernel32::CloseHandle(p r4)'
  Push $5
FunctionEnd
!macroend
!insertmacro DEFINE_ENSURE_ELEVATED ""
!insertmacro DEFINE_ENSURE_ELEVATED "un."

; A running program's file cannot be opened for writing, on Windows and under Wine alike,
; whichever of its windows is up. So this asks exactly "does the copy in this folder run",
; which is what replacing or removing it depends on; a copy elsewhere does not matter.
!macro DEFINE_WAIT_UNTIL_PROGRAM_ENDS un
Function ${un}WaitUntilProgramEnds
  retry:
  IfFileExists "$INSTDIR\${PROGRAM_FILE}" 0 done
  ClearErrors
  FileOpen $0 "$INSTDIR\${PROGRAM_FILE}" a
  IfErrors running
  FileClose $0
  Goto done
  running:
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(installer_running)" /SD IDCANCEL \
      IDRETRY retry
  SetErrorLevel ${EXIT_PROGRAM_RUNNING}
  Quit
  done:
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_UNTIL_PROGRAM_ENDS ""
!insertmacro DEFINE_WAIT_UNTIL_PROGRAM_ENDS "un."

; One file has many spellings: under Wine C:\… and Z:\…\drive_c\…, on Windows a long and an 8.3
; short one. Whether two paths name the same file or folder is told by the file system's own
; identity of it (volume serial and file index), never by comparing the text.
!define FILE_SHARE_ALL 7 ; read, write, delete: never in the way of anyone else
!define OPEN_EXISTING 3
!define FILE_FLAG_BACKUP_SEMANTICS 0x02000000 ; opens folders too
!macro DEFINE_SAME_FILE un
; $0: a path in; $0 out: the identity of what it names, "" when there is nothing. Opened
; without access rights, which is enough to ask, even of a running program.
Function ${un}FileIdentity
  Push $1
  Push $2
  Push $3
  System::Call 'kernel32::CreateFileW(w r0, i 0, i ${FILE_SHARE_ALL}, p 0, i ${OPEN_EXISTING}, \
                i ${FILE_FLAG_BACKUP_SEMANTICS}, p 0) p .r1'
  StrCpy $0 ""
  ${If} $1 P<> -1
    System::Call '*(&i52) p .r2' ; BY_HANDLE_FILE_INFORMATION
    System::Call 'kernel32::GetFileInformationByHandle(p r1, p r2) i .r3'
    ${If} $3 <> 0
      System::Call '*$2(i, i, i, i, i, i, i, i .r0, i, i, i, i .r3, i .r2)'
      StrCpy $0 "$0:$3:$2"
    ${EndIf}
    System::Free $2
    System::Call 'kernel32::CloseHandle(p r1)'
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

; $0, $1: two paths in; $0 out: 1 when both name the same existing file or folder, else 0.
Function ${un}SameFile
  Push $2
  Call ${un}FileIdentity
  StrCpy $2 $0
  StrCpy $0 $1
  Call ${un}FileIdentity
  ${If} $0 != ""
  ${AndIf} $0 == $2
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
  Pop $2
FunctionEnd
!macroend
!insertmacro DEFINE_SAME_FILE ""
!insertmacro DEFINE_SAME_FILE "un."

; ---------------------------------------------------------------- installer

Function .onInit
  ReadRegStr $0 HKCU "${SETTINGS_KEY}" "Language"
  !insertmacro LanguageFromSetting $0
  Call FolderFromCommandLine
  Pop $0
  ${If} $0 == ""
    StrCpy $FolderGiven 0
  ${Else}
    StrCpy $INSTDIR $0
    StrCpy $FolderGiven 1
  ${EndIf}
  ${GetParameters} $0
  StrCpy $AllUsers 1
  StrCpy $ModeGiven 0
  ClearErrors
  ${GetOptions} $0 "/CurrentUser" $1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 0
    StrCpy $ModeGiven 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/AllUsers" $1
  ${IfNot} ${Errors}
    StrCpy $ModeGiven 1
  ${EndIf}
  Call SelectMode
  ${If} ${Silent}
  ${OrIf} $ModeGiven == 1
    Call EnsureElevated
  ${EndIf}
FunctionEnd

; Pushes the folder that /D= names, or "". NSIS empties $INSTDIR when it finds the /D= folder
; unusable (a file, a missing drive), which would silently install elsewhere; reading the
; folder from the command line ourselves lets TargetFolderProblem refuse it with a reason.
; As with NSIS, /D= is the last parameter, unquoted, blanks included.
Function FolderFromCommandLine
  System::Call 'kernel32::GetCommandLineW() t .r0'
  StrLen $1 $0
  ${Do}
    IntOp $1 $1 - 1
    ${If} $1 < 0
      Push ""
      Return
    ${EndIf}
    StrCpy $2 $0 4 $1
    ${If} $2 S== " /D="
      IntOp $1 $1 + 4
      StrCpy $2 $0 "" $1
      Push $2
      Return
    ${EndIf}
  ${Loop}
FunctionEnd

; The folder: /D= when given, else where this mode's copy is installed (installing again
; replaces it in place), else the mode's usual folder.
Function SelectMode
  Call ApplyMode
  ${If} $FolderGiven == 1
    Return
  ${EndIf}
  ReadRegStr $0 SHCTX "${APPS_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${ElseIf} $AllUsers == 1
    !if "${ARCH}" == "x64"
      StrCpy $INSTDIR "$PROGRAMFILES64\${NAME}"
    !else
      StrCpy $INSTDIR "$PROGRAMFILES\${NAME}"
    !endif
  ${Else}
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${NAME}"
  ${EndIf}
FunctionEnd

Function ModePage
  ; A mode given on the command line (also by the elevated second start) is not asked again.
  ${If} $ModeGiven == 1
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "$(installer_mode_title)" "$(installer_mode_subtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 10u 100% 12u "$(installer_mode_all_users)"
  Pop $AllUsersRadio
  ${NSD_CreateLabel} 12u 24u -12u 20u "$(installer_mode_all_users_note)"
  Pop $0
  ${NSD_CreateRadioButton} 0 50u 100% 12u "$(installer_mode_current_user)"
  Pop $1
  ${NSD_CreateLabel} 12u 64u -12u 20u "$(installer_mode_current_user_note)"
  Pop $0
  ${If} $AllUsers == 1
    ${NSD_Check} $AllUsersRadio
  ${Else}
    ${NSD_Check} $1
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $AllUsersRadio $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call SelectMode
  Call EnsureElevated
FunctionEnd

; Pushes "" when $INSTDIR can take the program, else the message that says why not. A folder
; it creates to find out is removed again, so a refused folder leaves nothing behind.
Function TargetFolderProblem
  StrCpy $0 $INSTDIR 2 1
  StrCpy $1 $INSTDIR 2
  ${If} $0 != ":\"
  ${AndIf} $1 != "\\"
    Push "$(installer_not_full_path)"
    Return
  ${EndIf}
  ${GetRoot} $INSTDIR $0
  ${IfNot} ${FileExists} "$0\*.*"
    Push "$(installer_no_drive)"
    Return
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR"
  ${AndIfNot} ${FileExists} "$INSTDIR\*.*"
    Push "$(installer_is_file)"
    Return
  ${EndIf}
  Call ForeignProgramFile
  Pop $0
  ${If} $0 != ""
    Push "$(installer_foreign_file)"
    Return
  ${EndIf}
  StrCpy $1 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $1 1
    ClearErrors
    CreateDirectory "$INSTDIR"
    ${If} ${Errors}
      Push "$(installer_cannot_create)"
      Return
    ${EndIf}
  ${EndIf}
  ClearErrors
  FileOpen $2 "$INSTDIR\cindermoor-setup.tmp" w
  ${If} ${Errors}
    StrCpy $3 "$(installer_cannot_write)"
  ${Else}
    FileClose $2
    Delete "$INSTDIR\cindermoor-setup.tmp"
    StrCpy $3 ""
  ${EndIf}
  ${If} $1 == 1
  ${AndIf} $3 != ""
    RMDir "$INSTDIR"
  ${EndIf}
  Push $3
FunctionEnd

; Installing writes launcher.exe and uninstall.exe, and our uninstaller deletes them: another
; program's files of those names must not be there. They are ours when the folder is where an
; Apps entry of ours (either mode's) says a copy is installed, or when the file's version
; record names this program, as both the program's and the uninstaller's do.
; Pushes the name of the first file in $INSTDIR that is not ours, or "".
Function ForeignProgramFile
  Call FolderOfOurInstall
  ${If} $0 == 1
    Push ""
    Return
  ${EndIf}
  StrCpy $0 "${PROGRAM_FILE}"
  Call ForeignFileNamed
  ${If} $0 == ""
    StrCpy $0 "uninstall.exe"
    Call ForeignFileNamed
  ${EndIf}
  Push $0
FunctionEnd

; $0 out: 1 when an Apps entry of ours names $INSTDIR as its folder, in whatever spelling.
Function FolderOfOurInstall
  ReadRegStr $1 HKLM "${APPS_KEY}" "InstallLocation"
  StrCpy $0 $INSTDIR
  Call SameFile
  ${If} $0 != 1
    ReadRegStr $1 HKCU "${APPS_KEY}" "InstallLocation"
    StrCpy $0 $INSTDIR
    Call SameFile
  ${EndIf}
FunctionEnd

; $0: a file name in; $0 out: the same when $INSTDIR holds a file of that name that is not
; ours, else "".
Function ForeignFileNamed
  ${IfNot} ${FileExists} "$INSTDIR\$0"
    StrCpy $0 ""
    Return
  ${EndIf}
  StrCpy $1 $0
  StrCpy $0 "$INSTDIR\$1"
  Call ProductNameOf
  ${If} $0 S== "${NAME}"
    StrCpy $0 ""
  ${Else}
    StrCpy $0 $1
  ${EndIf}
FunctionEnd

; $0: a file's path in; $0 out: the product name in its version record, in the record's first
; language ("" when it has none).
Function ProductNameOf
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $1 $0
  StrCpy $0 ""
  System::Call 'version::GetFileVersionInfoSizeW(w r1, p 0) i .r2'
  ${If} $2 = 0
    Goto done
  ${EndIf}
  System::Alloc $2
  Pop $3
  System::Call 'version::GetFileVersionInfoW(w r1, i 0, i r2, p r3) i .r2'
  ${If} $2 <> 0
    System::Call 'version::VerQueryValueW(p r3, w "\VarFileInfo\Translation", *p .r1, *i .r2) i .r4'
    ${If} $4 <> 0
    ${AndIf} $2 >= 4
      System::Call '*$1(&i2 .r1, &i2 .r2)' ; language and code page
      IntFmt $1 "%04x" $1
      IntFmt $2 "%04x" $2
      System::Call 'version::VerQueryValueW(p r3, w "\StringFileInfo\$1$2\ProductName", \
                    *p .r1, *i .r2) i .r4'
      ${If} $4 <> 0
      ${AndIf} $2 > 0
        System::Call 'kernel32::lstrcpynW(w .r0, p r1, i ${NSIS_MAX_STRLEN})'
      ${EndIf}
    ${EndIf}
  ${EndIf}
  System::Free $3
  done:
  Pop $4
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

Function DirectoryPageLeave
  Call TargetFolderProblem
  Pop $0
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "$(installer_choose_another)"
    Abort
  ${EndIf}
FunctionEnd

!macro WRITE_CLASS root
  WriteRegStr ${root} "${CLASS_KEY}" "" "URL: Tribes Protocol"
  WriteRegStr ${root} "${CLASS_KEY}" "URL Protocol" ""
  WriteRegStr ${root} "${CLASS_KEY}\DefaultIcon" "" '"$INSTDIR\${PROGRAM_FILE}",0'
  WriteRegStr ${root} "${CLASS_KEY}\shell\open\command" "" '"$INSTDIR\${PROGRAM_FILE}" %1'
!macroend

Section "Install"
  ; Everything that can refuse is checked before the first change.
  Call TargetFolderProblem
  Pop $0
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "$(installer_nothing_installed)" /SD IDOK
    SetErrorLevel ${EXIT_BAD_FOLDER}
    Quit
  ${EndIf}
  Call WaitUntilProgramEnds

  SetOutPath "$INSTDIR"
  File "/oname=${PROGRAM_FILE}" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${PROGRAM_FILE}"

  ; The Apps entry: one fixed key per store, so installing again replaces it.
  WriteRegStr SHCTX "${APPS_KEY}" "DisplayName" "${NAME}"
  WriteRegStr SHCTX "${APPS_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${APPS_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${APPS_KEY}" "DisplayIcon" '"$INSTDIR\${PROGRAM_FILE}",0'
  WriteRegStr SHCTX "${APPS_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${APPS_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${APPS_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${APPS_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${APPS_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${APPS_KEY}" "EstimatedSize" $0

  ; The link handler, with the values the program's own Install writes, so links work at once;
  ; the icon is the launcher's until the program registers the game's. The shell prefers the
  ; user's own class to the machine-wide one, so, as the program does, a per-user class left
  ; from an earlier install is brought up to date as well.
  !insertmacro WRITE_CLASS SHCTX
  ReadRegStr $0 HKCU "${CLASS_KEY}\shell\open\command" ""
  ${If} $AllUsers == 1
  ${AndIf} $0 != ""
    !insertmacro WRITE_CLASS HKCU
  ${EndIf}

  ; The installing user's settings: the main window then offers Un-Install. Other settings of
  ; an earlier install stay as they are.
  WriteRegStr HKCU "${SETTINGS_KEY}" "Installed" "1"
  WriteRegStr HKCU "${SETTINGS_KEY}" "Path" "$INSTDIR"
SectionEnd

; ---------------------------------------------------------------- uninstaller

Function un.onInit
  ReadRegStr $0 HKCU "${SETTINGS_KEY}" "Language"
  !insertmacro LanguageFromSetting $0
  ; The mode is the one this folder was installed in: the machine-wide Apps entry names it
  ; only for an all-users install.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AllUsers" $1
  ${If} ${Errors}
    ReadRegStr $1 HKLM "${APPS_KEY}" "InstallLocation"
    StrCpy $0 $INSTDIR
    Call un.SameFile
    ${If} $0 == 1
      StrCpy $AllUsers 1
    ${Else}
      StrCpy $AllUsers 0
    ${EndIf}
  ${Else}
    StrCpy $AllUsers 1
  ${EndIf}
  Call un.ApplyMode
  Call un.EnsureElevated
FunctionEnd

; Removes the class from one store, but only while its command still starts this
; installation's program: a class another program has taken over is left alone. Both stores
; are looked at: the program registers machine-wide whenever Windows lets it, and a class
; left pointing at a removed program would break links. Without the rights the machine-wide
; delete simply fails.
!macro REMOVE_OWN_CLASS root
  ReadRegStr $0 ${root} "${CLASS_KEY}\shell\open\command" ""
  Call un.StartsThisProgram
  ${If} $0 == 1
    DeleteRegKey ${root} "${CLASS_KEY}"
  ${EndIf}
!macroend

; $0: a class's command in, quoted as the installer writes it or bare as the program writes a
; path without blanks; $0 out: 1 when it starts this installation's program, else 0. The
; program may have written the path in another spelling than the one this uninstaller was
; started by, so the files are compared, which needs the program still in place.
Function un.StartsThisProgram
  StrCpy $1 $0 "" -3
  ${If} $1 != " %1"
    StrCpy $0 0
    Return
  ${EndIf}
  StrCpy $0 $0 -3
  StrCpy $1 $0 1
  StrCpy $2 $0 "" -1
  ${If} $1 == '"'
  ${AndIf} $2 == '"'
    StrCpy $0 $0 -1 1
  ${EndIf}
  StrCpy $1 "$INSTDIR\${PROGRAM_FILE}"
  Call un.SameFile
FunctionEnd

; ---------------------------------------------------------------- the Linux desktop (Wine only)

; Under Wine the program makes itself the Linux desktop's tribes:// handler: a desktop entry
; and, beside it, the script the entry runs, which starts the launcher in its Wine prefix.
; Left behind, they would send links clicked on the desktop to a launcher that is gone. As with
; the class, they go only while the script still starts this installation's launcher in this
; prefix: another copy's handler stays. mimeapps.list is left alone: it is the user's own file,
; an installer script cannot rewrite it byte for byte safely, and the desktop ignores a default
; that names a missing entry.
!define LINUX_HANDLER "cindermoor-launcher"
!define CP_UTF8 65001
; The script is read up to this many bytes; ours is far shorter, longer ones are not ours.
!define /math SCRIPT_BYTES ${NSIS_MAX_STRLEN} - 1

; $0: a Windows path in, its Unix path out ("" when Wine cannot map it). Wine hands back
; UTF-8 on the process heap.
Function un.UnixPathOf
  System::Call 'kernel32::wine_get_unix_file_name(w r0) p .r1 ?c'
  StrCpy $0 ""
  ${If} $1 P<> 0
    System::Call 'kernel32::MultiByteToWideChar(i ${CP_UTF8}, i 0, p r1, i -1, \
                  w .r0, i ${NSIS_MAX_STRLEN}) i .r2'
    ${If} $2 = 0
      StrCpy $0 ""
    ${EndIf}
    System::Call 'kernel32::GetProcessHeap() p .r2'
    System::Call 'kernel32::HeapFree(p r2, i 0, p r1)'
  ${EndIf}
FunctionEnd

; $0: a Unix path in, its Windows path out ("" when Wine cannot map it). Wine takes UTF-8.
Function un.DosPathOf
  System::Call 'kernel32::WideCharToMultiByte(i ${CP_UTF8}, i 0, w r0, i -1, p 0, i 0, \
                p 0, p 0) i .r1'
  System::Alloc $1
  Pop $2
  System::Call 'kernel32::WideCharToMultiByte(i ${CP_UTF8}, i 0, w r0, i -1, p r2, i r1, \
                p 0, p 0)'
  System::Call 'kernel32::wine_get_dos_file_name(p r2) p .r1 ?c'
  System::Free $2
  StrCpy $0 ""
  ${If} $1 P<> 0
    System::Call 'kernel32::lstrcpynW(w .r0, p r1, i ${NSIS_MAX_STRLEN})'
    System::Call 'kernel32::GetProcessHeap() p .r2'
    System::Call 'kernel32::HeapFree(p r2, i 0, p r1)'
  ${EndIf}
FunctionEnd

; $0: text in, the same as one word for a POSIX shell out, quoted as the program quotes it.
Function un.ShellQuoted
  ${un.WordReplace} $0 "'" "'\''" "+" $0
  StrCpy $0 "'$0'"
FunctionEnd

; $0: a Windows path in, the file's text out, read as UTF-8 ("" when it cannot be read).
Function un.ReadUtf8File
  ClearErrors
  FileOpen $1 $0 r
  StrCpy $0 ""
  ${If} ${Errors}
    Return
  ${EndIf}
  System::Alloc ${NSIS_MAX_STRLEN} ; zeroed, so what is read always ends in a NUL
  Pop $2
  System::Call 'kernel32::ReadFile(p r1, p r2, i ${SCRIPT_BYTES}, *i .r3, p 0)'
  FileClose $1
  System::Call 'kernel32::MultiByteToWideChar(i ${CP_UTF8}, i 0, p r2, i -1, \
                w .r0, i ${NSIS_MAX_STRLEN})'
  System::Free $2
FunctionEnd

; $0: a folder as Wine names it in its environment, an NT path ("\??\Z:\home\me", or in a
; prefix without a drive that reaches it "\??\unix\home\me") in; $0 out: the same as Windows
; calls take it ("Z:\home\me", "\\?\unix\home\me"). Cut to "unix\home\me" it would be relative.
Function un.WindowsPathOfNtPath
  StrCpy $1 $0 4
  ${If} $1 != "\??\"
    Return
  ${EndIf}
  StrCpy $1 $0 1 5
  ${If} $1 == ":"
    StrCpy $0 $0 "" 4
  ${Else}
    StrCpy $0 $0 "" 3
    StrCpy $0 "\\?$0"
  ${EndIf}
FunctionEnd

; $0: the script's text in; $0 out: the program its exec line starts, as the program wrote it
; (exec '<loader>' '<program>' "$@": each word in single quotes, a quote in it as '\''), or ""
; when it has no such line.
Function un.ScriptedProgram
  ClearErrors
  ${un.WordFind} $0 "$\nexec " "E+1}" $0
  ${IfNot} ${Errors}
    ${un.WordFind} $0 ` "$$@"$\n` "E+1{" $0
  ${EndIf}
  ${If} ${Errors}
    StrCpy $0 ""
    Return
  ${EndIf}
  ; The last shell word of what is left.
  StrCpy $1 ""  ; the word so far
  StrCpy $2 0   ; where the next character is
  StrCpy $3 0   ; 1 inside single quotes
  ${Do}
    StrCpy $4 $0 1 $2
    ${If} $4 == ""
      ${Break}
    ${EndIf}
    IntOp $2 $2 + 1
    ${If} $3 == 1
      ${If} $4 == "'"
        StrCpy $3 0
      ${Else}
        StrCpy $1 "$1$4"
      ${EndIf}
    ${ElseIf} $4 == "'"
      StrCpy $3 1
    ${ElseIf} $4 == "\"
      StrCpy $4 $0 1 $2
      IntOp $2 $2 + 1
      StrCpy $1 "$1$4"
    ${ElseIf} $4 == " "
      StrCpy $1 ""
    ${Else}
      StrCpy $1 "$1$4"
    ${EndIf}
  ${Loop}
  StrCpy $0 $1
FunctionEnd

; $0 out: the Windows path of <data>\applications, where the program writes both files;
; "" when it cannot be reached. <data> is $XDG_DATA_HOME when that is an absolute path, else
; .local/share in the Unix home, which Wine names as an NT path.
Function un.LinuxApplicationsFolder
  ReadEnvStr $0 XDG_DATA_HOME
  StrCpy $1 $0 1
  ${If} $1 == "/"
    Call un.DosPathOf
  ${Else}
    ReadEnvStr $0 WINEHOMEDIR
    Call un.WindowsPathOfNtPath
    ${If} $0 != ""
      StrCpy $0 "$0\.local\share"
    ${EndIf}
  ${EndIf}
  ${If} $0 == ""
    Return
  ${EndIf}
  ${Do}
    StrCpy $1 $0 1 -1
    ${If} $1 != "\"
      ${Break}
    ${EndIf}
    StrCpy $0 $0 -1
  ${Loop}
  StrCpy $0 "$0\applications"
FunctionEnd

; $0 out: 1 under Wine, else 0. Only Wine's ntdll exports wine_get_version.
Function un.IsWine
  System::Call 'kernel32::GetModuleHandleW(w "ntdll.dll") p .r0'
  System::Call 'kernel32::GetProcAddress(p r0, m "wine_get_version") p .r0'
  ${If} $0 P= 0
    StrCpy $0 0
  ${Else}
    StrCpy $0 1
  ${EndIf}
FunctionEnd

Function un.RemoveOwnLinuxHandler
  ; On Windows there is nothing to remove.
  Call un.IsWine
  ${If} $0 != 1
    Return
  ${EndIf}
  Call un.LinuxApplicationsFolder
  ${If} $0 == ""
    Return
  ${EndIf}
  StrCpy $R0 $0
  ; The script must start this prefix (its line names it as a Unix path, exactly) and this
  ; installation's launcher. That one may have been started by another spelling of its folder
  ; than this uninstaller (C:\… and Z:\…\drive_c\… under Wine), so the files are compared.
  ReadEnvStr $0 WINECONFIGDIR
  Call un.WindowsPathOfNtPath
  Call un.UnixPathOf
  ${If} $0 == ""
    Return
  ${EndIf}
  Call un.ShellQuoted
  StrCpy $R1 "$\nWINEPREFIX=$0$\n"
  StrCpy $0 "$R0\${LINUX_HANDLER}.sh"
  Call un.ReadUtf8File
  System::Call 'shlwapi::StrStrW(w r0, w R1) p .r1'
  ${If} $1 P= 0
    Return
  ${EndIf}
  Call un.ScriptedProgram
  StrCpy $1 "$INSTDIR\${PROGRAM_FILE}"
  Call un.SameFile
  ${If} $0 == 1
    ; The entry first: the desktop never sees an entry whose script is gone.
    Delete "$R0\${LINUX_HANDLER}.desktop"
    Delete "$R0\${LINUX_HANDLER}.sh"
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.WaitUntilProgramEnds
  ; The class and the Linux desktop's handler first: each is recognised by the program it
  ; starts, which must still be there.
  !insertmacro REMOVE_OWN_CLASS HKLM
  !insertmacro REMOVE_OWN_CLASS HKCU
  Call un.RemoveOwnLinuxHandler

  Delete "$INSTDIR\${PROGRAM_FILE}"
  ; This is a copy of uninstall.exe, started by it just before it ended; its file stays locked
  ; until that start has fully ended, which on a busy machine takes a moment.
  StrCpy $1 0
  ${Do}
    ClearErrors
    Delete "$INSTDIR\uninstall.exe"
    ${IfNot} ${Errors}
    ${OrIf} $1 >= 100
      ${Break}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey SHCTX "${APPS_KEY}"

  ; The program is gone, so its handler is no longer installed for this user; the rest of
  ; the settings (game folder, voice server) stay unless the user wants them gone.
  DeleteRegValue HKCU "${SETTINGS_KEY}" "Installed"
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(installer_remove_settings)" /SD IDNO \
      IDNO keep_settings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Cindermoor\Launcher"
  DeleteRegKey /ifempty HKCU "Software\Cindermoor"
  keep_settings:
SectionEnd

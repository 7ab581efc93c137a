; Lumora's installer for one player: no administrator rights, the game in
; %LOCALAPPDATA%\Programs\Lumora, a Start-menu entry, and an uninstaller in
; the player's own list of programs. The installed folder can be written, so
; the game keeps its DATA\ beside itself there, as in the zip.
;   makensis -DVERSION=1.0 -DGAME_DIR=<the game's folder> -DFIRST_RUN=<first-run DATA folder>
;            -DICON=<lumora.ico> -DOUT=<setup.exe> lumora.nsi
; A 64-bit installer for a 64-bit game: it runs where the game runs.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumora"

Name "Lumora ${VERSION}"
OutFile "${OUT}"
InstallDir "$LOCALAPPDATA\Programs\Lumora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetOutPath "$INSTDIR"
  File "${GAME_DIR}/lumora.exe"
  File "${GAME_DIR}/README.txt"
  ; File /r matches a name at every depth, so each folder is taken from inside.
  !macro Folder NAME
    SetOutPath "$INSTDIR\${NAME}"
    File /r "${GAME_DIR}/${NAME}/*"
  !macroend
  !insertmacro Folder IMAGE
  !insertmacro Folder WAVE
  !insertmacro Folder locale
  !insertmacro Folder FONTS
  SetOutPath "$INSTDIR"
  ; The first-run state files, only where the player has none: a new
  ; version installed over an old one keeps the scores.
  CreateDirectory "$INSTDIR\DATA"
  SetOverwrite off
  File /oname=DATA\win_state.log "${FIRST_RUN}/win_state.log"
  File /oname=DATA\select_game.log "${FIRST_RUN}/select_game.log"
  File /oname=DATA\score.log "${FIRST_RUN}/score.log"
  SetOverwrite on

  CreateShortcut "$SMPROGRAMS\Lumora.lnk" "$INSTDIR\lumora.exe"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Lumora"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Lumora developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumora.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Takes away what the installer put there and leaves the player's scores in
; DATA\, with the folder that holds them.
Section "Uninstall"
  Delete "$INSTDIR\lumora.exe"
  Delete "$INSTDIR\README.txt"
  RMDir /r "$INSTDIR\IMAGE"
  RMDir /r "$INSTDIR\WAVE"
  RMDir /r "$INSTDIR\locale"
  RMDir /r "$INSTDIR\FONTS"
  Delete "$SMPROGRAMS\Lumora.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd

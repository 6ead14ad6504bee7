# Checks shared by the package tests; sourced.

# Fails unless FILE is a Windows program of the GUI subsystem: "MZ", the PE
# signature where e_lfanew points, and subsystem 2 in its optional header.
check_windows_gui_program() {
  file=$1
  [ "$(head -c 2 "$file")" = MZ ] || fail "$file is not a Windows program (no MZ header)"
  pe=$(od -An -t u4 -j 60 -N 4 "$file" | tr -d ' ')
  [ "$(od -An -c -j "$pe" -N 4 "$file" | tr -d ' ')" = 'PE\0\0' ] || fail "$file has no PE signature"
  subsystem=$(od -An -t u2 -j $((pe + 24 + 68)) -N 2 "$file" | tr -d ' ')
  [ "$subsystem" = 2 ] || fail "$file is not a GUI program (subsystem $subsystem)"
}

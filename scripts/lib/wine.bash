# Wine for the scripts that run the Windows builds. Sourced, not run; defines:
#
#   zorvane_check_32bit    whether this machine's kernel executes 32-bit x86
#                          programs (no Wine needed): exports ZORVANE_32BIT,
#                          "yes" or the reason why not
#   zorvane_wine_setup     finds Wine's loaders and exports
#                            ZORVANE_WINE64       the 64-bit loader
#                            ZORVANE_WINE32       the 32-bit loader, empty where
#                                                 32-bit programs cannot run
#                            ZORVANE_WINE32_SKIP  then why not
#   zorvane_pe_bits FILE   64 or 32: the architecture of a Windows program
#   zorvane_wine_for FILE  the loader for FILE; fails saying why where FILE
#                          cannot run (setting up first when needed)
#   zorvane_wine [-t SECONDS] FILE ARGS...
#                          runs a Windows program through the loader of its
#                          architecture, within a time limit if given
#
# Each answer is found once: a script or test started from one that has set
# up takes the exported values as they are. ZORVANE_WINE32 exported empty
# beforehand (ZORVANE_WINE32= scripts/test-windows) runs everything as on a
# machine that runs no 32-bit programs.
#
# Debian's /usr/bin/wine starts every program through the 32-bit loader
# whenever wine32 is installed (which then hands a 64-bit program on to the
# 64-bit one): on a kernel that runs no 32-bit programs it fails with "Exec
# format error" even for a 64-bit program. Here a 64-bit program goes straight
# to the 64-bit loader. Debian keeps both loaders in /usr/lib/wine, other
# systems in PATH.

zorvane_check_32bit() {
  [[ -n ${ZORVANE_32BIT:-} ]] && return 0
  local dir status=0 error
  dir=$(mktemp -d)
  # The smallest static i386 program: an ELF header, one loadable segment and
  #   mov eax, 1 (exit); mov ebx, 32; int 0x80
  local elf='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  elf+='\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00'
  elf+='\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'
  elf+='\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
  elf+='\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
  elf+='\xb8\x01\x00\x00\x00\xbb\x20\x00\x00\x00\xcd\x80'
  printf '%b' "$elf" >"$dir/probe"
  chmod +x "$dir/probe"
  error=$({ "$dir/probe"; } 2>&1) || status=$?
  rm -rf "$dir"
  if ((status == 32)); then
    ZORVANE_32BIT=yes
  else
    # bash says "...: cannot execute binary file: Exec format error".
    error=${error##*: }
    ZORVANE_32BIT="a 32-bit test program gave: ${error:-exit status $status}"
  fi
  export ZORVANE_32BIT
}

# The path of a loader: Debian's folder first, then PATH.
zorvane_wine_loader() { PATH=/usr/lib/wine:$PATH command -v "$1"; }

zorvane_wine_setup() {
  if [[ -z ${ZORVANE_WINE64:-} ]]; then
    ZORVANE_WINE64=$(zorvane_wine_loader wine64) || {
      echo "no 64-bit Wine loader (wine64): install the Debian package wine64" >&2
      return 1
    }
  fi
  if [[ ! -v ZORVANE_WINE32 ]]; then
    zorvane_check_32bit
    local loader="" version
    ZORVANE_WINE32_SKIP=
    if [[ $ZORVANE_32BIT != yes ]]; then
      ZORVANE_WINE32_SKIP="this machine runs no 32-bit programs ($ZORVANE_32BIT)"
    # Debian's /usr/bin/wine is a shell script: only an ELF of class 1 (32-bit)
    # is the 32-bit loader itself.
    elif ! loader=$(zorvane_wine_loader wine) ||
      [[ $(od -An -tx1 -N5 "$loader" | tr -d ' ') != 7f454c4601 ]]; then
      loader=
      ZORVANE_WINE32_SKIP="no 32-bit Wine loader: install the Debian package wine32:i386"
    elif ! version=$("$loader" --version 2>&1); then
      ZORVANE_WINE32_SKIP="the 32-bit Wine loader $loader does not start: ${version##*: }"
      loader=
    fi
    ZORVANE_WINE32=$loader
  elif [[ -z $ZORVANE_WINE32 ]]; then
    ZORVANE_WINE32_SKIP=${ZORVANE_WINE32_SKIP:-32-bit programs left out (ZORVANE_WINE32 is empty)}
  else
    ZORVANE_WINE32_SKIP=
  fi
  export ZORVANE_WINE64 ZORVANE_WINE32 ZORVANE_WINE32_SKIP
}

# The machine field of the PE header, whose offset is at 0x3c.
zorvane_pe_bits() {
  local offset machine
  offset=$(od -An -tu4 -j60 -N4 "$1") || return 1
  machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$1") || return 1
  case ${machine// /} in
    8664) echo 64 ;;
    014c) echo 32 ;;
    *) echo "$1: not an x86 Windows program (machine ${machine// /})" >&2; return 1 ;;
  esac
}

zorvane_wine_for() {
  [[ -n ${ZORVANE_WINE64:-} ]] || zorvane_wine_setup || return 1
  local bits
  bits=$(zorvane_pe_bits "$1") || return 1
  if [[ $bits == 64 ]]; then
    echo "$ZORVANE_WINE64"
  elif [[ -n $ZORVANE_WINE32 ]]; then
    echo "$ZORVANE_WINE32"
  else
    echo "$1 is a 32-bit program, and $ZORVANE_WINE32_SKIP" >&2
    return 1
  fi
}

zorvane_wine() {
  local limit=() loader
  if [[ $1 == -t ]]; then
    limit=(timeout "$2")
    shift 2
  fi
  loader=$(zorvane_wine_for "$1") || return 1
  "${limit[@]}" "$loader" "$@"
}

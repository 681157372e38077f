#!/usr/bin/env bash
# Holds the includes of src/ against the layering: core <- platform <- kit <- app
# folders <- app <- main. Arguments: the src folder and the app folders as
# "folder:used,used folder:..." (what CMake lets each app library link).
set -u
src=$1
layers=$2
status=0
fail() { echo "layering: $*"; status=1; }

declare -A allowed
apps=()
for entry in $layers; do
  folder=${entry%%:*}
  apps+=("$folder")
  allowed[$folder]="core platform kit $folder ${entry#*:}"
  allowed[$folder]=${allowed[$folder]//,/ }
done
allowed[core]="core"
allowed[platform]="core platform"
allowed[kit]="core platform kit"

# Qt in the core.
while IFS= read -r rel; do
  fail "$rel includes Qt"
done < <(cd "$src" && grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' core 2>/dev/null)

# Every project include, as "file:folder".
while IFS=: read -r rel inc; do
  top=${rel%%/*}
  [ "$top" = "$rel" ] && continue  # main.cpp
  [ "$top" = app ] && continue     # the composition root knows everything
  if [ -z "${allowed[$top]+x}" ]; then
    fail "$rel is in a folder with no library (add it to CMakeLists.txt)"
    continue
  fi
  case " ${allowed[$top]} " in
    *" $inc "*) ;;
    *) fail "$rel includes $inc/, which the $top layer may not use" ;;
  esac
done < <(cd "$src" && grep -rHoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]+/' --include='*.h' --include='*.cpp' . |
         sed -E 's|^\./||; s|:[[:space:]]*#[[:space:]]*include[[:space:]]*"|:|; s|/$||' | sort -u)

[ $status -eq 0 ] && echo "layering: every include goes downward"
exit $status

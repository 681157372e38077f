#!/usr/bin/env bash
# `make run`, `make clean`, `make run` as the README runs them, in a copy of the
# Makefile and the assets, with the build tools stood in by stubs (a full build here
# would cost minutes): the program runs from its own folder, whose data (archives,
# photos, a changed password) outlive `make clean`, and the credentials file and the
# sound are placed only when missing. Argument: the source folder.
set -u
src=$1
status=0
fail() { echo "run_folder: $*"; status=1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
repo=$work/repo
mkdir -p "$repo/scripts" "$work/bin"
cp "$src/Makefile" "$repo/"
cp -r "$src/assets" "$repo/"
printf '#!/usr/bin/env bash\nexit 0\n' >"$repo/scripts/install-deps"

# The stub cmake: configuring does nothing; building makes build/velmora, a program
# that saves a record and a photo beside itself and notes where it ran.
cat >"$work/bin/cmake" <<'EOF'
#!/usr/bin/env bash
if [ "$1" = "--build" ]; then
  mkdir -p "$2"
  cat >"$2/velmora" <<'PROG'
#!/usr/bin/env bash
here=$(cd "$(dirname "$0")" && pwd)
[ "$here" = "$(pwd)" ] || { echo "not started in its own folder" >&2; exit 1; }
printf 'record' >>Parco_Automezzi.pro
mkdir -p Autoparco && printf 'jpeg' >Autoparco/1.jpg
pwd >ran_in
PROG
  chmod +x "$2/velmora"
fi
exit 0
EOF
chmod +x "$work/bin/cmake"

run() { (cd "$repo" && PATH="$work/bin:$PATH" make -s "$@" >"$work/make.log" 2>&1) || { fail "make $* failed"; cat "$work/make.log"; }; }

# An earlier run left its data in the build folder: they move along the first time.
mkdir -p "$repo/build"
printf 'old' >"$repo/build/Conducenti.pro"

run run
data=$repo/Velmora
[ -x "$data/velmora" ] || fail "the executable is not in Velmora/"
[ "$(cat "$data/ran_in" 2>/dev/null)" = "$data" ] || fail "the program did not run in Velmora/"
cmp -s "$data/unins000.dll" "$repo/assets/unins000.dll" || fail "no credentials file placed"
cmp -s "$data/Avviso.mp3" "$repo/assets/Avviso.mp3" || fail "no alert sound placed"
[ "$(cat "$data/Conducenti.pro" 2>/dev/null)" = "old" ] || fail "the build folder's data did not move along"

# A changed password and a sound of the user's own.
printf '[changed]' >"$data/unins000.dll"
printf 'mine' >"$data/Avviso.mp3"

run clean
[ ! -e "$repo/build" ] || fail "make clean left the build"
[ "$(cat "$data/Parco_Automezzi.pro" 2>/dev/null)" = "record" ] || fail "make clean touched the archive"

run run
[ "$(cat "$data/Parco_Automezzi.pro" 2>/dev/null)" = "recordrecord" ] || fail "the second run did not find the data"
[ -f "$data/Autoparco/1.jpg" ] || fail "the photo is gone"
[ "$(cat "$data/unins000.dll")" = "[changed]" ] || fail "the changed password was overwritten"
[ "$(cat "$data/Avviso.mp3")" = "mine" ] || fail "the user's sound was overwritten"
[ "$(cat "$data/Conducenti.pro")" = "old" ] || fail "the moved data changed"

# A clean asked to remove the data folder refuses.
(cd "$repo" && make -s clean BUILD=. >/dev/null 2>&1) && fail "make clean BUILD=. did not refuse"
[ -f "$data/Parco_Automezzi.pro" ] || fail "make clean BUILD=. deleted the data"

# Git ignores the folder.
if command -v git >/dev/null && git -C "$src" rev-parse >/dev/null 2>&1; then
  git -C "$src" check-ignore -q Velmora/Parco_Automezzi.pro || fail "git does not ignore Velmora/"
fi

exit $status

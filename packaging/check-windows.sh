#!/usr/bin/env bash
# Compiles every source file with a Windows branch (Q_OS_WIN) for Windows,
# with the MinGW-w64 compiler and the Qt headers of the Debian packages, so
# that a typo or a wrong call in a branch no Linux build compiles is caught.
# Syntax only: Debian has no Qt built for Windows to link against.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

cxx=${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
qt=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
command -v "$cxx" >/dev/null || { echo "$cxx is missing (scripts/setup.sh installs it)" >&2; exit 2; }

flags=(-std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror -fPIC
       -DQT_NO_CAST_TO_ASCII -DQT_NO_CAST_FROM_BYTEARRAY -DQT_USE_QSTRINGBUILDER
       -DQT_DISABLE_DEPRECATED_UP_TO=0x060000
       -DVANTOR_VERSION_MAJOR=0 -DVANTOR_VERSION_MINOR=0 -DVANTOR_VERSION_PATCH=0
       -I. -isystem "$qt")
for module in "$qt"/Qt*; do
    flags+=(-isystem "$module")
done

# The check itself: the Qt headers must see Windows.
printf '#include <QtGlobal>\n#ifndef Q_OS_WIN\n#error Q_OS_WIN is not defined\n#endif\n' |
    "$cxx" "${flags[@]}" -x c++ -

mapfile -t files < <(grep -rl --include='*.cpp' 'Q_OS_WIN' \
    app core module sequence shell tools ui vehicle views tests | sort)
[ ${#files[@]} -gt 0 ] || { echo "no source file has a Windows branch" >&2; exit 1; }

# Test files include their moc output; moc writes it for the check.
moc=$(qmake6 -query QT_INSTALL_LIBEXECS 2>/dev/null || echo /usr/lib/qt6/libexec)/moc
generated=$(mktemp -d)
trap 'rm -rf "$generated"' EXIT

failed=0
for f in "${files[@]}"; do
    name=$(basename "$f" .cpp)
    if grep -q "#include \"$name.moc\"" "$f"; then
        "$moc" "$f" -o "$generated/$name.moc"
    fi
    if ! "$cxx" "${flags[@]}" -I"$generated" "$f"; then
        echo "FAILED for Windows: $f" >&2
        failed=1
    else
        echo "ok for Windows: $f"
    fi
done
exit $failed

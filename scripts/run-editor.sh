#!/usr/bin/env bash
# Sets up the machine, builds, and starts the editor with the bundled example
# show and the built-in simulated module on "Com 1", so that the upload can
# be tried without a car. The try-out keeps its settings in build/demo-config,
# apart from your own.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
BUILD_DIR=${BUILD_DIR:-$here/build} "$here/scripts/build.sh" -DVANTOR_BUILD_TESTS=OFF -DVANTOR_BUILD_BENCHMARKS=OFF
bin=${BUILD_DIR:-$here/build}/bin

export XDG_CONFIG_HOME=${XDG_CONFIG_HOME_DEMO:-$here/build/demo-config}
settings=$XDG_CONFIG_HOME/Vantor/Vantor.ini
mkdir -p "$(dirname "$settings")"

sim_pid=""
if [ -x "$bin/vantor-module-sim" ]; then
    log=$(mktemp)
    "$bin/vantor-module-sim" --pace >"$log" 2>&1 &
    sim_pid=$!
    device=""
    for _ in $(seq 50); do
        device=$(grep -o '/dev/pts/[0-9]*' "$log" | head -n 1 || true)
        [ -n "$device" ] && break
        sleep 0.1
    done
    if [ -n "$device" ]; then
        echo "Simulated module on $device (menu Verbindung > Com 1)"
        python3 - "$settings" "$device" <<'PY'
import configparser, sys
path, device = sys.argv[1], sys.argv[2]
c = configparser.RawConfigParser()
c.optionxform = str
c.read(path)
if not c.has_section("Ports"):
    c.add_section("Ports")
c.set("Ports", "Com1", device)
section = next((s for s in c.sections() if s.lower() == "quandor_e6x"), "Quandor_E6x")
if not c.has_section(section):
    c.add_section(section)
c.set(section, "Lampen_Port", "1")
with open(path, "w") as f:
    c.write(f, space_around_delimiters=False)
PY
    fi
fi
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true' EXIT

example="$bin/examples/Beispiel.zfx"
if [ -f "$example" ]; then
    "$bin/vantor" "$example"
else
    "$bin/vantor"
fi

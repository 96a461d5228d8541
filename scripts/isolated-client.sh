# Sourced by the scripts that start the client: each run gets a folder of its own, so a
# QelProxy the user already runs (single-instance channel, ports, settings) never meets it.

# No listener on any of the nCount ports from nStart.
qel_range_free() {
    local port
    for ((port = $1; port < $1 + $2; ++port)); do
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && return 1
    done
    return 0
}

# Prints the first port of a free range of $1 ports.
qel_free_range() {
    local start attempt
    for attempt in $(seq 1 100); do
        start=$((20000 + RANDOM % 12000))
        qel_range_free "$start" "$1" && { echo "$start"; return 0; }
    done
    return 1
}

# qel_isolated_folder FOLDER BUILD PORT_COUNT
# Lays out FOLDER/program as installed beside the build (the client, update, the engine and
# the translations) with settings naming a free range of PORT_COUNT ports and the engine's
# API port right after it, plus the run's own home, tmp, runtime and config folders. Sets
# QEL_BEGIN_PORT and QEL_ENGINE_API_PORT; fails when no port range is free.
qel_isolated_folder() {
    local folder="$1" build="$2" count="$3"
    mkdir -p "$folder/program/run" "$folder/home" "$folder/tmp" "$folder/runtime" "$folder/config"
    chmod 700 "$folder/runtime"
    cp -p "$build/bin/QelProxy" "$build/bin/update" "$folder/program/"
    cp -p "$build/bin/run/qeldrive" "$folder/program/run/"
    cp -rp "$build/bin/translation" "$folder/program/"
    QEL_BEGIN_PORT="$(qel_free_range $((count + 1)))" || return 1
    QEL_ENGINE_API_PORT=$((QEL_BEGIN_PORT + count))
    cat >"$folder/program/QelProxy.ini" <<SETTINGS
{
   "language" : "_en",
   "port_begin" : $QEL_BEGIN_PORT,
   "port_num" : $count,
   "api_port" : $QEL_ENGINE_API_PORT
}
SETTINGS
}

# qel_isolated FOLDER COMMAND [ARG...]
# Replaces the calling shell by COMMAND, run in FOLDER/home with FOLDER's own TMPDIR,
# XDG_RUNTIME_DIR and XDG_CONFIG_HOME: call it in the background or in a subshell.
qel_isolated() {
    cd "$1/home" || exit 1
    TMPDIR="$1/tmp" XDG_RUNTIME_DIR="$1/runtime" XDG_CONFIG_HOME="$1/config" exec "${@:2}"
}

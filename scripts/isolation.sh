# Sourced by the scripts that start the real client. Each run gets a program folder and an
# environment of its own, so that it never meets a QelProxy the user (or another run) has
# open: not through the single-instance lock and socket, not in the settings kept beside the
# program, not on local ports.

# No listener on any of the nCount ports from nStart.
qel_range_free() {
    local port
    for ((port = $1; port < $1 + $2; ++port)); do
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && return 1
    done
    return 0
}

# The first of nCount adjacent free ports, below the kernel's ephemeral range.
qel_free_range() {
    local start attempt
    for attempt in $(seq 1 100); do
        start=$((20000 + RANDOM % 12000))
        qel_range_free "$start" "$1" && { echo "$start"; return 0; }
    done
    return 1
}

# qel_private_program BUILD WORK PORT_COUNT [SETTING...]
# Copies the program folder as installed beside the build (the client, update, the engine and
# the translations) to WORK/program and writes its settings: PORT_COUNT free ports from
# QEL_BEGIN_PORT, the engine's API on the port after them (QEL_ENGINE_API_PORT), then each
# SETTING, a JSON member such as '"language" : "_en"'. Makes the folders of qel_private_env.
qel_private_program() {
    local build="$1" work="$2" count="$3" setting
    shift 3
    mkdir -p "$work/program/run" "$work/tmp" "$work/runtime" "$work/config"
    chmod 700 "$work/runtime"
    cp -p "$build/bin/QelProxy" "$build/bin/update" "$work/program/"
    cp -p "$build/bin/run/qeldrive" "$work/program/run/"
    cp -rp "$build/bin/translation" "$work/program/"
    QEL_BEGIN_PORT="$(qel_free_range $((count + 1)))" || return 1
    QEL_ENGINE_API_PORT=$((QEL_BEGIN_PORT + count))
    {
        echo "{"
        for setting in "$@"; do
            echo "   $setting,"
        done
        echo "   \"port_begin\" : $QEL_BEGIN_PORT,"
        echo "   \"port_num\" : $count,"
        echo "   \"api_port\" : $QEL_ENGINE_API_PORT"
        echo "}"
    } >"$work/program/QelProxy.ini"
}

# qel_private_env WORK COMMAND [ARG...]: runs the command with the run's own TMPDIR,
# XDG_RUNTIME_DIR and XDG_CONFIG_HOME under WORK.
qel_private_env() {
    local work="$1"
    shift
    TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" "$@"
}

# qel_private_exec WORK COMMAND [ARG...]: COMMAND replaces the calling shell, in WORK/home with
# the run's own environment; call it in the background or in a pipeline, so that $! is the
# command itself.
qel_private_exec() {
    cd "$1/home" && qel_private_env "$1" exec "${@:2}"
}

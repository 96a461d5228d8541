# Sourced by the scripts that take options; each sets QEL_USAGE to its usage before it reads
# its arguments.

# How the scripts that build the client take a build folder.
QEL_BUILD_USAGE="  build folder  one configured already: it is built, never reconfigured
                (without one, build/ is configured and built as scripts/demo does)"

# qel_usage_error MESSAGE: the message and the usage on standard error, then status 2.
qel_usage_error() {
    echo "scripts/$(basename "$0"): $1" >&2
    printf '%s\n' "$QEL_USAGE" >&2
    exit 2
}

# qel_argument ARG [NAME]: an argument the script's own options did not take. -h and --help
# print the usage and end the script with status 0; any other option is refused. Else ARG is
# the value of the script's one operand, the variable NAME (set empty beforehand): an
# operand past it, or any for a script without one, is refused.
qel_argument() {
    case "$1" in
        -h | --help)
            printf '%s\n' "$QEL_USAGE"
            exit 0 ;;
        -*) qel_usage_error "unknown option $1" ;;
    esac
    [ -n "${2:-}" ] && [ -z "${!2}" ] || qel_usage_error "unexpected argument $1"
    printf -v "$2" '%s' "$1"
}

# qel_operand_only NAME [ARG...]: the arguments of a script that takes no option but its
# one operand NAME.
qel_operand_only() {
    local name="$1" arg
    shift
    printf -v "$name" '%s' ""
    for arg in "$@"; do
        qel_argument "$arg" "$name"
    done
}

# bash completion for devcap: commands, options, option values, products
# under --root and query names. Installed as
# share/bash-completion/completions/devcap; to try it from a checkout:
#   source tools/completion/devcap.bash
#
# Everything comes from the tool that is being completed (the first word of
# the line), so a new command or option needs no edit here:
#   devcap --commands        the commands
#   devcap --help            the options every command shares ("--root DIR")
#   devcap COMMAND --help    the command's usage line and its options; an
#                            option followed by a word in capitals takes a
#                            value (DIR: a directory, NAME or PRODUCT: a
#                            product, anything else: a file)
#   devcap get --list        the query names

# Product folders under ROOT/usr/bin: those holding a hardwareindex.json.
_devcap_products() {
    local f
    for f in "${1%/}"/usr/bin/*/hardwareindex.json; do
        [ -e "$f" ] || continue
        f=${f%/hardwareindex.json}
        printf '%s\n' "${f##*/}"
    done
}

# Words of one kind for the current word: dirs, files, products, queries or
# the words given.
_devcap_reply() {
    local kind=$1 cur=$2 tool=$3 root=$4
    shift 4
    case $kind in
        dirs) compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -d -- "$cur") ;;
        files) compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -f -- "$cur") ;;
        products) mapfile -t COMPREPLY < <(compgen -W "$(_devcap_products "$root")" -- "$cur") ;;
        queries)
            mapfile -t COMPREPLY < <(compgen -W "$("$tool" get --list 2>/dev/null |
                awk '/^  [A-Za-z]/ { print $1 }')" -- "$cur")
            ;;
        words) mapfile -t COMPREPLY < <(compgen -W "$*" -- "$cur") ;;
    esac
}

# The kind of value a placeholder stands for.
_devcap_kind() {
    case $1 in
        DIR | ROOT) echo dirs ;;
        NAME | PRODUCT) echo products ;;
        QUERY) echo queries ;;
        *) echo files ;;
    esac
}

_devcap() {
    local cur prev tool cmd root word i help usage
    COMPREPLY=()
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    tool=${COMP_WORDS[0]/#\~/$HOME}
    # "--opt=value" reaches us as "--opt", "=", "value".
    if [ "$cur" = "=" ]; then
        cur="" prev=${COMP_WORDS[COMP_CWORD - 2]}
    elif [ "$prev" = "=" ]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi

    local commands
    commands=$("$tool" --commands 2>/dev/null) || return 0
    help=$("$tool" --help 2>/dev/null)

    # The command, the root and the positional words so far.
    cmd="" root=/
    local -a positional=()
    local takes_value=""
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [ -n "$takes_value" ]; then
            [ "$word" = "=" ] && continue
            [ "$takes_value" = --root ] && root=${word/#\~/$HOME}
            takes_value=""
            continue
        fi
        case $word in
            --root=*) root=${word#--root=} root=${root/#\~/$HOME} ;;
            -*)
                # An option of the form "  --opt WORD" in any help text takes a value.
                if grep -Eq -- "^ +(-[A-Za-z], )?$word [A-Z]" <<<"$help"; then takes_value=$word; fi
                ;;
            *)
                if [ -z "$cmd" ]; then
                    cmd=$word
                    help+=$'\n'$("$tool" "$cmd" --help 2>/dev/null)
                else
                    positional+=("$word")
                fi
                ;;
        esac
    done

    # The value of an option.
    if [[ $prev == -* ]]; then
        local placeholder
        placeholder=$(grep -Eo -- "^ +(-[A-Za-z], )?$prev [A-Z][A-Z_]*" <<<"$help" | head -n 1)
        if [ -n "$placeholder" ]; then
            _devcap_reply "$(_devcap_kind "${placeholder##* }")" "$cur" "$tool" "$root"
            return 0
        fi
    fi

    if [ -z "$cmd" ]; then
        if [[ $cur == -* ]]; then
            _devcap_reply words "$cur" "$tool" "$root" --help --version
        else
            _devcap_reply words "$cur" "$tool" "$root" "$commands"
        fi
        return 0
    fi
    if [ "$cmd" = help ]; then
        [ ${#positional[@]} -eq 0 ] && _devcap_reply words "$cur" "$tool" "$root" "$commands"
        return 0
    fi

    usage=$(grep -m 1 "^usage: devcap $cmd" <<<"$help")
    if [[ $cur == -* ]]; then
        # Every option the command's help names, and those every command shares.
        local options
        options=$("$tool" "$cmd" --help 2>/dev/null | grep -Eo -- '(^|[ ,(\[])--?[A-Za-z][-A-Za-z]*' |
            sed 's/^[ ,(\[]//' | sort -u)
        [ -n "$options" ] && _devcap_reply words "$cur" "$tool" "$root" $options --help
        return 0
    fi
    # Positional words: the first placeholder of the usage line that is not
    # an option's; QUERY stands for the first word only.
    local placeholder
    placeholder=$(sed -E 's/\[?--?[A-Za-z][-A-Za-z]* [A-Z][A-Z_]*\]?//g' <<<"${usage#usage: devcap $cmd}" |
        grep -Eo '[A-Z][A-Z_]+' | grep -vx OPTIONS | head -n 1)
    [ -z "$placeholder" ] && return 0
    if [ "$placeholder" = QUERY ] && [ ${#positional[@]} -gt 0 ]; then return 0; fi
    _devcap_reply "$(_devcap_kind "$placeholder")" "$cur" "$tool" "$root"
    return 0
}

complete -F _devcap devcap

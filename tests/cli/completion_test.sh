#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of sorvane-cli, with bash-completion's helpers stood in for.
set -u
source "$1"

_init_completion() {
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]:-}
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
}
_filedir() { COMPREPLY=("<files>"); }
compopt() { :; }

failures=0
expect() {  # expect "WORDS ON THE LINE" "EXPECTED REPLIES"
    read -r -a COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _sorvane_cli
    if [[ "${COMPREPLY[*]}" != "$2" ]]; then
        echo "«$1»: got «${COMPREPLY[*]}», expected «$2»"
        failures=$((failures + 1))
    fi
}

expect "sorvane-cli " "show copy store generate --help"
expect "sorvane-cli s" "show store"
expect "sorvane-cli show " "<files>"
expect "sorvane-cli show a.key --m" "--master-file --master-prompt"
expect "sorvane-cli show --master-file " "<files>"
expect "sorvane-cli copy a.key --c" "--clear"
expect "sorvane-cli copy a.key --clear " ""
expect "sorvane-cli store a.key --s" "--stdin"
expect "sorvane-cli generate --" "--length --classes --help"
expect "sorvane-cli generate --classes r" "russian russian-upper russian-lower"
expect "sorvane-cli generate --classes latin,d" "latin,digits"
expect "sorvane-cli generate --classes=latin,s" "latin,signs"
expect "sorvane-cli list " ""
exit $((failures > 0))

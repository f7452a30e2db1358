# bash completion for pirtok-convert                              -*- shell-script -*-
# Installed as share/bash-completion/completions/pirtok-convert.

_pirtok_convert()
{
    local cur prev words cword
    _init_completion -n = || return

    case $prev in
        --from)
            COMPREPLY=($(compgen -W 'utf-8 utf-16le cp1256' -- "$cur"))
            return
            ;;
        --to)
            COMPREPLY=($(compgen -W 'utf-8 utf-16le' -- "$cur"))
            return
            ;;
        -o | --output)
            _filedir
            return
            ;;
        --family)
            COMPREPLY=($(compgen -W 'kurdish-font ali-k ali-web dylan zarnegar auto unicode' -- "$cur"))
            return
            ;;
        --digits)
            COMPREPLY=($(compgen -W 'arabic latin keep' -- "$cur"))
            return
            ;;
        --pair)
            return # K=U: two letters of the user's own
            ;;
        -j | --jobs)
            COMPREPLY=($(compgen -W "$(seq 1 "$(nproc 2>/dev/null || echo 1)")" -- "$cur"))
            return
            ;;
        -h | --help | -V | --version)
            return
            ;;
    esac

    case $cur in
        --from=*)
            COMPREPLY=($(compgen -W 'utf-8 utf-16le cp1256' -- "${cur#*=}"))
            return
            ;;
        --to=*)
            COMPREPLY=($(compgen -W 'utf-8 utf-16le' -- "${cur#*=}"))
            return
            ;;
        --family=*)
            COMPREPLY=($(compgen -W 'kurdish-font ali-k ali-web dylan zarnegar auto unicode' -- "${cur#*=}"))
            return
            ;;
        --digits=*)
            COMPREPLY=($(compgen -W 'arabic latin keep' -- "${cur#*=}"))
            return
            ;;
        --output=*)
            cur=${cur#*=}
            _filedir
            return
            ;;
        -*)
            COMPREPLY=($(compgen -W '--to-unicode --to-kurdish-font --pair --selection
                --family --standard --no-letters --no-zwnj --no-leftovers --no-final-heh
                --no-initial-re --no-invisibles --no-punctuation --digits --detect
                --from --to -j --jobs -o --output -h --help -V --version' -- "$cur"))
            return
            ;;
    esac
    _filedir
} && complete -F _pirtok_convert pirtok-convert

# ex: filetype=sh

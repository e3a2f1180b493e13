# Sets up Wine for the project's programs; source it from bash:
#   source tools/wine/env.sh || exit 1
# Afterwards: a Japanese locale (code page 932 inside Wine), a display (an Xvfb of our own
# when $DISPLAY is unset, stopped when the sourcing shell exits), and a dedicated Wine prefix
# in which the Japanese face names the palette asks for resolve to installed fonts.
#
# KV_WINEPREFIX overrides the prefix location (default ~/.cache/kvane2k/wine).

# Bump when the prefix setup below changes, so existing prefixes are set up again.
KV_WINE_SETUP_VERSION=4
KV_SCREEN_SIZE=1280x1024x24

kv_log() { echo "wine-env: $*" >&2; }

kv_ensure_japanese_locale() {
    if locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then return 0; fi
    if [[ $(id -u) -ne 0 ]]; then
        kv_log "the locale ja_JP.UTF-8 is missing; as root: add 'ja_JP.UTF-8 UTF-8' to /etc/locale.gen and run locale-gen"
        return 1
    fi
    if ! command -v locale-gen >/dev/null; then
        kv_log "locale-gen is missing: install the Debian package 'locales'"
        return 1
    fi
    kv_log "generating the locale ja_JP.UTF-8"
    if grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    fi
    locale-gen >/dev/null
}

# Starts an Xvfb on a display number it picks itself (-displayfd), waiting until it is ready.
kv_start_xvfb() {
    local numberFile
    numberFile=$(mktemp)
    Xvfb -displayfd 9 -screen 0 "$KV_SCREEN_SIZE" -nolisten tcp 9>"$numberFile" >/dev/null 2>&1 &
    KV_XVFB_PID=$!
    local tries
    for ((tries = 0; tries < 100; ++tries)); do
        if [[ -s $numberFile ]]; then
            export DISPLAY=":$(head -n1 "$numberFile")"
            rm -f "$numberFile"
            return 0
        fi
        kill -0 "$KV_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$numberFile"
    kv_log "Xvfb did not start"
    kill "$KV_XVFB_PID" 2>/dev/null
    KV_XVFB_PID=
    return 1
}

# Stops what this file started: the prefix's Wine processes and our Xvfb.
kv_wine_cleanup() {
    if [[ -n ${WINEPREFIX:-} && -d ${WINEPREFIX:-} ]]; then wineserver -k >/dev/null 2>&1; fi
    if [[ -n ${KV_XVFB_PID:-} ]]; then
        kill "$KV_XVFB_PID" 2>/dev/null
        wait "$KV_XVFB_PID" 2>/dev/null
        KV_XVFB_PID=
    fi
}

# Serialises runs that start and stop programs in the prefix (end-to-end runs, headless
# ./run): they find the palette by its title and end leftovers with wineserver -k.
kv_lock_prefix() {
    exec 7>"$WINEPREFIX.run.lock"
    flock -w 600 7
}

kv_reg_add() {
    wine reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null 2>&1
}

# Face names of a Japanese Windows mapped to the IPA fonts (Debian fonts-ipafont-gothic):
# proportional faces to IPAPGothic, fixed-pitch ones to IPAGothic. Substitutes do not chain,
# so "MS Shell Dlg" (captions, dialogs), which Wine maps to "MS UI Gothic", is mapped directly.
kv_map_japanese_fonts() {
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    kv_reg_add "$key" "ＭＳ Ｐゴシック" IPAPGothic &&
        kv_reg_add "$key" "MS PGothic" IPAPGothic &&
        kv_reg_add "$key" "MS UI Gothic" IPAPGothic &&
        kv_reg_add "$key" "MS Shell Dlg" IPAPGothic &&
        kv_reg_add "$key" "ＭＳ ゴシック" IPAGothic &&
        kv_reg_add "$key" "MS Gothic" IPAGothic
}

kv_create_prefix() {
    kv_log "setting up the Wine prefix $WINEPREFIX (once; takes a while)"
    if ! wineboot -i >/dev/null 2>&1; then
        kv_log "wineboot failed in $WINEPREFIX"
        return 1
    fi
    if ! kv_map_japanese_fonts; then
        kv_log "could not write the font substitutes into the Wine registry"
        return 1
    fi
    # Caption buttons, check marks and scroll arrows are Marlett glyphs; this Wine does not
    # pick the font up from its data folder, only from the prefix's Fonts folder.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [[ -f /usr/share/wine/fonts/marlett.ttf ]]; then
        mkdir -p "$fonts" && ln -sf /usr/share/wine/fonts/marlett.ttf "$fonts/marlett.ttf"
    fi
    # A crash should end the program with its exception code, not wait in a debugger.
    wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1
    wineserver -w
    echo "$KV_WINE_SETUP_VERSION" > "$WINEPREFIX/.kv-setup"
}

kv_ensure_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")" || return 1
    # One setup at a time per prefix; later callers find it done.
    (
        flock 8
        if [[ $(cat "$WINEPREFIX/.kv-setup" 2>/dev/null) == "$KV_WINE_SETUP_VERSION" ]]; then exit 0; fi
        kv_create_prefix
    ) 8>"$WINEPREFIX.lock"
}

# Xvfb has no window manager, so the frames and captions of managed windows would not be
# drawn at all; unmanaged, Wine draws them itself. With a real display the window manager
# takes them again.
kv_set_window_management() {
    local key='HKCU\Software\Wine\X11 Driver'
    if [[ -n ${KV_XVFB_PID:-} ]]; then
        kv_reg_add "$key" Managed N
    else
        wine reg delete "$key" /v Managed /f >/dev/null 2>&1
    fi
    return 0
}

kv_wine_env() {
    if ! command -v wine >/dev/null; then
        kv_log "wine is missing: install the Debian package wine64 (tools/install-deps.sh)"
        return 1
    fi
    kv_ensure_japanese_locale || return 1
    # A shell that read the locale archive before locale-gen warns once; its children are fine.
    export LC_ALL=ja_JP.UTF-8 2>/dev/null
    export WINEDEBUG=-all
    # No prompts to download the .NET and HTML engines.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
    export WINEPREFIX="${KV_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/kvane2k/wine}"

    if [[ -z ${DISPLAY:-} ]]; then
        kv_start_xvfb || return 1
        trap kv_wine_cleanup EXIT
        trap 'exit 130' INT TERM
    fi
    kv_ensure_prefix && kv_set_window_management
}

kv_wine_env

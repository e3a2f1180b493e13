# Sourced by scripts that run the end-to-end driver: serves its screenshot requests.
# The driver drops <name>.request into a folder; kv_serve_snapshots (run in the background)
# saves each as OUT/<prefix><name>.png, cut to the rectangle the request holds ("WxH+X+Y") or
# of the whole screen when it is empty, then removes the request.

kv_snapshot() {
    local geometry=$1 file=$2
    if [[ -z $geometry ]]; then
        import -window root "$file"
    else
        import -window root png:- | convert - -crop "$geometry" +repage "$file"
    fi
}

kv_serve_snapshots() {
    local requests=$1 out=$2 prefix=$3
    while true; do
        for request in "$requests"/*.request; do
            [[ -e $request ]] || continue
            local name geometry
            name=$(basename "$request" .request)
            geometry=$(tr -cd '0-9x+' < "$request")
            if kv_snapshot "$geometry" "$out/$prefix$name.png" 2>/dev/null; then
                echo "screenshot: out/$prefix$name.png" >&2
            else
                echo "screenshot: import failed for $name" >&2
            fi
            rm -f "$request"
        done
        sleep 0.1
    done
}

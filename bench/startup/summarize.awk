# Turns the watcher's result lines, each prefixed with the program's name, into a table of
# medians, minima and maxima, with ratios (times) and differences (memory) to the floor.
#   awk -v order="floor ours xcalc galculator" -f summarize.awk results

function median(list, n,    sorted, i, j, t) {
    for (i = 1; i <= n; i++)
        sorted[i] = list[i]
    for (i = 2; i <= n; i++) # insertion sort: n is a few dozen at most
        for (j = i; j > 1 && sorted[j - 1] > sorted[j]; j--) {
            t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t
        }
    lowest = sorted[1]
    highest = sorted[n]
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
}

# Median, minimum and maximum of one figure of one program, into med[], lo[], hi[].
function summarize(name, key,    list, n, i) {
    n = runs[name]
    for (i = 1; i <= n; i++)
        list[i] = value[name, i, key]
    med[name, key] = median(list, n)
    lo[name, key] = lowest
    hi[name, key] = highest
}

{
    name = $1
    n = ++runs[name]
    for (f = 2; f <= NF; f++) {
        split($f, pair, "=")
        value[name, n, pair[1]] = pair[2]
    }
    value[name, n, "rss_mib"] = value[name, n, "rss_kib"] / 1024
    value[name, n, "hwm_mib"] = value[name, n, "hwm_kib"] / 1024
    if (value[name, n, "close"] != "wm")
        unclean[name]++
}

END {
    count = split(order, names, " ")
    floor = names[1]
    if (!(floor in runs)) {
        print "no successful run of " floor
        exit 1
    }
    split("map_ms paint_ms cpu_ms rss_mib hwm_mib", keys, " ")
    for (i = 1; i <= count; i++)
        if (names[i] in runs)
            for (k = 1; k <= 5; k++)
                summarize(names[i], keys[k])

    printf "%-10s %4s | %-26s | %-26s | %-26s | %-23s | %-23s\n", "program", "runs",
        "map ms: median [min-max]", "first paint ms", "CPU ms until shown", "VmRSS MiB",
        "VmHWM MiB"
    for (i = 1; i <= count; i++) {
        name = names[i]
        if (!(name in runs))
            continue
        printf "%-10s %4d", name, runs[name]
        for (k = 1; k <= 3; k++)
            printf " | %6.1f [%5.1f-%5.1f] %4.2fx", med[name, keys[k]], lo[name, keys[k]],
                hi[name, keys[k]], med[name, keys[k]] / med[floor, keys[k]]
        for (k = 4; k <= 5; k++)
            printf " | %5.1f [%4.1f-%4.1f] %+5.1f", med[name, keys[k]], lo[name, keys[k]],
                hi[name, keys[k]], med[name, keys[k]] - med[floor, keys[k]]
        printf "\n"
    }
    print "Ratios (x) and differences (+/-) are to the floor's median."
    for (name in unclean)
        printf "note: %s did not close on request in %d run(s) and was terminated\n", name,
            unclean[name]
}

# Sums up measured runs. Input: one run a line, tab-separated: label, then numbers.
# Output: one line a label, in the order first seen: the label, the median of each number
# but the last, and the largest of the last (a peak, such as memory).
# Sorts by hand: mawk, Debian's awk, has no asort.
BEGIN { FS = OFS = "\t" }
{
    if (!($1 in count)) {
        order[++labels] = $1
        fields[$1] = NF
    }
    n = ++count[$1]
    for (f = 2; f <= NF; f++)
        value[$1, f, n] = $f + 0
}
function median(label, f,    n, i, j, v, sorted) {
    n = count[label]
    for (i = 1; i <= n; i++) {
        v = value[label, f, i]
        for (j = i - 1; j >= 1 && sorted[j] > v; j--)
            sorted[j + 1] = sorted[j]
        sorted[j + 1] = v
    }
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
}
function largest(label, f,    i, top) {
    top = value[label, f, 1]
    for (i = 2; i <= count[label]; i++)
        if (value[label, f, i] > top)
            top = value[label, f, i]
    return top
}
END {
    for (l = 1; l <= labels; l++) {
        label = order[l]
        line = label
        for (f = 2; f < fields[label]; f++)
            line = line OFS sprintf("%.1f", median(label, f))
        print line, sprintf("%.1f", largest(label, fields[label]))
    }
}

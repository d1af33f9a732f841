# Graph data text: `graphs` graphs of 5 sets with 1000 points each, x as Julian Dates.
BEGIN {
    srand(7)
    for (g = 0; g < graphs; g++) {
        printf "@WITH G%d\n@subtitle \"Graph %d\"\n", g, g
        for (s = 0; s < 5; s++) {
            printf "@S%d\n@legend string \"Set %d\"\n", s, s
            for (p = 0; p < 1000; p++)
                printf "%.4f %.4f\n", 2461041.5 + p / 24.0, 10 * s + 5 + 3 * sin(p / 50.0) + rand()
            print "&"
        }
    }
}

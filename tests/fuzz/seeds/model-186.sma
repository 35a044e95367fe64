2
0, x
2, x

2
1, 1, 1, x
2, 1, 0, x
1
2.1e+11, x
2
8.5E-6, span
8.5E-6, x
1
2, 1, 1, 1, x
4
1, 1, -5, 4, 0, 0.25, "quoted, with comma"
1, 2, 5, 6, 1, 0.5, x
1
1, 13, 9, 0.5, 0.5, "quoted, with comma"
1, 4, 11, 9, 0, 0.25, "quoted, with comma"
0

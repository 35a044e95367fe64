2
0, x
8, span
2
1, 1, 1, x
2, 1, 0, "quoted, with comma"
1
2.1e+11, "quoted, with comma"
2
0.0004, x
0.0004, x
1
2, 1, 1, 2, "quoted, with comma"
2
1, 3, 4, 9, 1, 0.25, x
1
4, -4, 1
0.5, 0, span

0

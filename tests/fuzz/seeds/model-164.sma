
2
0, "quoted, with comma"
5.5, span
2
1, 1, 0, span
2, 1, 0, x
2
2.1e+11, "quoted, with comma"
2.1e+11, "quoted, with comma"

2
8.5E-6, 
8.5E-6, span
1
1, 2, 2, 2, x
0
1
1, 1, 1, span

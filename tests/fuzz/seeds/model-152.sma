4
0, 
3.5, span
6.5, span
14, "quoted, with comma"
2
1, 1, 0, "quoted, with comma"
4, 1, 0, "quoted, with comma"
1
2.1e+11, span
1
8.5E-6, span
3
1, 2, 1, 1, "quoted, with comma"
2, 3, 1, 1, span
3, 4, 1
1, span
1
2, 1, -5, 8, 0.5, 0, span
0

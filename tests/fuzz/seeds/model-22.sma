4
0, span
6, x
7, x
8, span
2
1
1, 1, "quoted, with comma"
4, 1, 0, span
1
2.1e+11, span
1
8.5E-6, "quoted, with comma"
3
1, 2, 1
1, span
2, 3, 1, 1, x
4, 3, 1, 1, 
4
1, 2
9, 13, 1, 0.5, "quoted, with comma"
1, 1, 5, -2, 1, 0.5, "quoted, with comma"
2, 2, -2, 14, 1, 0.5, x
1, 1
-1, 3, 1, 0.5, span
2
2, 1, 0, x
3, 4
2, span

3
0, x
3, span
7, 
2
1, 1, 1, 
3, 1, 0, x
1
2.1e+11, x
2
0.0004, "quoted, with comma"
8.5E-6, span
2
1, 2, 1, 2, "quoted, with comma"
3, 2, 1, 1, "quoted, with comma"
3
1, 3, 11, 14, 0, 0, 
1, 2, -1, 11, 0.5, 0, x
2, 4, 14, 7, 1, 0.25, "quoted, with comma"
2
3, 3, 2, span
1, -4, 3, "quoted, with comma"

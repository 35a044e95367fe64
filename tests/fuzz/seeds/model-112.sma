2
0, "quoted, with comma"
7, "quoted, with comma"
2
1
1, 1, "quoted, with comma"
2, 1, 0, x
2
2.1e+11, x
2E8, span
2
0.0004, 
0.0004, span
1
1, 2, 1
2, span
1
1, 1, 2, -4, 1, 0.25, span
2
2, 2, 3, span
2, -2, 0, 

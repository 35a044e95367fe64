3
0, span
6.5, 
14, "quoted, with comma"
2
1, 1, 0, span
3
1, 0, "quoted, with comma"
1
2.1e+11, 
1
8.5E-6, x
2
1, 2, 1
1, "quoted, with comma"
2
3, 1, 1, "quoted, with comma"
2
2, 1, 4, -5, 1, 0, "quoted, with comma"
2, 4, -3, 8, 0.5
0.5, x
2
2, 0, 2, x
1, -1, 2, "quoted, with comma"

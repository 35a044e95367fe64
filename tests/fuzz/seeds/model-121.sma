
2
0, 
8, 
2
1, 1, 1, "quoted, with comma"
2, 1, 0, span
1
2.1e+11, x
1
0.0004, span
1
1, 2, 1, 1, "quoted, with comma"

2
1
3, 8, 10, 1, 0, x
1, 4, 2, 14, 1, 0, span
0

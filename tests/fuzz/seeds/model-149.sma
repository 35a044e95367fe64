3
0, 
8, 
12.5, x
2
1
1, 1, span
3
1, 0, 
2
2.1e+11, 
2E8, span
2
0.0004, span
0.0004, x
2
1, 2, 1, 1, "quoted, with comma"
2, 3, 1, 1, x
0
2
3, -3, 3, x
1, 2, 3, "quoted, with comma"

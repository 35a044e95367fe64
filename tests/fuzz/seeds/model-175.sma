
3
0, 
8, x
16, 
2
1, 1, 1, x
3, 1
0, 
1
2.1e+11, span
1
0.0004, span
2
2, 1, 1, 1, span
2
3, 1, 1, "quoted, with comma"
1
1, 4, -5
12, 0.5, 0.5, span
2
2, -3, 3, "quoted, with comma"
1, 4, 0, span
